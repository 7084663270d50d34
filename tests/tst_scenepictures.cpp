// The scene pictures as the program embeds them: each loads, draws something of its own and stays
// small. What a picture shows is for the eye, not for a test.
#include "common/picturebox.h"
#include "common/platform.h"
#include "picture/datos1.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The share of sampled pixels in which two pictures differ.
double difference(const QImage &a, const QImage &b)
{
    int differing = 0, sampled = 0;
    for (int y = 0; y < a.height(); y += 4) {
        for (int x = 0; x < a.width(); x += 4, ++sampled)
            differing += a.pixel(x, y) != b.pixel(x, y);
    }
    return double(differing) / sampled;
}

} // namespace

class ScenePicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void everySceneDrawsItsOwnPicture()
    {
        for (const QSize size : {QSize(240, 148), QSize(626, 386)}) {
            QList<QImage> drawn;
            for (int k = 0; k < zeb::SceneCount; ++k) {
                const QString path = zeb::picturePath(zeb::scenePictureId(k));
                QVERIFY2(QSvgRenderer(path).isValid(), qPrintable(path));
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadOnly) && file.size() < 30 * 1024);
                QImage image(size, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                zeb::renderPicture(painter, path, QRectF(QPointF(), QSizeF(size)));
                painter.end();
                // Not blank: a picture has many colours and covers its box.
                QSet<QRgb> colours;
                for (int y = 0; y < size.height(); y += 4) {
                    for (int x = 0; x < size.width(); x += 4)
                        colours << image.pixel(x, y);
                }
                QVERIFY2(colours.size() > 20, qPrintable(path));
                for (int other = 0; other < k; ++other)
                    QVERIFY2(difference(image, drawn.at(other)) > 0.2, qPrintable(path));
                drawn << image;
            }
        }
    }
};

QTEST_MAIN(ScenePicturesTest)
#include "tst_scenepictures.moc"
