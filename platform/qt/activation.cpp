#include "platform/qt/activation.h"

#include <QEvent>
#include <QWidget>

namespace vy::platform {

namespace {

// Sits on a tool window and tells its opener's rule when the tool is closed.
class ToolWatcher : public QObject {
public:
    ToolWatcher(QWidget* tool, QWidget* opener) : QObject(tool), opener_(opener) {
        setObjectName("ToolWatcher");
        tool->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // A spontaneous hide is the desktop minimising the window, not a close.
        if (event->type() == QEvent::Hide && !event->spontaneous() && opener_ && opener_->isVisible()) {
            if (auto* rule = opener_->findChild<ActivationRule*>(QString(), Qt::FindDirectChildrenOnly))
                emit rule->activated();
        }
        return false;
    }

private:
    QPointer<QWidget> opener_;
};

} // namespace

ActivationRule::ActivationRule(QWidget* window) : QObject(window), window_(window) {
    setObjectName("ActivationRule");
    window->installEventFilter(this);
}

void ActivationRule::markToolWindow(QWidget* tool, QWidget* opener) {
    delete tool->findChild<ToolWatcher*>(QStringLiteral("ToolWatcher"), Qt::FindDirectChildrenOnly);
    new ToolWatcher(tool, opener);
}

bool ActivationRule::eventFilter(QObject* watched, QEvent* event) {
    // A spontaneous show is the desktop restoring the window, not the program showing it.
    if (watched == window_ && event->type() == QEvent::Show && !event->spontaneous())
        emit activated();
    return false;
}

} // namespace vy::platform
