// Renders the program's windows to PNG files for the README: screenshots [folder].
// Runs on any platform plugin; with QT_QPA_PLATFORM=offscreen it needs no display.
#include "common/exercises.h"
#include "common/forms.h"
#include "common/layout.h"
#include "common/picturebox.h"
#include "common/platform.h"
#include "common/random.h"
#include "drills/drillbank.h"
#include "picture/datos1.h"
#include "shell/aboutflag.h"
#include "shell/program.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void save(QWidget *window, const QDir &folder, const QString &name)
{
    QApplication::processEvents();
    window->grab().save(folder.filePath(name + u".png"_s));
}

// The form the drill expects for the sentence on display.
QString expectedForm(QWidget *drill)
{
    const QString infinitive = drill->findChild<QLabel *>(u"Label9"_s)->text();
    const QString end = drill->findChild<QLabel *>(u"Label7"_s)->text();
    for (const zeb::DrillRow &row : zeb::bank1705()) {
        if (QString::fromUtf16(row.infinitive) == infinitive &&
            u' ' + QString::fromUtf16(row.end) == end)
            return QString::fromUtf16(row.verbForm);
    }
    return {};
}

// All scene pictures on one sheet, numbered, as a reviewer looks at the set.
void saveContactSheet(const QDir &folder)
{
    const QSize cell(240, 148);
    const int columns = 4, gap = 8, caption = 18;
    const int rows = (zeb::SceneCount + columns - 1) / columns;
    QImage sheet(columns * (cell.width() + gap) + gap, rows * (cell.height() + caption + gap) + gap,
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(zeb::designFont({zeb::Face::Arial, 9}));
    for (int k = 0; k < zeb::SceneCount; ++k) {
        const QPoint corner(gap + k % columns * (cell.width() + gap),
                            gap + k / columns * (cell.height() + caption + gap));
        const QRect box(corner, cell);
        zeb::renderPicture(painter, zeb::picturePath(zeb::scenePictureId(k)), box);
        painter.setPen(QColor(59, 47, 47));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawText(QRect(corner + QPoint(0, cell.height()), QSize(cell.width(), caption)),
                         Qt::AlignCenter, u"%1  (picture %2)"_s.arg(k).arg(zeb::scenePictureId(k)));
    }
    painter.end();
    sheet.save(folder.filePath(u"scenes.png"_s));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_s);
    QDir().mkpath(folder.path());

    zeb::installFontSubstitutes();
    QApplication::setStyle(u"Fusion"_s);
    zeb::defineForms();
    zeb::seedRandom(17);

    using zeb::FormName;
    save(zeb::forms::show(FormName::alap), folder, u"menu"_s);

    zeb::AboutOpenedFromMenu = 1;
    save(zeb::forms::show(FormName::sobre), folder, u"about"_s);
    zeb::forms::unload(FormName::sobre);

    // A drill a few sentences into its pass, the next answer half typed.
    QWidget *drill = zeb::forms::show(FormName::zeb1705);
    drill->findChild<QPushButton *>(u"Command1"_s)->click();
    auto *answer = drill->findChild<QLineEdit *>(u"Text2"_s);
    for (int sentence = 0; sentence < 5; ++sentence) {
        answer->setText(expectedForm(drill));
        drill->findChild<QPushButton *>(u"Command2"_s)->click();
    }
    QTest::keyClicks(answer, expectedForm(drill).left(3));
    save(drill, folder, u"drill"_s);
    zeb::forms::unload(FormName::zeb1705);

    // The picture exercise with a statement half typed.
    zeb::openExercise(zeb::Exercise::Picture2);
    QWidget *picture = zeb::forms::loaded(FormName::zeb1702);
    picture->findChild<QPushButton *>(u"Command6"_s)->click();
    const QString solution = picture->findChild<QLabel *>(u"Label3"_s)->text();
    QTest::keyClicks(picture->findChild<QLineEdit *>(u"Text2"_s),
                     solution.left(solution.indexOf(u' ', 8)));
    save(picture, folder, u"picture"_s);
    saveContactSheet(folder);
    return 0;
}
