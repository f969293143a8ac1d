#include "calc/percent.h"

#include "core/floatfail.h"
#include "core/numtext.h"

#include <algorithm>

namespace vy::percent {

namespace {

long double fraction(double percent) { return static_cast<long double>(percent) / 100.0L; }

const char* stepWords(Step step) { return step == Step::Decrease ? " уменьш. на " : " увелич. на "; }

double apply(Step step, double value, double percent)
{
    return step == Step::Decrease ? decreased(value, percent) : increased(value, percent);
}

std::string sentence(std::string_view first, std::string_view middle, std::string_view second,
                     std::string_view beforeValue, double value)
{
    std::string text(first);
    text += middle;
    text += second;
    text += beforeValue;
    text += FloatToStr(value);
    return text;
}

} // namespace

double percentOf(double percent, double number) { return checked::toDouble(fraction(percent) * number); }

double increased(double number, double percent) { return checked::toDouble((fraction(percent) + 1) * number); }

double decreased(double number, double percent) { return checked::toDouble((1 - fraction(percent)) * number); }

std::string percentOfText(std::string_view percent, std::string_view number)
{
    const double p = StrToFloat(percent);
    const double x = StrToFloat(number);
    return sentence(percent, "% от ", number, " = ", percentOf(p, x));
}

std::string increaseText(std::string_view number, std::string_view percent)
{
    const double x = StrToFloat(number);
    const double p = StrToFloat(percent);
    return sentence(number, " увелич. на ", percent, "% = ", increased(x, p));
}

std::string decreaseText(std::string_view number, std::string_view percent)
{
    const double x = StrToFloat(number);
    const double p = StrToFloat(percent);
    return sentence(number, " уменьш. на ", percent, "% = ", decreased(x, p));
}

std::string CompoundPercent::press(const CompoundInput& input, const std::string& shown)
{
    const int stepCount = input.fourElements ? 3 : 2;
    const double number = StrToFloat(input.number);
    double percents[3] = {0, 0, 0};
    for (int i = 0; i < stepCount; ++i)
        percents[i] = StrToFloat(input.percents[i]);

    double values[3] = {values_[0], values_[1], values_[2]};
    std::string text = shown;
    for (int i = 0; i < stepCount; ++i) {
        const Step step = input.steps[i];
        if (step == Step::Skip)
            continue;
        values[i] = apply(step, i == 0 ? number : values[i - 1], percents[i]);
        if (i == 0)
            text = std::string(input.number);
        text += stepWords(step);
        text += input.percents[i];
        text += '%';
        // The last step of the mode states the result.
        if (i == stepCount - 1) {
            text += " = ";
            text += FloatToStr(values[i]);
        }
    }
    std::copy(values, values + 3, values_);
    return text;
}

} // namespace vy::percent
