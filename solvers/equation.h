#pragma once
// The equation solver's four searches for roots of f(x) = 0. Each builds the
// answer text that the window shows and publishes it through a SearchHost as it
// grows; RunEquationSearch is the whole job of one press of "Решить".
#include "formula/formula.h"
#include "solvers/searchhost.h"

#include <optional>
#include <string>
#include <string_view>

namespace vy {

// f(x) of one request: the formula prepared and compiled once.
class Equation {
public:
    explicit Equation(const std::string& formula);

    // The evaluator's own outcome in extended precision (the scan uses this).
    bool evaluate(long double x, long double& value) const { return compiled_.evaluate(x, value); }
    // f(x) as the other methods see it: a double, or nothing where the formula
    // cannot be evaluated. Every comparison with "nothing" is false, so such a
    // point is neither a root nor on either side of one. Arithmetic errors of
    // the evaluator, and a value beyond the double range, throw FloatFailure.
    std::optional<double> value(double x) const;

private:
    CompiledFormula compiled_;
};

enum class SearchMethod { Scan, Bisection, Combined, Newton };

// The fields of the window, taken once when the search starts.
struct SearchRequest {
    SearchMethod method = SearchMethod::Combined;
    std::string formula = "x-5";
    std::string lower = "-10";
    std::string upper = "10";
    int precisionIndex = 1; // scanning step 10^-index, index 0..5
    bool trigonometric = false;
};

// The scan's next point after x: x + h rounded through "%0.5f".
double NextScanPoint(double x, double h);

// The scan's points one after another, each the NextScanPoint of the one
// before (next() must be given the point it returned last), without
// formatting a text per point.
class ScanPoints {
public:
    explicit ScanPoints(double h);
    double next(double x);

private:
    static constexpr long long kGridLimit = 100000000000LL; // |x| below 10^6
    double h_;
    long long units_;
    bool onGrid_ = false;
    long long count_ = 0;
};

// Scanning step of precision list item index (0..5): 1, 0.1, ..., 0.00001.
double ScanStep(int precisionIndex);

// Each method leaves its answer in host.answer(). Conversion errors of the bounds
// (ConversionError), arithmetic errors (FloatFailure) and SearchCancelled pass through.
void ScanForRoots(const Equation& f, std::string_view lower, std::string_view upper,
                         int precisionIndex, bool trigonometric, SearchHost& host);
void BisectForRoot(const Equation& f, std::string_view lower, std::string_view upper, SearchHost& host);
void CombinedSearch(const Equation& f, std::string_view lower, std::string_view upper, bool trigonometric,
                    SearchHost& host);

// Newton's method from x0. point is the current Newton point, left where the
// solve ended (also on failure). Failures show their message box through the host.
std::optional<double> NewtonSolve(const Equation& f, double x0, double& point, SearchHost& host);
// Keeps the answer it finds in the host unchanged when no solve succeeds.
void NewtonSearch(const Equation& f, std::string_view start, SearchHost& host);

// The worker's job: the formula check at x = 5, the chosen method, the full
// progress bar and the no-roots sentence. host.answer() starts as the text the
// answer label holds.
void RunEquationSearch(const SearchRequest& request, SearchHost& host);

} // namespace vy
