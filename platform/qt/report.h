#pragma once
// The one report helper: every window shows the failures it catches itself
// through present(), so the sound, the presentation and the balloon's stem are
// decided in one place.
#include "core/report.h"
#include "platform/host.h"

class QWidget;

namespace vy::platform {

// Where a balloon about a field points: just below the left part of the field,
// wherever the layout put it.
ScreenPoint balloonStem(const QWidget& field);

// Shows report: the critical-stop sound first when it asks for it, then the
// box, or the balloon at field (at the owner's top-left corner when there is
// no field). owner is the window that raises it and owns a balloon.
void present(const Host& host, const Report& report, QWidget* owner, const QWidget* field = nullptr);
// The same with the balloon's stem at a given point, for what is not a field of
// its own (a cell of a grid).
void presentAt(const Host& host, const Report& report, QWidget* owner, ScreenPoint stem);

} // namespace vy::platform
