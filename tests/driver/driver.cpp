// The learner driver: the real program offscreen, driven from the outside as a learner would, its
// invariants checked after every step: "--session" takes a scripted session; "--seed S --seeds K
// --actions N" takes N random actions per seed, and a failure prints the seed and the last ones.
#include "common/accentkeys.h"
#include "common/forms.h"
#include "common/random.h"
#include "shell/aboutflag.h"
#include "shell/program.h"

#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <random>

using namespace Qt::StringLiterals;
using zeb::FormName;
using zeb::forms::loaded;

namespace {

constexpr FormName menu = FormName::alap, about = FormName::sobre, pic = FormName::zeb1702,
                   d1 = FormName::zeb1701, d5 = FormName::zeb1705, d7 = FormName::zeb1707,
                   d10 = FormName::zeb1710, exercises[] = {d1, pic, d5, d7, d10};

// A step: Click a control or a menu item; Type into the answer box the text of the label `name`,
// or without one the form that the last message gave after ": "; Repeat the `back` steps before
// while (or until) `name` can be clicked. The session opens every exercise from the menu and
// leaves it with Salir, takes a pass of 17/5 with the forms that Ayuda gives and a pass of
// exercise 4 with the solution lines, looks at the about window and its information, and ends.
// clang-format off
enum class Act { Click, Type, RepeatWhile, RepeatUntil };
struct Step { Act act; FormName window; const char *name = ""; int back = 0; };
constexpr Act C = Act::Click, T = Act::Type;
constexpr Step session[] = {
    {C, menu, "AniButton1"}, {C, d1, "Command3"}, {C, menu, "AniButton2"}, {C, pic, "Command9"},
    {C, menu, "AniButton3"}, {C, d5, "Command3"}, {C, menu, "AniButton4"}, {C, d7, "Command3"},
    {C, menu, "AniButton5"}, {C, d10, "Command3"}, {C, menu, "AniButton6"}, {C, pic, "Command9"},
    {C, menu, "AniButton7"}, {C, pic, "Command9"}, {C, menu, "AniButton8"}, {C, pic, "Command9"},
    {C, menu, "AniButton3"}, {C, d5, "Command1"}, {C, d5, "Command4"}, {T, d5}, {C, d5, "Command2"},
    {Act::RepeatUntil, d5, "Command1", 3}, {C, d5, "Command3"},
    {C, menu, "AniButton6"}, {C, pic, "Command6"}, {C, pic, "Command1"}, {T, pic, "Label3"},
    {C, pic, "Command7"}, {Act::RepeatWhile, pic, "Command7", 3}, {C, pic, "Command9"},
    {C, menu, "acerca"}, {C, about, "Image2"}, {C, about, "Command1"}, {C, menu, "Command1"},
};
// clang-format on

// What a plain English keyboard types; the accent keys give the Spanish letters.
const QString keyboard = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ;'`[/\\@# ?!.,01"_s;

// The driver of one seed: its timer ticks it while the program runs.
struct Driver
{
    int seed, actionsLeft;
    bool scripted, started = false, failed = false, queued = false;
    std::mt19937_64 random{quint64(seed)};
    QTimer ticks{};
    int performed = 0, runs = 0, code = 0, next = 0; // next: the session's step
    size_t digest = 0xcbf29ce484222325ULL; // of the actions: the same seed gives the same digest
    std::array<int, 5> boxes{};            // the message boxes seen, by icon
    QStringList trace{};
    QString lastMessage{};

    static auto openBox() { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); }
    static bool clickable(const QWidget *w) { return w && w->isVisible() && w->isEnabled(); }

    // Buttons, pictures that invite a click, and menu items.
    static bool pressable(const QObject *o)
    {
        const auto *w = qobject_cast<const QWidget *>(o);
        if (const auto *item = qobject_cast<const QAction *>(o))
            return item->isEnabled() && !item->menu() && !item->objectName().isEmpty();
        return (o->inherits("QAbstractButton") || o->inherits("zeb::PictureBox")) && clickable(w) &&
               w->focusPolicy() != Qt::NoFocus;
    }

    int pick(qsizetype n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(random); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; }

    void note(const QString &action)
    {
        for (const QChar c : action) // FNV-1a, the same in every process
            digest = (digest ^ c.unicode()) * 0x100000001b3ULL;
        trace = (trace << action).mid(trace.size() - 40);
    }

