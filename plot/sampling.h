#pragma once
// Sampling a formula for the chart plotter: the points (x, y) of a curve from
// the lower bound to the first x not below the upper bound, x stepping on a grid
// of five decimals. Points where the formula cannot be evaluated are left out,
// so the line joins their neighbours.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace vy {

class JobControl;

// A request the plotter refuses before it samples anything, with the text the
// window shows.
class SamplingRefused : public std::runtime_error {
public:
    enum class Kind {
        BoundsTooLarge, // a bound times 100000 is beyond a 32-bit integer
        BoundsOrder,    // the lower bound is not below the upper one
        StepTooSmall,   // the step does not move x on the grid of five decimals
        TooManyPoints,  // more points than the chart is allowed to hold
    };
    SamplingRefused(Kind kind, const std::string& text) : std::runtime_error(text), kind_(kind) {}
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

// The most points one curve may have: the interval 100 wide at the finest step.
inline constexpr std::size_t kMaxChartPoints = 10'000'001;

// What the window's progress bar counts in: the bounds times 100000.
struct SamplingPlan {
    int progressMin = 0;
    int progressMax = 0;
    std::size_t points = 0; // an upper estimate of the points sampled
};

// Checks a request in the order the window meets its parts: bounds that do not
// fit the progress bar, then bounds in the wrong order, then a step that does not
// move x, then too many points. Throws SamplingRefused.
SamplingPlan PlanSampling(double lower, double upper, double step);

struct SampledCurve {
    std::vector<double> x;
    std::vector<double> y;
};

// Samples formula from lower in steps of step while x is below upper (the first
// x not below it included), through the compiled path. Points go into curve as
// they come, so that after an arithmetic failure (FloatFailure, thrown on) it
// holds those sampled before it. With control, the sampling reports its
// progress and stops at a cancel (JobCancelled). Throws SamplingRefused for a
// request PlanSampling refuses.
void SampleFormula(const std::string& formula, double lower, double upper, double step, SampledCurve& curve,
                   JobControl* control = nullptr);

} // namespace vy
