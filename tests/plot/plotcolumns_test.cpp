#include "plot/plotcolumns.h"

#include "core/floatfail.h"

#include <gtest/gtest.h>

#include <climits>

namespace vy {
namespace {

PlottedColumns area(const std::string& formula) { return PlotColumns(formula, 340, 340); }

std::optional<PlotPoint> at(const PlottedColumns& p, int i)
{
    return p.columns.at(static_cast<std::size_t>(i + 170)).point;
}

TEST(PlotColumns, DiagonalCoversEveryColumnCornerToCorner)
{
    const PlottedColumns p = area("x");
    EXPECT_EQ(p.sx, 17.0f);
    ASSERT_EQ(p.columns.size(), 341u);
    EXPECT_FALSE(p.failure);
    for (const PlotColumn& c : p.columns) {
        ASSERT_TRUE(c.point) << c.i;
        EXPECT_EQ(c.point->column, c.i + 170);
        EXPECT_EQ(c.point->row, 170 - c.i);
    }
    EXPECT_EQ(p.columns.front().i, -170);
    EXPECT_EQ(*at(p, -170), (PlotPoint{-10, 0, 340}));
    EXPECT_EQ(*at(p, 0), (PlotPoint{0, 170, 170}));
}

TEST(PlotColumns, RowsRoundHalvesToEven)
{
    // 170 - 17 * 1,5 = 144,5 and 170 + 17 * 0,5 = 178,5.
    const struct {
        const char* formula;
        int row;
    } rows[] = {{"1,5", 144}, {"-0,5", 178}, {"2,5", 128}};
    for (const auto& r : rows)
        for (int i : {-170, 0, 170})
            EXPECT_EQ(at(area(r.formula), i).value().row, r.row) << r.formula;
}

TEST(PlotColumns, ParabolaAboveTheAreaHasOnlyNegativeRows)
{
    const PlottedColumns p = area("x*x+11");
    ASSERT_EQ(p.columns.size(), 341u);
    for (const PlotColumn& c : p.columns)
        EXPECT_LT(c.point.value().row, 0) << c.i;
}

TEST(PlotColumns, FailingColumnsAreEmpty)
{
    const PlottedColumns p = area("1/x");
    EXPECT_FALSE(at(p, 0)) << "the divisor 0 fails";
    EXPECT_EQ(*at(p, -1), (PlotPoint{-17, 169, 459}));
    EXPECT_EQ(*at(p, 1), (PlotPoint{17, 171, -119}));
    EXPECT_FALSE(area("y+1").columns.front().point);
    EXPECT_FALSE(area("").columns.back().point);
}

TEST(PlotColumns, ArithmeticErrorEndsTheSweepAndIsHandedBack)
{
    const PlottedColumns p = area("lg(x)");
    ASSERT_EQ(p.columns.size(), 170u) << "the columns left of x = 0";
    for (const PlotColumn& c : p.columns)
        EXPECT_FALSE(c.point) << c.i;
    ASSERT_TRUE(p.failure);
    try {
        std::rethrow_exception(p.failure);
    } catch (const FloatFailure& e) {
        EXPECT_EQ(e.kind(), FloatFailure::Kind::DivideByZero);
    }
}

TEST(PlotColumns, RowsBeyondThe32BitRangeAreHeldAtItsEnds)
{
    // e^700 is about 1E304, still a number the evaluator reads back.
    const auto high = at(area("exp(x*70)"), 170);
    const auto low = at(area("-exp(x*70)"), 170);
    ASSERT_TRUE(high && low);
    EXPECT_EQ(high->row, INT_MIN);
    EXPECT_EQ(low->row, INT_MAX);
    EXPECT_EQ(RoundPixel(1e30L), INT_MAX);
    EXPECT_EQ(RoundPixel(-1e4000L), INT_MIN);
    EXPECT_EQ(RoundPixel(-2.5L), -2);
}

TEST(PlotColumns, ScaleIsSinglePrecision)
{
    // 341 / 20 = 17,05 is not a float; the area keeps 17,0499992370605...
    const PlottedColumns p = PlotColumns("x", 341, 341);
    EXPECT_EQ(p.sx, 17.05f);
    ASSERT_EQ(p.columns.size(), 341u) << "round(+-10 sx) = +-170";
    const long double y = p.columns.back().point.value().y; // x = 170 / sx
    EXPECT_NEAR(y, 170 / static_cast<long double>(17.05f), 1e-13L);
    EXPECT_GT(std::abs(y - 170 / 17.05L), 1e-7L);
    EXPECT_EQ(p.columns.back().point->column, 340);
}

} // namespace
} // namespace vy
