#include "plot/chartscale.h"

#include <gtest/gtest.h>

namespace vy {
namespace {

TEST(ChartScale, ZoomPercentagesOfTheButtonsAndTheWheel)
{
    const AxisRange r{-10, 10};
    EXPECT_EQ(ZoomRange(r, 125), (AxisRange{-5, 5}));   // "+": half as wide
    EXPECT_EQ(ZoomRange(r, 25), (AxisRange{-25, 25}));  // "-": 2.5 times as wide
    EXPECT_EQ(ZoomRange(r, 120), (AxisRange{-6, 6}));   // wheel up: 0.6
    EXPECT_EQ(ZoomRange(r, 20), (AxisRange{-26, 26}));  // wheel down: 2.6
    EXPECT_EQ(ZoomRange({0, 10}, 125), (AxisRange{2.5, 7.5}));
}

TEST(ChartScale, ScrollMovesByAShareOfTheWidthAtThatMoment)
{
    EXPECT_EQ(ScrollRange({-10, 10}, 10), (AxisRange{-8, 12}));
    EXPECT_EQ(ScrollRange({0, 5}, -10), (AxisRange{-0.5, 4.5}));
}

TEST(ChartScale, UndoingTheScrollsReplaysTheirCountBackwards)
{
    ScrollCounters counters;
    EXPECT_EQ(counters.left(), (ScrollStep{false, 10}));
    EXPECT_EQ(counters.left(), (ScrollStep{false, 10}));
    EXPECT_EQ(counters.up(), (ScrollStep{true, -10}));
    EXPECT_EQ(counters.down(), (ScrollStep{true, 10}));
    EXPECT_EQ(counters.down(), (ScrollStep{true, 10}));
    EXPECT_EQ(counters.right(), (ScrollStep{false, -10}));
    EXPECT_EQ(counters.vertical(), 1);
    EXPECT_EQ(counters.horizontal(), 1);
    EXPECT_EQ(counters.undo(), (std::vector<ScrollStep>{{true, -10}, {false, -10}}));
    EXPECT_EQ(counters.vertical(), 0);
    EXPECT_EQ(counters.horizontal(), 0);
    EXPECT_TRUE(counters.undo().empty());

    // Two scrolls left and one up, then back: the ranges return.
    AxisRange x{-10, 10}, y{-10, 10};
    for (ScrollStep s : {counters.left(), counters.left(), counters.up()})
        (s.vertical ? y : x) = ScrollRange(s.vertical ? y : x, s.percent);
    EXPECT_EQ(x, (AxisRange{-6, 14}));
    EXPECT_EQ(y, (AxisRange{-12, 8}));
    for (ScrollStep s : counters.undo())
        (s.vertical ? y : x) = ScrollRange(s.vertical ? y : x, s.percent);
    EXPECT_DOUBLE_EQ(x.min, -10);
    EXPECT_DOUBLE_EQ(x.max, 10);
    EXPECT_DOUBLE_EQ(y.min, -10);
    EXPECT_DOUBLE_EQ(y.max, 10);
}

TEST(ChartScale, TitlesAndWhereTheAxesCross)
{
    EXPECT_EQ(ChartTitle("x", "-10", "10"), "График финкции y=x при x=[-10 ,10]");
    EXPECT_EQ(SeriesTitle("sin(x)"), "y=sin(x)");
    EXPECT_TRUE(AxesCrossInMiddle(-10, 10));
    EXPECT_TRUE(AxesCrossInMiddle(5, 5));
    EXPECT_FALSE(AxesCrossInMiddle(0, 10));
    EXPECT_FALSE(AxesCrossInMiddle(-10, 9.99999));
}

TEST(ChartScale, AxisLabels)
{
    const std::pair<std::pair<double, double>, const char*> rows[] = {
        {{-7.5, 2.5}, "-7,5"},
        {{10, 2.5}, "10"},
        {{3.14159, 2.5}, "3,142"},          // at least three decimals
        {{0.00012345, 0.00005}, "0,00012"}, // as many as the step needs
        {{-0.0001, 2.5}, "0"},
        {{12345.5, 2000}, "12\u00A0345,5"},
        {{2e15, 1e14}, "2E15"},
    };
    for (const auto& [in, text] : rows)
        EXPECT_EQ(AxisLabel(in.first, in.second), text) << in.first;
}

TEST(ChartScale, ASavedChartGetsBmpUnlessTheFourthCharacterFromTheEndIsAPoint)
{
    const std::pair<const char*, const char*> rows[] = {
        {"График", "График.bmp"},
        {"/tmp/График.bmp", "/tmp/График.bmp"},
        {"/tmp/График.png", "/tmp/График.png"},   // any three-letter extension stays
        {"/tmp/график.бмп", "/tmp/график.бмп"},   // counted in characters, not bytes
        {"/tmp/a.jpeg", "/tmp/a.jpeg.bmp"},
        {"abc", "abc.bmp"},
        {".bm", ".bm.bmp"},
        {"", ".bmp"},
    };
    for (const auto& [name, saved] : rows)
        EXPECT_EQ(ChartFileName(name), saved) << name;
}

} // namespace
} // namespace vy
