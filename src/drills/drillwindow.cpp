#include "drillwindow.h"

#include "../common/accessibility.h"
#include "../common/answerbox.h"
#include "../common/colours.h"
#include "../common/layout.h"
#include "../common/ontop.h"
#include "../common/platform.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <vector>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

using K = ControlKind;
constexpr DesignFont sans975{Face::Sans, 9.75}, sans135{Face::Sans, 13.5},
    arial135{Face::Arial, 13.5}, times12{Face::Times, 12}, times135{Face::Times, 13.5};
constexpr Qt::Alignment centred = Qt::AlignCenter, left = Qt::AlignLeft | Qt::AlignVCenter,
                        right = Qt::AlignRight | Qt::AlignVCenter;

// In tab order; the labels first, so that the answer box lies above the sentence around it.
// clang-format off
constexpr ControlRow controls[] = {
    {"Label4",   K::Label,       "Ejercicios:", {4200, 120, 2055, 375},   arial135, centred},
    {"Label2",   K::Label,       "",            {120, 720, 5415, 495},    arial135, left},
    {"Label8",   K::Label,       "",            {3360, 4560, 495, 495},   times135, centred},
    {"Label9",   K::Label,       "",            {3960, 4560, 1455, 495},  times12,  centred, Look::Infinitive},
    {"Label6",   K::Label,       "",            {240, 5160, 3135, 495},   times12,  right},
    {"Label7",   K::Label,       "",            {5160, 5160, 4095, 495},  times12,  left},
    {"Command1", K::Button,      "&Comenzar",   {0, 0, 1695, 495},        sans975},
    {"Text2",    K::DrillAnswer, "",            {3360, 5160, 1815, 495},  times12,  centred, Look::AnswerBox, false, nullptr, "Respuesta"},
    {"Text5",    K::TextView,    "",            {240, 1200, 9015, 3255},  times12, {}, Look::Plain, false, nullptr, "Frases completadas"},
    {"Command2", K::Button,      "Si&guiente",  {3720, 5760, 1215, 495},  sans975,  {}, Look::Plain, true},
    {"Command3", K::Button,      "&Salir",      {2880, 0, 1215, 495},     sans975},
    {"Command4", K::Button,      "&Ayuda",      {1680, 0, 1215, 495},     sans975,  {}, Look::Plain, true},
};
// clang-format on
constexpr int textBottom = 4560; // what starts here or lower moves down with a taller text

// The places of the navigation buttons, in the order of the description's row.
constexpr QRect navigationPlaces[] = {
    {6360, 0, 495, 495}, {6840, 0, 495, 495}, {7320, 0, 495, 495},   {7800, 0, 495, 495},
    {8280, 0, 495, 495}, {8760, 0, 495, 495}, {6840, 480, 495, 495}, {7560, 600, 1455, 495},
};

// The person hint as a screen reader says it: "1 1 (nosotros)".
QString spokenPerson(const QString &hint)
{
    const QStringList hints{u"1"_s, u"2"_s, u"1 1"_s, u"2 2"_s, u"3 3"_s};
    const QStringList pronouns{u"yo"_s, u"tú"_s, u"nosotros"_s, u"vosotros"_s, u"ellos"_s};
    const qsizetype at = hints.indexOf(hint);
    return at < 0 ? hint : hint + u" ("_s + pronouns.at(at) + u')';
}

std::vector<ControlRow> controlsOf(const DrillDescription &drill)
{
    std::vector<ControlRow> rows(std::begin(controls), std::end(controls));
    for (ControlRow &row : rows) {
        if (row.twips.top() >= textBottom)
            row.twips.translate(0, drill.extraTextHeight);
        else if (row.kind == K::TextView)
            row.twips.setHeight(row.twips.height() + drill.extraTextHeight);
    }
    for (std::size_t i = 0; i < drill.navigation.size(); ++i) {
        const NavigationButton &button = drill.navigation[i];
        rows.push_back({button.name, K::Button, button.caption, navigationPlaces[i], sans135});
    }
    return rows;
}

} // namespace

