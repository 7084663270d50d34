#include "alap.h"

#include "../common/accentkeys.h"
#include "../common/panel3d.h"
#include "../common/platform.h"
#include "aboutflag.h"
#include "picturebutton.h"
#include "sobre.h"

#include <QCoreApplication>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

struct MenuButton
{
    const char *name;
    const char *caption;
    Exercise exercise;
    QRect place; // twips
    const char *picture;
};

// In three rows: the exercises 1, 2, 4, 5, then 6, 7, 10, then the three picture exercises
// together.
const MenuButton menuButtons[] = {
    {"AniButton1", "&1", Exercise::Drill1, {480, 1080, 975, 1110}, "drill1"},
    {"AniButton2", "&2", Exercise::Picture2, {1800, 1080, 975, 1110}, "pic2"},
    {"AniButton6", "&4", Exercise::Picture4, {3120, 1080, 975, 1110}, "pic4"},
    {"AniButton3", "&5", Exercise::Drill5, {4440, 1080, 975, 1110}, "drill5"},
    {"AniButton8", "&6", Exercise::Picture6, {1080, 2520, 975, 1110}, "pic6"},
    {"AniButton4", "&7", Exercise::Drill7, {2520, 2520, 975, 1110}, "drill7"},
    {"AniButton5", "1&0", Exercise::Drill10, {3960, 2520, 975, 1110}, "drill10"},
    {"AniButton7", "2 &+ 4 + 6", Exercise::Picture246, {2280, 3960, 1500, 1230}, "pic246"},
};

// The design sizes of the pictures, in twips: 32 x 32 on the drills, 50 x 46 on the scenes.
QSize pictureSize(Exercise exercise)
{
    switch (exercise) {
    case Exercise::Drill1:
    case Exercise::Drill5:
    case Exercise::Drill7:
    case Exercise::Drill10:
        return {480, 480};
    default:
        return {750, 690};
    }
}

} // namespace

MainMenu::MainMenu() : Form(FormName::alap)
{
    QWidget *client = setDesign(u"ZEBrcicios gramaticales    ----   Unidad 17"_s,
                                QColor(192, 192, 192), 5985, 6915);
    setFont(designFont(sansSerif, 8.25, true));

    auto *panel = new Panel3D(client);
    panel->setObjectName(u"Panel3D1"_s);
    panel->setGeometry(twipsRect(240, 120, 5535, 750));
    panel->setFont(designFont(sansSerif, 12, true));
    panel->setTitle(u"Seleccione el ejercicio  pulsando sobre el icono:"_s);

    QHash<QString, QWidget *> byName;
    for (const MenuButton &b : menuButtons) {
        auto *button = new PictureButton(QString::fromUtf8(b.caption),
                                         u":/pictures/%1.svg"_s.arg(QLatin1StringView(b.picture)),
                                         pictureSize(b.exercise), client);
        button->setObjectName(QLatin1StringView(b.name));
        button->setGeometry(twipsRect(b.place));
        button->setFont(designFont(sansSerif, 13.5, true));
        const Exercise exercise = b.exercise;
        connect(button, &QPushButton::clicked, this, [this, exercise] { open(exercise); });
        byName.insert(button->objectName(), button);
    }

    auto *close = new QPushButton(u"&Cerrar"_s, client);
    close->setObjectName(u"Command1"_s);
    close->setGeometry(twipsRect(2400, 5520, 1335, 615));
    close->setFont(designFont(sansSerif, 13.5, true));
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &MainMenu::alap_Command1_Click);
    byName.insert(close->objectName(), close);

    QWidget *previous = nullptr;
    for (const char *name : {"AniButton1", "AniButton2", "AniButton3", "AniButton4", "AniButton5",
                             "Command1", "AniButton6", "AniButton7", "AniButton8"}) {
        QWidget *next = byName.value(QLatin1StringView(name));
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }

    QMenu *help = menuBar()->addMenu(u"&Ayuda"_s);
    help->setObjectName(u"ayuda"_s);
    QAction *about = help->addAction(u"A&cerca de ..."_s);
    about->setObjectName(u"acerca"_s);
    connect(about, &QAction::triggered, this, &MainMenu::alap_acerca_Click);
    QAction *howTo = help->addAction(u"&Cómo ..."_s);
    howTo->setObjectName(u"como"_s);
    connect(howTo, &QAction::triggered, this, &MainMenu::alap_como_Click);
}

void MainMenu::Form_Load()
{
    forms::show(FormName::hatter);
    centreOnScreen(this);
    setKeptOnTop(this, true);
}

void MainMenu::open(Exercise exercise)
{
    replaceBy([exercise] { return openExercise(exercise); });
}

// Ends the program at once: the event loop stops, and no window runs its unload handler.
void MainMenu::alap_Command1_Click()
{
    QCoreApplication::exit(0);
}

void MainMenu::alap_acerca_Click()
{
    AboutOpenedFromMenu = 1;
    if (auto *about = qobject_cast<AboutWindow *>(forms::show(FormName::sobre))) {
        about->raise();
        about->activateWindow();
        about->switchOffStartupTimer();
    }
}

void MainMenu::alap_como_Click()
{
    showMessage(this, accentKeyHelp(), u"Cómo ..."_s, MessageIcon::Information);
}

} // namespace zeb
