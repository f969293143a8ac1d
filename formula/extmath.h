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
#else
inline long double sinReduced(long double r) { return std::sin(r); }
inline long double cosReduced(long double r) { return std::cos(r); }
inline long double ylog2x(long double y, long double x) { return y * std::log2(x); }
inline long double exp2m1(long double t) { return std::exp2(t) - 1; }
inline long double scale2(long double m, long double n) { return std::ldexp(m, static_cast<int>(n)); }
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
    return static_cast<int>(static_cast<long long>(n) & 3);
}

inline constexpr long double kLn2 = 0xb17217f7d1cf79acp-64L;
inline constexpr long double kLg2 = 0x9a209a84fbcff799p-65L;
inline constexpr long double kLn2High = 0xb17217f8p-32L;
inline constexpr long double kLn2Low = -0xb8c21950d87131a0p-98L;
inline constexpr long double kLog2E = 0xb8aa3b295c17f0bcp-63L;

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

} // namespace vy::formula
