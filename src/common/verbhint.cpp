#include "verbhint.h"

#include "answertext.h"

#include <algorithm>
#include <span>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

constexpr auto NFC = QString::NormalizationForm_C;

// The learner's text as it is judged here: composed, without outer blanks, in lower case, so
// that "Volvi" at the start of a sentence is a matter of accents.
QString folded(const QString &text)
{
    return trimBlanks(text).normalized(NFC).toLower();
}

// The text without its written accents; the tilde of ñ and the dieresis of ü stay.
QString bare(const QString &text)
{
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        const char16_t u = c.unicode();
        if (u < 0x0300 || u > 0x036f || u == 0x0303 || u == 0x0308)
            out.append(c);
    }
    return out.normalized(NFC);
}

struct Parts
{
    QString pronoun, verb; // "me", "divertí"; no pronoun: empty
};

Parts partsOf(const QString &form)
{
    static const QStringList pronouns{u"me"_s, u"te"_s, u"se"_s, u"nos"_s, u"os"_s};
    QStringList words = form.split(u' ', Qt::SkipEmptyParts);
    if (words.size() > 1 && pronouns.contains(words.first()))
        return {words.takeFirst(), words.join(u' ')};
    return {{}, words.join(u' ')};
}

QStringList verbsOf(const QStringList &forms)
{
    QStringList verbs;
    for (const QString &form : forms)
        verbs << partsOf(form).verb;
    return verbs;
}

// The spelling rule that turns the form built without it into the right one.
HintKind spellingRule(const QString &without, const QString &with)
{
    qsizetype at = 0;
    while (at < without.size() && at < with.size() && without.at(at) == with.at(at))
        ++at;
    const auto letter = [at](const QString &text) {
        return at < text.size() ? text.at(at) : QChar();
    };
    const QChar right = letter(with);
    if (right == u'q')
        return HintKind::SpellingCQu;
    if (right == u'u' && at > 0 && with.at(at - 1) == u'g')
        return HintKind::SpellingGGu;
    if (right == u'c' && letter(without) == u'z')
        return HintKind::SpellingZC;
    if (right == u'ü')
        return HintKind::SpellingGuGue;
    if (right == u'y' && letter(without) == u'i')
        return HintKind::SpellingIY;
    return HintKind::None;
}

struct Candidate
{
    QString verb; // what the learner may have typed for the verb
    HintKind kind;
};

// The forms that a learner who made each mistake types, in the order of their hints. The right
// form's pronoun is judged apart, between the spelling and the infinitive.
QList<Candidate> mistakes(const QString &infinitive, int person)
{
    const QStringList right = verbsOf(conjugate(infinitive, Tense::Preterite));
    QList<Candidate> list;
    const QString unspelt =
        partsOf(conjugate(infinitive, Tense::Preterite, {true, true, false}).value(person)).verb;
    if (const HintKind rule = spellingRule(unspelt, right.value(person)); rule != HintKind::None)
        list.append({unspelt, rule});
    const QString base = infinitive.toLower();
    list.append({base, HintKind::Infinitive});
    if (base.endsWith(u"se"_s))
        list.append({base.chopped(2), HintKind::Infinitive});
    // A present that is a preterite as well (trabajamos) is no mistake of tense.
    if (const QString present = verbsOf(conjugate(infinitive, Tense::Present)).value(person);
        !right.contains(present))
        list.append({present, HintKind::Present});
    list.append(
        {verbsOf(conjugate(infinitive, Tense::Imperfect)).value(person), HintKind::Imperfect});
    for (int other = 0; other < right.size(); ++other) {
        if (other != person)
            list.append({right.at(other), HintKind::OtherPerson});
    }
    const PreteriteStem stem = preteriteStem(infinitive);
    const HintKind irregular = stem == PreteriteStem::Irregular ? HintKind::Irregular
                               : stem == PreteriteStem::EToI    ? HintKind::StemEToI
                               : stem == PreteriteStem::OToU    ? HintKind::StemOToU
                                                                : HintKind::None;
    for (const QString &regular :
         verbsOf(conjugate(infinitive, Tense::Preterite, {false, false, true}))) {
        if (irregular != HintKind::None && !right.contains(regular))
            list.append({regular, irregular});
    }
    return list;
}

// Words without their punctuation, for the order of a sentence.
QStringList wordsOf(QString text)
{
    for (QChar &c : text) {
        if (u"¿?¡!.,;:"_s.contains(c))
            c = u' ';
    }
    return text.split(u' ', Qt::SkipEmptyParts);
}

// The text without the characters of `signs`, blanks tidied.
QString without(QString text, QStringView signs)
{
    text.removeIf([signs](QChar c) { return signs.contains(c); });
    return text.simplified();
}

// Where the verb stands in the sentence as a word of its own; -1 if nowhere.
qsizetype verbAt(const QString &sentence, const QString &verb)
{
    for (qsizetype at = sentence.indexOf(verb); at >= 0 && !verb.isEmpty();
         at = sentence.indexOf(verb, at + 1)) {
        const qsizetype end = at + verb.size();
        if ((at == 0 || !sentence.at(at - 1).isLetter()) &&
            (end == sentence.size() || !sentence.at(end).isLetter()))
            return at;
    }
    return -1;
}

// The verb typed where the sentence has its verb, every other character as it is there.
std::optional<QString> typedVerb(const QString &typed, const QString &sentence, const QString &verb)
{
    const qsizetype at = verbAt(sentence, verb);
    if (at < 0)
        return std::nullopt;
    const QString before = sentence.left(at), after = sentence.mid(at + verb.size());
    if (typed.size() <= before.size() + after.size() || !typed.startsWith(before) ||
        !typed.endsWith(after))
        return std::nullopt;
    return typed.mid(before.size(), typed.size() - before.size() - after.size());
}

} // namespace

