#include "forms.h"

#include "accessibility.h"
#include "platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMetaEnum>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

struct Registry
{
    QHash<FormName, forms::Factory> factories;
    QHash<FormName, QPointer<Form>> instances;
    QList<QPointer<Form>> leaving; // unloaded, still to be deleted
};

Registry &registry()
{
    static Registry r;
    return r;
}

// An unloaded window may still have a handler running: the one that unloaded it, or one under an
// open message box (boxes open inside boxes). The only event loops inside handlers are those of
// message boxes, so once none is open and the main loop runs, no handler is left.
void deleteLeaving()
{
    if (openMessageCount() > 0)
        return; // the last box to close asks again
    for (const QPointer<Form> &form : std::exchange(registry().leaving, {}))
        delete form.data();
}

void deleteLeavingSoon()
{
    QTimer::singleShot(0, qApp, &deleteLeaving);
}

} // namespace

Form::Form(FormName name) : m_name(name)
{
    setObjectName(QLatin1StringView(QMetaEnum::fromType<FormName>().valueToKey(int(name))));
}

Form::Form(FormName name, const FormDesign &design) : Form(name)
{
    installAccessibility();
    setWindowTitle(design.caption);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, design.background);
    setPalette(colours);
    // Room for the title bar, the menu bar and the status line, a line of text each.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int line = QFontMetrics(font()).height() + 12;
    if (screen)
        m_scale = fitScale(twipsRect({{}, design.twips}).size(),
                           screen->availableGeometry().size() - QSize(16, 3 * line));
    if (design.font)
        setFont(designFont(*design.font, m_scale));
    auto *client = new QWidget(this);
    client->setFixedSize(twipsRect({{}, design.twips}, m_scale).size());
    setCentralWidget(client);
    // The window follows its contents: the client area and whatever menu bar comes with it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    placeControls(client, design.controls, m_scale);
}

void Form::showProgress(const QString &unit, std::optional<std::pair<int, int>> progress)
{
    if (!m_progress) {
        m_progress = new QLabel(this);
        m_progress->setObjectName(u"Progress"_s);
        statusBar()->setSizeGripEnabled(false);
        statusBar()->addWidget(m_progress);
    }
    const QString text = progress
                             ? u"%1 %2 de %3"_s.arg(unit).arg(progress->first).arg(progress->second)
                             : QString();
    m_progress->setText(text);
}

QString Form::progressLine() const
{
    return m_progress ? m_progress->text() : QString();
}

void Form::replaceBy(const std::function<bool()> &openOther)
{
    if (forms::loaded(m_name) != this)
        return;
    if (openOther())
        forms::unload(this);
}

void Form::closeEvent(QCloseEvent *event)
{
    forms::unload(this);
    event->accept();
}

namespace forms {

void define(FormName name, Factory factory)
{
    registry().factories.insert(name, factory);
}

Form *loaded(FormName name)
{
    return registry().instances.value(name);
}

Form *load(FormName name)
{
    if (Form *form = loaded(name))
        return form;
    const Factory factory = registry().factories.value(name);
    if (!factory)
        return nullptr;
    Form *form = factory();
    // Registered before the load handler, which may already ask for its own window.
    registry().instances.insert(name, form);
    form->Form_Load();
    return loaded(name);
}

Form *show(FormName name)
{
    Form *form = load(name);
    if (form)
        form->show();
    return form;
}

void unload(FormName name)
{
    Form *form = loaded(name);
    if (!form)
        return;
    registry().instances.remove(name);
    form->Form_Unload();
    form->hide();
    // The window may be unloading itself from one of its own handlers: it goes once that
    // handler has returned. Until then no search by name finds it.
    form->setObjectName(QString());
    registry().leaving.append(form);
    whenLastMessageCloses(&deleteLeavingSoon);
    deleteLeavingSoon();
}

void unload(Form *form)
{
    if (form && loaded(form->formName()) == form)
        unload(form->formName());
}

void discardAll()
{
    const auto instances = registry().instances;
    registry().instances.clear();
    for (const QPointer<Form> &form : instances)
        delete form.data();
    for (const QPointer<Form> &form : std::exchange(registry().leaving, {}))
        delete form.data();
}

} // namespace forms
} // namespace zeb
