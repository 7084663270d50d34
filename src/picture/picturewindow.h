// The window of the picture exercise (exercises 2, 4, 6 and 2 + 4 + 6): a scene picture, the
// learner's choice of activity, question type and person, and the learner's sentence about it.
// The engine decides, the window shows.
#pragma once

#include "../common/answerbox.h"
#include "../common/forms.h"
#include "../common/picturebox.h"
#include "pictureengine.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

class QAction;

namespace zeb {

class PictureWindow : public Form
{
    Q_OBJECT

public:
    PictureWindow();

    void Form_Load() override;
    void chooseExercise(Exercise exercise) override;

private:
    void connectHandlers();
    void connectChoices();

    void optionClicked(int option);
    void showChoice();
    void describeTask();
    QString taskNews() const;
    QString spokenKeyWords() const;

    void Command6_Click();  // Comenzar: set up the task
    void Command7_Click();  // Siguiente: check the answer
    void Command1_Click();  // Solución
    void Command15_Click(); // Ayuda
    void Command16_Click(); // Modelo
    void Image1_Click();    // the key words of the scene
    void Command9_Click();  // Salir
    void setExercise(Exercise exercise, const QString &captionEnd);
    void open(Exercise exercise);

    void ResetPictureExercise();
    void showTask();
    void showScene();
    void ReportWrongPictureAnswer(const Hint &hint = {});
    void FillSolutionLabels();

    PictureEngine m_engine;

    QPushButton *Command1 = control<QPushButton>("Command1"),
                *Command6 = control<QPushButton>("Command6"),
                *Command7 = control<QPushButton>("Command7"),
                *Command9 = control<QPushButton>("Command9"),
                *Command15 = control<QPushButton>("Command15"),
                *Command16 = control<QPushButton>("Command16");
    QLabel *Label1 = control<QLabel>("Label1"), *Label3 = control<QLabel>("Label3"),
           *Label4 = control<QLabel>("Label4"), *Label6 = control<QLabel>("Label6"),
           *Label7 = control<QLabel>("Label7"), *Label10 = control<QLabel>("Label10"),
           *Label11 = control<QLabel>("Label11"), *Label12 = control<QLabel>("Label12");
    QGroupBox *Frame3D5 = control<QGroupBox>("Frame3D5");
    PictureBox *Image1 = control<PictureBox>("Image1");
    AnswerBox *Text2 = control<AnswerBox>("Text2");
    QAction *mnuOnTop = nullptr;
};

} // namespace zeb
