#include "answertext.h"

namespace zeb {

QString trimLeadingBlanks(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == u' ')
        ++first;
    return text.mid(first);
}

QString trimTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

QString trimBlanks(const QString &text)
{
    return trimTrailingBlanks(trimLeadingBlanks(text));
}

std::optional<CapitalizedAnswer> capitalizeFirstLetter(const QString &answer)
{
    const QString text = trimBlanks(answer);
    if (text.isEmpty())
        return std::nullopt;
    // The first letter is a whole code point, even outside the basic plane.
    const qsizetype length = text.front().isHighSurrogate() && text.size() > 1 ? 2 : 1;
    const QString first = text.left(length);
    const QString upper = first.toUpper();
    return CapitalizedAnswer{upper + text.mid(length), upper != first};
}

bool sameText(const QString &typed, const QString &expected)
{
    return typed.normalized(QString::NormalizationForm_C) ==
           expected.normalized(QString::NormalizationForm_C);
}

} // namespace zeb
