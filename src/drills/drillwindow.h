// The window of a verb drill: the learner types the preterite form into the gap of a sentence.
// Every drill is this window with its own description; the engine decides, the window shows.
#pragma once

#include "../common/forms.h"
#include "drilldescriptions.h"
#include "drillengine.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

class QAction;

#include "../common/answerbox.h"

namespace zeb {

class DrillWindow : public Form
{
    Q_OBJECT

public:
    explicit DrillWindow(const DrillDescription &drill);

    void Form_Load() override;

private:
    void Command1_Click(); // start or restart a pass
    void Command2_Click(); // check the answer
    void Command3_Click(); // back to the menu
    void Command4_Click(); // show the expected form
    void open(Exercise exercise);

    void showItem(bool clearAnswer);
    void ReportWrongAnswer();
    void endPass();

    const DrillDescription &m_drill;
    DrillEngine m_engine;

    QPushButton *Command1 = control<QPushButton>("Command1"),
                *Command2 = control<QPushButton>("Command2"),
                *Command3 = control<QPushButton>("Command3"),
                *Command4 = control<QPushButton>("Command4");
    QLabel *Label6 = control<QLabel>("Label6"), *Label7 = control<QLabel>("Label7"),
           *Label8 = control<QLabel>("Label8"), *Label9 = control<QLabel>("Label9");
    AnswerBox *Text2 = control<AnswerBox>("Text2");
    QPlainTextEdit *Text5 = control<QPlainTextEdit>("Text5");
    QAction *mnuOntop = nullptr;
};

} // namespace zeb
