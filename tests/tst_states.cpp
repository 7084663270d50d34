// Every window state a learner meets, as seen and heard, against the approved record in
// tests/approved: each control on screen with its place, caption, font, colours, state and
// accessible name; the focus; the message boxes, beeps and what a screen reader is told; and
// pictures of the windows where the painting matters. After an intended change,
// tools/approve.sh writes the record anew, to be reviewed with git diff.
#include "common/accentkeys.h"
#include "common/forms.h"
#include "common/platform.h"
#include "shell/aboutflag.h"
#include "shell/program.h"
#include "testsupport.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace Qt::StringLiterals;
using namespace zeb;
using forms::loaded;

namespace {

// The record of a named screen (a netbook's, say) is kept apart from the plain offscreen one.
QString approved(const QString &file)
{
    const QString screen = QGuiApplication::primaryScreen()->name();
    return QStringLiteral(ZEB_APPROVED_DIR "/") + (screen.isEmpty() ? file : screen + u'-' + file);
}

const bool approving = qEnvironmentVariableIsSet("ZEB_APPROVE");
QStringList *heard = nullptr; // the boxes and what the windows said, in the order they came

QString quoted(QString s)
{
    return u'"' + s.replace(u'\n', u"\\n"_s).replace(u'\r', u"\\r"_s) + u'"';
}

QString place(const QWidget *c, const QWidget *window)
{
    const QPoint at = c == window ? c->pos() : c->mapTo(window, QPoint());
    return u"%1,%2 %3x%4"_s.arg(at.x()).arg(at.y()).arg(c->width()).arg(c->height());
}

// What a screen reader finds: role, name, description, state and actions.
QString accessible(QWidget *c)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
    const QAccessible::State s = a->state();
    QString line = u"%1 %2 %3"_s.arg(QMetaEnum::fromType<QAccessible::Role>().valueToKey(a->role()),
                                     quoted(a->text(QAccessible::Name)),
                                     quoted(a->text(QAccessible::Description)));
    for (const auto &[on, word] : {std::pair{bool(s.focusable), " focusable"},
                                   {bool(s.checkable), " checkable"},
                                   {bool(s.checked), " checked"},
                                   {bool(s.disabled), " disabled"}})
        line += on ? QLatin1StringView(word) : QLatin1StringView();
    if (QAccessibleActionInterface *actions = a->actionInterface())
        line += u" actions "_s + actions->actionNames().join(u',');
    return line;
}

// One line for the window, one for each control on screen, one for each menu item.
QStringList describe(QWidget *window)
{
    const QWidget *focus = window->focusWidget();
    QStringList lines{u"window %1 %2 %3 focus %4 cursor %5%6"_s.arg(
        window->objectName(), quoted(window->windowTitle()), place(window, window),
        focus ? focus->objectName() : u"-"_s, QString::number(window->cursor().shape()),
        window->windowFlags() & Qt::WindowStaysOnTopHint ? u" on top"_s : u""_s)};
    for (QWidget *c : window->findChildren<QWidget *>()) {
        const QString name = c->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_") || name == u"SpokenLine" ||
            !c->isVisibleTo(window))
            continue;
        QStringList f{name, QString::fromLatin1(c->metaObject()->className()).section(u':', -1),
                      place(c, window)};
        for (const char *property : {"text", "plainText", "title", "picture", "toolTip"})
            if (const QString v = c->property(property).toString(); !v.isEmpty())
                f << QLatin1StringView(property) + u'=' + quoted(v);
        if (c->property("checked").toBool())
            f << u"checked"_s;
        if (!c->isEnabled())
            f << u"disabled"_s;
        if (const QVariant align = c->property("alignment"); align.isValid())
            f << u"align %1"_s.arg(align.toInt());
        const QFont font = c->font();
        f << u"%1 %2%3"_s.arg(font.family()).arg(font.pointSizeF()).arg(font.bold() ? " bold" : "");
        f << c->palette().color(c->foregroundRole()).name() + u'/' +
                 c->palette().color(c->backgroundRole()).name();
        if (c->testAttribute(Qt::WA_SetCursor))
            f << u"cursor %1"_s.arg(c->cursor().shape());
        f << accessible(c);
        lines << f.join(u" | ");
    }
    for (const QAction *a : window->findChildren<QAction *>())
        if (!a->objectName().isEmpty())
            lines << u"action %1 %2%3%4"_s.arg(a->objectName(), quoted(a->text()),
                                               a->isChecked() ? u" checked"_s : u""_s,
                                               a->isEnabled() ? u""_s : u" disabled"_s);
    for (const QMenu *m : window->findChildren<QMenu *>())
        lines << u"menu %1 %2"_s.arg(m->objectName(), quoted(m->title()));
    return lines;
}

