// The picture exercise window driven as the learner drives it: options, Comenzar, typed
// sentences, help, solution and model; the message boxes are caught and closed by MessageCatcher.
#include "common/exercises.h"
#include "common/forms.h"
#include "common/platform.h"
#include "common/random.h"
#include "draws.h"
#include "messagecatcher.h"
#include "picture/picturewindow.h"
#include "shell/program.h"
#include "windows.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;
using zeb::Exercise;
using zeb::FormName;

namespace {

const QString wrongLine = u"No es correcto. Vuelva a probarlo. ¡Atención a la ortografía!"_s;
const QString endTitle = u"ZEB 17, ejercicios 2, 4 y 6"_s;
const QString endText =
    u"El ejercicio ha terminado. Si quiere recomenzarlo, pulse sobre \"Comenzar\"."_s;

// The picture window opened for one exercise, its controls and the learner's actions.
struct Window
{
    explicit Window(Exercise exercise)
    {
        zeb::openExercise(exercise);
        w = qobject_cast<zeb::PictureWindow *>(zeb::forms::loaded(FormName::zeb1702));
    }
    zeb::PictureWindow *w = nullptr;

    template <typename T = QWidget> T *get(const QString &name) const
    {
        return w->findChild<T *>(name);
    }
    void click(const QString &name) const { get<QAbstractButton>(name)->click(); }
    QLineEdit *box() const { return get<QLineEdit>(u"Text2"_s); }
    QString label(const QString &name) const { return get<QLabel>(name)->text(); }
    bool shown(const QString &name) const { return !get(name)->isHidden(); }
    int scene() const { return w->engine().SceneIndex; }
    QString picture() const { return get(u"Image1"_s)->property("picture").toString(); }

    // Comenzar with `scene` drawn, `first` being the first scene of the range; every later draw
    // gives the scene at the same place among those left.
    void startAt(int scene, int first, int size) const
    {
        scriptDraws({(scene - first + 0.5) / size});
        click(u"Command6"_s);
    }
    void answer(const QString &text) const
    {
        box()->setText(text);
        click(u"Command7"_s);
    }
    // Each option as "name:checked,enabled" (x for checked, - for disabled), and the indicator.
    QString options() const
    {
        QStringList out;
        for (int n : {1, 2, 3, 4, 5, 10, 6, 7, 8, 9}) {
            const auto *o = get<QRadioButton>(u"Option3D%1"_s.arg(n));
            out << QString::number(n) + (o->isChecked() ? u"x"_s : u""_s) +
                       (o->isEnabled() ? u""_s : u"-"_s);
        }
        const bool indicator = shown(u"Label1"_s) && shown(u"Label6"_s);
        return out.join(u' ') + u" | "_s + (indicator ? label(u"Label1"_s) : u"none"_s);
    }
    // What an idle or a working window shows.
    QString task() const
    {
        QStringList out;
        for (const char *name : {"Text2", "Command7", "Command1", "Frame3D5", "Label7", "Label11",
                                 "Label12", "Label3", "Label10", "Label4"}) {
            if (shown(QString::fromLatin1(name)))
                out << QString::fromLatin1(name);
        }
        return (picture().isEmpty() ? u"no picture "_s : u"picture "_s) + out.join(u' ');
    }
};

} // namespace

class PictureWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zeb::defineForms(); }
    void cleanup()
    {
        zeb::forms::discardAll();
        settle();
        zeb::seedRandom(17);
    }

    // The window as it loads: a statement in the third person, on top, nothing shown yet.
    void loadsReadyForAStatement()
    {
        const Window ui(Exercise::Picture4);
        QVERIFY(ui.w && ui.w->isVisible());
        QCOMPARE(ui.w->windowTitle(), u"Ejercicios gramaticales    ----  Unidad 17: Ejercicio 4"_s);
        QCOMPARE(ui.options(), u"1x 2 3 4- 5- 10- 6 7 8x 9- | none"_s);
        QCOMPARE(ui.task(), u"no picture "_s);
        QCOMPARE(ui.label(u"Label4"_s), wrongLine);
        QCOMPARE(ui.label(u"Label2"_s), u". / ?"_s);
        QCOMPARE(ui.get<QGroupBox>(u"Frame3D2"_s)->title(), u"Pregunta"_s);
        QVERIFY(!ui.get(u"Command12"_s)->isEnabled() && !ui.get(u"Command13"_s)->isEnabled());
        QAction *onTop = ui.get<QAction>(u"mnuOnTop"_s);
        QVERIFY(onTop && onTop->isChecked() && onTop->text() == u"&OnTop"_s);
        QVERIFY(ui.w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        onTop->trigger();
        QVERIFY(!ui.w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) && ui.w->isVisible());
        // Every control stands inside the window's client area.
        const QRect client = ui.w->centralWidget()->rect();
        for (QWidget *c :
             ui.w->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(client.contains(c->geometry()), qPrintable(c->objectName()));

        ui.startAt(12, 10, 6);
        QCOMPARE(ui.w->engine().TaskCode, 1);
        QCOMPARE(ui.picture(), u":/pictures/14"_s);
        QCOMPARE(ui.task(), u"picture Text2 Command7 Command1"_s);
        QCOMPARE(ui.w->focusWidget(), ui.box());
        QCOMPARE(ui.label(u"Label3"_s), u"A las seis los amigos se despidieron en la estación."_s);
    }

    // The activity, question type and person options as the learner clicks through them.
    void optionsFollowTheActivity_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("code");
        QTest::newRow("Pregunte") << u"2"_s << u"1 2x 3 4x 5 10 6- 7x 8 9 | 2 / 2 2"_s << 9;
        QTest::newRow("Conteste") << u"3"_s << u"1 2 3x 4x 5 10 6x 7- 8 9- | 1 / 1 1"_s << 11;
        QTest::newRow("Pregunte, Ud.")
            << u"2 9"_s << u"1 2x 3 4x 5 10 6- 7 8 9x | Ud./Uds."_s << 12;
        QTest::newRow("Pregunte, 3/33, Parcial I")
            << u"2 8 5"_s << u"1 2x 3 4 5x 10 6- 7 8x 9 | none"_s << 4;
        QTest::newRow("Pregunte, Parcial II, Haga")
            << u"2 10 1"_s << u"1x 2 3 4- 5- 10x- 6 7x 8 9- | 2 / 2 2"_s << 3;
        QTest::newRow("Pregunte, Ud., Haga: the third person")
            << u"2 9 1"_s << u"1x 2 3 4- 5- 10- 6 7 8x 9- | none"_s << 1;
        QTest::newRow("Conteste, 3/33, Parcial II")
            << u"3 8 10"_s << u"1 2 3x 4 5 10x 6 7- 8x 9- | none"_s << 15;
        QTest::newRow("Conteste, Parcial I")
            << u"3 5"_s << u"1 2 3x 4 5x 10 6x 7- 8 9- | 1 / 1 1"_s << 7;
        QTest::newRow("Haga, 1/11") << u"6"_s << u"1x 2 3 4- 5- 10- 6x 7 8 9- | 1 / 1 1"_s << 2;
        QTest::newRow("Haga, 2/22") << u"7"_s << u"1x 2 3 4- 5- 10- 6 7x 8 9- | 2 / 2 2"_s << 3;
    }
    void optionsFollowTheActivity()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, options);
        QFETCH(int, code);
        const Window ui(Exercise::Picture2);
        for (const QString &n : clicks.split(u' ')) {
            ui.startAt(3, 0, 10); // a task on screen: every option change ends it
            ui.click(u"Option3D"_s + n);
            QCOMPARE(ui.task(), u"no picture "_s);
            QCOMPARE(ui.scene(), zeb::NoScene);
        }
        QCOMPARE(ui.options(), options);
        ui.startAt(3, 0, 10);
        QCOMPARE(ui.w->engine().TaskCode, code);
    }

    // A click on the option already selected changes nothing: the task stays.
    void selectedOptionKeepsTheTask()
    {
        const Window ui(Exercise::Picture2);
        ui.startAt(3, 0, 10);
        const QString before = ui.task() + ui.options();
        ui.click(u"Option3D1"_s);
        QTest::keyClick(ui.w, Qt::Key_H, Qt::AltModifier); // its access key
        QCOMPARE(ui.task() + ui.options(), before);
    }

    // The task set up for each activity: the question to answer, the question word to use.
    void comenzarSetsUpTheTask()
    {
        const Window ui(Exercise::Picture2);
        ui.click(u"Option3D3"_s); // Conteste, General, 1/11
        ui.startAt(3, 0, 10);
        QCOMPARE(ui.label(u"Label7"_s), u"¿Le escribiste una carta a Juan ayer?"_s);
        QCOMPARE(ui.task(), u"picture Text2 Command7 Command1 Frame3D5 Label7"_s);
        // Comenzar again: the same scene, the answer box emptied, the messages hidden.
        ui.answer(u"No."_s);
        QVERIFY(ui.shown(u"Label4"_s));
        ui.click(u"Command6"_s);
        QCOMPARE(ui.scene(), 3);
        QCOMPARE(ui.box()->text(), QString());
        QVERIFY(!ui.shown(u"Label4"_s));

        ui.click(u"Option3D2"_s);
        ui.click(u"Option3D10"_s); // Pregunte, Parcial II, 2/22
        ui.startAt(8, 0, 10);
        QCOMPARE(ui.label(u"Label11"_s), u"¿A qué hora?"_s);
        QCOMPARE(ui.task(), u"picture Text2 Command7 Command1 Label11 Label12"_s);
        QCOMPARE(ui.label(u"Label3"_s), u"¿A qué hora tendisteis la ropa?"_s);
        ui.click(u"Option3D5"_s); // Parcial I: no question word
        ui.startAt(8, 0, 10);
        QCOMPARE(ui.task(), u"picture Text2 Command7 Command1"_s);
    }

    // A statement: the blanks tidied, the capital fixed with a beep and no verdict, then accepted.
    void statementCapitalThenVerdict()
    {
        const Window ui(Exercise::Picture2);
        MessageCatcher catcher;
        ui.startAt(0, 0, 10);
        const int beeps = zeb::beepCount();
        QTest::keyClicks(ui.box(), u"  ayer   Pedro comi\\ en un restaurante  "_s);
        ui.click(u"Command7"_s);
        QCOMPARE(ui.box()->text(), u"Ayer Pedro comió en un restaurante"_s);
        QCOMPARE(zeb::beepCount(), beeps + 1);
        QVERIFY(!ui.shown(u"Label4"_s));
        // Without the full stop it is wrong: a beep, the error line, the text kept, caret at the
        // end.
        ui.click(u"Command7"_s);
        QCOMPARE(zeb::beepCount(), beeps + 2);
        QVERIFY(ui.shown(u"Label4"_s) && ui.label(u"Label4"_s) == wrongLine);
        QCOMPARE(ui.box()->cursorPosition(), ui.box()->text().size());
        QCOMPARE(ui.w->focusWidget(), ui.box());
        QCOMPARE(ui.scene(), 0);
        // The sentence without its time is right, by Enter: the next scene, no message.
        ui.box()->setText(u"Pedro comió en un restaurante."_s);
        QTest::keyClick(ui.box(), Qt::Key_Return);
        QVERIFY(ui.scene() != 0 && ui.w->engine().ScenesShown == 2);
        QCOMPARE(ui.box()->text(), QString());
        QVERIFY(!ui.shown(u"Label4"_s));
        QCOMPARE(catcher.take(QMessageBox::Critical), QStringList());
        // An empty statement ends the check without a sound.
        ui.box()->setText(u"    "_s);
        ui.click(u"Command7"_s);
        QCOMPARE(zeb::beepCount(), beeps + 2);
        QVERIFY(!ui.shown(u"Label4"_s));
    }

    // Exercise 4 typed from the solution lines: six scenes of 10 to 15, then the end and idle.
    void wholePassOfExercise4()
    {
        const Window ui(Exercise::Picture4);
        MessageCatcher catcher;
        ui.click(u"Option3D2"_s); // questions: typed with their own "¿"
        ui.click(u"Command6"_s);
        QSet<int> scenes;
        for (int answered = 0; answered < 6; ++answered) {
            QVERIFY(ui.scene() >= 10 && ui.scene() <= 15 && !scenes.contains(ui.scene()));
            QCOMPARE(ui.picture(), u":/pictures/%1"_s.arg(ui.scene() + 2));
            scenes << ui.scene();
            ui.click(u"Command1"_s);
            QVERIFY(ui.shown(u"Label3"_s) && !ui.shown(u"Label10"_s));
            const QString solution = ui.label(u"Label3"_s);
            QVERIFY(solution.startsWith(u"¿Le"_s) || solution.startsWith(u"¿"_s));
            ui.answer(solution);
            if (answered < 5)
                QCOMPARE(catcher.take(QMessageBox::Critical), QStringList());
        }
        QCOMPARE(catcher.take(QMessageBox::Critical), QStringList{endTitle + u" / "_s + endText});
        QCOMPARE(ui.task(), u"no picture "_s);
        QCOMPARE(ui.w->engine().ScenesShown, 0);
        // The next Comenzar starts a fresh pass.
        ui.click(u"Command6"_s);
        QCOMPARE(ui.w->engine().ScenesShown, 1);
    }

    // Ayuda and the key words of the picture.
    void helpAndKeyWords()
    {
        const Window ui(Exercise::Picture2);
        MessageCatcher catcher;
        ui.get(u"Command16"_s)->setFocus();
        ui.click(u"Command15"_s);
        const QStringList help = catcher.take(QMessageBox::Information);
        QCOMPARE(help.size(), 1);
        QVERIFY(help[0].startsWith(
            u"ZEB 17: Ayuda / Si necesita ayuda sobre los elementos de la oración (palabras), "
            u"haga clic sobre el dibujo. Si quiere ver la solución correcta, pulse sobre el "
            u"botón \"Solución\". Las letras acentuadas"_s));
        QVERIFY(help[0].endsWith(u"\r\n                ¡ = @ \r\n                ¿ = # ."_s));
        QCOMPARE(ui.w->focusWidget(), ui.get(u"Command16"_s)); // no answer box to go to

        auto *image = ui.get(u"Image1"_s);
        QTest::mouseClick(image, Qt::LeftButton);
        QCOMPARE(catcher.take(QMessageBox::Information), QStringList()); // no scene yet
        ui.startAt(7, 0, 10);
        ui.click(u"Command15"_s);
        catcher.take(QMessageBox::Information);
        QCOMPARE(ui.w->focusWidget(), ui.box());
        QTest::mouseClick(image, Qt::LeftButton);
        QCOMPARE(
            catcher.take(QMessageBox::Information),
            QStringList{u"Las partes de la oración / 5\r\nTeresa\r\ncolocar\r\njarrón\r\nmesa"_s});
        ui.click(u"Option3D6"_s);
        ui.startAt(5, 0, 10);
        image->setFocus();
        QTest::keyClick(image, Qt::Key_Space);
        QCOMPARE(catcher.take(QMessageBox::Information),
                 QStringList{u"Las partes de la oración / mañana\r\nregar\r\nflores\r\n"_s});
    }

    // Solución: one line, or two in a general answer task; a key typed hides them again.
    void solutionLines()
    {
        const Window ui(Exercise::Picture2);
        ui.click(u"Option3D3"_s); // Conteste, General, 1/11
        ui.startAt(3, 0, 10);
        ui.click(u"Command1"_s);
        QCOMPARE(ui.label(u"Label3"_s) + u'|' + ui.label(u"Label10"_s),
                 u"Sí, le escribí una carta a Juan.|Sí, se la escribí."_s);
        QVERIFY(ui.shown(u"Label3"_s) && ui.shown(u"Label10"_s));
        QTest::keyClick(ui.box(), Qt::Key_X);
        QVERIFY(!ui.shown(u"Label3"_s) && !ui.shown(u"Label10"_s));
        ui.answer(u"Sí, se la escribí."_s); // the short answer is accepted
        QCOMPARE(ui.w->engine().ScenesShown, 2);

        ui.click(u"Option3D5"_s); // Parcial I: the full answer only
        ui.startAt(3, 0, 10);
        ui.click(u"Command1"_s);
        QCOMPARE(ui.label(u"Label3"_s) + u'|' + ui.label(u"Label10"_s),
                 u"Le escribí una carta a Juan.|"_s);
        QCOMPARE(ui.label(u"Label7"_s), u"¿Qué hiciste ayer?"_s);
    }

    // Modelo in exercise 4, before and after its scene was drawn: always scene 10, then a fresh
    // pass.
    void modelOfExercise4()
    {
        const Window ui(Exercise::Picture4);
        for (const int drawn : {12, 10}) {
            ui.startAt(drawn, 10, 6);
            QCOMPARE(ui.scene(), drawn);
            ui.click(u"Command16"_s);
            QCOMPARE(ui.scene(), 10);
            QCOMPARE(ui.picture(), u":/pictures/12"_s);
            QCOMPARE(ui.box()->text(), u"Anoche el profesor corrigió los exámenes."_s);
            QCOMPARE(ui.task(), u"picture Text2"_s);
            QCOMPARE(ui.w->engine().ScenesShown, 0);
            // The next Comenzar draws, and the pass that follows shows all six scenes.
            zeb::seedRandom(drawn);
            ui.click(u"Command6"_s);
            QSet<int> scenes{ui.scene()};
            while (ui.w->engine().ScenesShown > 0 && scenes.size() < 7) {
                MessageCatcher catcher;
                ui.answer(ui.label(u"Label3"_s));
                if (ui.w->engine().ScenesShown > 0)
                    scenes << ui.scene();
            }
            QCOMPARE(scenes.size(), 6);
        }
        // In a general answer task the model shows the pronoun answer too.
        ui.click(u"Option3D3"_s);
        ui.click(u"Option3D8"_s);
        ui.click(u"Command16"_s);
        QCOMPARE(ui.box()->text(), u"Sí, corrigió los exámenes."_s);
        QVERIFY(ui.shown(u"Label10"_s) && ui.label(u"Label10"_s) == u"Sí, los corrigió."_s);
        QCOMPARE(ui.label(u"Label7"_s), u"¿Corrigió el profesor los exámenes anoche?"_s);
    }

    // The exercise buttons choose the scenes; the numbered buttons and Salir leave the window.
    void exerciseButtonsAndExits()
    {
        const Window ui(Exercise::Picture2);
        const QString title = u"Ejercicios gramaticales    ----  Unidad 17: "_s;
        const std::pair<const char *, QString> choices[] = {
            {"Command10", u"Ejercicio 6"_s},
            {"Command4", u"Ejercicios 2 + 4 + 6"_s},
            {"Command5", u"Ejercicio 4"_s},
            {"Command3", u"Ejercicio 2"_s},
        };
        for (const auto &[name, caption] : choices) {
            ui.startAt(3, 0, 10);
            ui.click(QString::fromLatin1(name));
            QCOMPARE(ui.w->windowTitle(), title + caption);
            QCOMPARE(ui.task(), u"no picture "_s);
            for (const char *other : {"Command3", "Command5", "Command10", "Command4"})
                QCOMPARE(ui.get(QString::fromLatin1(other))->isEnabled(), other != name);
        }
        ui.click(u"Command4"_s);
        ui.startAt(21, 0, 22);
        QCOMPARE(ui.scene(), 21);

        const std::pair<const char *, FormName> exits[] = {{"Command2", FormName::zeb1701},
                                                           {"Command8", FormName::zeb1705},
                                                           {"Command11", FormName::zeb1707},
                                                           {"Command14", FormName::zeb1710},
                                                           {"Command9", FormName::alap}};
        for (const auto &[name, target] : exits) {
            const Window again(Exercise::Picture6);
            again.startAt(17, 16, 6);
            again.click(QString::fromLatin1(name));
            settle();
            QVERIFY(!zeb::forms::loaded(FormName::zeb1702) && !findWindow(u"zeb1702"_s));
            QVERIFY(zeb::forms::loaded(target) && zeb::forms::loaded(target)->isVisible());
            zeb::forms::unload(target);
        }
    }

    // All eight accent keys are typed, "¡" and "¿" included; a paste stays as it is.
    void accentKeysAndPaste()
    {
        const Window ui(Exercise::Picture2);
        ui.startAt(0, 0, 10);
        QTest::keyClicks(ui.box(), u"@#;'`[/\\:"_s);
        QCOMPARE(ui.box()->text(), u"¡¿éáíñúó:"_s);
        ui.box()->insert(u"@#;"_s);
        QCOMPARE(ui.box()->text(), u"¡¿éáíñúó:@#;"_s);
    }

    // Whatever arrives in the answer box is tidied and judged with the normal feedback: a beep,
    // the error line, the text kept for correction (a line edit keeps up to 32 767 characters).
    void badInputGetsTheNormalFeedback_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("paste of 100 000 characters")
            << QString(100'000, u'x') << QString(32'767, u'x');
        QTest::newRow("control characters") << u"\u0001\u0007\u001b\u007f"_s << QString();
        QTest::newRow("NUL") << QStringView(u"¿Qu\0é?", 6).toString() << QString();
        QTest::newRow("lone surrogates") << u"\xD800¿\xDC00"_s << QString();
        QTest::newRow("emoji") << u"¿\U0001F600?"_s << QString();
        QTest::newRow("right-to-left text") << u"\u202E؟ماذا"_s << QString();
        QTest::newRow("combining marks") << u"\u0301\u0301¿Que\u0301?"_s << QString();
        QTest::newRow("tabs and line breaks") << u"¿Qué\thizo\r\nel profesor?"_s << QString();
        QTest::newRow("runs of blanks") << u"   ¿Qué    hizo  ?  "_s << u"¿Qué hizo ?"_s;
        QTest::newRow("¿ alone") << u"¿"_s << QString();
        QTest::newRow("¡ alone") << u"¡"_s << QString();
    }
    void badInputGetsTheNormalFeedback()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        const Window ui(Exercise::Picture4);
        ui.click(u"Option3D2"_s); // a question: no capital step, every text is judged
        ui.startAt(10, 10, 6);
        const int beeps = zeb::beepCount();
        ui.answer(typed);
        QCOMPARE(zeb::beepCount(), beeps + 1);
        QVERIFY(ui.shown(u"Label4"_s) && ui.scene() == 10 && ui.shown(u"Command7"_s));
        QCOMPARE(ui.box()->text(), kept.isNull() ? typed : kept);
    }

    // An empty statement is not judged; Enter held down judges once per press and moves on once.
    void emptyStatementAndEnterHeldDown()
    {
        const Window ui(Exercise::Picture2);
        ui.startAt(0, 0, 10);
        const int beeps = zeb::beepCount();
        ui.answer(QString(100'000, u' '));
        QVERIFY(!ui.shown(u"Label4"_s) && ui.box()->text().isEmpty());
        ui.box()->setText(u"Ayer Pedro comió en un restaurante."_s);
        for (int press = 0; press < 30; ++press) {
            QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s, press > 0);
            QApplication::sendEvent(ui.box(), &held);
        }
        QCOMPARE(ui.w->engine().ScenesShown, 2); // the next scene, then empty boxes: silent
        QCOMPARE(zeb::beepCount(), beeps);
        QVERIFY(!ui.shown(u"Label4"_s));
    }

    // Clicks that come while the end message is open, a model then Comenzar, changes mid-pass:
    // the window stays consistent.
    void strayClicksAndChangesMidPass()
    {
        const Window ui(Exercise::Picture4);
        MessageCatcher catcher;
        ui.click(u"Option3D2"_s);
        ui.click(u"Command6"_s);
        for (int i = 0; i < 5; ++i)
            ui.answer(ui.label(u"Label3"_s));
        catcher.whileOpen = [&] {
            ui.click(u"Command7"_s);
            ui.click(u"Command16"_s);
        };
        ui.answer(ui.label(u"Label3"_s));
        QCOMPARE(ui.task(), u"no picture "_s);
        QCOMPARE(ui.w->engine().ScenesShown, 0);
        ui.click(u"Command16"_s);
        ui.click(u"Command6"_s);
        QVERIFY(ui.w->engine().ScenesShown == 1 && ui.shown(u"Command7"_s));
        ui.click(u"Command5"_s); // the current exercise's button is disabled: no effect
        QVERIFY(ui.shown(u"Command7"_s));
        ui.click(u"Command10"_s);
        ui.click(u"Command1"_s); // hidden now: no solution, no check
        ui.click(u"Command7"_s);
        QCOMPARE(ui.task(), u"no picture "_s);
    }

    // The window closed by its close box in the middle of a pass: gone; the next one starts afresh.
    void closedMidPass()
    {
        {
            const Window ui(Exercise::Picture2);
            ui.startAt(4, 0, 10);
            ui.answer(ui.label(u"Label3"_s));
            QVERIFY(ui.w->close());
        }
        settle();
        QVERIFY(!zeb::forms::loaded(FormName::zeb1702) && !findWindow(u"zeb1702"_s));
        const Window again(Exercise::Picture2);
        QCOMPARE(again.w->engine().ScenesShown, 0);
        QCOMPARE(again.task(), u"no picture "_s);
    }
};

QTEST_MAIN(PictureWindowTest)
#include "tst_picturewindow.moc"
