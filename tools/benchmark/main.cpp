// Speed and memory figures of the program, printed, never asserted:
//   zeb_benchmark startup   time from process start until the menu is on screen
//   zeb_benchmark memory W  peak memory with the menu and then window W (zeb1705, sobre...) open
//   zeb_benchmark           windows opening, answer checks and hints, scene pictures, about
//                           window, memory
// Run with QT_QPA_PLATFORM=offscreen (or on a desktop).
#include "common/exercises.h"
#include "common/forms.h"
#include "common/picturebox.h"
#include "common/platform.h"
#include "common/random.h"
#include "drills/drillbank.h"
#include "drills/drillengine.h"
#include "picture/picturecheck.h"
#include "picture/pictureengine.h"
#include "shell/aboutflag.h"
#include "shell/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

using namespace Qt::StringLiterals;
using zeb::FormName;

namespace {

// Milliseconds since the kernel started this process.
double processAgeMs()
{
    QFile stat(u"/proc/self/stat"_s), uptime(u"/proc/uptime"_s);
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    const double now = uptime.readAll().split(' ').value(0).toDouble();
    return (now - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

QString procStatus(const char *key)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return QString::fromLatin1(line.mid(qstrlen(key))).simplified();
    }
    return {};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

int startup()
{
    zeb::startProgram();
    double splash = -1;
    if (QWidget *about = zeb::forms::loaded(FormName::sobre); about && about->isVisible())
        splash = processAgeMs();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *menu = zeb::forms::loaded(FormName::alap);
        if (menu && menu->isVisible()) {
            std::printf("splash on screen %.1f ms, menu on screen %.1f ms after process start\n",
                        splash, processAgeMs());
            QCoreApplication::quit();
        }
    });
    poll.start(1);
    return QApplication::exec();
}

// Peak memory with the menu shown and then one window open and in use.
int memoryWith(const QString &window)
{
    zeb::installFontSubstitutes();
    QApplication::setStyle(u"Fusion"_s);
    zeb::defineForms();
    zeb::forms::show(FormName::alap)->grab();
    const std::pair<QString, FormName> forms[] = {
        {u"zeb1701"_s, FormName::zeb1701}, {u"zeb1705"_s, FormName::zeb1705},
        {u"zeb1707"_s, FormName::zeb1707}, {u"zeb1710"_s, FormName::zeb1710},
        {u"zeb1702"_s, FormName::zeb1702}, {u"sobre"_s, FormName::sobre}};
    for (const auto &[name, form] : forms) {
        if (name != window)
            continue;
        zeb::AboutOpenedFromMenu = 1;
        if (form == FormName::zeb1702)
            zeb::openExercise(zeb::Exercise::Picture2);
        QWidget *w = zeb::forms::show(form);
        if (form != FormName::sobre) {
            zeb::forms::unload(FormName::alap);
            w->findChild<QPushButton *>(form == FormName::zeb1702 ? u"Command6"_s : u"Command1"_s)
                ->click();
        }
        w->grab();
    }
    settle();
    std::printf("peak memory, menu then %s: %s\n", qPrintable(window),
                qPrintable(procStatus("VmHWM:")));
    return 0;
}

