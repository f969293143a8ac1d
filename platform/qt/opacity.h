#pragma once
// A window's opacity, changed so that the desktop shows the change now. On X
// the change is a property request that the connection keeps in its buffer
// until something else makes it write: a fade of ten-millisecond steps would
// otherwise stand still and then arrive in one burst with the next repaint.
class QWidget;

namespace vy::platform {

// level in 0..1.
void setOpacityNow(QWidget& window, double level);

} // namespace vy::platform
