#include "calc/tables.h"

#include "core/floatfail.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {

using vy::FloatFailure;
using vy::calc::FireGrid;
using vy::calc::OneBitPicture;

using Cells = std::map<std::pair<int, int>, int>; // (x, y) -> heat

Cells burning(const FireGrid& grid)
{
    Cells cells;
    for (int x = 0; x < FireGrid::kColumns; ++x)
        for (int y = 0; y < FireGrid::kRows; ++y)
            if (grid.at(x, y) != 0)
                cells[{x, y}] = grid.at(x, y);
    return cells;
}

// Small grids worked out by hand. Cells are updated in place, column by
// column from the left and top to bottom within a column, so a cell sees the
// new values of the column to its left and the old ones of its own column
// below it: a step computed from a copy of the grid gives other numbers.
TEST(FireStep, HandComputedGrids)
{
    const struct {
        const char* what;
        Cells before;
        Cells after;
    } cases[] = {
        {"one hot cell spreads up and to the right",
         {{{10, 20}, 240}},
         {{{9, 19}, 40}, {{9, 20}, 40}, {{10, 19}, 53}, {{10, 20}, 46}, {{11, 19}, 16}}},
        {"a mean under 15 dies out", {{{10, 20}, 89}}, {}},
        {"columns left of 5 stay, but warm column 5", {{{4, 30}, 100}}, {{{4, 30}, 100}, {{5, 29}, 16}, {{5, 30}, 16}}},
        {"column 251 stays, and warms column 250",
         {{{251, 30}, 200}},
         {{{251, 30}, 200}, {{250, 29}, 33}, {{250, 30}, 33}}},
        {"row 71 stays, and warms row 70",
         {{{100, 71}, 120}},
         {{{100, 71}, 120}, {{99, 70}, 20}, {{100, 70}, 23}, {{101, 70}, 23}}},
        {"row 0 is never updated", {{{50, 0}, 255}}, {{{50, 0}, 255}}},
    };
    for (const auto& c : cases) {
        FireGrid grid;
        for (const auto& [cell, heat] : c.before)
            grid.at(cell.first, cell.second) = static_cast<std::uint8_t>(heat);
        vy::calc::FireStep(grid);
        EXPECT_EQ(burning(grid), c.after) << c.what;
    }
}

OneBitPicture picture(int width, int height, bool set)
{
    return {width, height, std::vector<bool>(static_cast<std::size_t>(width * height), set)};
}

TEST(LogoMask, LogoPixelsLandOneCellRightAndDownOfTheirPlace)
{
    OneBitPicture logo = picture(3, 2, false);
    logo.bits[0] = true; // (0, 0)
    logo.bits[5] = true; // (2, 1)
    // The logo's (0, 0) is the work picture's (10, 14), which is L[11][15].
    EXPECT_EQ(burning(vy::calc::LogoMask(logo)), (Cells{{{11, 15}, 255}, {{13, 16}, 255}}));
}

TEST(LogoMask, WhatFallsOutsideTheWorkPictureIsCutOff)
{
    const Cells cells = burning(vy::calc::LogoMask(picture(400, 100, true)));
    ASSERT_EQ(cells.size(), static_cast<std::size_t>((250 - 11 + 1) * (70 - 15 + 1)));
    EXPECT_EQ(cells.begin()->first, std::make_pair(11, 15));
    EXPECT_EQ(cells.rbegin()->first, std::make_pair(250, 70));
}

TEST(FireAnimation, FlamesRiseAboveTheLettersAndNeverPassTheLeftEdge)
{
    OneBitPicture logo = picture(vy::calc::kLogoWidth, vy::calc::kLogoHeight, false);
    for (int x = 20; x < 200; ++x) // a bar along the bottom of the logo
        for (int y = 45; y < 55; ++y)
            logo.bits[static_cast<std::size_t>(y * logo.width + x)] = true;
    vy::calc::FireAnimation fire(logo, 7);
    for (int frame = 0; frame < 40; ++frame)
        fire.advance();

    int above = 0;
    for (const auto& [cell, heat] : burning(fire.heat())) {
        EXPECT_GE(cell.first, 5) << cell.first << "," << cell.second;
        if (cell.second < 15 + 45)
            ++above;
    }
    EXPECT_GT(above, 100);

    // With no letters there is nothing to burn.
    vy::calc::FireAnimation dark(picture(vy::calc::kLogoWidth, vy::calc::kLogoHeight, false), 7);
    dark.advance();
    EXPECT_TRUE(burning(dark.heat()).empty());
}

