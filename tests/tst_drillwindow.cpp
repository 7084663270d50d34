// The four verb drill windows (17/1, 17/5, 17/7, 17/10) driven as the learner drives them: start,
// answers right and wrong, the capital rule, help, the accent keys, the on-top item and the jumps
// to the other exercises. Message boxes are caught and closed by MessageCatcher; draws are made
// repeatable by a seeded or scripted random source.
#include "common/forms.h"
#include "common/platform.h"
#include "common/random.h"
#include "drills/drillbank.h"
#include "messagecatcher.h"
#include "shell/program.h"
#include "windows.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>
#include <random>

using namespace Qt::StringLiterals;
using zeb::FormName;

namespace {

// What the tests know about each drill, written out here rather than taken from the program.
struct DrillFacts
{
    const char *window;
    FormName form;
    zeb::DrillBank (*bank)();
    int passLength;
    const char *number;       // "1", "5", "7", "10"
    const char *capitalTitle; // title of "¡Atención a las mayúsculas!"
    bool tightOpeningSign;    // a start of just "¿" stands right before the form in the text
};

const DrillFacts drills[] = {
    {"zeb1701", FormName::zeb1701, zeb::bank1701, 34, "1", "Ejercicio 17/1", false},
    {"zeb1705", FormName::zeb1705, zeb::bank1705, 25, "5", "Ejercicio 17/5", false},
    {"zeb1707", FormName::zeb1707, zeb::bank1707, 31, "7", "Verbos   ---   Ejercicio 17/7 ", true},
    {"zeb1710", FormName::zeb1710, zeb::bank1710, 34, "10", "Verbos   ---   Ejercicio 17/10",
     false},
};

const QString wrongText = u"No es correcto. Vuelva a probarlo."_s;
const QString capitalText = u"¡Atención a las mayúsculas!"_s;
const QString endText =
    u"El ejercicio ha terminado. Si quiere recomenzarlo, haga clic en \"Recomenzar\"."_s;

const DrillFacts &facts(const QString &window)
{
    for (const DrillFacts &d : drills) {
        if (window == QLatin1StringView(d.window))
            return d;
    }
    qFatal("no drill called %s", qPrintable(window));
}

QString messageTitle(const DrillFacts &d)
{
    return u"Ejercicio 17/"_s + QLatin1StringView(d.number);
}

QString helpTitle(const DrillFacts &d)
{
    return messageTitle(d) + u"  ---   Ayuda"_s;
}

QString text(const char16_t *s)
{
    return QString::fromUtf16(s);
}

const zeb::DrillRow &row(const DrillFacts &d, int item)
{
    return d.bank()[std::size_t(item - 1)];
}

QString formOf(const DrillFacts &d, int item)
{
    return text(row(d, item).verbForm);
}

// The sentence as the running text adds it once the item is answered.
QString completedSentence(const DrillFacts &d, int item)
{
    const QString start = text(row(d, item).start);
    const bool tight = d.tightOpeningSign && (start == u"¿"_s || start == u"¡"_s);
    return start + (tight ? u""_s : u" "_s) + formOf(d, item) + u' ' + text(row(d, item).end) +
           u' ';
}

// Draws come from the script first, then from a fixed generator.
class ScriptedDraws : public zeb::RandomSource
{
public:
    explicit ScriptedDraws(QList<double> script) : m_script(std::move(script)) {}
    double uniform() override
    {
        if (!m_script.isEmpty())
            return m_script.takeFirst();
        return double(m_rest() >> 11) * 0x1.0p-53;
    }

private:
    QList<double> m_script;
    std::mt19937_64 m_rest{1717};
};

// The next draw, made while every item of the drill is in the pool, brings `item`.
void scriptNextDraw(const DrillFacts &d, int item)
{
    const double n = double(d.bank().size());
    zeb::setRandomSource(std::make_unique<ScriptedDraws>(QList<double>{(item - 0.5) / n}));
}

QPushButton *button(QWidget *w, const char *name)
{
    return control<QPushButton>(w, QLatin1StringView(name));
}
QLabel *label(QWidget *w, const char *name)
{
    return control<QLabel>(w, QLatin1StringView(name));
}
QLineEdit *answerBox(QWidget *w)
{
    return control<QLineEdit>(w, u"Text2"_s);
}
QString runningText(QWidget *w)
{
    return control<QPlainTextEdit>(w, u"Text5"_s)->toPlainText();
}
QAction *onTopItem(QWidget *w)
{
    return w->findChild<QAction *>(u"mnuOntop"_s);
}

QWidget *openDrill(const DrillFacts &d)
{
    zeb::forms::show(d.form);
    return findWindow(QLatin1StringView(d.window));
}

// The item whose start, end and infinitive the window shows: 0 when none, -1 when not one only.
int shownItem(QWidget *w, const DrillFacts &d)
{
    int found = 0;
    for (int item = 1; item <= int(d.bank().size()); ++item) {
        const zeb::DrillRow &r = row(d, item);
        if (label(w, "Label6")->text() == text(r.start) + u' ' &&
            label(w, "Label7")->text() == u' ' + text(r.end) &&
            label(w, "Label9")->text() == text(r.infinitive))
            found = found ? -1 : item;
    }
    return found;
}

// Starts the pass with `item` on display.
bool startAt(QWidget *w, const DrillFacts &d, int item)
{
    scriptNextDraw(d, item);
    button(w, "Command1")->click();
    return shownItem(w, d) == item;
}

// Types (as a paste: no key translation) and presses Enter in the answer box.
void answer(QWidget *w, const QString &typed)
{
    answerBox(w)->setText(typed);
    QTest::keyClick(answerBox(w), Qt::Key_Return);
}

// Everything a check may change, but the answer box, for "nothing else changes" comparisons.
QStringList visibleState(QWidget *w)
{
    QStringList state;
    for (const char *name : {"Label6", "Label7", "Label8", "Label9"})
        state << QLatin1StringView(name) + u": "_s + label(w, name)->text();
    state << u"Text5: "_s + runningText(w);
    for (const char *name : {"Command1", "Command2", "Command4"}) {
        const QPushButton *b = button(w, name);
        state << u"%1: %2 %3 %4"_s.arg(QLatin1StringView(name), b->text(),
                                       b->isHidden() ? u"hidden"_s : u"shown"_s,
                                       b->isEnabled() ? u"enabled"_s : u"disabled"_s);
    }
    return state;
}

// A drill window as it loads: nothing on display, only "&Comenzar" to press.
QStringList freshState()
{
    return {u"Label6: "_s,
            u"Label7: "_s,
            u"Label8: "_s,
            u"Label9: "_s,
            u"Text5: "_s,
            u"Command1: &Comenzar shown enabled"_s,
            u"Command2: Si&guiente hidden enabled"_s,
            u"Command4: &Ayuda hidden enabled"_s};
}

// Answers every item of a pass correctly, half by Enter, half by "Si&guiente". Stops at the first
// item that is not what it should be; the end-of-pass message is left in the catcher.
bool answerWholePass(QWidget *w, const DrillFacts &d, MessageCatcher &catcher,
                     QList<int> *order = nullptr, QString *sentences = nullptr)
{
    QSet<int> shown;
    for (int n = 1; n <= d.passLength; ++n) {
        const int item = shownItem(w, d);
        if (item <= 0 || shown.contains(item) || !catcher.messages.isEmpty()) {
            qWarning("answer %d: item %d on display, %lld messages", n, item,
                     qlonglong(catcher.messages.size()));
            return false;
        }
        if (label(w, "Label8")->text() != text(row(d, item).personHint))
            return false;
        shown.insert(item);
        if (order)
            order->append(item);
        if (sentences)
            *sentences += completedSentence(d, item);
        if (n % 2) {
            answer(w, formOf(d, item));
        } else {
            answerBox(w)->setText(formOf(d, item));
            button(w, "Command2")->click();
        }
    }
    return true;
}

// A picture exercise window in place of the real one: its four exercise buttons, two of them
// disabled and two enabled to begin with, so that every opening has something to change.
class PictureWindowStandIn : public zeb::Form
{
public:
    PictureWindowStandIn() : Form(FormName::zeb1702)
    {
        auto *client = new QWidget(this);
        setCentralWidget(client);
        for (const char *name : {"Command3", "Command5", "Command4", "Command10"}) {
            auto *b = new QPushButton(QLatin1StringView(name), client);
            b->setObjectName(QLatin1StringView(name));
            b->setEnabled(qstrcmp(name, "Command4") == 0 || qstrcmp(name, "Command10") == 0);
        }
    }
};

} // namespace

class DrillWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zeb::defineForms(); }
    void init() { zeb::seedRandom(1705); }
    void cleanup()
    {
        zeb::forms::discardAll();
        zeb::forms::define(FormName::zeb1702, {});
        settle();
    }

    void loadShowsAnEmptyDrillOnTop_data();
    void loadShowsAnEmptyDrillOnTop();
    void onTopItemTogglesAndTwoTriggersRestoreIt_data();
    void onTopItemTogglesAndTwoTriggersRestoreIt();
    void comenzarShowsTheDrawnItem_data();
    void comenzarShowsTheDrawnItem();

    void passEndsAfterItsLengthAndRecomenzarStartsAfresh_data();
    void passEndsAfterItsLengthAndRecomenzarStartsAfresh();
    void rightAnswerAddsTheCompletedSentence_data();
    void rightAnswerAddsTheCompletedSentence();
    void lowerCaseCapitalIsWarnedThenAccepted_data();
    void lowerCaseCapitalIsWarnedThenAccepted();
    void wrongAnswerIsReportedAndChangesNothing_data();
    void wrongAnswerIsReportedAndChangesNothing();
    void unusualInputIsJudgedWrongWithoutHarm_data();
    void unusualInputIsJudgedWrongWithoutHarm();
    void emptyAnswerToGapFirstItemEndsSilently_data();
    void emptyAnswerToGapFirstItemEndsSilently();

    void ayudaShowsTheFormAndChangesNothing_data();
    void ayudaShowsTheFormAndChangesNothing();
    void accentKeysTranslateTypedCharacters_data();
    void accentKeysTranslateTypedCharacters();
    void pastedTextIsNotTranslated();
    void answerTypedWithAccentKeysIsAccepted_data();
    void answerTypedWithAccentKeysIsAccepted();

    void salirShowsTheMenuAndUnloadsTheDrill_data();
    void salirShowsTheMenuAndUnloadsTheDrill();
    void closingTheDrillOpensNoOtherWindow();
    void drillButtonOpensTheOtherDrill_data();
    void drillButtonOpensTheOtherDrill();
    void ownButtonIsDisabled_data();
    void ownButtonIsDisabled();
    void pictureButtonOpensThePictureExercise_data();
    void pictureButtonOpensThePictureExercise();
    void pictureButtonsStayPutWithoutThePictureWindow();
    void reopenedDrillStartsAfresh();

private:
    void verifyJudgedWrong(QWidget *w, const DrillFacts &d, bool capitalWarning,
                           const QString &boxAfter);
};

// --- Loading and starting ---------------------------------------------------------------------

