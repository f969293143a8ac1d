#pragma once
// What a window shows while its long work runs on a JobRunner: the controls
// that would start more work are disabled, the progress bar (from 0) and the
// cancel button appear, and the window wears the busy cursor (it still answers).
// Idle, everything is as before.
#include <initializer_list>
#include <vector>

class QProgressBar;
class QWidget;

namespace vy::platform {

class BusyLook {
public:
    // The bar gets the range 0..kSteps and is hidden until the work starts.
    static constexpr int kSteps = 1000;

    BusyLook(QWidget& window, std::initializer_list<QWidget*> idleOnly, QProgressBar* bar,
             std::initializer_list<QWidget*> busyOnly = {});

    void show(bool busy) const;
    // The fraction done (0..1) on the bar.
    void progress(double done) const;

private:
    QWidget& window_;
    std::vector<QWidget*> idleOnly_;
    QProgressBar* bar_;
    std::vector<QWidget*> busyOnly_;
};

} // namespace vy::platform
