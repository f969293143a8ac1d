#include "solvers/integral.h"

#include "core/floatfail.h"
#include "core/numtext.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vy {
namespace {

using IM = IntegralMethod;

struct TextCase {
    const char* name;
    const char* formula;
    const char* upper;
    const char* lower;
    IM method;
    int precision; // list item
    const char* text;
};

class IntegralLabel : public ::testing::TestWithParam<TextCase> {};

TEST_P(IntegralLabel, ShowsTheEstimateOrTheReason)
{
    const auto& c = GetParam();
    EXPECT_EQ(IntegralText(c.formula, c.upper, c.lower, c.method, IntegralPrecision(c.precision),
                           IntegralDecimals(c.precision)),
              c.text);
}

const TextCase kTexts[] = {
    // the first midpoint estimate is already exact and the second agrees
    {"Defaults", "x", "1", "0", IM::Midpoint, 2, "  0.5000"},
    {"EqualLimitsMidpoint", "x*x+3", "2", "2", IM::Midpoint, 2, "  0.0000"},
    {"EqualLimitsTrapezoid", "x*x+3", "2", "2", IM::Trapezoid, 2, "  0.0000"},
    {"EqualLimitsSimpson", "x*x+3", "2", "2", IM::Simpson, 2, "  0.0000"},
    {"NegativeZeroIsZero", "-1", "2", "2", IM::Midpoint, 2, "  0.0000"},
    // Simpson's first estimate is compared with 1
    {"SimpsonExactOneStopsAtOnce", "2*x", "1", "0", IM::Simpson, 2, "  1.0000"},
    {"SimpsonFirstPassNearOne", "sin(x)", "1,5707963", "0", IM::Simpson, 1, "   1.002"},
    {"ReversedLimits", "x", "0", "1", IM::Midpoint, 2, "Нижний предел\rне может быть\rбольше верхнего"},
    {"TrapezoidSquare", "x*x", "3", "0", IM::Trapezoid, 3, " 9.00000"},
    {"SevenDecimalsFillTheField", "x", "2", "0", IM::Simpson, 5, "2.0000000"},
    // sqrt(-1) at the limit counts as 0, sqrt(0) inside the interval ends it
    {"UndefinedInsideEnds", "sqrt(x)", "1", "-1", IM::Simpson, 2, "Функция не вычисляется\rпри x=0"},
    {"UnsettledEstimatesEndAtTheCap", "100000000000000000000*x*x", "1", "0", IM::Midpoint, 5,
     "Точность не достигнута:\rслишком много точек"},
};

INSTANTIATE_TEST_SUITE_P(Integral, IntegralLabel, ::testing::ValuesIn(kTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Integral, MethodsAgreeWithTheExactValue)
{
    // x^3 from -1 to 2 is 15/4; each method within its own precision.
    const Integrand f("x^3", -1, 2);
    for (auto method : {&MidpointIntegral, &TrapezoidIntegral, &SimpsonIntegral})
        EXPECT_NEAR(method(f, -1, 2, 1e-6), 3.75, 1e-5);
}

TEST(Integral, UndefinedAtALimitCountsAsZero)
{
    // ln(x) cannot be evaluated at 0; the integral from 0 still comes out.
    for (auto method : {&TrapezoidIntegral, &SimpsonIntegral}) {
        const Integrand f("ln(x)", 0, 1);
        EXPECT_NEAR(method(f, 0, 1, 1e-4), -1, 0.01);
    }
}

TEST(Integral, SimpsonWhoseStepNoLongerMovesXReachesTheCap)
{
    // On an interval of 10^-12 at 1 the halved steps soon stop moving x; with
    // eps 0 only equal estimates could have ended it sooner.
    const double a = 1;
    const double b = 1 + 1e-12;
    const Integrand f("x*x*x*x", a, b);
    try {
        SimpsonIntegral(f, a, b, 0);
        FAIL() << "no cap";
    } catch (const IntegralStopped& e) {
        EXPECT_EQ(e.kind(), IntegralStopped::Kind::TooManyPoints);
    }
}

TEST(Integral, LimitsThatAreNotNumbersAndArithmeticErrorsPassThrough)
{
    EXPECT_THROW(IntegralText("x", "", "0", IM::Midpoint, 0.01, 2), ConversionError);
    EXPECT_THROW(IntegralText("x", "1", "1,,2", IM::Midpoint, 0.01, 2), ConversionError);
    EXPECT_THROW(IntegralText("lg(x)", "1", "0", IM::Trapezoid, 0.01, 2), FloatFailure);
}

TEST(Integral, PrecisionList)
{
    EXPECT_EQ(IntegralPrecision(0), 0.01);
    EXPECT_EQ(IntegralPrecision(5), 0.0000001);
    EXPECT_EQ(IntegralDecimals(0), 2);
    EXPECT_EQ(IntegralDecimals(5), 7);
}

} // namespace
} // namespace vy
