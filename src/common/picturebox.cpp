#include "picturebox.h"

#include "colours.h"

#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

namespace zeb {
namespace {

// Each picture is parsed once; painting only renders it.
QSvgRenderer *renderer(const QString &path)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    auto &slot = cache[path];
    if (!slot)
        slot = std::make_shared<QSvgRenderer>(path);
    return slot->isValid() ? slot.get() : nullptr;
}

} // namespace

void renderPicture(QPainter &painter, const QString &path, const QRectF &bounds)
{
    if (QSvgRenderer *svg = renderer(path))
        svg->render(&painter, bounds);
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setPicture(const QString &path)
{
    if (path == m_picture)
        return;
    m_picture = path;
    update();
}

void PictureBox::setInvitesClick(const QString &hint)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(hint);
    setAccessibleName(hint);
    // Tab reaches it and Space clicks it; a mouse click leaves the focus where it is.
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_picture.isEmpty())
        renderPicture(painter, m_picture, rect());
    if (hasFocus()) // over the picture, so that it shows
        drawFocusMark(painter, rect());
}

void drawFocusMark(QPainter &painter, const QRect &bounds)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours::focusBlue, 2));
    painter.drawRect(QRectF(bounds).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRectF(bounds).adjusted(2.5, 2.5, -2.5, -2.5));
    painter.restore();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

} // namespace zeb
