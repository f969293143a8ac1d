#pragma once
// Opening a window modally, the way every tool window is opened: from the main
// window, and the help window from the expression window.
class QWidget;

namespace vy::platform {

// Shows window application-modal and returns once it is hidden again (a
// dialog runs its own exec()). The window is hidden, not destroyed, on close;
// it may also be destroyed meanwhile.
void showModal(QWidget& window);

} // namespace vy::platform