void DrillWindowTest::loadShowsAnEmptyDrillOnTop_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("instruction");
    QTest::addRow("17/1") << u"zeb1701"_s
                          << u"        Ejercicios gramaticales  ---  Unidad 17:  Ejercicio 1"_s
                          << u"1.  Complete con el pretérito indefinido:"_s;
    QTest::addRow("17/5") << u"zeb1705"_s
                          << u"        Ejercicios gramaticales  ---  Unidad 17:  Ejercicio 5"_s
                          << u"5.  Complete con el pretérito indefinido:"_s;
    QTest::addRow("17/7") << u"zeb1707"_s
                          << u"        Ejercicios gramaticales  ---  Unidad 17:  Ejercicio 7"_s
                          << u"7.  Complete con el pretérito indefinido:"_s;
    QTest::addRow("17/10") << u"zeb1710"_s
                           << u"        Ejercicios gramaticales  ---  Unidad 17:  Ejercicio 10"_s
                           << u"10.  Complete con el pretérito indefinido:"_s;
}

void DrillWindowTest::loadShowsAnEmptyDrillOnTop()
{
    QFETCH(QString, drill);
    QFETCH(QString, caption);
    QFETCH(QString, instruction);
    QWidget *w = openDrill(facts(drill));
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(label(w, "Label2")->text(), instruction);
    QCOMPARE(label(w, "Label4")->text(), u"Ejercicios:"_s);

    QCOMPARE(visibleState(w), freshState());
    QCOMPARE(answerBox(w)->text(), QString());
    QCOMPARE(button(w, "Command3")->text(), u"&Salir"_s);
    QCOMPARE(w->focusWidget(), button(w, "Command1"));

    QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(onTopItem(w)->isCheckable());
    QVERIFY(onTopItem(w)->isChecked());
}

void DrillWindowTest::onTopItemTogglesAndTwoTriggersRestoreIt_data()
{
    QTest::addColumn<QString>("drill");
    for (const DrillFacts &d : drills)
        QTest::addRow("%s", d.window) << QString::fromLatin1(d.window);
}

void DrillWindowTest::onTopItemTogglesAndTwoTriggersRestoreIt()
{
    QFETCH(QString, drill);
    QWidget *w = openDrill(facts(drill));
    QAction *onTop = onTopItem(w);

    onTop->trigger();
    QVERIFY(!onTop->isChecked());
    QVERIFY(!w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w->isVisible());

    onTop->trigger();
    QVERIFY(onTop->isChecked());
    QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w->isVisible());
}

void DrillWindowTest::comenzarShowsTheDrawnItem_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("labels");  // Label6, Label7, Label8, Label9
    QTest::addColumn<QString>("typedBefore"); // the start leaves it in the answer box
    QTest::addRow("17/1 hint with a blank, by click")
        << u"zeb1701"_s << 4 << u"click"_s
        << QStringList{u"Anoche "_s, u" muy tarde."_s, u"2 2"_s, u"acostarse"_s} << QString();
    QTest::addRow("17/5 no hint, by Enter")
        << u"zeb1705"_s << 2 << u"enter"_s
        << QStringList{u"Los niños "_s, u" helado."_s, u""_s, u"pedir"_s} << QString();
    QTest::addRow("17/7 start of just ¿, by Space")
        << u"zeb1707"_s << 24 << u"space"_s
        << QStringList{u"¿ "_s, u" mucha gente en el teatro?"_s, u""_s, u"haber"_s} << QString();
    QTest::addRow("17/10 last item, by click, text typed before")
        << u"zeb1710"_s << 37 << u"click"_s
        << QStringList{u"¿ "_s, u" quedarte en casa el domingo?"_s, u"2"_s, u"preferir"_s}
        << u"typed early"_s;
}

void DrillWindowTest::comenzarShowsTheDrawnItem()
{
    QFETCH(QString, drill);
    QFETCH(int, item);
    QFETCH(QString, how);
    QFETCH(QStringList, labels);
    QFETCH(QString, typedBefore);
    const DrillFacts &d = facts(drill);
    QWidget *w = openDrill(d);
    QPushButton *comenzar = button(w, "Command1");
    answerBox(w)->setText(typedBefore);
    scriptNextDraw(d, item);
    if (how == u"click"_s)
        comenzar->click();
    else
        QTest::keyClick(comenzar, how == u"enter"_s ? Qt::Key_Return : Qt::Key_Space);

    QCOMPARE(shownItem(w, d), item);
    QStringList expected;
    for (qsizetype i = 0; i < labels.size(); ++i)
        expected << u"Label%1: "_s.arg(QList<int>{6, 7, 8, 9}.at(i)) + labels.at(i);
    expected << u"Text5: "_s << u"Command1: &Comenzar shown disabled"_s
             << u"Command2: Si&guiente shown enabled"_s << u"Command4: &Ayuda shown enabled"_s;
    QCOMPARE(visibleState(w), expected);
    QCOMPARE(answerBox(w)->text(), typedBefore);
    QCOMPARE(w->focusWidget(), answerBox(w));
}

// --- Answers ----------------------------------------------------------------------------------

void DrillWindowTest::passEndsAfterItsLengthAndRecomenzarStartsAfresh_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addRow("17/1 ends after 34 of 34") << u"zeb1701"_s;
    QTest::addRow("17/5 ends after 25 of 25") << u"zeb1705"_s;
    QTest::addRow("17/7 ends after 31 of 31") << u"zeb1707"_s;
    QTest::addRow("17/10 ends after 34 of 37") << u"zeb1710"_s;
}

