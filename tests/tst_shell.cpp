// The program's shell, driven offscreen as the learner drives it: the start-up splash, the
// background window, the main menu with its help texts, and the about window in both its looks.
#include "common/forms.h"
#include "messagecatcher.h"
#include "shell/aboutflag.h"
#include "shell/alap.h"
#include "shell/hatter.h"
#include "shell/program.h"
#include "shell/sobre.h"
#include "windows.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
using zeb::FormName;

namespace {

const QString menuCaption = u"ZEBrcicios gramaticales    ----   Unidad 17"_s;
const QString aboutCaption = u"A c e r c a   d e   Z  E  B"_s;
const QString pictureCaption = u"Ejercicios gramaticales    ----  Unidad 17: Ejercicio "_s;

// The program's top-level windows of one class, loaded or on their way out.
template <typename T> QList<T *> windowsOf()
{
    QList<T *> found;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<T *>(widget))
            found << window;
    return found;
}

template <typename T> int visibleCount()
{
    int count = 0;
    for (T *window : windowsOf<T>())
        count += window->isVisible() ? 1 : 0;
    return count;
}

// How many top-level windows answer to the name; an unloaded window loses its name at once.
int namedCount(const QString &name)
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == name ? 1 : 0;
    return count;
}

QWidget *loaded(FormName name)
{
    return zeb::forms::loaded(name);
}

