#pragma once
// The inverse trigonometric functions window: arcsine, arccosine, arctangent
// and arccotangent in degrees, the answer and message texts of its four rows,
// and the dots of its animated caption.
#include "core/report.h"

#include <optional>
#include <string>
#include <string_view>

namespace vy::arc {

enum class Row { Arcsin, Arccos, Arctg, Arcctg };

// The angle in degrees, rounded to a double. |y| > 1 for the arcsine and the
// arccosine is FloatFailure(InvalidOperation), y = 0 for the arccotangent
// FloatFailure(DivideByZero).
double degrees(Row row, double y);

// One press of a row's "=": the answer label's new text, or the row's message
// when the text is not a number or the function has no value there. A number
// beyond the double range is thrown as FloatFailure(Overflow).
struct Outcome {
    std::optional<std::string> answer;
    std::optional<Report> report;
};
Outcome press(Row row, std::string_view text);

// The window's caption as designed (its "с" in "arсsin" is Cyrillic).
inline constexpr const char* kCaption = "Вычисление arсsin arccos";

// One tick of the caption animation: advances counter and returns the new
// caption, or nothing when the caption stays (the seventh tick, which also
// starts the cycle again).
std::optional<std::string> nextCaption(int& counter);

} // namespace vy::arc
