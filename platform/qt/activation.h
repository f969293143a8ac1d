#pragma once
// When a window of this program "becomes the active window". One rule for every
// window:
//   * the window is shown (goes from hidden to visible by the program), or
//   * a tool window opened from it is closed, which hands the user back to it.
// Nothing else counts: switching to another program and back, restoring from
// the task bar, dismissing a message box or a balloon, or closing a popup menu
// leaves the window as it was. Otherwise every glance at the log viewer would
// wipe the protocol.
#include <QObject>
#include <QPointer>

class QWidget;

namespace vy::platform {

class ActivationRule : public QObject {
    Q_OBJECT
public:
    // Watches window (and becomes its child).
    explicit ActivationRule(QWidget* window);

    // Declares tool a tool window of opener: when tool is closed while opener is
    // visible, opener's rule (if it has one) reports an activation.
    static void markToolWindow(QWidget* tool, QWidget* opener);

signals:
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
};

} // namespace vy::platform
