#include "app/maincaptions.h"

#include "core/numtext.h"

#include <cmath>
#include <cstdio>

namespace vy::mainwindow {

std::string clockCaption(const platform::LocalTime& time) {
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", time.hour % 100, time.minute % 100, time.second % 100);
    return std::string(kTitle) + std::string(56, ' ') + "Время " + clock;
}

int opacityFor(int position) { return 255 - 2 * position; }

std::string transparencyCaption(int opacity) {
    // nearbyint rounds halves to even in the default rounding mode, which the
    // program never changes.
    const long double share = std::nearbyint(static_cast<long double>(opacity) / 2.55L);
    return std::string(kTitle) + std::string(41, ' ') + "Прозрачность " + FloatToStr(100 - share) + "%";
}

LogButtonStep nextLogButtonStep(double step) {
    LogButtonStep next;
    next.step = step + 1;
    if (next.step == 1) {
        next.changed = true;
        next.look = {"Log", "Ms Sans Serif", true};
    } else if (next.step == 2) {
        next.changed = true;
        next.look = {"Факториал", "Ms tahoma", false};
    } else if (next.step >= 3) {
        next.step = 0;
    }
    return next;
}

std::string nextSystemsCaption(const std::string& current) {
    return current != "Урав-й" ? "Урав-й" : "Системы";
}

} // namespace vy::mainwindow