void settle()
{
    for (int round = 0; round < 3; ++round) { // zero timers, then what they post
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

// Fires a window's timer once, by hand, so that the record does not depend on the clock.
void tick(QWidget *window, const char *timer)
{
    auto *t = window->findChild<QTimer *>(QLatin1StringView(timer));
    QTimerEvent event(t->timerId());
    QCoreApplication::sendEvent(t, &event);
}

void holdTimers(QWidget *window)
{
    for (QTimer *t : window->findChildren<QTimer *>())
        if (t->isActive())
            t->start(std::chrono::hours(1));
}

} // namespace

class StateTest : public QObject
{
    Q_OBJECT

    MessageCatcher catcher;
    QStringList record;
    QMap<FormName, QStringList> last; // each window as last recorded
    int beeps = 0;

    // Adds to the record what changed since the last step: windows, boxes, speech, beeps.
    void step(const QString &what)
    {
        settle();
        record << u""_s << u"## "_s + what;
        const QMetaEnum names = QMetaEnum::fromType<FormName>();
        for (int k = 0; k < names.keyCount(); ++k) {
            const auto name = FormName(names.value(k));
            Form *form = loaded(name);
            if (!form || !form->isVisible()) {
                if (last.contains(name) && !last[name].isEmpty())
                    record << u"closed "_s + QLatin1StringView(names.key(k));
                if (last.contains(name))
                    last[name].clear();
                continue;
            }
            // Every control that the Tab key reaches has a name of its own, without "&".
            QStringList spoken;
            for (QWidget *c : form->findChildren<QWidget *>())
                if (c->isVisibleTo(form) && c->focusPolicy() & Qt::TabFocus &&
                    !c->inherits("QScrollBar"))
                    spoken << QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
            QVERIFY2(!spoken.contains(QString()) && spoken.filter(u"&"_s).isEmpty() &&
                         spoken.removeDuplicates() == 0,
                     qPrintable(spoken.join(u", "_s)));
            const QStringList now = describe(form), before = last.value(name);
            for (const QString &line : before)
                if (!now.contains(line))
                    record << u"- "_s + line;
            for (const QString &line : now)
                if (!before.contains(line))
                    record << u"+ "_s + line;
            last[name] = now;
        }
        for (const QString &event : catcher.take())
            record << (event.startsWith(u"said "_s) ? u"said "_s + quoted(event.mid(5))
                                                    : u"box "_s + quoted(event));
        if (beepCount() != beeps)
            record << u"beeps %1"_s.arg(beepCount() - std::exchange(beeps, beepCount()));
    }

    // The window as drawn, against its approved picture.
    void looks(FormName name, const QString &picture)
    {
        settle();
        const QImage now = loaded(name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString file = approved(picture + u".png"_s);
        if (approving) {
            now.save(file);
        } else {
            const QImage then = QImage(file).convertToFormat(QImage::Format_RGB32);
            qsizetype differing = now.size() == then.size() ? 0 : now.width() * now.height();
            for (int y = 0; !differing && y < now.height(); ++y)
                for (int x = 0; x < now.width(); ++x) {
                    const QRgb a = now.pixel(x, y), b = then.pixel(x, y);
                    differing +=
                        std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b))}) > 48;
                }
            if (differing > 2) { // a stray pixel of anti-aliasing is not the program's
                now.save(QFileInfo(file).baseName() + u".actual.png"_s);
                record << u"picture %1 differs in %2 pixels"_s.arg(picture).arg(differing);
            }
        }
        record << u"picture "_s + picture;
    }

    // The window where the learner acts, active as it would be on screen.
    static QWidget *active(FormName window)
    {
        QApplication::setActiveWindow(loaded(window));
        return loaded(window);
    }

    void click(FormName window, const char *name, const QString &what = {})
    {
        QWidget *c = ::control(active(window), QLatin1StringView(name));
        QVERIFY2(c, name);
        const QString heading = what.isEmpty() ? c->window()->objectName() + u' ' + name : what;
        if (auto *button = qobject_cast<QAbstractButton *>(c)) {
            if (button->focusPolicy() & Qt::ClickFocus) // as a click of the mouse does
                button->setFocus(Qt::MouseFocusReason);
            button->click();
        } else // a picture
            QTest::mouseClick(c, Qt::LeftButton);
        step(heading);
    }

    void key(FormName window, const char *name, QKeyCombination key, const QString &what = {})
    {
        QWidget *w = active(window);
        QWidget *target = *name ? ::control(w, QLatin1StringView(name)) : w;
        QVERIFY2(target, name);
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        step(what.isEmpty() ? target->objectName() + u": "_s + QKeySequence(key).toString() : what);
    }

    void trigger(FormName window, const char *action)
    {
        active(window)->findChild<QAction *>(QLatin1StringView(action))->trigger();
        step(loaded(window) ? loaded(window)->objectName() + u": "_s + action : action);
    }

    static QString text(FormName window, const char *name)
    {
        return ::control(loaded(window), QLatin1StringView(name))->property("text").toString();
    }

    // What a screen reader does to press the control.
    void press(FormName window, const char *name)
    {
        QWidget *c = ::control(active(window), QLatin1StringView(name));
        QVERIFY2(c, name);
        QAccessible::queryAccessibleInterface(c)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        step(u"the screen reader presses "_s + name);
    }

    // Types the text into the answer box, key by key and the Spanish letters by the accent keys,
    // and presses Enter.
    void answer(FormName window, const QString &text)
    {
        auto *box = control<QLineEdit>(active(window), u"Text2"_s);
        box->clear();
        QString keys = text;
        for (const AccentKey &k : AccentKeyTable)
            keys.replace(QChar(k.inserted), QChar(k.typed));
        QTest::keyClicks(box, keys);
        QTest::keyClick(box, Qt::Key_Return);
        step(u"answer "_s + quoted(text));
    }

    QString lastBoxForm() const // the form that Ayuda's message gave
    {
        return record.filter(u"box \""_s).constLast().section(u": "_s, -1).chopped(1);
    }

    void drill(FormName window, const char *menuButton, int answers)
    {
        seedRandom(17);
        click(FormName::alap, menuButton);
        key(window, "Text2", Qt::Key_Return, u"Enter with no sentence"_s);
        key(window, "", Qt::Key_Escape, u"Esc"_s);
        click(window, "Command1");
        answer(window, u"xyz"_s);
        answer(window, text(window, "Label9")); // the infinitive
        for (int n = 0; n < answers && control(loaded(window), u"Command4"_s)->isVisible(); ++n) {
            click(window, "Command4");
            answer(window, lastBoxForm());
        }
    }

    void pictureTask(const char *activity, const char *type, const char *person)
    {
        for (const char *option : {activity, type, person})
            if (*option)
                click(FormName::zeb1702, option);
        click(FormName::zeb1702, "Command6");
        answer(FormName::zeb1702, u"Mal."_s);
        click(FormName::zeb1702, "Command1");
    }

