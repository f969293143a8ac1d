#include "calc/logarithm.h"

#include "core/floatfail.h"
#include "core/numtext.h"

#include <cmath>

namespace vy::calc {

namespace {

long double checkedLog(long double x)
{
    if (x < 0 || std::isnan(x))
        throw FloatFailure(FloatFailure::Kind::InvalidOperation);
    if (x == 0)
        throw FloatFailure(FloatFailure::Kind::DivideByZero);
    return checked::check(std::log(x));
}

} // namespace

double LogToBase(double number, double base)
{
    const long double lnNumber = checkedLog(number);
    const long double lnBase = checkedLog(base);
    return checked::toDouble(checked::div(lnNumber, lnBase));
}

LogOutcome logarithmPress(std::string_view numberText, std::string_view baseText)
{
    LogOutcome outcome;
    const double number = StrToFloat(numberText);
    if (number == 0) {
        outcome.label = "0";
        return outcome;
    }
    const double base = StrToFloat(baseText);
    try {
        const std::string result = FloatToStr(LogToBase(number, base));
        outcome.label = result;
        outcome.hint = "Log числа " + std::string(numberText) + " по основанию " + std::string(baseText) +
                       " равен: " + result;
    } catch (const FloatFailure& failure) {
        const std::string prefix = "Основание не может быть равно ";
        switch (failure.kind()) {
        case FloatFailure::Kind::DivideByZero:
            outcome.report = LogReport{prefix + "0 ", prefix + "0"};
            break;
        case FloatFailure::Kind::InvalidOperation:
            outcome.report = LogReport{prefix + std::string(baseText), prefix + std::string(baseText)};
            break;
        default:
            throw;
        }
    }
    return outcome;
}

} // namespace vy::calc