void drillWindows()
{
    const std::pair<FormName, zeb::DrillBank (*)()> drills[] = {{FormName::zeb1701, zeb::bank1701},
                                                                {FormName::zeb1705, zeb::bank1705},
                                                                {FormName::zeb1707, zeb::bank1707},
                                                                {FormName::zeb1710, zeb::bank1710}};
    for (const auto &[form, bank] : drills) {
        QList<double> openings;
        for (int i = 0; i < 30; ++i) {
            QElapsedTimer timer;
            timer.start();
            zeb::forms::show(form)->grab(); // load, bank, first paint
            openings << timer.nsecsElapsed() / 1e6;
            zeb::forms::unload(form);
            settle();
        }
        // A correct answer through the window: judged, appended, next sentence drawn.
        QWidget *drill = zeb::forms::show(form);
        const QString name = drill->objectName();
        drill->findChild<QPushButton *>(u"Command1"_s)->click();
        QList<double> clicks;
        for (int i = 0; i < 20; ++i) {
            auto *label9 = drill->findChild<QLabel *>(u"Label9"_s);
            auto *label7 = drill->findChild<QLabel *>(u"Label7"_s);
            for (const auto &row : bank()) {
                if (QString::fromUtf16(row.infinitive) == label9->text() &&
                    u' ' + QString::fromUtf16(row.end) == label7->text())
                    drill->findChild<QLineEdit *>(u"Text2"_s)
                        ->setText(QString::fromUtf16(row.verbForm));
            }
            QElapsedTimer timer;
            timer.start();
            drill->findChild<QPushButton *>(u"Command2"_s)->click();
            clicks << timer.nsecsElapsed() / 1e6;
        }
        std::printf("%s: open (load, bank, first paint) median %.2f ms; right answer (check, "
                    "running text, next item) median %.3f ms\n",
                    qPrintable(name), median(openings), median(clicks));
        zeb::forms::unload(form);
        settle();
    }

    zeb::DrillEngine engine(zeb::bank1710(), 34);
    engine.start();
    for (const QString &answer : {engine.expectedForm(), QString(100000, u'x')}) {
        QElapsedTimer timer;
        timer.start();
        const int rounds = 1000;
        int correct = 0;
        for (int i = 0; i < rounds; ++i) {
            zeb::DrillEngine judge = engine; // a right answer moves the engine on
            correct += judge.check(answer) != zeb::DrillVerdict::Wrong;
        }
        std::printf("drill check of a %lld-character answer: %.4f ms (%s)\n",
                    static_cast<long long>(answer.size()), timer.nsecsElapsed() / 1e6 / rounds,
                    correct ? "right" : "wrong");
    }

    // The hint for a wrong answer: every form of three tenses is built and compared.
    for (const QString &answer : {u"pedió"_s, u"xyz"_s, QString(100000, u'x')}) {
        QElapsedTimer timer;
        timer.start();
        const int rounds = 1000;
        int hints = 0;
        for (int i = 0; i < rounds; ++i)
            hints += zeb::verbFormHint(answer, u"pidió"_s, u"pedir"_s, zeb::VerbPerson::El).kind !=
                     zeb::HintKind::None;
        std::printf("hint for a wrong %lld-character drill answer: %.4f ms (%s)\n",
                    static_cast<long long>(answer.size()), timer.nsecsElapsed() / 1e6 / rounds,
                    hints ? "a hint" : "none");
    }
}

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

QWidget *openPictureWindow()
{
    zeb::openExercise(zeb::Exercise::Picture2);
    return zeb::forms::loaded(FormName::zeb1702);
}

