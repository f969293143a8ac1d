// The evaluator's own sine, cosine, logarithms and exponential against the C
// library's extended versions: within a few units in the last place.
#include "formula/extmath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace vy::formula {
namespace {

long double ulpsApart(long double got, long double want)
{
    const long double ulp = std::nextafter(std::fabs(want), std::numeric_limits<long double>::infinity()) - std::fabs(want);
    return std::fabs(got - want) / ulp;
}

TEST(ExtMath, WithinFourUlpsOfTheLibrary)
{
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 100000; ++i) {
        // Arguments from 1e-4 to 1e8, with bits beyond the double's.
        const long double x = static_cast<long double>(unit(rng)) * std::pow(10.0L, static_cast<int>(rng() % 12) - 4) +
                              static_cast<long double>(unit(rng)) * 1e-12L;
        ASSERT_LE(ulpsApart(extSin(x), std::sin(x)), 4) << static_cast<double>(x);
        ASSERT_LE(ulpsApart(extCos(x), std::cos(x)), 4) << static_cast<double>(x);
        const long double positive = std::fabs(x) + 1e-300L;
        ASSERT_LE(ulpsApart(extLn(positive), std::log(positive)), 4) << static_cast<double>(positive);
        ASSERT_LE(ulpsApart(extLg(positive), std::log10(positive)), 4) << static_cast<double>(positive);
        const long double e = static_cast<long double>(unit(rng)) * 11000;
        ASSERT_LE(ulpsApart(extExp(e), std::exp(e)), 4) << static_cast<double>(e);
    }
}

// The stand-ins may replace the functions before a 15-digit rounding only if
// they stay within 2^-56 of them; hold them to 2^-59, well inside.
TEST(ExtMath, StandInsStayCloseToTheFunctions)
{
    auto relative = [](long double got, long double want) { return std::fabs(got - want) / std::fabs(want); };
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    long double worst[3] = {0, 0, 0};
    for (int i = 0; i < 300000; ++i) {
        const long double x = static_cast<long double>(unit(rng)) * std::pow(10.0L, static_cast<int>(rng() % 14) - 5) +
                              static_cast<long double>(unit(rng)) * 1e-14L;
        long double q = 0;
        ASSERT_TRUE(quickSin(x, q));
        if (extSin(x) != 0)
            worst[0] = std::max(worst[0], relative(q, extSin(x)));
        ASSERT_TRUE(quickCos(x, q));
        worst[1] = std::max(worst[1], relative(q, extCos(x)));
        const long double positive = std::ldexp(std::fabs(static_cast<long double>(unit(rng))) + 0.5L,
                                                static_cast<int>(rng() % 33) - 16);
        if (quickSqrt(positive, q))
            worst[2] = std::max(worst[2], relative(q, extExp(extLn(positive) / 2)));
    }
    for (long double w : worst)
        EXPECT_LT(w, 0x1p-59L);
    long double q = 0;
    EXPECT_FALSE(quickSin(1e30L, q));
    EXPECT_FALSE(quickSqrt(0, q));
    EXPECT_FALSE(quickSqrt(1e10L, q));
}

TEST(ExtMath, EdgesOfTheRanges)
{
    // Multiples of pi/2 leave a tiny remainder that must keep its digits.
    for (long double x : {3.14159265358979323846L, 1.57079632679489661923L, 710.0L * 3.14159265358979323846L, 1e9L})
        EXPECT_LE(ulpsApart(extSin(x), std::sin(x)), 4) << static_cast<double>(x);
    EXPECT_EQ(extSin(1e30L), std::sin(1e30L)); // beyond the reduction: the library's own
    EXPECT_TRUE(std::isinf(extExp(12000)));
    EXPECT_EQ(extExp(-12000), 0.0L);
    EXPECT_EQ(extExp(0), 1.0L);
    EXPECT_EQ(extLn(1), 0.0L);
    EXPECT_LE(ulpsApart(extLg(1000), 3.0L), 1); // stage results are rounded to 15 digits anyway
}

} // namespace
} // namespace vy::formula
