#include "hatter.h"

#include "../common/colours.h"

#include <QGuiApplication>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace zeb {

BackgroundWindow::BackgroundWindow() : Form(FormName::hatter)
{
    setWindowTitle(u"Z E B"_s);
    QPalette background = palette();
    background.setColor(QPalette::Window, colours::lightYellow);
    setPalette(background);
    setAutoFillBackground(true);
}

void BackgroundWindow::Form_Load()
{
    // Covers the screen even where no window manager maximises it.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
}

} // namespace zeb
