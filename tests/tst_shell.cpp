// The program's shell, driven offscreen: the splash, the background, the menu, the about window.
#include "common/forms.h"
#include "common/random.h"
#include "draws.h"
#include "messagecatcher.h"
#include "shell/aboutflag.h"
#include "shell/program.h"
#include "windows.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QtTest>

using namespace Qt::StringLiterals;
using zeb::FormName;
using zeb::forms::loaded;

namespace {

// How many top-level windows are of the class: loaded or on their way out, or only the visible.
int count(const char *className, bool visibleOnly = false)
{
    int n = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        n += widget->inherits(className) && (!visibleOnly || widget->isVisible()) ? 1 : 0;
    return n;
}

// Whether the window is kept on top and stands in the middle of the screen, to a pixel.
bool centredOnTop(const QWidget *window)
{
    const QRect area = window->screen()->availableGeometry(), frame = window->frameGeometry();
    const int left = area.left() + std::max(0, area.width() / 2 - frame.width() / 2);
    const int top = area.top() + std::max(0, area.height() / 2 - frame.height() / 2);
    // A window's decorations are only known once it is on screen, after it was centred.
    const int slack = 1 + (frame.width() - window->width()) / 2;
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
           std::abs(frame.left() - left) <= slack && std::abs(frame.top() - top) <= slack;
}

// The text of the one message caught, if it was an information of that title with one button.
QString message(const MessageCatcher &catcher, const QString &title)
{
    const CaughtMessage m = catcher.messages.value(0, {{}, {}, QMessageBox::NoIcon, 0});
    const bool ok = catcher.messages.size() == 1 && m.title == title && m.buttonCount == 1;
    return ok && m.icon == QMessageBox::Information ? m.text : QString();
}

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT

    static void click(QWidget *w, const QString &b) { control<QPushButton>(w, b)->click(); }
    static QWidget *openAbout()
    {
        loaded(FormName::alap)->findChild<QAction *>(u"acerca"_s)->trigger();
        return loaded(FormName::sobre);
    }

private slots:
    void init()
    {
        zeb::AboutOpenedFromMenu = 0;
        zeb::defineForms();
    }
    void cleanup()
    {
        zeb::forms::discardAll();
        settle();
    }

    // The splash gives way to the menu after a moment, even under its open information text.
    void startUpAndMenu()
    {
        zeb::startProgram();
        QWidget *about = findWindow(u"sobre"_s);
        QVERIFY(about && about->isVisible() && centredOnTop(about));
        QCOMPARE(about->windowTitle(), u"A c e r c a   d e   Z  E  B"_s);
        QCOMPARE(about->cursor().shape(), Qt::WaitCursor);
        QVERIFY(control(about, u"Command1"_s)->isHidden());
        for (const char *name : {"Timer1", "Timer2"}) {
            auto *timer = about->findChild<QTimer *>(QLatin1StringView(name));
            QVERIFY2(timer && timer->isActive() && timer->interval() == 200, name);
        }
        QTest::qWait(100);
        QVERIFY(!loaded(FormName::alap));
        std::optional<MessageCatcher> catcher; // closes the text only once the splash has gone
        QTimer::singleShot(600, [&catcher] { catcher.emplace(); });
        QTest::mouseClick(control(about, u"Image2"_s), Qt::LeftButton);
        QVERIFY(catcher && !message(*catcher, u"Mi ez?"_s).isEmpty());

        QWidget *menu = findWindow(u"alap"_s);
        QVERIFY(menu && menu == loaded(FormName::alap) && menu->isVisible() && centredOnTop(menu));
        QVERIFY(!loaded(FormName::sobre) && !findWindow(u"sobre"_s));
        QCOMPARE(zeb::AboutOpenedFromMenu, 1);
        QWidget *background = findWindow(u"hatter"_s);
        QVERIFY(background && background->isVisible() && background->isMaximized());
        QCOMPARE(background->windowTitle(), u"Z E B"_s);
        settle();
        QVERIFY(count("zeb::AboutWindow") == 0 && count("zeb::MainMenu") == 1);

        QCOMPARE(menu->windowTitle(), u"ZEBrcicios gramaticales    ----   Unidad 17"_s);
        QCOMPARE(control(menu, u"Panel3D1"_s)->property("title").toString(),
                 u"Seleccione el ejercicio  pulsando sobre el icono:"_s);
        QCOMPARE(control<QPushButton>(menu, u"Command1"_s)->text(), u"&Cerrar"_s);
        QWidget *help = control(menu, u"ayuda"_s);
        QVERIFY(help && help->property("title") == u"&Ayuda"_s);
        QCOMPARE(help->actions().size(), 2);
        QCOMPARE(help->actions().at(0)->text(), u"A&cerca de ..."_s);
        QCOMPARE(help->actions().at(1)->text(), u"&Cómo ..."_s);
        catcher.emplace();
        help->actions().at(1)->trigger();
        QString accents =
            u"Las letras acentuadas y signos especiales son como sigue (sobre la base "
            u"del teclado inglés):|á = ' |é = ; |í = ` |ó = \\ |ú = / |ñ = [ |¡ = @ |¿ = # ."_s;
        accents.replace(u'|', u"\r\n"_s + QString(16, u' '));
        QCOMPARE(message(*catcher, u"Cómo ..."_s), accents);
    }

