#include "plot/simpleplot.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vy {
namespace {

using Kind = DrawStep::Kind;

DrawStep line(Ink ink, bool dotted, int x1, int y1, int x2, int y2)
{
    return {Kind::Line, ink, dotted, x1, y1, x2, y2, {}};
}
DrawStep text(int x, int y, const char* s) { return {Kind::Text, Ink::Curve, false, x, y, 0, 0, s}; }

PlotDrawing draw(const std::string& formula, bool grid = false)
{
    return SimplePlotDrawing(formula, grid, 340, 340, 50);
}

std::vector<DrawStep> only(const std::vector<DrawStep>& steps, Kind kind, Ink ink = Ink::Curve)
{
    std::vector<DrawStep> out;
    std::copy_if(steps.begin(), steps.end(), std::back_inserter(out),
                 [&](const DrawStep& s) { return s.kind == kind && (kind == Kind::Text || s.ink == ink); });
    return out;
}

bool contains(const std::vector<DrawStep>& steps, const DrawStep& step)
{
    return std::find(steps.begin(), steps.end(), step) != steps.end();
}

const std::vector<DrawStep> kAxes = {
    line(Ink::Axes, false, 170, 0, 170, 340),
    text(326, 157, "X"),
    line(Ink::Axes, false, 0, 170, 340, 170),
    text(175, 4, "Y"),
};

TEST(SimplePlot, DiagonalWithRootAndValueLabelsThenAxesAndLegend)
{
    const PlotDrawing d = draw("x");
    EXPECT_FALSE(d.failure);
    const auto lines = only(d.area, Kind::Line);
    // The first point is in pixel column 0, so the first segment starts at the second.
    ASSERT_EQ(lines.size(), 339u);
    EXPECT_EQ(lines.front(), line(Ink::Curve, false, 1, 339, 2, 338));
    EXPECT_EQ(lines.back(), line(Ink::Curve, false, 339, 1, 340, 0));
    EXPECT_EQ(only(d.area, Kind::Pixel).size(), 341u);
    EXPECT_EQ(only(d.area, Kind::Text), (std::vector<DrawStep>{text(173, 170, "0"), text(170, 170, " 0"),
                                                               text(326, 157, "X"), text(175, 4, "Y")}));
    EXPECT_TRUE(std::equal(kAxes.begin(), kAxes.end(), d.area.end() - 4)) << "the axes are drawn over the curve";
    EXPECT_EQ(d.legend, (std::vector<DrawStep>{line(Ink::Curve, false, 0, 12, 25, 12), text(25, 5, " - F(x)")}));
}

TEST(SimplePlot, RootLabelsGiveTheWholePartAndValueLabelTheStandardForm)
{
    const auto texts = only(draw("x*x-4").area, Kind::Text);
    EXPECT_TRUE(contains(texts, text(139, 170, "-2")));
    EXPECT_TRUE(contains(texts, text(207, 170, "2")));
    EXPECT_TRUE(contains(texts, text(170, 238, " -4")));
    EXPECT_TRUE(contains(only(draw("x/3+1,25").area, Kind::Text), text(170, 149, " 1,25")));
}

TEST(SimplePlot, GridComesFirstDottedWithItsNumbersAndSilencesTheLabels)
{
    const PlotDrawing d = draw("x", true);
    const auto grid = only(d.area, Kind::Line, Ink::Coordinates);
    ASSERT_EQ(grid.size(), 36u);
    EXPECT_TRUE(std::all_of(grid.begin(), grid.end(), [](const DrawStep& s) { return s.dotted; }));
    // One pass per direction and side, k = 1..9 in each.
    EXPECT_EQ(d.area[0], line(Ink::Coordinates, true, 187, 1, 187, 340));
    EXPECT_EQ(d.area[1], text(189, 172, "1"));
    EXPECT_EQ(d.area[18], line(Ink::Coordinates, true, 153, 1, 153, 340));
    EXPECT_EQ(d.area[19], text(155, 172, "-1"));
    EXPECT_EQ(d.area[36 + 17], text(172, 325, "-9"));
    EXPECT_EQ(d.area[54], line(Ink::Coordinates, true, 1, 153, 340, 153));
    EXPECT_EQ(d.area[55], text(172, 155, "1"));
    EXPECT_EQ(only(d.area, Kind::Text).size(), 36u + 2) << "no root or value label, only X and Y";
}

TEST(SimplePlot, SegmentsStartOnlyFromPointsBelowTheTopRow)
{
    EXPECT_TRUE(only(draw("x*x+11").area, Kind::Line).empty()) << "wholly above the area";

    // x*x enters from above at column 117 (row 5) without its first segment,
    // and leaves at column 223 with its last one, to row -2.
    const auto parabola = only(draw("x*x").area, Kind::Line);
    ASSERT_FALSE(parabola.empty());
    EXPECT_EQ(parabola.front(), line(Ink::Curve, false, 117, 5, 118, 11));
    EXPECT_EQ(parabola.back(), line(Ink::Curve, false, 223, 5, 224, -2));

    // 1/x: x = 0 is left out and its neighbours are joined.
    const auto hyperbola = only(draw("1/x").area, Kind::Line);
    EXPECT_TRUE(contains(hyperbola, line(Ink::Curve, false, 169, 459, 171, -119)));
    EXPECT_FALSE(contains(hyperbola, line(Ink::Curve, false, 169, 459, 170, 170)));
}

TEST(SimplePlot, ArithmeticErrorStopsBeforeAxesAndLegend)
{
    const PlotDrawing d = draw("lg(x)", true);
    EXPECT_TRUE(d.failure);
    EXPECT_EQ(d.area.size(), 72u) << "the grid alone";
    EXPECT_TRUE(d.legend.empty());

    // Drawn up to the column where the error comes.
    const PlotDrawing partial = draw("lg(1-x)");
    EXPECT_TRUE(partial.failure);
    EXPECT_EQ(only(partial.area, Kind::Pixel).size(), 187u) << "columns -170 .. 16";
    EXPECT_EQ(partial.area.back().kind, Kind::Line);
}

TEST(SimplePlot, InvalidFormulaDrawsOnlyAxesAndLegend)
{
    const PlotDrawing d = draw("y+1");
    EXPECT_EQ(d.area, kAxes);
    EXPECT_EQ(d.legend.back(), text(25, 5, " - F(y+1)"));
}

TEST(SimplePlot, ReadoutRunsDottedToBothAxesOnTheSideOfThePoint)
{
    EXPECT_EQ(ReadoutSteps(187, 153, 340, 340),
              (std::vector<DrawStep>{line(Ink::Coordinates, true, 188, 153, 188, 169), text(187, 171, "1,00"),
                                     line(Ink::Coordinates, true, 187, 152, 170, 152), text(171, 153, "1,00")}));
    EXPECT_EQ(ReadoutSteps(153, 196, 340, 340),
              (std::vector<DrawStep>{line(Ink::Coordinates, true, 152, 196, 152, 171), text(153, 171, "-1,00"),
                                     line(Ink::Coordinates, true, 153, 197, 170, 197), text(171, 196, "-1,53")}));
    EXPECT_EQ(ReadoutSteps(170, 170, 340, 340)[1].text, "0,00") << "no minus sign on zero";
}

TEST(SimplePlot, SavedPictureNames)
{
    const struct {
        const char* chosen;
        int type;
        const char* saved;
    } rows[] = {
        {"/home/u/График", 1, "/home/u/График.bmp"},
        {"/home/u.v/График", 1, "/home/u.v/График.bmp"}, // the dot is in a folder's name
        {"/home/u/plot.bmp", 1, "/home/u/plot.bmp"},
        {"/home/u/plot.v2", 1, "/home/u/plot.v2"},
        {"График", 1, "График.bmp"},
        {"/home/u/График", 2, "/home/u/График.jpg"},
        {"/home/u/plot.jpg", 2, "/home/u/plot.jpg.jpg"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(SavedPictureName(r.chosen, r.type), r.saved) << r.chosen;
}

TEST(SimplePlot, PrintIsEnlargedByResolutionOver70AndCentred)
{
    EXPECT_EQ(PrintPlacement(700, 600, 70, 70, 340, 340), (PageRect{180, 130, 520, 470}));
    // A4 at 600 pixels per inch: 340 * 600 / 70 = 2914,29 pixels.
    EXPECT_EQ(PrintPlacement(4958, 7016, 600, 600, 340, 340), (PageRect{1022, 2051, 3936, 4965}));
    EXPECT_EQ(PrintPlacement(4958, 7016, 600, 300, 340, 340), (PageRect{1022, 2779, 3936, 4236}));
}

} // namespace
} // namespace vy
