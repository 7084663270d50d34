// The window of the picture exercise (exercises 2, 4, 6 and 2 + 4 + 6): a scene picture, the
// learner's choice of activity, question type and person, and the learner's sentence about it.
#pragma once

#include "../common/exercises.h"
#include "../common/forms.h"
#include "pictureengine.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zeb {

class AnswerBox;
class OptionButton;
class PictureBox;

class PictureWindow : public Form
{
    Q_OBJECT

public:
    PictureWindow();

    void Form_Load() override;

    // The engine behind the window, for tests that check its state.
    const PictureEngine &engine() const { return m_engine; }

private:
    void buildControls(QWidget *client);
    void buildOptions(QWidget *client);
    void connectHandlers();

    // Options.
    void Option3D1_Click(); // Haga oraciones
    void Option3D2_Click(); // Pregunte
    void Option3D3_Click(); // Conteste
    void choosePerson();
    void showPersonIndicator();

    // Commands.
    void Command6_Click();  // Comenzar: set up the task
    void Command7_Click();  // Siguiente: check the answer
    void Command1_Click();  // Solución
    void Command15_Click(); // Ayuda
    void Command16_Click(); // Modelo
    void Image1_Click();    // the key words of the scene
    void Command9_Click();  // Salir
    void chooseExercise(PictureExercise exercise);
    void open(Exercise exercise);

    void ResetPictureExercise();
    void showScenePicture(int pictureId);
    void AdvanceToNextScene();
    void ReportWrongPictureAnswer();
    void FillSolutionLabels();

    QPushButton *exerciseButton(PictureExercise exercise) const;
    std::optional<PictureExercise> currentExercise() const;
    Activity activity() const;
    QuestionType questionType() const;
    Person person() const;

    PictureEngine m_engine;

    QPushButton *Command1 = nullptr, *Command6 = nullptr, *Command7 = nullptr, *Command9 = nullptr,
                *Command15 = nullptr, *Command16 = nullptr;
    QLabel *Label1 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label6 = nullptr,
           *Label7 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr;
    QGroupBox *Frame3D4 = nullptr, *Frame3D5 = nullptr;
    OptionButton *Option3D1 = nullptr, *Option3D2 = nullptr, *Option3D3 = nullptr,
                 *Option3D4 = nullptr, *Option3D5 = nullptr, *Option3D10 = nullptr,
                 *Option3D6 = nullptr, *Option3D7 = nullptr, *Option3D8 = nullptr,
                 *Option3D9 = nullptr;
    PictureBox *Image1 = nullptr;
    AnswerBox *Text2 = nullptr;
    // Never shown: the accepted texts and the question as the learner sees them.
    QLineEdit *Text1 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr;
    QAction *mnuOnTop = nullptr;
};

} // namespace zeb
