// The engine of the verb drills: the item bank of one drill, the pool of items not yet answered
// in the pass, the draw, the capital rule and the judgement of an answer. It knows no window.
#pragma once

#include "../common/answertext.h"
#include "drillbank.h"

#include <QStringList>

namespace zeb {

// Whether a sentence opens with the gap: its start, trimmed, is empty or just "¡" or "¿".
bool opensWithGap(const QString &sentenceStart);

class DrillEngine
{
public:
    DrillEngine(DrillBank bank, int passLength);

    int ItemCount() const { return int(m_bank.size()); }
    int PassLength() const { return m_passLength; }

    // The bank, indexed by item number 1..ItemCount; index 0 is unused. An item whose infinitive
    // is empty has been answered in this pass.
    QStringList SentenceStarts, VerbForms, SentenceEnds, Infinitives, PersonHints;
    int CurrentItem = 0; // the item on display, or the last one shown; 0 before the first draw
    int AnsweredCount = 0;

    void FillSentenceStarts();
    void FillSentenceEnds();
    void FillInfinitives();
    void FillVerbForms();
    void FillPersonHints();
    // The fills in their load order, and a fresh count.
    void loadBank();

    bool isAvailable(int item) const;
    // Draws an item not yet answered in this pass into CurrentItem, every available item being
    // equally likely; false when none is left.
    bool DrawNextItem();

    // Whether the sentence the learner sees, with the answer in the gap, is the current item's.
    bool isCorrect(const QString &startCaption, const QString &answer,
                   const QString &endCaption) const;
    // The current item completed with its expected form, as the running text adds it. With a
    // tight opening sign a start of just "¡" or "¿" stands right before the form.
    QString completedSentence(bool tightOpeningSign) const;

    // Takes the current item out of the pool; true when that answer completed the pass.
    bool recordCorrectAnswer();
    // After the last answer of a pass: every item is available again, the count starts afresh.
    void endPass();

private:
    QStringList column(const char16_t *DrillRow::*field) const;

    DrillBank m_bank;
    int m_passLength;
};

} // namespace zeb
