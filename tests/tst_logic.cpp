// The exercise logic without windows: the item banks, the drill engine and the accent keys.
#include "common/accentkeys.h"
#include "common/random.h"
#include "draws.h"
#include "drills/drillengine.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using zeb::DrillBank;
using zeb::DrillEngine;

namespace {

QString text(const char16_t *value)
{
    return QString::fromUtf16(value);
}

DrillBank bankFor(int drill)
{
    return drill == 1   ? zeb::bank1701()
           : drill == 5 ? zeb::bank1705()
           : drill == 7 ? zeb::bank1707()
                        : zeb::bank1710();
}

DrillEngine loaded(int drill, int passLength)
{
    DrillEngine engine(bankFor(drill), passLength);
    engine.loadBank();
    return engine;
}

// Draws and answers `count` items; returns them in the order drawn.
QList<int> answerFirst(DrillEngine &engine, int count)
{
    QList<int> drawn;
    for (int i = 0; i < count && engine.DrawNextItem(); ++i) {
        drawn << engine.CurrentItem;
        engine.recordCorrectAnswer();
    }
    return drawn;
}

} // namespace

class LogicTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { zeb::seedRandom(17); }
    void bankShapes_data();
    void bankShapes();
    void bankKeys();
    void passDrawsEveryItemOnceAndRefills();
    void drawsFollowTheirSourceAndDifferAtOnce();
    void capitalRule_data();
    void capitalRule();
    void accentKeys();
};

void LogicTest::bankShapes_data()
{
    QTest::addColumn<int>("drill");
    QTest::addColumn<QList<int>>("counts"); // items, empty starts, "¿" starts, lone "?", questions
    QTest::addColumn<QString>("hints");     // "item:hint" for every item that has one
    QTest::addRow("17/1") << 1 << QList<int>{34, 11, 1, 1, 4}
                          << u"1:2 2:1 4:2 2 6:2 2 7:1 1 9:1 11:1 12:1 14:1 15:1 1 16:2 18:1 "
                             u"19:1 1 20:1 21:2 2 23:1 26:1 1 27:1 32:1 33:2 2"_s;
    QTest::addRow("17/5") << 5 << QList<int>{25, 4, 0, 0, 2}
                          << u"1:1 4:1 1 9:2 2 11:1 13:1 14:1 1 17:1 1 20:1 24:1"_s;
    QTest::addRow("17/7") << 7 << QList<int>{31, 1, 1, 1, 10}
                          << u"1:1 3:1 4:1 7:2 2 11:1 14:1 17:1 19:2 2 21:1 1 22:1 27:2 28:2 "
                             u"29:1 30:1"_s;
    QTest::addRow("17/10") << 10 << QList<int>{37, 5, 3, 0, 3}
                           << u"1:1 3:1 4:1 6:3 3 8:1 9:1 1 10:3 3 13:2 14:2 15:1 17:1 1 18:1 "
                              u"19:1 20:1 22:2 2 23:2 34:1 1 36:2 37:2"_s;
}

// Every sentence is tidy, opens its question with "¿", capitalises the verb that opens it and
// gives a pronominal verb its pronoun.
void LogicTest::bankShapes()
{
    QFETCH(int, drill);
    const DrillBank bank = bankFor(drill);
    QList<int> counts{int(bank.size()), 0, 0, 0, 0};
    QStringList hints;
    for (std::size_t i = 0; i < bank.size(); ++i) {
        const QString start = text(bank[i].start), form = text(bank[i].verbForm),
                      end = text(bank[i].end), hint = text(bank[i].personHint);
        const QString where = u"17/%1 item %2"_s.arg(drill).arg(i + 1);
        for (const QString &entry : {start, form, end, text(bank[i].infinitive)})
            QVERIFY2(entry == entry.trimmed() && !entry.contains(u"  "_s), qPrintable(where));
        QVERIFY2(end.endsWith(u'.') || end.endsWith(u'?'), qPrintable(where));
        QVERIFY2(start.startsWith(u'¿') == end.endsWith(u'?'), qPrintable(where));
        QVERIFY2((start + form + end).count(u'¿') <= 1, qPrintable(where));
        const bool opensWithVerb = start.isEmpty() || start == u"¿"_s;
        QVERIFY2(form.front().isUpper() == opensWithVerb, qPrintable(where));
        QVERIFY2(form.contains(u' ') == text(bank[i].infinitive).endsWith(u"se"_s),
                 qPrintable(where));
        counts[1] += start.isEmpty();
        counts[2] += start == u"¿"_s;
        counts[3] += end == u"?"_s;
        counts[4] += end.endsWith(u'?');
        if (!hint.isEmpty())
            hints << u"%1:%2"_s.arg(i + 1).arg(hint);
    }
    QTEST(counts, "counts");
    QTEST(hints.join(u' '), "hints");
}

