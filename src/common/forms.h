// The program's windows: each exists at most once. A window is loaded (built, then its load
// handler runs) the first time it is asked for, and unloaded (its unload handler runs, then it
// goes) when it is closed or sent away, so every opening starts afresh.
#pragma once

#include <QMainWindow>
#include <functional>

namespace zeb {

enum class FormName { sobre, hatter, alap, zeb1701, zeb1702, zeb1705, zeb1707, zeb1710 };

class Form : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form(FormName name);
    FormName formName() const { return m_name; }

    // Runs once, right after the window is built and registered.
    virtual void Form_Load() {}
    // Runs when the window is unloaded, before it goes.
    virtual void Form_Unload() {}

protected:
    // Puts another window in this one's place: `openOther` shows it, then this window is
    // unloaded. A window already unloaded (a handler may still run on it) opens nothing.
    void replaceBy(const std::function<bool()> &openOther);
    // Gives the window its caption, its background and a fixed client area, in twips, below its
    // menu bar; returns that area.
    QWidget *setDesign(const QString &caption, const QColor &background, int width, int height);
    void closeEvent(QCloseEvent *event) override;

private:
    FormName m_name;
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
