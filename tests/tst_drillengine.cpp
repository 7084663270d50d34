// The drill engine without a window: the draw, the pass, the capital rule and the judgement.
#include "common/random.h"
#include "drills/drillengine.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using zeb::DrillEngine;

namespace {

// Gives the numbers it was handed, over and over.
class ScriptedSource : public zeb::RandomSource
{
public:
    explicit ScriptedSource(QList<double> values) : m_values(std::move(values)) {}
    double uniform() override { return m_values.at(m_next++ % m_values.size()); }

private:
    QList<double> m_values;
    qsizetype m_next = 0;
};

DrillEngine loadedEngine(zeb::DrillBank bank, int passLength)
{
    DrillEngine engine(bank, passLength);
    engine.loadBank();
    return engine;
}

} // namespace

class DrillEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { zeb::seedRandom(1705); }

    void aPassShowsEveryItemOnce();
    void theLongDrillEndsItsPassAfter34();
    void refillingTheInfinitivesLeavesTheRestAlone();
    void drawsFollowTheirSource();
    void drawsInQuickSuccessionDiffer();
    void judgement_data();
    void judgement();
    void capitalRule_data();
    void capitalRule();
    void gapFirstSentences_data();
    void gapFirstSentences();
    void runningTextSentence();
};

void DrillEngineTest::aPassShowsEveryItemOnce()
{
    DrillEngine engine = loadedEngine(zeb::bank1701(), 34);
    QSet<int> shown;
    bool ended = false;
    while (!ended) {
        QVERIFY(engine.DrawNextItem());
        const int k = engine.CurrentItem;
        QVERIFY(k >= 1 && k <= 34);
        QVERIFY2(!shown.contains(k), "an item came twice in one pass");
        shown.insert(k);
        ended = engine.recordCorrectAnswer();
    }
    QCOMPARE(shown.size(), 34);
    QCOMPARE(engine.AnsweredCount, 34);
    QVERIFY(!engine.DrawNextItem());
}

void DrillEngineTest::theLongDrillEndsItsPassAfter34()
{
    DrillEngine engine = loadedEngine(zeb::bank1710(), 34);
    for (int answered = 1; answered <= 34; ++answered) {
        QVERIFY(engine.DrawNextItem());
        QCOMPARE(engine.recordCorrectAnswer(), answered == 34);
    }
    int left = 0;
    for (int k = 1; k <= 37; ++k)
        left += engine.isAvailable(k);
    QCOMPARE(left, 3);
    engine.endPass();
    QCOMPARE(engine.AnsweredCount, 0);
    for (int k = 1; k <= 37; ++k)
        QVERIFY(engine.isAvailable(k));
}

void DrillEngineTest::refillingTheInfinitivesLeavesTheRestAlone()
{
    DrillEngine engine = loadedEngine(zeb::bank1705(), 25);
    const DrillEngine fresh = loadedEngine(zeb::bank1705(), 25);
    for (int i = 0; i < 10; ++i) {
        engine.DrawNextItem();
        engine.recordCorrectAnswer();
    }
    engine.FillInfinitives();
    QCOMPARE(engine.Infinitives, fresh.Infinitives);
    QCOMPARE(engine.SentenceStarts, fresh.SentenceStarts);
    QCOMPARE(engine.VerbForms, fresh.VerbForms);
    QCOMPARE(engine.SentenceEnds, fresh.SentenceEnds);
    QCOMPARE(engine.PersonHints, fresh.PersonHints);
    QCOMPARE(engine.Infinitives.at(3), u"preferir"_s);
    QCOMPARE(engine.Infinitives.size(), 26); // index 0 is no item
}

void DrillEngineTest::drawsFollowTheirSource()
{
    zeb::setRandomSource(std::make_unique<ScriptedSource>(QList<double>{0.0, 0.999999, 0.5}));
    DrillEngine engine = loadedEngine(zeb::bank1705(), 25);
    QVERIFY(engine.DrawNextItem());
    QCOMPARE(engine.CurrentItem, 1);
    engine.recordCorrectAnswer();
    QVERIFY(engine.DrawNextItem());
    QCOMPARE(engine.CurrentItem, 25);
    engine.recordCorrectAnswer();
    // Half-way through the 23 items left: the 12th of 2..24.
    QVERIFY(engine.DrawNextItem());
    QCOMPARE(engine.CurrentItem, 13);
}

void DrillEngineTest::drawsInQuickSuccessionDiffer()
{
    zeb::setRandomSource(nullptr); // keeps the seeded source
    QSet<int> firstItems;
    QSet<QList<int>> openings;
    for (int pass = 0; pass < 200; ++pass) {
        DrillEngine engine = loadedEngine(zeb::bank1710(), 34);
        QList<int> opening;
        for (int i = 0; i < 3; ++i) {
            engine.DrawNextItem();
            opening << engine.CurrentItem;
            engine.recordCorrectAnswer();
        }
        firstItems.insert(opening.front());
        openings.insert(opening);
    }
    // Passes started within the same millisecond still begin differently.
    QVERIFY(firstItems.size() > 25);
    QVERIFY(openings.size() > 190);
}

