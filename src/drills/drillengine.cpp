#include "drillengine.h"

#include "../common/random.h"

using namespace Qt::StringLiterals;

namespace zeb {

bool opensWithGap(const QString &sentenceStart)
{
    const QString start = trimBlanks(sentenceStart);
    return start.isEmpty() || start == u"¡"_s || start == u"¿"_s;
}

DrillEngine::DrillEngine(DrillBank bank, int passLength) : m_bank(bank), m_passLength(passLength) {}

QStringList DrillEngine::column(const char16_t *DrillRow::*field) const
{
    QStringList entries{QString()};
    entries.reserve(ItemCount() + 1);
    for (const DrillRow &row : m_bank)
        entries.append(QString::fromUtf16(row.*field));
    return entries;
}

void DrillEngine::FillSentenceStarts()
{
    SentenceStarts = column(&DrillRow::start);
}
void DrillEngine::FillSentenceEnds()
{
    SentenceEnds = column(&DrillRow::end);
}
void DrillEngine::FillInfinitives()
{
    Infinitives = column(&DrillRow::infinitive);
}
void DrillEngine::FillVerbForms()
{
    VerbForms = column(&DrillRow::verbForm);
}
void DrillEngine::FillPersonHints()
{
    PersonHints = column(&DrillRow::personHint);
}

void DrillEngine::loadBank()
{
    FillSentenceStarts();
    FillSentenceEnds();
    FillInfinitives();
    FillVerbForms();
    FillPersonHints();
    AnsweredCount = 0;
}

bool DrillEngine::isAvailable(int item) const
{
    return item >= 1 && item < Infinitives.size() && !Infinitives.at(item).isEmpty();
}

bool DrillEngine::DrawNextItem()
{
    QList<int> available;
    for (int item = 1; item <= ItemCount(); ++item) {
        if (isAvailable(item))
            available.append(item);
    }
    if (available.isEmpty())
        return false;
    // One draw among the items left: the same chances as drawing 1..N until an available item
    // comes up, without the retries.
    CurrentItem = available.at(drawIndex(int(available.size())));
    return true;
}

bool DrillEngine::isCorrect(const QString &startCaption, const QString &answer,
                            const QString &endCaption) const
{
    const int k = CurrentItem;
    if (k < 1 || k > ItemCount())
        return false;
    const QString typed =
        trimTrailingBlanks(startCaption) + trimBlanks(answer) + trimLeadingBlanks(endCaption);
    return sameText(typed, SentenceStarts.at(k) + VerbForms.at(k) + SentenceEnds.at(k));
}

QString DrillEngine::completedSentence(bool tightOpeningSign) const
{
    const int k = CurrentItem;
    const QString &start = SentenceStarts.at(k);
    const bool tight = tightOpeningSign && (start == u"¡"_s || start == u"¿"_s);
    return start + (tight ? u""_s : u" "_s) + VerbForms.at(k) + u' ' + SentenceEnds.at(k) + u' ';
}

bool DrillEngine::recordCorrectAnswer()
{
    Infinitives[CurrentItem].clear();
    ++AnsweredCount;
    return AnsweredCount >= m_passLength;
}

void DrillEngine::endPass()
{
    FillInfinitives();
    AnsweredCount = 0;
}

} // namespace zeb
