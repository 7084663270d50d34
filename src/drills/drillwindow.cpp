#include "drillwindow.h"

#include "../common/answerbox.h"
#include "../common/ontop.h"
#include "../common/platform.h"
#include "../common/quietly.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

const QColor lightGrey(224, 224, 224);
const QColor lightYellow(255, 255, 224);

// Where the navigation buttons stand, in twips, in the order of the description's row.
constexpr QRect navigationPlaces[] = {
    {6360, 0, 495, 495}, {6840, 0, 495, 495}, {7320, 0, 495, 495},   {7800, 0, 495, 495},
    {8280, 0, 495, 495}, {8760, 0, 495, 495}, {6840, 480, 495, 495}, {7560, 600, 1455, 495},
};

} // namespace

DrillWindow::DrillWindow(const DrillDescription &drill)
    : Form(drill.window), m_drill(drill), m_engine(drill.bank(), drill.passLength)
{
    QWidget *client = setDesign(drill.caption, lightGrey, 9495, 6300 + drill.extraTextHeight);
    buildControls(client);
    mnuOntop = addOnTopMenu(this, {u"mnuOptions"_s, u"&Opciones"_s, u"mnuOntop"_s, u"On&Top"_s});
}

QPushButton *DrillWindow::addButton(QWidget *client, const char *name, const QString &caption,
                                    QRect place, double pointSize)
{
    auto *button = new QPushButton(caption, client);
    button->setObjectName(QLatin1StringView(name));
    button->setGeometry(twipsRect(place));
    button->setFont(designFont(sansSerif, pointSize, true));
    // Enter presses the button that has the focus.
    button->setAutoDefault(true);
    return button;
}

