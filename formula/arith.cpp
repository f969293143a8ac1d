#include "formula/arith.h"

#include "core/floatfail.h"
#include "formula/extmath.h"

#include <cmath>
#include <cstdint>

namespace vy::formula {

void raise(FloatFailure::Kind kind) { throw FloatFailure(kind); }

namespace {

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
        return quotient(1.0L, product);
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

long double powerRule(long double base, long double exponent)
{
    if (exponent == 0)
        return 1.0L;
    if (base == 0) {
        if (exponent < 0)
            raise(FloatFailure::Kind::DivideByZero); // the reciprocal of 0
        return 0.0L;
    }
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= kWholeExponentLimit)
        return wholePower(base, exponent);
    if (base < 0)
        raise(FloatFailure::Kind::InvalidOperation); // the logarithm of a negative base
    return finite(extExp(exponent * extLn(base)));
}

bool generalPower(long double base, long double exponent, long double& out)
{
    if (base < 0 && std::fabs(exponent - std::trunc(exponent)) > kSmall)
        return false;
    if (std::fabs(base) < kSmall && exponent < 0)
        return false;
    out = powerRule(base, exponent);
    return true;
}

} // namespace vy::formula