void DrillEngineTest::judgement_data()
{
    QTest::addColumn<int>("item"); // of 17/5
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("correct");
    QTest::addRow("exact") << 2 << u"pidieron"_s << true;
    QTest::addRow("blanks around") << 2 << u"   pidieron  "_s << true;
    QTest::addRow("without accent") << 8 << u"sirvio"_s << false;
    QTest::addRow("combining accent") << 8 << u"sirvio\u0301"_s << true;
    QTest::addRow("capital mid-sentence") << 2 << u"Pidieron"_s << false;
    QTest::addRow("pronoun and verb") << 6 << u"se rieron"_s << true;
    QTest::addRow("two blanks inside") << 6 << u"se  rieron"_s << false;
    QTest::addRow("verb without pronoun") << 6 << u"rieron"_s << false;
    QTest::addRow("empty") << 2 << u""_s << false;
    QTest::addRow("tab around") << 2 << u"\tpidieron"_s << false;
    QTest::addRow("sentence typed whole") << 2 << u"Los niños pidieron helado."_s << false;
    QTest::addRow("very long") << 2 << QString(100000, u'x') << false;
    QTest::addRow("emoji") << 2 << u"pidieron 🍦"_s << false;
    QTest::addRow("right to left") << 2 << u"\u202Eneroidip"_s << false;
    QTest::addRow("lone combining mark") << 2 << u"\u0301"_s << false;
}

void DrillEngineTest::judgement()
{
    QFETCH(int, item);
    QFETCH(QString, answer);
    DrillEngine engine = loadedEngine(zeb::bank1705(), 25);
    engine.CurrentItem = item;
    const QString start = engine.SentenceStarts.at(item) + u' ';
    const QString end = u' ' + engine.SentenceEnds.at(item);
    QTEST(engine.isCorrect(start, answer, end), "correct");
}

void DrillEngineTest::capitalRule_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<bool>("warned");
    QTest::addRow("lower case") << u"preferimos"_s << u"Preferimos"_s << true;
    QTest::addRow("already capital") << u"Preferimos"_s << u"Preferimos"_s << false;
    QTest::addRow("accented letter") << u"éramos"_s << u"Éramos"_s << true;
    QTest::addRow("pronoun first") << u"  me dirigí "_s << u"Me dirigí"_s << true;
    QTest::addRow("digit") << u"1x"_s << u"1x"_s << false;
    QTest::addRow("emoji") << u"😀x"_s << u"😀x"_s << false;
    QTest::addRow("lone combining mark") << u"\u0301"_s << u"\u0301"_s << false;
}

void DrillEngineTest::capitalRule()
{
    QFETCH(QString, answer);
    const auto fixed = zeb::capitalizeFirstLetter(answer);
    QVERIFY(fixed);
    QTEST(fixed->text, "fixed");
    QTEST(fixed->wasLowerCase, "warned");
    QVERIFY(!zeb::capitalizeFirstLetter(u""_s));
    QVERIFY(!zeb::capitalizeFirstLetter(u"   "_s));
}

void DrillEngineTest::gapFirstSentences_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("gapFirst");
    QTest::addRow("empty start") << u" "_s << true;
    QTest::addRow("question sign") << u"¿ "_s << true;
    QTest::addRow("exclamation sign") << u"¡ "_s << true;
    QTest::addRow("words") << u"Los niños "_s << false;
    QTest::addRow("question words") << u"¿Qué cerveza "_s << false;
}

void DrillEngineTest::gapFirstSentences()
{
    QFETCH(QString, caption);
    QTEST(zeb::opensWithGap(caption), "gapFirst");
}

void DrillEngineTest::runningTextSentence()
{
    DrillEngine drill1701 = loadedEngine(zeb::bank1701(), 34);
    drill1701.CurrentItem = 33;
    QCOMPARE(drill1701.completedSentence(false), u"¿ Oísteis esta noticia? "_s);
    drill1701.CurrentItem = 2;
    QCOMPARE(drill1701.completedSentence(false), u" Volví a casa en tranvía. "_s);
    DrillEngine drill1707 = loadedEngine(zeb::bank1707(), 31);
    drill1707.CurrentItem = 24;
    QCOMPARE(drill1707.completedSentence(true), u"¿Hubo mucha gente en el teatro? "_s);
    drill1707.CurrentItem = 6;
    QCOMPARE(drill1707.completedSentence(true), u"¿Quién puso la mesa? "_s);
}

QTEST_APPLESS_MAIN(DrillEngineTest)
#include "tst_drillengine.moc"
