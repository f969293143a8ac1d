#pragma once
// Where windows keep their places in the settings file, and how a stored place
// is brought back on the screen.
#include "core/settingskeys.h"

#include <QPoint>
#include <QRect>

class QWidget;

namespace vy {
class IniFile;
}

namespace vy::platform {

// Moves a window to its stored place, pulled back inside the screen it lands on
// when the stored place would leave part of it out of reach (a smaller screen
// than the one the place was saved on, or a designed place that does not fit).
void moveOnScreen(QWidget& window, QPoint place);

// Moves window so that its frame is centred on over's frame, whole on the
// screen.
void centreOn(QWidget& window, const QWidget& over);

// Reads the window's place (and, where the place has size keys and withSize is
// set, its size) with the window's current values as defaults, and puts it
// there, whole on the screen.
void restorePlace(QWidget& window, const IniFile& ini, const ini::WindowPlace& place, bool withSize);
// Writes left and top of geometry, and its width and height where the place
// has keys for them.
void storePlace(IniFile& ini, const ini::WindowPlace& place, const QRect& geometry);

} // namespace vy::platform
