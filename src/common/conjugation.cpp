#include "conjugation.h"

#include <span>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

enum class VerbClass { Ar, Er, Ir };

// clang-format off
// The endings of the six persons, "|" between them: by class, then preterite, present, imperfect.
const char16_t *const regularEndings[3][3] = {
    {u"é|aste|ó|amos|asteis|aron",   u"o|as|a|amos|áis|an", u"aba|abas|aba|ábamos|abais|aban"},
    {u"í|iste|ió|imos|isteis|ieron", u"o|es|e|emos|éis|en", u"ía|ías|ía|íamos|íais|ían"},
    {u"í|iste|ió|imos|isteis|ieron", u"o|es|e|imos|ís|en",  u"ía|ías|ía|íamos|íais|ían"},
};

constexpr char16_t strong[] = u"e|iste|o|imos|isteis|ieron";
constexpr char16_t strongJ[] = u"e|iste|o|imos|isteis|eron"; // after j the i of -ieron goes
constexpr char16_t fu[] = u"i|iste|e|imos|isteis|eron";

// A stem that the rules do not give. A compound keeps its prefix (componer: compuse); one
// ending alone is the yo form's, and the other persons follow the rules.
struct IrregularStem
{
    const char16_t *verb; // the infinitive, or its end for the compounds
    bool compounds;
    Tense tense;
    const char16_t *stem;
    const char16_t *endings; // written as they are; none: the class's own
};

constexpr Tense P = Tense::Preterite, Pr = Tense::Present, I = Tense::Imperfect;
const IrregularStem irregularStems[] = {
    {u"tener", true, P, u"tuv", strong},     {u"estar", false, P, u"estuv", strong},
    {u"andar", false, P, u"anduv", strong},  {u"querer", false, P, u"quis", strong},
    {u"poder", false, P, u"pud", strong},    {u"poner", true, P, u"pus", strong},
    {u"saber", false, P, u"sup", strong},    {u"caber", false, P, u"cup", strong},
    {u"haber", false, P, u"hub", strong},    {u"venir", true, P, u"vin", strong},
    {u"hacer", true, P, u"hi", u"ce|ciste|zo|cimos|cisteis|cieron"},
    {u"decir", true, P, u"dij", strongJ},    {u"traer", true, P, u"traj", strongJ},
    {u"ducir", true, P, u"duj", strongJ},    {u"ser", false, P, u"fu", fu},
    {u"ir", false, P, u"fu", fu},
    {u"dar", false, P, u"d", u"i|iste|io|imos|isteis|ieron"},

    {u"ser", false, Pr, u"", u"soy|eres|es|somos|sois|son"},
    {u"ir", false, Pr, u"v", u"oy|as|a|amos|ais|an"},
    {u"dar", false, Pr, u"d", u"oy|as|a|amos|ais|an"},
    {u"estar", false, Pr, u"est", u"oy|ás|á|amos|áis|án"},
    {u"haber", false, Pr, u"h", u"e|as|ay|emos|abéis|an"}, // hay: the unit's haber is impersonal
    {u"tener", true, Pr, u"teng", u"o"},     {u"venir", true, Pr, u"veng", u"o"},
    {u"poner", true, Pr, u"pong", u"o"},     {u"hacer", true, Pr, u"hag", u"o"},
    {u"decir", true, Pr, u"dig", u"o"},      {u"salir", false, Pr, u"salg", u"o"},
    {u"traer", true, Pr, u"traig", u"o"},    {u"caer", true, Pr, u"caig", u"o"},
    {u"oír", false, Pr, u"oig", u"o"},       {u"caber", false, Pr, u"quep", u"o"},
    {u"saber", false, Pr, u"s", u"é"},       {u"ver", false, Pr, u"ve", u"o"},

    {u"ser", false, I, u"", u"era|eras|era|éramos|erais|eran"},
    {u"ir", false, I, u"", u"iba|ibas|iba|íbamos|ibais|iban"},
    {u"ver", false, I, u"ve", nullptr},
};

