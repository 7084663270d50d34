// The drill windows on screen: every sentence of every bank fits the labels around the gap.
#include "common/forms.h"
#include "drills/drillbank.h"
#include "shell/program.h"
#include "windows.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;
using zeb::FormName;

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zeb::defineForms(); }
    void cleanup()
    {
        zeb::forms::discardAll();
        settle();
    }
    void sentencesFitAroundTheGap_data();
    void sentencesFitAroundTheGap();
};

void LayoutTest::sentencesFitAroundTheGap_data()
{
    QTest::addColumn<FormName>("window");
    QTest::addColumn<int>("drill");
    QTest::addRow("17/1") << FormName::zeb1701 << 1;
    QTest::addRow("17/5") << FormName::zeb1705 << 5;
    QTest::addRow("17/7") << FormName::zeb1707 << 7;
    QTest::addRow("17/10") << FormName::zeb1710 << 10;
}

void LayoutTest::sentencesFitAroundTheGap()
{
    QFETCH(FormName, window);
    QFETCH(int, drill);
    QWidget *form = zeb::forms::show(window);
    auto *start = control<QLabel>(form, u"Label6"_s);
    auto *end = control<QLabel>(form, u"Label7"_s);
    auto *infinitive = control<QLabel>(form, u"Label9"_s);
    const auto bank = drill == 1   ? zeb::bank1701()
                      : drill == 5 ? zeb::bank1705()
                      : drill == 7 ? zeb::bank1707()
                                   : zeb::bank1710();
    QStringList tooLong;
    auto check = [&](QLabel *label, const QString &text) {
        if (label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width())
            tooLong << text;
    };
    for (const zeb::DrillRow &row : bank) {
        check(start, QString::fromUtf16(row.start) + u' ');
        check(end, u' ' + QString::fromUtf16(row.end));
        check(infinitive, QString::fromUtf16(row.infinitive));
    }
    QVERIFY2(tooLong.isEmpty(), qPrintable(tooLong.join(u" | "_s)));
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
