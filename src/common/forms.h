// The program's windows: each exists at most once. A window is loaded (built, then its load
// handler runs) the first time it is asked for, and unloaded (its unload handler runs, then it
// goes) when it is closed or sent away, so every opening starts afresh.
#pragma once

#include "exercises.h"
#include "layout.h"

#include <QMainWindow>
#include <functional>
#include <optional>
#include <span>

class QLabel;

namespace zeb {
Q_NAMESPACE

// The windows by name; each name is also its window's objectName.
enum class FormName { sobre, hatter, alap, zeb1701, zeb1702, zeb1705, zeb1707, zeb1710 };
Q_ENUM_NS(FormName)

// How a window looks as designed: its caption, its background, its client area in twips below
// the menu bar, its font and its controls.
struct FormDesign
{
    QString caption;
    QColor background;
    QSize twips;
    std::optional<DesignFont> font; // the desktop's font when none
    std::span<const ControlRow> controls;
};

class Form : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form(FormName name);
    // A window with its controls in place, scaled down as a whole where the screen is too small.
    Form(FormName name, const FormDesign &design);
    // 1 as designed; less where the window had to shrink to fit the screen.
    double designScale() const { return m_scale; }
    FormName formName() const { return m_name; }

    // Runs once, right after the window is built and registered.
    virtual void Form_Load() {}
    // Runs when the window is unloaded, before it goes.
    virtual void Form_Unload() {}
    // Whoever opened the window tells it which exercise to run.
    virtual void chooseExercise(Exercise) {}

protected:
    // Puts another window in this one's place: `openOther` shows it, then this window is
    // unloaded. A window already unloaded (a handler may still run on it) opens nothing.
    void replaceBy(const std::function<bool()> &openOther);
    void closeEvent(QCloseEvent *event) override;

    // The status line below the controls, where the learner sees how far the pass has come:
    // "`unit` n de m"; nothing when there is no progress to show.
    void showProgress(const QString &unit, std::optional<std::pair<int, int>> progress);
    QString progressLine() const; // what the status line shows

    // A control of the window by its name.
    template <typename Control> Control *control(const char *name) const
    {
        return findChild<Control *>(QLatin1StringView(name));
    }

private:
    FormName m_name;
    double m_scale = 1;
    QLabel *m_progress = nullptr;
};

namespace forms {

using Factory = std::function<Form *()>;

// How a window is built; a window that has no factory cannot be loaded.
void define(FormName name, Factory factory);

Form *loaded(FormName name); // null when the window is not loaded
Form *load(FormName name);
Form *show(FormName name); // loads if needed, then shows the window modeless
void unload(FormName name);
void unload(Form *form);
// Ends every window without its unload handler, as the program's end does.
void discardAll();

} // namespace forms
} // namespace zeb
