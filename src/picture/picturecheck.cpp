#include "picturecheck.h"

#include "../common/answertext.h"
#include "taskcodes.h"

using namespace Qt::StringLiterals;

namespace zeb {

QString collapseBlanks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c != u' ' || out.isEmpty() || out.back() != u' ')
            out.append(c);
    }
    return out;
}

QString tidyAnswer(const QString &text)
{
    return trimBlanks(collapseBlanks(text));
}

QString shownText(const QString &built, bool question)
{
    const auto capitalized = capitalizeFirstLetter(built);
    if (!capitalized)
        return {};
    return question ? u"¿"_s + capitalized->text : capitalized->text;
}

ShownForms shownForms(const SceneTexts &texts, bool asking)
{
    // The pronoun answer exists only for answer tasks: it never carries "¿".
    return {shownText(texts.ExpectedText, asking), shownText(texts.ExpectedTextPronoun),
            shownText(texts.ExpectedTextShort, asking)};
}

PictureCheck checkPictureAnswer(const QString &typed, const SceneTexts &texts, int taskCode,
                                bool asking)
{
    PictureCheck check{tidyAnswer(typed), Verdict::Nothing};
    if (!isQuestionTask(taskCode)) {
        const auto capitalized = capitalizeFirstLetter(check.answer);
        if (!capitalized)
            return check;
        check.answer = capitalized->text;
        if (capitalized->wasLowerCase) {
            check.verdict = Verdict::CapitalFixed;
            return check;
        }
    }
    const ShownForms accepted = shownForms(texts, asking);
    if (accepted.Text1.isEmpty())
        return check; // nothing built yet to compare with
    const auto accepts = [&check](const QString &form) {
        // "Adónde" is a spelling of "A dónde" as well.
        const QString aDonde = u"¿A dónde "_s;
        return !form.isEmpty() &&
               (sameText(check.answer, form) ||
                (form.startsWith(aDonde) &&
                 sameText(check.answer, u"¿Adónde "_s + form.mid(aDonde.size()))));
    };
    const bool right =
        accepts(accepted.Text1) || accepts(accepted.Text4) || accepts(accepted.Text5);
    check.verdict = right ? Verdict::Right : Verdict::Wrong;
    return check;
}

} // namespace zeb
