// The picture window's controls, laid out in twips as designed, with their captions, fonts and
// colours; the flow of the exercise is in picturewindow.cpp.
#include "../common/answerbox.h"
#include "../common/ontop.h"
#include "../common/optionbutton.h"
#include "../common/picturebox.h"
#include "../common/platform.h"
#include "picturewindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

const QColor lightGrey(224, 224, 224);
const QColor lightYellow(255, 255, 224);
const QColor indicatorGreen(46, 139, 87);
const QColor questionWordBox(255, 236, 160);

template <typename Control> Control *named(Control *control, const char *name, QRect twips)
{
    control->setObjectName(QLatin1StringView(name));
    control->setGeometry(twipsRect(twips));
    return control;
}

} // namespace

PictureWindow::PictureWindow() : Form(FormName::zeb1702)
{
    QWidget *client = setDesign(u"        Ejercicios gramaticales  ---  Unidad 17:  Ejercicio 2"_s,
                                lightGrey, 9870, 6990);
    setFont(designFont(sansSerif, 8.25, true));
    buildControls(client);
    buildOptions(client);
    connectHandlers();
    mnuOnTop = addOnTopMenu(this, {u"mnuOpciones"_s, u"&Opciones"_s, u"mnuOnTop"_s, u"&OnTop"_s});
}

void PictureWindow::buildControls(QWidget *client)
{
    auto button = [client](const char *name, const QString &caption, QRect place,
                           double pointSize) {
        auto *b = named(new QPushButton(caption, client), name, place);
        b->setFont(designFont(sansSerif, pointSize, true));
        b->setAutoDefault(true); // Enter presses the button that has the focus
        return b;
    };
    auto label = [](QWidget *parent, const char *name, QRect place, const QFont &font) {
        auto *l = named(new QLabel(parent), name, place);
        l->setFont(font);
        return l;
    };
    const QFont large = designFont(timesNewRoman, 14.25, true);

    Command6 = button("Command6", u"&Comenzar"_s, {0, 0, 1455, 495}, 9.75);
    Command15 = button("Command15", u"&Ayuda"_s, {1440, 0, 975, 495}, 9.75);
    Command9 = button("Command9", u"&Salir"_s, {2400, 0, 975, 495}, 9.75);

    Label6 = label(client, "Label6", {3480, 0, 1695, 735}, font());
    Label6->setAutoFillBackground(true);
    setColours(Label6, QPalette::Window, indicatorGreen, QPalette::WindowText, Qt::white);
    Label1 = label(client, "Label1", {3600, 120, 1455, 495}, designFont(sansSerif, 12, true));
    Label1->setAlignment(Qt::AlignCenter);
    setColours(Label1, QPalette::Window, indicatorGreen, QPalette::WindowText, Qt::white);
    Label6->hide();
    Label1->hide();

    QLabel *heading = label(client, "Label8", {5280, 0, 1575, 375}, designFont(arial, 12, true));
    heading->setText(u"Ejercicios:"_s);
    heading->setAlignment(Qt::AlignCenter);

    struct Navigation
    {
        const char *name;
        const char *caption;
        QRect place;
        std::optional<Exercise> drill; // the exercise buttons of this window have none
    };
    const Navigation navigation[] = {
        {"Command2", "&1", {6840, 0, 495, 495}, Exercise::Drill1},
        {"Command3", "&2", {7320, 0, 495, 495}, {}},
        {"Command5", "&4", {7800, 0, 495, 495}, {}},
        {"Command8", "&5", {8280, 0, 495, 495}, Exercise::Drill5},
        {"Command10", "&6", {8760, 0, 495, 495}, {}},
        {"Command11", "&7", {9240, 0, 495, 495}, Exercise::Drill7},
        {"Command12", "&8", {6840, 480, 495, 495}, {}},
        {"Command13", "&9", {7320, 480, 495, 495}, {}},
        {"Command14", "1&0", {7800, 480, 495, 495}, Exercise::Drill10},
        {"Command4", "2 &+ 4 + 6", {8280, 480, 1455, 495}, {}},
    };
    for (const Navigation &nav : navigation) {
        QPushButton *b = button(nav.name, QString::fromUtf8(nav.caption), nav.place, 13.5);
        if (nav.drill) {
            const Exercise drill = *nav.drill;
            connect(b, &QPushButton::clicked, this, [this, drill] { open(drill); });
        }
    }
    // Exercises 8 and 9 are not part of this unit.
    findChild<QPushButton *>(u"Command12"_s)->setEnabled(false);
    findChild<QPushButton *>(u"Command13"_s)->setEnabled(false);

    QLabel *punctuation = label(client, "Label2", {5400, 840, 1335, 495}, large);
    punctuation->setText(u". / ?"_s);
    punctuation->setAlignment(Qt::AlignCenter);
    punctuation->setAutoFillBackground(true);
    setColours(punctuation, QPalette::Window, QColor(128, 128, 128), QPalette::WindowText,
               Qt::white);

    auto *picture = named(new QFrame(client), "Picture1", {120, 840, 4695, 2895});
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setAutoFillBackground(true);
    setColours(picture, QPalette::Window, Qt::white, QPalette::WindowText, Qt::black);
    Image1 = new PictureBox(picture);
    Image1->setObjectName(u"Image1"_s);
    Image1->setGeometry(picture->contentsRect());
    Image1->setInvitesClick(u"Las partes de la oración"_s);

    Label12 = label(client, "Label12", {120, 3840, 2295, 615}, font());
    Label12->setAutoFillBackground(true);
    Label12->setFrameStyle(QFrame::Box | QFrame::Plain);
    setColours(Label12, QPalette::Window, questionWordBox, QPalette::WindowText, Qt::black);
    Label11 = label(client, "Label11", {240, 3960, 2055, 375}, large);
    Label11->setAlignment(Qt::AlignCenter);
    Label12->hide();
    Label11->hide();

    Command7 = button("Command7", u"Siguient&e"_s, {2520, 3840, 1215, 495}, 9.75);
    Command7->setDefault(true);
    Command7->hide();
    Command16 = button("Command16", u"&Modelo"_s, {8520, 4320, 1095, 495}, 9.75);
    Command1 = button("Command1", u"&Solución"_s, {8520, 4800, 1095, 495}, 9.75);
    setColours(Command1, QPalette::Button, QColor(192, 192, 192), QPalette::ButtonText, Qt::black);
    Command1->hide();

    Frame3D5 = named(new QGroupBox(client), "Frame3D5", {120, 4440, 8055, 630});
    Label7 = label(Frame3D5, "Label7", {60, 90, 7935, 480}, large);
    Label7->setAlignment(Qt::AlignCenter);
    Frame3D5->hide();
    Label7->hide();

    Frame3D4 = named(new QGroupBox(client), "Frame3D4", {120, 5040, 8055, 750});
    Text2 = new AnswerBox(AccentKeySet::PictureExercise, Frame3D4);
    named(Text2, "Text2", {120, 120, 7815, 510});
    Text2->setFont(large);
    Text2->setAlignment(Qt::AlignCenter);
    setColours(Text2, QPalette::Base, lightYellow, QPalette::Text, Qt::red);
    Text2->hide();

    Label3 = label(client, "Label3", {240, 5880, 7935, 375}, large);
    Label10 = label(client, "Label10", {120, 6240, 8055, 375}, large);
    Label4 = label(client, "Label4", {480, 6600, 6855, 375}, designFont(timesNewRoman, 12, true));
    setColours(Label4, QPalette::Window, lightGrey, QPalette::WindowText, QColor(192, 0, 0));
    for (QLabel *line : {Label3, Label10, Label4})
        line->hide();
    label(client, "Label5", {0, 6600, 495, 375}, font()); // nothing; a click on it does nothing

    for (const char *name : {"Text1", "Text3", "Text4", "Text5"}) {
        auto *hidden = new QLineEdit(client);
        hidden->setObjectName(QLatin1StringView(name));
        hidden->hide();
    }
    Text1 = findChild<QLineEdit *>(u"Text1"_s);
    Text3 = findChild<QLineEdit *>(u"Text3"_s);
    Text4 = findChild<QLineEdit *>(u"Text4"_s);
    Text5 = findChild<QLineEdit *>(u"Text5"_s);
}

