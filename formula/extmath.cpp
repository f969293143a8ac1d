#include "formula/extmath.h"

#include <cmath>
#include <limits>

namespace vy::formula {

namespace {

#if defined(__x86_64__) || defined(__i386__)
// Only for |r| <= pi/4, where the instruction does no argument reduction of its
// own (its built-in pi has just 66 bits).
long double sinReduced(long double r)
{
    asm("fsin" : "+t"(r));
    return r;
}
long double cosReduced(long double r)
{
    asm("fcos" : "+t"(r));
    return r;
}
// y * log2(x)
long double ylog2x(long double y, long double x)
{
    long double result;
    asm("fyl2x" : "=t"(result) : "0"(x), "u"(y) : "st(1)");
    return result;
}
// 2^t - 1 for |t| <= 1
long double exp2m1(long double t)
{
    asm("f2xm1" : "+t"(t));
    return t;
}
// m * 2^n for a whole n
long double scale2(long double m, long double n)
{
    asm("fscale" : "+t"(m) : "u"(n));
    return m;
}
#else
long double sinReduced(long double r) { return std::sin(r); }
long double cosReduced(long double r) { return std::cos(r); }
long double ylog2x(long double y, long double x) { return y * std::log2(x); }
long double exp2m1(long double t) { return std::exp2(t) - 1; }
long double scale2(long double m, long double n) { return std::ldexp(m, static_cast<int>(n)); }
#endif

constexpr long double kRound = 0x1.8p63L; // added and taken away: rounds to a whole number

// pi/2 in three parts; the first two have 32 bits, so n times them is exact
// for |n| < 2^32 and the remainder keeps its precision near multiples of pi/2.
constexpr long double kHalfPi1 = 0xc90fdaa2p-31L;
constexpr long double kHalfPi2 = 0x85a308d3p-65L;
constexpr long double kHalfPi3 = 0x98cc51701b839a25p-132L;
constexpr long double kTwoOverPi = 0xa2f9836e4e44152ap-64L;
constexpr long double kReduceLimit = 0x1p30L;

// x = n * pi/2 + r with |r| <= pi/4 (a hair more); returns n mod 4.
int reduce(long double x, long double& r)
{
    const long double n = (x * kTwoOverPi + kRound) - kRound;
    r = ((x - n * kHalfPi1) - n * kHalfPi2) - n * kHalfPi3;
    return static_cast<int>(static_cast<long long>(n) & 3);
}

constexpr long double kLn2 = 0xb17217f7d1cf79acp-64L;
constexpr long double kLg2 = 0x9a209a84fbcff799p-65L;
constexpr long double kLn2High = 0xb17217f8p-32L;
constexpr long double kLn2Low = -0xb8c21950d87131a0p-98L;
constexpr long double kLog2E = 0xb8aa3b295c17f0bcp-63L;

} // namespace

long double extSin(long double x)
{
    if (!(std::fabs(x) < kReduceLimit))
        return std::sin(x);
    long double r = 0;
    switch (reduce(x, r)) {
    case 0:
        return sinReduced(r);
    case 1:
        return cosReduced(r);
    case 2:
        return -sinReduced(r);
    default:
        return -cosReduced(r);
    }
}

long double extCos(long double x)
{
    if (!(std::fabs(x) < kReduceLimit))
        return std::cos(x);
    long double r = 0;
    switch (reduce(x, r)) {
    case 0:
        return cosReduced(r);
    case 1:
        return -sinReduced(r);
    case 2:
        return -cosReduced(r);
    default:
        return sinReduced(r);
    }
}

long double extLn(long double x) { return ylog2x(kLn2, x); }
long double extLg(long double x) { return ylog2x(kLg2, x); }

long double extExp(long double x)
{
    if (!(std::fabs(x) < 20000)) {
        if (std::isnan(x))
            return x;
        return x > 0 ? std::numeric_limits<long double>::infinity() : 0.0L;
    }
    // e^x = 2^n * e^r with r = x - n ln 2 taken in two parts, |r| <= ln2 / 2.
    const long double n = (x * kLog2E + kRound) - kRound;
    const long double r = (x - n * kLn2High) - n * kLn2Low;
    return scale2(1.0L + exp2m1(r * kLog2E), n);
}

} // namespace vy::formula
