#pragma once
// The main window's nine quick calculations, apart from the window: the
// arithmetic on doubles, and for each row what the window shows, copies and
// logs, or which report it gives when the row catches a failure of its own.
//
// The window's part for one press of a row's "=" button:
//   1. if info(row).blankFirst is not empty, set that label to " ";
//   2. call run(row, field texts, balloon flag) inside a try block;
//   3. on a report: play the stop sound when it asks for it, show it, and stop;
//   4. otherwise set the labels, put the clipboard text, append the protocol lines;
//   5. a vy::FloatFailure (or any other exception) thrown by run goes to the
//      general error box, with whatever was done before it left as it is.
#include "core/report.h"

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vy::quickcalc {

// ---- the computations ------------------------------------------------------
// Inputs and results are doubles; the arithmetic runs in extended precision.
// A result beyond the double range throws FloatFailure(Overflow).

double square(double x);
// Angles in degrees. Exact multiples of 180 (sine, tangent) and odd multiples of
// 90 (cosine) up to 1260 degrees either way come from a table, not the formula.
double sine(double degrees);
double cosine(double degrees);
// std::nullopt when the tangent does not exist (odd multiples of 90 up to 1170).
std::optional<double> tangent(double degrees);
// b = 0: FloatFailure(DivideByZero), or FloatFailure(InvalidOperation) when a = 0 too.
double quotient(double a, double b);
double product(double a, double b);
double sum(double a, double b);
double difference(double a, double b);

// The quadratic equation's own failure: the leading coefficient is zero.
class ZeroLeadingCoefficient : public std::domain_error {
public:
    ZeroLeadingCoefficient() : std::domain_error("a = 0") {}
};

struct QuadraticSolution {
    double discriminant = 0;
    bool hasRoots = false; // discriminant >= 0
    double x1 = 0;         // (-b + sqrt(D)) / 2a
    double x2 = 0;         // (-b - sqrt(D)) / 2a
    long double rootOfDiscriminant = 0; // sqrt(D) in extended precision, as the protocol shows it
};
QuadraticSolution quadratic(double a, double b, double c);

// ---- the rows ----------------------------------------------------------------

enum class Row { Square, Sine, Cosine, Tangent, Quotient, Product, Sum, Difference, Quadratic };

struct RowInfo {
    Row row;
    std::string_view handler;                 // "Button1Click"
    std::string_view button;                  // "Button1"
    std::span<const std::string_view> fields; // object names, in conversion order
    std::span<const std::string_view> labels; // result labels the row writes
    std::string_view blankFirst;              // label set to " " before the computation, or empty
};

std::span<const RowInfo> rows();
const RowInfo& info(Row row);
// The labels the "Очистить" button (Button5Click) empties.
std::span<const std::string_view> clearedLabels();

// A failure the row catches and reports itself; a balloon points at the
// row's field (see balloonField).
using vy::Presentation;
using vy::Report;

struct LabelText {
    std::string label; // object name, e.g. "Label2"
    std::string text;
    bool operator==(const LabelText&) const = default;
};

struct Outcome {
    // Set when the row caught a failure: then nothing else is shown, copied or logged.
    std::optional<Report> report;
    std::vector<LabelText> labels;
    std::string clipboard;
    std::vector<std::string> protocol; // lines to append to the protocol log, in order

    bool failed() const noexcept { return report.has_value(); }
};

// One press of a row's button. fields are the texts of info(row).fields, exactly
// as typed, in that order (std::invalid_argument if the count differs). balloon
// is the user's balloon flag. A text that does not convert (or converts beyond
// the double range) is the row's conversion report; failures the row does not
// catch propagate (FloatFailure for overflow and 0 : 0).
Outcome run(Row row, std::span<const std::string> fields, bool balloon);

} // namespace vy::quickcalc