// The stressed stem vowel of the present's yo, tú, él and ellos; in the preterite's él and ellos
// an -ir verb turns its e into i and its o into u.
enum class Change { EIe, OUe, EI, Accent };
struct StemChange
{
    const char16_t *verb;
    bool compounds;
    Change change;
};
constexpr Change EIe = Change::EIe, OUe = Change::OUe, EI = Change::EI;
const StemChange stemChanges[] = {
    {u"pensar", true, EIe},   {u"cerrar", false, EIe},  {u"comenzar", false, EIe},
    {u"empezar", false, EIe}, {u"regar", false, EIe},   {u"perder", false, EIe},
    {u"tender", true, EIe},   {u"querer", false, EIe},  {u"tener", true, EIe},
    {u"venir", true, EIe},    {u"ferir", true, EIe},    {u"herir", false, EIe},
    {u"hervir", false, EIe},  {u"vertir", true, EIe},   {u"mentir", true, EIe},
    {u"sentir", true, EIe},   {u"volver", true, OUe},   {u"costar", true, OUe},
    {u"contar", true, OUe},   {u"encontrar", false, OUe}, {u"poder", false, OUe},
    {u"dormir", false, OUe},  {u"morir", false, OUe},   {u"pedir", true, EI},
    {u"seguir", true, EI},    {u"servir", false, EI},   {u"medir", false, EI},
    {u"derretir", false, EI}, {u"petir", true, EI},     {u"vestir", true, EI},
    {u"elegir", false, EI},   {u"regir", true, EI},     {u"reír", true, EI},
    {u"decir", true, EI},     {u"reunir", false, Change::Accent}, // reúno
};
// clang-format on

const QStringList reflexivePronouns{u"me"_s, u"te"_s, u"se"_s, u"nos"_s, u"os"_s, u"se"_s};

struct Verb
{
    QString base; // the infinitive without "se"
    QString stem; // the base without its ending
    VerbClass verbClass;
    bool pronominal;
};

std::optional<Verb> parseVerb(const QString &infinitive)
{
    Verb verb;
    verb.base = infinitive.trimmed().toLower();
    verb.pronominal = verb.base.endsWith(u"se"_s);
    if (verb.pronominal)
        verb.base.chop(2);
    const QString ending = verb.base.right(2);
    if (ending == u"ar"_s)
        verb.verbClass = VerbClass::Ar;
    else if (ending == u"er"_s)
        verb.verbClass = VerbClass::Er;
    else if (ending == u"ir"_s || ending == u"ír"_s)
        verb.verbClass = VerbClass::Ir;
    else
        return std::nullopt;
    verb.stem = verb.base.chopped(2);
    return verb;
}

// The row for `base`: the verb itself, or a compound of it where that is allowed.
template <typename Row>
const Row *rowFor(std::span<const Row> rows, const QString &base, std::optional<Tense> tense = {})
{
    for (const Row &row : rows) {
        if constexpr (requires { row.tense; }) {
            if (row.tense != tense)
                continue;
        }
        const QString verb = QString::fromUtf16(row.verb);
        if (base == verb || (row.compounds && base.endsWith(verb)))
            return &row;
    }
    return nullptr;
}

bool isVowel(QChar c)
{
    return u"aeiouáéíóúü"_s.contains(c);
}

bool isStrongVowel(QChar c)
{
    return u"aeoáéó"_s.contains(c);
}

// A stem that ends in a sounded vowel: le-, ca-, o-, constru-; the u of gu and qu is silent.
bool endsInVowel(const QString &stem)
{
    return !stem.isEmpty() && isVowel(stem.back()) &&
           !(stem.back() == u'u' && (stem.endsWith(u"gu"_s) || stem.endsWith(u"qu"_s)));
}

