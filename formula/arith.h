#pragma once
// The arithmetic of the evaluator's stages. The text path and the compiled path
// both call these, so an operation gives the same bits, the same ordinary failure
// (false) and the same FloatFailure on either path.
#include "core/floatfail.h"
#include "formula/extmath.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace vy::formula {

// In the order in which stage B searches for them; a later name is applied first.
enum class Function : unsigned char { Sin, Cos, Tg, Ctg, Arcsin, Arccos, Arctg, Arcctg, Abs, Ln, Lg, Sqrt, Exp };
inline constexpr int kFunctionCount = 13;
inline constexpr const char* kFunctionNames[kFunctionCount] = {
    "sin", "cos", "tg", "ctg", "arcsin", "arccos", "arctg", "arcctg", "abs", "ln", "lg", "sqrt", "exp"};

// The guard of divisors, logarithms, tangents and negative bases.
inline constexpr long double kSmall = 0.00001L;

// Brackets nested deeper than this fail instead of exhausting the stack.
inline constexpr int kMaxDepth = 200;

// Whole exponents up to this size are done by repeated multiplication; larger
// ones by squaring, which needs at most 31 steps.
inline constexpr unsigned kMultiplyLimit = 256;

// Everything below runs for nearly every operation and is inline, so that
// values stay in registers; the rare and long cases are in arith.cpp.
[[noreturn]] void raise(FloatFailure::Kind kind);

// Whole exponents up to this size are powers by multiplication (squaring above
// kMultiplyLimit); larger ones go through the logarithm. Without a bound a
// whole exponent such as 1e18 would mean as many multiplications.
inline constexpr long double kWholeExponentLimit = 2147483647.0L;

// base^exponent by the power rule alone: 1 for a zero exponent, 0 for a zero
// base under a positive one, a power by multiplication for a whole exponent
// within kWholeExponentLimit, otherwise e^(exponent * ln base). Never an
// ordinary failure: a zero base under a negative exponent raises division by
// zero, the logarithm of a negative base an invalid operation, a result beyond
// the range an overflow.
long double powerRule(long double base, long double exponent);
// The evaluator's "^": powerRule behind the guards that make a negative base
// with a fractional exponent, or a nearly zero base with a negative exponent,
// an ordinary failure.
bool generalPower(long double base, long double exponent, long double& out);

// checked::check: an infinity is an overflow, not-a-number an invalid operation.
inline long double finite(long double v)
{
    if (std::isnan(v))
        raise(FloatFailure::Kind::InvalidOperation);
    if (std::isinf(v))
        raise(FloatFailure::Kind::Overflow);
    return v;
}

inline long double repeatedProduct(long double base, std::uint32_t n)
{
    long double product = 1.0L;
    for (std::uint32_t i = 0; i < n; ++i)
        product *= base;
    return product;
}

inline long double quotient(long double a, long double b)
{
    if (b == 0)
        raise(a == 0 ? FloatFailure::Kind::InvalidOperation : FloatFailure::Kind::DivideByZero);
    return finite(a / b);
}

[[gnu::always_inline]] inline bool applyFunction(Function f, long double v, long double& out)
{
    switch (f) {
    case Function::Sin:
        out = finite(extSin(v));
        return true;
    case Function::Cos:
        out = finite(extCos(v));
        return true;
    case Function::Tg: {
        const long double c = extCos(v);
        if (std::fabs(c) < kSmall)
            return false;
        out = quotient(extSin(v), c);
        return true;
    }
    case Function::Ctg: {
        const long double s = extSin(v);
        if (std::fabs(s) < kSmall)
            return false;
        out = quotient(extCos(v), s);
        return true;
    }
    case Function::Arcsin:
        if (std::fabs(v) > 1.0L)
            return false;
        out = std::asin(v);
        return true;
    case Function::Arccos:
        if (std::fabs(v) > 1.0L)
            return false;
        out = std::acos(v);
        return true;
    case Function::Arctg:
        out = std::atan(v);
        return true;
    case Function::Arcctg:
        out = 1.57079632679489661923132169163975144L - std::atan(v); // pi/2 - arctg
        return true;
    case Function::Abs:
        out = std::fabs(v);
        return true;
    case Function::Ln:
        if (v < kSmall)
            return false;
        out = extLn(v);
        return true;
    case Function::Lg:
        if (v < 0)
            return false;
        if (v == 0)
            raise(FloatFailure::Kind::DivideByZero);
        out = extLg(v);
        return true;
    case Function::Sqrt:
        if (v <= 0)
            return false;
        out = extExp(extLn(v) / 2);
        return true;
    case Function::Exp:
        out = finite(extExp(v));
        return true;
    }
    return false;
}

// base^n for a whole n from 1 to kMultiplyLimit, by repeated multiplication.
inline long double smallWholePower(long double base, std::uint32_t n)
{
    return base == 0 ? 0.0L : finite(repeatedProduct(base, n));
}

// A small whole positive exponent, the common case, here; the rest in arith.cpp.
inline bool power(long double base, long double exponent, long double& out)
{
    if (exponent >= 1 && exponent <= kMultiplyLimit) {
        const auto n = static_cast<std::uint32_t>(exponent);
        if (static_cast<long double>(n) == exponent) {
            out = smallWholePower(base, n);
            return true;
        }
    }
    return generalPower(base, exponent, out);
}

inline bool divide(long double dividend, long double divisor, long double& out)
{
    if (std::fabs(divisor) < kSmall)
        return false;
    out = quotient(dividend, divisor);
    return true;
}

inline long double multiply(long double a, long double b) { return finite(a * b); }

} // namespace vy::formula
