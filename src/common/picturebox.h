// A picture control: shows an SVG picture stretched to its size, sharp at any DPI, and reports
// clicks on it.
#pragma once

#include <QWidget>

class QPainter;

namespace zeb {

// Draws the SVG picture at `path` into `bounds`; each picture is parsed only once.
void renderPicture(QPainter &painter, const QString &path, const QRectF &bounds);
// The focus mark of a painted control: a thick dark line with a white one inside, which stands
// out on light faces and on pictures alike, and more than the hover look.
void drawFocusMark(QPainter &painter, const QRect &bounds);

class PictureBox : public QWidget
{
    Q_OBJECT
    // The resource path of the picture shown; empty shows nothing.
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    explicit PictureBox(QWidget *parent);

    QString picture() const { return m_picture; }
    void setPicture(const QString &path);
    // A picture that invites a click can be reached with Tab, and Space or Enter clicks it.
    void setInvitesClick(const QString &hint);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_picture;
    bool m_pressed = false;
};

} // namespace zeb
