#include "plot/simpleplot.h"

#include "core/numtext.h"
#include "plot/plotcolumns.h"

#include <string>

namespace vy {

namespace {

// The grid and the readout work with the fixed numbers of a 340-pixel area:
// the centre 170, 17 pixels to a unit and lines 340 pixels long.
constexpr int kCentre = 170;
constexpr int kUnit = 17;
constexpr int kLength = 340;

DrawStep line(Ink ink, bool dotted, int x1, int y1, int x2, int y2)
{
    return {DrawStep::Kind::Line, ink, dotted, x1, y1, x2, y2, {}};
}

DrawStep pixel(Ink ink, int x, int y) { return {DrawStep::Kind::Pixel, ink, false, x, y, 0, 0, {}}; }

DrawStep text(int x, int y, std::string s)
{
    return {DrawStep::Kind::Text, Ink::Curve, false, x, y, 0, 0, std::move(s)};
}

void addGrid(std::vector<DrawStep>& steps, int width)
{
    const int half = width / 2;
    for (int k = 1; k <= 9; ++k) {
        steps.push_back(line(Ink::Coordinates, true, kCentre + kUnit * k, 1, kCentre + kUnit * k, kLength));
        steps.push_back(text(kCentre + kUnit * k + 2, half + 2, std::to_string(k)));
    }
    for (int k = 1; k <= 9; ++k) {
        steps.push_back(line(Ink::Coordinates, true, kCentre - kUnit * k, 1, kCentre - kUnit * k, kLength));
        steps.push_back(text(kCentre - kUnit * k + 2, half + 2, "-" + std::to_string(k)));
    }
    for (int k = 1; k <= 9; ++k) {
        steps.push_back(line(Ink::Coordinates, true, 1, kCentre + kUnit * k, kLength, kCentre + kUnit * k));
        steps.push_back(text(half + 2, kCentre + kUnit * k + 2, "-" + std::to_string(k)));
    }
    for (int k = 1; k <= 9; ++k) {
        steps.push_back(line(Ink::Coordinates, true, 1, kCentre - kUnit * k, kLength, kCentre - kUnit * k));
        steps.push_back(text(half + 2, kCentre - kUnit * k + 2, std::to_string(k)));
    }
}

// The curve: each point is set, and joined to the previous one when that one
// lies off the left edge's column and below the top row; a column that cannot
// be evaluated keeps the previous point, so the curve bridges it.
void addCurve(std::vector<DrawStep>& steps, const PlottedColumns& plotted, bool grid)
{
    int previousColumn = 0;
    int previousRow = 0;
    const long double sy = plotted.sy;
    for (const PlotColumn& column : plotted.columns) {
        if (!column.point)
            continue;
        const PlotPoint& p = *column.point;
        steps.push_back(pixel(Ink::Curve, p.column, p.row));
        if (previousColumn != 0 && previousRow > 0)
            steps.push_back(line(Ink::Curve, false, previousColumn, previousRow, p.column, p.row));
        previousColumn = p.column;
        previousRow = p.row;
        if (grid)
            continue;
        if (p.y == 0) // the whole part of a root, just right of it
            steps.push_back(text(RoundPixel(column.i + 3 + 10 * sy), p.row, std::to_string(column.i / kUnit)));
        if (column.i == 0) // the value at x = 0, on the y axis
            steps.push_back(text(RoundPixel(10 * sy), p.row, " " + FloatToStr(p.y)));
    }
}

void addAxes(std::vector<DrawStep>& steps, int width, int height)
{
    steps.push_back(line(Ink::Axes, false, height / 2, 0, height / 2, kLength));
    steps.push_back(text(326, height / 2 - 13, "X"));
    steps.push_back(line(Ink::Axes, false, 0, width / 2, kLength, width / 2));
    steps.push_back(text(width / 2 + 5, 4, "Y"));
}

} // namespace

PlotDrawing SimplePlotDrawing(const std::string& formula, bool grid, int width, int height, int legendHeight)
{
    PlotDrawing drawing;
    if (grid)
        addGrid(drawing.area, width);
    const PlottedColumns plotted = PlotColumns(formula, width, height);
    addCurve(drawing.area, plotted, grid);
    if (plotted.failure) {
        drawing.failure = plotted.failure;
        return drawing;
    }
    addAxes(drawing.area, width, height);
    drawing.legend.push_back(line(Ink::Curve, false, 0, legendHeight / 4, 25, legendHeight / 4));
    drawing.legend.push_back(text(25, 5, " - F(" + formula + ")"));
    return drawing;
}

std::vector<DrawStep> ReadoutSteps(int x, int y, int width, int height)
{
    const int side = x - kCentre > 0 ? 1 : -1;
    const long double across = static_cast<long double>(x - kCentre) / kUnit;
    const long double up = static_cast<long double>(-(y - kCentre)) / kUnit;
    return {
        line(Ink::Coordinates, true, x + side, y, x + side, kCentre - side),
        text(x, width / 2 + 1, FormatFixed(across, 2)),
        line(Ink::Coordinates, true, x, y - side, height / 2, y - side),
        text(height / 2 + 1, y, FormatFixed(up, 2)),
    };
}

std::string SavedPictureName(const std::string& chosen, int type)
{
    if (type == 2)
        return chosen + ".jpg";
    const std::size_t slash = chosen.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (chosen.find('.', nameStart) == std::string::npos)
        return chosen + ".bmp";
    return chosen;
}

PageRect PrintPlacement(int pageWidth, int pageHeight, int dpiX, int dpiY, int width, int height)
{
    const long double kx = static_cast<long double>(dpiX) / 70;
    const long double ky = static_cast<long double>(dpiY) / 70;
    const int left = RoundPixel((pageWidth - width * kx) / 2);
    const int top = RoundPixel((pageHeight - height * ky) / 2);
    return {left, top, RoundPixel(width * kx + left), RoundPixel(height * ky + top)};
}

} // namespace vy
