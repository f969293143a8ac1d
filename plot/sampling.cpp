#include "plot/sampling.h"

#include "core/floatfail.h"
#include "core/jobrunner.h"
#include "core/numtext.h"
#include "formula/formula.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vy {

namespace {

// x lies on a grid of five decimals: each x is written with "%0.05f" and read back.
constexpr int kDecimals = 5;
constexpr long double kProgressScale = 100000.0L;

// round(v * 100000) (halves to even) when it is a 32-bit integer.
bool progressUnits(double v, int& units)
{
    const long double scaled = std::nearbyint(static_cast<long double>(v) * kProgressScale);
    if (!(scaled >= std::numeric_limits<std::int32_t>::min() && scaled <= std::numeric_limits<std::int32_t>::max()))
        return false;
    units = static_cast<int>(scaled);
    return true;
}

[[noreturn]] void refuse(SamplingRefused::Kind kind)
{
    using K = SamplingRefused::Kind;
    switch (kind) {
    case K::BoundsTooLarge:
        throw SamplingRefused(kind, "Границы изменения X заданы неверно \r"
                                    "(допустимы значения от -21474,83647 до 21474,83647)");
    case K::BoundsOrder:
        throw SamplingRefused(kind, "Границы изменения X заданы неверно \r(нижняя граница больше верхней)");
    case K::StepTooSmall:
        throw SamplingRefused(kind, "Шаг задан неверно: x не меняется \r(наименьший шаг 0,00001)");
    case K::TooManyPoints:
        break;
    }
    throw SamplingRefused(K::TooManyPoints, "Слишком много точек для построения \r"
                                            "(уменьшите интервал или увеличьте шаг)");
}

} // namespace

SamplingPlan PlanSampling(double lower, double upper, double step)
{
    SamplingPlan plan;
    if (!progressUnits(lower, plan.progressMin) || !progressUnits(upper, plan.progressMax))
        refuse(SamplingRefused::Kind::BoundsTooLarge);
    if (lower >= upper)
        refuse(SamplingRefused::Kind::BoundsOrder);
    // Once x is on the grid of five decimals, each step moves it by the step
    // rounded to that grid; a step that rounds to nothing would never end.
    const double advance = RoundTripFixed(step, kDecimals);
    if (!(advance > 0))
        refuse(SamplingRefused::Kind::StepTooSmall);
    // x moves by at least the step cut down to the grid (a grid point lies
    // between x and x + step), and by at least one grid unit.
    const long double least =
        std::max(1.0L, std::floor(static_cast<long double>(step) * kProgressScale + 1e-6L)) / kProgressScale;
    const long double points = std::ceil((static_cast<long double>(upper) - lower) / least) + 1;
    if (points > kMaxChartPoints)
        refuse(SamplingRefused::Kind::TooManyPoints);
    plan.points = static_cast<std::size_t>(points);
    return plan;
}

void SampleFormula(const std::string& formula, double lower, double upper, double step, SampledCurve& curve,
                   JobControl* control)
{
    const SamplingPlan plan = PlanSampling(lower, upper, step);
    const CompiledFormula compiled(PrepareFormula(formula));
    curve.x.reserve(curve.x.size() + plan.points);
    curve.y.reserve(curve.y.size() + plan.points);
    const long double span = static_cast<long double>(upper) - lower;
    // The first step lands on the lower bound (rounded to the grid).
    double x = static_cast<double>(static_cast<long double>(lower) - step);
    std::size_t steps = 0;
    do {
        const double next = RoundTripFixed(static_cast<long double>(x) + step, kDecimals);
        // The plan's checks keep x moving; this keeps the loop finite whatever
        // the rounding does.
        if (!(next > x))
            refuse(SamplingRefused::Kind::StepTooSmall);
        if (++steps > plan.points + 1)
            refuse(SamplingRefused::Kind::TooManyPoints);
        x = next;
        long double value = 0;
        if (compiled.evaluate(x, value)) {
            const double y = checked::toDouble(value);
            curve.x.push_back(x);
            curve.y.push_back(y);
        }
        if (control != nullptr && (steps & 4095) == 0) {
            control->checkpoint();
            control->progress(static_cast<double>((static_cast<long double>(x) - lower) / span));
        }
    } while (upper > x);
}

} // namespace vy