    // Each button, its caption the row's name, opens its exercise; "&Salir" brings the menu back.
    void menuButtons_data()
    {
        QTest::addColumn<FormName>("window");
        QTest::addColumn<QString>("chosen"); // the picture window's button of the exercise
        QTest::newRow("&1") << FormName::zeb1701 << QString();
        QTest::newRow("&2") << FormName::zeb1702 << u"Command3"_s;
        QTest::newRow("&4") << FormName::zeb1702 << u"Command5"_s;
        QTest::newRow("&5") << FormName::zeb1705 << QString();
        QTest::newRow("&6") << FormName::zeb1702 << u"Command10"_s;
        QTest::newRow("&7") << FormName::zeb1707 << QString();
        QTest::newRow("1&0") << FormName::zeb1710 << QString();
        QTest::newRow("2 &+ 4 + 6") << FormName::zeb1702 << u"Command4"_s;
    }
    void menuButtons()
    {
        QFETCH(FormName, window);
        QFETCH(QString, chosen);
        QPushButton *b = nullptr;
        for (auto *button : zeb::forms::show(FormName::alap)->findChildren<QPushButton *>())
            b = button->text() == QString::fromUtf8(QTest::currentDataTag()) ? button : b;
        QVERIFY(b && b->isVisible() && b->isEnabled());
        b->click();
        QWidget *exercise = loaded(window);
        QVERIFY(exercise && exercise->isVisible() && count("zeb::BackgroundWindow", true) == 1);
        QVERIFY(!loaded(FormName::alap) && !findWindow(u"alap"_s));
        if (chosen.isEmpty()) {
            click(exercise, u"Command3"_s);
        } else {
            const QString title = u"Ejercicios gramaticales    ----  Unidad 17: Ejercicio "_s;
            QCOMPARE(exercise->windowTitle(), title + b->text().remove(u'&'));
            for (const char *name : {"Command3", "Command5", "Command4", "Command10"})
                QCOMPARE(control<QPushButton>(exercise, name)->isEnabled(), name != chosen);
            click(exercise, u"Command9"_s);
        }
        QVERIFY(!loaded(window) && loaded(FormName::alap)->isVisible());
        QVERIFY(centredOnTop(loaded(FormName::alap)));
    }