QString hintText(const Hint &hint)
{
    static const QString persons[] = {u"yo"_s,       u"tú"_s,       u"él"_s,
                                      u"nosotros"_s, u"vosotros"_s, u"ellos"_s};
    switch (hint.kind) {
    case HintKind::None:
        return {};
    case HintKind::Accents:
        return u"Revise las tildes."_s;
    case HintKind::SpellingCQu:
        return u"Delante de e, la c se escribe qu."_s;
    case HintKind::SpellingGGu:
        return u"Delante de e, la g se escribe gu."_s;
    case HintKind::SpellingZC:
        return u"Delante de e, la z se escribe c."_s;
    case HintKind::SpellingGuGue:
        return u"Delante de e, la gu se escribe gü."_s;
    case HintKind::SpellingIY:
        return u"Entre vocales, la i se escribe y."_s;
    case HintKind::MissingPronoun:
        return u"Falta el pronombre."_s;
    case HintKind::WrongPronoun:
        return u"Revise el pronombre."_s;
    case HintKind::Infinitive:
        return u"Escriba la forma conjugada."_s;
    case HintKind::Present:
        return u"Es el presente; aquí va el pretérito indefinido."_s;
    case HintKind::Imperfect:
        return u"Es el imperfecto; aquí va el pretérito indefinido."_s;
    case HintKind::OtherPerson:
        return hint.person ? u"Aquí va la forma de "_s + persons[int(*hint.person)] + u'.'
                           : u"Es otra persona."_s;
    case HintKind::Irregular:
        return u"Este verbo es irregular en el pretérito."_s;
    case HintKind::StemEToI:
        return u"En el pretérito la e de la raíz pasa a i."_s;
    case HintKind::StemOToU:
        return u"En el pretérito la o de la raíz pasa a u."_s;
    case HintKind::WordOrder:
        return u"Revise el orden de las palabras."_s;
    case HintKind::QuestionMarks:
        return u"Revise los signos de interrogación."_s;
    case HintKind::ExclamationMarks:
        return u"Revise los signos de exclamación."_s;
    }
    return {};
}

Hint verbFormHint(const QString &typed, const QString &expected, const QString &infinitive,
                  VerbPerson person, bool personShown)
{
    // A text far longer than the form is no near miss.
    if (trimBlanks(typed).size() > 2 * expected.size() + 20)
        return {};
    const QString answer = folded(typed), right = folded(expected);
    if (answer.isEmpty() || answer == right)
        return {};
    if (bare(answer) == bare(right))
        return {HintKind::Accents};
    const Parts typedParts = partsOf(answer), rightParts = partsOf(right);
    const QList<Candidate> candidates = mistakes(infinitive, int(person));
    // First the forms as they are, then with any accents: the first mistake to mend.
    for (const bool loosely : {false, true}) {
        const auto same = [loosely](const QString &a, const QString &b) {
            return loosely ? bare(a) == bare(b) : a == b;
        };
        bool pronounJudged = false;
        for (const Candidate &candidate : candidates) {
            if (!pronounJudged && candidate.kind >= HintKind::Infinitive) {
                pronounJudged = true;
                if (same(typedParts.verb, rightParts.verb) &&
                    typedParts.pronoun != rightParts.pronoun)
                    return {typedParts.pronoun.isEmpty() ? HintKind::MissingPronoun
                                                         : HintKind::WrongPronoun};
            }
            if (same(typedParts.verb, candidate.verb)) {
                const bool named = candidate.kind == HintKind::OtherPerson && personShown;
                return {candidate.kind, named ? std::optional(person) : std::nullopt};
            }
        }
    }
    return {};
}

Hint sentenceHint(const QString &typed, const QStringList &accepted,
                  const std::optional<SentenceVerb> &verb)
{
    QStringList forms;
    qsizetype longest = 0;
    for (const QString &form : accepted) {
        if (form.isEmpty())
            continue;
        forms << folded(form);
        longest = std::max(longest, forms.back().size());
    }
    // A paste far longer than any sentence is no near miss.
    if (forms.isEmpty() || trimBlanks(typed).size() > 2 * longest + 20)
        return {};
    const QString answer = folded(typed);
    if (answer.isEmpty())
        return {};
    for (const QString &form : forms) {
        if (answer == form)
            return {}; // differs in its capitals only
        if (bare(answer) == bare(form))
            return {HintKind::Accents};
    }
    for (const QString &form : forms) {
        QStringList words = wordsOf(answer), wanted = wordsOf(form);
        if (words == wanted)
            continue;
        std::sort(words.begin(), words.end());
        std::sort(wanted.begin(), wanted.end());
        if (words == wanted)
            return {HintKind::WordOrder};
    }
    for (const QString &form : forms) {
        if (without(answer, u"¿?¡!.") == without(form, u"¿?¡!.") &&
            without(answer, u".") != without(form, u"."))
            return {without(answer, u"¿?.") == without(form, u"¿?.") ? HintKind::QuestionMarks
                                                                     : HintKind::ExclamationMarks};
    }
    if (!verb)
        return {};
    // The verb typed where an accepted sentence has its verb, the rest of it as there.
    for (const QString &form : forms) {
        const QString expected = folded(verb->form);
        if (const auto typedForm = typedVerb(answer, form, expected)) {
            const Hint hint =
                verbFormHint(*typedForm, expected, verb->infinitive, verb->person, true);
            if (hint.kind != HintKind::None)
                return hint;
        }
    }
    return {};
}

} // namespace zeb
