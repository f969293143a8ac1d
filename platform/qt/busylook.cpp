#include "platform/qt/busylook.h"

#include <QProgressBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vy::platform {

BusyLook::BusyLook(QWidget& window, std::initializer_list<QWidget*> idleOnly, QProgressBar* bar,
                   std::initializer_list<QWidget*> busyOnly)
    : window_(window), idleOnly_(idleOnly), bar_(bar), busyOnly_(busyOnly)
{
    bar_->setRange(0, kSteps);
    bar_->hide();
    for (QWidget* w : busyOnly_)
        w->hide();
}

void BusyLook::show(bool busy) const
{
    for (QWidget* w : idleOnly_)
        w->setEnabled(!busy);
    bar_->setValue(0);
    bar_->setVisible(busy);
    for (QWidget* w : busyOnly_)
        w->setVisible(busy);
    if (busy)
        window_.setCursor(Qt::BusyCursor);
    else
        window_.unsetCursor();
}

void BusyLook::progress(double done) const
{
    bar_->setValue(static_cast<int>(std::lround(std::clamp(done, 0.0, 1.0) * kSteps)));
}

} // namespace vy::platform
