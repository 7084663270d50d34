// The text steps that every exercise applies to the learner's answer: trimming blanks, the capital
// first letter and the exact comparison.
#pragma once

#include <QString>
#include <optional>

namespace zeb {

// Blanks are spaces only: the learner's answer keeps any other character it has.
QString trimBlanks(const QString &text);
QString trimLeadingBlanks(const QString &text);
QString trimTrailingBlanks(const QString &text);

struct CapitalizedAnswer
{
    QString text;      // trimmed, first letter in upper case
    bool wasLowerCase; // the first letter changed
};
// The answer with its first letter in upper case; nothing when no letter is left to fix.
std::optional<CapitalizedAnswer> capitalizeFirstLetter(const QString &answer);

// Exact comparison, case and accents included, of Unicode-normalised (NFC) texts: an "é" typed
// as "e" and a combining accent is the same "é".
bool sameText(const QString &typed, const QString &expected);

} // namespace zeb
