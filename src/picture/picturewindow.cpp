#include "picturewindow.h"

#include "../common/accentkeys.h"
#include "../common/answerbox.h"
#include "../common/exercises.h"
#include "../common/ontop.h"
#include "../common/optionbutton.h"
#include "../common/picturebox.h"
#include "../common/platform.h"
#include "../common/quietly.h"
#include "picturecheck.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

const QString wrongAnswer = u"No es correcto. Vuelva a probarlo. ¡Atención a la ortografía!"_s;
const QString endOfPass =
    u"El ejercicio ha terminado. Si quiere recomenzarlo, pulse sobre \"Comenzar\"."_s;
const QString passTitle = u"ZEB 17, ejercicios 2, 4 y 6"_s;
const QString helpIntro =
    u"Si necesita ayuda sobre los elementos de la oración (palabras), haga clic sobre el dibujo. "
    u"Si quiere ver la solución correcta, pulse sobre el botón \"Solución\". "_s;

// The four buttons that choose the exercise, in the order the current one is looked for: the
// one disabled button is the current exercise.
struct ExerciseButton
{
    PictureExercise exercise;
    const char *name;
    QString captionEnd;
};
const ExerciseButton exerciseButtons[] = {
    {PictureExercise::Two, "Command3", u"Ejercicio 2"_s},
    {PictureExercise::Four, "Command5", u"Ejercicio 4"_s},
    {PictureExercise::Six, "Command10", u"Ejercicio 6"_s},
    {PictureExercise::All, "Command4", u"Ejercicios 2 + 4 + 6"_s},
};

} // namespace

