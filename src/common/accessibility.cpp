#include "accessibility.h"

#include "panel3d.h"
#include "picturebox.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QRadioButton>

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

// A feedback line is read as an alert whose name is its text.
class FeedbackAccessible : public QAccessibleWidget
{
public:
    explicit FeedbackAccessible(QLabel *line) : QAccessibleWidget(line, QAccessible::AlertMessage)
    {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel *>(widget())->text()
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

QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    if (auto *picture = qobject_cast<PictureBox *>(object))
        return new PictureAccessible(picture);
    if (auto *option = qobject_cast<QRadioButton *>(object))
        return new OptionAccessible(option);
    if (auto *panel = qobject_cast<Panel3D *>(object))
        return new PanelAccessible(panel);
    auto *line = qobject_cast<QLabel *>(object);
    if (line && line->property("feedback").toBool())
        return new FeedbackAccessible(line);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(&interfaceFor), true);
    Q_UNUSED(installed);
}

void markAsFeedback(QWidget *line)
{
    line->setProperty("feedback", true);
}

void announce(QWidget *line)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(line, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

} // namespace zeb
