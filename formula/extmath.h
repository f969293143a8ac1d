#pragma once
// Sine, cosine, logarithms and the exponential in extended precision. The C
// library's extended versions are several times slower than the rest of an
// evaluation together; these use the processor's own x87 instructions on a
// reduced argument and stay within an ulp or two of them.
#include <cmath>
#include <limits>

namespace vy::formula {

namespace extmath_detail {

#if defined(__x86_64__) || defined(__i386__)
// Only for |r| <= pi/4, where the instruction does no argument reduction of its
// own (its built-in pi has just 66 bits).
inline long double sinReduced(long double r)
{
    asm("fsin" : "+t"(r));
    return r;
}
inline long double cosReduced(long double r)
{
    asm("fcos" : "+t"(r));
    return r;
}
// y * log2(x)
inline long double ylog2x(long double y, long double x)
{
    long double result;
    asm("fyl2x" : "=t"(result) : "0"(x), "u"(y) : "st(1)");
    return result;
}
// 2^t - 1 for |t| <= 1
inline long double exp2m1(long double t)
{
    asm("f2xm1" : "+t"(t));
    return t;
}
// m * 2^n for a whole n
inline long double scale2(long double m, long double n)
{
    asm("fscale" : "+t"(m) : "u"(n));
    return m;
}
// A whole value as an integer, without the change of rounding mode that a
// C++ conversion (truncating) costs on the x87.
inline long long whole(long double n)
{
    long long result;
    asm("fistpll %0" : "=m"(result) : "t"(n) : "st");
    return result;
}
// Correctly rounded, as IEEE requires.
inline long double root(long double x)
{
    asm("fsqrt" : "+t"(x));
    return x;
}
#else
inline long double sinReduced(long double r) { return std::sin(r); }
inline long double cosReduced(long double r) { return std::cos(r); }
inline long double ylog2x(long double y, long double x) { return y * std::log2(x); }
inline long double exp2m1(long double t) { return std::exp2(t) - 1; }
inline long double scale2(long double m, long double n) { return std::ldexp(m, static_cast<int>(n)); }
inline long double root(long double x) { return std::sqrt(x); }
inline long long whole(long double n) { return static_cast<long long>(n); }
#endif

inline constexpr long double kRound = 0x1.8p63L; // added and taken away: rounds to a whole number

// pi/2 in three parts; the first two have 32 bits, so n times them is exact
// for |n| < 2^32 and the remainder keeps its precision near multiples of pi/2.
inline constexpr long double kHalfPi1 = 0xc90fdaa2p-31L;
inline constexpr long double kHalfPi2 = 0x85a308d3p-65L;
inline constexpr long double kHalfPi3 = 0x98cc51701b839a25p-132L;
inline constexpr long double kTwoOverPi = 0xa2f9836e4e44152ap-64L;
inline constexpr long double kReduceLimit = 0x1p30L;

// x = n * pi/2 + r with |r| <= pi/4 (a hair more); returns n mod 4.
inline int reduce(long double x, long double& r)
{
    const long double n = (x * kTwoOverPi + kRound) - kRound;
    r = ((x - n * kHalfPi1) - n * kHalfPi2) - n * kHalfPi3;
    return static_cast<int>(whole(n) & 3);
}

inline constexpr long double kLn2 = 0xb17217f7d1cf79acp-64L;
inline constexpr long double kLg2 = 0x9a209a84fbcff799p-65L;
inline constexpr long double kLn2High = 0xb17217f8p-32L;
inline constexpr long double kLn2Low = -0xb8c21950d87131a0p-98L;
inline constexpr long double kLog2E = 0xb8aa3b295c17f0bcp-63L;

// Taylor series of sin r / r and cos r in z = r^2 for |r| <= pi/4 (a hair more):
// the first term left out is below 2^-67 of the value. Estrin's scheme keeps
// the chain of dependent operations short.
template <typename Coefficients>
inline long double series(long double z, const Coefficients& c)
{
    const long double z2 = z * z;
    const long double z4 = z2 * z2;
    const long double low = (c[0] + c[1] * z) + z2 * (c[2] + c[3] * z);
    const long double high = (c[4] + c[5] * z) + z2 * (c[6] + c[7] * z);
    return low + z4 * (high + z4 * (c[8] + c[9] * z));
}

inline constexpr long double kSinSeries[10] = {
    1.0L,          -1.0L / 6,          1.0L / 120,          -1.0L / 5040,          1.0L / 362880,
    -1.0L / 39916800, 1.0L / 6227020800, -1.0L / 1307674368000, 1.0L / 355687428096000, -1.0L / 121645100408832000};
inline constexpr long double kCosSeries[10] = {
    1.0L,           -1.0L / 2,           1.0L / 24,            -1.0L / 720,            1.0L / 40320,
    -1.0L / 3628800, 1.0L / 479001600, -1.0L / 87178291200, 1.0L / 20922789888000, -1.0L / 6402373705728000};

inline long double sinSeries(long double r) { return r * series(r * r, kSinSeries); }
inline long double cosSeries(long double r) { return series(r * r, kCosSeries); }

// sin(n * pi/2 + r) by the series; cos x is sin x a quarter turn on.
inline long double quarterSeries(int n, long double r)
{
    switch (n & 3) {
    case 0:
        return sinSeries(r);
    case 1:
        return cosSeries(r);
    case 2:
        return -sinSeries(r);
    default:
        return -cosSeries(r);
    }
}

} // namespace extmath_detail

inline long double extSin(long double x)
{
    if (!(std::fabs(x) < extmath_detail::kReduceLimit))
        return std::sin(x);
    long double r = 0;
    switch (extmath_detail::reduce(x, r)) {
    case 0:
        return extmath_detail::sinReduced(r);
    case 1:
        return extmath_detail::cosReduced(r);
    case 2:
        return -extmath_detail::sinReduced(r);
    default:
        return -extmath_detail::cosReduced(r);
    }
}

inline long double extCos(long double x)
{
    if (!(std::fabs(x) < extmath_detail::kReduceLimit))
        return std::cos(x);
    long double r = 0;
    switch (extmath_detail::reduce(x, r)) {
    case 0:
        return extmath_detail::cosReduced(r);
    case 1:
        return -extmath_detail::sinReduced(r);
    case 2:
        return -extmath_detail::cosReduced(r);
    default:
        return extmath_detail::sinReduced(r);
    }
}

// x > 0
inline long double extLn(long double x) { return extmath_detail::ylog2x(extmath_detail::kLn2, x); }
inline long double extLg(long double x) { return extmath_detail::ylog2x(extmath_detail::kLg2, x); }

// Infinite beyond the range, 0 below it.
inline long double extExp(long double x)
{
    if (!(std::fabs(x) < 20000)) {
        if (std::isnan(x))
            return x;
        return x > 0 ? std::numeric_limits<long double>::infinity() : 0.0L;
    }
    // e^x = 2^n * e^r with r = x - n ln 2 taken in two parts, |r| <= ln2 / 2.
    const long double n = (x * extmath_detail::kLog2E + extmath_detail::kRound) - extmath_detail::kRound;
    const long double r = (x - n * extmath_detail::kLn2High) - n * extmath_detail::kLn2Low;
    return extmath_detail::scale2(1.0L + extmath_detail::exp2m1(r * extmath_detail::kLog2E), n);
}

// Close stand-ins, for where only the 15-digit rounding of the result counts and
// a value near a rounding midpoint is computed again the exact way
// (numround.h). They agree with the functions above to far better than 2^-56
// of the value (checked in the tests) and take a fraction of their time: the
// x87 fsin, fcos and fyl2x are slow on current processors. False where no
// stand-in is offered.
inline bool quickSin(long double x, long double& out)
{
    if (!(std::fabs(x) < extmath_detail::kReduceLimit))
        return false;
    long double r = 0;
    const int n = extmath_detail::reduce(x, r);
    out = extmath_detail::quarterSeries(n, r);
    return true;
}

inline bool quickCos(long double x, long double& out)
{
    if (!(std::fabs(x) < extmath_detail::kReduceLimit))
        return false;
    long double r = 0;
    const int n = extmath_detail::reduce(x, r);
    out = extmath_detail::quarterSeries(n + 1, r);
    return true;
}

// e^(ln(x) / 2), the square root as "sqrt" computes it, for x > 0. Within
// 2^-16 .. 2^16 the logarithm is small, so that route stays within a few ulps
// of the true root; beyond, its error grows with the logarithm.
inline bool quickSqrt(long double x, long double& out)
{
    if (!(x >= 0x1p-16L && x <= 0x1p16L))
        return false;
    out = extmath_detail::root(x);
    return true;
}

} // namespace vy::formula
