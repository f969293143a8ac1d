#pragma once
// Fast forms of the number-text round trip that every stage result goes through.
// Each one equals its reference in core/numtext.h bit for bit and falls back to
// it wherever the quick way cannot be sure.
#include "formula/arith.h"
#include "formula/extmath.h"
#include "core/mathconst.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vy::formula {

namespace detail {
// A product or quotient by an exact power of ten is correctly rounded in one
// step: the same result as the correctly rounded conversion of the decimal text.
inline constexpr int kMaxExactPower = kMaxExactPowerOfTen;
inline constexpr const long double (&kPow10)[kMaxExactPower + 1] = kExactPowersOfTen;

// value * 10^k with k in [-27; 27], one rounding.
inline long double scale(long double value, int k)
{
    return k >= 0 ? value * kPow10[k] : value / kPow10[-k];
}

// How far t may lie from the nearest integer for that integer to be taken.
// t is within half an ulp (2^-15) of a * 10^k, so 0,4999 keeps well clear of
// the midpoint. kNearLimit leaves room as well for a stand-in that is within
// 2^-56 of the value meant: at most 0,014 of the last digit (t <= 10^15).
// (Both are doubles, which load faster; only their being so far below 0,5 counts.)
inline constexpr long double kExactLimit = 0.4999;
inline constexpr long double kNearLimit = 0.48;

// The nearest integer to a * 10^k, given t, its product rounded once, below 10^15.
inline bool nearestInteger(long double t, long double& digits, long double limit)
{
    // t < 2^50, so adding 2^63 leaves an ulp of one: round to the nearest integer.
    constexpr long double kRound = 0x1p63L;
    const long double r = (t + kRound) - kRound;
    if (!(__builtin_fabsl(t - r) <= limit))
        return false;
    digits = r;
    return true;
}

// The nearest 15-digit decimal of a positive a: a ~ digits * 10^-k with
// 10^14 <= digits <= 10^15. False when a lies so near the middle between two
// such decimals that one rounding step cannot tell which is nearer, or when
// 10^k is not exact (below about 1e-13, above about 1e42, not finite).
inline bool nearest15(long double a, long double& digits, int& k, long double limit = kExactLimit)
{
    // The decades from 0,01 to 1000, where most values fall, by comparison:
    // quicker than the exponent bits. Then 10^14 <= a * 10^k <= 10^15.
    if (a >= 1.0L && a < 1e3L) {
        k = a < 1e1L ? 14 : a < 1e2L ? 13 : 12;
        return nearestInteger(scale(a, k), digits, limit);
    }
    if (a < 1.0L && a >= 1e-2L) {
        k = a >= 1e-1L ? 15 : 16;
        return nearestInteger(scale(a, k), digits, limit);
    }
    // The binary exponent of a's nearest double: one too large when that rounds
    // up to a power of two, far out of range beyond the double range.
    const int e2 = static_cast<int>(std::bit_cast<std::uint64_t>(static_cast<double>(a)) >> 52) - 1023;
    // floor(e2 * log10 2); the decimal exponent of a is this or next to it.
    const int d = static_cast<int>((static_cast<std::int64_t>(e2) * 1292913986) >> 32);
    k = 14 - d;
    if (k < 1 - kMaxExactPower || k > kMaxExactPower - 1)
        return false;
    long double t = scale(a, k);
    if (t >= 1e15L)
        t = scale(a, --k);
    else if (t < 1e14L)
        t = scale(a, ++k);
    return nearestInteger(t, digits, limit);
}

bool slowRoundTrip(long double v, long double& out);
} // namespace detail

namespace detail {
// The round trip by the quick way alone, if v and every value within the
// given margin of it round to the same 15-digit decimal.
inline bool quickRoundTrip(long double v, long double& out, long double limit)
{
    const long double a = __builtin_fabsl(v);
    long double digits = 0;
    int k = 0;
    if (a != 0 && nearest15(a, digits, k, limit)) {
        // The sign goes on the power of ten, loaded off the chain of dependent operations.
        const long double p = k >= 0 ? kPow10[k] : kPow10[-k];
        const long double sp = v < 0 ? -p : p;
        out = k >= 0 ? digits / sp : digits * sp;
        return true;
    }
    return false;
}
} // namespace detail

// StrToFloatExt(FloatToStr(v)); false where that conversion fails.
inline bool roundTrip(long double v, long double& out)
{
    return detail::quickRoundTrip(v, out, detail::kExactLimit) || detail::slowRoundTrip(v, out);
}

// applyFunction(f, v) read back from its number text at once: the same outcome
// (value, failure, arithmetic error) as the two steps. For sin, cos and sqrt a
// stand-in within 2^-56 of the function's value (extmath.h) gives the rounding
// directly unless it lies near a midpoint, where the function is computed.
inline bool roundedFunction(Function f, long double v, long double& out)
{
    long double near = 0;
    const bool quick = (f == Function::Sin && quickSin(v, near)) || (f == Function::Cos && quickCos(v, near)) ||
                       (f == Function::Sqrt && quickSqrt(v, near));
    if (quick && detail::quickRoundTrip(near, out, detail::kNearLimit))
        return true;
    long double exact = 0;
    return applyFunction(f, v, exact) && roundTrip(exact, out);
}

// FloatToStr(v) written into buffer (kNumberTextCapacity chars); returns its length.
inline constexpr std::size_t kNumberTextCapacity = 40;
std::size_t numberText(long double v, char* buffer);

// StrToFloatExt(text); false where it raises a conversion error.
bool readNumber(std::string_view text, long double& out);

} // namespace vy::formula