bool keptOnTop(const QWidget *window)
{
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// Whether the window stands in the middle of the screen (as far as it fits), to a pixel.
bool centred(const QWidget *window)
{
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const int left = area.left() + std::max(0, area.width() / 2 - frame.width() / 2);
    const int top = area.top() + std::max(0, area.height() / 2 - frame.height() / 2);
    // A window's decorations are only known once it is on screen, after it was centred.
    const int slack = 1 + (frame.width() - window->width()) / 2;
    if (std::abs(frame.left() - left) > slack || std::abs(frame.top() - top) > slack) {
        qWarning() << window->objectName() << "at" << frame << "expected top-left" << left << top;
        return false;
    }
    return true;
}

QAction *menuItem(QWidget *menu, const char *name)
{
    return menu ? menu->findChild<QAction *>(QLatin1StringView(name)) : nullptr;
}

QTimer *timer(QWidget *about, const char *name)
{
    return about ? about->findChild<QTimer *>(QLatin1StringView(name)) : nullptr;
}

QString picture(QWidget *about, const char *image)
{
    return control(about, QLatin1StringView(image))->property("picture").toString();
}

// One beat of the animation, as the timer gives it.
void tick(QTimer *timer)
{
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
}

void click(QWidget *window, const char *button)
{
    auto *b = control<QAbstractButton>(window, QLatin1StringView(button));
    QVERIFY2(b, button);
    b->click();
}

QWidget *openMenu()
{
    return zeb::forms::show(FormName::alap);
}

QWidget *openAboutFromMenu()
{
    QAction *about = menuItem(loaded(FormName::alap), "acerca");
    if (!about)
        return nullptr;
    about->trigger();
    return loaded(FormName::sobre);
}

// The picture exercise window, until the real one exists: its four exercise buttons and
// "&Salir". Its own load leaves a caption and all four buttons disabled, so that whatever the
// menu sets afterwards shows.
class PictureWindowStandIn : public zeb::Form
{
public:
    PictureWindowStandIn() : Form(FormName::zeb1702)
    {
        auto *client = new QWidget(this);
        setCentralWidget(client);
        for (const char *name : {"Command3", "Command5", "Command4", "Command10"})
            (new QPushButton(client))->setObjectName(QLatin1StringView(name));
        auto *exit = new QPushButton(u"&Salir"_s, client);
        exit->setObjectName(u"Command9"_s);
        connect(exit, &QPushButton::clicked, this, [this] {
            zeb::forms::show(FormName::alap);
            zeb::forms::unload(this);
        });
    }
    void Form_Load() override
    {
        setWindowTitle(u"loading"_s);
        for (auto *button : findChildren<QPushButton *>())
            button->setEnabled(button->objectName() == u"Command9"_s);
    }
};

// A test whose fault could be a crash runs in a process of its own, so that a crash fails that
// test alone. Returns true in that process, where the test then runs; false in the main run,
// where it has checked that the other process ran the test to a clean pass.
bool inOwnProcess()
{
    if (qEnvironmentVariableIsSet("ZEB_SHELL_TEST_CHILD"))
        return true;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"ZEB_SHELL_TEST_CHILD"_s, u"1"_s);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(QTest::currentTestFunction())});
    const bool finished = child.waitForFinished(30000);
    if (finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0)
        return false;
    // What the other process said, without the platform's chatter and the crash's stack trace.
    QStringList said;
    for (const QString &line : QString::fromLocal8Bit(child.readAll()).split(u'\n')) {
        if (line.startsWith(u'#'))
            continue;
        if (line.startsWith(u"FAIL!") || line.startsWith(u"   ") ||
            line.contains(u"Received signal") || line.contains(u"invalid pointer") ||
            line.contains(u"free()"))
            said << line;
    }
    const QString ending = !finished                                   ? u"did not finish"_s
                           : child.exitStatus() == QProcess::CrashExit ? u"crashed"_s
                                                                       : u"failed"_s;
    QTest::qFail(
        qPrintable(u"in its own process, the test "_s + ending + u":\n"_s + said.join(u'\n')),
        __FILE__, __LINE__);
    return false;
}

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpShowsSplashAlone();
    void splashGivesWayToMenuAfterMoment();
    void splashClosedEarlyOpensNoMenu();
    void backgroundWindowIsMaximisedYellowDesktop();
    void windowsOpenCentred_data();
    void windowsOpenCentred();

    void menuLooksAsDesigned();
    void menuButtonCaptions_data();
    void menuButtonCaptions();
    void comoShowsAccentKeys();
    void drillButtonOpensDrillAndUnloadsMenu_data();
    void drillButtonOpensDrillAndUnloadsMenu();
    void salirBringsMenuBackOnTop_data();
    void salirBringsMenuBackOnTop();
    void pictureButtonOpensPictureWindowForItsExercise_data();
    void pictureButtonOpensPictureWindowForItsExercise();
    void pictureExerciseChosenAgainLeavesOnlyItsButtonDisabled();
    void closingMenuKeepsBackground();

    void aboutWindowShowsProgramAndAuthor();
    void aboutFromMenuTakesMenuLook();
    void aboutFromMenuNeverOpensSecondMenu();
    void aboutChosenAgainBringsSameWindow();
    void aboutWindowEnds_data();
    void aboutWindowEnds();
    void aboutWindowOutlivesMenu();
    void flagStaysSetOnceAboutHasGone();
    void animationRunsThroughFrames();
    void animationRunsOnItsOwn();
    void animationLeavesStrangePicture();
    void informationIconShowsInformation();

    void quickClicksNeverDoubleWindows_data();
    void quickClicksNeverDoubleWindows();
    void informationDuringSplashOutlivesSplash();

    // Last: once the program has been ended, the application stays in its closing state.
    void cerrarEndsProgram_data();
    void cerrarEndsProgram();
};

void ShellTest::init()
{
    zeb::AboutOpenedFromMenu = 0;
    zeb::defineForms();
    zeb::forms::define(FormName::zeb1702, [] { return new PictureWindowStandIn; });
}

void ShellTest::cleanup()
{
    zeb::forms::discardAll();
    settle();
    zeb::AboutOpenedFromMenu = 0;
}

// ---- Start-up -------------------------------------------------------------------------------

void ShellTest::startUpShowsSplashAlone()
{
    zeb::startProgram();
    QWidget *about = findWindow(u"sobre"_s);
    QVERIFY(about);
    QList<QWidget *> visible;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            visible << widget;
    QCOMPARE(visible, QList<QWidget *>{about});

    QCOMPARE(about->windowTitle(), aboutCaption);
    QCOMPARE(about->cursor().shape(), Qt::WaitCursor);
    QVERIFY(control(about, u"Command1"_s)->isHidden());
    QVERIFY(keptOnTop(about));
    QVERIFY(timer(about, "Timer1")->isActive());
    QCOMPARE(timer(about, "Timer1")->interval(), 200);
    QVERIFY(timer(about, "Timer2")->isActive());
    QCOMPARE(timer(about, "Timer2")->interval(), 200);
    QCOMPARE(zeb::AboutOpenedFromMenu, 0);
}

