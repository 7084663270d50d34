#include "sobre.h"

#include "../common/panel3d.h"
#include "../common/picturebox.h"
#include "../common/platform.h"
#include "aboutflag.h"
#include "authorinfo.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

const QColor grey(192, 192, 192);

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

AboutWindow::AboutWindow() : Form(FormName::sobre)
{
    QWidget *client = setDesign(u"A c e r c a   d e   Z  E  B"_s, grey, 6120, 3585);
    setFont(designFont(sansSerif, 12, true));

    auto *panel = new Panel3D(client);
    panel->setObjectName(u"Panel3D1"_s);
    panel->setGeometry(twipsRect(360, 240, 5415, 2670));
    panel->setFont(designFont(sansSerif, 13.5, true));
    panel->setTitle(QString(74, u' ') + u"Z E B"_s);
    panel->setTitleAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto label = [panel](const char *name, const QString &caption, QRect twips, const QFont &font) {
        auto *l = new QLabel(caption, panel);
        l->setObjectName(QLatin1StringView(name));
        l->setGeometry(twipsRect(twips));
        l->setFont(font);
        return l;
    };
    label("Label5", u"(Ejercicios gramaticales de español)"_s, {360, 960, 3615, 255},
          designFont(timesNewRoman, 11.25, true));
    label("Label3", u"Autor:"_s, {480, 1455, 645, 375}, designFont(arial, 9.75));
    const QString city = text(author::city) + u',';
    QLabel *authorLines = label("Label4",
                                text(author::name) + u" ("_s + text(author::institution) + u", "_s +
                                    text(author::institute) + u")\n"_s + city,
                                {1200, 1440, 3585, 495}, designFont(arial, 9.75));
    authorLines->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    authorLines->setWordWrap(true);
    // The year follows the city on the second line of the author's lines.
    QLabel *year = label("Label2", u"1999"_s, {2160, 1680, 735, 375}, designFont(arial, 9.75));
    year->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFontMetrics metrics(authorLines->font());
    year->move(authorLines->x() + metrics.horizontalAdvance(city + u' '),
               authorLines->y() + metrics.lineSpacing());
    label("Label6", u"Si quiere más información, pulse aquí:"_s, {480, 2040, 3735, 375},
          designFont(timesNewRoman, 11.25, true));

    auto picture = [](QWidget *parent, const char *name, QRect twips, const QString &source) {
        auto *box = new PictureBox(parent);
        box->setObjectName(QLatin1StringView(name));
        box->setGeometry(twipsRect(twips));
        box->setPicture(source);
        return box;
    };
    PictureBox *info = picture(panel, "Image2", {4320, 1920, 480, 480}, u":/pictures/info.svg"_s);
    info->setInvitesClick(u"Mi ez?"_s);
    connect(info, &PictureBox::clicked, this, &AboutWindow::sobre_Image2_Click);
    Image1 = picture(panel, "Image1", {3960, 240, 1215, 975}, QString());
    Image3 = picture(client, "Image3", {120, 3000, 615, 495}, u":/pictures/frame1.svg"_s);
    Image4 = picture(client, "Image4", {840, 3000, 615, 495}, u":/pictures/frame2.svg"_s);
    Image5 = picture(client, "Image5", {1560, 3000, 615, 495}, u":/pictures/frame3.svg"_s);
    for (PictureBox *frame : {Image3, Image4, Image5})
        frame->hide();

    Command1 = new QPushButton(u"&Vale"_s, client);
    Command1->setObjectName(u"Command1"_s);
    Command1->setGeometry(twipsRect(2520, 3000, 1215, 495));
    Command1->setAutoDefault(true);
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, &AboutWindow::sobre_Command1_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &AboutWindow::sobre_Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(u"Timer2"_s);
    Timer2->setInterval(200);
    connect(Timer2, &QTimer::timeout, this, &AboutWindow::sobre_Timer2_Timer);
    setCursor(Qt::WaitCursor);
}

void AboutWindow::Form_Load()
{
    centreOnScreen(this);
    setKeptOnTop(this, true);
    Image1->setPicture(Image3->picture());
    show();
    if (AboutOpenedFromMenu != 0) {
        unsetCursor();
        Command1->setVisible(true);
        Command1->setFocus();
    } else {
        setCursor(Qt::WaitCursor);
        Command1->setVisible(false);
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
