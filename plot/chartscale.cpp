#include "plot/chartscale.h"

#include "core/numtext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vy {

AxisRange ZoomRange(AxisRange range, double percent)
{
    const long double d = (static_cast<long double>(range.max) - range.min) * (percent - 100) / 100;
    return {static_cast<double>(range.min + d), static_cast<double>(range.max - d)};
}

AxisRange ScrollRange(AxisRange range, double percent)
{
    const long double d = (static_cast<long double>(range.max) - range.min) * percent / 100;
    return {static_cast<double>(range.min + d), static_cast<double>(range.max + d)};
}

ScrollStep ScrollCounters::left()
{
    ++horizontal_;
    return {false, 10};
}

ScrollStep ScrollCounters::right()
{
    --horizontal_;
    return {false, -10};
}

ScrollStep ScrollCounters::up()
{
    --vertical_;
    return {true, -10};
}

ScrollStep ScrollCounters::down()
{
    ++vertical_;
    return {true, 10};
}

std::vector<ScrollStep> ScrollCounters::undo()
{
    std::vector<ScrollStep> steps;
    // A positive count went by +10 each time, so it comes back by -10.
    auto back = [&steps](int& counter, bool vertical) {
        const double percent = counter > 0 ? -10 : 10;
        for (int i = std::abs(counter); i > 0; --i)
            steps.push_back({vertical, percent});
        counter = 0;
    };
    back(vertical_, true);
    back(horizontal_, false);
    return steps;
}

bool AxesCrossInMiddle(double lower, double upper) { return std::fabs(lower) == std::fabs(upper); }

std::string ChartTitle(const std::string& formula, const std::string& lower, const std::string& upper)
{
    return "График финкции y=" + formula + " при x=[" + lower + " ," + upper + "]";
}

std::string SeriesTitle(const std::string& formula) { return "y=" + formula; }

namespace {

// Decimals needed to write a tick step exactly in the standard form (2,5 needs
// one, 5E-5 needs five).
int decimalsOf(double step)
{
    const std::string text = FloatToStr(std::fabs(step));
    const std::size_t e = text.find('E');
    const std::size_t comma = text.find(',');
    const std::size_t mantissaEnd = e == std::string::npos ? text.size() : e;
    int decimals = comma == std::string::npos || comma > mantissaEnd ? 0 : static_cast<int>(mantissaEnd - comma - 1);
    if (e != std::string::npos)
        decimals -= std::atoi(text.c_str() + e + 1);
    return decimals;
}

} // namespace

std::string AxisLabel(double value, double tickStep)
{
    if (std::fabs(value) >= 1e15)
        return FloatToStr(value);
    const int decimals = std::clamp(tickStep > 0 ? decimalsOf(tickStep) : 0, 3, 15);
    std::string text = FormatGrouped(value, decimals);
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == ',')
            text.pop_back();
    }
    return text;
}

std::string ChartFileName(const std::string& name)
{
    // Characters, not bytes: the last three may be Cyrillic letters.
    std::size_t characters = 0;
    for (std::size_t i = name.size(); i > 0; --i) {
        const auto byte = static_cast<unsigned char>(name[i - 1]);
        if ((byte & 0xC0) == 0x80)
            continue;
        if (++characters == 4)
            return byte == '.' ? name : name + ".bmp";
    }
    return name + ".bmp";
}

} // namespace vy
