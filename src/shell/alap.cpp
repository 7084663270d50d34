#include "alap.h"

#include "../common/accentkeys.h"
#include "../common/colours.h"
#include "../common/layout.h"
#include "../common/picturebutton.h"
#include "../common/platform.h"
#include "aboutflag.h"
#include "sobre.h"

#include <QCoreApplication>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

using K = ControlKind;
constexpr DesignFont sans12{Face::Sans, 12}, sans135{Face::Sans, 13.5};

// In tab order: the exercises 1, 2, 5, 7, 10, "Cerrar", then 4, 2 + 4 + 6 and 6.
// clang-format off
constexpr ControlRow controls[] = {
    {"Panel3D1",   K::Panel,         "Seleccione el ejercicio  pulsando sobre el icono:", {240, 120, 5535, 750}, sans12},
    {"AniButton1", K::PictureButton, "&1",         {480, 1080, 975, 1110},   sans135},
    {"AniButton2", K::PictureButton, "&2",         {1800, 1080, 975, 1110},  sans135},
    {"AniButton3", K::PictureButton, "&5",         {4440, 1080, 975, 1110},  sans135},
    {"AniButton4", K::PictureButton, "&7",         {2520, 2520, 975, 1110},  sans135},
    {"AniButton5", K::PictureButton, "1&0",        {3960, 2520, 975, 1110},  sans135},
    {"Command1",   K::Button,        "&Cerrar",    {2400, 5520, 1335, 615},  sans135},
    {"AniButton6", K::PictureButton, "&4",         {3120, 1080, 975, 1110},  sans135},
    {"AniButton7", K::PictureButton, "2 &+ 4 + 6", {2280, 3960, 1500, 1230}, sans135},
    {"AniButton8", K::PictureButton, "&6",         {1080, 2520, 975, 1110},  sans135},
};
// clang-format on

struct MenuButton
{
    const char *name;
    Exercise exercise;
    const char *picture;
};

// The pictures are 32 x 32 on the drills and 50 x 46 on the picture exercises.
constexpr QSize drillPicture{480, 480}, scenePicture{750, 690};
constexpr MenuButton menuButtons[] = {
    {"AniButton1", Exercise::Drill1, "drill1"},     {"AniButton2", Exercise::Picture2, "pic2"},
    {"AniButton3", Exercise::Drill5, "drill5"},     {"AniButton4", Exercise::Drill7, "drill7"},
    {"AniButton5", Exercise::Drill10, "drill10"},   {"AniButton6", Exercise::Picture4, "pic4"},
    {"AniButton7", Exercise::Picture246, "pic246"}, {"AniButton8", Exercise::Picture6, "pic6"},
};

bool isDrill(Exercise exercise)
{
    return exercise == Exercise::Drill1 || exercise == Exercise::Drill5 ||
           exercise == Exercise::Drill7 || exercise == Exercise::Drill10;
}

} // namespace

MainMenu::MainMenu()
    : Form(FormName::alap, {u"Ejercicios gramaticales    ----   Unidad 17"_s,
                            colours::menuWindow,
                            {5985, 6915},
                            DesignFont{Face::Sans, 8.25},
                            controls})
{
    for (const MenuButton &b : menuButtons) {
        auto *button = control<PictureButton>(b.name);
        button->setPicture(u":/pictures/%1.svg"_s.arg(QLatin1StringView(b.picture)),
                           (isDrill(b.exercise) ? drillPicture : scenePicture) * designScale());
        connect(button, &QPushButton::clicked, this, [this, e = b.exercise] { open(e); });
    }
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this,
            &MainMenu::alap_Command1_Click);

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
