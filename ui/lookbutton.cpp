#include "ui/lookbutton.h"

#include "platform/qt/toolwindow.h"

#include <QLabel>
#include <QMouseEvent>

namespace vy {

LookButton::LookButton(const char* name, QRect geometry, Look normal, Look hover, std::optional<Look> pressed,
                       QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    normal_ = lookLabel(normal);
    hover_ = lookLabel(hover);
    if (pressed)
        pressed_ = lookLabel(*pressed);
    setLook(State::Normal);
}

QLabel* LookButton::lookLabel(const Look& look)
{
    auto* label = place<QLabel>(this, look.name, rect());
    label->setPixmap(look.picture);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void LookButton::setLook(State state)
{
    state_ = state;
    QLabel* visible = state == State::Normal                         ? normal_
                      : state == State::Hover || pressed_ == nullptr ? hover_
                                                                     : pressed_;
    for (QLabel* look : {normal_, hover_, pressed_})
        if (look != nullptr)
            look->setVisible(look == visible);
}

void LookButton::enterEvent(QEnterEvent*) { setLook(held_ ? State::Pressed : State::Hover); }

void LookButton::leaveEvent(QEvent*) { setLook(State::Normal); }

void LookButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    held_ = true;
    setLook(State::Pressed);
}

void LookButton::mouseMoveEvent(QMouseEvent* event)
{
    // While held the button has the mouse, so leaving is seen here.
    if (held_)
        setLook(rect().contains(event->position().toPoint()) ? State::Pressed : State::Normal);
}

void LookButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !held_)
        return;
    held_ = false;
    const bool inside = rect().contains(event->position().toPoint());
    setLook(inside ? State::Hover : State::Normal);
    if (inside)
        emit clicked();
}

} // namespace vy
