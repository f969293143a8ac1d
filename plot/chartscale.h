#pragma once
// The chart plotter's arithmetic and texts apart from its window: zooming and
// scrolling an axis range, the scroll counters that take the chart back, where
// the axes cross, the title, the axis label form and the name a saved chart
// gets.
#include <string>
#include <vector>

namespace vy {

struct AxisRange {
    double min = 0;
    double max = 0;
    bool operator==(const AxisRange&) const = default;
};

// Zoom by percent p: [min + d, max - d] with d = (max - min) * (p - 100) / 100.
// 125 halves the range about its centre, 25 makes it 2.5 times as wide.
AxisRange ZoomRange(AxisRange range, double percent);
// Moves the range by percent p of its width: [min + w * p / 100, max + w * p / 100].
AxisRange ScrollRange(AxisRange range, double percent);

// One scroll of the chart: the vertical pair of axes (left and right) or the
// horizontal pair (bottom and top), by a percentage of the range.
struct ScrollStep {
    bool vertical = false;
    double percent = 0;
    bool operator==(const ScrollStep&) const = default;
};

// Counts the scroll buttons' presses so that "Отменить сдвиг" can take the
// chart back step by step. Zooming is not counted: each step back is a tenth of
// the range at that moment.
class ScrollCounters {
public:
    ScrollStep left();  // the graph moves left: the horizontal axes by +10 %
    ScrollStep right(); // by -10 %
    ScrollStep up();    // the graph moves up: the vertical axes by -10 %
    ScrollStep down();  // by +10 %
    // The steps that undo the counted ones, vertical first; both counters become 0.
    std::vector<ScrollStep> undo();

    int vertical() const { return vertical_; }
    int horizontal() const { return horizontal_; }

private:
    int vertical_ = 0;
    int horizontal_ = 0;
};

// The axes cross in the middle of the chart when the bounds are equal in size
// (-10 and 10); otherwise they lie along its edges.
bool AxesCrossInMiddle(double lower, double upper);

// "График финкции y=<formula> при x=[<lower> ,<upper>]", from the fields' texts.
std::string ChartTitle(const std::string& formula, const std::string& lower, const std::string& upper);
// A curve's title in the legend: "y=<formula>".
std::string SeriesTitle(const std::string& formula);

// A value as the axes label it, where their ticks are tickStep apart: after a
// comma as many decimals as the step needs and at least three, trailing zeros
// dropped, thousands grouped by a no-break space; values from 10^15 on in the
// standard form.
std::string AxisLabel(double value, double tickStep);

// The name a chart is saved under: ".bmp" is added unless the fourth character
// from the end is a point (so "x.bmp" and "x.png" stay as typed).
std::string ChartFileName(const std::string& name);

} // namespace vy
