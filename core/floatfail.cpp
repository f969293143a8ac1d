#include "core/floatfail.h"

#include <cfloat>
#include <cmath>

namespace vy {

FloatFailure::FloatFailure(Kind kind) : std::runtime_error(messageFor(kind)), kind_(kind) {}

const char* FloatFailure::messageFor(Kind kind) noexcept
{
    switch (kind) {
    case Kind::Overflow:
        return "Floating point overflow";
    case Kind::DivideByZero:
        return "Floating point division by zero";
    case Kind::InvalidOperation:
        break;
    }
    return "Invalid floating point operation";
}

namespace checked {

long double check(long double v)
{
    if (std::isnan(v))
        throw FloatFailure(FloatFailure::Kind::InvalidOperation);
    if (std::isinf(v))
        throw FloatFailure(FloatFailure::Kind::Overflow);
    return v;
}

long double add(long double a, long double b) { return check(check(a) + check(b)); }
long double sub(long double a, long double b) { return check(check(a) - check(b)); }
long double mul(long double a, long double b) { return check(check(a) * check(b)); }

long double div(long double a, long double b)
{
    check(a);
    check(b);
    if (b == 0.0L) {
        // 0/0 has no value at all; anything else over zero would be infinite.
        throw FloatFailure(a == 0.0L ? FloatFailure::Kind::InvalidOperation
                                     : FloatFailure::Kind::DivideByZero);
    }
    return check(a / b);
}

double toDouble(long double v)
{
    check(v);
    // Values just above DBL_MAX may still round down to it, so judge the rounded result.
    const double d = static_cast<double>(v);
    if (std::isinf(d))
        throw FloatFailure(FloatFailure::Kind::Overflow);
    return d;
}

} // namespace checked
} // namespace vy