void DrillWindowTest::passEndsAfterItsLengthAndRecomenzarStartsAfresh()
{
    QFETCH(QString, drill);
    const DrillFacts &d = facts(drill);
    QWidget *w = openDrill(d);
    QLineEdit *box = answerBox(w);
    MessageCatcher catcher;
    button(w, "Command1")->click();

    const int beeps = zeb::beepCount();
    QList<int> order;
    QString sentences;
    QVERIFY(answerWholePass(w, d, catcher, &order, &sentences));
    QCOMPARE(zeb::beepCount(), beeps + 1);
    QCOMPARE(catcher.messages.size(), 1);
    QCOMPARE(catcher.messages.first().text, endText);
    QCOMPARE(catcher.messages.first().title, messageTitle(d));
    QCOMPARE(catcher.messages.first().icon, QMessageBox::Warning);
    QCOMPARE(catcher.messages.first().buttonCount, 1);
    catcher.messages.clear();

    QCOMPARE(visibleState(w),
             QStringList({u"Label6: "_s, u"Label7: "_s, u"Label8: "_s, u"Label9: "_s,
                          u"Text5: "_s + sentences, u"Command1: &Recomenzar shown enabled"_s,
                          u"Command2: Si&guiente shown disabled"_s,
                          u"Command4: &Ayuda shown enabled"_s}));
    QCOMPARE(box->text(), QString());
    QCOMPARE(w->focusWidget(), button(w, "Command1"));

    // Enter in the answer box does nothing once the pass is over.
    box->setText(formOf(d, order.last()));
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(catcher.messages.isEmpty());
    QCOMPARE(runningText(w), sentences);
    box->clear();

    // "&Ayuda" still tells the form of the last item.
    button(w, "Command4")->click();
    QCOMPARE(catcher.takeTexts(),
             QStringList{u"La forma correcta es: "_s + formOf(d, order.last())});

    // "&Recomenzar" empties the text and draws from every item again: the first item of the
    // last pass can come first.
    QVERIFY(startAt(w, d, order.first()));
    QCOMPARE(visibleState(w).mid(4),
             QStringList({u"Text5: "_s, u"Command1: &Recomenzar shown disabled"_s,
                          u"Command2: Si&guiente shown enabled"_s,
                          u"Command4: &Ayuda shown enabled"_s}));
    QString secondSentences;
    QVERIFY(answerWholePass(w, d, catcher, nullptr, &secondSentences));
    QCOMPARE(catcher.takeTexts(), QStringList{endText});
    QCOMPARE(runningText(w), secondSentences);
}

void DrillWindowTest::rightAnswerAddsTheCompletedSentence_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed"); // null: the expected form
    QTest::addColumn<QString>("sentence");
    QTest::addRow("17/7 sets ¿ right before the form")
        << u"zeb1707"_s << 24 << QString() << u"¿Hubo mucha gente en el teatro? "_s;
    QTest::addRow("17/7 longer start keeps its blank")
        << u"zeb1707"_s << 6 << QString() << u"¿Quién puso la mesa? "_s;
    QTest::addRow("17/7 end of just ?")
        << u"zeb1707"_s << 19 << QString() << u"¿Adónde fuisteis ? "_s;
    QTest::addRow("17/1 keeps the blank after ¿")
        << u"zeb1701"_s << 33 << QString() << u"¿ Oísteis esta noticia? "_s;
    QTest::addRow("17/10 keeps the blank after ¿")
        << u"zeb1710"_s << 14 << QString() << u"¿ Saliste con tus amigos el sábado? "_s;
    QTest::addRow("17/5 empty start leaves a leading blank")
        << u"zeb1705"_s << 4 << QString() << u" Preferimos no discutir con ella. "_s;
    QTest::addRow("17/5 blanks around, form with its pronoun")
        << u"zeb1705"_s << 6 << u"   se rieron  "_s
        << u"Los invitados se rieron mucho con los chistes del tío Juan. "_s;
    QTest::addRow("17/5 decomposed accent") << u"zeb1705"_s << 8 << u"sirvio\u0301"_s
                                            << u"El camarero sirvió el café en la terraza. "_s;
    QTest::addRow("17/1 decomposed tilde and accent")
        << u"zeb1701"_s << 14 << u"regan\u0303e\u0301"_s
        << u"Ayer regañé a mi hijo por sus malas notas. "_s;
    QTest::addRow("17/10 gap-first with its capital, blanks around")
        << u"zeb1710"_s << 4 << u"  Me dirigí "_s << u" Me dirigí a la oficina. "_s;
}

void DrillWindowTest::rightAnswerAddsTheCompletedSentence()
{
    QFETCH(QString, drill);
    QFETCH(int, item);
    QFETCH(QString, typed);
    QFETCH(QString, sentence);
    const DrillFacts &d = facts(drill);
    QWidget *w = openDrill(d);
    QVERIFY(startAt(w, d, item));
    MessageCatcher catcher;
    const int beeps = zeb::beepCount();

    answer(w, typed.isNull() ? formOf(d, item) : typed);
    QCOMPARE(catcher.takeTexts(), QStringList());
    QCOMPARE(zeb::beepCount(), beeps);
    // The running text holds the expected form, not what was typed.
    QCOMPARE(runningText(w), sentence);
    // The next item is on display, with an empty answer box that has the focus.
    const int next = shownItem(w, d);
    QVERIFY(next > 0 && next != item);
    QCOMPARE(label(w, "Label8")->text(), text(row(d, next).personHint));
    QCOMPARE(answerBox(w)->text(), QString());
    QCOMPARE(w->focusWidget(), answerBox(w));
}

void DrillWindowTest::lowerCaseCapitalIsWarnedThenAccepted_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sentence");
    QTest::addRow("17/1 empty start")
        << u"zeb1701"_s << 2 << u"volví"_s << u" Volví a casa en tranvía. "_s;
    QTest::addRow("17/1 after ¿") << u"zeb1701"_s << 33 << u"oísteis"_s
                                  << u"¿ Oísteis esta noticia? "_s;
    QTest::addRow("17/5 empty start")
        << u"zeb1705"_s << 4 << u"preferimos"_s << u" Preferimos no discutir con ella. "_s;
    QTest::addRow("17/5 pronoun first, blanks around")
        << u"zeb1705"_s << 11 << u"  me herí "_s << u" Me herí en la pierna jugando al fútbol. "_s;
    QTest::addRow("17/7 empty start")
        << u"zeb1707"_s << 3 << u"quise"_s << u" Quise hablar contigo. "_s;
    QTest::addRow("17/7 after ¿") << u"zeb1707"_s << 24 << u"hubo"_s
                                  << u"¿Hubo mucha gente en el teatro? "_s;
    QTest::addRow("17/10 empty start")
        << u"zeb1710"_s << 13 << u"pagaste"_s << u" Pagaste demasiado por ese piso. "_s;
    QTest::addRow("17/10 after ¿")
        << u"zeb1710"_s << 37 << u"preferiste"_s << u"¿ Preferiste quedarte en casa el domingo? "_s;
}

