#pragma once
// Hands a job's calls to a Qt object's thread (core/jobrunner.h): each call is
// queued to the object and runs there in order. The object must outlive the
// runner's thread: a window keeps its JobRunner as a member, so the runner is
// cancelled and joined before the window's QObject part goes; calls still
// queued then are dropped with the object.
#include "core/jobrunner.h"

#include <QObject>

namespace vy::platform {

inline JobRunner::Post postTo(QObject* receiver)
{
    return [receiver](std::function<void()> call) {
        QMetaObject::invokeMethod(receiver, std::move(call), Qt::QueuedConnection);
    };
}

} // namespace vy::platform
