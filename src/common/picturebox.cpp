#include "picturebox.h"

#include <QHash>
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

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderPicture(painter, m_picture, rect());
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
