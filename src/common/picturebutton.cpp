#include "picturebutton.h"

#include "colours.h"
#include "picturebox.h"
#include "platform.h"

#include <QPainter>
#include <QStyle>

namespace zeb {
namespace {

const QColor &face = colours::lightYellow;
const QColor hoverFace(255, 255, 244);
const QColor pressedFace(240, 236, 196);

} // namespace

PictureButton::PictureButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAttribute(Qt::WA_Hover);
}

void PictureButton::setPicture(const QString &path, QSize sizeTwips)
{
    m_picture = path;
    m_pictureSize = twipsRect({{}, sizeTwips}).size();
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown() || isChecked();
    const QColor fill = !isEnabled()   ? face.darker(110)
                        : down         ? pressedFace
                        : underMouse() ? hoverFace
                                       : face;
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(outer, fill);
    painter.setPen(underMouse() && isEnabled() ? palette().color(QPalette::Highlight) : Qt::black);
    painter.drawRect(outer);
    // A raised bevel that sinks while the button is held down.
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.setPen(down ? QColor(128, 128, 128) : Qt::white);
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(down ? Qt::white : QColor(128, 128, 128));
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());

    const int shift = down ? 1 : 0;
    const QFontMetrics metrics(font());
    const int captionHeight = metrics.height();
    const int gap = (height() - m_pictureSize.height() - captionHeight) / 3;
    QRect pictureRect(QPoint(0, 0), m_pictureSize);
    pictureRect.moveCenter(QPoint(width() / 2 + shift, 0));
    pictureRect.moveTop(gap + shift);
    renderPicture(painter, m_picture, pictureRect);

    const QRect captionRect(shift, pictureRect.bottom() + gap + shift, width(), captionHeight);
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                               : palette().color(QPalette::Disabled, QPalette::ButtonText));
    style()->drawItemText(&painter, captionRect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), text());

    if (hasFocus())
        drawFocusMark(painter, rect().adjusted(2, 2, -2, -2));
}

} // namespace zeb
