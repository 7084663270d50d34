#include "layout.h"

#include "answerbox.h"
#include "colours.h"
#include "panel3d.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "platform.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QShortcutEvent>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

// An option chosen by its access key is chosen before it takes the focus, so that a screen
// reader, which reads the option as the focus comes to it, says that it is selected.
class Option : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut ||
            static_cast<QShortcutEvent *>(event)->isAmbiguous())
            return QRadioButton::event(event);
        click();
        setFocus(Qt::ShortcutFocusReason);
        return true;
    }
};

// On a window shrunk to fit the screen, an option's round mark shrinks with the caption beside
// it, which keeps the room that the window's design gives it.
class ShrunkOptionStyle : public QProxyStyle
{
public:
    ShrunkOptionStyle(double scale, QObject *owner) : m_scale(scale) { setParent(owner); }
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        const bool mark = metric == PM_ExclusiveIndicatorWidth ||
                          metric == PM_ExclusiveIndicatorHeight ||
                          metric == PM_RadioButtonLabelSpacing;
        return mark ? qRound(value * m_scale) : value;
    }

private:
    double m_scale;
};

QWidget *create(ControlKind kind, const QString &caption, QWidget *parent)
{
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::PictureButton: {
        auto *button = kind == ControlKind::Button ? new QPushButton(caption, parent)
                                                   : new PictureButton(caption, parent);
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::Label:
        return new QLabel(caption, parent);
    case ControlKind::TextView: {
        auto *text = new QPlainTextEdit(parent);
        text->setReadOnly(true);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setTabChangesFocus(true);
        return text;
    }
    case ControlKind::DrillAnswer:
        return new AnswerBox(AccentKeySet::VerbDrill, parent);
    case ControlKind::PictureAnswer:
        return new AnswerBox(AccentKeySet::PictureExercise, parent);
    case ControlKind::Frame:
        return new QGroupBox(caption, parent);
    case ControlKind::SunkenFrame: {
        auto *frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return frame;
    }
    case ControlKind::Option: {
        // Each option is set from the window's state, so none unselects another by itself.
        auto *option = new Option(caption, parent);
        option->setAutoExclusive(false);
        return option;
    }
    case ControlKind::Picture:
        return new PictureBox(parent);
    case ControlKind::Panel: {
        auto *panel = new Panel3D(parent);
        panel->setTitle(caption);
        return panel;
    }
    }
    return nullptr;
}

// The colours of each look: a background role and its colour, a text role and its colour, and
// whether the control paints its background.
struct LookColours
{
    Look look;
    QPalette::ColorRole back;
    QColor backColour;
    QPalette::ColorRole front;
    QColor frontColour;
    bool fill;
};

const LookColours lookColours[] = {
    {Look::AnswerBox, QPalette::Base, colours::lightYellow, QPalette::Text, Qt::red, false},
    {Look::Infinitive, QPalette::Window, Qt::white, QPalette::WindowText, Qt::red, true},
    {Look::Indicator, QPalette::Window, colours::indicatorGreen, QPalette::WindowText, Qt::white,
     true},
    {Look::Punctuation, QPalette::Window, colours::punctuationGrey, QPalette::WindowText, Qt::white,
     true},
    {Look::PictureFrame, QPalette::Window, Qt::white, QPalette::WindowText, Qt::black, true},
    {Look::QuestionWord, QPalette::Window, colours::questionWordBox, QPalette::WindowText,
     Qt::black, true},
    {Look::SolutionButton, QPalette::Button, colours::menuWindow, QPalette::ButtonText, Qt::black,
     false},
    {Look::ErrorLine, QPalette::Window, colours::exerciseWindow, QPalette::WindowText,
     colours::errorRed, false},
};

void applyLook(QWidget *widget, Look look)
{
    if (look == Look::Plain)
        return;
    QPalette palette = widget->palette();
    for (const LookColours &colours : lookColours) {
        if (colours.look == look) {
            palette.setColor(colours.back, colours.backColour);
            palette.setColor(colours.front, colours.frontColour);
            widget->setAutoFillBackground(colours.fill);
        }
    }
    // Red captions; a disabled person is greyed like any disabled option.
    if (look == Look::PersonOption) {
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::WindowText, Qt::red);
    }
    if (look == Look::QuestionWord)
        static_cast<QFrame *>(widget)->setFrameStyle(QFrame::Box | QFrame::Plain);
    widget->setPalette(palette);
}

// What a numbered button is read as: the exercise it opens. Empty for any other caption, which
// is read as it stands.
QString exerciseName(QString caption)
{
    caption.remove(u'&');
    if (caption.isEmpty() || !caption.front().isDigit() || caption.contains(u'/'))
        return {};
    return (caption.contains(u'+') ? u"Ejercicios "_s : u"Ejercicio "_s) + caption;
}

void align(QWidget *widget, Qt::Alignment alignment)
{
    if (!alignment)
        return;
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setAlignment(alignment);
    else if (auto *box = qobject_cast<QLineEdit *>(widget))
        box->setAlignment(alignment);
}

} // namespace

QFont designFont(const DesignFont &font, double scale)
{
    const QString *faces[] = {&sansSerif, &arial, &timesNewRoman};
    QFont f(*faces[int(font.face)]);
    f.setPointSizeF(font.points * scale);
    f.setBold(font.bold);
    return f;
}

double fitScale(QSize design, QSize available)
{
    if (design.isEmpty())
        return 1;
    return std::min({1.0, double(available.width()) / design.width(),
                     double(available.height()) / design.height()});
}

void placeControls(QWidget *client, std::span<const ControlRow> rows, double scale)
{
    QStyle *shrunk = scale < 1 ? new ShrunkOptionStyle(scale, client) : nullptr;
    for (const ControlRow &row : rows) {
        QWidget *parent = client;
        if (row.parent)
            parent = client->findChild<QWidget *>(QLatin1StringView(row.parent));
        QWidget *control = create(row.kind, QString::fromUtf8(row.caption), parent);
        control->setObjectName(QLatin1StringView(row.name));
        control->setGeometry(row.twips.isNull() ? parent->contentsRect()
                                                : twipsRect(row.twips, scale));
        control->setFont(designFont(row.font, scale));
        if (row.accessible)
            control->setAccessibleName(QString::fromUtf8(row.accessible));
        else if (const QString name = exerciseName(QString::fromUtf8(row.caption));
                 qobject_cast<QAbstractButton *>(control) && !name.isEmpty())
            control->setAccessibleName(name); // else its caption, as it changes
        if (shrunk && row.kind == ControlKind::Option)
            control->setStyle(shrunk);
        align(control, row.align);
        applyLook(control, row.look);
        if (row.hidden)
            control->hide();
    }
}

} // namespace zeb
