// The exercise logic without windows: the drill engine with every item of every bank, the
// accent keys, and the picture engine with the learner's choices, the texts the builder makes
// for every task of every scene, the judgement of the learner's sentence and the passes.
#include "common/accentkeys.h"
#include "common/conjugation.h"
#include "common/layout.h"
#include "common/verbhint.h"
#include "drills/drilldescriptions.h"
#include "drills/drillengine.h"
#include "picture/pictureengine.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zeb;

namespace {

const DrillDescription *const drills[] = {&drill1701(), &drill1705(), &drill1707(), &drill1710()};

// The engine with item `item` (1..N) on display: the first draw picks it.
DrillEngine showing(const DrillDescription &drill, int item)
{
    DrillEngine engine(drill.bank(), drill.passLength);
    scriptDraws({(item - 0.5) / engine.ItemCount()});
    engine.start();
    return engine;
}

// The answer as the window takes it: the capital rule first, then the verdict.
DrillVerdict answer(DrillEngine &engine, const QString &text)
{
    const auto capital = engine.capitalize(text);
    return capital ? engine.check(capital->text) : DrillVerdict::Wrong;
}

const Activity activities[] = {Activity::Statement, Activity::Question, Activity::Answer};
const QuestionType types[] = {QuestionType::General, QuestionType::PartialI,
                              QuestionType::PartialII};
const Person persons[] = {Person::First, Person::Second, Person::Third, Person::Polite};

QString text(const char16_t *piece)
{
    return QString::fromUtf16(piece);
}

// The engine of exercise 2 + 4 + 6 with the learner's choice made and scene `scene` drawn.
PictureEngine taskOn(int scene, Activity a, QuestionType t, Person p)
{
    PictureEngine engine;
    engine.setExercise(Exercise::Picture246);
    engine.chooseActivity(a);
    engine.chooseType(t);
    engine.choosePerson(p);
    scriptDraws({(scene + 0.5) / SceneCount});
    engine.startTask();
    return engine;
}

// Every choice that the options allow, as (activity, type, person).
template <typename F> void forEachChoice(F f)
{
    for (const Activity a : activities) {
        for (const QuestionType t : types) {
            for (const Person p : persons) {
                PictureEngine engine;
                engine.chooseActivity(a);
                if (engine.isPersonEnabled(p) && (engine.typesEnabled() || t == types[0]))
                    f(a, engine.typesEnabled() ? t : QuestionType::None, p);
            }
        }
    }
}

} // namespace

class LogicTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { seedRandom(17); }

    // Every item of every bank, as the learner would type its form.
    void everyItemAcceptsItsOwnFormOnly()
    {
        const QStringList hints = {u""_s, u"1"_s, u"2"_s, u"1 1"_s, u"2 2"_s, u"3 3"_s};
        for (const DrillDescription *d : drills) {
            QVERIFY(d->passLength >= 1 && d->passLength <= int(d->bank().size()));
            for (int item = 1; item <= int(d->bank().size()); ++item) {
                DrillEngine engine = showing(*d, item);
                const DrillItem shown = *engine.item();
                const QString form = engine.expectedForm();
                const QString where = u"item %1: %2 ... %3"_s.arg(item).arg(shown.start, shown.end);
                QVERIFY2(!shown.infinitive.isEmpty() && hints.contains(shown.personHint) &&
                             QString(u".?!"_s).contains(shown.end.back()),
                         qPrintable(where));
                QCOMPARE(shown.start.contains(u'¿'), shown.end.contains(u'?'));
                // A sentence that opens with the gap opens with a capital letter.
                const bool gapFirst = opensWithGap(shown.start);
                QCOMPARE(form.front().isUpper(), gapFirst);
                const QString lower = form.front().toLower() + form.mid(1);
                QCOMPARE(engine.capitalize(lower)->wasLowerCase, gapFirst);

                for (const QString &wrong : {form + u'x', form.chopped(1), lower.toUpper()}) {
                    DrillEngine judged = engine;
                    QVERIFY2(answer(judged, wrong) == DrillVerdict::Wrong, qPrintable(where));
                    QCOMPARE(judged.AnsweredCount(), 0);
                }
                for (const QString &right :
                     {form, u"  "_s + form + u' ', form.normalized(QString::NormalizationForm_D)}) {
                    DrillEngine judged = engine;
                    QVERIFY2(answer(judged, right) != DrillVerdict::Wrong &&
                                 !judged.isAvailable(item),
                             qPrintable(where + right));
                }
                DrillEngine judged = engine; // elsewhere the case counts
                QCOMPARE(answer(judged, form.front().toUpper() + form.mid(1)) ==
                             DrillVerdict::Wrong,
                         !gapFirst);
            }
        }
    }

    // A pass draws each item at most once, ends after its length and starts afresh.
    void passRunsToItsLength()
    {
        for (const DrillDescription *drill : drills) {
            DrillEngine engine(drill->bank(), drill->passLength);
            QVERIFY(!engine.item() && !engine.passEnded());
            for (int pass = 0; pass < 2; ++pass) {
                engine.start();
                QVERIFY(!engine.passEnded());
                QSet<QString> seen;
                DrillVerdict verdict = DrillVerdict::Right;
                for (int answered = 0; verdict == DrillVerdict::Right; ++answered) {
                    QCOMPARE(engine.progress(), std::pair(answered + 1, engine.PassLength()));
                    const DrillItem item = *engine.item();
                    QVERIFY(!seen.contains(item.start + item.end));
                    seen << item.start + item.end;
                    const QString form = engine.expectedForm();
                    verdict = engine.check(form);
                    // The running text gets the completed sentence and one blank; blanks only
                    // between words, none after "¿" or "¡" or before a closing mark.
                    const QString sentence = engine.completedSentence();
                    QCOMPARE(QString(sentence).remove(u' '),
                             QString(item.start + form + item.end).remove(u' '));
                    QVERIFY2(sentence.endsWith(u' ') && sentence.trimmed() + u' ' == sentence &&
                                 !QRegularExpression(u"  |[¿¡] | [.,;:?!…]"_s)
                                      .match(sentence)
                                      .hasMatch(),
                             qPrintable(sentence));
                }
                QCOMPARE(verdict, DrillVerdict::PassEnded);
                QCOMPARE(seen.size(), engine.PassLength());
                QVERIFY(engine.passEnded() && engine.AnsweredCount() == 0 && !engine.progress());
                for (int item = 1; item <= engine.ItemCount(); ++item)
                    QVERIFY(engine.isAvailable(item));
                // After the end nothing more is taken until the next start.
                QCOMPARE(engine.check(engine.expectedForm()), DrillVerdict::Wrong);
            }
        }
    }

    // The capital rule: "-" when there is no letter to judge, "^" when a letter was made upper
    // case.
    void capitalRule()
    {
        for (const auto &[typed, result] : {std::pair{u"  él dijo  "_s, u"^Él dijo"_s},
                                            {u"Ñandú"_s, u"Ñandú"_s},
                                            {u"\tx"_s, u"\tx"_s},
                                            {u"1a"_s, u"1a"_s},
                                            {u"𐐨x"_s, u"^𐐀x"_s},
                                            {u""_s, u"-"_s},
                                            {u"   "_s, u"-"_s}}) {
            const auto capital = capitalizeFirstLetter(typed);
            QCOMPARE(!capital ? u"-"_s : (capital->wasLowerCase ? u"^"_s : u""_s) + capital->text,
                     result);
        }
        QVERIFY(opensWithGap(u" ¿ "_s) && opensWithGap({}) && !opensWithGap(u"Yo"_s));
        QCOMPARE(trimBlanks(u"  a b \t "_s), u"a b \t"_s);
        // A window shrinks as a whole, by the tighter of width and height, and never grows.
        QVERIFY(fitScale({600, 400}, {800, 600}) == 1 && fitScale({1000, 100}, {500, 600}) == 0.5 &&
                fitScale({10, 800}, {800, 200}) == 0.25);
        // A replaced source that breaks its range still draws an index in range.
        scriptDraws({1.0, -0.5});
        QVERIFY(drawIndex(5) == 4 && drawIndex(5) == 0);
    }

    // Every character a keyboard types: the table's keys translate, all others stay.
    void accentKeys()
    {
        const QString help = accentKeyHelp();
        for (char16_t c = 0; c < 0x250; ++c) {
            const QChar typed(c);
            QChar inDrill = typed, inPicture = typed;
            for (const AccentKey &key : AccentKeyTable) {
                if (key.typed == c) {
                    inPicture = QChar(key.inserted);
                    inDrill = key.inDrills ? inPicture : typed;
                    QVERIFY(help.contains(QString(inPicture) + u" = "_s + typed));
                }
            }
            QCOMPARE(translateAccentKey(typed, AccentKeySet::PictureExercise), inPicture);
            QCOMPARE(translateAccentKey(typed, AccentKeySet::VerbDrill), inDrill);
        }
        QCOMPARE(help.count(u"\r\n"_s), qsizetype(AccentKeyTable.size()));
    }

    // Worked examples as the learner chooses them: model | pronoun answer | question put ("*": any)
    void learnerChoices_data()
    {
        QTest::addColumn<QString>("row");
        // clang-format off
        const char16_t *rows[] = {
        u"3 S - 3|Ayer Carmen le escribió una carta a Juan.||",
        u"3 S - 1|Ayer le escribí una carta a Juan.||",
        u"3 Q G 3|¿Le escribió Carmen una carta a Juan ayer?||",
        u"3 Q G U|¿Le escribió usted una carta a Juan ayer?||",
        u"3 Q 1 3|¿Qué hizo Carmen ayer?||",
        u"3 Q 2 3|¿A quién le escribió Carmen una carta ayer?||",
        u"3 Q 2 U|¿A quién le escribió usted una carta ayer?||",
        u"3 A G 3|Sí, le escribió una carta a Juan.|Sí, se la escribió.|¿Le escribió Carmen una carta a Juan ayer?",
        u"3 A 1 3|Le escribió una carta a Juan.||¿Qué hizo Carmen ayer?",
        u"3 A 2 3|Se la escribió a Juan.||¿A quién le escribió Carmen una carta ayer?",
        u"3 A 2 1|Se la escribí a Juan.||¿A quién le escribiste una carta ayer?",
        u"8 Q 1 U|¿Qué hicieron ustedes a las tres?||",
        u"8 A G 3|Sí, tendieron la ropa.|Sí, la tendieron.|¿Tendieron Eva y Dolores la ropa a las tres?",
        };
        // clang-format on
        for (const char16_t *row : rows)
            QTest::newRow(qPrintable(text(row).section(u'|', 0, 0))) << text(row);
    }
    void learnerChoices()
    {
        QFETCH(QString, row);
        const QStringList key = row.section(u'|', 0, 0).split(u' ');
        const auto pick = [](const QString &code, const QString &codes, auto values) {
            return values[codes.indexOf(code)];
        };
        const PictureEngine engine =
            taskOn(key[0].toInt(), pick(key[1], u"SQA"_s, activities),
                   pick(key[2], u"G12-"_s, std::array{types[0], types[1], types[2], types[0]}),
                   pick(key[3], u"123U"_s, persons));
        const ShownForms shown = engine.solution();
        const QString question = row.section(u'|', 3);
        QCOMPARE(shown.Text1 + u'|' + shown.Text4 + u'|' +
                     (question == u"*"_s ? question : engine.question()),
                 row.section(u'|', 1));
        QVERIFY(engine.taskOpen());
    }

    // Every task of every scene: the texts follow the rules of Spanish and of the scene's row,
    // and each accepted form is accepted, the others are not.
    void everyTaskOfEveryScene()
    {
        const QHash<QString, QString> pronounOf = {{u"un"_s, u"lo"_s},   {u"el"_s, u"lo"_s},
                                                   {u"una"_s, u"la"_s},  {u"la"_s, u"la"_s},
                                                   {u"los"_s, u"los"_s}, {u"las"_s, u"las"_s}};
        for (int k = 0; k < SceneCount; ++k) {
            const SceneRow &row = sceneRows()[k];
            const QString qw = text(row.questionWord), time = text(row.time),
                          place = text(row.place), object = text(row.object);
            QVERIFY(qw != u"A qué hora"_s || time.startsWith(u"a la"_s));
            QVERIFY(qw != u"Dónde"_s || place.startsWith(u" en "_s));
            if (qw == u"A quién"_s || row.indirectPronoun[0])
                QVERIFY(place.startsWith(u" a "_s) || place.startsWith(u" al "_s));
            const bool several = place.startsWith(u" a los"_s) || place.startsWith(u" a las"_s);
            QVERIFY(!row.indirectPronoun[0] ||
                    text(row.indirectPronoun) == (several ? u"les "_s : u"le "_s));
            // The object pronoun agrees with the object; "se" stands for an indirect object.
            const QString pronouns = text(row.objectPronouns);
            if (!object.isEmpty()) {
                QCOMPARE(pronouns.trimmed().section(u' ', -1),
                         pronounOf.value(object.section(u' ', 1, 1), u"lo"_s));
                QCOMPARE(pronouns.startsWith(u"se "_s), row.indirectPronoun[0] != 0);
            }
            QVERIFY(object.contains(text(row.objectWord)) && place.contains(text(row.placeWord)));
            QCOMPARE(text(row.thirdPerson).endsWith(u"ron"_s), isPluralScene(k));

            forEachChoice([&](Activity a, QuestionType t, Person p) {
                PictureEngine engine = taskOn(k, a, t, p);
                const SceneTexts texts = engine.texts();
                const QString where = u"scene %1: %2"_s.arg(k).arg(texts.ExpectedText);
                QCOMPARE(texts.PolitePronoun, isPluralScene(k) ? u"ustedes"_s : u"usted"_s);
                const ShownForms shown = engine.solution();
                // The short form is the model without its time, where a time can be left out.
                const bool asksTime =
                    t == QuestionType::PartialI ||
                    (t == QuestionType::PartialII && (qw == u"Cuándo"_s || qw.endsWith(u"hora"_s)));
                QCOMPARE(shown.Text5.isEmpty(),
                         a == Activity::Answer || (a == Activity::Question && asksTime));
                QVERIFY(shown.Text5.isEmpty() ||
                        shown.Text5.toLower() == shown.Text1.toLower()
                                                     .remove(time)
                                                     .simplified()
                                                     .replace(u" ?"_s, u"?"_s)
                                                     .replace(u"¿ "_s, u"¿"_s));
                for (const QString &form : {shown.Text1, shown.Text5, shown.Text4}) {
                    if (form.isEmpty())
                        continue;
                    QVERIFY2(!form.contains(u"  "_s) && form.trimmed() == form &&
                                 form.front().isUpper() != (a == Activity::Question),
                             qPrintable(where));
                    QVERIFY2(form.endsWith(a == Activity::Question ? u'?' : u'.') &&
                                 !form.contains(u" ."_s) && !form.contains(u" ?"_s),
                             qPrintable(where));
                    PictureEngine judged = engine;
                    QVERIFY2(judged.check(u" "_s + form + u"  "_s).verdict == Verdict::Right &&
                                 judged.scene() != k,
                             qPrintable(where + form));
                    judged = engine;
                    QVERIFY2(judged.check(form.chopped(1)).verdict == Verdict::Wrong &&
                                 judged.scene() == k,
                             qPrintable(where + form));
                    // "Adónde" is a spelling of "A dónde"; nothing else of the comparison changes.
                    QCOMPARE(PictureEngine(engine)
                                 .check(QString(form).replace(u"¿A dónde"_s, u"¿Adónde"_s))
                                 .verdict,
                             Verdict::Right);
                    QCOMPARE(PictureEngine(engine)
                                     .check(QString(form).replace(u"¿A dónde"_s, u"¿Adonde"_s))
                                     .verdict == Verdict::Wrong,
                             form.startsWith(u"¿A dónde"_s));
                }
                // Whatever a partial question II asks for is missing from it.
                if (a == Activity::Question && t == QuestionType::PartialII) {
                    const QString asked =
                        qw.contains(u"ónde"_s) || qw == u"A quién"_s ? place : time;
                    QVERIFY2(!texts.ExpectedText.contains(asked.trimmed()), qPrintable(where));
                    QCOMPARE(engine.questionWordPrompt(), u"¿"_s + qw + u'?');
                }
                QCOMPARE(engine.question().isEmpty(), a != Activity::Answer);
                // A click on the picture lists the key words; only the third person's the subject.
                QCOMPARE(engine.keyWords().size(), p == Person::Third ? 5 : 4);
                QCOMPARE(engine.keyWords().contains(text(row.subjectWord)), p == Person::Third);
                // Statements and answers get a lower-case first letter fixed before they are
                // judged; questions are judged as typed, "¿" and all.
                QString lower = shown.Text1;
                lower[a == Activity::Question] = lower[a == Activity::Question].toLower();
                const PictureCheck capital = engine.check(u"  "_s + lower);
                QCOMPARE(capital.verdict,
                         a == Activity::Question ? Verdict::Wrong : Verdict::CapitalFixed);
                QCOMPARE(capital.answer == shown.Text1, a != Activity::Question);
                QCOMPARE(engine.check(u" "_s).verdict,
                         a == Activity::Question ? Verdict::Wrong : Verdict::Nothing);
            });
        }
    }

    // The options: what an activity brings with it, and choices that change nothing.
    void choices()
    {
        PictureEngine engine;
        QCOMPARE(engine.choice().activity, Activity::Statement);
        QVERIFY(!engine.typesEnabled() && !engine.chooseType(QuestionType::General));
        QVERIFY(!engine.isPersonEnabled(Person::Polite) && !engine.choosePerson(Person::Polite) &&
                !engine.choosePerson(Person::None));
        QVERIFY(engine.chooseActivity(Activity::Question));
        QCOMPARE(engine.choice().type, QuestionType::General);
        QCOMPARE(engine.choice().person, Person::Second);
        QVERIFY(!engine.isPersonEnabled(Person::First) && engine.isPersonEnabled(Person::Polite));
        QVERIFY(engine.chooseType(QuestionType::PartialII) && engine.choosePerson(Person::Polite));
        QVERIFY(engine.startTask());
        QVERIFY(!engine.chooseActivity(Activity::Question) &&
                !engine.chooseType(QuestionType::PartialII) &&
                !engine.choosePerson(Person::Polite));
        QVERIFY(
            engine.taskOpen()); // choosing what is chosen keeps the task; a change starts afresh
        QVERIFY(engine.chooseType(QuestionType::General) && !engine.taskOpen() &&
                engine.startTask());
        QVERIFY(engine.choosePerson(Person::Second) && !engine.taskOpen() && engine.startTask());
        QVERIFY(engine.chooseType(QuestionType::PartialII) && engine.choosePerson(Person::Polite) &&
                engine.startTask());
        // Statements keep a partial question II chosen, and put the third person for the polite.
        QVERIFY(engine.chooseActivity(Activity::Statement));
        QCOMPARE(engine.choice().type, QuestionType::PartialII);
        QCOMPARE(engine.choice().person, Person::Third);
        QVERIFY(!engine.taskOpen() && engine.scene() == NoScene);
        QVERIFY(engine.chooseActivity(Activity::Answer));
        QCOMPARE(engine.choice().person, Person::First);
        QVERIFY(!engine.isPersonEnabled(Person::Second));
        engine.chooseActivity(Activity::Question);
        engine.chooseType(QuestionType::PartialI);
        QVERIFY(engine.chooseActivity(Activity::Statement));
        QCOMPARE(engine.choice().type, QuestionType::None);
        QCOMPARE(engine.choice().person, Person::Second);

        // Every allowed choice sets a task; each task code belongs to one kind of choice, and an
        // answer task puts the question of the same type in the matching person.
        QSet<int> codes;
        forEachChoice([&](Activity a, QuestionType t, Person p) {
            const auto task = taskCodesFor(a, t, p);
            QVERIFY(task);
            codes << task->task;
            QCOMPARE(isQuestionTask(task->task), a == Activity::Question);
            QCOMPARE(task->question != 0, a == Activity::Answer);
            if (a == Activity::Answer)
                QCOMPARE(task->question, taskCodesFor(Activity::Question, t,
                                                      p == Person::First ? Person::Second : p)
                                             ->task);
        });
        QCOMPARE(codes.size(), LastTaskCode);
        QVERIFY(!taskCodesFor(Activity::None, QuestionType::General, Person::Third));
        QCOMPARE(tidyAnswer(u"  a   b\t\tc  "_s), u"a b\t\tc"_s);
        QCOMPARE(PictureEngine().check(u"x"_s).verdict, Verdict::Nothing); // no task: no verdict
    }

    // A pass shows each scene of its exercise once, then ends; the model leaves a fresh pass.
    void passes()
    {
        for (const Exercise exercise :
             {Exercise::Picture2, Exercise::Picture4, Exercise::Picture6, Exercise::Picture246}) {
            PictureEngine engine;
            engine.setExercise(exercise);
            const SceneRange range = engine.range();
            // Exercises 2, 4 and 6 share the scenes out in order; all three together have them all.
            int next = 0;
            for (const Exercise e : {Exercise::Picture2, Exercise::Picture4, Exercise::Picture6})
                next = sceneRange(e).first == next ? sceneRange(e).last + 1 : -1;
            QVERIFY(next == SceneCount && sceneRange(Exercise::Picture246).size() == next);
            for (int pass = 0; pass < 3; ++pass) {
                QVERIFY(engine.startTask());
                QSet<int> shown;
                Verdict verdict = Verdict::Right;
                while (verdict == Verdict::Right) {
                    QVERIFY(range.contains(engine.scene()) && !shown.contains(engine.scene()));
                    shown << engine.scene();
                    QCOMPARE(engine.progress(), std::pair(int(shown.size()), range.size()));
                    QCOMPARE(engine.check(u"X."_s).verdict, Verdict::Wrong);
                    verdict = engine.check(engine.solution().Text1).verdict;
                }
                QCOMPARE(verdict, Verdict::PassEnded);
                QCOMPARE(shown.size(), range.size());
                QVERIFY(!engine.taskOpen() && engine.scene() == NoScene &&
                        engine.isAvailable(range.first));
            }

            engine.startTask();
            engine.check(engine.solution().Text1);
            engine.showModel();
            QCOMPARE(engine.scene(), range.first);
            QVERIFY(!engine.taskOpen() && !engine.solution().Text1.isEmpty() && !engine.progress());
            for (int k = range.first; k <= range.last; ++k)
                QVERIFY(engine.isAvailable(k));
            QVERIFY(engine.startTask());
            QCOMPARE(engine.scenesShown(), 1);
        }
    }

    // Every key of the banks and the scenes is rebuilt by the conjugation: they check each other.
    void conjugationRebuildsEveryKey()
    {
        qsizetype items = 0, rebuilt = 0;
        for (const DrillDescription *d : drills) {
            for (const DrillRow &row : d->bank()) {
                const auto person = personOfPreterite(text(row.verbForm), text(row.infinitive));
                const auto hinted = personOfHint(text(row.personHint));
                ++items;
                rebuilt += person && (!hinted || hinted == person);
                QVERIFY2(person, qPrintable(text(row.verbForm)));
            }
        }
        QCOMPARE(rebuilt, items);
        for (const SceneRow &row : sceneRows()) {
            const QStringList forms = conjugate(text(row.infinitive), Tense::Preterite);
            QCOMPARE(forms.mid(row.plural ? 3 : 0, 3),
                     QStringList(
                         {text(row.firstPerson), text(row.secondPerson), text(row.thirdPerson)}));
        }
    }

    void conjugationRules_data()
    {
        QTest::addColumn<QString>("infinitive");
        QTest::addColumn<Tense>("tense");
        QTest::addColumn<VerbPerson>("person");
        QTest::addColumn<QString>("form");
        using T = Tense;
        using P = VerbPerson;
        const auto row = [](const char *rule, const char16_t *inf, T t, P p, const char16_t *f) {
            QTest::addRow("%s", rule) << text(inf) << t << p << text(f);
        };
        row("c before e", u"sacar", T::Preterite, P::Yo, u"saqué");
        row("gu before e", u"averiguar", T::Preterite, P::Yo, u"averigüé");
        row("i between vowels", u"creer", T::Preterite, P::Ellos, u"creyeron");
        row("compound strong stem", u"mantener", T::Preterite, P::Yo, u"mantuve");
        row("one syllable, no accent", u"ver", T::Preterite, P::El, u"vio");
        row("stressed i of reír", u"sonreír", T::Present, P::Yo, u"sonrío");
        row("zc before o", u"conocer", T::Present, P::Yo, u"conozco");
        row("silent u before o", u"seguir", T::Present, P::Yo, u"sigo");
        row("o to ue", u"contar", T::Present, P::Ellos, u"cuentan");
        row("e to i, pronominal", u"vestirse", T::Present, P::Tu, u"te vistes");
        row("stressed u", u"reunirse", T::Present, P::El, u"se reúne");
        row("y before a vowel", u"huir", T::Present, P::El, u"huye");
        row("ser", u"ser", T::Imperfect, P::Nosotros, u"éramos");
    }
    void conjugationRules()
    {
        QFETCH(QString, infinitive);
        QFETCH(Tense, tense);
        QFETCH(VerbPerson, person);
        QTEST(conjugate(infinitive, tense, person), "form");
    }

    // Each mistake gets its hint; what is no mistake of grammar gets none.
    void verbHints_data()
    {
        QTest::addColumn<QString>("infinitive");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<VerbPerson>("person");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<HintKind>("kind");
        using K = HintKind;
        const auto row = [](const char *name, const char16_t *inf, const char16_t *form,
                            VerbPerson p, const char16_t *typed, K kind) {
            QTest::addRow("%s", name) << text(inf) << text(form) << p << text(typed) << kind;
        };
        using P = VerbPerson;
        row("no accent, capital", u"cantar", u"cantó", P::El, u"Canto", K::Accents);
        row("accent on the wrong vowel", u"vender", u"vendió", P::El, u"véndio", K::Accents);
        row("c before e", u"sacar", u"saqué", P::Yo, u"sacé", K::SpellingCQu);
        row("g before e", u"pegar", u"pegué", P::Yo, u"pegé", K::SpellingGGu);
        row("z before e", u"cruzar", u"crucé", P::Yo, u"cruzé", K::SpellingZC);
        row("gu before e", u"averiguar", u"averigüé", P::Yo, u"averigué", K::SpellingGuGue);
        row("i between vowels", u"creer", u"creyeron", P::Ellos, u"creieron", K::SpellingIY);
        row("no pronoun", u"sentarse", u"me senté", P::Yo, u"senté", K::MissingPronoun);
        row("pronoun of tú", u"sentarse", u"me senté", P::Yo, u"te senté", K::WrongPronoun);
        row("pronoun too many", u"cantar", u"cantó", P::El, u"se cantó", K::WrongPronoun);
        row("infinitive", u"sentarse", u"me senté", P::Yo, u"sentarse", K::Infinitive);
        row("present", u"pensar", u"pensé", P::Yo, u"pienso", K::Present);
        row("imperfect", u"vivir", u"vivimos", P::Nosotros, u"vivíamos", K::Imperfect);
        row("another person", u"vivir", u"vivió", P::El, u"viviste", K::OtherPerson);
        row("a present that is a preterite", u"cantar", u"canté", P::Yo, u"cantamos",
            K::OtherPerson);
        row("irregular", u"mantener", u"mantuvo", P::El, u"mantenió", K::Irregular);
        row("e to i", u"competir", u"compitió", P::El, u"competió", K::StemEToI);
        row("o to u", u"dormirse", u"se durmió", P::El, u"se dormió", K::StemOToU);
        row("another verb", u"cantar", u"cantó", P::El, u"bailó", K::None);
        row("random text", u"cantar", u"cantó", P::El, u"xq 3", K::None);
        row("the right form", u"cantar", u"cantó", P::El, u" cantó ", K::None);
        row("capitals only", u"cantar", u"cantó", P::El, u"CANTÓ", K::None);
        row("empty", u"cantar", u"cantó", P::El, u"", K::None);
    }
    void verbHints()
    {
        QFETCH(QString, infinitive);
        QFETCH(QString, expected);
        QFETCH(VerbPerson, person);
        QFETCH(QString, typed);
        QFETCH(HintKind, kind);
        for (const bool shown : {false, true}) {
            const Hint hint = verbFormHint(typed, expected, infinitive, person, shown);
            QCOMPARE(hint.kind, kind);
            QCOMPARE(hint.person.has_value(), shown && kind == HintKind::OtherPerson);
            QCOMPARE(hintText(hint).isEmpty(), kind == HintKind::None);
        }
    }

    // Near misses of every scene's statement and question get the hint of their one mistake.
    void sentenceHints()
    {
        using K = HintKind;
        for (int k = 0; k < SceneCount; ++k) {
            const SceneRow &row = sceneRows()[k];
            PictureEngine said = taskOn(k, Activity::Statement, QuestionType::None, Person::Third);
            const QString right = said.solution().Text1, verb = text(row.thirdPerson);
            QStringList words = right.split(u' ');
            words.swapItemsAt(1, 2);
            QString plain = right.normalized(QString::NormalizationForm_D).remove(QChar(0x0301));
            plain = plain.normalized(QString::NormalizationForm_C);
            const QList<std::pair<QString, K>> typed = {
                {right, K::None},
                {u"Xq 3."_s, K::None},
                {words.join(u' '), K::WordOrder},
                {right.chopped(1) + u'?', K::QuestionMarks},
                {QString(right).replace(verb, text(row.firstPerson)), K::OtherPerson},
                {QString(right).replace(verb, text(row.infinitive)), K::Infinitive},
                {QString(right).replace(
                     verb, conjugate(text(row.infinitive), Tense::Present,
                                     isPluralScene(k) ? VerbPerson::Ellos : VerbPerson::El)),
                 K::Present},
                {plain, plain == right ? K::None : K::Accents}};
            for (const auto &[answer, kind] : typed)
                QVERIFY2(PictureEngine(said).check(answer).hint.kind == kind, qPrintable(answer));
            PictureEngine asked =
                taskOn(k, Activity::Question, QuestionType::General, Person::Third);
            QCOMPARE(asked.check(asked.solution().Text1.mid(1)).hint.kind, K::QuestionMarks);
        }
    }

    // Outside the codes nothing is built; without a scene the alternatives are emptied.
    void buildOutsideTheCodes()
    {
        QVERIFY(PictureEngine().keyWords().isEmpty());
        const SceneTexts before{u"text"_s, u"short"_s, u"pronoun"_s, u"usted"_s};
        for (const int code : {0, -1, 19})
            QCOMPARE(BuildSceneSentence(2, code, before).ExpectedTextShort,
                     before.ExpectedTextShort);
        const SceneTexts none = BuildSceneSentence(NoScene, 10, before);
        QVERIFY(none.ExpectedText == before.ExpectedText && none.ExpectedTextShort.isEmpty() &&
                none.ExpectedTextPronoun.isEmpty());
    }
};

QTEST_GUILESS_MAIN(LogicTest)
#include "tst_logic.moc"
