// The picture push buttons of the main menu: a light yellow face with a picture above the
// caption, lighter under the mouse and sunken while pressed.
#pragma once

#include <QPushButton>

namespace zeb {

class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    PictureButton(const QString &caption, QWidget *parent);
    // `sizeTwips` is the picture's design size.
    void setPicture(const QString &path, QSize sizeTwips);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picture;
    QSize m_pictureSize;
};

} // namespace zeb
