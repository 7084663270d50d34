// The accent keys of the answer boxes.
#include "common/accentkeys.h"

#include <QTest>

using zeb::AccentKeySet;

class AccentKeyTest : public QObject
{
    Q_OBJECT

private slots:
    void translation_data();
    void translation();
};

void AccentKeyTest::translation_data()
{
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<QChar>("inDrill");
    QTest::addColumn<QChar>("inPicture");
    QTest::addRow("semicolon") << QChar(u';') << QChar(u'é') << QChar(u'é');
    QTest::addRow("apostrophe") << QChar(u'\'') << QChar(u'á') << QChar(u'á');
    QTest::addRow("grave accent") << QChar(u'`') << QChar(u'í') << QChar(u'í');
    QTest::addRow("bracket") << QChar(u'[') << QChar(u'ñ') << QChar(u'ñ');
    QTest::addRow("slash") << QChar(u'/') << QChar(u'ú') << QChar(u'ú');
    QTest::addRow("backslash") << QChar(u'\\') << QChar(u'ó') << QChar(u'ó');
    QTest::addRow("at sign") << QChar(u'@') << QChar(u'@') << QChar(u'¡');
    QTest::addRow("hash") << QChar(u'#') << QChar(u'#') << QChar(u'¿');
    QTest::addRow("colon") << QChar(u':') << QChar(u':') << QChar(u':');
    QTest::addRow("double quote") << QChar(u'"') << QChar(u'"') << QChar(u'"');
    QTest::addRow("letter") << QChar(u'E') << QChar(u'E') << QChar(u'E');
    QTest::addRow("translated letter") << QChar(u'é') << QChar(u'é') << QChar(u'é');
    QTest::addRow("backspace") << QChar(u'\b') << QChar(u'\b') << QChar(u'\b');
}

void AccentKeyTest::translation()
{
    QFETCH(QChar, typed);
    QTEST(zeb::translateAccentKey(typed, AccentKeySet::VerbDrill), "inDrill");
    QTEST(zeb::translateAccentKey(typed, AccentKeySet::PictureExercise), "inPicture");
}

QTEST_APPLESS_MAIN(AccentKeyTest)
#include "tst_accentkeys.moc"
