// The picture window's choices: the options of activity, question type and person, the exercise
// buttons, and the ways out of the window.
#include "../common/accessibility.h"
#include "picturecontrols.h"
#include "picturewindow.h"

#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace zeb {

void PictureWindow::connectChoices()
{
    // Each option on its own, not in a button group: that way each is a stop of the Tab key.
    const auto choices = pictureOptions();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        connect(control<QRadioButton>(choices[i].name), &QRadioButton::clicked, this,
                [this, i] { optionClicked(int(i)); });
    }

    for (const ExerciseButton &button : pictureExerciseButtons()) {
        connect(control<QPushButton>(button.name), &QPushButton::clicked, this, [this, &button] {
            if (button.chosenCaption)
                setExercise(button.exercise, QString::fromUtf16(button.chosenCaption));
            else
                open(button.exercise);
        });
    }
    control<QPushButton>("Command12")->setEnabled(false);
    control<QPushButton>("Command13")->setEnabled(false);
}

void PictureWindow::optionClicked(int option)
{
    const OptionChoice &choice = pictureOptions()[std::size_t(option)];
    const bool changed = choice.activity != Activity::None
                             ? m_engine.chooseActivity(choice.activity)
                         : choice.type != QuestionType::None ? m_engine.chooseType(choice.type)
                                                             : m_engine.choosePerson(choice.person);
    if (changed)
        ResetPictureExercise();
    showChoice(); // a click on the chosen option leaves it chosen
}

void PictureWindow::showChoice()
{
    const PictureChoice &chosen = m_engine.choice();
    for (const OptionChoice &option : pictureOptions()) {
        auto *button = control<QRadioButton>(option.name);
        if (option.activity != Activity::None) {
            button->setChecked(option.activity == chosen.activity);
        } else if (option.type != QuestionType::None) {
            button->setChecked(option.type == chosen.type);
            button->setEnabled(m_engine.typesEnabled());
        } else {
            button->setChecked(option.person == chosen.person);
            button->setEnabled(m_engine.isPersonEnabled(option.person));
        }
    }
    describeTask();
    const QString indicator = personIndicator(chosen.person);
    Label1->setText(indicator);
    Label1->setVisible(!indicator.isEmpty());
    Label6->setVisible(!indicator.isEmpty());
}

// A screen reader reads the task with the answer box: what the options chose, and the question
// that an answer task puts.
void PictureWindow::describeTask()
{
    const PictureChoice &chosen = m_engine.choice();
    QStringList task;
    for (const OptionChoice &option : pictureOptions()) {
        const QString name = spokenName(control<QRadioButton>(option.name));
        if ((option.activity != Activity::None && option.activity == chosen.activity) ||
            (option.type != QuestionType::None && option.type == chosen.type &&
             m_engine.typesEnabled()))
            task << name;
        else if (option.person != Person::None && option.person == chosen.person)
            task << u"Persona: "_s + name;
    }
    Text2->setAccessibleDescription(task.join(u". "_s) + u'.' + u' ' + taskNews());
}

// The scene's key words as a screen reader says them: the scene's empty words left out.
QString PictureWindow::spokenKeyWords() const
{
    QStringList words = m_engine.keyWords();
    words.removeAll(QString());
    return words.join(u", "_s);
}

// What a new task brings: the scene's key words, the question put, the question word asked for,
// and how far the pass has come.
QString PictureWindow::taskNews() const
{
    QStringList news;
    if (const QString words = spokenKeyWords(); !words.isEmpty())
        news << u"Dibujo: "_s + words + u'.';
    if (m_engine.taskOpen())
        news << m_engine.question() << m_engine.questionWordPrompt();
    if (const QString progress = progressLine(); !progress.isEmpty())
        news << progress + u'.';
    news.removeAll(QString());
    return news.join(u' ');
}

void PictureWindow::chooseExercise(Exercise exercise)
{
    for (const ExerciseButton &button : pictureExerciseButtons()) {
        if (button.exercise == exercise && button.openedCaption)
            setExercise(exercise, QString::fromUtf16(button.openedCaption));
    }
}

void PictureWindow::setExercise(Exercise exercise, const QString &captionEnd)
{
    m_engine.setExercise(exercise);
    for (const ExerciseButton &button : pictureExerciseButtons()) {
        if (button.chosenCaption)
            control<QPushButton>(button.name)->setEnabled(button.exercise != exercise);
    }
    ResetPictureExercise();
    if (!captionEnd.isEmpty())
        setWindowTitle(u"Ejercicios gramaticales    ----  Unidad 17: "_s + captionEnd);
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