void pictureWindow()
{
    QList<double> openings;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        openPictureWindow()->grab(); // load, tables, first paint
        openings << msSince(timer);
        zeb::forms::unload(FormName::zeb1702);
        settle();
    }
    std::printf("picture window open (load, tables, first paint): median %.2f ms, best %.2f ms\n",
                median(openings), *std::min_element(openings.begin(), openings.end()));

    // Comenzar on a fresh pass: draw, build, show the picture.
    QWidget *window = openPictureWindow();
    auto button = [window](const char *name) {
        return window->findChild<QPushButton *>(QLatin1StringView(name));
    };
    QWidget *image = window->findChild<QWidget *>(u"Image1"_s);
    QList<double> starts;
    for (int i = 0; i < 50; ++i) {
        button(i % 2 ? "Command3" : "Command4")->click(); // a new exercise: a fresh pass
        QElapsedTimer timer;
        timer.start();
        button("Command6")->click();
        image->grab();
        starts << msSince(timer);
    }
    std::printf("Comenzar (draw, build, picture painted): median %.2f ms\n", median(starts));

    // A check through the window: a right answer moves on, a long paste is wrong.
    auto *answer = window->findChild<QLineEdit *>(u"Text2"_s);
    auto *solution = window->findChild<QLabel *>(u"Label3"_s);
    QString paste;
    for (int i = 0; i < 20000; ++i)
        paste += u"ab   "_s;
    for (const bool right : {true, false}) {
        QList<double> checks;
        for (int i = 0; i < 9; ++i) {
            button("Command3")->click();
            button("Command6")->click();
            answer->setText(right ? solution->text() : paste);
            QElapsedTimer timer;
            timer.start();
            button("Command7")->click();
            checks << msSince(timer);
        }
        std::printf("check in the window, %s: median %.3f ms\n",
                    right ? "right answer (next scene set up)" : "100 000-character paste",
                    median(checks));
    }
    zeb::forms::unload(FormName::zeb1702);
    settle();

    QElapsedTimer timer;
    timer.start();
    const int rounds = 100;
    qsizetype characters = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int scene = 0; scene < zeb::SceneCount; ++scene) {
            for (int code = zeb::FirstTaskCode; code <= zeb::LastTaskCode; ++code)
                characters += zeb::BuildSceneSentence(scene, code).ExpectedText.size();
        }
    }
    std::printf("all 18 task codes for all 22 scenes: %.3f ms (%lld characters)\n",
                msSince(timer) / rounds, static_cast<long long>(characters / rounds));

    // The hint for a wrong sentence: scene 0's statement with the verb in the first person.
    const zeb::SceneTexts texts = zeb::BuildSceneSentence(0, 1);
    const QStringList accepted{zeb::shownText(texts.ExpectedText),
                               zeb::shownText(texts.ExpectedTextShort)};
    QString typed = accepted.front();
    typed.replace(QString::fromUtf16(zeb::sceneRows()[0].thirdPerson),
                  QString::fromUtf16(zeb::sceneRows()[0].firstPerson));
    timer.restart();
    int hints = 0;
    for (int round = 0; round < rounds; ++round)
        hints +=
            zeb::sentenceHint(typed, accepted, zeb::taskVerb(0, 1)).kind != zeb::HintKind::None;
    std::printf("hint for a wrong sentence: %.4f ms (%s)\n", msSince(timer) / rounds,
                hints ? "a hint" : "none");
}

// Each scene drawn into the picture box's size at scale 1 and 2: the slowest scene's median.
void scenePictures()
{
    const QSize box(zeb::twipsToPixels(4695), zeb::twipsToPixels(2895));
    for (const int scale : {1, 2}) {
        double slowest = 0;
        int slowestScene = 0;
        for (int scene = 0; scene < zeb::SceneCount; ++scene) {
            QImage image(box * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            QList<double> draws;
            for (int i = 0; i < 15; ++i) {
                image.fill(Qt::white);
                QPainter painter(&image);
                painter.setRenderHint(QPainter::Antialiasing);
                QElapsedTimer timer;
                timer.start();
                zeb::renderPicture(painter, zeb::picturePath(zeb::scenePictureId(scene)),
                                   QRectF(QPointF(), box));
                draws << msSince(timer);
            }
            if (median(draws) > slowest) {
                slowest = median(draws);
                slowestScene = scene;
            }
        }
        std::printf("scene picture drawn at scale %d (%dx%d px): slowest scene %d, %.2f ms\n",
                    scale, box.width() * scale, box.height() * scale, slowestScene, slowest);
    }
}

void aboutWindow()
{
    zeb::AboutOpenedFromMenu = 1;
    QElapsedTimer timer;
    timer.start();
    QWidget *about = zeb::forms::show(FormName::sobre);
    about->grab();
    std::printf("about window open (load, first paint): %.2f ms\n", timer.nsecsElapsed() / 1e6);

    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(10000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("about window animation: %.3f %% of one core over %.1f s\n",
                100.0 * cpu / (wall.elapsed() / 1000.0), wall.elapsed() / 1000.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "startup") == 0)
        return startup();
    if (argc > 2 && qstrcmp(argv[1], "memory") == 0)
        return memoryWith(QString::fromLatin1(argv[2]));

    zeb::installFontSubstitutes();
    QApplication::setStyle(u"Fusion"_s);
    zeb::defineForms();
    zeb::forms::show(FormName::alap);
    settle();
    drillWindows();
    pictureWindow();
    scenePictures();
    aboutWindow();
    return 0;
}
