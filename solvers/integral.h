#pragma once
// Definite integrals of a formula in x by midpoint rectangles, trapezoids and
// Simpson's rule, each refining until two successive estimates agree.
#include "formula/formula.h"

#include <stdexcept>
#include <string>

namespace vy {

class JobControl;

// The integral ended without an estimate: the refinement needed more points
// than one pass may have, or the integrand could not be evaluated inside the
// interval. what() is the text the window shows instead of a number.
class IntegralStopped : public std::runtime_error {
public:
    enum class Kind { TooManyPoints, Undefined };
    IntegralStopped(Kind kind, std::string text) : std::runtime_error(std::move(text)), kind_(kind) {}
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

// Most points a single refinement pass evaluates. Every pass doubles its
// points, so a calculation touches at most about twice this many in all.
inline constexpr long kMaxPassPoints = 1L << 20;

// f(x) between the limits a and b. Where the formula cannot be evaluated the
// value is 0 exactly at a limit (so ln(x) from 0 still integrates) and
// IntegralStopped anywhere else. Arithmetic errors throw FloatFailure.
// With a job control, every so many points it reports progress (the share of
// the most points a calculation can touch) and gives a pause or a cancel its
// chance; a cancel unwinds with JobCancelled.
class Integrand {
public:
    Integrand(const std::string& formula, double a, double b, JobControl* control = nullptr);
    double operator()(double x) const;

private:
    void checkpoint() const;

    CompiledFormula compiled_;
    double a_;
    double b_;
    JobControl* control_;
    mutable long points_ = 0;
};

double MidpointIntegral(const Integrand& f, double a, double b, double eps);
double TrapezoidIntegral(const Integrand& f, double a, double b, double eps);
double SimpsonIntegral(const Integrand& f, double a, double b, double eps);

enum class IntegralMethod { Midpoint = 1, Trapezoid = 2, Simpson = 3 };

// Precision list item index (0..5): eps = 10^-(index+2), index+2 decimals.
double IntegralPrecision(int index);
int IntegralDecimals(int index);

// The estimate as the window shows it: fixed point with a point as separator,
// right-aligned in at least 8 characters.
std::string FormatIntegral(double value, int decimals);

// What "Вычислить" puts in the result label: the limits message, the estimate,
// or the text of IntegralStopped. Limits that are not numbers throw
// ConversionError, arithmetic errors FloatFailure.
std::string IntegralText(const std::string& formula, const std::string& upper, const std::string& lower,
                         IntegralMethod method, double eps, int decimals, JobControl* control = nullptr);

} // namespace vy
