#include "ui/updown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace vy {

TUpDown::TUpDown(QWidget* parent) : QWidget(parent)
{
    up_ = new QToolButton(this);
    up_->setObjectName(QStringLiteral("up"));
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setObjectName(QStringLiteral("down"));
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus); // the field keeps the focus
    }
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void TUpDown::setAssociate(QLineEdit* field)
{
    if (field_)
        field_->removeEventFilter(this);
    field_ = field;
    if (field_)
        field_->installEventFilter(this);
}

void TUpDown::setRange(int min, int max)
{
    min_ = std::min(min, max);
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::setPosition(int position)
{
    position_ = std::clamp(position, min_, max_);
    if (field_)
        field_->setText(QString::number(position_));
    emit changed(position_);
}

void TUpDown::stepBy(int steps)
{
    int from = position_;
    if (field_) {
        bool whole = false;
        const int typed = field_->text().trimmed().toInt(&whole);
        if (whole)
            from = std::clamp(typed, min_, max_);
    }
    // Widened so that a step at the limits of int cannot overflow.
    setPosition(static_cast<int>(std::clamp<long long>(static_cast<long long>(from) + steps, min_, max_)));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

} // namespace vy
