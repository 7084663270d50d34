// The four item banks against their grammar keys and the rules every sentence follows.
#include "drills/drillbank.h"

#include <QTest>

using namespace Qt::StringLiterals;
using zeb::DrillBank;

namespace {

QString text(const char16_t *value)
{
    return QString::fromUtf16(value);
}

DrillBank bankFor(int drill)
{
    switch (drill) {
    case 1:
        return zeb::bank1701();
    case 5:
        return zeb::bank1705();
    case 7:
        return zeb::bank1707();
    default:
        return zeb::bank1710();
    }
}

} // namespace

class BankTest : public QObject
{
    Q_OBJECT

private slots:
    void shapeOfEachBank_data();
    void shapeOfEachBank();
    void everyEntryIsTidy_data() { drills(); }
    void everyEntryIsTidy();
    void questionsOpenAndClose_data() { drills(); }
    void questionsOpenAndClose();
    void formsAgreeWithTheirSentences_data() { drills(); }
    void formsAgreeWithTheirSentences();
    void keyRows_data();
    void keyRows();
    void personHints_data();
    void personHints();

private:
    void drills();
};

void BankTest::drills()
{
    QTest::addColumn<int>("drill");
    for (int drill : {1, 5, 7, 10})
        QTest::addRow("17/%d", drill) << drill;
}

void BankTest::shapeOfEachBank_data()
{
    QTest::addColumn<int>("drill");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("emptyStarts");
    QTest::addColumn<int>("questionStarts");
    QTest::addColumn<int>("loneQuestionMarks");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QList<int>>("pronominal");
    QTest::addRow("17/1") << 1 << 34 << 11 << 1 << 1 << 4 << QList<int>{4, 7, 32};
    QTest::addRow("17/5") << 5 << 25 << 4 << 0 << 0 << 2 << QList<int>{6, 11, 20, 21};
    QTest::addRow("17/7") << 7 << 31 << 1 << 1 << 1 << 10 << QList<int>{8, 12, 26};
    QTest::addRow("17/10") << 10 << 37 << 5 << 3 << 0 << 3
                           << QList<int>{4, 6, 18, 22, 23, 24, 29, 30, 35};
}

void BankTest::shapeOfEachBank()
{
    QFETCH(int, drill);
    const DrillBank bank = bankFor(drill);
    QTEST(int(bank.size()), "items");
    int emptyStarts = 0, questionStarts = 0, loneQuestionMarks = 0, questions = 0;
    QList<int> pronominal;
    for (std::size_t i = 0; i < bank.size(); ++i) {
        const QString start = text(bank[i].start), end = text(bank[i].end);
        emptyStarts += start.isEmpty();
        questionStarts += start == u"¿"_s;
        loneQuestionMarks += end == u"?"_s;
        questions += end.endsWith(u'?');
        if (text(bank[i].infinitive).endsWith(u"se"_s))
            pronominal << int(i + 1);
    }
    QTEST(emptyStarts, "emptyStarts");
    QTEST(questionStarts, "questionStarts");
    QTEST(loneQuestionMarks, "loneQuestionMarks");
    QTEST(questions, "questions");
    QTEST(pronominal, "pronominal");
}

void BankTest::everyEntryIsTidy()
{
    QFETCH(int, drill);
    const DrillBank bank = bankFor(drill);
    for (std::size_t i = 0; i < bank.size(); ++i) {
        const auto &row = bank[i];
        for (const char16_t *entry :
             {row.start, row.verbForm, row.end, row.infinitive, row.personHint}) {
            const QString value = text(entry);
            QVERIFY2(value == value.trimmed() && !value.contains(u"  "_s),
                     qPrintable(u"item %1: \"%2\""_s.arg(i + 1).arg(value)));
        }
        QVERIFY(!text(row.verbForm).isEmpty() && !text(row.end).isEmpty() &&
                !text(row.infinitive).isEmpty());
        const QString end = text(row.end);
        QVERIFY2(end.endsWith(u'.') || end.endsWith(u'?'), qPrintable(end));
        const QString hint = text(row.personHint);
        QVERIFY2(QStringList({u""_s, u"1"_s, u"2"_s, u"1 1"_s, u"2 2"_s, u"3 3"_s}).contains(hint),
                 qPrintable(hint));
    }
}

void BankTest::questionsOpenAndClose()
{
    QFETCH(int, drill);
    const DrillBank bank = bankFor(drill);
    for (std::size_t i = 0; i < bank.size(); ++i) {
        const QString start = text(bank[i].start), end = text(bank[i].end);
        const bool question = end.endsWith(u'?');
        QVERIFY2(start.startsWith(u'¿') == question, qPrintable(u"item %1"_s.arg(i + 1)));
        QCOMPARE((start + text(bank[i].verbForm) + end).count(u'¿'), question ? 1 : 0);
    }
}

void BankTest::formsAgreeWithTheirSentences()
{
    QFETCH(int, drill);
    const DrillBank bank = bankFor(drill);
    for (std::size_t i = 0; i < bank.size(); ++i) {
        const QString start = text(bank[i].start), form = text(bank[i].verbForm);
        const bool opensWithVerb = start.isEmpty() || start == u"¿"_s;
        QVERIFY2(form.front().isUpper() == opensWithVerb, qPrintable(form));
        // A pronominal verb brings its pronoun: "se rieron", "me caí".
        const bool pronominal = text(bank[i].infinitive).endsWith(u"se"_s);
        QCOMPARE(form.contains(u' '), pronominal);
    }
}