void ShellTest::splashGivesWayToMenuAfterMoment()
{
    QElapsedTimer clock;
    clock.start();
    zeb::startProgram();
    QApplication::processEvents();
    QVERIFY(!loaded(FormName::alap));
    QTRY_VERIFY_WITH_TIMEOUT(findWindow(u"alap"_s) && findWindow(u"alap"_s)->isVisible(), 3000);
    QVERIFY2(clock.elapsed() >= 150, qPrintable(QString::number(clock.elapsed())));

    QVERIFY(!loaded(FormName::sobre));
    QVERIFY(!findWindow(u"sobre"_s));
    QCOMPARE(visibleCount<zeb::AboutWindow>(), 0);
    QCOMPARE(zeb::AboutOpenedFromMenu, 1);
    QWidget *background = findWindow(u"hatter"_s);
    QVERIFY(background && background->isVisible());
    QCOMPARE(visibleCount<zeb::MainMenu>(), 1);
    QCOMPARE(visibleCount<zeb::BackgroundWindow>(), 1);
    settle();
    QCOMPARE(windowsOf<zeb::AboutWindow>().size(), 0);
}

void ShellTest::splashClosedEarlyOpensNoMenu()
{
    zeb::startProgram();
    QVERIFY(findWindow(u"sobre"_s)->close());
    QTest::qWait(400);
    QVERIFY(!loaded(FormName::alap));
    QVERIFY(!loaded(FormName::sobre));
    QCOMPARE(zeb::AboutOpenedFromMenu, 1);
}

void ShellTest::backgroundWindowIsMaximisedYellowDesktop()
{
    openMenu();
    QWidget *background = findWindow(u"hatter"_s);
    QVERIFY(background);
    QVERIFY(background->isVisible());
    QCOMPARE(background->windowTitle(), u"Z E B"_s);
    QVERIFY(background->windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(background->palette().color(QPalette::Window), QColor(255, 255, 224));
    QCOMPARE(background->cursor().shape(), Qt::ArrowCursor); // the hourglass only flickers
    QVERIFY(background->findChildren<QAbstractButton *>().isEmpty());
}

void ShellTest::windowsOpenCentred_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("splash") << u"splash"_s;
    QTest::addRow("menu") << u"menu"_s;
    QTest::addRow("menu back from a drill") << u"salir"_s;
    QTest::addRow("about from the menu") << u"about"_s;
}

void ShellTest::windowsOpenCentred()
{
    QFETCH(QString, how);
    QWidget *window = nullptr;
    if (how == u"splash") {
        zeb::startProgram();
        window = findWindow(u"sobre"_s);
    } else {
        window = openMenu();
        if (how == u"salir") {
            click(window, "AniButton1");
            click(loaded(FormName::zeb1701), "Command3");
            window = loaded(FormName::alap);
        } else if (how == u"about") {
            window = openAboutFromMenu();
        }
    }
    QVERIFY(window && window->isVisible());
    QVERIFY(centred(window));
}

// ---- Main menu ------------------------------------------------------------------------------

void ShellTest::menuLooksAsDesigned()
{
    QWidget *menu = openMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->windowTitle(), menuCaption);
    QCOMPARE(control(menu, u"Panel3D1"_s)->property("title").toString(),
             u"Seleccione el ejercicio  pulsando sobre el icono:"_s);
    QCOMPARE(control<QPushButton>(menu, u"Command1"_s)->text(), u"&Cerrar"_s);
    QVERIFY(keptOnTop(menu));

    auto *help = menu->findChild<QMenu *>(u"ayuda"_s);
    QVERIFY(help);
    QCOMPARE(help->title(), u"&Ayuda"_s);
    QCOMPARE(help->actions().size(), 2);
    QCOMPARE(help->actions().at(0), menuItem(menu, "acerca"));
    QCOMPARE(help->actions().at(1), menuItem(menu, "como"));
    QCOMPARE(menuItem(menu, "acerca")->text(), u"A&cerca de ..."_s);
    QCOMPARE(menuItem(menu, "como")->text(), u"&Cómo ..."_s);
}

