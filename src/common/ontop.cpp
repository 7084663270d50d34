#include "ontop.h"

#include "platform.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

namespace zeb {

QAction *addOnTopMenu(QMainWindow *window, const OnTopMenuNames &names)
{
    QMenu *menu = window->menuBar()->addMenu(names.menuCaption);
    menu->setObjectName(names.menu);
    QAction *item = menu->addAction(names.itemCaption);
    item->setObjectName(names.item);
    item->setCheckable(true);
    // The item starts without its check mark; the window's load triggers it once.
    QObject::connect(item, &QAction::toggled, window,
                     [window](bool checked) { setKeptOnTop(window, checked); });
    return item;
}

} // namespace zeb
