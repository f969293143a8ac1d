#include "plot/ui/paintbox.h"

#include <QMouseEvent>
#include <QPainter>

namespace vy {

PaintBox::PaintBox(QSize size, QWidget* parent) : QWidget(parent), canvas_(size, QImage::Format_RGB32)
{
    canvas_.fill(Qt::white);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::setCanvas(const QImage& picture)
{
    canvas_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void PaintBox::clear(const QColor& colour)
{
    canvas_.fill(colour);
    update();
}

void PaintBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_, event->rect());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event->position().toPoint());
}

void PaintBox::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void PaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && onClick)
        onClick(event->position().toPoint());
}

} // namespace vy
