#pragma once
// The program's float failure: arithmetic that would overflow, divide by zero or
// be invalid raises this instead of producing an infinity or a NaN. Checks are
// explicit; hardware traps stay masked.
#include <stdexcept>
#include <string>

namespace vy {

class FloatFailure : public std::runtime_error {
public:
    enum class Kind { Overflow, DivideByZero, InvalidOperation };
    explicit FloatFailure(Kind kind);
    Kind kind() const noexcept { return kind_; }
    // The platform's text for each kind: "Floating point overflow",
    // "Floating point division by zero", "Invalid floating point operation".
    static const char* messageFor(Kind kind) noexcept;

private:
    Kind kind_;
};

// Checked extended-precision arithmetic. Each operation throws FloatFailure
// where the hardware would have produced inf or NaN.
namespace checked {
long double add(long double a, long double b);
long double sub(long double a, long double b);
long double mul(long double a, long double b);
long double div(long double a, long double b); // a/0 -> DivideByZero, 0/0 -> InvalidOperation
// Narrowing to double: beyond the double range is Overflow; underflow is silent.
double toDouble(long double v);
// Throws the matching failure when v is inf or NaN, returns v otherwise.
long double check(long double v);
} // namespace checked

} // namespace vy