DrillWindow::DrillWindow(const DrillDescription &drill)
    : Form(drill.window, {drill.caption(),
                          colours::exerciseWindow,
                          {9495, 6300 + drill.extraTextHeight},
                          {},
                          controlsOf(drill)}),
      m_drill(drill), m_engine(drill.bank(), drill.passLength)
{
    control<QLabel>("Label2")->setText(drill.instruction());
    Text2->setDefaultButton(Command2);
    showProgress({}, {});
    mnuOntop = addOnTopMenu(this, {u"mnuOptions"_s, u"&Opciones"_s, u"mnuOntop"_s, u"On&Top"_s});

    connect(Command1, &QPushButton::clicked, this, &DrillWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DrillWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &DrillWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &DrillWindow::Command4_Click);
    for (const NavigationButton &button : drill.navigation) {
        QPushButton *b = control<QPushButton>(button.name);
        b->setEnabled(button.target != drill.exercise);
        connect(b, &QPushButton::clicked, this, [this, target = button.target] { open(target); });
    }
}

void DrillWindow::Form_Load()
{
    centreOnScreen(this);
    mnuOntop->trigger();
    Command1->setFocus();
}

void DrillWindow::Command1_Click()
{
    Command2->show();
    Command4->show();
    if (m_engine.passEnded()) {
        Command2->setEnabled(true);
        Text5->clear();
    }
    m_engine.start();
    showProgress(u"Frase"_s, m_engine.progress());
    showItem(false); // the focus comes to the answer box, whose description reads the item
    Command1->setEnabled(false);
}

void DrillWindow::Command2_Click()
{
    const auto capital = m_engine.capitalize(Text2->text());
    if (!capital)
        return;
    Text2->setText(capital->text);
    if (capital->wasLowerCase) {
        beep();
        showMessage(this, u"¡Atención a las mayúsculas!"_s, m_drill.capitalWarningTitle,
                    MessageIcon::Exclamation);
    }
    const DrillVerdict verdict = m_engine.check(Text2->text());
    if (verdict == DrillVerdict::Wrong) {
        ReportWrongAnswer();
        Text2->setCursorPosition(int(Text2->text().size()));
        return;
    }
    Text5->moveCursor(QTextCursor::End);
    Text5->insertPlainText(m_engine.completedSentence());
    Text5->ensureCursorVisible();
    say(Text2, m_engine.completedSentence());
    showProgress(u"Frase"_s, m_engine.progress());
    if (verdict == DrillVerdict::PassEnded) {
        endPass(); // its message follows the sentence
        return;
    }
    // Where the focus comes back to the answer box, its description reads the next item.
    const bool focusStays = Text2->hasFocus();
    showItem(true);
    if (focusStays)
        say(Text2, Text2->accessibleDescription());
}

void DrillWindow::Command3_Click()
{
    replaceBy([] { return forms::show(FormName::alap) != nullptr; });
}

void DrillWindow::Command4_Click()
{
    if (!m_engine.item())
        return;
    showMessage(this, u"La forma correcta es: "_s + m_engine.expectedForm(), m_drill.helpTitle(),
                MessageIcon::Exclamation);
    Text2->setFocus();
}

void DrillWindow::open(Exercise exercise)
{
    replaceBy([exercise] { return openExercise(exercise); });
}

void DrillWindow::showItem(bool clearAnswer)
{
    const auto item = m_engine.item();
    if (!item)
        return;
    Label6->setText(item->start + u' ');
    Label7->setText(u' ' + item->end);
    Label8->setText(item->personHint);
    Label9->setText(item->infinitive);
    // A screen reader reads the task with the answer box.
    QString task = QString(item->start + u" … "_s + item->end).trimmed() + u" Infinitivo: "_s +
                   item->infinitive + u'.';
    if (!item->personHint.isEmpty())
        task += u" Persona: "_s + spokenPerson(item->personHint) + u'.';
    Text2->setAccessibleDescription(task + u' ' + progressLine() + u'.');
    if (clearAnswer)
        Text2->clear();
    Text2->setFocus();
}

void DrillWindow::ReportWrongAnswer()
{
    beep();
    showMessage(this, u"No es correcto. Vuelva a probarlo."_s, m_drill.messageTitle(),
                MessageIcon::Exclamation, hintText(m_engine.hint(Text2->text())));
}

void DrillWindow::endPass()
{
    beep();
    showMessage(
        this, u"El ejercicio ha terminado. Si quiere recomenzarlo, haga clic en \"Recomenzar\"."_s,
        m_drill.messageTitle(), MessageIcon::Exclamation);
    Command2->setEnabled(false);
    Command1->setEnabled(true);
    Command1->setText(u"&Recomenzar"_s);
    Command1->setFocus();
    for (QLabel *label : {Label6, Label7, Label8, Label9})
        label->clear();
    Text2->clear();
}

} // namespace zeb