void PictureWindow::buildOptions(QWidget *client)
{
    auto frame = [client](const char *name, const QString &title, QRect place) {
        auto *f = named(new QGroupBox(title, client), name, place);
        f->setFont(designFont(sansSerif, 8.25, true));
        return f;
    };
    auto option = [](QGroupBox *parent, const char *name, const QString &caption, QRect place) {
        return named(new OptionButton(caption, parent), name, place);
    };

    QGroupBox *activities = frame("Frame3D1", u"Actividad"_s, {4920, 1440, 1935, 1710});
    Option3D1 = option(activities, "Option3D1", u"&Haga oraciones"_s, {90, 300, 1800, 375});
    Option3D2 = option(activities, "Option3D2", u"&Pregunte"_s, {90, 720, 1800, 375});
    Option3D3 = option(activities, "Option3D3", u"Con&teste"_s, {90, 1140, 1800, 375});

    QGroupBox *types = frame("Frame3D2", u"Pregunta"_s, {6840, 1440, 3015, 1710});
    Option3D4 = option(types, "Option3D4", u"&General (Sí/No)"_s, {90, 300, 2880, 375});
    Option3D5 = option(types, "Option3D5", u"Parcia&l  I. (hacer)"_s, {90, 720, 2880, 375});
    Option3D10 =
        option(types, "Option3D10", u"Parc&ial II. (¿Dónde? Etc.)"_s, {90, 1140, 2880, 375});

    QGroupBox *persons = frame("Frame3D3", u"Personas"_s, {4920, 3120, 4935, 990});
    Option3D6 = option(persons, "Option3D6", u"&1/11"_s, {120, 420, 1020, 375});
    Option3D7 = option(persons, "Option3D7", u"&2/22"_s, {1200, 420, 1020, 375});
    Option3D8 = option(persons, "Option3D8", u"&3/33"_s, {2280, 420, 1020, 375});
    Option3D9 = option(persons, "Option3D9", u"3&/33"_s, {3360, 420, 780, 375});
    for (OptionButton *p : {Option3D6, Option3D7, Option3D8, Option3D9}) {
        p->setFont(designFont(sansSerif, 9.75, true));
        // Red captions; a disabled person is greyed like any disabled option.
        QPalette red = p->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            red.setColor(group, QPalette::WindowText, Qt::red);
        p->setPalette(red);
    }
    auto *polite = named(new QLabel(u"Ud./Uds."_s, persons), "Label9", {4140, 420, 760, 375});
    polite->setFont(designFont(sansSerif, 8.25, true));
}

} // namespace zeb
