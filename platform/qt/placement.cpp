#include "platform/qt/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vy::platform {

void moveOnScreen(QWidget& window, QPoint place) {
    QScreen* screen = QGuiApplication::screenAt(place);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window.move(place);
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = window.size().expandedTo(window.minimumSize());
    // The left and top edges win when the window is larger than the screen, so
    // the title and the first controls stay reachable.
    const int x = std::max(area.left(), std::min(place.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(place.y(), area.bottom() + 1 - size.height()));
    window.move(x, y);
}

} // namespace vy::platform
