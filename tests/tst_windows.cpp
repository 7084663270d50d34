// The windows offscreen, where a rule holds for every item, size or timing: what the approved
// record of the window states (tst_states) cannot show.
#include "common/accentkeys.h"
#include "common/platform.h"
#include "common/verbhint.h"
#include "drills/drilldescriptions.h"
#include "drills/drillengine.h"
#include "picture/picturecontrols.h"
#include "picture/pictureengine.h"
#include "shell/aboutflag.h"
#include "shell/program.h"
#include "testsupport.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <QtWidgets>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace Qt::StringLiterals;
using namespace zeb;
using forms::loaded;

namespace {

void click(QWidget *window, const char *name)
{
    control<QAbstractButton>(window, QLatin1StringView(name))->click();
}

QString picture(QWidget *window)
{
    return control(window, u"Image1"_s)->property("picture").toString();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

    MessageCatcher catcher;

private slots:
    void init()
    {
        AboutOpenedFromMenu = 0;
        defineForms();
        seedRandom(7);
        catcher.take();
    }
    void cleanup()
    {
        forms::discardAll();
        settle();
    }

    // Every sentence of every bank fits the labels around the gap, and its infinitive its own.
    void everySentenceFitsAroundTheGap()
    {
        for (const auto *d : {&drill1701(), &drill1705(), &drill1707(), &drill1710()}) {
            openExercise(d->exercise);
            QWidget *drill = loaded(d->window);
            for (const DrillRow &row : d->bank()) {
                for (const auto &[name, shown] :
                     {std::pair{u"Label6"_s, QString::fromUtf16(row.start) + u' '},
                      {u"Label7"_s, u' ' + QString::fromUtf16(row.end)},
                      {u"Label9"_s, QString::fromUtf16(row.infinitive)}}) {
                    const auto *label = control<QLabel>(drill, name);
                    QVERIFY2(label->fontMetrics().horizontalAdvance(shown) <=
                                 label->contentsRect().width(),
                             qPrintable(shown));
                }
            }
            forms::discardAll();
        }
    }

    // The accent keys act on typed keys only; a paste stays as it is. Enter with nothing to
    // judge changes nothing.
    void accentKeys()
    {
        openExercise(Exercise::Drill1);
        openExercise(Exercise::Picture2);
        QWidget *drill = loaded(FormName::zeb1701);
        for (QWidget *window : {drill, static_cast<QWidget *>(loaded(FormName::zeb1702))}) {
            auto *box = control<QLineEdit>(window, u"Text2"_s);
            box->show();
            QTest::keyClicks(box, u";'`[/\\@#a"_s);
            box->insert(u";@"_s);
            QCOMPARE(box->text(), window == drill ? u"éáíñúó@#a;@"_s : u"éáíñúó¡¿a;@"_s);
            QTest::keyClick(box, Qt::Key_Return); // no task on screen
            QVERIFY(catcher.take().isEmpty() && box->text().size() == 11);
        }
    }

    // A drill sent away under its own box and the about window's box over it goes only once the
    // last box has closed, even when its handler opens another box after them.
    void windowGoesAfterEveryOpenBox()
    {
        forms::show(FormName::alap)->findChild<QAction *>(u"acerca"_s)->trigger();
        QWidget *about = loaded(FormName::sobre);
        click(loaded(FormName::alap), "AniButton3");
        QPointer<QWidget> drill = loaded(FormName::zeb1705);
        const DrillBank bank = drill1705().bank();
        int item = 1;
        while (!opensWithGap(QString::fromUtf16(bank[item - 1].start)))
            ++item;
        scriptDraws({(item - 0.5) / int(bank.size())});
        click(drill, "Command1");
        control<QLineEdit>(drill, u"Text2"_s)->setText(u"mal"_s);
        catcher.whileOpen = [&] {
            catcher.whileOpen = [&] { click(drill, "Command3"); };
            QTest::mouseClick(control(about, u"Image2"_s), Qt::LeftButton);
        };
        click(drill, "Command2");
        QCOMPARE(catcher.take().size(), 3); // the capital warning, the about text, the verdict
        settle();
        QVERIFY(!drill && loaded(FormName::alap)->isVisible());
    }

    // The splash gives way to the menu by itself, once; the about window's picture turns by
    // itself; nothing is said while no screen reader runs.
    void timersAndSilence()
    {
        startProgram();
        QTRY_VERIFY(loaded(FormName::alap) && !loaded(FormName::sobre));
        loaded(FormName::alap)->findChild<QAction *>(u"acerca"_s)->trigger();
        QWidget *about = loaded(FormName::sobre);
        const QString frame = picture(about);
        QTRY_VERIFY(picture(about) != frame);
        QTRY_VERIFY(picture(about) == frame);
        QTest::qWait(300); // the splash's timer is off: the menu stays, the window too
        QVERIFY(loaded(FormName::sobre) == about && loaded(FormName::alap)->isVisible());
        openExercise(Exercise::Drill5);
        click(loaded(FormName::zeb1705), "Command1");
        QVERIFY(!control(loaded(FormName::zeb1705), u"SpokenLine"_s));
    }

    // Each painted control's focus mark stands out 3:1 against what it covers, all round the
    // control, and more than the hover look does.
    void focusMarks()
    {
        const auto luminance = [](QRgb c) {
            const auto linear = [](int v) {
                return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) +
                   0.0722 * linear(qBlue(c)) + 0.05;
        };
        const auto standsOut = [&](const QImage &before, const QImage &after) {
            int pixels = 0;
            for (int y = 0; y < before.height(); ++y)
                for (int x = 0; x < before.width(); ++x) {
                    const double a = luminance(before.pixel(x, y)),
                                 b = luminance(after.pixel(x, y));
                    pixels += std::max(a, b) / std::min(a, b) >= 3;
                }
            return pixels;
        };
        QWidget *menu = forms::show(FormName::alap);
        QWidget *about = forms::show(FormName::sobre);
        openExercise(Exercise::Picture2);
        QWidget *picture = loaded(FormName::zeb1702);
        click(picture, "Command6");
        for (QWidget *c : {control(menu, u"AniButton1"_s), control(about, u"Image2"_s),
                           control(picture, u"Image1"_s)}) {
            QApplication::setActiveWindow(c->window());
            c->clearFocus();
            const QImage plain = c->grab().toImage();
            c->setFocus(Qt::TabFocusReason);
            const QImage focused = c->grab().toImage();
            const QSize size = plain.size();
            QVERIFY2(standsOut(plain, focused) >= 2 * (size.width() + size.height()),
                     qPrintable(c->objectName()));
            c->clearFocus();
            QEvent enter(QEvent::Enter);
            c->setAttribute(Qt::WA_UnderMouse);
            QApplication::sendEvent(c, &enter);
            QVERIFY(standsOut(plain, c->grab().toImage()) < standsOut(plain, focused));
        }
    }

    // Last, as the application then stays in its closing state.
    void cerrarEndsProgram()
    {
        QWidget *menu = forms::show(FormName::alap);
        QTimer::singleShot(0, menu, [menu] { click(menu, "Command1"); });
        QTimer::singleShot(5000, menu, [] { QCoreApplication::exit(1); }); // if nothing else
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(WindowTest)
#include "tst_windows.moc"
