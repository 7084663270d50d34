// The monkey: the real program offscreen, driven from the outside by random learner actions, its
// invariants checked after every step: "--seed S --seeds K --actions N" takes N actions per seed,
// and a failure prints the seed and the last ones.
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

// What a plain English keyboard types; the accent keys give the Spanish letters.
const QString keyboard = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ;'`[/\\@# ?!.,01"_s;

// The driver of one seed: its timer ticks it while the program runs.
struct Driver
{
    int seed, actionsLeft;
    bool started = false, failed = false, queued = false;
    std::mt19937_64 random{quint64(seed)};
    QTimer ticks{};
    int performed = 0, runs = 0, code = 0;
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
        if (actionsLeft-- <= 0)
            return QCoreApplication::exit(0);
        // Each step runs on its own (its boxes cannot block the driver) and dies with the program.
        queued = true;
        QTimer::singleShot(0, loaded(FormName::hatter), [this] {
            queued = false;
            ++performed;
            if (QMessageBox *box = openBox())
                underMessage(box);
            else
                act();
        });
    }

    // Under a message: OK, Enter, Esc, or anything else.
    void underMessage(QMessageBox *box)
    {
        lastMessage = box->text();
        const int roll = pick(4);
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

    // Presses the control of the window, if both are there and it can be pressed.
    bool pressIn(FormName name, const char *control)
    {
        QWidget *window = loaded(name);
        QObject *target =
            window ? window->findChild<QObject *>(QLatin1StringView(control)) : nullptr;
        return target && pressable(target) && press(window, target);
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
            if (pressIn(name, drill ? "Command4" : "Command1") && loaded(name) &&
                typeKeys(loaded(name),
                         drill ? lastMessage.section(u": "_s, 1)
                               : loaded(name)->findChild<QLabel *>(u"Label3"_s)->text(),
                         true))
                pressIn(name, drill ? "Command2" : "Command7");
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
    const int first = option(u"--seed"_s, 1), seeds = option(u"--seeds"_s, 1);
    const int actions = option(u"--actions"_s, 10'000);
    for (int seed = first; seed < first + seeds; ++seed) {
        Driver driver{seed, actions};
        zeb::seedRandom(seed);
        QObject::connect(&driver.ticks, &QTimer::timeout, [&driver] { driver.tick(); });
        driver.ticks.start(0);
        do { // one run of the program, as its main() has it, again until the actions are done
            ++driver.runs;
            driver.started = driver.queued = false;
            zeb::AboutOpenedFromMenu = 0;
            zeb::startProgram();
            driver.code = QApplication::exec();
            zeb::forms::discardAll();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } while (!driver.failed && driver.actionsLeft > 0);
        const auto [none, information, warning, critical, question] = driver.boxes;
        std::printf("monkey, seed %d: %d actions in %d runs, trace %016zx, %d warning, %d "
                    "information and %d critical boxes: %s\n",
                    seed, driver.performed, driver.runs, driver.digest, warning, information,
                    critical, driver.failed ? "FAILED" : "passed");
        if (driver.failed)
            return 1;
    }
    return 0;
}
