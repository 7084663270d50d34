// The four verb drill windows (17/1, 17/5, 17/7, 17/10) driven as the learner drives them; the
// message boxes they show are caught and closed by MessageCatcher.
#include "common/forms.h"
#include "common/platform.h"
#include "draws.h"
#include "drills/drillbank.h"
#include "messagecatcher.h"
#include "shell/program.h"
#include "windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;
using zeb::FormName;

namespace {

const auto str = [](const char16_t *s) { return QString::fromUtf16(s); };

// What the tests know about each drill, written out here rather than taken from the program.
struct Drill
{
    FormName form;
    zeb::DrillBank (*bank)();
    int passLength;
    QString number;       // "1", "5", "7", "10"
    QString capitalTitle; // title of "¡Atención a las mayúsculas!"
    bool tight;           // a start of just "¿" stands right before the form in the running text

    QString title() const { return u"Ejercicio 17/"_s + number; }
    const zeb::DrillRow &row(int item) const { return bank()[std::size_t(item - 1)]; }
};

const Drill drills[] = {
    {FormName::zeb1701, zeb::bank1701, 34, u"1"_s, u"Ejercicio 17/1"_s, false},
    {FormName::zeb1705, zeb::bank1705, 25, u"5"_s, u"Ejercicio 17/5"_s, false},
    {FormName::zeb1707, zeb::bank1707, 31, u"7"_s, u"Verbos   ---   Ejercicio 17/7 "_s, true},
    {FormName::zeb1710, zeb::bank1710, 34, u"10"_s, u"Verbos   ---   Ejercicio 17/10"_s, false},
};
const auto facts = [](int n) { return std::cref(drills[(n > 1) + (n > 5) + (n > 7)]); };

const QString endText =
    u"El ejercicio ha terminado. Si quiere recomenzarlo, haga clic en \"Recomenzar\"."_s;

// An opened drill window, its controls and what the learner does in it.
struct Window
{
    const Drill &d;
    QWidget *w = zeb::forms::show(d.form);

    QPushButton *button(const QString &name) const { return w->findChild<QPushButton *>(name); }
    QLineEdit *box() const { return w->findChild<QLineEdit *>(u"Text2"_s); }
    QString label(const char *name) const { return w->findChild<QLabel *>(name)->text(); }
    QString text5() const { return w->findChild<QPlainTextEdit *>(u"Text5"_s)->toPlainText(); }

    // The running text, buttons, labels and answer box.
    QString state() const
    {
        QStringList s{text5()};
        for (const char *name : {"Command1", "Command2", "Command4"}) {
            const QPushButton *b = button(name);
            s << b->text() + (b->isHidden() ? " hidden" : "") + (b->isEnabled() ? "" : " disabled");
        }
        for (const char *name : {"Label6", "Label7", "Label8", "Label9"})
            s << label(name);
        return (s << box()->text()).join(u'|');
    }
    // The item whose start, end and infinitive are shown, or 0.
    int shownItem() const
    {
        const QString shown = label("Label6") + u'|' + label("Label7") + u'|' + label("Label9");
        int k = int(d.bank().size());
        while (k > 0 && shown != str(d.row(k).start) + u" | "_s + str(d.row(k).end) + u'|' +
                                     str(d.row(k).infinitive))
            --k;
        return k;
    }
    // Presses "&Comenzar" or "&Recomenzar" with `item` drawn from the full pool; every later
    // draw gives the first item left.
    bool startAt(int item) const
    {
        scriptDraws({(item - 0.5) / d.bank().size(), 0.0});
        button(u"Command1"_s)->click();
        return shownItem() == item;
    }
};

const char *const pictureButtons[] = {"Command3", "Command5", "Command10", "Command4"};

} // namespace

class DrillWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zeb::defineForms(); }
    void cleanup()
    {
        zeb::forms::discardAll();
        settle();
    }

    void drillRunsFromLoadToRecomenzar_data()
    {
        QTest::addColumn<int>("drill");
        for (const int drill : {1, 5, 7, 10})
            QTest::addRow("17/%d", drill) << drill;
    }
    void drillRunsFromLoadToRecomenzar()
    {
        QFETCH(int, drill);
        const Drill &d = facts(drill);
        const Window ui{d};
        QCOMPARE(ui.w->windowTitle(),
                 u"        Ejercicios gramaticales  ---  Unidad 17:  Ejercicio "_s + d.number);
        QCOMPARE(ui.label("Label2"), d.number + u".  Complete con el pretérito indefinido:"_s);
        QCOMPARE(ui.state(), u"|&Comenzar|Si&guiente hidden|&Ayuda hidden|||||"_s);
        QCOMPARE(ui.w->focusWidget(), ui.button(u"Command1"_s));
        // Every sentence of the bank fits the labels around the gap.
        for (const zeb::DrillRow &row : d.bank()) {
            for (const auto &[name, text] : {std::pair{"Label6", str(row.start) + u' '},
                                             {"Label7", u' ' + str(row.end)},
                                             {"Label9", str(row.infinitive)}}) {
                const QLabel *label = ui.w->findChild<QLabel *>(name);
                QVERIFY2(label->fontMetrics().horizontalAdvance(text) <=
                             label->contentsRect().width(),
                         qPrintable(text));
            }
        }
        // On top as it loads; two triggers of the item restore that.
        QAction *onTop = ui.w->findChild<QAction *>(u"mnuOntop"_s);
        QVERIFY(onTop->isChecked() && ui.w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        for (const bool on : {false, true}) {
            onTop->trigger();
            QCOMPARE(onTop->isChecked(), on);
            QCOMPARE(ui.w->windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
            QVERIFY(ui.w->isVisible());
        }

        MessageCatcher catcher;
        const int beeps = zeb::beepCount();
        // The last item first; help tells its form, without a beep, and nothing advances.
        const int item = int(d.bank().size());
        const QString help =
            u"  ---   Ayuda / La forma correcta es: "_s + str(d.row(item).verbForm);
        QVERIFY(ui.startAt(item));
        ui.box()->setText(u"abc"_s);
        const QString before = ui.state();
        ui.button(u"Command4"_s)->click();
        QCOMPARE(catcher.take(QMessageBox::Warning), QStringList{d.title() + help});
        QCOMPARE(zeb::beepCount(), beeps);
        QCOMPARE(ui.state(), before);

        // Two passes, by Enter and "Si&guiente" in turn; "&Recomenzar" starts the second afresh.
        for (int pass = 1; pass <= 2; ++pass) {
            const QString start = pass == 1 ? u"|&Comenzar"_s : u"|&Recomenzar"_s;
            QVERIFY(ui.state().startsWith(start + u" disabled|Si&guiente|&Ayuda|"_s));
            QList<int> order;
            QString sentences;
            for (int k = ui.shownItem();
                 k > 0 && !order.contains(k) && ui.label("Label8") == str(d.row(k).personHint);
                 k = ui.shownItem()) {
                const QString form = str(d.row(k).verbForm), start = ui.label("Label6");
                const bool close = d.tight && (start == u"¿ "_s || start == u"¡ "_s);
                sentences += start.chopped(close ? 1 : 0) + form + ui.label("Label7") + u' ';
                order << k;
                ui.box()->setText(form);
                if (order.size() % 2)
                    QTest::keyClick(ui.box(), Qt::Key_Return);
                else
                    ui.button(u"Command2"_s)->click();
            }
            QCOMPARE(order.size(), d.passLength);
            QCOMPARE(catcher.take(QMessageBox::Warning),
                     QStringList{d.title() + u" / "_s + endText});
            QCOMPARE(zeb::beepCount(), beeps + pass);
            QCOMPARE(ui.state(), sentences + u"|&Recomenzar|Si&guiente disabled|&Ayuda|||||"_s);
            QCOMPARE(ui.w->focusWidget(), ui.button(u"Command1"_s));
            // Enter in the answer box does nothing once the pass is over.
            ui.box()->setText(str(d.row(order.last()).verbForm));
            QTest::keyClick(ui.box(), Qt::Key_Return);
            QCOMPARE(catcher.take(QMessageBox::Warning), QStringList());
            QCOMPARE(ui.text5(), sentences);
            QVERIFY(ui.startAt(order.first()));
        }
    }

    void answerIsJudged_data()
    {
        QTest::addColumn<int>("drill");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome"); // C: capital warning, W: wrong, +: accepted
        QTest::addColumn<QString>("after");   // accepted: the running text; else the answer box
        const auto add = [](const char *name, int drill, int item, QStringView typed,
                            const char *outcome, QStringView after = {}) {
            QTest::newRow(name) << drill << item << typed.toString() << QString::fromLatin1(outcome)
                                << after.toString();
        };
        // Accepted, and the running text it makes; the capital rule under each drill's title.
        add("17/7 tight ¿, capital", 7, 24, u"hubo", "C+", u"¿Hubo mucha gente en el teatro? ");
        add("17/1 blank after ¿, capital", 1, 33, u"oísteis", "C+", u"¿ Oísteis esta noticia? ");
        add("17/5 capital", 5, 13, u" herví  ", "C+", u" Herví la leche para el desayuno. ");
        add("17/10 capital", 10, 13, u"pagaste", "C+", u" Pagaste demasiado por ese piso. ");
        add("blanks around", 5, 2, u"  pidieron ", "+", u"Los niños pidieron helado. ");
        add("decomposed", 5, 23, u"advirtio\u0301", "+", u"¿Quién te advirtió del peligro? ");
        // Wrong: the box keeps what was typed.
        add("missing accent", 5, 8, u"sirvio", "W");
        add("capital mid-sentence", 1, 5, u"Asistió", "W");
        add("two blanks inside", 5, 6, u"se  rieron", "W");
        add("no pronoun", 5, 6, u"rieron", "W");
        add("100000 characters", 5, 8, QString(100000, u'a'), "W");
        add("control characters", 5, 8, u"\u0001sirvi\tó\u007f", "W");
        add("emoji", 5, 8, u"sirvió 😀", "W");
        add("right-to-left", 5, 8, u"\u202Eخدم", "W");
        add("lone combining mark", 5, 8, u"\u0301", "W");
        add("NUL", 5, 8, QStringView(u"sirvi\0ó", 7), "W");
        add("lone surrogate", 5, 8, u"sirvi\xD800", "W");
        add("tab and line break", 5, 8, u"sirvió\t\n", "W");
        // Lower case and wrong: both messages, the box trimmed and capitalised.
        add("17/7 lower case, wrong", 7, 24, u"huvo", "CW", u"Huvo");
        add("letter beyond the basic plane", 5, 4, u"𐐨x", "CW", u"𐐀x");
        // Nothing to judge where the sentence opens with the gap: silent.
        add("gap-first empty", 5, 4, u"", "");
        add("after ¿ blanks only", 10, 14, u"  ", "");
    }
    void answerIsJudged()
    {
        QFETCH(int, drill);
        QFETCH(int, item);
        QFETCH(QString, typed);
        QFETCH(QString, outcome);
        QFETCH(QString, after);
        const Window ui{facts(drill)};
        QVERIFY(ui.startAt(item));
        MessageCatcher catcher;
        const QString before = ui.state(); // the answer box empty, at its end
        const int beeps = zeb::beepCount();
        ui.box()->setText(typed);
        ui.box()->setCursorPosition(0);
        QTest::keyClick(ui.box(), Qt::Key_Return);

        const bool accepted = outcome.endsWith(u'+');
        QStringList expected;
        for (const QChar c : outcome.remove(u'+'))
            expected << (c == u'C' ? ui.d.capitalTitle + u" / ¡Atención a las mayúsculas!"_s
                                   : ui.d.title() + u" / No es correcto. Vuelva a probarlo."_s);
        QCOMPARE(catcher.take(QMessageBox::Warning), expected);
        QCOMPARE(zeb::beepCount(), beeps + expected.size());
        if (accepted) {
            QCOMPARE(ui.text5(), after);
            QVERIFY(ui.shownItem() > 0 && ui.shownItem() != item && ui.box()->text().isEmpty());
            QCOMPARE(ui.w->focusWidget(), ui.box());
        } else {
            QCOMPARE(ui.state(),
                     before + (after.isNull() ? typed.left(ui.box()->maxLength()) : after));
            if (!expected.isEmpty())
                QCOMPARE(ui.box()->cursorPosition(), ui.box()->text().size());
        }
    }

    void accentKeysTranslateTypingButNotPaste()
    {
        const Window ui{facts(5)};
        QVERIFY(ui.startAt(8));
        QTest::keyClicks(ui.box(), u"a;b'c`d[e/f\\@#:\"~{?|Z1 "_s);
        QCOMPARE(ui.box()->text(), u"aébácídñeúfó@#:\"~{?|Z1 "_s);
        ui.box()->clear();
        ui.box()->insert(u";'`[/\\"_s); // as a paste does
        QCOMPARE(ui.box()->text(), u";'`[/\\"_s);
    }

    void buttonOpensItsExercise_data()
    {
        QTest::addColumn<int>("drill");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption"); // but for "&Salir", the exercise it opens
        const auto rows = [](int drill, const QString &buttons) {
            for (const QString &b : buttons.split(u'|'))
                QTest::addRow("17/%d %s", drill, qPrintable(b))
                    << drill << b.section(u' ', 0, 0) << b.section(u' ', 1);
        };
        for (const int drill : {1, 5, 10})
            rows(drill, u"Command3 &Salir|Command10 &1|Command5 &2|Command7 &4|Command8 &5|"
                        u"Command9 &6|Command11 &7|Command12 1&0|Command6 2 &+ 4 + 6"_s);
        rows(7, u"Command3 &Salir|Command10 &1|Command5 &2|Command6 &4|Command8 &5|Command12 &6|"
                u"Command9 &7|Command7 &10|Command11 2 &+ 4 + 6"_s);
    }
    void buttonOpensItsExercise()
    {
        QFETCH(int, drill);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        const QString exercise = QString(caption).remove(u'&');
        const qsizetype picture = u"2|4|6|2 + 4 + 6"_s.split(u'|').indexOf(exercise);
        const int number = exercise.toInt(); // of a drill, or 0 for "Salir"
        const QString target = picture >= 0 ? u"zeb1702"_s
                               : number     ? u"zeb17%1"_s.arg(number, 2, 10, QChar(u'0'))
                                            : u"alap"_s;
        const Window ui{facts(drill)};
        QPushButton *b = ui.button(name);
        QCOMPARE(b ? b->text() : QString(), caption);
        QCOMPARE(b->isEnabled(), number != drill); // the drill's own button is disabled
        if (number == drill)
            return;
        if (picture >= 0)
            QVERIFY(ui.startAt(3)); // a pass under way is simply left
        b->click();
        settle();
        QVERIFY(!zeb::forms::loaded(ui.d.form));
        QWidget *opened = findWindow(target);
        QVERIFY(opened && opened->isVisible());
        if (picture >= 0) {
            QCOMPARE(opened->windowTitle(),
                     u"Ejercicios gramaticales    ----  Unidad 17: Ejercicio "_s + exercise);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(opened->findChild<QPushButton *>(pictureButtons[i])->isEnabled(),
                         i != picture);
        }
    }
};

QTEST_MAIN(DrillWindowTest)
#include "tst_drillwindow.moc"
