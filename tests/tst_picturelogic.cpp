// The picture exercise without its window: the scene tables, the sentence builder, the task codes,
// the judgement of the learner's sentence and the pool of scenes.
#include "common/random.h"
#include "picture/picturecheck.h"
#include "picture/pictureengine.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using zeb::Activity;
using zeb::Person;
using zeb::QuestionType;
using zeb::Verdict;

namespace {

const zeb::SceneTables &tables = zeb::SceneTables::filled();

// "text" or "text / short" or "text / pronoun: p", as the built texts read.
QString built(int scene, int code)
{
    const zeb::SceneTexts t = zeb::BuildSceneSentence(tables, scene, code);
    QString out = t.ExpectedText;
    if (!t.ExpectedTextShort.isEmpty())
        out += u" / short "_s + t.ExpectedTextShort;
    if (!t.ExpectedTextPronoun.isEmpty())
        out += u" / pronoun "_s + t.ExpectedTextPronoun;
    return out;
}

// "jóvenes" -> "jovenes", so that "joven" is found in it.
QString unaccented(const QString &text)
{
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out;
}

} // namespace

class PictureLogicTest : public QObject
{
    Q_OBJECT

private slots:
    // The worked results for scenes 3 and 8, and the other worked examples, to the letter.
    void workedResults_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");
        const QStringList scene3 = {
            u"1|ayer Carmen le escribió una carta a Juan. / short Carmen le escribió una carta a Juan."_s,
            u"2|ayer le escribí una carta a Juan. / short le escribí una carta a Juan."_s,
            u"4|Qué hizo Carmen ayer?"_s,
            u"5|Qué hiciste ayer?"_s,
            u"6|le escribió una carta a Juan."_s,
            u"8|le escribió Carmen una carta a Juan ayer? / short le escribió Carmen una carta a Juan?"_s,
            u"10|Sí, le escribió una carta a Juan. / pronoun Sí, se la escribió."_s,
            u"12|le escribió usted una carta a Juan ayer? / short le escribió usted una carta a Juan?"_s,
            u"13|Qué hizo usted ayer?"_s,
            u"14|A quién le escribió Carmen una carta ayer? / short A quién le escribió Carmen una carta?"_s,
            u"15|se la escribió a Juan."_s,
            u"16|A quién le escribiste una carta ayer? / short A quién le escribiste una carta?"_s,
            u"17|se la escribí a Juan."_s,
            u"18|A quién le escribió usted una carta ayer? / short A quién le escribió usted una carta?"_s,
        };
        const QStringList scene8 = {
            u"1|a las tres Eva y Dolores tendieron la ropa. / short Eva y Dolores tendieron la ropa."_s,
            u"2|a las tres tendimos la ropa. / short tendimos la ropa."_s,
            u"4|Qué hicieron Eva y Dolores a las tres?"_s,
            u"5|Qué hicisteis a las tres?"_s,
            u"6|tendieron la ropa."_s,
            u"8|tendieron Eva y Dolores la ropa a las tres? / short tendieron Eva y Dolores la ropa?"_s,
            u"10|Sí, tendieron la ropa. / pronoun Sí, la tendieron."_s,
            u"12|tendieron ustedes la ropa a las tres? / short tendieron ustedes la ropa?"_s,
            u"13|Qué hicieron ustedes a las tres?"_s,
            u"14|A qué hora tendieron Eva y Dolores la ropa?"_s,
            u"15|la tendieron a las tres."_s,
            u"16|A qué hora tendisteis la ropa?"_s,
            u"17|la tendimos a las tres."_s,
            u"18|A qué hora tendieron ustedes la ropa?"_s,
        };
        const QStringList others = {
            u"0|14|Dónde comió Pedro ayer? / short Dónde comió Pedro?"_s,
            u"0|15|comió en un restaurante."_s,
            u"0|10|Sí, comió en un restaurante. / pronoun Sí, comió."_s,
            u"4|14|Dónde se afeitó Alberto a las nueve? / short Dónde se afeitó Alberto?"_s,
            u"4|17|me afeité en el cuarto de baño."_s,
            u"14|14|A qué hora les sirvieron los camareros vino a los clientes?"_s,
        };
        for (const auto &[scene, rows] : {std::pair{3, scene3}, std::pair{8, scene8}}) {
            for (const QString &row : rows)
                QTest::addRow("scene %d code %s", scene, qPrintable(row.section(u'|', 0, 0)))
                    << scene << row.section(u'|', 0, 0).toInt() << row.section(u'|', 1);
        }
        for (const QString &row : others)
            QTest::addRow("scene %s code %s", qPrintable(row.section(u'|', 0, 0)),
                          qPrintable(row.section(u'|', 1, 1)))
                << row.section(u'|', 0, 0).toInt() << row.section(u'|', 1, 1).toInt()
                << row.section(u'|', 2);
    }
    void workedResults()
    {
        QFETCH(int, scene);
        QFETCH(int, code);
        QFETCH(QString, expected);
        QCOMPARE(built(scene, code), expected);
    }

    // The rows the grid gives verbatim: keys, number and which scenes have an object or a place.
    void sceneGrid()
    {
        const QString grid =
            u"Pedro|comí|comiste|comió|Dónde|||-+;María|compré|compraste|compró|Cuándo||lo |+-;"
            u"los chicos|bebimos|bebisteis|bebieron|Dónde||lo |++;"
            u"Carmen|escribí|escribiste|escribió|A quién|le |se la |++;"
            u"Alberto|me afeité|te afeitaste|se afeitó|Dónde|||-+;"
            u"el médico|regué|regaste|regó|Cuándo||las |+-;"
            u"los niños|corrimos|corristeis|corrieron|A dónde|||-+;"
            u"Teresa|coloqué|colocaste|colocó|A dónde||lo |++;"
            u"Eva y Dolores|tendimos|tendisteis|tendieron|A qué hora||la |+-;"
            u"los jóvenes|cobramos|cobrasteis|cobraron|Cuándo||lo |+-;"
            u"el profesor|corregí|corregiste|corrigió|Cuándo||los |+-;"
            u"Inés|pedí|pediste|pidió|Cuándo||lo |+-;"
            u"los amigos|nos despedimos|os despedisteis|se despidieron|Dónde|||-+;"
            u"el señor Pérez|me vestí|te vestiste|se vistió|Dónde|||-+;"
            u"los camareros|servimos|servisteis|sirvieron|A qué hora|les |se lo |++;"
            u"los niños|mentimos|mentisteis|mintieron|A quién|le |le |-+;"
            u"el camarero|traje|trajiste|trajo|A qué hora||las |+-;"
            u"los novios|fuimos|fuisteis|fueron|A dónde|||-+;"
            u"la madre|puse|pusiste|puso|Cuándo||la |+-;"
            u"el jefe|di|diste|dio|A quién|le |se las |++;"
            u"las chicas|hicimos|hicisteis|hicieron|Cuándo||la |+-;"
            u"Luisa|traduje|tradujiste|tradujo|Cuándo||la |++"_s;
        const QStringList rows = grid.split(u';');
        QCOMPARE(rows.size(), zeb::SceneCount);
        for (int k = 0; k < zeb::SceneCount; ++k) {
            const QString has = (tables.SceneObjects[k].isEmpty() ? u"-"_s : u"+"_s) +
                                (tables.ScenePlaces[k].isEmpty() ? u"-"_s : u"+"_s);
            const QString row =
                QStringList{tables.SceneSubjects[k],          tables.SceneFirstPersonForms[k],
                            tables.SceneSecondPersonForms[k], tables.SceneThirdPersonForms[k],
                            tables.SceneQuestionWords[k],     tables.SceneIndirectPronouns[k],
                            tables.SceneObjectPronouns[k],    has}
                    .join(u'|');
            QCOMPARE(row, rows[k]);
            QCOMPARE(tables.ScenePictureIds[k], k + 2);
        }
        const QString full = u"0 ayer|ayer||| en un restaurante|restaurante;"
                             u"3 ayer|ayer| una carta|carta| a Juan|Juan;"
                             u"8 a las tres|3| la ropa|ropa||"_s;
        for (const QString &row : full.split(u';')) {
            const int k = row.section(u' ', 0, 0).toInt();
            QCOMPARE(QStringList({tables.SceneTimes[k], tables.SceneTimeWords[k],
                                  tables.SceneObjects[k], tables.SceneObjectWords[k],
                                  tables.ScenePlaces[k], tables.ScenePlaceWords[k]})
                         .join(u'|'),
                     row.section(u' ', 1));
        }
        QCOMPARE(tables.SceneTimes[4] + u'|' + tables.ScenePlaces[4],
                 u"a las nueve| en el cuarto de baño"_s);
        QCOMPARE(tables.SceneObjects[14] + u'|' + tables.ScenePlaces[14],
                 u" vino| a los clientes"_s);
    }

    // Every text of every task on every scene reads as careful Spanish built from fitting pieces.
    void contentRules()
    {
        const QStringList hours = {u"una"_s,   u"dos"_s,  u"tres"_s,  u"cuatro"_s,
                                   u"cinco"_s, u"seis"_s, u"siete"_s, u"ocho"_s,
                                   u"nueve"_s, u"diez"_s, u"once"_s,  u"doce"_s};
        const QStringList days = {u"lunes"_s,   u"martes"_s, u"miércoles"_s, u"jueves"_s,
                                  u"viernes"_s, u"sábado"_s, u"domingo"_s};
        // The pronoun that replaces an object, by its article; bare nouns are masculine here.
        const QHash<QString, QString> pronounOf = {{u"un"_s, u"lo"_s},   {u"el"_s, u"lo"_s},
                                                   {u"una"_s, u"la"_s},  {u"la"_s, u"la"_s},
                                                   {u"los"_s, u"los"_s}, {u"las"_s, u"las"_s}};
        for (int k = 0; k < zeb::SceneCount; ++k) {
            const auto &t = tables;
            const QString qw = t.SceneQuestionWords[k], time = t.SceneTimes[k];
            const QString place = t.ScenePlaces[k], object = t.SceneObjects[k];
            const bool clock = time.startsWith(u"a las "_s) || time.startsWith(u"a la "_s);
            QVERIFY2(!time.isEmpty() && !t.SceneTimeWords[k].isEmpty(), qPrintable(time));
            if (clock) { // the key word is the hour in figures
                const QString hour = time.section(u' ', -1);
                QCOMPARE(t.SceneTimeWords[k], QString::number(hours.indexOf(hour) + 1));
            } else {
                QCOMPARE(t.SceneTimeWords[k], time.section(u' ', -1));
            }
            if (qw == u"A qué hora"_s)
                QVERIFY2(clock, qPrintable(time));
            if (qw == u"Cuándo"_s) // a day or a part of the day
                QVERIFY2(!clock &&
                             (days.contains(t.SceneTimeWords[k]) || time.startsWith(u"por la "_s) ||
                              time == u"ayer"_s || time == u"anoche"_s),
                         qPrintable(time));
            if (qw == u"Dónde"_s)
                QVERIFY2(place.startsWith(u" en "_s), qPrintable(place));
            if (qw == u"A dónde"_s) // a destination, or where a thing is put
                QVERIFY2(place.startsWith(u" a "_s) || place.startsWith(u" al "_s) ||
                             (place.startsWith(u" sobre "_s) && !object.isEmpty()),
                         qPrintable(place));
            if (qw == u"A quién"_s || !t.SceneIndirectPronouns[k].isEmpty()) {
                QVERIFY2(place.startsWith(u" a "_s) || place.startsWith(u" al "_s),
                         qPrintable(place));
                const bool several =
                    place.startsWith(u" a los "_s) || place.startsWith(u" a las "_s);
                if (!t.SceneIndirectPronouns[k].isEmpty())
                    QCOMPARE(t.SceneIndirectPronouns[k], several ? u"les "_s : u"le "_s);
            }
            // The object pronoun agrees with the object ("se" stands for the indirect object).
            const QString pronouns = t.SceneObjectPronouns[k];
            if (!object.isEmpty()) {
                const QString article = object.section(u' ', 1, 1);
                const QString expected = pronounOf.value(article, u"lo"_s);
                QCOMPARE(pronouns.trimmed().section(u' ', -1), expected);
                QCOMPARE(pronouns.startsWith(u"se "_s), !t.SceneIndirectPronouns[k].isEmpty());
            } else {
                QVERIFY(pronouns.isEmpty() || pronouns == t.SceneIndirectPronouns[k]);
            }
            // The key words are the nouns of the pieces.
            QVERIFY(object.contains(t.SceneObjectWords[k]) &&
                    object.isEmpty() == t.SceneObjectWords[k].isEmpty());
            QVERIFY(place.contains(t.ScenePlaceWords[k]) &&
                    place.isEmpty() == t.ScenePlaceWords[k].isEmpty());
            QVERIFY(unaccented(t.SceneSubjects[k]).contains(unaccented(t.SceneSubjectWords[k])));
            QVERIFY(object.isEmpty() || object.startsWith(u' '));
            QVERIFY(place.isEmpty() || place.startsWith(u' '));

            const bool plural = zeb::isPluralScene(k);
            QCOMPARE(t.SceneThirdPersonForms[k].endsWith(u"ron"_s), plural);
            for (int code = zeb::FirstTaskCode; code <= zeb::LastTaskCode; ++code) {
                const zeb::SceneTexts texts = zeb::BuildSceneSentence(tables, k, code);
                QCOMPARE(texts.PolitePronoun, plural ? u"ustedes"_s : u"usted"_s);
                for (const QString &text :
                     {texts.ExpectedText, texts.ExpectedTextShort, texts.ExpectedTextPronoun}) {
                    if (text.isEmpty())
                        continue;
                    const QString where = u"scene %1 code %2: %3"_s.arg(k).arg(code).arg(text);
                    QVERIFY2(!text.contains(u"  "_s) && text.trimmed() == text, qPrintable(where));
                    QVERIFY2(text.endsWith(zeb::isQuestionTask(code) ? u'?' : u'.'),
                             qPrintable(where));
                    QVERIFY2(!text.contains(u" ."_s) && !text.contains(u" ?"_s), qPrintable(where));
                }
                // Whatever a question asks for is missing from it.
                if (code == 14 || code == 16 || code == 18) {
                    const QString asked =
                        qw.contains(u"ónde"_s) || qw == u"A quién"_s ? place : time;
                    QVERIFY2(!texts.ExpectedText.contains(asked.trimmed()),
                             qPrintable(texts.ExpectedText));
                    QCOMPARE(texts.ExpectedTextShort.isEmpty(), asked == time);
                }
            }
        }
    }

    // Codes outside 1..18 build nothing; the polite pronoun follows the scene on every call.
    void buildOutsideTheCodes()
    {
        zeb::SceneTexts before{u"text"_s, u"short"_s, u"pronoun"_s, u"usted"_s};
        for (const int code : {0, -1, 19, 32767}) {
            const zeb::SceneTexts after = zeb::BuildSceneSentence(tables, 2, code, before);
            QCOMPARE(after.ExpectedText + after.ExpectedTextShort + after.ExpectedTextPronoun,
                     u"textshortpronoun"_s);
            QCOMPARE(after.PolitePronoun, u"ustedes"_s);
        }
        // No scene drawn: the alternatives are emptied and nothing else is built.
        const zeb::SceneTexts none = zeb::BuildSceneSentence(tables, zeb::NoScene, 10, before);
        QCOMPARE(none.ExpectedText + u'|' + none.ExpectedTextShort + u'|' +
                     none.ExpectedTextPronoun + u'|' + none.PolitePronoun,
                 u"text|||ustedes"_s);
        // A question word question keeps no short form from the build before.
        zeb::SceneTexts texts = zeb::BuildSceneSentence(tables, 3, 14);
        QVERIFY(!texts.ExpectedTextShort.isEmpty());
        QVERIFY(zeb::BuildSceneSentence(tables, 8, 14, texts).ExpectedTextShort.isEmpty());
        texts = zeb::BuildSceneSentence(tables, 3, 10);
        QVERIFY(zeb::BuildSceneSentence(tables, 3, 15, texts).ExpectedTextPronoun.isEmpty());
    }

    // The task table: the first row that fits, and the code that stays when none does.
    void taskCodes()
    {
        const Activity activities[] = {Activity::Statement, Activity::Question, Activity::Answer,
                                       Activity::None};
        const QuestionType types[] = {QuestionType::General, QuestionType::PartialI,
                                      QuestionType::PartialII, QuestionType::None};
        const Person persons[] = {Person::First, Person::Second, Person::Third, Person::Polite,
                                  Person::None};
        // By activity, then type; per person 1/11, 2/22, 3/33, Ud./Uds., none; "q>a" for answers.
        const QString expected = u"2 3 1 - -|2 3 1 - -|2 3 1 - -|2 3 1 - -|"
                                 u"- 9 8 12 -|- 5 4 13 -|- 16 14 18 -|- - - - -|"
                                 u"9>11 - 8>10 - -|5>7 - 4>6 - -|16>17 - 14>15 - -|- - - - -|"
                                 u"- - - - -|- - - - -|- - - - -|- - - - -"_s;
        QStringList got;
        for (const Activity a : activities) {
            for (const QuestionType q : types) {
                QStringList row;
                for (const Person p : persons) {
                    const auto codes = zeb::taskCodesFor(a, q, p);
                    row << (!codes ? u"-"_s
                            : codes->question == 0
                                ? QString::number(codes->task)
                                : u"%1>%2"_s.arg(codes->question).arg(codes->task));
                }
                got << row.join(u' ');
            }
        }
        QCOMPARE(got.join(u'|'), expected);

        zeb::PictureEngine engine;
        engine.load();
        engine.SceneIndex = 3;
        engine.setUpTask(Activity::Statement, QuestionType::None, Person::Polite);
        QCOMPARE(engine.TaskCode, 0); // nothing chosen yet, nothing built
        QVERIFY(engine.texts.ExpectedText.isEmpty());
        engine.setUpTask(Activity::Answer, QuestionType::General, Person::First);
        QCOMPARE(engine.TaskCode, 11);
        QCOMPARE(engine.SavedQuestion, u"le escribiste una carta a Juan ayer?"_s);
        QCOMPARE(engine.texts.ExpectedText, u"Sí, le escribí una carta a Juan."_s);
        engine.setUpTask(Activity::Question, QuestionType::General, Person::First);
        QCOMPARE(engine.TaskCode, 11); // no row holds: the code stays
    }

    // Blanks: runs collapse to one, leading and trailing ones go; other white space stays.
    void tidying()
    {
        QCOMPARE(zeb::tidyAnswer(u"  Ayer   Pedro comió  "_s), u"Ayer Pedro comió"_s);
        QCOMPARE(zeb::tidyAnswer(u"a\t\tb\n  c"_s), u"a\t\tb\n c"_s);
        QCOMPARE(zeb::tidyAnswer(QString(100'000, u' ')), QString());
        QString paste;
        for (int i = 0; i < 20'000; ++i)
            paste += u"ab   "_s;
        QCOMPARE(zeb::tidyAnswer(paste).size(), 20'000 * 3 - 1);
    }

    // The capital step and the accepted forms of each kind of task.
    void judgement_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("answer");
        auto row = [](const char *name, int scene, int code, const QString &typed, Verdict v,
                      const QString &answer = {}) {
            QTest::newRow(name) << scene << code << typed << v << answer;
        };
        const QString pedro = u"Ayer Pedro comió en un restaurante."_s;
        row("blanks tidied, capital fixed", 0, 1, u"  ayer   Pedro comió en un restaurante.  "_s,
            Verdict::CapitalFixed, pedro);
        row("then accepted", 0, 1, pedro, Verdict::Right, pedro);
        row("without the time", 0, 1, u"Pedro comió en un restaurante."_s, Verdict::Right);
        row("no full stop", 0, 1, u"Ayer Pedro comió en un restaurante"_s, Verdict::Wrong);
        row("accent missing", 0, 1, u"Ayer Pedro comio en un restaurante."_s, Verdict::Wrong);
        row("combining accent", 0, 1, u"Ayer Pedro comio\u0301 en un restaurante."_s,
            Verdict::Right);
        row("empty statement", 0, 1, u"   "_s, Verdict::Nothing, u""_s);
        row("question without ¿", 0, 4, u"qué hizo Pedro ayer?"_s, Verdict::Wrong,
            u"qué hizo Pedro ayer?"_s);
        row("question", 0, 4, u"¿Qué hizo Pedro ayer?"_s, Verdict::Right);
        row("partial I has no short form", 0, 4, u"¿Qué hizo Pedro?"_s, Verdict::Wrong);
        row("empty question", 0, 4, u""_s, Verdict::Wrong);
        row("lone ¿", 0, 4, u"¿"_s, Verdict::Wrong);
        row("general question short", 3, 8, u"¿Le escribió Carmen una carta a Juan?"_s,
            Verdict::Right);
        row("general answer full", 3, 10, u"Sí, le escribió una carta a Juan."_s, Verdict::Right);
        row("general answer pronoun", 3, 10, u"Sí, se la escribió."_s, Verdict::Right);
        row("partial answer full only", 3, 15, u"Se la escribió a Juan."_s, Verdict::Right);
        row("partial answer no pronoun form", 3, 15, u"Sí, se la escribió."_s, Verdict::Wrong);
        row("place question short", 0, 14, u"¿Dónde comió Pedro?"_s, Verdict::Right);
        row("time question no short", 8, 14, u"¿A qué hora tendieron Eva y Dolores?"_s,
            Verdict::Wrong);
        row("¡ first is no letter", 0, 1, u"¡ayer!"_s, Verdict::Wrong);
        row("emoji first", 0, 1, u"\U0001F600 ayer"_s, Verdict::Wrong);
    }
    void judgement()
    {
        QFETCH(int, scene);
        QFETCH(int, code);
        QFETCH(QString, typed);
        QFETCH(Verdict, verdict);
        QFETCH(QString, answer);
        const zeb::SceneTexts texts = zeb::BuildSceneSentence(tables, scene, code);
        const zeb::PictureCheck check =
            zeb::checkPictureAnswer(typed, texts, code, zeb::isQuestionTask(code));
        QCOMPARE(check.verdict, verdict);
        if (!answer.isNull())
            QCOMPARE(check.answer, answer);
    }

    // Each pass shows every scene of its range once, then ends; a reset or a model refills it.
    void pool()
    {
        zeb::seedRandom(1702);
        zeb::PictureEngine engine;
        engine.load();
        QCOMPARE(engine.SceneIndex, zeb::NoScene);
        for (const auto exercise : {zeb::PictureExercise::Two, zeb::PictureExercise::Four,
                                    zeb::PictureExercise::Six, zeb::PictureExercise::All}) {
            const zeb::SceneRange range = zeb::sceneRange(exercise);
            for (int pass = 0; pass < 30; ++pass) {
                QSet<int> shown;
                auto picture = engine.PickFirstScene(range);
                while (picture) {
                    QCOMPARE(*picture, engine.SceneIndex + 2);
                    QVERIFY(range.contains(engine.SceneIndex));
                    QVERIFY(!shown.contains(engine.SceneIndex));
                    shown << engine.SceneIndex;
                    QCOMPARE(engine.ScenesShown, shown.size());
                    picture = engine.PickNextScene(range);
                }
                QCOMPARE(shown.size(), range.size());
                engine.reset();
                QCOMPARE(engine.SceneIndex, zeb::NoScene);
            }
        }
        QCOMPARE(zeb::sceneRange(zeb::PictureExercise::Two).size(), 10);
        QCOMPARE(zeb::sceneRange(zeb::PictureExercise::All).size(), 22);

        // A model in the middle of a pass: the next pass is a full fresh one.
        const zeb::SceneRange four = zeb::sceneRange(zeb::PictureExercise::Four);
        engine.PickFirstScene(four);
        engine.PickNextScene(four);
        engine.beginModel(zeb::PictureExercise::Four);
        QCOMPARE(engine.SceneIndex, 10);
        engine.endModel();
        QCOMPARE(engine.ScenesShown, 0);
        int count = 0;
        for (auto picture = engine.PickFirstScene(four); picture;
             picture = engine.PickNextScene(four))
            ++count;
        QCOMPARE(count, 6);

        // Back-to-back passes do not repeat each other.
        QSet<QString> orders;
        for (int pass = 0; pass < 50; ++pass) {
            engine.reset();
            QString order;
            for (auto p = engine.PickFirstScene(four); p; p = engine.PickNextScene(four))
                order += QString::number(engine.SceneIndex) + u' ';
            orders << order;
        }
        QVERIFY(orders.size() > 30);
    }
};

QTEST_MAIN(PictureLogicTest)
#include "tst_picturelogic.moc"
