#pragma once
// The percentages window's computations and answer texts: a percentage of a
// number, a number increased or decreased by a percentage, and the compound
// percent over two or three successive steps. Each answer repeats the inputs
// as the user typed them.
#include <string>
#include <string_view>

namespace vy::percent {

// Inputs are doubles; the arithmetic runs in extended precision and the value
// is rounded to a double (beyond its range: FloatFailure(Overflow)).
double percentOf(double percent, double number); // percent / 100 * number
double increased(double number, double percent); // (percent / 100 + 1) * number
double decreased(double number, double percent); // (1 - percent / 100) * number

// The answers of the three rows from the field texts. A text that is not a
// number throws ConversionError (the general error box shows it).
std::string percentOfText(std::string_view percent, std::string_view number); // "10% от 250 = 25"
std::string increaseText(std::string_view number, std::string_view percent);  // "200 увелич. на 5% = 210"
std::string decreaseText(std::string_view number, std::string_view percent);  // "200 уменьш. на 5% = 190"

// One step of the compound percent, as its pair of check boxes says.
enum class Step { Skip, Increase, Decrease };

struct CompoundInput {
    std::string_view number; // the starting number
    std::string_view percents[3];
    Step steps[3] = {Step::Increase, Step::Increase, Step::Increase};
    bool fourElements = false; // the third step (and its percent) takes part
};

// The compound percent keeps the value of each step between presses: a step
// whose boxes are both unchecked keeps what the last press left in it, and the
// next step starts from that.
class CompoundPercent {
public:
    // The answer after one press, given the answer shown before it: a first
    // step replaces it, a skipped first step leaves it to be appended to. Every
    // field is converted, and every value computed, before anything changes; a
    // failure (ConversionError, FloatFailure) leaves the values as they were.
    std::string press(const CompoundInput& input, const std::string& shown);

    double value(int step) const { return values_[step]; }

private:
    double values_[3] = {0, 0, 0};
};

} // namespace vy::percent
