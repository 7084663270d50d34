#include "accessibility.h"

#include "panel3d.h"
#include "picturebox.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>

namespace zeb {
namespace {

// A painted caption is read as text.
class PanelAccessible : public QAccessibleWidget
{
public:
    explicit PanelAccessible(Panel3D *panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Panel3D *>(widget())->title().simplified()
                                      : QAccessibleWidget::text(t);
    }
};

// The options choose one of several, whatever the window lets them do by themselves: they are
// radio buttons.
class OptionAccessible : public QAccessibleWidget
{
public:
    explicit OptionAccessible(QRadioButton *option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {}
    QRadioButton *option() const { return static_cast<QRadioButton *>(widget()); }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !option()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        return QString(option()->text()).remove(u'&');
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }
    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString &action) override
    {
        action == pressAction() ? option()->click() : QAccessibleWidget::doAction(action);
    }
};

// A picture that takes a click is a graphic that can be pressed.
class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(PictureBox *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {}
    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<PictureBox *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A window's voice: an invisible notification that is shown anew for each thing to say. Screen
// readers speak a notification when it appears, whatever has the focus.
class SpokenLine : public QWidget
{
public:
    explicit SpokenLine(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("SpokenLine"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
        lower();
        hide();
        lines().append(this);
    }
    ~SpokenLine() override { lines().removeAll(this); }

    static QList<QPointer<SpokenLine>> &lines()
    {
        static QList<QPointer<SpokenLine>> all;
        return all;
    }
    QString text() const { return m_text; }

    void add(const QString &text)
    {
        if (m_pending.isEmpty())
            QTimer::singleShot(0, this, &SpokenLine::sayPending);
        m_pending << text.trimmed();
    }
    void sayPending()
    {
        if (m_pending.isEmpty() || !window()->isVisible())
            return m_pending.clear();
        m_text = m_pending.join(u' ');
        m_pending.clear();
        hide();
        show();
    }

protected:
    // Hidden with its window (on top switched, say), the line is not heard again when the window
    // comes back: it stays hidden until there is something new to say.
    void hideEvent(QHideEvent *) override
    {
        if (!isHidden())
            hide();
    }

private:
    QStringList m_pending;
    QString m_text;
};

class SpokenLineAccessible : public QAccessibleWidget
{
public:
    explicit SpokenLineAccessible(SpokenLine *line)
        : QAccessibleWidget(line, QAccessible::Notification)
    {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<SpokenLine *>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    if (auto *picture = qobject_cast<PictureBox *>(object))
        return new PictureAccessible(picture);
    if (auto *option = qobject_cast<QRadioButton *>(object))
        return new OptionAccessible(option);
    if (auto *panel = qobject_cast<Panel3D *>(object))
        return new PanelAccessible(panel);
    if (object->objectName() == QLatin1StringView("SpokenLine"))
        return new SpokenLineAccessible(static_cast<SpokenLine *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(&interfaceFor), true);
    Q_UNUSED(installed);
}

QString spokenName(QWidget *control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

void say(QWidget *control, const QString &text)
{
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    QWidget *window = control->window();
    auto *line = static_cast<SpokenLine *>(
        window->findChild<QWidget *>(QStringLiteral("SpokenLine"), Qt::FindDirectChildrenOnly));
    (line ? line : new SpokenLine(window))->add(text);
}

void sayPendingNow()
{
    for (const QPointer<SpokenLine> &line : SpokenLine::lines()) {
        if (line)
            line->sayPending();
    }
}

} // namespace zeb
