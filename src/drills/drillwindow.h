// The window of a verb drill: the learner types the preterite form into the gap of a sentence.
// Every drill is this window with its own description.
#pragma once

#include "../common/forms.h"
#include "drilldescriptions.h"
#include "drillengine.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zeb {

class AnswerBox;

class DrillWindow : public Form
{
    Q_OBJECT

public:
    explicit DrillWindow(const DrillDescription &drill);

    void Form_Load() override;

    // The engine behind the window, for tests that check its state.
    const DrillEngine &engine() const { return m_engine; }

private:
    void buildControls(QWidget *client);
    QPushButton *addButton(QWidget *client, const char *name, const QString &caption, QRect twips,
                           double pointSize);

    void Command1_Click(); // start or restart a pass
    void Command2_Click(); // check the answer
    void Command3_Click(); // back to the menu
    void Command4_Click(); // show the expected form
    void open(Exercise exercise);

    void DrawNextItem(bool clearAnswer);
    bool CapitalizeGapFirstAnswer(); // false: no letter to judge
    void ReportWrongAnswer();
    void AcceptAnswer();
    void endPass();

    const DrillDescription &m_drill;
    DrillEngine m_engine;

    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;
    QLabel *Label2 = nullptr, *Label4 = nullptr, *Label6 = nullptr, *Label7 = nullptr,
           *Label8 = nullptr, *Label9 = nullptr;
    AnswerBox *Text2 = nullptr;
    QPlainTextEdit *Text5 = nullptr;
    QAction *mnuOntop = nullptr;
};

} // namespace zeb