void ShellTest::menuButtonCaptions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addRow("AniButton1") << u"AniButton1"_s << u"&1"_s;
    QTest::addRow("AniButton2") << u"AniButton2"_s << u"&2"_s;
    QTest::addRow("AniButton6") << u"AniButton6"_s << u"&4"_s;
    QTest::addRow("AniButton3") << u"AniButton3"_s << u"&5"_s;
    QTest::addRow("AniButton8") << u"AniButton8"_s << u"&6"_s;
    QTest::addRow("AniButton4") << u"AniButton4"_s << u"&7"_s;
    QTest::addRow("AniButton5") << u"AniButton5"_s << u"1&0"_s;
    QTest::addRow("AniButton7") << u"AniButton7"_s << u"2 &+ 4 + 6"_s;
}

void ShellTest::menuButtonCaptions()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    auto *b = control<QPushButton>(openMenu(), button);
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    QVERIFY(b->isVisible());
    QVERIFY(b->isEnabled());
}

void ShellTest::comoShowsAccentKeys()
{
    QWidget *menu = openMenu();
    MessageCatcher catcher;
    menuItem(menu, "como")->trigger();
    QCOMPARE(catcher.messages.size(), 1);
    const CaughtMessage message = catcher.messages.first();
    QCOMPARE(message.title, u"Cómo ..."_s);
    QCOMPARE(message.icon, QMessageBox::Information);
    QCOMPARE(message.buttonCount, 1);
    const QString blanks(16, u' ');
    const QStringList lines = {
        u"Las letras acentuadas y signos especiales son como sigue (sobre la base del teclado "
        u"inglés):"_s,
        blanks + u"á = ' "_s,
        blanks + u"é = ; "_s,
        blanks + u"í = ` "_s,
        blanks + u"ó = \\ "_s,
        blanks + u"ú = / "_s,
        blanks + u"ñ = [ "_s,
        blanks + u"¡ = @ "_s,
        blanks + u"¿ = # ."_s,
    };
    QCOMPARE(message.text, lines.join(u"\r\n"_s));
    QCOMPARE(loaded(FormName::alap), menu); // the menu stays
}

namespace {

void drillRows()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<FormName>("drill");
    QTest::addRow("&1") << u"AniButton1"_s << FormName::zeb1701;
    QTest::addRow("&5") << u"AniButton3"_s << FormName::zeb1705;
    QTest::addRow("&7") << u"AniButton4"_s << FormName::zeb1707;
    QTest::addRow("1&0") << u"AniButton5"_s << FormName::zeb1710;
}

} // namespace

void ShellTest::drillButtonOpensDrillAndUnloadsMenu_data()
{
    drillRows();
}

void ShellTest::drillButtonOpensDrillAndUnloadsMenu()
{
    QFETCH(QString, button);
    QFETCH(FormName, drill);
    openMenu();
    QWidget *background = loaded(FormName::hatter);
    click(loaded(FormName::alap), button.toLatin1().constData());
    QWidget *window = loaded(drill);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!loaded(FormName::alap));
    QVERIFY(!findWindow(u"alap"_s));
    QCOMPARE(visibleCount<zeb::MainMenu>(), 0);
    QCOMPARE(loaded(FormName::hatter), background);
    QVERIFY(background->isVisible());
    settle();
    QCOMPARE(windowsOf<zeb::MainMenu>().size(), 0);
}

void ShellTest::salirBringsMenuBackOnTop_data()
{
    drillRows();
}

void ShellTest::salirBringsMenuBackOnTop()
{
    QFETCH(QString, button);
    QFETCH(FormName, drill);
    openMenu();
    QWidget *background = loaded(FormName::hatter);
    click(loaded(FormName::alap), button.toLatin1().constData());
    click(loaded(drill), "Command3");
    QVERIFY(!loaded(drill));
    QWidget *menu = loaded(FormName::alap);
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->windowTitle(), menuCaption);
    QVERIFY(keptOnTop(menu));
    QCOMPARE(loaded(FormName::hatter), background);
    QCOMPARE(visibleCount<zeb::BackgroundWindow>(), 1);
    QCOMPARE(visibleCount<zeb::MainMenu>(), 1);
}

