// The engine of the verb drills: the item bank of one drill, the pass (the items not yet
// answered, the count of right answers, whether it has ended), the item on display, the capital
// rule and the verdict on an answer. It knows no window.
#pragma once

#include "../common/answertext.h"
#include "../common/verbhint.h"
#include "drillbank.h"

#include <QList>
#include <optional>

namespace zeb {

// Whether a sentence opens with the gap: its start, trimmed, is empty or just "¡" or "¿".
bool opensWithGap(const QString &sentenceStart);

// The item on display, as the window shows it.
struct DrillItem
{
    QString start, end, infinitive, personHint;
};

enum class DrillVerdict { Wrong, Right, PassEnded };

class DrillEngine
{
public:
    DrillEngine(DrillBank bank, int passLength);

    int ItemCount() const { return int(m_bank.size()); }
    int PassLength() const { return m_passLength; }
    int AnsweredCount() const { return m_answered; }
    bool isAvailable(int item) const; // items are numbered 1..ItemCount
    // The last pass has ended; the next start begins a new one.
    bool passEnded() const { return m_passEnded; }

    // Comenzar or Recomenzar: draws an item not yet answered, every one equally likely.
    void start();
    // The item on display, or the last one shown after the pass ended; nothing before the first.
    std::optional<DrillItem> item() const;
    QString expectedForm() const;

    // The capital rule: where the sentence opens with the gap, the answer's first letter is made
    // upper case. Other answers come back as they are; nothing when there is no letter to judge.
    std::optional<CapitalizedAnswer> capitalize(const QString &answer) const;
    // Judges the answer in the gap. A right one takes the item out of the pool and draws the
    // next, or ends the pass after its last answer (the pool is full again).
    DrillVerdict check(const QString &answer);
    // Why `answer` is wrong for the item on display, as far as the grammar of its verb tells.
    Hint hint(const QString &answer) const;
    // The item last answered rightly, completed, as the running text adds it: its start, form and
    // end joined by single blanks, none right after "¿" or "¡" nor before a closing mark, and
    // one blank after it.
    QString completedSentence() const { return m_completed; }
    // The item on display as "item n of the pass"; nothing while none is on display.
    std::optional<std::pair<int, int>> progress() const;

private:
    const DrillRow *current() const;
    bool draw();

    DrillBank m_bank;
    int m_passLength;
    QList<bool> m_answeredItems; // by item number; index 0 unused
    int m_current = 0;           // 0 before the first draw
    int m_answered = 0;
    bool m_passEnded = false;
    QString m_completed;
};

} // namespace zeb
