// ZEB: Spanish grammar drills, unit 17 (the preterite).
#include "common/forms.h"
#include "shell/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

namespace {

const char usage[] = "Usage: zeb [--help] [--version] [Qt options]\n"
                     "Spanish grammar drills, unit 17: the preterite.\n"
                     "\n"
                     "  -h, --help     show this text and exit\n"
                     "  -v, --version  show the name and version and exit\n"
                     "\n"
                     "QT_SCALE_FACTOR=1.5 zeb  makes every window larger. See zeb(1).\n";

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("zeb"));
    QApplication::setApplicationVersion(QStringLiteral(ZEB_VERSION));

    // --help and --version are answered before the window system is touched, so that they work
    // without a display. Anything else is left to Qt or ignored.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(arguments);
    if (parser.isSet(help)) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("zeb %s\n", ZEB_VERSION);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("ZEB"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEB_APP_ID));
    zeb::startProgram();
    const int code = QApplication::exec();
    zeb::forms::discardAll();
    return code;
}
