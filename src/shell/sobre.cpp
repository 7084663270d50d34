#include "sobre.h"

#include "../common/colours.h"
#include "../common/layout.h"
#include "../common/panel3d.h"
#include "../common/picturebox.h"
#include "../common/platform.h"
#include "aboutflag.h"
#include "authorinfo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

using K = ControlKind;
constexpr DesignFont sans12{Face::Sans, 12}, sans135{Face::Sans, 13.5},
    arial975{Face::Arial, 9.75, false}, times1125{Face::Times, 11.25};
constexpr Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

// clang-format off
constexpr ControlRow controls[] = {
    {"Panel3D1", K::Panel,   "",                                       {360, 240, 5415, 2670}, sans135},
    {"Label5",   K::Label,   "(Ejercicios gramaticales de español)",   {360, 960, 3615, 255},  times1125, {}, Look::Plain, false, "Panel3D1"},
    {"Label3",   K::Label,   "Autor:",                                 {480, 1455, 645, 375},  arial975,  {}, Look::Plain, false, "Panel3D1"},
    {"Label4",   K::Label,   "",                                       {1200, 1440, 3585, 495}, arial975, topLeft, Look::Plain, false, "Panel3D1"},
    {"Label2",   K::Label,   "1999",                                   {2160, 1680, 735, 375}, arial975,  topLeft, Look::Plain, false, "Panel3D1"},
    {"Label6",   K::Label,   "Si quiere más información, pulse aquí:", {480, 2040, 3735, 375}, times1125, {}, Look::Plain, false, "Panel3D1"},
    {"Image2",   K::Picture, "",                                       {4320, 1920, 480, 480}, sans12,    {}, Look::Plain, false, "Panel3D1"},
    {"Image1",   K::Picture, "",                                       {3960, 240, 1215, 975}, sans12,    {}, Look::Plain, false, "Panel3D1", "Un sol sobre un libro"},
    {"Image3",   K::Picture, "",                                       {120, 3000, 615, 495},  sans12,    {}, Look::Plain, true},
    {"Image4",   K::Picture, "",                                       {840, 3000, 615, 495},  sans12,    {}, Look::Plain, true},
    {"Image5",   K::Picture, "",                                       {1560, 3000, 615, 495}, sans12,    {}, Look::Plain, true},
    {"Command1", K::Button,  "&Vale",                                  {2520, 3000, 1215, 495}, sans12,   {}, Look::Plain, true},
};
// clang-format on

QString text(const char16_t *value)
{
    return QString::fromUtf16(value);
}

// In Hungarian, as the program's longer texts are.
const QString informationParagraph =
    u"A program jelenlegi formájában egy készülő spanyol nyelvtani gyakorlóanyag egyetlen "
    u"leckéjének próbaváltozata. Szabadon másolható, és ingyenesen (kizárólag ingyenesen) "
    u"továbbadható. A szerző nem vállal felelősséget a telepítés vagy a használat során "
    u"keletkező hibákért. A program Qt-alapú asztali alkalmazás: a csomagjából telepíthető, "
    u"vagy a forrásából fordítható és telepíthető a mellékelt README leírása szerint. "
    u"A nyelvi programok (a futtatható állományok) bármelyik mappába elhelyezhetők, bár a "
    u"telepítés a rendszer szokásos programmappáját javasolja. A szerző szívesen fogad a "
    u"programmal vagy a nyelvi anyaggal kapcsolatos bármilyen megjegyzést, javaslatot vagy "
    u"tanácsot."_s;

} // namespace

QString aboutInformation()
{
    return informationParagraph + u"\r\n"_s + u"      "_s + text(author::name) + u", "_s +
           text(author::institution) + u", "_s + text(author::institute) + u", "_s +
           text(author::group) + u"\r\n"_s + u"              "_s + text(author::address) +
           u"\r\n"_s + u"               E-mail: "_s + text(author::email);
}

AboutWindow::AboutWindow()
    : Form(FormName::sobre, {u"A c e r c a   d e   Z  E  B"_s,
                             colours::menuWindow,
                             {6120, 3585},
                             DesignFont{Face::Sans, 12},
                             controls})
{

    auto *panel = control<Panel3D>("Panel3D1");
    panel->setTitle(QString(74, u' ') + u"Z E B"_s);
    panel->setTitleAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const QString city = text(author::city) + u',';
    auto *authorLines = control<QLabel>("Label4");
    authorLines->setText(text(author::name) + u" ("_s + text(author::institution) + u", "_s +
                         text(author::institute) + u")\n"_s + city);
    authorLines->setWordWrap(true);
    // The year follows the city on the second line of the author's lines.
    const QFontMetrics metrics(authorLines->font());
    control<QLabel>("Label2")->move(authorLines->x() + metrics.horizontalAdvance(city + u' '),
                                    authorLines->y() + metrics.lineSpacing());

    auto *info = control<PictureBox>("Image2");
    info->setPicture(u":/pictures/info.svg"_s);
    info->setInvitesClick(u"Mi ez?"_s);
    info->setAccessibleName(u"Más información"_s);
    connect(info, &PictureBox::clicked, this, &AboutWindow::sobre_Image2_Click);
    Image3->setPicture(u":/pictures/frame1.svg"_s);
    Image4->setPicture(u":/pictures/frame2.svg"_s);
    Image5->setPicture(u":/pictures/frame3.svg"_s);
    connect(Command1, &QPushButton::clicked, this, &AboutWindow::sobre_Command1_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &AboutWindow::sobre_Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(u"Timer2"_s);
    Timer2->setInterval(200);
    connect(Timer2, &QTimer::timeout, this, &AboutWindow::sobre_Timer2_Timer);
}

void AboutWindow::Form_Load()
{
    centreOnScreen(this);
    setKeptOnTop(this, true);
    Image1->setPicture(Image3->picture());
    show();
    if (AboutOpenedFromMenu != 0) {
        Command1->setVisible(true);
        Command1->setFocus();
    } else {
        setCursor(Qt::WaitCursor); // the splash: the menu is on its way
    }
    Timer1->start();
    Timer2->start();
}

void AboutWindow::Form_Unload()
{
    Timer1->stop();
    Timer2->stop();
    AboutOpenedFromMenu = 1;
}

// Opened from the menu, the window also closes with Esc; the splash goes by itself.
void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && AboutOpenedFromMenu != 0)
        sobre_Command1_Click();
    else
        Form::keyPressEvent(event);
}

void AboutWindow::switchOffStartupTimer()
{
    Timer1->stop();
}

void AboutWindow::sobre_Command1_Click()
{
    forms::unload(this);
}

void AboutWindow::sobre_Timer1_Timer()
{
    forms::show(FormName::alap);
    forms::unload(this);
}

void AboutWindow::sobre_Timer2_Timer()
{
    const QString now = Image1->picture();
    if (now == Image3->picture())
        Image1->setPicture(Image4->picture());
    else if (now == Image4->picture())
        Image1->setPicture(Image5->picture());
    else if (now == Image5->picture())
        Image1->setPicture(Image3->picture());
}

void AboutWindow::sobre_Image2_Click()
{
    showMessage(this, aboutInformation(), u"Mi ez?"_s, MessageIcon::Information);
}

} // namespace zeb
