#include "solvers/integral.h"

#include "core/floatfail.h"
#include "core/jobrunner.h"
#include "core/numtext.h"

#include <algorithm>
#include <cmath>

namespace vy {

namespace {

// Sums, steps and estimates are doubles computed in extended precision.
double store(long double v) { return checked::toDouble(v); }

[[noreturn]] void tooManyPoints()
{
    throw IntegralStopped(IntegralStopped::Kind::TooManyPoints, "Точность не достигнута:\rслишком много точек");
}

void checkPassSize(long points)
{
    if (points > kMaxPassPoints)
        tooManyPoints();
}

} // namespace

Integrand::Integrand(const std::string& formula, double a, double b, JobControl* control)
    : compiled_(PrepareFormula(formula)), a_(a), b_(b), control_(control)
{
}

void Integrand::checkpoint() const
{
    control_->checkpoint();
    // Every pass doubles the points, so all passes together stay below twice the cap.
    control_->progress(static_cast<double>(points_) / (2.0 * kMaxPassPoints));
}

double Integrand::operator()(double x) const
{
    if (control_ != nullptr && (++points_ & 4095) == 0)
        checkpoint();
    long double v = 0;
    if (compiled_.evaluate(x, v))
        return checked::toDouble(v);
    if (x == a_ || x == b_)
        return 0;
    throw IntegralStopped(IntegralStopped::Kind::Undefined, "Функция не вычисляется\rпри x=" + FloatToStr(x));
}

double MidpointIntegral(const Integrand& f, double a, double b, double eps)
{
    long n = 1;
    double h = store(static_cast<long double>(b) - a);
    double estimate = store(static_cast<long double>(f(store((static_cast<long double>(a) + b) / 2))) * h);
    for (;;) {
        n *= 2;
        checkPassSize(n);
        const double previous = estimate;
        h /= 2;
        double sum = 0;
        for (long i = 1; i <= n; ++i)
            sum = store(static_cast<long double>(sum) +
                        f(store(static_cast<long double>(a) + static_cast<long double>(h) / 2 +
                                static_cast<long double>(i - 1) * h)));
        estimate = store(static_cast<long double>(sum) * h);
        if (std::fabs(static_cast<long double>(estimate) - previous) <= 3 * static_cast<long double>(eps))
            return estimate;
    }
}

double TrapezoidIntegral(const Integrand& f, double a, double b, double eps)
{
    long n = 1;
    double h = store(static_cast<long double>(b) - a);
    double estimate = store((static_cast<long double>(f(a)) + f(b)) * h / 2);
    for (;;) {
        checkPassSize(n);
        const double previous = estimate;
        double sum = 0;
        for (long i = 1; i <= n; ++i)
            sum = store(static_cast<long double>(sum) +
                        f(store(static_cast<long double>(a) - static_cast<long double>(h) / 2 +
                                static_cast<long double>(i) * h)));
        estimate = store(static_cast<long double>(sum) * h / 2 + static_cast<long double>(previous) / 2);
        n *= 2;
        h /= 2;
        if (std::fabs(static_cast<long double>(estimate) - previous) <= 3 * static_cast<long double>(eps))
            return estimate;
    }
}

double SimpsonIntegral(const Integrand& f, double a, double b, double eps)
{
    double estimate = 1; // the first pass is compared with 1
    double h = store(static_cast<long double>(b) - a);
    double ends = store(static_cast<long double>(f(a)) + f(b)); // ends plus twice every point used
    for (;;) {
        const double previous = estimate;
        h /= 2;
        double sum = 0;
        double x = store(static_cast<long double>(a) + h);
        long points = 0;
        do {
            checkPassSize(++points);
            sum = store(static_cast<long double>(sum) + 2 * static_cast<long double>(f(x)));
            const double next = store(static_cast<long double>(x) + 2 * static_cast<long double>(h));
            if (next == x && next < b)
                tooManyPoints(); // 2h no longer moves x
            x = next;
        } while (x < b);
        ends = store(static_cast<long double>(ends) + sum);
        estimate = store((static_cast<long double>(ends) + sum) * h / 3);
        if (std::fabs(static_cast<long double>(previous) - estimate) / 15 <= eps)
            return estimate;
    }
}

double IntegralPrecision(int index)
{
    static constexpr double kPrecisions[] = {0.01, 0.001, 0.0001, 0.00001, 0.000001, 0.0000001};
    return kPrecisions[std::clamp(index, 0, 5)];
}

int IntegralDecimals(int index) { return std::clamp(index, 0, 5) + 2; }

std::string FormatIntegral(double value, int decimals)
{
    std::string text = FormatFixed(value, decimals);
    std::replace(text.begin(), text.end(), ',', '.');
    if (text.size() < 8)
        text.insert(0, 8 - text.size(), ' ');
    return text;
}

std::string IntegralText(const std::string& formula, const std::string& upper, const std::string& lower,
                         IntegralMethod method, double eps, int decimals, JobControl* control)
{
    const double b = StrToFloat(upper);
    const double a = StrToFloat(lower);
    if (b < a)
        return "Нижний предел\rне может быть\rбольше верхнего";
    const Integrand f(formula, a, b, control);
    try {
        double value = 0;
        switch (method) {
        case IntegralMethod::Midpoint:
            value = MidpointIntegral(f, a, b, eps);
            break;
        case IntegralMethod::Trapezoid:
            value = TrapezoidIntegral(f, a, b, eps);
            break;
        case IntegralMethod::Simpson:
            value = SimpsonIntegral(f, a, b, eps);
            break;
        }
        return FormatIntegral(value, decimals);
    } catch (const IntegralStopped& stopped) {
        return stopped.what();
    }
}

} // namespace vy
