#pragma once
#include <QPoint>

class QWidget;

namespace vy::platform {

// Moves a window to its stored place, pulled back inside the screen it lands on
// when the stored place would leave part of it out of reach (a smaller screen
// than the one the place was saved on, or a designed place that does not fit).
void moveOnScreen(QWidget& window, QPoint place);

} // namespace vy::platform
