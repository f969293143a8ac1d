#include "plot/sampling.h"

#include "core/floatfail.h"
#include "core/jobrunner.h"
#include "core/numtext.h"
#include "tests/support/postqueue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vy {
namespace {

SampledCurve sample(const char* formula, double lower, double upper, double step)
{
    SampledCurve curve;
    SampleFormula(formula, lower, upper, step, curve);
    EXPECT_EQ(curve.x.size(), curve.y.size());
    return curve;
}

TEST(SampleFormula, DefaultRequestGives2001PointsFromLowerToUpperOnTheGrid)
{
    const SampledCurve c = sample("x", -10, 10, 0.01);
    ASSERT_EQ(c.x.size(), 2001u);
    EXPECT_EQ(c.x.front(), -10);
    EXPECT_EQ(c.x.back(), 10);
    for (std::size_t i = 0; i < c.x.size(); ++i) {
        // Each x is the double nearest its five-decimal text, not an accumulated sum.
        ASSERT_EQ(c.x[i], StrToFloat(FormatFixed(-10 + static_cast<long double>(i) / 100, 5))) << i;
        ASSERT_EQ(c.y[i], c.x[i]) << i;
    }
}

TEST(SampleFormula, TheLastPointIsTheFirstNotBelowTheUpperBound)
{
    EXPECT_EQ(sample("x*x", 0, 1, 0.3).x, (std::vector<double>{0, 0.3, 0.6, 0.9, 1.2}));
    // A lower bound off the grid starts at its rounding.
    EXPECT_EQ(sample("x", 0.123456, 0.12348, 0.00001).x.front(), 0.12346);
}

TEST(SampleFormula, PointsThatCannotBeEvaluatedAreLeftOut)
{
    const SampledCurve c = sample("sqrt(x)+1/(x-0,5)", -1, 1, 0.25);
    // sqrt fails at 0 and below; the divisor vanishes at 0,5.
    EXPECT_EQ(c.x, (std::vector<double>{0.25, 0.75, 1}));
}

TEST(SampleFormula, AnArithmeticFailureStopsItKeepingThePointsBefore)
{
    SampledCurve c;
    EXPECT_THROW(SampleFormula("lg(abs(x))", -1, 1, 0.5, c), FloatFailure);
    EXPECT_EQ(c.x, (std::vector<double>{-1, -0.5}));
    EXPECT_EQ(c.y.size(), 2u);
}

struct Refusal {
    const char* name;
    double lower, upper, step;
    SamplingRefused::Kind kind;
};

class Refused : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refused, BeforeAnyPointIsSampled)
{
    const Refusal& r = GetParam();
    SampledCurve c;
    try {
        SampleFormula("x", r.lower, r.upper, r.step, c);
        ADD_FAILURE() << "sampled " << c.x.size() << " points";
    } catch (const SamplingRefused& e) {
        EXPECT_EQ(e.kind(), r.kind);
    }
    EXPECT_TRUE(c.x.empty());
}

using K = SamplingRefused::Kind;
const Refusal kRefusals[] = {
    {"UpperBeyond32Bits", 0, 21474.83648, 1, K::BoundsTooLarge},
    {"LowerBeyond32Bits", -30000, 1, 1, K::BoundsTooLarge},
    {"LargeAndInOrderToo", 30000, 1, 1, K::BoundsTooLarge}, // the bar's range is checked first
    {"EqualBounds", 5, 5, 0.01, K::BoundsOrder},
    {"LowerAboveUpper", 10, 0, 0.01, K::BoundsOrder},
    {"ZeroStep", -10, 10, 0, K::StepTooSmall},
    {"StepBelowHalfAGridUnit", -10, 10, 0.000004, K::StepTooSmall},
    {"NegativeStep", -10, 10, -0.01, K::StepTooSmall},
    {"FinestStepOverTheWidestInterval", -21474, 21474, 0.00001, K::TooManyPoints},
};
INSTANTIATE_TEST_SUITE_P(Plan, Refused, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlanSampling, TheProgressBarCountsInHundredThousandths)
{
    const SamplingPlan plan = PlanSampling(-10, 10, 0.00001);
    EXPECT_EQ(plan.progressMin, -1000000);
    EXPECT_EQ(plan.progressMax, 1000000);
    EXPECT_GE(plan.points, 2000001u);
    EXPECT_EQ(PlanSampling(-21474.83647, 21474.83647, 1).progressMax, 2147483647);
    // The widest interval the point cap allows at the finest step.
    EXPECT_NO_THROW(PlanSampling(-50, 50, 0.00001));
}

TEST(SampleFormula, ALargeStepBetweenGridUnitsStillEnds)
{
    // 0,000015 is a half-way step: x moves by one or two grid units.
    const SampledCurve c = sample("x", 0, 0.001, 0.000015);
    EXPECT_GE(c.x.size(), 51u);
    EXPECT_LE(c.x.size(), 101u);
    EXPECT_GE(c.x.back(), 0.001);
}

TEST(SampleFormula, OnAJobItReportsProgressAndStopsAtACancel)
{
    test::PostQueue queue;
    std::vector<double> progress;
    bool ended = false;
    SampledCurve curve;
    {
        JobRunner runner(queue.post(), std::chrono::milliseconds(1));
        ASSERT_TRUE(runner.start([&](JobControl& control) { SampleFormula("sin(x)*x", -10, 10, 0.00001, curve, &control); },
                                 {.progress = [&](double f) { progress.push_back(f); },
                                  .finished = [&](std::exception_ptr) { ended = true; }}));
        ASSERT_TRUE(queue.pumpUntil([&] { return ended; }));
    }
    EXPECT_EQ(curve.x.size(), 2000001u);
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_LE(progress.back(), 1.0);

    SampledCurve stopped;
    JobRunner runner(queue.post());
    ASSERT_TRUE(runner.start([&](JobControl& control) { SampleFormula("x", -10, 10, 0.00001, stopped, &control); }));
    runner.pause();
    ASSERT_TRUE(queue.pumpUntil([&] { return runner.holding(); }));
    runner.cancel();
    EXPECT_FALSE(runner.active());
    EXPECT_LT(stopped.x.size(), 2000001u);
}

} // namespace
} // namespace vy