void BankTest::keyRows_data()
{
    QTest::addColumn<int>("drill");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("infinitive");
    QTest::addColumn<QString>("hint");
    QTest::addRow("17/1 item 1") << 1 << 1 << u"¿A qué hora"_s << u"llegaste"_s
                                 << u"a la estación?"_s << u"llegar"_s << u"2"_s;
    QTest::addRow("17/1 item 2") << 1 << 2 << u""_s << u"Volví"_s << u"a casa en tranvía."_s
                                 << u"volver"_s << u"1"_s;
    QTest::addRow("17/1 item 33") << 1 << 33 << u"¿"_s << u"Oísteis"_s << u"esta noticia?"_s
                                  << u"oír"_s << u"2 2"_s;
    QTest::addRow("17/5 item 2") << 5 << 2 << u"Los niños"_s << u"pidieron"_s << u"helado."_s
                                 << u"pedir"_s << u""_s;
    QTest::addRow("17/5 item 4") << 5 << 4 << u""_s << u"Preferimos"_s << u"no discutir con ella."_s
                                 << u"preferir"_s << u"1 1"_s;
    QTest::addRow("17/5 item 9") << 5 << 9 << u"¿Qué cerveza"_s << u"servisteis"_s
                                 << u"a los invitados?"_s << u"servir"_s << u"2 2"_s;
    QTest::addRow("17/7 item 3") << 7 << 3 << u""_s << u"Quise"_s << u"hablar contigo."_s
                                 << u"querer"_s << u"1"_s;
    QTest::addRow("17/7 item 6") << 7 << 6 << u"¿Quién"_s << u"puso"_s << u"la mesa?"_s
                                 << u"poner"_s << u""_s;
    QTest::addRow("17/7 item 24") << 7 << 24 << u"¿"_s << u"Hubo"_s
                                  << u"mucha gente en el teatro?"_s << u"haber"_s << u""_s;
    QTest::addRow("17/10 item 4") << 10 << 4 << u""_s << u"Me dirigí"_s << u"a la oficina."_s
                                  << u"dirigirse"_s << u"1"_s;
    QTest::addRow("17/10 item 20")
        << 10 << 20 << u"Anteayer"_s << u"quise"_s << u"visitar a Ana."_s << u"querer"_s << u"1"_s;
    QTest::addRow("17/10 item 36")
        << 10 << 36 << u"¿"_s << u"Fuiste"_s << u"a Sevilla en avión?"_s << u"ir"_s << u"2"_s;
    // The infinitive of "Conocí" is spelt right.
    QTest::addRow("17/10 item 15")
        << 10 << 15 << QString() << u"Conocí"_s << QString() << u"conocer"_s << u"1"_s;
    QTest::addRow("17/10 item 34")
        << 10 << 34 << QString() << u"estuvimos"_s << QString() << u"estar"_s << u"1 1"_s;
    QTest::addRow("17/10 item 37")
        << 10 << 37 << QString() << u"Preferiste"_s << QString() << u"preferir"_s << u"2"_s;
    QTest::addRow("17/1 item 32") << 1 << 32 << QString() << u"me caí"_s << QString() << u"caerse"_s
                                  << u"1"_s;
}

void BankTest::keyRows()
{
    QFETCH(int, drill);
    QFETCH(int, item);
    QFETCH(QString, start);
    QFETCH(QString, end);
    const auto &row = bankFor(drill)[std::size_t(item - 1)];
    if (!start.isNull())
        QCOMPARE(text(row.start), start);
    if (!end.isNull())
        QCOMPARE(text(row.end), end);
    QTEST(text(row.verbForm), "form");
    QTEST(text(row.infinitive), "infinitive");
    QTEST(text(row.personHint), "hint");
}

void BankTest::personHints_data()
{
    QTest::addColumn<int>("drill");
    QTest::addColumn<QString>("hints"); // "item:hint" for every item that has one
    QTest::addRow("17/1") << 1
                          << u"1:2 2:1 4:2 2 6:2 2 7:1 1 9:1 11:1 12:1 14:1 15:1 1 16:2 18:1 "
                             u"19:1 1 20:1 21:2 2 23:1 26:1 1 27:1 32:1 33:2 2"_s;
    QTest::addRow("17/5") << 5 << u"1:1 4:1 1 9:2 2 11:1 13:1 14:1 1 17:1 1 20:1 24:1"_s;
    QTest::addRow("17/7") << 7
                          << u"1:1 3:1 4:1 7:2 2 11:1 14:1 17:1 19:2 2 21:1 1 22:1 27:2 28:2 "
                             u"29:1 30:1"_s;
    QTest::addRow("17/10") << 10
                           << u"1:1 3:1 4:1 6:3 3 8:1 9:1 1 10:3 3 13:2 14:2 15:1 17:1 1 18:1 "
                              u"19:1 20:1 22:2 2 23:2 34:1 1 36:2 37:2"_s;
}

void BankTest::personHints()
{
    QFETCH(int, drill);
    QFETCH(QString, hints);
    QStringList listed;
    const DrillBank bank = bankFor(drill);
    for (std::size_t i = 0; i < bank.size(); ++i) {
        if (const QString hint = text(bank[i].personHint); !hint.isEmpty())
            listed << u"%1:%2"_s.arg(i + 1).arg(hint);
    }
    QCOMPARE(listed.join(u' '), hints);
}

QTEST_APPLESS_MAIN(BankTest)
#include "tst_banks.moc"
