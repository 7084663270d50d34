// A whole session as a learner has it, from start to "Cerrar": every exercise opened, a pass of
// drill 17/5, a pass of picture exercise 4 and the about window. Run alone, or under valgrind.
#include "common/forms.h"
#include "drills/drillwindow.h"
#include "messagecatcher.h"
#include "shell/program.h"

#include <QtTest>
#include <QtWidgets>
#include <cstdio>

using namespace Qt::StringLiterals;
using zeb::FormName;

namespace {

void click(FormName window, const char *name)
{
    QWidget *w = zeb::forms::loaded(window);
    if (auto *button = w ? w->findChild<QAbstractButton *>(QLatin1StringView(name)) : nullptr)
        button->click();
    else
        std::fprintf(stderr, "no %s to click\n", name);
}

QLineEdit *answerBox(FormName window)
{
    return zeb::forms::loaded(window)->findChild<QLineEdit *>(u"Text2"_s);
}

void session()
{
    const char *menuButtons[] = {"AniButton1", "AniButton2", "AniButton6", "AniButton3",
                                 "AniButton8", "AniButton4", "AniButton5", "AniButton7"};
    for (const char *button : menuButtons) {
        click(FormName::alap, button);
        const bool picture = zeb::forms::loaded(FormName::zeb1702);
        for (const FormName form : {FormName::zeb1701, FormName::zeb1702, FormName::zeb1705,
                                    FormName::zeb1707, FormName::zeb1710}) {
            if (zeb::forms::loaded(form))
                click(form, picture ? "Command9" : "Command3"); // Salir
        }
    }

    // A pass of 17/5, every answer right.
    click(FormName::alap, "AniButton3");
    click(FormName::zeb1705, "Command1");
    auto *drill = qobject_cast<zeb::DrillWindow *>(zeb::forms::loaded(FormName::zeb1705));
    for (int answer = 0; answer < drill->engine().PassLength(); ++answer) {
        answerBox(FormName::zeb1705)
            ->setText(drill->engine().VerbForms.at(drill->engine().CurrentItem));
        click(FormName::zeb1705, "Command2");
    }
    click(FormName::zeb1705, "Command3");

    // A pass of exercise 4: statements typed from the solution line.
    click(FormName::alap, "AniButton6");
    click(FormName::zeb1702, "Command6");
    for (int answer = 0; answer < 6; ++answer) {
        QWidget *picture = zeb::forms::loaded(FormName::zeb1702);
        answerBox(FormName::zeb1702)->setText(picture->findChild<QLabel *>(u"Label3"_s)->text());
        click(FormName::zeb1702, "Command7");
    }
    click(FormName::zeb1702, "Command9");

    // The about window and its information, then the end.
    zeb::forms::loaded(FormName::alap)->findChild<QAction *>(u"acerca"_s)->trigger();
    QWidget *about = zeb::forms::loaded(FormName::sobre);
    QTest::mouseClick(about->findChild<QWidget *>(u"Image2"_s), Qt::LeftButton);
    click(FormName::sobre, "Command1");
    click(FormName::alap, "Command1"); // Cerrar
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MessageCatcher catcher; // closes every box with its OK button
    zeb::startProgram();
    // The session begins once the splash has given way to the menu.
    QTimer start;
    QObject::connect(&start, &QTimer::timeout, [&start] {
        QWidget *menu = zeb::forms::loaded(FormName::alap);
        if (menu && menu->isVisible() && !zeb::forms::loaded(FormName::sobre)) {
            start.stop();
            session();
        }
    });
    start.start(10);
    QTimer::singleShot(60'000, [] { QCoreApplication::exit(2); }); // a session never takes this
    const int code = QApplication::exec();
    zeb::forms::discardAll();
    QStringList messages;
    for (const CaughtMessage &m : catcher.messages)
        messages << m.title;
    const QStringList expected = {u"Ejercicio 17/5"_s, u"ZEB 17, ejercicios 2, 4 y 6"_s,
                                  u"Mi ez?"_s};
    std::printf("session ended with %d; messages: %s\n", code, qPrintable(messages.join(u", "_s)));
    return code == 0 && messages == expected ? 0 : 1;
}