void PictureWindow::connectHandlers()
{
    connect(Option3D1, &OptionButton::selected, this, &PictureWindow::Option3D1_Click);
    connect(Option3D2, &OptionButton::selected, this, &PictureWindow::Option3D2_Click);
    connect(Option3D3, &OptionButton::selected, this, &PictureWindow::Option3D3_Click);
    for (OptionButton *type : {Option3D4, Option3D5, Option3D10})
        connect(type, &OptionButton::selected, this, &PictureWindow::ResetPictureExercise);
    for (OptionButton *p : {Option3D6, Option3D7, Option3D8, Option3D9})
        connect(p, &OptionButton::selected, this, &PictureWindow::choosePerson);

    connect(Command6, &QPushButton::clicked, this, &PictureWindow::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &PictureWindow::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &PictureWindow::Command1_Click);
    connect(Command15, &QPushButton::clicked, this, &PictureWindow::Command15_Click);
    connect(Command16, &QPushButton::clicked, this, &PictureWindow::Command16_Click);
    connect(Command9, &QPushButton::clicked, this, &PictureWindow::Command9_Click);
    connect(Image1, &PictureBox::clicked, this, &PictureWindow::Image1_Click);
    for (const ExerciseButton &b : exerciseButtons) {
        connect(exerciseButton(b.exercise), &QPushButton::clicked, this,
                [this, e = b.exercise] { chooseExercise(e); });
    }

    // Every key typed into the answer box hides the solution lines; the error line stays.
    connect(Text2, &AnswerBox::keyTyped, this, [this] {
        Label3->hide();
        Label10->hide();
    });
    // Enter in the answer box presses the default button, while it can be pressed.
    connect(Text2, &QLineEdit::returnPressed, this, [this] {
        if (!Command7->isHidden() && Command7->isEnabled())
            Command7->click();
    });

    QWidget *previous = Command6;
    for (QWidget *next : std::initializer_list<QWidget *>{
             Command15, Command9, Image1, Option3D1, Option3D2, Option3D3, Option3D4, Option3D5,
             Option3D10, Option3D6, Option3D7, Option3D8, Option3D9, Text2, Command7, Command16,
             Command1}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void PictureWindow::Form_Load()
{
    centreOnScreen(this);
    mnuOnTop->trigger();
    Option3D1->select();
    Option3D8->select();
    m_engine.load();
    Label4->setText(wrongAnswer);
    Command6->setFocus();
}

// Options ---------------------------------------------------------------------------------------

void PictureWindow::Option3D1_Click()
{
    Option3D4->unselect();
    Option3D5->unselect();
    for (OptionButton *type : {Option3D4, Option3D5, Option3D10})
        type->setEnabled(false);
    Option3D6->setEnabled(true);
    Option3D7->setEnabled(true);
    Option3D9->setEnabled(false);
    // Statements have no polite person: the third person takes its place.
    if (Option3D9->isChecked())
        Option3D8->select();
    ResetPictureExercise();
}

void PictureWindow::Option3D2_Click()
{
    ResetPictureExercise();
    for (OptionButton *type : {Option3D4, Option3D5, Option3D10})
        type->setEnabled(true);
    Option3D4->select();
    Option3D6->unselect();
    Option3D6->setEnabled(false);
    Option3D7->setEnabled(true);
    Option3D7->select();
    Option3D9->setEnabled(true);
}

void PictureWindow::Option3D3_Click()
{
    for (OptionButton *type : {Option3D4, Option3D5, Option3D10})
        type->setEnabled(true);
    Option3D4->select();
    Option3D6->setEnabled(true);
    Option3D6->select();
    Option3D7->unselect();
    Option3D7->setEnabled(false);
    Option3D9->unselect();
    Option3D9->setEnabled(false);
    ResetPictureExercise();
}

void PictureWindow::choosePerson()
{
    ResetPictureExercise();
    showPersonIndicator();
}

void PictureWindow::showPersonIndicator()
{
    QString caption;
    switch (person()) {
    case Person::First:
        caption = u"1 / 1 1"_s;
        break;
    case Person::Second:
        caption = u"2 / 2 2"_s;
        break;
    case Person::Polite:
        caption = u"Ud./Uds."_s;
        break;
    case Person::Third:
    case Person::None:
        break;
    }
    Label1->setText(caption);
    Label1->setVisible(!caption.isEmpty());
    Label6->setVisible(!caption.isEmpty());
}

Activity PictureWindow::activity() const
{
    return Option3D1->isChecked()   ? Activity::Statement
           : Option3D2->isChecked() ? Activity::Question
           : Option3D3->isChecked() ? Activity::Answer
                                    : Activity::None;
}

QuestionType PictureWindow::questionType() const
{
    return Option3D4->isChecked()    ? QuestionType::General
           : Option3D5->isChecked()  ? QuestionType::PartialI
           : Option3D10->isChecked() ? QuestionType::PartialII
                                     : QuestionType::None;
}

Person PictureWindow::person() const
{
    return Option3D6->isChecked()   ? Person::First
           : Option3D7->isChecked() ? Person::Second
           : Option3D8->isChecked() ? Person::Third
           : Option3D9->isChecked() ? Person::Polite
                                    : Person::None;
}

QPushButton *PictureWindow::exerciseButton(PictureExercise exercise) const
{
    for (const ExerciseButton &b : exerciseButtons) {
        if (b.exercise == exercise)
            return findChild<QPushButton *>(QLatin1StringView(b.name));
    }
    return nullptr;
}

std::optional<PictureExercise> PictureWindow::currentExercise() const
{
    for (const ExerciseButton &b : exerciseButtons) {
        if (!exerciseButton(b.exercise)->isEnabled())
            return b.exercise;
    }
    return std::nullopt;
}

// The task ------------------------------------------------------------------------------------

void PictureWindow::ResetPictureExercise()
{
    Text2->hide();
    Command7->hide();
    Command1->hide();
    Label7->clear();
    Label7->hide();
    Frame3D5->hide();
    Image1->setPicture({});
    Label3->hide();
    Label10->clear();
    Label10->hide();
    Label4->hide();
    Label11->clear();
    Label11->hide();
    Label12->hide();
    m_engine.reset();
}

void PictureWindow::showScenePicture(int pictureId)
{
    Image1->setPicture(picturePath(pictureId));
}

void PictureWindow::Command6_Click()
{
    quietly([this] {
        if (m_engine.ScenesShown < 1) {
            const auto exercise = currentExercise();
            if (!exercise)
                return;
            const auto picture = m_engine.PickFirstScene(sceneRange(*exercise));
            if (!picture)
                return;
            showScenePicture(*picture);
        }
        m_engine.setUpTask(activity(), questionType(), person());
        const bool answering = activity() == Activity::Answer;
        if (answering) {
            Text3->setText(shownText(m_engine.SavedQuestion, true));
            Label7->setText(Text3->text());
        }
        Frame3D5->setVisible(answering);
        Label7->setVisible(answering);
        if (activity() == Activity::Question && questionType() == QuestionType::PartialII) {
            Label11->setText(u"¿"_s + m_engine.tables.SceneQuestionWords.at(m_engine.SceneIndex) +
                             u'?');
            Label12->show();
            Label11->show();
        }
        Text2->show();
        Text2->setFocus();
        Text2->clear();
        Label4->hide();
        Label3->hide();
        Label10->hide();
        Command7->show();
        Command1->show();
        FillSolutionLabels();
    });
}

void PictureWindow::Command7_Click()
{
    if (Command7->isHidden()) // only a task on screen is checked
        return;
    quietly([this] {
        const bool asking = activity() == Activity::Question;
        const PictureCheck check =
            checkPictureAnswer(Text2->text(), m_engine.texts, m_engine.TaskCode, asking);
        Text2->setText(check.answer);
        switch (check.verdict) {
        case Verdict::Nothing:
            return;
        case Verdict::CapitalFixed:
            beep();
            return;
        case Verdict::Right:
        case Verdict::Wrong:
            break;
        }
        const ShownForms shown = shownForms(m_engine.texts, asking);
        Text1->setText(shown.Text1);
        Text4->setText(shown.Text4);
        Text5->setText(shown.Text5);
        if (check.verdict == Verdict::Right)
            AdvanceToNextScene();
        else
            ReportWrongPictureAnswer();
    });
}

void PictureWindow::AdvanceToNextScene()
{
    Label3->clear();
    Label10->clear();
    const auto exercise = currentExercise();
    if (!exercise)
        return;
    const auto picture = m_engine.PickNextScene(sceneRange(*exercise));
    if (!picture) {
        beep();
        showMessage(this, endOfPass, passTitle, MessageIcon::Critical);
        ResetPictureExercise();
        return;
    }
    showScenePicture(*picture);
    Text2->clear();
    Label3->hide();
    Label10->hide();
    Label4->hide();
    Command6_Click();
}

void PictureWindow::ReportWrongPictureAnswer()
{
    beep();
    Label4->show();
    Label4->setText(wrongAnswer);
    Text2->setFocus();
    Text2->setCursorPosition(int(Text2->text().size()));
}

// Help, solution and model --------------------------------------------------------------------

void PictureWindow::FillSolutionLabels()
{
    const ShownForms shown = shownForms(m_engine.texts, activity() == Activity::Question);
    Text1->setText(shown.Text1);
    Text4->setText(shown.Text4);
    Label3->setText(Text1->text());
    Label10->setText(Text4->text());
}

void PictureWindow::Command1_Click()
{
    if (Command1->isHidden()) // only a task on screen has a solution
        return;
    quietly([this] {
        Label3->show();
        if (activity() == Activity::Answer)
            Label10->show();
        FillSolutionLabels();
        Text2->setFocus();
    });
}

void PictureWindow::Command15_Click()
{
    showMessage(this, helpIntro + accentKeyHelp(), u"ZEB 17: Ayuda"_s, MessageIcon::Information);
    if (Text2->isVisible())
        Text2->setFocus();
}

void PictureWindow::Image1_Click()
{
    const int k = m_engine.SceneIndex;
    if (k < 0 || k >= SceneCount)
        return;
    const SceneTables &t = m_engine.tables;
    QStringList lines;
    switch (person()) {
    case Person::First:
    case Person::Second:
    case Person::Polite:
        lines = {t.SceneTimeWords[k], t.SceneInfinitives[k], t.SceneObjectWords[k],
                 t.ScenePlaceWords[k]};
        break;
    case Person::Third:
        lines = {t.SceneTimeWords[k], t.SceneSubjectWords[k], t.SceneInfinitives[k],
                 t.SceneObjectWords[k], t.ScenePlaceWords[k]};
        break;
    case Person::None:
        return;
    }
    showMessage(this, lines.join(u"\r\n"_s), u"Las partes de la oración"_s,
                MessageIcon::Information);
}

void PictureWindow::Command16_Click()
{
    quietly([this] {
        const auto exercise = currentExercise();
        if (!exercise)
            return;
        m_engine.beginModel(*exercise);
        Command6_Click();
        Command7->hide();
        Command1->hide();
        // The model scene's own picture, whether or not the pass has shown it already.
        showScenePicture(scenePictureId(m_engine.SceneIndex));
        const Activity chosen = activity();
        Text1->setText(shownText(m_engine.texts.ExpectedText, chosen == Activity::Question));
        Text2->setText(Text1->text());
        if (chosen == Activity::Answer && questionType() == QuestionType::General) {
            Text4->setText(shownText(m_engine.texts.ExpectedTextPronoun));
            Label10->setText(Text4->text());
            Label10->show();
        }
        m_engine.endModel();
    });
}

// Leaving or changing the exercise ---------------------------------------------------------------

void PictureWindow::chooseExercise(PictureExercise exercise)
{
    for (const ExerciseButton &b : exerciseButtons)
        exerciseButton(b.exercise)->setEnabled(b.exercise != exercise);
    ResetPictureExercise();
    for (const ExerciseButton &b : exerciseButtons) {
        if (b.exercise == exercise)
            setWindowTitle(u"Ejercicios gramaticales    ----  Unidad 17: "_s + b.captionEnd);
    }
}

void PictureWindow::open(Exercise exercise)
{
    replaceBy([exercise] { return openExercise(exercise); });
}

void PictureWindow::Command9_Click()
{
    replaceBy([this] {
        Image1->setPicture({});
        return forms::show(FormName::alap) != nullptr;
    });
}

} // namespace zeb
