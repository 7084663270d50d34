// The windows offscreen: each control reaches its engine, and the window shows what it decided.
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

const QString warning = QString::number(QMessageBox::Warning) + u'|';
const QString information = QString::number(QMessageBox::Information) + u'|';

void click(QWidget *window, const char *name)
{
    control<QAbstractButton>(window, QLatin1StringView(name))->click();
}

bool shown(QWidget *window, const char *name)
{
    return control(window, QLatin1StringView(name))->isVisible();
}

bool enabled(QWidget *window, const char *name)
{
    return control(window, QLatin1StringView(name))->isEnabled();
}

QString picture(QWidget *window)
{
    return control(window, u"Image1"_s)->property("picture").toString();
}

QString text(QWidget *window, const char *name)
{
    return control(window, QLatin1StringView(name))->property("text").toString();
}

// Types `answer` key by key, through the accent keys, and presses Enter.
void typeAnswer(QWidget *window, const QString &answer)
{
    auto *box = control<QLineEdit>(window, u"Text2"_s);
    box->clear();
    for (QChar c : answer) {
        for (const AccentKey &key : AccentKeyTable)
            c = c == QChar(key.inserted) ? QChar(key.typed) : c;
        QTest::keyClick(box, c.toLatin1());
    }
    QTest::keyClick(box, Qt::Key_Return);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

bool centredOnTop(const QWidget *window)
{
    const QRect area = window->screen()->availableGeometry(), frame = window->frameGeometry();
    const int slack = 1 + (frame.width() - window->width()) / 2;
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
           std::abs(frame.center().x() - area.center().x()) <= slack + 1 &&
           std::abs(frame.center().y() - area.center().y()) <= slack + 1;
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

    MessageCatcher catcher;

    // The expected form, as the drill's Ayuda tells it.
    QString askDrill(QWidget *drill)
    {
        click(drill, "Command4");
        const QStringList shown = catcher.take();
        return shown.size() == 1 ? shown[0].section(u": "_s, -1) : QString();
    }

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

    // 17/5 from its start to Recomenzar: every answer goes to the engine and back.
    void drillRunsThroughAPass()
    {
        const DrillDescription &d = drill1705();
        int gapFirst = 1;
        while (!opensWithGap(QString::fromUtf16(d.bank()[gapFirst - 1].start)))
            ++gapFirst;
        QVERIFY(openExercise(Exercise::Drill5));
        QWidget *drill = loaded(FormName::zeb1705);
        QVERIFY(drill->isVisible() && centredOnTop(drill) && drill->windowTitle() == d.caption());
        QVERIFY(!shown(drill, "Command2") && !shown(drill, "Command4"));
        scriptDraws({(gapFirst - 0.5) / int(d.bank().size())});
        const QString comenzar = text(drill, "Command1");
        QTest::keyClick(control(drill, u"Command1"_s), Qt::Key_Return); // Enter presses a button
        seedRandom(7);
        QVERIFY(!enabled(drill, "Command1") && shown(drill, "Command2"));
        QCOMPARE(drill->focusWidget(), control(drill, u"Text2"_s));
        const QString firstProgress = text(drill, "Progress");
        QVERIFY(firstProgress.endsWith(QString::number(d.passLength)));
        QCOMPARE(text(drill, "Label9"), QString::fromUtf16(d.bank()[gapFirst - 1].infinitive));

        const int beeps = beepCount();
        const QString form = askDrill(drill);
        typeAnswer(drill, u"X"_s + form);
        const QStringList wrong = catcher.take();
        QVERIFY(wrong.size() == 1 && wrong[0].startsWith(warning + d.messageTitle() + u'|'));
        QVERIFY(!wrong[0].contains(u'\n')); // no mistake of grammar: no hint
        auto *box = control<QLineEdit>(drill, u"Text2"_s);
        QVERIFY(box->text() == u'X' + form && box->cursorPosition() == box->text().size());
        const QString infinitive = text(drill, "Label9");
        typeAnswer(drill, infinitive.front().toUpper() + infinitive.mid(1));
        QVERIFY(catcher.take().value(0).endsWith(u'\n' + hintText(HintKind::Infinitive)));
        // The gap opens the sentence: a lower-case answer is made right, with a warning.
        typeAnswer(drill, form.front().toLower() + form.mid(1));
        QCOMPARE(catcher.take().size(), 1);
        QCOMPARE(beepCount(), beeps + 3);
        auto *running = control<QPlainTextEdit>(drill, u"Text5"_s);
        QVERIFY(running->toPlainText().contains(form) && running->toPlainText().endsWith(u' '));
        QVERIFY(box->text().isEmpty() && text(drill, "Label9") != QString());
        QVERIFY(text(drill, "Progress") != firstProgress);

        for (int answered = 1; answered < d.passLength; ++answered) {
            QVERIFY(enabled(drill, "Command2"));
            box->setText(askDrill(drill));
            click(drill, "Command2");
        }
        QCOMPARE(catcher.take().size(), 1); // the end of the pass
        auto *start = control<QPushButton>(drill, u"Command1"_s);
        QVERIFY(start->isEnabled() && start->text() != comenzar && drill->focusWidget() == start);
        QVERIFY(!enabled(drill, "Command2") && text(drill, "Label6").isEmpty());
        click(drill, "Command1"); // Recomenzar
        QVERIFY(running->toPlainText().isEmpty() && enabled(drill, "Command2"));
        QVERIFY(!start->isEnabled() && !text(drill, "Label9").isEmpty());
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

    // Each numbered button opens its exercise and sends its window away; its own is disabled.
    void numberedButtonsOpenTheirExercise()
    {
        for (const auto *d : {&drill1701(), &drill1705(), &drill1707(), &drill1710()}) {
            for (const NavigationButton &nav : d->navigation) {
                openExercise(d->exercise);
                QPointer<QWidget> window = loaded(d->window);
                auto *b = control<QPushButton>(window, QLatin1StringView(nav.name));
                QVERIFY(b->text() == QString::fromUtf8(nav.caption) &&
                        b->isEnabled() == (nav.target != d->exercise));
                b->click();
                settle();
                QCOMPARE(bool(window), nav.target == d->exercise);
                forms::discardAll();
            }
        }
    }

    // The options show the engine's choice; the indicator shows the person.
    void pictureOptions()
    {
        openExercise(Exercise::Picture4);
        QWidget *w = loaded(FormName::zeb1702);
        QVERIFY(w->windowTitle().endsWith(u'4') && !enabled(w, "Command5"));
        auto option = [w](const char *name) {
            return control<QRadioButton>(w, QLatin1StringView(name));
        };
        auto checked = [&] { // chosen "x", free ".", disabled "-"
            QString s;
            for (const OptionChoice &o : zeb::pictureOptions())
                s += option(o.name)->isChecked() ? u'x' : option(o.name)->isEnabled() ? u'.' : u'-';
            return s;
        };
        QCOMPARE(checked(), u"x..---..x-"_s);
        QVERIFY(!shown(w, "Label1") && !shown(w, "Label6")); // the person indicator
        QTest::mouseClick(option("Option3D2"), Qt::LeftButton);
        QCOMPARE(checked(), u".x.x..-x.."_s);
        QVERIFY(shown(w, "Label1") && shown(w, "Label6") && !text(w, "Label1").isEmpty());
        const QPoint panel =
            control(w, u"Label6"_s)->mapTo(w, QPoint(2, 2)); // painted, red persons
        QVERIFY(w->grab().toImage().pixelColor(panel) != w->palette().color(QPalette::Window) &&
                option("Option3D7")->palette().color(QPalette::WindowText) !=
                    option("Option3D1")->palette().color(QPalette::WindowText));
        QTest::mouseClick(option("Option3D9"), Qt::LeftButton);
        click(w, "Command6");
        // A click on the chosen option keeps it chosen and keeps the task.
        QTest::mouseClick(option("Option3D9"), Qt::LeftButton);
        QCOMPARE(checked(), u".x.x..-..x"_s);
        QVERIFY(shown(w, "Text2"));
        QApplication::setActiveWindow(w); // every option is a stop of the Tab key
        option("Option3D4")->setFocus();
        QTest::keyClick(option("Option3D4"), Qt::Key_Tab);
        QCOMPARE(w->focusWidget(), option("Option3D5"));
        for (const OptionChoice &o : zeb::pictureOptions()) { // a question to answer only
            if (o.activity == Activity::None)
                continue;
            QTest::mouseClick(option(o.name), Qt::LeftButton);
            click(w, "Command6");
            QCOMPARE(shown(w, "Label7") && !text(w, "Label7").isEmpty(),
                     o.activity == Activity::Answer);
        }
    }

    // Exercise 4 from Comenzar to its end: wrong, solution, capital step, right, the end.
    void pictureRunsThroughAPass()
    {
        openExercise(Exercise::Picture4);
        QWidget *w = loaded(FormName::zeb1702);
        auto *box = control<QLineEdit>(w, u"Text2"_s);
        click(w, "Command1"); // no task: no solution
        QVERIFY(!shown(w, "Label3"));
        click(w, "Command6");
        const QString first = picture(w);
        const QImage drawn = control(w, u"Image1"_s)->grab().toImage(); // the picture is painted
        QVERIFY(!first.isEmpty() && box->isVisible() && w->focusWidget() == box);
        QVERIFY(shown(w, "Command7") && shown(w, "Command1"));

        const int beeps = beepCount();
        typeAnswer(w, u"Mal."_s);
        QVERIFY(shown(w, "Label4") && !text(w, "Label4").isEmpty());
        QVERIFY(catcher.take().isEmpty() && beepCount() == beeps + 1);
        click(w, "Command1");
        const QString solution = text(w, "Label3");
        QVERIFY(shown(w, "Label3") && !solution.isEmpty());
        QTest::keyClick(box, Qt::Key_A); // typing hides the solution, not the error line
        QVERIFY(!shown(w, "Label3") && shown(w, "Label4"));
        typeAnswer(w, solution.front().toLower() + solution.mid(1));
        QCOMPARE(box->text(), solution);
        QCOMPARE(beepCount(), beeps + 2);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!shown(w, "Label4") && box->text().isEmpty());
        QVERIFY(picture(w) != first);

        for (int scene = 2; scene <= sceneRange(Exercise::Picture4).size(); ++scene) {
            click(w, "Command1");
            box->setText(text(w, "Label3"));
            click(w, "Command7");
        }
        const QStringList end = catcher.take();
        QVERIFY(end.size() == 1 && end[0].startsWith(QString::number(QMessageBox::Critical)));
        QVERIFY(box->isHidden() && !shown(w, "Command7"));
        QVERIFY(picture(w).isEmpty() && control(w, u"Image1"_s)->grab().toImage() != drawn);
        QTest::keyClick(box, Qt::Key_Return); // Enter held down after the end does nothing
        QVERIFY(catcher.take().isEmpty());
    }

    // Help, key words, model, the exercise buttons and Salir.
    void pictureHelpModelAndButtons()
    {
        openExercise(Exercise::Picture6);
        QWidget *w = loaded(FormName::zeb1702);
        QTest::mouseClick(control(w, u"Image1"_s), Qt::LeftButton); // nothing drawn: no words
        click(w, "Command15");
        const QStringList help = catcher.take();
        QVERIFY(help.size() == 1 && help[0].startsWith(information) &&
                help[0].endsWith(accentKeyHelp()));
        click(w, "Command6");
        QTest::mouseClick(control(w, u"Image1"_s), Qt::LeftButton); // the focus stays in the box
        QCOMPARE(w->focusWidget(), control(w, u"Text2"_s));
        QVERIFY(control(w, u"Image1"_s)->focusPolicy() & Qt::TabFocus);
        const QStringList words = catcher.take();
        QVERIFY(words.size() == 1 && words[0].startsWith(information));
        QCOMPARE(words[0].count(u"\r\n"_s), 4); // five key words in the third person

        QTest::mouseClick(control(w, u"Option3D3"_s), Qt::LeftButton); // answers, general question
        click(w, "Command16"); // the model: the first scene of the exercise, worked, not to check
        QCOMPARE(picture(w), picturePath(scenePictureId(sceneRange(Exercise::Picture6).first)));
        QVERIFY(!text(w, "Text2").isEmpty() && !shown(w, "Command7") && !shown(w, "Command1") &&
                shown(w, "Label10"));

        click(w, "Command3"); // exercise 2, chosen here
        QVERIFY(!enabled(w, "Command3") && enabled(w, "Command10"));
        QVERIFY(w->windowTitle().endsWith(u'2') && !shown(w, "Text2"));
        click(w, "Command4");
        QVERIFY(w->windowTitle().endsWith(u"2 + 4 + 6"_s) && !enabled(w, "Command4"));
        click(w, "Command9");
        QVERIFY(!loaded(FormName::zeb1702) && loaded(FormName::alap)->isVisible());
    }

    // The splash gives way to the menu, which opens the about window and the keys' help.
    void shell()
    {
        startProgram();
        QWidget *about = loaded(FormName::sobre);
        QVERIFY(about && about->isVisible() && centredOnTop(about));
        QVERIFY(about->cursor().shape() == Qt::WaitCursor && !shown(about, "Command1"));
        QTRY_VERIFY(loaded(FormName::alap) && !loaded(FormName::sobre));
        QWidget *menu = loaded(FormName::alap);
        QWidget *background = loaded(FormName::hatter); // a colour of its own
        QVERIFY(centredOnTop(menu) && background->isVisible() &&
                background->palette().color(QPalette::Window) !=
                    QApplication::palette().color(QPalette::Window));
        QCOMPARE(AboutOpenedFromMenu, 1);
        QVERIFY(
            menu->windowTitle().startsWith(drill1705().caption().trimmed().section(u' ', 0, 1)));
        menu->findChild<QAction *>(u"como"_s)->trigger();
        const QStringList keys = catcher.take();
        QVERIFY(keys.size() == 1 && keys[0].startsWith(information) &&
                keys[0].endsWith(u'|' + accentKeyHelp()));

        menu->findChild<QAction *>(u"acerca"_s)->trigger();
        about = loaded(FormName::sobre);
        QVERIFY(about->isVisible() && about->focusWidget() == control(about, u"Command1"_s));
        QTest::keyClick(control(about, u"Image2"_s), Qt::Key_Space);
        QCOMPARE(catcher.take().size(), 1);
        const QString frame = picture(about); // the animation goes round, the year after the city
        QTRY_VERIFY(picture(about) != frame);
        QTRY_VERIFY(picture(about) == frame &&
                    control(about, u"Label2"_s)->y() > control(about, u"Label4"_s)->y());
        QTest::qWait(300); // the splash's timer is off: no second menu
        QVERIFY(loaded(FormName::alap) == menu && loaded(FormName::sobre) == about);
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(!loaded(FormName::sobre));
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

    // A screen reader finds every control by a name of its own, the options as radio buttons and
    // painted texts as text; nothing is said while none runs. (What it hears, the Orca test
    // proves.)
    void screenReaders()
    {
        openExercise(Exercise::Drill5);
        QWidget *silent = loaded(FormName::zeb1705);
        click(silent, "Command1");
        control<QLineEdit>(silent, u"Text2"_s)->setText(askDrill(silent));
        click(silent, "Command2");
        QVERIFY(!control(silent, u"SpokenLine"_s));
        // Offscreen nothing turns accessibility on: the test does, as a screen reader would.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        const auto spoken = [](QObject *o, QAccessible::Text t = QAccessible::Name) {
            return QAccessible::queryAccessibleInterface(o)->text(t);
        };
        forms::show(FormName::alap);
        forms::show(FormName::sobre);
        openExercise(Exercise::Drill7);
        openExercise(Exercise::Picture2);
        click(loaded(FormName::zeb1702), "Command6");
        for (const FormName form :
             {FormName::alap, FormName::sobre, FormName::zeb1707, FormName::zeb1702}) {
            QSet<QString> names;
            for (QWidget *c : loaded(form)->findChildren<QWidget *>()) {
                if (c->focusPolicy() == Qt::NoFocus || c->inherits("QMenu") ||
                    c->inherits("QScrollBar"))
                    continue;
                const QString name = spoken(c);
                QVERIFY2(!name.isEmpty() && !name.contains(u'&') && !names.contains(name),
                         qPrintable(name));
                names << name;
                const QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
                if (auto *option = qobject_cast<QRadioButton *>(c)) // radio buttons, as chosen
                    QVERIFY(a->role() == QAccessible::RadioButton &&
                            a->state().checked == option->isChecked());
            }
        }
        QWidget *panel = control(loaded(FormName::alap), u"Panel3D1"_s); // painted, read as text
        QCOMPARE(spoken(panel), panel->property("title").toString().simplified());
        // A picture's press action does what its click does: it opens its message.
        for (QWidget *c : {control(loaded(FormName::zeb1702), u"Image1"_s),
                           control(loaded(FormName::sobre), u"Image2"_s)}) {
            QAccessible::queryAccessibleInterface(c)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            QCOMPARE(catcher.take().size(), 1);
        }
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
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

    // On a small screen every window shrinks as a whole to fit; its controls keep their shape.
    void smallScreen()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        if (area.height() > 500)
            QSKIP("a small screen is tested with tst_windows_small");
        forms::show(FormName::alap);
        forms::show(FormName::sobre);
        openExercise(Exercise::Drill10);
        openExercise(Exercise::Picture246);
        for (const FormName form :
             {FormName::alap, FormName::sobre, FormName::zeb1710, FormName::zeb1702})
            QVERIFY(loaded(form)->frameGeometry().width() <= area.width() &&
                    loaded(form)->frameGeometry().height() <= area.height());
        auto *w = static_cast<Form *>(loaded(FormName::zeb1702));
        QVERIFY(w->designScale() < 1);
        for (const ControlRow &row : pictureControls()) {
            QWidget *c = control(w, QLatin1StringView(row.name));
            QVERIFY(row.parent || c->geometry() == twipsRect(row.twips, w->designScale()));
            QCOMPARE(c->font().pointSizeF(), row.font.points * w->designScale());
            QVERIFY(!row.align || c->property("alignment").value<Qt::Alignment>() == row.align);
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
