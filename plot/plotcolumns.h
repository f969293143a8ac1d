#pragma once
// The columns of a plotted formula: for every pixel column of a drawing area
// that shows x and y from -10 to 10, the formula's value there and the pixel
// it lands on. The simple plotter draws these points; nothing here draws.
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace vy {

// Where a value lands: y as the evaluator gave it, and its pixel column and
// row (rows grow downward; a row beyond the 32-bit range is held at its end).
struct PlotPoint {
    long double y = 0;
    int column = 0;
    int row = 0;
    bool operator==(const PlotPoint&) const = default;
};

struct PlotColumn {
    int i = 0;                      // the column's number, x = i / sx
    std::optional<PlotPoint> point; // nothing where the formula cannot be evaluated
};

struct PlottedColumns {
    float sx = 0; // pixels per unit across, single precision as the area's scale is kept
    float sy = 0; // and down
    // In increasing i, from round(-10 sx) to round(10 sx); when an arithmetic
    // error stopped the sweep, only the columns before it.
    std::vector<PlotColumn> columns;
    // The arithmetic error (FloatFailure) raised at the column after the last
    // one listed; null when every column was evaluated.
    std::exception_ptr failure;
};

// The scale of an area width x height: sx = width / 20 and sy = height / 20,
// rounded to single precision.
float PlotScale(int pixels);
// Rounds to the nearest whole number, halves to even, holding values beyond
// the 32-bit range at its ends (NaN gives 0).
int RoundPixel(long double value);

// Evaluates formula (compiled once) at x = i / sx for every column of an area
// width x height pixels. An ordinary failure leaves a column empty; an
// arithmetic error ends the sweep and is returned, not thrown, together with
// the columns before it, which the plotter still draws.
PlottedColumns PlotColumns(const std::string& formula, int width, int height);

} // namespace vy
