#include "scenesentence.h"

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

enum class Asked { Place, Time, Person };

Asked askedFor(const QString &questionWord)
{
    if (questionWord == u"A dónde"_s || questionWord == u"Dónde"_s)
        return Asked::Place;
    if (questionWord == u"A qué hora"_s || questionWord == u"Cuándo"_s)
        return Asked::Time;
    return Asked::Person;
}

// The pieces of one scene, in the names the patterns use.
struct Pieces
{
    QString subject, time, first, second, third, questionWord, object, place, objectPronouns,
        indirect, polite;
};

Pieces piecesOf(int k, const QString &polite)
{
    const SceneRow &row = sceneRows()[k];
    auto text = [](const char16_t *piece) { return QString::fromUtf16(piece); };
    return {text(row.subject),
            text(row.time),
            text(row.firstPerson),
            text(row.secondPerson),
            text(row.thirdPerson),
            text(row.questionWord),
            text(row.object),
            text(row.place),
            text(row.objectPronouns),
            text(row.indirectPronoun),
            polite};
}

// Partial questions II (codes 14, 16, 18): the complement asked for is left out.
void buildWordQuestion(const Pieces &p, const QString &verb, const QString &subject,
                       SceneTexts &out)
{
    const QString who = subject.isEmpty() ? QString() : u' ' + subject;
    switch (askedFor(p.questionWord)) {
    case Asked::Place:
        out.ExpectedText = p.questionWord + u' ' + verb + who + p.object + u' ' + p.time + u'?';
        out.ExpectedTextShort = p.questionWord + u' ' + verb + who + p.object + u'?';
        break;
    case Asked::Time:
        out.ExpectedText =
            p.questionWord + u' ' + p.indirect + verb + who + p.object + p.place + u'?';
        break;
    case Asked::Person:
        out.ExpectedText =
            p.questionWord + u" le "_s + verb + who + p.object + u' ' + p.time + u'?';
        out.ExpectedTextShort = p.questionWord + u" le "_s + verb + who + p.object + u'?';
        break;
    }
}

// Partial answers II (codes 15, 17): only what was asked for stays.
QString wordAnswer(const Pieces &p, const QString &verb)
{
    if (askedFor(p.questionWord) == Asked::Time)
        return p.objectPronouns + verb + u' ' + p.time + u'.';
    return p.objectPronouns + verb + p.place + u'.';
}

} // namespace

bool isPluralScene(int scene)
{
    return scene < 0 || scene >= SceneCount || sceneRows()[scene].plural;
}

SceneTexts BuildSceneSentence(int scene, int taskCode, SceneTexts out)
{
    const bool plural = isPluralScene(scene);
    out.PolitePronoun = plural ? u"ustedes"_s : u"usted"_s;
    if (taskCode < FirstTaskCode || taskCode > LastTaskCode)
        return out;
    out.ExpectedTextShort.clear();
    out.ExpectedTextPronoun.clear();
    if (scene < 0 || scene >= SceneCount)
        return out;

    const Pieces p = piecesOf(scene, out.PolitePronoun);
    const QString rest = p.object + p.place; // what follows the verb
    auto statement = [&](const QString &subject, const QString &verb) {
        out.ExpectedText = p.time + u' ' + subject + p.indirect + verb + rest + u'.';
        out.ExpectedTextShort = subject + p.indirect + verb + rest + u'.';
    };
    auto yesNoQuestion = [&](const QString &verbAndSubject) {
        out.ExpectedText = p.indirect + verbAndSubject + rest + u' ' + p.time + u'?';
        out.ExpectedTextShort = p.indirect + verbAndSubject + rest + u'?';
    };
    auto yesAnswer = [&](const QString &verb) {
        out.ExpectedText = u"Sí, "_s + p.indirect + verb + rest + u'.';
        out.ExpectedTextPronoun = u"Sí, "_s + p.objectPronouns + verb + u'.';
    };
    const QString didSingular = u"Qué hizo "_s, didPlural = u"Qué hicieron "_s;

    switch (taskCode) {
    case 1:
        statement(p.subject + u' ', p.third);
        break;
    case 2:
        statement({}, p.first);
        break;
    case 3:
        statement({}, p.second);
        break;
    case 4:
        out.ExpectedText = (plural ? didPlural : didSingular) + p.subject + u' ' + p.time + u'?';
        break;
    case 5:
        out.ExpectedText = (plural ? u"Qué hicisteis "_s : u"Qué hiciste "_s) + p.time + u'?';
        break;
    case 6:
        out.ExpectedText = p.indirect + p.third + rest + u'.';
        break;
    case 7:
        out.ExpectedText = p.indirect + p.first + rest + u'.';
        break;
    case 8:
        yesNoQuestion(p.third + u' ' + p.subject);
        break;
    case 9:
        yesNoQuestion(p.second);
        break;
    case 10:
        yesAnswer(p.third);
        break;
    case 11:
        yesAnswer(p.first);
        break;
    case 12:
        yesNoQuestion(p.third + u' ' + p.polite);
        break;
    case 13:
        out.ExpectedText = (plural ? didPlural : didSingular) + p.polite + u' ' + p.time + u'?';
        break;
    case 14:
        buildWordQuestion(p, p.third, p.subject, out);
        break;
    case 15:
        out.ExpectedText = wordAnswer(p, p.third);
        break;
    case 16:
        buildWordQuestion(p, p.second, {}, out);
        break;
    case 17:
        out.ExpectedText = wordAnswer(p, p.first);
        break;
    case 18:
        buildWordQuestion(p, p.third, p.polite, out);
        break;
    }
    return out;
}

std::optional<SentenceVerb> taskVerb(int scene, int taskCode)
{
    if (scene < 0 || scene >= SceneCount || taskCode < FirstTaskCode || taskCode > LastTaskCode)
        return std::nullopt;
    // The grammatical person of each code's verb (0, 1, 2: first, second, third).
    static constexpr int persons[] = {2, 0, 1, 2, 1, 2, 0, 2, 1, 2, 0, 2, 2, 2, 2, 1, 0, 2};
    const int grammatical = persons[taskCode - 1];
    const SceneRow &row = sceneRows()[scene];
    const VerbPerson person = VerbPerson(grammatical + (isPluralScene(scene) ? 3 : 0));
    if (taskCode == 4 || taskCode == 5 || taskCode == 13)
        return SentenceVerb{conjugate(u"hacer"_s, Tense::Preterite, person), u"hacer"_s, person};
    const char16_t *forms[] = {row.firstPerson, row.secondPerson, row.thirdPerson};
    return SentenceVerb{QString::fromUtf16(forms[grammatical]), QString::fromUtf16(row.infinitive),
                        person};
}

} // namespace zeb
