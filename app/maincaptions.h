#pragma once
// The main window's changing texts: the title clock, the transparency caption
// and the two animated button captions. Plain functions, so the window only
// shows what they return.
#include "platform/host.h"

#include <string>

namespace vy::mainwindow {

inline constexpr const char* kTitle = "Вычислица";

// "Вычислица", 56 blanks, "Время " and the time as hh:mm:ss.
std::string clockCaption(const platform::LocalTime& time);

// Slider position 0..70 to opacity 255..115.
int opacityFor(int position);
// "Вычислица", 41 blanks, "Прозрачность ", P and "%", with
// P = 100 - round(opacity / 2.55), halves to even.
std::string transparencyCaption(int opacity);

// The "Log" button: a counter 0..3 stepped every 700 ms. At 1 the caption is
// "Log" in bold, at 2 "Факториал", at 3 the counter falls back to 0 and the
// caption stays.
struct LogButtonLook {
    std::string caption;
    std::string fontName;
    bool bold = false;
};
struct LogButtonStep {
    double step = 0;
    bool changed = false; // whether look holds a new look
    LogButtonLook look;
};
LogButtonStep nextLogButtonStep(double step);

// The systems button: "Урав-й" and "Системы" take turns.
std::string nextSystemsCaption(const std::string& current);

} // namespace vy::mainwindow
