#include "hatter.h"

using namespace Qt::StringLiterals;

namespace zeb {

BackgroundWindow::BackgroundWindow() : Form(FormName::hatter)
{
    setWindowTitle(u"Z E B"_s);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(255, 255, 224));
    setPalette(background);
    setAutoFillBackground(true);
}

void BackgroundWindow::Form_Load()
{
    showMaximized();
    setCursor(Qt::WaitCursor);
    unsetCursor();
}

} // namespace zeb
