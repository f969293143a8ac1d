#include "formula/arith.h"

#include "core/floatfail.h"
#include "formula/extmath.h"

#include <cmath>
#include <cstdint>

namespace vy::formula {

namespace {

constexpr long double kHalfPi = 1.57079632679489661923132169163975144L;

[[noreturn]] void raise(FloatFailure::Kind kind) { throw FloatFailure(kind); }

// checked::check, inline: this runs for nearly every operation.
long double finite(long double v)
{
    if (std::isnan(v))
        raise(FloatFailure::Kind::InvalidOperation);
    if (std::isinf(v))
        raise(FloatFailure::Kind::Overflow);
    return v;
}

long double repeatedProduct(long double base, std::uint32_t n)
{
    long double product = 1.0L;
    for (std::uint32_t i = 0; i < n; ++i)
        product *= base;
    return product;
}

// base^n for a whole n >= 0 with the binary exponent kept apart, so that no
// step overflows or underflows: the value is mantissa * 2^exponent.
void scaledPower(long double base, std::uint32_t n, long double& mantissa, std::int64_t& exponent)
{
    int e = 0;
    long double square = std::frexp(std::fabs(base), &e);
    std::int64_t squareExponent = e;
    mantissa = 0.5L;
    exponent = 1;
    for (;;) {
        if (n & 1u) {
            mantissa = std::frexp(mantissa * square, &e);
            exponent += squareExponent + e;
        }
        n >>= 1;
        if (n == 0)
            break;
        square = std::frexp(square * square, &e);
        squareExponent = 2 * squareExponent + e;
    }
}

long double wholePower(long double base, long double exponent)
{
    const bool reciprocal = exponent < 0;
    const auto n = static_cast<std::uint32_t>(std::fabs(exponent));
    if (n <= kMultiplyLimit) {
        const long double product = repeatedProduct(base, n);
        if (!reciprocal)
            return finite(product);
        // The reciprocal of a product beyond the range is a value below it, and
        // that of a product that vanished is beyond the range: judge the quotient,
        // not the product.
        if (std::isinf(product))
            return 0.0L;
        if (product == 0.0L)
            raise(FloatFailure::Kind::Overflow);
        return checked::div(1.0L, product);
    }
    const bool negative = base < 0 && (n & 1u) != 0;
    if (std::fabs(base) == 1.0L)
        return negative ? -1.0L : 1.0L;
    long double mantissa = 0;
    std::int64_t binaryExponent = 0;
    scaledPower(base, n, mantissa, binaryExponent);
    if (reciprocal) {
        mantissa = 1.0L / mantissa; // in (1; 2]
        binaryExponent = -binaryExponent;
    }
    if (binaryExponent > 16400)
        raise(FloatFailure::Kind::Overflow);
    if (binaryExponent < -16500)
        return 0.0L; // underflow is silent
    const long double magnitude = finite(std::ldexp(mantissa, static_cast<int>(binaryExponent)));
    return negative ? -magnitude : magnitude;
}

} // namespace

bool applyFunction(Function f, long double v, long double& out)
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
        out = checked::div(extSin(v), c);
        return true;
    }
    case Function::Ctg: {
        const long double s = extSin(v);
        if (std::fabs(s) < kSmall)
            return false;
        out = checked::div(extCos(v), s);
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
        out = kHalfPi - std::atan(v);
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

bool power(long double base, long double exponent, long double& out)
{
    // The common case, a small whole positive exponent, in short.
    if (exponent >= 1 && exponent <= kMultiplyLimit) {
        const auto n = static_cast<std::uint32_t>(exponent);
        if (static_cast<long double>(n) == exponent) {
            out = base == 0 ? 0.0L : finite(repeatedProduct(base, n));
            return true;
        }
    }
    if (base < 0 && std::fabs(exponent - std::trunc(exponent)) > kSmall)
        return false;
    if (std::fabs(base) < kSmall && exponent < 0)
        return false;
    if (exponent == 0)
        out = 1.0L;
    else if (base == 0 && exponent > 0)
        out = 0.0L;
    else if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L)
        out = wholePower(base, exponent);
    else if (base < 0)
        raise(FloatFailure::Kind::InvalidOperation); // the logarithm of a negative base
    else
        out = finite(extExp(exponent * extLn(base)));
    return true;
}

bool divide(long double dividend, long double divisor, long double& out)
{
    if (std::fabs(divisor) < kSmall)
        return false;
    out = checked::div(dividend, divisor);
    return true;
}

long double multiply(long double a, long double b) { return finite(a * b); }

} // namespace vy::formula
