// The learner monkey: drives the real windows offscreen with random learner actions (clicks on
// whatever is visible and enabled, typing, Enter, access keys, menus, close boxes, clicks under
// an open message box) and checks after every action that the program is still consistent.
//   zeb_monkey [--seed S] [--seeds K] [--actions N]
// runs K seeds from S, N actions each. A failure prints the seed and the trace of actions; the
// same seed and count replay it.
#include "common/accentkeys.h"
#include "common/forms.h"
#include "common/picturebox.h"
#include "common/random.h"
#include "drills/drilldescriptions.h"
#include "drills/drillwindow.h"
#include "picture/pictureengine.h"
#include "picture/picturewindow.h"
#include "shell/aboutflag.h"
#include "shell/program.h"
#include "shell/sobre.h"

#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <random>

using namespace Qt::StringLiterals;
using zeb::FormName;

namespace {

const FormName exerciseForms[] = {FormName::zeb1701, FormName::zeb1702, FormName::zeb1705,
                                  FormName::zeb1707, FormName::zeb1710};

// The program's own messages: title and icon, and a check of the text.
bool isOwnMessage(const QMessageBox &box)
{
    const QString title = box.windowTitle(), text = box.text();
    const QMessageBox::Icon icon = box.icon();
    if (box.buttons().size() != 1)
        return false;
    for (const zeb::DrillDescription *d :
         {&zeb::drill1701(), &zeb::drill1705(), &zeb::drill1707(), &zeb::drill1710()}) {
        if (icon != QMessageBox::Warning)
            break;
        if (title == d->capitalWarningTitle && text == u"¡Atención a las mayúsculas!"_s)
            return true;
        if (title == d->messageTitle &&
            (text == u"No es correcto. Vuelva a probarlo."_s ||
             text == u"El ejercicio ha terminado. Si quiere recomenzarlo, haga clic en "
                     u"\"Recomenzar\"."_s))
            return true;
        if (title == d->helpTitle && text.startsWith(u"La forma correcta es: "_s))
            return true;
    }
    if (icon == QMessageBox::Critical)
        return title == u"ZEB 17, ejercicios 2, 4 y 6"_s &&
               text == u"El ejercicio ha terminado. Si quiere recomenzarlo, pulse sobre "
                       u"\"Comenzar\"."_s;
    if (icon != QMessageBox::Information)
        return false;
    if (title == u"Cómo ..."_s)
        return text == zeb::accentKeyHelp();
    if (title == u"Mi ez?"_s)
        return text == zeb::aboutInformation();
    if (title == u"ZEB 17: Ayuda"_s)
        return text.endsWith(zeb::accentKeyHelp()) && text.startsWith(u"Si necesita ayuda"_s);
    if (title == u"Las partes de la oración"_s) {
        const int lines = int(text.count(u"\r\n"_s)) + 1;
        return lines == 4 || lines == 5;
    }
    return false;
}

class Monkey : public QObject
{
public:
    Monkey(quint64 seed, int actions) : m_seed(seed), m_actionsLeft(actions), m_random(seed)
    {
        zeb::seedRandom(seed);
        connect(&m_tick, &QTimer::timeout, this, &Monkey::tick);
        m_tick.start(0);
    }

    bool failed() const { return m_failed; }
    bool done() const { return m_actionsLeft <= 0 || m_failed; }
    int performed() const { return m_performed; }
    int runs() const { return m_runs; }
    // A digest of every action taken: the same seed gives the same digest.
    size_t traceHash() const { return m_traceHash; }

    // One run of the program, from its start to its end (Cerrar, or the last window closed).
    void runProgram()
    {
        ++m_runs;
        zeb::AboutOpenedFromMenu = 0;
        m_started = false;
        m_pending = false;
        zeb::startProgram();
        QApplication::exec();
        zeb::forms::discardAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    int pick(int count) { return int(std::uniform_int_distribution<int>(0, count - 1)(m_random)); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_random) < p; }

    void note(const QString &action)
    {
        for (const QChar c : action) // FNV-1a, the same in every process
            m_traceHash = (m_traceHash ^ c.unicode()) * 0x100000001b3ULL;
        m_trace << action;
        if (m_trace.size() > 60)
            m_trace.removeFirst();
    }

    void fail(const QString &why)
    {
        if (m_failed)
            return;
        m_failed = true;
        std::fprintf(stderr, "MONKEY FAILED, seed %llu, after %d actions: %s\nlast actions:\n",
                     static_cast<unsigned long long>(m_seed), m_performed, qPrintable(why));
        for (const QString &action : m_trace)
            std::fprintf(stderr, "  %s\n", qPrintable(action));
        QCoreApplication::exit(1);
    }

