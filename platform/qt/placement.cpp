#include "platform/qt/placement.h"

#include "core/inifile.h"

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
    // move() places the frame's corner, so the whole frame is what must fit
    // (a window not shown yet has no frame to count).
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QSize size = window.size().expandedTo(window.minimumSize()) + frame;
    // The left and top edges win when the window is larger than the screen, so
    // the title and the first controls stay reachable.
    const int x = std::max(area.left(), std::min(place.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(place.y(), area.bottom() + 1 - size.height()));
    window.move(x, y);
}

void centreOn(QWidget& window, const QWidget& over) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(over.frameGeometry().center());
    moveOnScreen(window, frame.topLeft());
}

void restorePlace(QWidget& window, const IniFile& ini, const ini::WindowPlace& place, bool withSize) {
    if (withSize && place.width != nullptr && place.height != nullptr) {
        const int width = ini.readInteger(place.section, place.width, window.width());
        const int height = ini.readInteger(place.section, place.height, window.height());
        // A size from a damaged file must not make the window vanish or swallow the screen.
        if (width > 0 && height > 0 && width <= 16384 && height <= 16384) window.resize(width, height);
    }
    moveOnScreen(window, QPoint(ini.readInteger(place.section, place.left, window.x()),
                                ini.readInteger(place.section, place.top, window.y())));
}

void storePlace(IniFile& ini, const ini::WindowPlace& place, const QRect& geometry) {
    ini.writeInteger(place.section, place.left, geometry.x());
    ini.writeInteger(place.section, place.top, geometry.y());
    if (place.width != nullptr) ini.writeInteger(place.section, place.width, geometry.width());
    if (place.height != nullptr) ini.writeInteger(place.section, place.height, geometry.height());
}

} // namespace vy::platform