// A word of one syllable carries no written accent: vi, vio, rio, hui, veis.
QString withoutMonosyllableAccent(const QString &word)
{
    int syllables = 0;
    bool strongInSyllable = false;
    QChar previous;
    for (const QChar c : word) {
        if (isVowel(c)) {
            // A second strong vowel, or a stressed í or ú beside a strong one, opens a syllable.
            const bool stressedWeak = u"íú"_s.contains(c) || u"íú"_s.contains(previous);
            const bool hiatus = (isStrongVowel(c) && strongInSyllable) ||
                                (stressedWeak && (isStrongVowel(c) || isStrongVowel(previous)));
            if (!isVowel(previous) || hiatus) {
                ++syllables;
                strongInSyllable = false;
            }
            strongInSyllable = strongInSyllable || isStrongVowel(c);
        }
        previous = c;
    }
    if (syllables != 1)
        return word;
    QString plain = word.normalized(QString::NormalizationForm_D);
    plain.remove(QChar(0x0301));
    return plain.normalized(QString::NormalizationForm_C);
}

// Stem and ending joined: the spelling keeps the stem's sound, and a vowel meets a vowel.
QString join(QString stem, QString ending, VerbClass verbClass, Tense tense, bool spelling)
{
    const QChar first = ending.isEmpty() ? QChar() : ending.front();
    const bool beforeE = first == u'e' || first == u'é';
    const bool beforeOA = u"oaóá"_s.contains(first);
    if (spelling && verbClass == VerbClass::Ar && beforeE) {
        static const std::pair<QString, QString> changes[] = {
            {u"gu"_s, u"gü"_s}, {u"c"_s, u"qu"_s}, {u"g"_s, u"gu"_s}, {u"z"_s, u"c"_s}};
        for (const auto &[from, to] : changes) {
            if (stem.endsWith(from)) {
                stem = stem.chopped(from.size()) + to;
                break;
            }
        }
    } else if (spelling && verbClass != VerbClass::Ar && beforeOA) {
        if (stem.endsWith(u"gu"_s))
            stem.chop(1); // sigo
        else if (stem.endsWith(u'g'))
            stem.back() = u'j';       // cojo, elijo
        else if (stem.endsWith(u'c')) // conozco, conduzco; venzo
            stem = stem.chopped(1) +
                   (stem.size() > 1 && isVowel(stem.at(stem.size() - 2)) ? u"zc"_s : u"z"_s);
    }
    if (first == u'i' && ending.size() > 1 && isVowel(ending.at(1))) {
        if (stem.endsWith(u'i'))
            ending.remove(0, 1); // rio, rieron
        else if (spelling && endsInVowel(stem))
            ending[0] = u'y'; // leyó, huyeron
    } else if (first == u'i' && !stem.isEmpty() && isStrongVowel(stem.back())) {
        ending[0] = u'í'; // leíste, oímos
    } else if (spelling && tense == Tense::Present && verbClass == VerbClass::Ir &&
               endsInVowel(stem) && !stem.endsWith(u'í') && (beforeOA || beforeE)) {
        ending.prepend(u'y'); // construyo, oyes
    }
    return stem + ending;
}

// The stem with its stem vowel changed as `change` says, in the tense's changing persons.
QString changedStem(QString stem, Change change, Tense tense, VerbClass verbClass, int person)
{
    const bool boot = person != 3 && person != 4;
    if (tense == Tense::Present && boot) {
        const QChar vowel = change == Change::OUe ? u'o' : change == Change::Accent ? u'u' : u'e';
        const qsizetype at = stem.lastIndexOf(vowel);
        if (at < 0)
            return stem;
        const QString to = change == Change::EIe   ? u"ie"_s
                           : change == Change::OUe ? u"ue"_s
                           : change == Change::EI  ? u"i"_s
                                                   : u"ú"_s;
        stem.replace(at, 1, to);
        if (stem.endsWith(u'i')) // a stressed i at the end of the stem: río
            stem.back() = u'í';
    } else if (tense == Tense::Preterite && verbClass == VerbClass::Ir &&
               (person == 2 || person == 5)) {
        if (change == Change::OUe) {
            if (const qsizetype at = stem.lastIndexOf(u'o'); at >= 0)
                stem[at] = u'u';
        } else if (change != Change::Accent) {
            if (const qsizetype at = stem.lastIndexOf(u'e'); at >= 0)
                stem[at] = u'i';
        }
    }
    return stem;
}

} // namespace

