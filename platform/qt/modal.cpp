#include "platform/qt/modal.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace vy::platform {

namespace {

// Ends a nested loop when the window is hidden by the program (a spontaneous
// hide is the desktop minimising it) or destroyed.
class HideWaiter : public QObject {
public:
    HideWaiter(QWidget& window, QEventLoop& loop) : loop_(loop)
    {
        window.installEventFilter(this);
        connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide && !e->spontaneous())
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

} // namespace

void showModal(QWidget& window)
{
    window.setWindowModality(Qt::ApplicationModal);
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->exec();
        return;
    }
    QPointer<QWidget> guard(&window);
    QEventLoop loop;
    HideWaiter waiter(window, loop);
    window.show();
    if (guard && guard->isVisible())
        loop.exec();
    if (guard)
        guard->removeEventFilter(&waiter);
}

} // namespace vy::platform
