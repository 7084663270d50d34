// The picture push buttons of the main menu: a light yellow face with a picture above the
// caption, lighter under the mouse and sunken while pressed.
#pragma once

#include <QPushButton>

namespace zeb {

class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    // `pictureSize` is the picture's design size in twips.
    PictureButton(const QString &caption, const QString &picture, QSize pictureSize,
                  QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picture;
    QSize m_pictureSize;
};

} // namespace zeb