void DrillWindowTest::lowerCaseCapitalIsWarnedThenAccepted()
{
    QFETCH(QString, drill);
    QFETCH(int, item);
    QFETCH(QString, typed);
    QFETCH(QString, sentence);
    const DrillFacts &d = facts(drill);
    QWidget *w = openDrill(d);
    QVERIFY(startAt(w, d, item));
    MessageCatcher catcher;
    const int beeps = zeb::beepCount();

    answer(w, typed);
    QCOMPARE(catcher.messages.size(), 1);
    QCOMPARE(catcher.messages.first().text, capitalText);
    QCOMPARE(catcher.messages.first().title, QString::fromUtf8(d.capitalTitle));
    QCOMPARE(catcher.messages.first().icon, QMessageBox::Warning);
    QCOMPARE(catcher.messages.first().buttonCount, 1);
    QCOMPARE(zeb::beepCount(), beeps + 1);
    QCOMPARE(runningText(w), sentence);
    QVERIFY(shownItem(w, d) != item);
}

void DrillWindowTest::verifyJudgedWrong(QWidget *w, const DrillFacts &d, bool capitalWarning,
                                        const QString &boxAfter)
{
    MessageCatcher catcher;
    const QStringList before = visibleState(w);
    const QString boxBefore = answerBox(w)->text();
    const int beeps = zeb::beepCount();
    answerBox(w)->setCursorPosition(0);

    QTest::keyClick(answerBox(w), Qt::Key_Return);

    QStringList texts, titles;
    for (const CaughtMessage &m : std::as_const(catcher.messages)) {
        texts << m.text;
        titles << m.title;
        QCOMPARE(m.icon, QMessageBox::Warning);
        QCOMPARE(m.buttonCount, 1);
    }
    if (capitalWarning) {
        QCOMPARE(texts, QStringList({capitalText, wrongText}));
        QCOMPARE(titles, QStringList({QString::fromUtf8(d.capitalTitle), messageTitle(d)}));
    } else {
        QCOMPARE(texts, QStringList{wrongText});
        QCOMPARE(titles, QStringList{messageTitle(d)});
    }
    QCOMPARE(zeb::beepCount(), beeps + int(texts.size()));
    QCOMPARE(visibleState(w), before);
    const QString box = answerBox(w)->text();
    QCOMPARE(box, boxAfter.isNull() ? boxBefore : boxAfter);
    QCOMPARE(answerBox(w)->cursorPosition(), int(box.size()));
}

void DrillWindowTest::wrongAnswerIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("capitalWarning");
    QTest::addColumn<QString>("boxAfter"); // null: the box keeps what was typed
    QTest::addRow("17/1 capital in mid-sentence")
        << u"zeb1701"_s << 5 << u"Asistió"_s << false << QString();
    QTest::addRow("17/1 accent missing") << u"zeb1701"_s << 8 << u"empezo"_s << false << QString();
    QTest::addRow("17/5 accent missing") << u"zeb1705"_s << 8 << u"sirvio"_s << false << QString();
    QTest::addRow("17/5 capital in mid-sentence")
        << u"zeb1705"_s << 8 << u"Sirvió"_s << false << QString();
    QTest::addRow("17/5 two blanks inside")
        << u"zeb1705"_s << 6 << u"se  rieron"_s << false << QString();
    QTest::addRow("17/5 verb without its pronoun")
        << u"zeb1705"_s << 6 << u"rieron"_s << false << QString();
    QTest::addRow("17/5 with the full stop")
        << u"zeb1705"_s << 8 << u"sirvió."_s << false << QString();
    QTest::addRow("17/5 empty, mid-sentence") << u"zeb1705"_s << 8 << u""_s << false << QString();
    QTest::addRow("17/5 blanks only, mid-sentence")
        << u"zeb1705"_s << 8 << u"   "_s << false << QString();
    QTest::addRow("17/5 lower-case and wrong")
        << u"zeb1705"_s << 4 << u"preferimo"_s << true << u"Preferimo"_s;
    QTest::addRow("17/5 lower-case and wrong, blanks around")
        << u"zeb1705"_s << 4 << u"  preferimo "_s << true << u"Preferimo"_s;
    QTest::addRow("17/7 wrong form") << u"zeb1707"_s << 1 << u"dijo"_s << false << QString();
    QTest::addRow("17/7 lower-case and wrong after ¿")
        << u"zeb1707"_s << 24 << u"huvo"_s << true << u"Huvo"_s;
    QTest::addRow("17/10 wrong form") << u"zeb1710"_s << 6 << u"se reieron"_s << false << QString();
    QTest::addRow("17/10 lower-case and wrong")
        << u"zeb1710"_s << 13 << u"pagastes"_s << true << u"Pagastes"_s;
}

void DrillWindowTest::wrongAnswerIsReportedAndChangesNothing()
{
    QFETCH(QString, drill);
    QFETCH(int, item);
    QFETCH(QString, typed);
    QFETCH(bool, capitalWarning);
    QFETCH(QString, boxAfter);
    const DrillFacts &d = facts(drill);
    QWidget *w = openDrill(d);
    QVERIFY(startAt(w, d, item));
    answerBox(w)->setText(typed);
    verifyJudgedWrong(w, d, capitalWarning, boxAfter);
    if (QTest::currentTestFailed())
        return;
    // A second try with the right form goes through.
    MessageCatcher catcher;
    answer(w, formOf(d, item));
    QCOMPARE(catcher.takeTexts(), QStringList());
    QCOMPARE(runningText(w), completedSentence(d, item));
}

