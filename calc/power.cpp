#include "calc/power.h"

#include "core/floatfail.h"
#include "core/numtext.h"
#include "formula/arith.h"
#include "formula/extmath.h"

#include <cmath>
#include <cstdint>

namespace vy::power {

namespace {

using Kind = FloatFailure::Kind;

constexpr long double kReciprocalScale = 1000000.0L; // the reciprocal is judged to six decimals

// True when 1 / exponent is a whole number to six decimals, a root degree.
// trunc() of a value beyond the 64-bit range has no answer: that is an
// invalid operation. An exponent of a million or more has a reciprocal that
// truncates to 0, which is no root degree: such powers take the general rule,
// so that (-1)^2000000 is 1 and not the "even root" 0.
bool reciprocalIsWhole(long double exponent)
{
    const long double scaled = (1.0L / exponent) * kReciprocalScale;
    if (!(std::fabs(scaled) < 0x1p63L))
        throw FloatFailure(Kind::InvalidOperation);
    const auto truncated = static_cast<std::int64_t>(scaled);
    return truncated != 0 && truncated % static_cast<std::int64_t>(kReciprocalScale) == 0;
}

const ModeTexts kPowerTexts{" Возведение в степень ", "   Возведение в степень ",
                            " Число: ", " Степень: ", "Введите cтепень"};
const ModeTexts kRootTexts{" Вычисление корня ", "   Вычисление корня ", " Число: ", " Корень: ", "Введите корень"};

constexpr const char* kNumbersMessage =
    "Степень и Корень должены быть заданы числом. \rПри записи дробного числа используйте запятую.";
constexpr const char* kZeroRootMessage = "Корень не может быть равен нулю";

} // namespace

long double PowerEx(long double base, long double exponent)
{
    if (exponent != 0 && reciprocalIsWhole(exponent) && base < 0) {
        // nearbyint rounds ties to even in the default rounding mode.
        const long double k = std::nearbyint(1.0L / exponent);
        if (std::fmod(k, 2.0L) == 0)
            return 0;                                // an even root of a negative number
        return -formula::powerRule(-base, exponent); // an odd root keeps the sign
    }
    // The general rule, with whole exponents in at most 31 squarings.
    return formula::powerRule(base, exponent);
}

long double RootEx(long double x, long double y)
{
    if (x < 0)
        throw FloatFailure(Kind::InvalidOperation);
    if (x == 0)
        throw FloatFailure(Kind::DivideByZero);
    const long double logarithm = formula::extLn(x);
    return formula::finite(formula::extExp(logarithm * formula::quotient(1.0L, y)));
}

const ModeTexts& modeTexts(Mode mode) { return mode == Mode::Power ? kPowerTexts : kRootTexts; }

Inputs readInputs(std::string_view number, std::string_view degree)
{
    Inputs inputs;
    try {
        inputs.x = StrToFloatExt(number);
        inputs.y = StrToFloatExt(degree);
    } catch (const ConversionError&) {
        inputs.report = plainReport(kNumbersMessage, true);
    }
    return inputs;
}

Outcome compute(Mode mode, long double x, long double y)
{
    Outcome outcome;
    try {
        const long double r = mode == Mode::Power ? PowerEx(x, y) : RootEx(x, y);
        outcome.result = checked::toDouble(r);
    } catch (const FloatFailure& failure) {
        if (failure.kind() != Kind::DivideByZero)
            throw;
        outcome.result = 0;
        if (mode == Mode::Root)
            outcome.report = plainReport(kZeroRootMessage, true);
    }
    const std::string r = FloatToStr(outcome.result);
    outcome.answer = "Ответ: " + r;
    const std::string line = mode == Mode::Power ? FloatToStr(x) + "^" + FloatToStr(y) + "=" + r
                                                 : r + "^" + FloatToStr(y) + "=" + FloatToStr(x);
    outcome.protocol = {modeTexts(mode).title, line};
    return outcome;
}

} // namespace vy::power