void ShellTest::pictureButtonOpensPictureWindowForItsExercise_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("captionEnd");
    QTest::addColumn<QString>("chosen");
    QTest::addRow("&2") << u"AniButton2"_s << u"2"_s << u"Command3"_s;
    QTest::addRow("&4") << u"AniButton6"_s << u"4"_s << u"Command5"_s;
    QTest::addRow("&6") << u"AniButton8"_s << u"6"_s << u"Command10"_s;
    QTest::addRow("2 &+ 4 + 6") << u"AniButton7"_s << u"2 + 4 + 6"_s << u"Command4"_s;
}

void ShellTest::pictureButtonOpensPictureWindowForItsExercise()
{
    QFETCH(QString, button);
    QFETCH(QString, captionEnd);
    QFETCH(QString, chosen);
    openMenu();
    click(loaded(FormName::alap), button.toLatin1().constData());
    QWidget *window = loaded(FormName::zeb1702);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), pictureCaption + captionEnd);
    for (const QString &name : {u"Command3"_s, u"Command5"_s, u"Command4"_s, u"Command10"_s})
        QVERIFY2(control(window, name)->isEnabled() == (name != chosen), qPrintable(name));
    QVERIFY(!loaded(FormName::alap));
    QCOMPARE(visibleCount<zeb::MainMenu>(), 0);
}

void ShellTest::pictureExerciseChosenAgainLeavesOnlyItsButtonDisabled()
{
    openMenu();
    click(loaded(FormName::alap), "AniButton7");
    QVERIFY(!control(loaded(FormName::zeb1702), u"Command4"_s)->isEnabled());
    click(loaded(FormName::zeb1702), "Command9");
    click(loaded(FormName::alap), "AniButton8");
    QWidget *window = loaded(FormName::zeb1702);
    QCOMPARE(window->windowTitle(), pictureCaption + u"6"_s);
    QVERIFY(control(window, u"Command3"_s)->isEnabled());
    QVERIFY(control(window, u"Command5"_s)->isEnabled());
    QVERIFY(control(window, u"Command4"_s)->isEnabled());
    QVERIFY(!control(window, u"Command10"_s)->isEnabled());
}

void ShellTest::closingMenuKeepsBackground()
{
    QWidget *menu = openMenu();
    QVERIFY(menu->close());
    QVERIFY(!loaded(FormName::alap));
    QWidget *background = loaded(FormName::hatter);
    QVERIFY(background && background->isVisible());
}

// ---- About window ---------------------------------------------------------------------------

void ShellTest::aboutWindowShowsProgramAndAuthor()
{
    QWidget *about = zeb::forms::show(FormName::sobre);
    QCOMPARE(control(about, u"Panel3D1"_s)->property("title").toString(),
             QString(74, u' ') + u"Z E B"_s);
    QCOMPARE(control<QLabel>(about, u"Label5"_s)->text(),
             u"(Ejercicios gramaticales de español)"_s);
    QCOMPARE(control<QLabel>(about, u"Label3"_s)->text(), u"Autor:"_s);
    QCOMPARE(control<QLabel>(about, u"Label2"_s)->text(), u"1999"_s);
    QCOMPARE(control<QLabel>(about, u"Label6"_s)->text(),
             u"Si quiere más información, pulse aquí:"_s);
    const QString author = control<QLabel>(about, u"Label4"_s)->text();
    QVERIFY2(author.endsWith(u','), qPrintable(author));
    QVERIFY2(author.contains(u" ("_s) && author.contains(u")"_s), qPrintable(author));
    QCOMPARE(about->palette().color(QPalette::Window), QColor(192, 192, 192));
    for (const char *frame : {"Image3", "Image4", "Image5"})
        QVERIFY(control(about, QLatin1StringView(frame))->isHidden());
    QVERIFY(control(about, u"Image1"_s)->isVisible());
    QVERIFY(control(about, u"Image2"_s)->isVisible());
}