    bool fail(const QString &why)
    {
        if (!std::exchange(failed, true))
            std::fprintf(stderr, "FAILED, seed %d, after %d actions: %s\nlast actions:\n%s\n", seed,
                         performed, qPrintable(why), qPrintable(trace.join(u'\n')));
        return QCoreApplication::exit(1), false;
    }

    bool check()
    {
        int exercisesShown = 0, abouts = 0;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            const auto *form = w->isVisible() ? qobject_cast<zeb::Form *>(w) : nullptr;
            exercisesShown += form && std::ranges::count(exercises, form->formName());
            abouts += form && form->formName() == about;
            auto *box = w->isVisible() ? qobject_cast<QMessageBox *>(w) : nullptr;
            if (!box)
                continue;
            if (!box->isModal() || box->buttons().size() != 1 || !box->button(QMessageBox::Ok) ||
                box->icon() < QMessageBox::Information || box->icon() > QMessageBox::Critical ||
                box->windowTitle().isEmpty() || box->text().isEmpty())
                return fail(u"an odd message box: %1 / %2"_s.arg(box->windowTitle(), box->text()));
            boxes[box->icon()] += !box->property("seen").isValid(); // each box once
            box->setProperty("seen", true);
        }
        if (std::ranges::count_if(exercises, loaded) > 1 || exercisesShown > 1 || abouts > 1 ||
            !loaded(FormName::hatter))
            return fail(u"two exercise or about windows, or no background window"_s);
        return !QApplication::activeModalWidget() || openBox() ||
               fail(u"a modal window that is no message box"_s);
    }

    void tick()
    {
        // Steps start once the splash has given way to the menu.
        started = started || (loaded(menu) && loaded(menu)->isVisible() && !loaded(about));
        if (!started || failed || queued || !check())
            return;
        if (actionsLeft-- <= 0) // a session that has not ended by then fails
            return QCoreApplication::exit(scripted ? 1 : 0);
        // Each step runs on its own (its boxes cannot block the driver) and dies with the program.
        queued = true;
        QTimer::singleShot(0, loaded(FormName::hatter), [this] {
            queued = false;
            ++performed;
            if (QMessageBox *box = openBox())
                underMessage(box);
            else if (!scripted)
                act();
            else if (next >= int(std::size(session)) || !perform(session[next++]))
                fail(u"step %1 cannot be taken"_s.arg(next));
        });
    }

    // The session closes every message with OK; the monkey does anything under it.
    void underMessage(QMessageBox *box)
    {
        lastMessage = box->text();
        const int roll = scripted ? 0 : pick(4);
        note(u"message \"%1\": %2"_s.arg(box->windowTitle()).arg(roll));
        roll < 2   ? QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton)
        : roll < 3 ? QTest::keyClick(box, pick(2) ? Qt::Key_Return : Qt::Key_Escape)
                   : act(); // a stray action elsewhere
    }

    bool press(QWidget *window, QObject *target)
    {
        note(u"press %1 %2"_s.arg(window->objectName(), target->objectName()));
        auto *item = qobject_cast<QAction *>(target);
        item ? item->trigger() : QTest::mouseClick(static_cast<QWidget *>(target), Qt::LeftButton);
        return true;
    }

    bool perform(const Step &s)
    {
        QWidget *window = loaded(s.window);
        auto *target = window ? window->findChild<QObject *>(QLatin1StringView(s.name)) : nullptr;
        const QString text = *s.name && target ? target->property("text").toString()
                                               : lastMessage.section(u": "_s, 1);
        if (s.act == Act::Click)
            return pressable(target) && press(window, target);
        if (s.act == Act::Type)
            return window && typeKeys(window, text, true);
        if (clickable(qobject_cast<QWidget *>(target)) == (s.act == Act::RepeatWhile))
            next -= s.back + 1;
        return true;
    }

    // Types the keys where the keyboard sends them, while the window is on screen and no box is
    // open; an answer goes into the cleared answer box. False when there is nothing or nowhere.
    bool typeKeys(QWidget *window, QString keys, bool answer, Qt::KeyboardModifiers modifiers = {})
    {
        auto *box = window->findChild<QLineEdit *>(u"Text2"_s);
        if (answer && (!clickable(box) || keys.isEmpty()))
            return false;
        for (const zeb::AccentKey &key : zeb::AccentKeyTable)
            keys.replace(QChar(key.inserted), QChar(key.typed));
        if (answer)
            box->clear();
        note(
            u"type into %1: %2%3"_s.arg(window->objectName(), modifiers ? u"Alt+"_s : u""_s, keys));
        for (qsizetype i = 0; i < keys.size() && window->isVisible() && !openBox(); ++i) {
            QWidget *focus = answer ? box : window->focusWidget();
            QTest::keyClick(focus ? focus : window, keys.at(i).toLatin1(), modifiers);
        }
        return true;
    }

    // A random learner action on one of the windows on screen.
    void act()
    {
        QList<zeb::Form *> windows; // in a fixed order
        for (int name = 0; name <= int(d10); ++name)
            if (zeb::Form *form = loaded(FormName(name)); form && form->isVisible())
                windows << form;
        zeb::Form *window = windows.at(pick(windows.size()));
        const FormName name = window->formName();
        QList<QObject *> targets = window->findChildren<QObject *>();
        targets.removeIf([](const QObject *o) { return !pressable(o); });
        QObject *target = targets.isEmpty() ? nullptr : targets.at(pick(targets.size()));
        const int roll = pick(100), kind = pick(5);
        auto randomText = [this](int length) {
            QString text(length, u' ');
            std::ranges::generate(text, [this] { return keyboard.at(pick(keyboard.size())); });
            return text;
        };
        if (windows.size() == 1 || (roll == 88 && name != FormName::hatter && chance(0.3))) {
            // A close box; the background goes last, and closing it ends the program.
            note(u"close box of "_s + window->objectName());
            name == FormName::hatter ? QCoreApplication::exit(0) : void(window->close());
        } else if (roll < 50 && target && // "Cerrar" ends the program, whose start is slow: seldom
                   (name != menu || target->objectName() != u"Command1"_s || chance(0.02))) {
            press(window, target);
        } else if (roll < 88) { // some text, Enter, Tab, or an access key with Alt
            const QString keys = kind < 3   ? randomText(chance(0.05) ? 200 : 1 + pick(25))
                                 : kind < 4 ? randomText(1)
                                            : (pick(3) ? u"\r"_s : u"\t"_s);
            typeKeys(window, keys, false, kind == 3 ? Qt::AltModifier : Qt::NoModifier);
        } else if (roll > 88 && roll < 95 && std::ranges::count(exercises, name)) {
            // The right answer: in a drill the form that Ayuda gives, here the solution line.
            const bool drill = name != pic;
            perform({C, name, drill ? "Command4" : "Command1"}) &&
                perform({T, name, drill ? "" : "Label3"}) &&
                perform({C, name, drill ? "Command2" : "Command7"});
        } else if (auto *box = window->findChild<QLineEdit *>(u"Text2"_s);
                   roll >= 95 && clickable(box)) {
            const QString paste = u"\u0000\u0007\t\r\n\U0001F600\u05D0\u0301"_s +
                                  QString(kind * 25'000, kind % 2 ? u'x' : u' ') + randomText(500);
            note(u"paste %1 characters into %2"_s.arg(paste.size()).arg(window->objectName()));
            box->insert(paste);
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    auto option = [&args](const QString &name, int fallback) {
        return args.contains(name) ? args.value(args.indexOf(name) + 1).toInt() : fallback;
    };
    // The session is one run of the program; the monkey runs it again until its actions are done.
    const bool session = args.contains(u"--session"_s);
    const int first = option(u"--seed"_s, 1), seeds = session ? 1 : option(u"--seeds"_s, 1);
    const int actions = option(u"--actions"_s, 10'000);
    for (int seed = first; seed < first + seeds; ++seed) {
        Driver driver{seed, actions, session};
        zeb::seedRandom(seed);
        QObject::connect(&driver.ticks, &QTimer::timeout, [&driver] { driver.tick(); });
        driver.ticks.start(0);
        do { // one run of the program, as its main() has it
            ++driver.runs;
            driver.started = driver.queued = false;
            zeb::AboutOpenedFromMenu = 0;
            zeb::startProgram();
            driver.code = QApplication::exec();
            zeb::forms::discardAll();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } while (!session && !driver.failed && driver.actionsLeft > 0);
        // The session ends with Cerrar, past a drill pass, a picture pass and the about text.
        const auto [none, information, warning, critical, question] = driver.boxes;
        const bool passed =
            !driver.failed &&
            (!session || (driver.code == 0 && warning && information && critical == 1));
        std::printf("%s, seed %d: %d actions in %d runs, trace %016zx, %d warning, %d information "
                    "and %d critical boxes: %s\n",
                    session ? "session" : "monkey", seed, driver.performed, driver.runs,
                    driver.digest, warning, information, critical, passed ? "passed" : "FAILED");
        if (!passed)
            return 1;
    }
    return 0;
}