void DrillWindow::buildControls(QWidget *client)
{
    const int shift = m_drill.extraTextHeight;
    auto label = [client](const char *name, QRect place, const QFont &font, Qt::Alignment align) {
        auto *l = new QLabel(client);
        l->setObjectName(QLatin1StringView(name));
        l->setGeometry(twipsRect(place));
        l->setFont(font);
        l->setAlignment(align | Qt::AlignVCenter);
        return l;
    };

    Command1 = addButton(client, "Command1", u"&Comenzar"_s, {0, 0, 1695, 495}, 9.75);
    Command4 = addButton(client, "Command4", u"&Ayuda"_s, {1680, 0, 1215, 495}, 9.75);
    Command3 = addButton(client, "Command3", u"&Salir"_s, {2880, 0, 1215, 495}, 9.75);
    Label4 =
        label("Label4", {4200, 120, 2055, 375}, designFont(arial, 13.5, true), Qt::AlignHCenter);
    Label4->setText(u"Ejercicios:"_s);
    Label2 = label("Label2", {120, 720, 5415, 495}, designFont(arial, 13.5, true), Qt::AlignLeft);
    Label2->setText(m_drill.instruction);

    Text5 = new QPlainTextEdit(client);
    Text5->setObjectName(u"Text5"_s);
    Text5->setGeometry(twipsRect({240, 1200, 9015, 3255 + shift}));
    Text5->setFont(designFont(timesNewRoman, 12, true));
    Text5->setReadOnly(true);
    Text5->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text5->setTabChangesFocus(true);

    Label8 = label("Label8", {3360, 4560 + shift, 495, 495}, designFont(timesNewRoman, 13.5, true),
                   Qt::AlignHCenter);
    Label9 = label("Label9", {3960, 4560 + shift, 1455, 495}, designFont(timesNewRoman, 12, true),
                   Qt::AlignHCenter);
    Label9->setAutoFillBackground(true);
    setColours(Label9, QPalette::Window, Qt::white, QPalette::WindowText, Qt::red);
    Label6 = label("Label6", {240, 5160 + shift, 3135, 495}, designFont(timesNewRoman, 12, true),
                   Qt::AlignRight);
    Label7 = label("Label7", {5160, 5160 + shift, 4095, 495}, designFont(timesNewRoman, 12, true),
                   Qt::AlignLeft);

    Text2 = new AnswerBox(AccentKeySet::VerbDrill, client);
    Text2->setObjectName(u"Text2"_s);
    Text2->setGeometry(twipsRect({3360, 5160 + shift, 1815, 495}));
    Text2->setFont(designFont(timesNewRoman, 12, true));
    Text2->setAlignment(Qt::AlignCenter);
    setColours(Text2, QPalette::Base, lightYellow, QPalette::Text, Qt::red);

    Command2 =
        addButton(client, "Command2", u"Si&guiente"_s, {3720, 5760 + shift, 1215, 495}, 9.75);
    Command2->setDefault(true);
    Command2->hide();
    Command4->hide();

    connect(Command1, &QPushButton::clicked, this, &DrillWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DrillWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &DrillWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &DrillWindow::Command4_Click);
    // Enter in the answer box presses the default button, while it can be pressed.
    connect(Text2, &QLineEdit::returnPressed, this, [this] {
        if (!Command2->isHidden() && Command2->isEnabled())
            Command2->click();
    });

    QWidget *previous = Text5;
    setTabOrder(Command1, Text2);
    setTabOrder(Text2, Text5);
    for (QWidget *next : std::initializer_list<QWidget *>{Command2, Command3, Command4}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (std::size_t i = 0; i < m_drill.navigation.size(); ++i) {
        const NavigationButton &nav = m_drill.navigation[i];
        QPushButton *button = addButton(client, nav.name, nav.caption, navigationPlaces[i], 13.5);
        button->setEnabled(nav.enabled);
        const Exercise target = nav.target;
        connect(button, &QPushButton::clicked, this, [this, target] { open(target); });
        setTabOrder(previous, button);
        previous = button;
    }
}

void DrillWindow::Form_Load()
{
    centreOnScreen(this);
    mnuOntop->trigger();
    m_engine.loadBank();
    Command1->setFocus();
}

void DrillWindow::Command1_Click()
{
    quietly([this] {
        Command2->show();
        Command4->show();
        if (Command1->text() == u"&Recomenzar"_s) {
            Command2->setEnabled(true);
            Text5->clear();
        }
        DrawNextItem(false);
        Command1->setEnabled(false);
    });
}

void DrillWindow::Command2_Click()
{
    quietly([this] {
        if (!CapitalizeGapFirstAnswer())
            return;
        if (!m_engine.isCorrect(Label6->text(), Text2->text(), Label7->text())) {
            ReportWrongAnswer();
            Text2->setCursorPosition(int(Text2->text().size()));
            return;
        }
        AcceptAnswer();
    });
}

void DrillWindow::Command3_Click()
{
    replaceBy([] { return forms::show(FormName::alap) != nullptr; });
}

void DrillWindow::Command4_Click()
{
    quietly([this] {
        const int k = m_engine.CurrentItem;
        if (k < 1 || k > m_engine.ItemCount())
            return;
        showMessage(this, u"La forma correcta es: "_s + m_engine.VerbForms.at(k), m_drill.helpTitle,
                    MessageIcon::Exclamation);
        Text2->setFocus();
    });
}

void DrillWindow::open(Exercise exercise)
{
    replaceBy([exercise] { return openExercise(exercise); });
}

void DrillWindow::DrawNextItem(bool clearAnswer)
{
    if (!m_engine.DrawNextItem())
        return;
    const int k = m_engine.CurrentItem;
    Label6->setText(m_engine.SentenceStarts.at(k) + u' ');
    Label7->setText(u' ' + m_engine.SentenceEnds.at(k));
    Label8->setText(m_engine.PersonHints.at(k));
    Label9->setText(m_engine.Infinitives.at(k));
    if (clearAnswer)
        Text2->clear();
    Text2->setFocus();
}

bool DrillWindow::CapitalizeGapFirstAnswer()
{
    if (!opensWithGap(Label6->text()))
        return true;
    const auto answer = capitalizeFirstLetter(Text2->text());
    if (!answer)
        return false;
    Text2->setText(answer->text);
    if (answer->wasLowerCase) {
        beep();
        showMessage(this, u"¡Atención a las mayúsculas!"_s, m_drill.capitalWarningTitle,
                    MessageIcon::Exclamation);
    }
    return true;
}

void DrillWindow::ReportWrongAnswer()
{
    beep();
    showMessage(this, u"No es correcto. Vuelva a probarlo."_s, m_drill.messageTitle,
                MessageIcon::Exclamation);
}

void DrillWindow::AcceptAnswer()
{
    const QString sentence = m_engine.completedSentence(m_drill.tightOpeningSign);
    Text5->moveCursor(QTextCursor::End);
    Text5->insertPlainText(sentence);
    Text5->ensureCursorVisible();
    if (m_engine.recordCorrectAnswer())
        endPass();
    else
        DrawNextItem(true);
}

void DrillWindow::endPass()
{
    beep();
    showMessage(
        this, u"El ejercicio ha terminado. Si quiere recomenzarlo, haga clic en \"Recomenzar\"."_s,
        m_drill.messageTitle, MessageIcon::Exclamation);
    Command2->setEnabled(false);
    Command1->setEnabled(true);
    Command1->setText(u"&Recomenzar"_s);
    Command1->setFocus();
    for (QLabel *label : {Label6, Label7, Label8, Label9})
        label->clear();
    Text2->clear();
    m_engine.endPass();
}

} // namespace zeb