// Rows given as drill|item|start|form|end|infinitive; an empty end leaves the sentence unchecked.
void LogicTest::bankKeys()
{
    const QStringList rows{
        u"1|1|¿A qué hora|llegaste|a la estación?|llegar"_s,
        u"1|2||Volví|a casa en tranvía.|volver"_s,
        u"1|33|¿|Oísteis|esta noticia?|oír"_s,
        u"5|2|Los niños|pidieron|helado.|pedir"_s,
        u"5|4||Preferimos|no discutir con ella.|preferir"_s,
        u"5|9|¿Qué cerveza|servisteis|a los invitados?|servir"_s,
        u"7|3||Quise|hablar contigo.|querer"_s,
        u"7|6|¿Quién|puso|la mesa?|poner"_s,
        u"7|24|¿|Hubo|mucha gente en el teatro?|haber"_s,
        u"10|4||Me dirigí|a la oficina.|dirigirse"_s,
        u"10|20|Anteayer|quise|visitar a Ana.|querer"_s,
        u"10|36|¿|Fuiste|a Sevilla en avión?|ir"_s,
        u"10|15||Conocí||conocer"_s, // the infinitive spelt right
    };
    for (const QString &line : rows) {
        const QStringList key = line.split(u'|');
        const auto &row = bankFor(key[0].toInt())[key[1].toUInt() - 1];
        const QString sentence = text(row.start) + u'|' + text(row.verbForm) + u'|' + text(row.end);
        if (!key[4].isEmpty())
            QCOMPARE(sentence, key.mid(2, 3).join(u'|'));
        QCOMPARE(text(row.verbForm), key[3]);
        QCOMPARE(text(row.infinitive), key[5]);
    }
}

void LogicTest::passDrawsEveryItemOnceAndRefills()
{
    DrillEngine engine = loaded(10, 34);
    const QStringList infinitives = engine.Infinitives;
    QSet<int> shown;
    for (int answered = 1; answered <= 34; ++answered) {
        QVERIFY(engine.DrawNextItem());
        QVERIFY(engine.CurrentItem >= 1 && engine.CurrentItem <= 37);
        QVERIFY2(!shown.contains(engine.CurrentItem), "an item came twice in one pass");
        shown.insert(engine.CurrentItem);
        // The pass ends after 34 correct answers, three items short of the bank.
        QCOMPARE(engine.recordCorrectAnswer(), answered == 34);
    }
    QCOMPARE(engine.Infinitives.count(QString()), 35); // index 0 and the 34 answered
    engine.endPass();
    QCOMPARE(engine.AnsweredCount, 0);
    QCOMPARE(engine.Infinitives, infinitives);

    DrillEngine small = loaded(5, 25);
    for (int i = 0; i < 25; ++i) {
        QVERIFY(small.DrawNextItem());
        small.recordCorrectAnswer();
    }
    QVERIFY(!small.DrawNextItem());
}

void LogicTest::drawsFollowTheirSourceAndDifferAtOnce()
{
    QSet<QList<int>> openings;
    for (int pass = 0; pass < 200; ++pass) {
        DrillEngine engine = loaded(10, 34);
        openings.insert(answerFirst(engine, 3));
    }
    // Passes started within the same millisecond still begin differently.
    QVERIFY(openings.size() > 190);

    scriptDraws({0.0, 0.999999, 0.5});
    DrillEngine engine = loaded(5, 25);
    const QList<int> drawn = answerFirst(engine, 3);
    // The first and the last item, then the middle of the 23 left.
    QCOMPARE(drawn, (QList<int>{1, 25, 13}));
}

void LogicTest::capitalRule_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("fixed"); // empty: nothing to judge
    QTest::addColumn<bool>("warned");
    QTest::addRow("lower case") << u"preferimos"_s << u"Preferimos"_s << true;
    QTest::addRow("already capital") << u"Preferimos"_s << u"Preferimos"_s << false;
    QTest::addRow("accented letter") << u"éramos"_s << u"Éramos"_s << true;
    QTest::addRow("pronoun first") << u"  me dirigí "_s << u"Me dirigí"_s << true;
    QTest::addRow("outside the basic plane") << u"𐐨x"_s << u"𐐀x"_s << true;
    QTest::addRow("lone combining mark") << u"\u0301"_s << u"\u0301"_s << false;
    QTest::addRow("blanks only") << u"   "_s << QString() << false;
}

void LogicTest::capitalRule()
{
    QFETCH(QString, answer);
    QFETCH(QString, fixed);
    const auto capitalized = zeb::capitalizeFirstLetter(answer);
    QCOMPARE(bool(capitalized), !fixed.isEmpty());
    if (capitalized) {
        QCOMPARE(capitalized->text, fixed);
        QTEST(capitalized->wasLowerCase, "warned");
    }
    QVERIFY(zeb::opensWithGap(u" "_s) && zeb::opensWithGap(u"¿ "_s) && zeb::opensWithGap(u"¡ "_s));
    QVERIFY(!zeb::opensWithGap(u"¿Qué cerveza "_s));
}

void LogicTest::accentKeys()
{
    const QString typed = u";'`[/\\@#:E"_s;
    QString inDrill, inPicture;
    for (QChar key : typed) {
        inDrill += zeb::translateAccentKey(key, zeb::AccentKeySet::VerbDrill);
        inPicture += zeb::translateAccentKey(key, zeb::AccentKeySet::PictureExercise);
    }
    QCOMPARE(inDrill, u"éáíñúó@#:E"_s);
    QCOMPARE(inPicture, u"éáíñúó¡¿:E"_s);
}

QTEST_APPLESS_MAIN(LogicTest)
#include "tst_logic.moc"