    void aboutFromMenu()
    {
        QWidget *menu = zeb::forms::show(FormName::alap);
        QWidget *about = openAbout();
        QVERIFY(about && about->isVisible() && centredOnTop(about));
        QCOMPARE(about->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(control<QPushButton>(about, u"Command1"_s)->text(), u"&Vale"_s);
        QVERIFY(control(about, u"Command1"_s)->isVisible());
        auto *beat = about->findChild<QTimer *>(u"Timer2"_s);
        QVERIFY(!about->findChild<QTimer *>(u"Timer1"_s)->isActive() && beat->isActive());

        // The animation runs through the three frames and leaves a foreign picture alone.
        beat->stop();
        auto picture = [about](const char *image) {
            return control(about, QLatin1StringView(image))->property("picture").toString();
        };
        const QStringList frames = {picture("Image3"), picture("Image4"), picture("Image5")};
        QVERIFY(!frames[0].isEmpty() && QSet<QString>(frames.begin(), frames.end()).size() == 3);
        QCOMPARE(picture("Image1"), frames[0]);
        for (const QString &next : {frames[1], frames[2], frames[0], picture("Image2")}) {
            if (!frames.contains(next))
                control(about, u"Image1"_s)->setProperty("picture", next);
            QMetaObject::invokeMethod(beat, "timeout", Qt::DirectConnection);
            QCOMPARE(picture("Image1"), next);
        }

        MessageCatcher catcher;
        QTest::mouseClick(control(about, u"Image2"_s), Qt::LeftButton);
        const QStringList lines = message(catcher, u"Mi ez?"_s).split(u"\r\n"_s);
        QCOMPARE(lines.size(), 4);
        QVERIFY(!lines[0].startsWith(u' ') && lines[0].contains(u"spanyol"));
        QVERIFY(lines[1].startsWith(QString(6, u' ')) && lines[1].at(6) != u' ');
        QVERIFY(lines[2].startsWith(QString(14, u' ')) && lines[2].at(14) != u' ');
        QVERIFY(lines[3].startsWith(QString(15, u' ') + u"E-mail: "_s) && lines[3].size() > 23);
        QTest::keyClick(control(about, u"Image2"_s), Qt::Key_Space); // the same from the keyboard
        QCOMPARE(catcher.messages.size(), 2);

        QCOMPARE(openAbout(), about);
        QTest::qWait(500); // no second menu from the splash's timer
        QVERIFY(loaded(FormName::sobre) == about && loaded(FormName::alap) == menu);
        QVERIFY(menu->isVisible() && count("zeb::MainMenu") == 1 && count("zeb::AboutWindow") == 1);
        // "&Vale" or the close box unloads the window; the menu look stays for the next opening.
        click(about, u"Command1"_s);
        QVERIFY(!loaded(FormName::sobre) && !findWindow(u"sobre"_s));
        QWidget *again = openAbout();
        QVERIFY(control(again, u"Command1"_s)->isVisible() && again->close());
        QVERIFY(!loaded(FormName::sobre) && !findWindow(u"sobre"_s));
        QVERIFY(zeb::AboutOpenedFromMenu == 1 && loaded(FormName::alap) == menu);
        settle();
        QCOMPARE(count("zeb::AboutWindow"), 0);
    }

    // Steps: "a" the menu's about item, "v" Vale, "c" the close box, "d" a drill, "s" its Salir,
    // "." letting deferred deletions run; a blank only checks.
    void quickClicksNeverDoubleWindows()
    {
        zeb::forms::show(FormName::alap);
        QByteArray done;
        for (const char step : "avacaava aca.ca ava.vaca adsadsav dsdsacd"_ba) {
            QWidget *menu = loaded(FormName::alap), *about = loaded(FormName::sobre);
            if (menu && step == 'a')
                openAbout();
            else if (about && (step == 'v' || step == 'c'))
                step == 'v' ? click(about, u"Command1"_s) : void(about->close());
            else if (menu && step == 'd')
                click(menu, u"AniButton4"_s);
            else if (step == 's' && loaded(FormName::zeb1707))
                click(loaded(FormName::zeb1707), u"Command3"_s);
            else if (step == '.')
                settle();
            done += step;
            QVERIFY2(count("zeb::AboutWindow", true) < 2 && count("zeb::MainMenu", true) < 2, done);
            QVERIFY2(bool(loaded(FormName::alap)) != bool(loaded(FormName::zeb1707)), done);
        }
        QTest::qWait(300); // no splash timer left behind
        settle();
        QCOMPARE(count("zeb::AboutWindow"), loaded(FormName::sobre) ? 1 : 0);
        QCOMPARE(count("zeb::MainMenu"), loaded(FormName::alap) ? 1 : 0);
    }

    // A window sent away while boxes are open, its own among them, goes only after the last one
    // and once its handler is over, even if that handler opens another box after them: a drill's
    // box, the about window's over it, then the drill's Salir.
    void windowGoesAfterEveryOpenBox_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("boxes");
        QTest::newRow("under the wrong-answer box") << 2 << 2;
        QTest::newRow("under the capital warning, the wrong-answer box after") << 4 << 3;
    }
    void windowGoesAfterEveryOpenBox()
    {
        QFETCH(int, item);
        QFETCH(int, boxes);
        zeb::forms::show(FormName::alap);
        QWidget *about = openAbout();
        click(loaded(FormName::alap), u"AniButton3"_s); // 17/5; the about window stays
        QPointer<QWidget> drill = loaded(FormName::zeb1705);
        QVERIFY(drill && about->isVisible());
        scriptDraws({(item - 0.5) / 25});
        click(drill, u"Command1"_s);
        zeb::seedRandom(5);
        control<QLineEdit>(drill, u"Text2"_s)->setText(u"mal"_s);
        MessageCatcher catcher;
        catcher.whileOpen = [&] {
            catcher.whileOpen = [&] { click(drill, u"Command3"_s); };
            QTest::mouseClick(control(about, u"Image2"_s), Qt::LeftButton);
        };
        click(drill, u"Command2"_s);
        QCOMPARE(catcher.messages.size(), boxes);
        QCOMPARE(catcher.messages[1].title, u"Mi ez?"_s);
        settle();
        QVERIFY(!drill && loaded(FormName::alap) && loaded(FormName::alap)->isVisible());
    }

    // Last, as the application then stays in its closing state; the about window is open too.
    void cerrarEndsProgram()
    {
        QWidget *menu = zeb::forms::show(FormName::alap);
        QVERIFY(openAbout());
        QTimer::singleShot(0, menu, [menu] { click(menu, u"Command1"_s); });
        QTimer::singleShot(5000, menu, [] { QCoreApplication::exit(1); }); // if nothing else
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(quitting.count(), 1);
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
