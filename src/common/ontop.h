// The "Opciones" menu of the exercise windows, whose one item keeps the window above all others
// or lets it go. The check mark on the item is the only record of the state.
#pragma once

#include <QString>

class QAction;
class QMainWindow;

namespace zeb {

struct OnTopMenuNames
{
    QString menu, menuCaption, item, itemCaption;
};

// Adds the menu; triggering the item toggles the window's place on top.
QAction *addOnTopMenu(QMainWindow *window, const OnTopMenuNames &names);

} // namespace zeb