TEST(DrawFire, OnlyBurningCellsOfTheFirePartArePaintedRed)
{
    constexpr int kWidth = 270;
    constexpr int kHeight = 90;
    constexpr std::uint32_t kOld = 0xFF123456u;
    std::vector<std::uint32_t> pixels(kWidth * kHeight, kOld);
    FireGrid heat;
    heat.at(10, 0) = 200;  // painted: the top-left cell of the fire part
    heat.at(250, 70) = 16; // painted: the bottom-right one
    heat.at(9, 5) = 90;    // left of the fire part
    heat.at(100, 71) = 90; // below it
    vy::calc::DrawFire(heat, pixels.data(), kWidth);

    int changed = 0;
    for (std::uint32_t p : pixels)
        changed += p != kOld;
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(pixels[10], 0xFFC80000u);
    EXPECT_EQ(pixels[70 * kWidth + 250], 0xFF100000u);
}

TEST(PowerRows, PowersTwoToTen)
{
    const struct {
        long double n;
        std::array<double, 9> powers;
    } cases[] = {
        {2, {4, 8, 16, 32, 64, 128, 256, 512, 1024}},
        {-3, {9, -27, 81, -243, 729, -2187, 6561, -19683, 59049}},
        {1.5L, {2.25, 3.375, 5.0625, 7.59375, 11.390625, 17.0859375, 25.62890625, 38.443359375, 57.6650390625}},
        {0, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vy::calc::PowerRows(c.n), c.powers) << static_cast<double>(c.n);
}

TEST(PowerRows, TenthPowerBeyondTheDoubleRangeOverflows)
{
    // The largest double is about 6,69E30 to the 10th.
    EXPECT_NO_THROW(vy::calc::PowerRows(6.6e30L));
    EXPECT_NO_THROW(vy::calc::PowerRows(-6.6e30L));
    for (long double n : {6.7e30L, -6.7e30L, 1e300L}) {
        try {
            vy::calc::PowerRows(n);
            ADD_FAILURE() << "no overflow for " << static_cast<double>(n);
        } catch (const FloatFailure& failure) {
            EXPECT_EQ(failure.kind(), FloatFailure::Kind::Overflow);
            EXPECT_STREQ(failure.what(), "Floating point overflow");
        }
    }
    // Tiny powers underflow to 0 quietly.
    EXPECT_EQ(vy::calc::PowerRows(1e-40L).back(), 0.0);
}

TEST(PowerTableFor, TextsOfTheTable)
{
    const auto two = vy::calc::PowerTableFor("2");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->base, "2");
    EXPECT_EQ(two->values.front(), " = 4");
    EXPECT_EQ(two->values.back(), " = 1024");

    const auto half = vy::calc::PowerTableFor("1,5");
    ASSERT_TRUE(half);
    EXPECT_EQ(half->base, "1,5");
    EXPECT_EQ(half->values.front(), " = 2,25");
    EXPECT_EQ(half->values.back(), " = 57,6650390625");

    const auto big = vy::calc::PowerTableFor("1E20");
    ASSERT_TRUE(big);
    EXPECT_EQ(big->base, "1E20");
    EXPECT_EQ(big->values.back(), " = 1E200");
}

TEST(PowerTableFor, NoTableForTextThatIsNotANumber)
{
    for (const char* text : {"-", "", "1,5,", "2a", "--3"})
        EXPECT_FALSE(vy::calc::PowerTableFor(text)) << text;
}

TEST(PowerTableFor, NumbersTooLargeOverflow)
{
    for (const char* text : {"6,7E30", "-1E31", "1E400"})
        EXPECT_THROW(vy::calc::PowerTableFor(text), FloatFailure) << text;
}

} // namespace
