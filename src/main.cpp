// ZEB: Spanish grammar drills, unit 17 (the preterite).
#include "common/forms.h"
#include "shell/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zeb"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZEB"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEB_APP_ID));
    zeb::startProgram();
    const int code = QApplication::exec();
    zeb::forms::discardAll();
    return code;
}
