#include "panel3d.h"

#include <QPainter>

namespace zeb {

Panel3D::Panel3D(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
}

void Panel3D::setTitle(const QString &title)
{
    m_title = title;
    update();
}

void Panel3D::setTitleAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void Panel3D::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    // Runs of blanks in a caption only spaced it out; the panel centres and wraps it itself.
    const int margin = fontMetrics().averageCharWidth();
    painter.drawText(contentsRect().adjusted(margin, margin / 2, -margin, -margin / 2),
                     int(m_alignment) | Qt::TextWordWrap, m_title.simplified());
}

} // namespace zeb
