#pragma once
// Failures that no handler catches end the handler and are shown in the general
// error box; the program carries on. guarded() wraps each handler; Application
// is the last resort for anything that still escapes an event handler.
#include "platform/host.h"

#include <QApplication>
#include <exception>
#include <utility>

namespace vy::platform {

// Shows the failure in the general error box, with the full-stop rule applied.
void reportFailure(Presenter& presenter, const std::exception& failure);
void reportUnknownFailure(Presenter& presenter);

template <class Handler>
void guarded(Presenter& presenter, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& failure) {
        reportFailure(presenter, failure);
    } catch (...) {
        reportUnknownFailure(presenter);
    }
}

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    // Where escaped failures are shown; without one they go to the error stream.
    void setPresenter(Presenter* presenter) { presenter_ = presenter; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Presenter* presenter_ = nullptr;
};

} // namespace vy::platform
