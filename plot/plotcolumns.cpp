#include "plot/plotcolumns.h"

#include "formula/formula.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace vy {

float PlotScale(int pixels) { return static_cast<float>(static_cast<long double>(pixels) / 20); }

int RoundPixel(long double value)
{
    // Clip first: converting a value outside the int range is undefined.
    constexpr long double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr long double highest = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value))
        return 0;
    const long double rounded = std::nearbyint(value); // the default mode: halves to even
    if (rounded <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (rounded >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<int>(rounded);
}

PlottedColumns PlotColumns(const std::string& formula, int width, int height)
{
    PlottedColumns out;
    out.sx = PlotScale(width);
    out.sy = PlotScale(height);
    const long double sx = out.sx;
    const long double sy = out.sy;
    const long double middle = static_cast<long double>(height) / 2;
    const int first = RoundPixel(-10 * sx);
    const int last = RoundPixel(10 * sx);
    if (last >= first)
        out.columns.reserve(static_cast<std::size_t>(last - first) + 1);

    const CompiledFormula compiled(PrepareFormula(formula));
    for (int i = first; i <= last; ++i) {
        PlotColumn column{i, std::nullopt};
        long double y = 0;
        try {
            if (compiled.evaluate(i / sx, y))
                column.point = PlotPoint{y, RoundPixel(i + 10 * sx), RoundPixel(middle - y * sy)};
        } catch (...) {
            out.failure = std::current_exception();
            break;
        }
        out.columns.push_back(column);
    }
    return out;
}

} // namespace vy