    // The program's windows on screen, in a fixed order.
    static QList<QWidget *> windows()
    {
        QList<QWidget *> out;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<zeb::Form *>(w) && w->isVisible() && !w->objectName().isEmpty())
                out << w;
        }
        std::sort(out.begin(), out.end(),
                  [](QWidget *a, QWidget *b) { return a->objectName() < b->objectName(); });
        return out;
    }

    void checkInvariants()
    {
        int exercises = 0;
        for (const FormName form : exerciseForms)
            exercises += zeb::forms::loaded(form) != nullptr;
        int about = 0, shownExercises = 0;
        for (QWidget *w : windows()) {
            about += w->objectName() == u"sobre"_s;
            shownExercises += w->objectName().startsWith(u"zeb17"_s);
        }
        if (exercises > 1 || shownExercises > 1)
            return fail(u"two exercise windows"_s);
        if (about > 1)
            return fail(u"two about windows"_s);
        if (m_started && !zeb::forms::loaded(FormName::hatter))
            return fail(u"the background window is gone"_s);
        for (const FormName form :
             {FormName::zeb1701, FormName::zeb1705, FormName::zeb1707, FormName::zeb1710}) {
            auto *drill = qobject_cast<zeb::DrillWindow *>(zeb::forms::loaded(form));
            if (!drill)
                continue;
            const zeb::DrillEngine &e = drill->engine();
            int answered = 0;
            for (int item = 1; item <= e.ItemCount(); ++item)
                answered += !e.isAvailable(item);
            if (e.AnsweredCount < 0 || e.AnsweredCount > e.PassLength() ||
                answered != e.AnsweredCount)
                return fail(u"drill count %1, %2 answered in the pool"_s.arg(e.AnsweredCount)
                                .arg(answered));
        }
        if (auto *picture =
                qobject_cast<zeb::PictureWindow *>(zeb::forms::loaded(FormName::zeb1702)))
            checkPicturePass(*picture);
    }

    void checkPicturePass(const zeb::PictureWindow &window)
    {
        const zeb::PictureEngine &e = window.engine();
        std::optional<zeb::SceneRange> range;
        const std::pair<const char *, zeb::PictureExercise> buttons[] = {
            {"Command3", zeb::PictureExercise::Two},
            {"Command5", zeb::PictureExercise::Four},
            {"Command10", zeb::PictureExercise::Six},
            {"Command4", zeb::PictureExercise::All}};
        for (const auto &[name, exercise] : buttons) {
            if (!range && !window.findChild<QPushButton *>(QLatin1StringView(name))->isEnabled())
                range = zeb::sceneRange(exercise);
        }
        if (!range)
            return fail(u"no current picture exercise"_s);
        int shown = 0;
        for (int k = 0; k < zeb::SceneCount; ++k) {
            if (e.isAvailable(k))
                continue;
            ++shown;
            if (!range->contains(k))
                return fail(u"scene %1 shown outside the range"_s.arg(k));
        }
        if (e.ScenesShown != shown || shown > range->size())
            return fail(u"%1 scenes counted, %2 out of the pool"_s.arg(e.ScenesShown).arg(shown));
        if (e.SceneIndex != zeb::NoScene && !range->contains(e.SceneIndex))
            return fail(u"scene %1 on screen outside the range"_s.arg(e.SceneIndex));
        // A scene shown once in a pass is never drawn again before the pass ends.
        if (e.ScenesShown == 0)
            m_passScenes.clear();
        if (e.ScenesShown > 0 && e.SceneIndex != zeb::NoScene && m_lastScene != e.SceneIndex &&
            m_lastShown != e.ScenesShown) {
            if (m_passScenes.contains(e.SceneIndex))
                return fail(u"scene %1 shown twice in a pass"_s.arg(e.SceneIndex));
            m_passScenes << e.SceneIndex;
        }
        m_lastScene = e.SceneIndex;
        m_lastShown = e.ScenesShown;
    }

    void tick()
    {
        if (m_failed || m_pending)
            return;
        if (!m_started) {
            // Actions start once the splash has given way to the menu, so a seed replays.
            QWidget *menu = zeb::forms::loaded(FormName::alap);
            if (!menu || !menu->isVisible() || zeb::forms::loaded(FormName::sobre))
                return;
            m_started = true;
        }
        checkInvariants();
        if (m_failed)
            return;
        if (m_actionsLeft <= 0) {
            QCoreApplication::exit(0);
            return;
        }
        // The action runs on its own, so a message box it opens does not block the monkey.
        m_pending = true;
        QTimer::singleShot(0, this, [this] {
            m_pending = false;
            --m_actionsLeft;
            ++m_performed;
            act();
        });
    }

    void act()
    {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            underMessage(box);
            return;
        }
        const QList<QWidget *> shown = windows();
        const bool aloneWithBackground =
            shown.size() == 1 && shown.front()->objectName() == u"hatter"_s;
        if (shown.isEmpty() || aloneWithBackground) {
            note(u"close the background: the program ends"_s);
            if (aloneWithBackground)
                shown.front()->close();
            m_started = false;
            QCoreApplication::exit(0);
            return;
        }
        QWidget *window = shown.at(pick(int(shown.size())));
        const int roll = pick(100);
        // A closed window or "Cerrar" often ends the program, whose start takes a while: rarely.
        if (roll < 47)
            clickSomething(window);
        else if (roll < 67)
            typeSomething(window);
        else if (roll < 76)
            pressKey(window, pick(3) ? Qt::Key_Return : Qt::Key_Tab, Qt::NoModifier);
        else if (roll < 85)
            accessKey(window);
        else if (roll < 91)
            menuItem(window);
        else if (roll < 92)
            closeWindow(window);
        else if (roll < 94)
            answerRightly(window);
        else if (roll < 98)
            pressKey(window,
                     std::array{Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Down, Qt::Key_Up,
                                Qt::Key_Left, Qt::Key_Escape}[pick(6)],
                     Qt::NoModifier);
        else
            pasteSomething(window);
    }

    void underMessage(QMessageBox *box)
    {
        if (!box->property("monkeySeen").toBool()) {
            box->setProperty("monkeySeen", true);
            if (!isOwnMessage(*box))
                return fail(u"a message that is not the program's own: %1 / %2"_s.arg(
                    box->windowTitle(), box->text()));
        }
        const int roll = pick(100);
        if (roll < 55) {
            note(u"message \"%1\": OK"_s.arg(box->windowTitle()));
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        } else if (roll < 75) {
            note(u"message \"%1\": Enter"_s.arg(box->windowTitle()));
            QTest::keyClick(box, pick(2) ? Qt::Key_Return : Qt::Key_Escape);
        } else {
            // A stray click elsewhere while the box is open.
            const QList<QWidget *> shown = windows();
            if (!shown.isEmpty())
                clickSomething(shown.at(pick(int(shown.size()))));
        }
    }

    void clickSomething(QWidget *window)
    {
        QList<QWidget *> targets;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const bool clickable =
                qobject_cast<QAbstractButton *>(w) ||
                (qobject_cast<zeb::PictureBox *>(w) && w->focusPolicy() != Qt::NoFocus);
            if (clickable && w->isVisible() && w->isEnabled())
                targets << w;
        }
        if (targets.isEmpty())
            return;
        QWidget *target = targets.at(pick(int(targets.size())));
        // "Cerrar" ends the program: seldom, so that the runs last.
        if (qobject_cast<QAbstractButton *>(target) &&
            static_cast<QAbstractButton *>(target)->text() == u"&Cerrar"_s && !chance(0.02))
            return;
        note(u"click %1 %2"_s.arg(window->objectName(), target->objectName()));
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }

    QString randomText(int length)
    {
        // What a plain English keyboard types; the accent keys give the Spanish letters.
        static const QString alphabet =
            u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ;'`[/\\@#   ?!.,:0123"_s;
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet.at(pick(int(alphabet.size())));
        return text;
    }

    // Each key goes where a keyboard sends it: the focus widget of the window, while the window
    // is still on screen (a key may open a message box or send the window away).
    void typeKeys(QWidget *window, const QString &keys)
    {
        const QPointer<QWidget> target(window);
        for (const QChar key : keys) {
            if (!target || !target->isVisible() || QApplication::activeModalWidget())
                return;
            QWidget *focus = target->focusWidget() ? target->focusWidget() : target.data();
            QTest::keyClick(focus, key.toLatin1());
        }
    }

    void typeSomething(QWidget *window)
    {
        QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        const QString text = randomText(chance(0.05) ? 200 : 1 + pick(25));
        note(u"type into %1/%2: %3"_s.arg(window->objectName(), focus->objectName(), text));
        typeKeys(window, text);
    }

    // A learner who knows the answer types it with the accent keys and presses Enter, so that
    // passes run to their end.
    void answerRightly(QWidget *window)
    {
        auto *box = window->findChild<QLineEdit *>(u"Text2"_s);
        if (!box || !box->isVisible())
            return;
        QString answer;
        if (auto *drill = qobject_cast<zeb::DrillWindow *>(window)) {
            const zeb::DrillEngine &e = drill->engine();
            if (e.CurrentItem >= 1 && e.CurrentItem <= e.ItemCount())
                answer = e.VerbForms.at(e.CurrentItem);
        } else if (auto *solution = window->findChild<QLabel *>(u"Label3"_s)) {
            answer = solution->text();
        }
        QString keys;
        for (const QChar c : answer) {
            QChar key = c;
            for (const zeb::AccentKey &k : zeb::AccentKeyTable) {
                if (c == QChar(k.inserted))
                    key = QChar(k.typed);
            }
            keys += key;
        }
        if (keys.isEmpty() ||
            std::any_of(keys.begin(), keys.end(), [](QChar c) { return c.unicode() > 127; }))
            return;
        note(u"answer %1 in %2"_s.arg(answer, window->objectName()));
        box->clear();
        box->setFocus();
        typeKeys(window, keys);
        if (box->isVisible() && !QApplication::activeModalWidget())
            QTest::keyClick(box, Qt::Key_Return);
    }

    void pasteSomething(QWidget *window)
    {
        auto *box = window->findChild<QLineEdit *>(u"Text2"_s);
        if (!box || !box->isVisible())
            return;
        const int kind = pick(4);
        const QString paste = kind == 0   ? QString(100'000, u'x')
                              : kind == 1 ? u"\u0000\u0007\t\r\n\U0001F600\u05D0\u0301"_s
                              : kind == 2 ? QString(5000, u' ')
                                          : randomText(2000);
        note(u"paste %1 characters into %2"_s.arg(paste.size()).arg(window->objectName()));
        box->insert(paste);
    }

    void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        note(u"key %1 in %2/%3"_s.arg(QKeySequence(key | modifiers).toString(),
                                      window->objectName(), focus->objectName()));
        QTest::keyClick(focus, key, modifiers);
    }

    void accessKey(QWidget *window)
    {
        QList<QChar> keys;
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
            const qsizetype amp = b->text().indexOf(u'&');
            if (amp >= 0 && amp + 1 < b->text().size())
                keys << b->text().at(amp + 1).toUpper();
        }
        if (keys.isEmpty())
            return;
        const QChar key = keys.at(pick(int(keys.size())));
        if (key == u'C' && window->objectName() == u"alap"_s && !chance(0.02))
            return; // Alt+C is "Cerrar"
        pressKey(window, Qt::Key(key.unicode()), Qt::AltModifier);
    }

    void menuItem(QWidget *window)
    {
        QList<QAction *> items;
        for (QAction *a : window->findChildren<QAction *>()) {
            if (a->isEnabled() && !a->menu() && !a->objectName().isEmpty())
                items << a;
        }
        if (items.isEmpty())
            return;
        QAction *item = items.at(pick(int(items.size())));
        note(u"menu %1 %2"_s.arg(window->objectName(), item->objectName()));
        item->trigger();
    }

    void closeWindow(QWidget *window)
    {
        if (window->objectName() == u"hatter"_s)
            return; // the background goes last, when the program ends
        if (!chance(0.3))
            return;
        note(u"close box of %1"_s.arg(window->objectName()));
        window->close();
    }

    quint64 m_seed;
    int m_actionsLeft;
    int m_performed = 0;
    int m_runs = 0;
    size_t m_traceHash = 0xcbf29ce484222325ULL;
    std::mt19937_64 m_random;
    QTimer m_tick;
    QStringList m_trace;
    QSet<int> m_passScenes;
    int m_lastScene = -1, m_lastShown = -1;
    bool m_started = false, m_pending = false, m_failed = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    auto option = [&args](const QString &name, quint64 fallback) {
        const qsizetype at = args.indexOf(name);
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toULongLong() : fallback;
    };
    const quint64 firstSeed = option(u"--seed"_s, 1);
    const quint64 seeds = option(u"--seeds"_s, 1);
    const int actions = int(option(u"--actions"_s, 10'000));

    int total = 0;
    for (quint64 seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        Monkey monkey(seed, actions);
        while (!monkey.done())
            monkey.runProgram();
        if (monkey.failed())
            return 1;
        total += monkey.performed();
        std::printf("seed %llu: %d actions in %d runs of the program (trace %016zx), every check "
                    "held\n",
                    static_cast<unsigned long long>(seed), monkey.performed(), monkey.runs(),
                    monkey.traceHash());
    }
    std::printf("%d actions over %llu seeds\n", total, static_cast<unsigned long long>(seeds));
    return 0;
}