private slots:
    void initTestCase()
    {
        QApplication::setCursorFlashTime(0); // the text cursor does not blink in the pictures
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            QAccessibleInterface *a = event->accessibleInterface();
            if (event->type() == QAccessible::ObjectShow && a &&
                a->role() == QAccessible::Notification)
                *heard << u"said "_s + a->text(QAccessible::Name);
        });
        heard = &catcher.messages;
        defineForms();
    }

    void everyState()
    {
        constexpr FormName menu = FormName::alap, about = FormName::sobre,
                           picture = FormName::zeb1702;
        beeps = beepCount();
        startProgram();
        holdTimers(loaded(about));
        step(u"start: the splash"_s);
        key(about, "", Qt::Key_Escape);
        tick(loaded(about), "Timer2");
        step(u"the splash's picture turns"_s);
        tick(loaded(about), "Timer1");
        step(u"the menu takes over"_s);
        looks(menu, u"menu"_s);
        key(menu, "", Qt::Key_Escape);
        trigger(menu, "como");
        loaded(menu)->findChild<QAction *>(u"acerca"_s)->trigger();
        holdTimers(loaded(about)); // before any event, so that the clock is not read
        step(u"alap: acerca"_s);
        for (int turn = 0; turn < 3; ++turn) {
            tick(loaded(about), "Timer2");
            step(u"the about window's picture turns"_s);
        }
        looks(about, u"about"_s);
        click(about, "Image2", u"the information picture clicked"_s);
        press(about, "Image2");
        for (const QKeyCombination k :
             {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A, Qt::Key_Escape})
            key(about, "Image2", k);
        loaded(menu)->findChild<QAction *>(u"acerca"_s)->trigger();
        holdTimers(loaded(about)); // before any event, so that the clock is not read
        step(u"alap: acerca"_s);
        click(about, "Command1");

        drill(FormName::zeb1701, "AniButton1", 2);
        looks(FormName::zeb1701, u"drill1"_s);
        trigger(FormName::zeb1701, "mnuOntop");
        click(FormName::zeb1701, "Command3");
        drill(FormName::zeb1705, "AniButton3", 25);
        click(FormName::zeb1705, "Command1", u"17/5: Recomenzar"_s);
        click(FormName::zeb1705, "Command8", u"17/5: its own button"_s);
        click(FormName::zeb1705, "Command3");
        drill(FormName::zeb1707, "AniButton4", 4);
        looks(FormName::zeb1707, u"drill7"_s);
        for (const char *button : {"Command10", "Command5", "Command6", "Command8", "Command12",
                                   "Command9", "Command7", "Command11"}) {
            click(FormName::zeb1707, button, u"17/7: "_s + QLatin1StringView(button));
            for (const FormName other : {FormName::zeb1701, FormName::zeb1705, FormName::zeb1707,
                                         FormName::zeb1710, picture})
                forms::unload(other);
            forms::show(menu);
            click(menu, "AniButton4", u"17/7 again"_s);
        }
        click(FormName::zeb1707, "Command3");
        drill(FormName::zeb1710, "AniButton5", 2);
        click(FormName::zeb1710, "Command12", u"17/10: 10 again"_s);
        click(FormName::zeb1710, "Command5", u"17/10: exercise 2"_s);

        // The picture exercise: every choice, every kind of task, the help, the model.
        seedRandom(17);
        key(picture, "", Qt::Key_Escape);
        click(picture, "Command6", u"Comenzar before a choice"_s);
        pictureTask("Option3D1", "", "");
        looks(picture, u"picture-solution"_s);
        key(picture, "Text2", Qt::Key_A, u"a key typed hides the solution"_s);
        answer(picture, text(picture, "Label3"));
        pictureTask("Option3D2", "Option3D4", "Option3D6");
        pictureTask("", "Option3D5", "Option3D7");
        pictureTask("", "Option3D10", "Option3D8");
        looks(picture, u"picture-question"_s);
        pictureTask("Option3D3", "Option3D4", "Option3D9");
        looks(picture, u"picture-answer"_s);
        pictureTask("", "Option3D5", "Option3D6");
        pictureTask("", "Option3D10", "Option3D7");
        answer(picture, text(picture, "Label3")
                            .normalized(QString::NormalizationForm_D)
                            .remove(QRegularExpression(u"\\p{Mn}"_s))); // no accents
        looks(picture, u"picture-hint"_s);
        click(picture, "Command15", u"Ayuda"_s);
        press(picture, "Image1");
        QWidget *scene = ::control(active(picture), u"Image1"_s);
        QTest::mousePress(scene, Qt::LeftButton);
        QTest::mouseRelease(scene, Qt::LeftButton, {}, QPoint(-4, -4));
        step(u"the scene picture pressed, and let go outside it"_s);
        click(picture, "Image1", u"the scene picture clicked"_s);
        for (const QKeyCombination k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_A, Qt::Key_Escape})
            key(picture, "Image1", k);
        press(picture, "Option3D2");
        key(picture, "", Qt::ALT | Qt::Key_T);
        key(picture, "", Qt::ALT | Qt::Key_L);
        click(picture, "Image1", u"the picture clicked without a scene"_s);
        click(picture, "Command16", u"Modelo"_s);
        looks(picture, u"picture-model"_s);
        click(picture, "Option3D4");
        click(picture, "Command16", u"Modelo of a general question's answer"_s);
        for (const char *button : {"Command5", "Command10", "Command4", "Command3"})
            click(picture, button);
        click(picture, "Option3D1");
        click(picture, "Command6");
        while (control(loaded(picture), u"Command7"_s)->isVisible()) {
            click(picture, "Command1");
            answer(picture, text(picture, "Label3"));
        }
        key(picture, "Text2", Qt::Key_Return, u"Enter after the end"_s);
        trigger(picture, "mnuOnTop");
        click(picture, "Command9");
        click(menu, "AniButton8", u"exercise 6"_s);
        click(picture, "Command2", u"exercise 6: 17/1"_s);
    }

    // After the walk, complete or not: the record against the approved one.
    void recordAsApproved()
    {
        const QString file = approved(u"states.txt"_s);
        const QByteArray now = (record.join(u'\n') + u'\n').toUtf8();
        QFile stored(file), actual(QFileInfo(file).baseName() + u".actual.txt"_s);
        if (approving) {
            QVERIFY(stored.open(QIODevice::WriteOnly) && stored.write(now) == now.size());
            return;
        }
        const QStringList then = stored.open(QIODevice::ReadOnly)
                                     ? QString::fromUtf8(stored.readAll()).split(u'\n')
                                     : QStringList();
        qsizetype at = 0; // the first line that differs
        while (at < record.size() && record[at] == then.value(at))
            ++at;
        if (at == record.size() && then.size() == at + 1)
            return;
        QVERIFY(actual.open(QIODevice::WriteOnly) && actual.write(now) == now.size());
        QFAIL(qPrintable(u"the windows differ from the approved record at line %1:\n%2\nnow:\n%3\n"
                         u"all of it: diff -u %4 %5"_s.arg(at + 1)
                             .arg(then.value(at), record.value(at), file,
                                  QFileInfo(actual).absoluteFilePath())));
    }
};

QTEST_MAIN(StateTest)
#include "tst_states.moc"