void ShellTest::aboutFromMenuTakesMenuLook()
{
    openMenu();
    QWidget *about = openAboutFromMenu();
    QVERIFY(about);
    QCOMPARE(zeb::AboutOpenedFromMenu, 1);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), aboutCaption);
    QCOMPARE(about->cursor().shape(), Qt::ArrowCursor);
    auto *vale = control<QPushButton>(about, u"Command1"_s);
    QCOMPARE(vale->text(), u"&Vale"_s);
    QVERIFY(vale->isVisible());
    QVERIFY(keptOnTop(about));
    QVERIFY(!timer(about, "Timer1")->isActive());
    QVERIFY(timer(about, "Timer2")->isActive());
    QVERIFY(loaded(FormName::alap)->isVisible()); // the menu stays
}

void ShellTest::aboutFromMenuNeverOpensSecondMenu()
{
    QWidget *menu = openMenu();
    QWidget *about = openAboutFromMenu();
    QTest::qWait(500);
    QCOMPARE(loaded(FormName::sobre), about);
    QVERIFY(about->isVisible());
    QCOMPARE(loaded(FormName::alap), menu);
    QCOMPARE(windowsOf<zeb::MainMenu>().size(), 1);
    QCOMPARE(namedCount(u"alap"_s), 1);
}

void ShellTest::aboutChosenAgainBringsSameWindow()
{
    openMenu();
    QWidget *about = openAboutFromMenu();
    QCOMPARE(openAboutFromMenu(), about);
    QCOMPARE(openAboutFromMenu(), about);
    QCOMPARE(windowsOf<zeb::AboutWindow>().size(), 1);
    QCOMPARE(visibleCount<zeb::AboutWindow>(), 1);
    QVERIFY(control(about, u"Command1"_s)->isVisible());
    QVERIFY(!timer(about, "Timer1")->isActive());
}

void ShellTest::aboutWindowEnds_data()
{
    QTest::addColumn<bool>("byVale");
    QTest::addRow("&Vale") << true;
    QTest::addRow("close box") << false;
}

void ShellTest::aboutWindowEnds()
{
    QFETCH(bool, byVale);
    QWidget *menu = openMenu();
    QWidget *about = openAboutFromMenu();
    if (byVale)
        click(about, "Command1");
    else
        QVERIFY(about->close());
    QVERIFY(!loaded(FormName::sobre));
    QVERIFY(!findWindow(u"sobre"_s));
    QCOMPARE(visibleCount<zeb::AboutWindow>(), 0);
    QCOMPARE(zeb::AboutOpenedFromMenu, 1);
    QCOMPARE(loaded(FormName::alap), menu);
    QVERIFY(menu->isVisible());
    QTest::qWait(300);
    QCOMPARE(windowsOf<zeb::MainMenu>().size(), 1);
    QCOMPARE(windowsOf<zeb::AboutWindow>().size(), 0);
}

void ShellTest::aboutWindowOutlivesMenu()
{
    openMenu();
    QWidget *about = openAboutFromMenu();
    click(loaded(FormName::alap), "AniButton3");
    QVERIFY(loaded(FormName::zeb1705));
    QVERIFY(!loaded(FormName::alap));
    QCOMPARE(loaded(FormName::sobre), about);
    QVERIFY(about->isVisible());
    QVERIFY(keptOnTop(about));
}