void DrillWindowTest::unusualInputIsJudgedWrongWithoutHarm_data()
{
    QTest::addColumn<int>("item"); // of 17/5: 8 is mid-sentence, 4 opens with the gap
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("capitalWarning");
    QTest::addColumn<QString>("boxAfter");
    QTest::addRow("100000 characters") << 8 << QString(100000, u'a') << false << QString();
    QTest::addRow("control characters") << 8 << u"\u0001sirvi\tó\u007f"_s << false << QString();
    QTest::addRow("emoji") << 8 << u"sirvió 😀"_s << false << QString();
    QTest::addRow("right-to-left text") << 8 << u"خدم"_s << false << QString();
    QTest::addRow("right-to-left override") << 8 << u"\u202Esirvió"_s << false << QString();
    QTest::addRow("lone combining mark") << 8 << u"\u0301"_s << false << QString();
    QTest::addRow("gap-first: emoji") << 4 << u"😀"_s << false << QString();
    QTest::addRow("gap-first: lone combining mark") << 4 << u"\u0301"_s << false << QString();
    QTest::addRow("gap-first: right-to-left text") << 4 << u"فضلنا"_s << false << QString();
    QTest::addRow("gap-first: tab, blanks around") << 4 << u"  \t "_s << false << u"\t"_s;
    QTest::addRow("gap-first: letter beyond the basic plane") << 4 << u"𐐨x"_s << true << u"𐐀x"_s;
    QTest::addRow("gap-first: 100000 characters")
        << 4 << QString(100000, u'b') << true << QString();
}

void DrillWindowTest::unusualInputIsJudgedWrongWithoutHarm()
{
    QFETCH(int, item);
    QFETCH(QString, typed);
    QFETCH(bool, capitalWarning);
    QFETCH(QString, boxAfter);
    const DrillFacts &d = facts(u"zeb1705"_s);
    QWidget *w = openDrill(d);
    QVERIFY(startAt(w, d, item));
    answerBox(w)->setText(typed);
    if (capitalWarning && boxAfter.isNull()) {
        // Whatever the box kept of the long text, with its first letter in upper case.
        const QString kept = answerBox(w)->text();
        boxAfter = kept.left(1).toUpper() + kept.mid(1);
    }
    verifyJudgedWrong(w, d, capitalWarning, boxAfter);
}

void DrillWindowTest::emptyAnswerToGapFirstItemEndsSilently_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("typed");
    QTest::addRow("17/1 empty") << u"zeb1701"_s << 2 << u""_s;
    QTest::addRow("17/5 empty") << u"zeb1705"_s << 4 << u""_s;
    QTest::addRow("17/5 blanks only") << u"zeb1705"_s << 4 << u"    "_s;
    QTest::addRow("17/7 after ¿, empty") << u"zeb1707"_s << 24 << u""_s;
    QTest::addRow("17/10 after ¿, blanks only") << u"zeb1710"_s << 14 << u"  "_s;
}

void DrillWindowTest::emptyAnswerToGapFirstItemEndsSilently()
{
    QFETCH(QString, drill);
    QFETCH(int, item);
    QFETCH(QString, typed);
    const DrillFacts &d = facts(drill);
    QWidget *w = openDrill(d);
    QVERIFY(startAt(w, d, item));
    MessageCatcher catcher;
    const QStringList before = visibleState(w);
    const int beeps = zeb::beepCount();

    answer(w, typed);
    QCOMPARE(catcher.takeTexts(), QStringList());
    QCOMPARE(zeb::beepCount(), beeps);
    QCOMPARE(visibleState(w), before);
    QCOMPARE(answerBox(w)->text().trimmed(), QString());
}

// --- Help and the answer box ------------------------------------------------------------------

void DrillWindowTest::ayudaShowsTheFormAndChangesNothing_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("help");
    QTest::addRow("17/1") << u"zeb1701"_s << 4 << u"La forma correcta es: os acostasteis"_s;
    QTest::addRow("17/5") << u"zeb1705"_s << 6 << u"La forma correcta es: se rieron"_s;
    QTest::addRow("17/7") << u"zeb1707"_s << 24 << u"La forma correcta es: Hubo"_s;
    QTest::addRow("17/10") << u"zeb1710"_s << 37 << u"La forma correcta es: Preferiste"_s;
}

void DrillWindowTest::ayudaShowsTheFormAndChangesNothing()
{
    QFETCH(QString, drill);
    QFETCH(int, item);
    QFETCH(QString, help);
    const DrillFacts &d = facts(drill);
    QWidget *w = openDrill(d);
    QVERIFY(startAt(w, d, item));
    answerBox(w)->setText(u"abc"_s);
    button(w, "Command3")->setFocus();
    MessageCatcher catcher;
    const QStringList before = visibleState(w);
    const int beeps = zeb::beepCount();

    button(w, "Command4")->click();
    button(w, "Command4")->click();
    QCOMPARE(catcher.messages.size(), 2);
    for (const CaughtMessage &m : std::as_const(catcher.messages)) {
        QCOMPARE(m.text, help);
        QCOMPARE(m.title, helpTitle(d));
        QCOMPARE(m.icon, QMessageBox::Warning);
        QCOMPARE(m.buttonCount, 1);
    }
    QCOMPARE(zeb::beepCount(), beeps);
    QCOMPARE(visibleState(w), before);
    QCOMPARE(answerBox(w)->text(), u"abc"_s);
    QCOMPARE(w->focusWidget(), answerBox(w));
}

