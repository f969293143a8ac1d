#pragma once
// Plain values that engines and the host layer exchange: a point on the screen,
// a local time broken down, the icon of a message. Engines build texts and
// reports from them without knowing who shows them.
namespace vy {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

enum class Icon { None, Information, Warning, Error, Question };

// Local wall-clock time, broken down as the protocol header needs it.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool operator==(const LocalTime&) const = default;
};

} // namespace vy
