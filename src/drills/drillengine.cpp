#include "drillengine.h"

#include "../common/random.h"

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

QString text(const char16_t *value)
{
    return QString::fromUtf16(value);
}

bool isOpeningSign(const QString &start)
{
    return start == u"¡"_s || start == u"¿"_s;
}

// Pieces joined by single blanks, but none after an opening sign or before a closing mark.
QString joinedSentence(const QStringList &pieces)
{
    QString sentence;
    for (const QString &piece : pieces) {
        const QString tidy = trimBlanks(piece);
        if (tidy.isEmpty())
            continue;
        const bool tight = sentence.isEmpty() || sentence.endsWith(u'¿') ||
                           sentence.endsWith(u'¡') || u".,;:?!…"_s.contains(tidy.front());
        sentence += (tight ? u""_s : u" "_s) + tidy;
    }
    return sentence;
}

} // namespace

bool opensWithGap(const QString &sentenceStart)
{
    const QString start = trimBlanks(sentenceStart);
    return start.isEmpty() || isOpeningSign(start);
}

DrillEngine::DrillEngine(DrillBank bank, int passLength)
    : m_bank(bank), m_passLength(passLength), m_answeredItems(ItemCount() + 1, false)
{}

bool DrillEngine::isAvailable(int item) const
{
    return item >= 1 && item <= ItemCount() && !m_answeredItems.at(item);
}

const DrillRow *DrillEngine::current() const
{
    return m_current >= 1 ? &m_bank[std::size_t(m_current - 1)] : nullptr;
}

bool DrillEngine::draw()
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
    m_current = available.at(drawIndex(int(available.size())));
    return true;
}

void DrillEngine::start()
{
    m_passEnded = false;
    draw();
}

std::optional<std::pair<int, int>> DrillEngine::progress() const
{
    if (!current() || m_passEnded)
        return std::nullopt;
    return std::pair{m_answered + 1, m_passLength};
}

std::optional<DrillItem> DrillEngine::item() const
{
    const DrillRow *row = current();
    if (!row)
        return std::nullopt;
    return DrillItem{text(row->start), text(row->end), text(row->infinitive),
                     text(row->personHint)};
}

QString DrillEngine::expectedForm() const
{
    const DrillRow *row = current();
    return row ? text(row->verbForm) : QString();
}

std::optional<CapitalizedAnswer> DrillEngine::capitalize(const QString &answer) const
{
    const DrillRow *row = current();
    if (row && !opensWithGap(text(row->start)))
        return CapitalizedAnswer{answer, false};
    return capitalizeFirstLetter(answer);
}

DrillVerdict DrillEngine::check(const QString &answer)
{
    const DrillRow *row = current();
    if (!row || m_passEnded)
        return DrillVerdict::Wrong;
    const QString start = text(row->start), end = text(row->end);
    // The sentence as the learner completed it, against the sentence as it stands in the bank.
    const QString typed = trimTrailingBlanks(start) + trimBlanks(answer) + trimLeadingBlanks(end);
    if (!sameText(typed, start + text(row->verbForm) + end))
        return DrillVerdict::Wrong;

    m_completed = joinedSentence({start, text(row->verbForm), end}) + u' ';
    m_answeredItems[m_current] = true;
    if (++m_answered < m_passLength) {
        draw();
        return DrillVerdict::Right;
    }
    // The pass is over: every item is available again, the count starts afresh.
    m_answeredItems.fill(false);
    m_answered = 0;
    m_passEnded = true;
    return DrillVerdict::PassEnded;
}

Hint DrillEngine::hint(const QString &answer) const
{
    const DrillRow *row = current();
    if (!row)
        return {};
    // An item without a person hint has the person of its sentence's subject.
    const QString form = text(row->verbForm), infinitive = text(row->infinitive);
    const auto shown = personOfHint(text(row->personHint));
    const auto person = shown ? shown : personOfPreterite(form, infinitive);
    return person ? verbFormHint(answer, form, infinitive, *person, shown.has_value()) : Hint();
}

} // namespace zeb