void DrillWindowTest::accentKeysTranslateTypedCharacters_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("inserted");
    QTest::addRow("; gives é") << u";"_s << u"é"_s;
    QTest::addRow("' gives á") << u"'"_s << u"á"_s;
    QTest::addRow("` gives í") << u"`"_s << u"í"_s;
    QTest::addRow("[ gives ñ") << u"["_s << u"ñ"_s;
    QTest::addRow("/ gives ú") << u"/"_s << u"ú"_s;
    QTest::addRow("\\ gives ó") << u"\\"_s << u"ó"_s;
    QTest::addRow("@ stays in a drill") << u"@"_s << u"@"_s;
    QTest::addRow("# stays in a drill") << u"#"_s << u"#"_s;
    QTest::addRow("shifted keys stay") << u":\"~{?|"_s << u":\"~{?|"_s;
    QTest::addRow("letters stay") << u"aZ1 "_s << u"aZ1 "_s;
    QTest::addRow("mixed") << u"a;b'c`d[e/f\\"_s << u"aébácídñeúfó"_s;
}

void DrillWindowTest::accentKeysTranslateTypedCharacters()
{
    QFETCH(QString, keys);
    QFETCH(QString, inserted);
    const DrillFacts &d = facts(u"zeb1705"_s);
    QWidget *w = openDrill(d);
    QVERIFY(startAt(w, d, 8));
    QTest::keyClicks(answerBox(w), keys);
    QCOMPARE(answerBox(w)->text(), inserted);
}

void DrillWindowTest::pastedTextIsNotTranslated()
{
    const DrillFacts &d = facts(u"zeb1710"_s);
    QWidget *w = openDrill(d);
    QVERIFY(startAt(w, d, 1));
    answerBox(w)->insert(u";'`[/\\@#"_s);
    QCOMPARE(answerBox(w)->text(), u";'`[/\\@#"_s);
}

void DrillWindowTest::answerTypedWithAccentKeysIsAccepted_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("keys");
    QTest::addRow("17/1 regañé") << u"zeb1701"_s << 14 << u"rega[;"_s;
    QTest::addRow("17/5 sirvió") << u"zeb1705"_s << 8 << u"sirvi\\"_s;
    QTest::addRow("17/7 estuvieron") << u"zeb1707"_s << 10 << u"estuvieron"_s;
    QTest::addRow("17/10 destruyó") << u"zeb1710"_s << 11 << u"destruy\\"_s;
}

void DrillWindowTest::answerTypedWithAccentKeysIsAccepted()
{
    QFETCH(QString, drill);
    QFETCH(int, item);
    QFETCH(QString, keys);
    const DrillFacts &d = facts(drill);
    QWidget *w = openDrill(d);
    QVERIFY(startAt(w, d, item));
    MessageCatcher catcher;
    QTest::keyClicks(answerBox(w), keys);
    QTest::keyClick(answerBox(w), Qt::Key_Return);
    QCOMPARE(catcher.takeTexts(), QStringList());
    QCOMPARE(runningText(w), completedSentence(d, item));
}

// --- Leaving and jumping ----------------------------------------------------------------------

void DrillWindowTest::salirShowsTheMenuAndUnloadsTheDrill_data()
{
    onTopItemTogglesAndTwoTriggersRestoreIt_data();
}

void DrillWindowTest::salirShowsTheMenuAndUnloadsTheDrill()
{
    QFETCH(QString, drill);
    const DrillFacts &d = facts(drill);
    QWidget *w = openDrill(d);
    button(w, "Command1")->click();
    button(w, "Command3")->click();
    settle();
    QVERIFY(!findWindow(drill));
    QVERIFY(!zeb::forms::loaded(d.form));
    QWidget *menu = findWindow(u"alap"_s);
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
}

void DrillWindowTest::closingTheDrillOpensNoOtherWindow()
{
    QWidget *w = openDrill(facts(u"zeb1707"_s));
    w->close();
    settle();
    QVERIFY(!findWindow(u"zeb1707"_s));
    QVERIFY(!zeb::forms::loaded(FormName::zeb1707));
    QVERIFY(!findWindow(u"alap"_s));
}

void DrillWindowTest::drillButtonOpensTheOtherDrill_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("to");
    const auto row = [](const char *from, const char *name, const QString &caption,
                        const char *to) {
        QTest::addRow("%s %s to %s", from, name, to)
            << QString::fromLatin1(from) << QString::fromLatin1(name) << caption
            << QString::fromLatin1(to);
    };
    row("zeb1701", "Command8", u"&5"_s, "zeb1705");
    row("zeb1701", "Command11", u"&7"_s, "zeb1707");
    row("zeb1701", "Command12", u"1&0"_s, "zeb1710");
    row("zeb1705", "Command10", u"&1"_s, "zeb1701");
    row("zeb1705", "Command11", u"&7"_s, "zeb1707");
    row("zeb1705", "Command12", u"1&0"_s, "zeb1710");
    row("zeb1707", "Command10", u"&1"_s, "zeb1701");
    row("zeb1707", "Command8", u"&5"_s, "zeb1705");
    row("zeb1707", "Command7", u"&10"_s, "zeb1710");
    row("zeb1710", "Command10", u"&1"_s, "zeb1701");
    row("zeb1710", "Command8", u"&5"_s, "zeb1705");
    row("zeb1710", "Command11", u"&7"_s, "zeb1707");
}