QStringList conjugate(const QString &infinitive, Tense tense, ConjugationRules rules)
{
    const auto verb = parseVerb(infinitive);
    if (!verb)
        return {};
    const IrregularStem *irregular =
        rules.irregularStems ? rowFor<IrregularStem>(irregularStems, verb->base, tense) : nullptr;
    const StemChange *change =
        rules.stemChanges ? rowFor<StemChange>(stemChanges, verb->base) : nullptr;
    QStringList irregularEndings;
    QString irregularStem;
    if (irregular) {
        const QString end = QString::fromUtf16(irregular->verb);
        irregularStem = verb->base.chopped(end.size()) + QString::fromUtf16(irregular->stem);
        if (irregular->endings)
            irregularEndings = QString::fromUtf16(irregular->endings).split(u'|');
        else
            irregularEndings =
                QString::fromUtf16(regularEndings[int(verb->verbClass)][int(tense)]).split(u'|');
    }
    const QStringList endings =
        QString::fromUtf16(regularEndings[int(verb->verbClass)][int(tense)]).split(u'|');
    QStringList forms;
    for (int person = 0; person < VerbPersonCount; ++person) {
        QString form;
        if (irregular && (irregularEndings.size() == VerbPersonCount || person == 0)) {
            form = irregularStem + irregularEndings.at(person);
        } else {
            const QString stem =
                change ? changedStem(verb->stem, change->change, tense, verb->verbClass, person)
                       : verb->stem;
            form = withoutMonosyllableAccent(
                join(stem, endings.at(person), verb->verbClass, tense, rules.spelling));
        }
        forms << (verb->pronominal ? reflexivePronouns.at(person) + u' ' + form : form);
    }
    return forms;
}

QString conjugate(const QString &infinitive, Tense tense, VerbPerson person)
{
    return conjugate(infinitive, tense).value(int(person));
}

PreteriteStem preteriteStem(const QString &infinitive)
{
    const auto verb = parseVerb(infinitive);
    if (!verb)
        return PreteriteStem::Regular;
    if (rowFor<IrregularStem>(irregularStems, verb->base, Tense::Preterite))
        return PreteriteStem::Irregular;
    const StemChange *change = rowFor<StemChange>(stemChanges, verb->base);
    if (!change || verb->verbClass != VerbClass::Ir || change->change == Change::Accent)
        return PreteriteStem::Regular;
    return change->change == Change::OUe ? PreteriteStem::OToU : PreteriteStem::EToI;
}

std::optional<VerbPerson> personOfHint(const QString &hint)
{
    static const QStringList hints{u"1"_s, u"2"_s, u"3"_s, u"1 1"_s, u"2 2"_s, u"3 3"_s};
    const qsizetype at = hints.indexOf(hint.trimmed());
    return at < 0 ? std::nullopt : std::optional(VerbPerson(at));
}

std::optional<VerbPerson> personOfPreterite(const QString &form, const QString &infinitive)
{
    const QStringList forms = conjugate(infinitive, Tense::Preterite);
    for (int person = 0; person < forms.size(); ++person) {
        if (forms.at(person).compare(form.normalized(QString::NormalizationForm_C),
                                     Qt::CaseInsensitive) == 0)
            return VerbPerson(person);
    }
    return std::nullopt;
}

} // namespace zeb
