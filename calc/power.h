#pragma once
// The power and root window's computations: a number to any real power, the
// root of any real degree, the texts of the two modes, and what one press of
// "Считать" shows and writes to the protocol.
#include "core/report.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vy::power {

// B to the power E in extended precision. Where 1 / E is a whole number (to six
// decimals) a negative base has a real root: an odd one gives -(-B)^E, an even
// one gives 0. Otherwise E = 0 gives 1 (0^0 included), 0 to a positive power 0,
// a whole E up to 2147483647 in size the whole power (bounded time whatever
// its size) and anything else exp(E ln B). Failures are FloatFailure: 0 to a
// negative power is a division by zero, a negative base to a power that is
// not whole is an invalid operation, and so is an E so small that 1 / E does
// not fit the 64-bit test of the reciprocal.
long double PowerEx(long double base, long double exponent);

// The Y-th root of X as exp(ln X / Y): X < 0 is an invalid operation, X = 0
// or Y = 0 a division by zero, a result beyond the extended range an overflow.
long double RootEx(long double x, long double y);

enum class Mode { Power, Root };

struct ModeTexts {
    const char* caption;    // the window's
    const char* title;      // Label1, also the first protocol line of a press
    const char* number;     // Label3
    const char* degree;     // Label4
    const char* degreeHint; // Edit2's hint
};
const ModeTexts& modeTexts(Mode mode);

// The two fields as read: a text that is not a number gives the message and
// 0 for itself and for the field after it, which is then not read.
struct Inputs {
    long double x = 0;
    long double y = 0;
    std::optional<Report> report;
};
Inputs readInputs(std::string_view number, std::string_view degree);

// One press after the fields are read. In power mode a division by zero gives
// the answer 0 silently; in root mode it gives 0 after the zero-root message.
// Any other failure is thrown (FloatFailure): nothing is shown or written.
struct Outcome {
    double result = 0;
    std::optional<Report> report; // shown before the answer
    std::string answer;           // Label2
    std::vector<std::string> protocol;
};
Outcome compute(Mode mode, long double x, long double y);

} // namespace vy::power
