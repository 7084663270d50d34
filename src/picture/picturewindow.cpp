#include "picturewindow.h"

#include "../common/accentkeys.h"
#include "../common/accessibility.h"
#include "../common/answerbox.h"
#include "../common/colours.h"
#include "../common/ontop.h"
#include "../common/picturebox.h"
#include "../common/platform.h"
#include "picturecontrols.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace zeb {

PictureWindow::PictureWindow()
    : Form(FormName::zeb1702, {u"        Ejercicios gramaticales  ---  Unidad 17:  Ejercicio 2"_s,
                               colours::exerciseWindow,
                               {9870, 6990},
                               DesignFont{Face::Sans, 8.25},
                               pictureControls()})
{
    Image1->setInvitesClick(pictureTexts().keyWordsTitle);
    Image1->setAccessibleName(u"Dibujo"_s);
    showProgress({}, {});
    Text2->setDefaultButton(Command7);
    mnuOnTop = addOnTopMenu(this, {u"mnuOpciones"_s, u"&Opciones"_s, u"mnuOnTop"_s, u"&OnTop"_s});
    connectHandlers();
}

void PictureWindow::connectHandlers()
{
    connectChoices();
    connect(Command6, &QPushButton::clicked, this, &PictureWindow::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &PictureWindow::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &PictureWindow::Command1_Click);
    connect(Command15, &QPushButton::clicked, this, &PictureWindow::Command15_Click);
    connect(Command16, &QPushButton::clicked, this, &PictureWindow::Command16_Click);
    connect(Command9, &QPushButton::clicked, this, &PictureWindow::Command9_Click);
    connect(Image1, &PictureBox::clicked, this, &PictureWindow::Image1_Click);
    // Every key typed into the answer box hides the solution lines; the error line stays.
    connect(Text2, &AnswerBox::keyTyped, this, [this] {
        Label3->hide();
        Label10->hide();
    });
}

void PictureWindow::Form_Load()
{
    centreOnScreen(this);
    mnuOnTop->trigger();
    showChoice();
    setExercise(m_engine.exercise(), {});
    Label4->setText(pictureTexts().wrongAnswer);
    Command6->setFocus();
}

// The task --------------------------------------------------------------------------------------

void PictureWindow::ResetPictureExercise()
{
    m_engine.reset();
    for (QWidget *control :
         std::initializer_list<QWidget *>{Text2, Command7, Command1, Label7, Frame3D5, Label3,
                                          Label10, Label4, Label11, Label12})
        control->hide();
    for (QLabel *label : {Label7, Label10, Label11})
        label->clear();
    showScene();
    showProgress({}, {});
}

void PictureWindow::showScene()
{
    const int scene = m_engine.scene();
    Image1->setPicture(scene < SceneCount ? picturePath(scenePictureId(scene)) : QString());
    // A screen reader describes the picture by what a click on it lists.
    Image1->setAccessibleDescription(spokenKeyWords());
    describeTask();
}

void PictureWindow::Command6_Click()
{
    if (m_engine.startTask())
        showTask();
}

void PictureWindow::showTask()
{
    // Where the focus comes to the answer box, its description reads the new task.
    const bool focusStays = Text2->hasFocus();
    showScene();
    const bool answering = m_engine.choice().activity == Activity::Answer;
    if (answering)
        Label7->setText(m_engine.question());
    Frame3D5->setVisible(answering);
    Label7->setVisible(answering);
    if (const QString word = m_engine.questionWordPrompt(); !word.isEmpty()) {
        Label11->setText(word);
        Label12->show();
        Label11->show();
    }
    Text2->show();
    Text2->setFocus();
    Text2->clear();
    for (QLabel *line : {Label4, Label3, Label10})
        line->hide();
    Command7->show();
    Command1->show();
    FillSolutionLabels();
    showProgress(u"Escena"_s, m_engine.progress());
    describeTask();
    if (focusStays)
        say(Text2, taskNews());
}

void PictureWindow::Command7_Click()
{
    if (!m_engine.taskOpen()) // only a task on screen is checked
        return;
    const PictureCheck check = m_engine.check(Text2->text());
    Text2->setText(check.answer);
    switch (check.verdict) {
    case Verdict::Nothing:
        break;
    case Verdict::CapitalFixed:
        beep();
        break;
    case Verdict::Wrong:
        ReportWrongPictureAnswer(check.hint);
        break;
    case Verdict::Right: // the next scene's task
        showTask();
        break;
    case Verdict::PassEnded:
        beep();
        showMessage(this, pictureTexts().endOfPass, pictureTexts().passTitle,
                    MessageIcon::Critical);
        ResetPictureExercise();
        break;
    }
}

void PictureWindow::ReportWrongPictureAnswer(const Hint &hint)
{
    beep();
    Label4->show();
    // The hint, where there is one, is the error line's second line.
    const QString why = hintText(hint);
    Label4->setText(pictureTexts().wrongAnswer + (why.isEmpty() ? QString() : u'\n' + why));
    say(Label4, Label4->text());
    Text2->setFocus();
    Text2->setCursorPosition(int(Text2->text().size()));
}

// Help, solution and model ----------------------------------------------------------------------

void PictureWindow::FillSolutionLabels()
{
    const ShownForms shown = m_engine.solution();
    Label3->setText(shown.Text1);
    Label10->setText(shown.Text4);
}

void PictureWindow::Command1_Click()
{
    if (!m_engine.taskOpen()) // only a task on screen has a solution
        return;
    Label3->show();
    Label4->setText(pictureTexts().wrongAnswer); // the solution needs no hint, nor its room
    if (m_engine.choice().activity == Activity::Answer)
        Label10->show();
    FillSolutionLabels();
    say(Label3, Label3->text());
    if (Label10->isVisible())
        say(Label10, Label10->text());
    Text2->setFocus();
}

void PictureWindow::Command15_Click()
{
    const PictureTexts &texts = pictureTexts();
    showMessage(this, texts.helpIntro + accentKeyHelp(), texts.helpTitle, MessageIcon::Information);
    if (m_engine.scene() != NoScene) // a task or the model is on screen
        Text2->setFocus();
}

void PictureWindow::Image1_Click()
{
    const QStringList words = m_engine.keyWords();
    if (!words.isEmpty())
        showMessage(this, words.join(u"\r\n"_s), pictureTexts().keyWordsTitle,
                    MessageIcon::Information);
}

void PictureWindow::Command16_Click()
{
    m_engine.showModel();
    showTask();
    Command7->hide();
    Command1->hide();
    const PictureChoice &chosen = m_engine.choice();
    Text2->setText(m_engine.solution().Text1); // the model, worked
    if (chosen.activity == Activity::Answer && chosen.type == QuestionType::General) {
        Label10->show(); // the short answer, filled with the task
        say(Label10, Label10->text());
    }
    showProgress({}, {});
    describeTask();
}

} // namespace zeb