void ShellTest::flagStaysSetOnceAboutHasGone()
{
    // The splash's own unload sets the flag: every later opening has the menu look.
    zeb::startProgram();
    QTRY_VERIFY_WITH_TIMEOUT(loaded(FormName::alap), 3000);
    QCOMPARE(zeb::AboutOpenedFromMenu, 1);
    click(openAboutFromMenu(), "Command1");
    QCOMPARE(zeb::AboutOpenedFromMenu, 1);

    QWidget *about = zeb::forms::show(FormName::sobre); // not through the menu
    QVERIFY(control(about, u"Command1"_s)->isVisible());
    QCOMPARE(about->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(about->close());
    QCOMPARE(zeb::AboutOpenedFromMenu, 1);
    QCOMPARE(windowsOf<zeb::MainMenu>().size(), 1);
}

void ShellTest::animationRunsThroughFrames()
{
    QWidget *about = zeb::forms::show(FormName::sobre);
    timer(about, "Timer1")->stop();
    timer(about, "Timer2")->stop();
    const QString first = picture(about, "Image3");
    const QString second = picture(about, "Image4");
    const QString third = picture(about, "Image5");
    QVERIFY(!first.isEmpty() && !second.isEmpty() && !third.isEmpty());
    QVERIFY(first != second && second != third && third != first);
    QCOMPARE(picture(about, "Image1"), first);
    const QStringList expected = {second, third, first, second, third, first, second};
    QStringList shown;
    for (int i = 0; i < expected.size(); ++i) {
        tick(timer(about, "Timer2"));
        shown << picture(about, "Image1");
    }
    QCOMPARE(shown, expected);
}

void ShellTest::animationRunsOnItsOwn()
{
    openMenu();
    QWidget *about = openAboutFromMenu();
    const QString second = picture(about, "Image4");
    const QString third = picture(about, "Image5");
    QTRY_COMPARE_WITH_TIMEOUT(picture(about, "Image1"), second, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(picture(about, "Image1"), third, 2000);
}

void ShellTest::animationLeavesStrangePicture()
{
    QWidget *about = zeb::forms::show(FormName::sobre);
    timer(about, "Timer1")->stop();
    timer(about, "Timer2")->stop();
    QWidget *image1 = control(about, u"Image1"_s);
    for (const QString &strange : {picture(about, "Image2"), QString()}) {
        image1->setProperty("picture", strange);
        for (int i = 0; i < 3; ++i)
            tick(timer(about, "Timer2"));
        QCOMPARE(picture(about, "Image1"), strange);
    }
}

void ShellTest::informationIconShowsInformation()
{
    openMenu();
    QWidget *about = openAboutFromMenu();
    MessageCatcher catcher;
    QTest::mouseClick(control(about, u"Image2"_s), Qt::LeftButton);
    QCOMPARE(catcher.messages.size(), 1);
    const CaughtMessage message = catcher.messages.first();
    QCOMPARE(message.title, u"Mi ez?"_s);
    QCOMPARE(message.icon, QMessageBox::Information);
    QCOMPARE(message.buttonCount, 1);

    const QStringList parts = message.text.split(u"\r\n"_s);
    QCOMPARE(parts.size(), 4);
    QVERIFY(parts[0].size() > 200);
    QVERIFY(!parts[0].startsWith(u' '));
    QVERIFY(parts[0].contains(u"spanyol"_s));
    // The author's name, institution and institute as the about window shows them, then the group.
    const QString author = control<QLabel>(about, u"Label4"_s)->text();
    const QString name = author.section(u" ("_s, 0, 0);
    const QString places = author.section(u" ("_s, 1).section(u')', 0, 0);
    const QString authorLine = QString(6, u' ') + name + u", "_s + places + u", "_s;
    QVERIFY2(parts[1].startsWith(authorLine), qPrintable(parts[1]));
    QVERIFY(parts[1].size() > authorLine.size());
    QVERIFY(parts[2].startsWith(QString(14, u' ')) && parts[2].at(14) != u' ');
    QVERIFY(parts[3].startsWith(QString(15, u' ') + u"E-mail: "_s));
    QVERIFY(parts[3].size() > 23 && parts[3].at(23) != u' ');
    QCOMPARE(loaded(FormName::sobre), about); // the window stays
}

// ---- Robustness -----------------------------------------------------------------------------

void ShellTest::quickClicksNeverDoubleWindows_data()
{
    QTest::addColumn<QStringList>("steps");
    auto row = [](const char *name, const char *steps) {
        QTest::addRow("%s", name) << QString::fromLatin1(steps).split(u' ');
    };
    row("about, vale, about", "acerca vale acerca vale acerca");
    row("about again and again", "acerca acerca acerca close acerca acerca vale");
    row("close then about", "acerca close acerca settle close acerca");
    row("vale and about in one go", "acerca vale acerca close acerca vale acerca settle");
    row("about over exercises", "acerca drill salir acerca picture salir acerca vale drill");
    row("exercise to exercise", "drill salir picture salir drill salir acerca close");
    row("splash then about", "start acerca vale acerca close acerca");
    row("splash, exercise, about", "start drill salir acerca settle drill salir acerca");
}

void ShellTest::quickClicksNeverDoubleWindows()
{
    QFETCH(QStringList, steps);
    openMenu();
    auto checkWindows = [](const QString &step) {
        QVERIFY2(namedCount(u"sobre"_s) <= 1, qPrintable(step));
        QVERIFY2(visibleCount<zeb::AboutWindow>() <= 1, qPrintable(step));
        QVERIFY2(namedCount(u"alap"_s) <= 1, qPrintable(step));
        QVERIFY2(visibleCount<zeb::MainMenu>() <= 1, qPrintable(step));
        QVERIFY2(visibleCount<zeb::BackgroundWindow>() == 1, qPrintable(step));
        int places = 0; // the menu or one exercise, never two
        for (FormName name : {FormName::alap, FormName::zeb1701, FormName::zeb1702,
                              FormName::zeb1705, FormName::zeb1707, FormName::zeb1710})
            places += loaded(name) ? 1 : 0;
        QVERIFY2(places == 1, qPrintable(step));
    };
    for (const QString &step : steps) {
        QWidget *menu = loaded(FormName::alap);
        QWidget *about = loaded(FormName::sobre);
        if (step == u"start") {
            zeb::forms::discardAll();
            zeb::AboutOpenedFromMenu = 0;
            zeb::startProgram();
            QTRY_VERIFY_WITH_TIMEOUT(loaded(FormName::alap), 3000);
        } else if (step == u"acerca" && menu) {
            menuItem(menu, "acerca")->trigger();
        } else if (step == u"vale" && about) {
            click(about, "Command1");
        } else if (step == u"close" && about) {
            about->close();
        } else if (step == u"drill" && menu) {
            click(menu, "AniButton4");
        } else if (step == u"picture" && menu) {
            click(menu, "AniButton7");
        } else if (step == u"salir") {
            if (QWidget *drill = loaded(FormName::zeb1707))
                click(drill, "Command3");
            if (QWidget *pictures = loaded(FormName::zeb1702))
                click(pictures, "Command9");
        } else if (step == u"settle") {
            settle();
        }
        checkWindows(step);
        if (QTest::currentTestFailed())
            return;
    }
    QTest::qWait(300); // no splash timer left behind
    settle();
    checkWindows(u"after a pause"_s);
    QCOMPARE(windowsOf<zeb::AboutWindow>().size(), loaded(FormName::sobre) ? 1 : 0);
    QCOMPARE(windowsOf<zeb::MainMenu>().size(), loaded(FormName::alap) ? 1 : 0);
    QCOMPARE(zeb::AboutOpenedFromMenu, 1);
}

void ShellTest::informationDuringSplashOutlivesSplash()
{
    if (!inOwnProcess())
        return;
    // The learner reads the information text for longer than the splash lasts.
    zeb::startProgram();
    QWidget *about = findWindow(u"sobre"_s);
    QString title;
    QTimer::singleShot(600, [&title] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            box->button(QMessageBox::Ok)->click();
        }
    });
    QTest::mouseClick(control(about, u"Image2"_s), Qt::LeftButton);
    QCOMPARE(title, u"Mi ez?"_s);
    QTRY_VERIFY_WITH_TIMEOUT(loaded(FormName::alap), 3000);
    QTRY_VERIFY(!loaded(FormName::sobre));
    settle();
    QCOMPARE(windowsOf<zeb::AboutWindow>().size(), 0);
    QCOMPARE(windowsOf<zeb::MainMenu>().size(), 1);
}

// ---- End of the program ---------------------------------------------------------------------

void ShellTest::cerrarEndsProgram_data()
{
    QTest::addColumn<bool>("aboutOpen");
    QTest::addRow("menu alone") << false;
    QTest::addRow("about window open") << true;
}

void ShellTest::cerrarEndsProgram()
{
    QFETCH(bool, aboutOpen);
    QWidget *menu = openMenu();
    if (aboutOpen)
        QVERIFY(openAboutFromMenu());
    QPointer<QWidget> closeButton = control(menu, u"Command1"_s);
    QTimer::singleShot(0, menu, [closeButton] {
        if (closeButton)
            qobject_cast<QPushButton *>(closeButton.data())->click();
    });
    QTimer watchdog; // ends the loop only if nothing else does
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(quitting.count(), 1);
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
