#pragma once
// The logarithm to any base, and what the logarithm window shows for one press
// of its "=" button.
#include <optional>
#include <string>
#include <string_view>

namespace vy::calc {

// ln(number) / ln(base) in extended precision, rounded to a double. Throws
// vy::FloatFailure:
//   InvalidOperation - the logarithm of a negative number or base, or 0 / 0
//                      (number 1, base 1);
//   DivideByZero     - the logarithm of 0, or a non-zero ln(number) over
//                      ln(1) = 0 (base 1, number other than 1).
double LogToBase(double number, double base);

// A failure of LogToBase, in the window's words.
struct LogReport {
    std::string boxText;     // for the information box, after the stop sound
    std::string balloonText; // for the balloon at the base field
    bool operator==(const LogReport&) const = default;
};

struct LogOutcome {
    std::string label;               // the answer label's new text ("" after a failure)
    std::optional<std::string> hint; // the answer box's new hint, when there is a result
    std::optional<LogReport> report; // set when LogToBase failed
};

// One press: the number's text is read first, and a number of 0 gives "0"
// without reading the base. A text that is not a number throws
// vy::ConversionError for the general error box; the label then stays empty.
LogOutcome logarithmPress(std::string_view numberText, std::string_view baseText);

} // namespace vy::calc