void DrillWindowTest::drillButtonOpensTheOtherDrill()
{
    QFETCH(QString, from);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, to);
    QWidget *w = openDrill(facts(from));
    QPushButton *jump = control<QPushButton>(w, name);
    QVERIFY(jump);
    QCOMPARE(jump->text(), caption);
    QVERIFY(jump->isEnabled());

    jump->click();
    settle();
    QVERIFY(!findWindow(from));
    QVERIFY(!zeb::forms::loaded(facts(from).form));
    QWidget *target = findWindow(to);
    QVERIFY(target);
    QVERIFY(target->isVisible());
    QCOMPARE(button(target, "Command1")->text(), u"&Comenzar"_s);
    QVERIFY(!findWindow(u"alap"_s));
}

void DrillWindowTest::ownButtonIsDisabled_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addRow("17/1") << u"zeb1701"_s << u"Command10"_s << u"&1"_s;
    QTest::addRow("17/5") << u"zeb1705"_s << u"Command8"_s << u"&5"_s;
    QTest::addRow("17/7") << u"zeb1707"_s << u"Command9"_s << u"&7"_s;
    QTest::addRow("17/10") << u"zeb1710"_s << u"Command12"_s << u"1&0"_s;
}

void DrillWindowTest::ownButtonIsDisabled()
{
    QFETCH(QString, drill);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QWidget *w = openDrill(facts(drill));
    QPushButton *own = control<QPushButton>(w, name);
    QVERIFY(own);
    QCOMPARE(own->text(), caption);
    QVERIFY(!own->isEnabled());
}

void DrillWindowTest::pictureButtonOpensThePictureExercise_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("exercise"); // end of the picture window's title
    QTest::addColumn<QString>("chosen");   // the picture window's button that gets disabled
    const auto row = [](const char *from, const char *name, const QString &caption,
                        const QString &exercise, const char *chosen) {
        QTest::addRow("%s %s to %s", from, name, qPrintable(exercise))
            << QString::fromLatin1(from) << QString::fromLatin1(name) << caption << exercise
            << QString::fromLatin1(chosen);
    };
    for (const char *drill : {"zeb1701", "zeb1705", "zeb1710"}) {
        row(drill, "Command5", u"&2"_s, u"2"_s, "Command3");
        row(drill, "Command7", u"&4"_s, u"4"_s, "Command5");
        row(drill, "Command6", u"2 &+ 4 + 6"_s, u"2 + 4 + 6"_s, "Command4");
    }
    row("zeb1701", "Command9", u"&6"_s, u"6"_s, "Command10");
    row("zeb1705", "Command9", u"&6"_s, u"6"_s, "Command10");
    row("zeb1707", "Command5", u"&2"_s, u"2"_s, "Command3");
    row("zeb1707", "Command6", u"&4"_s, u"4"_s, "Command5");
    row("zeb1707", "Command12", u"&6"_s, u"6"_s, "Command10");
    row("zeb1707", "Command11", u"2 &+ 4 + 6"_s, u"2 + 4 + 6"_s, "Command4");
}

void DrillWindowTest::pictureButtonOpensThePictureExercise()
{
    QFETCH(QString, from);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, exercise);
    QFETCH(QString, chosen);
    zeb::forms::define(FormName::zeb1702, [] { return new PictureWindowStandIn; });
    QWidget *w = openDrill(facts(from));
    QPushButton *jump = control<QPushButton>(w, name);
    QVERIFY(jump);
    QCOMPARE(jump->text(), caption);
    QVERIFY(jump->isEnabled());

    jump->click();
    settle();
    QVERIFY(!findWindow(from));
    QWidget *picture = findWindow(u"zeb1702"_s);
    QVERIFY(picture);
    QVERIFY(picture->isVisible());
    QCOMPARE(picture->windowTitle(),
             u"Ejercicios gramaticales    ----  Unidad 17: Ejercicio "_s + exercise);
    for (const char *b : {"Command3", "Command5", "Command4", "Command10"})
        QCOMPARE(button(picture, b)->isEnabled(), chosen != QLatin1StringView(b));
}

void DrillWindowTest::pictureButtonsStayPutWithoutThePictureWindow()
{
    zeb::forms::define(FormName::zeb1702, {});
    QWidget *w = openDrill(facts(u"zeb1705"_s));
    QVERIFY(startAt(w, facts(u"zeb1705"_s), 3));
    const QStringList before = visibleState(w);
    for (const char *name : {"Command5", "Command7", "Command9", "Command6"}) {
        button(w, name)->click();
        settle();
        QCOMPARE(findWindow(u"zeb1705"_s), w);
    }
    QCOMPARE(visibleState(w), before);
    QVERIFY(!findWindow(u"zeb1702"_s));
}

void DrillWindowTest::reopenedDrillStartsAfresh()
{
    const DrillFacts &d = facts(u"zeb1705"_s);
    QWidget *w = openDrill(d);
    MessageCatcher catcher;
    button(w, "Command1")->click();
    QVERIFY(answerWholePass(w, d, catcher));
    QCOMPARE(catcher.takeTexts(), QStringList{endText});
    button(w, "Command1")->click();
    const int item = shownItem(w, d);
    QVERIFY(item > 0);
    answer(w, formOf(d, item));
    QCOMPARE(catcher.takeTexts(), QStringList());
    answerBox(w)->setText(u"a medias"_s);
    onTopItem(w)->trigger();

    button(w, "Command10")->click(); // to 17/1
    settle();
    button(findWindow(u"zeb1701"_s), "Command8")->click(); // and back
    settle();

    QWidget *again = findWindow(u"zeb1705"_s);
    QVERIFY(again);
    QCOMPARE(visibleState(again), freshState());
    QCOMPARE(answerBox(again)->text(), QString());
    QVERIFY(onTopItem(again)->isChecked());
    QVERIFY(again->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // A whole pass of 25 again, so nothing of the old pool is left.
    button(again, "Command1")->click();
    QVERIFY(answerWholePass(again, d, catcher));
    QCOMPARE(catcher.takeTexts(), QStringList{endText});
}

QTEST_MAIN(DrillWindowTest)
#include "tst_drillwindow.moc"
