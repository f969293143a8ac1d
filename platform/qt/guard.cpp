#include "platform/qt/guard.h"

#include "core/errortext.h"

#include <cstdio>

namespace vy::platform {

void reportFailure(Presenter& presenter, const std::exception& failure) {
    presenter.generalError(vy::generalErrorText(failure.what()));
}

void reportUnknownFailure(Presenter& presenter) {
    presenter.generalError(vy::generalErrorText("Unknown failure"));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    if (presenter_ == nullptr) {
        try {
            handled = QApplication::notify(receiver, event);
        } catch (const std::exception& failure) {
            std::fprintf(stderr, "%s\n", vy::generalErrorText(failure.what()).c_str());
        }
        return handled;
    }
    guarded(*presenter_, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace vy::platform
