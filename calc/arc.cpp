#include "calc/arc.h"

#include "core/floatfail.h"
#include "core/mathconst.h"
#include "core/numtext.h"

#include <cmath>

namespace vy::arc {

namespace {

using Kind = FloatFailure::Kind;

struct RowTexts {
    const char* prefix;
    const char* notANumber;
    const char* invalid; // nullptr: every number has a value
};

#define VY_USE_COMMA " \rПри записи дробного числа используйте запятую."
// "Арккоcинус " carries a Latin c, as designed.
constexpr RowTexts kRows[] = {
    {"Арксинус ", "Арксинус должен быть задан числом." VY_USE_COMMA, "Арксинус должен быть задан числом от -1 до 1 \r"},
    {"Арккоcинус ", "Арккосинус должен быть задан числом." VY_USE_COMMA,
     "Арккосинус должен быть задан числом от -1 до 1 \r"},
    {"Арктангенс ", "Арктангенс должен быть задан числом." VY_USE_COMMA, nullptr},
    {"Арккатангенс ", "Арккатангенс должен быть задан числом." VY_USE_COMMA, "Недопустимый аргумент арккатангенса \r"},
};
#undef VY_USE_COMMA

const RowTexts& textsOf(Row row) { return kRows[static_cast<int>(row)]; }

// sqrt(1 - y^2), the cosine of the arcsine of y.
long double complement(long double y)
{
    const long double square = 1.0L - y * y;
    if (square < 0)
        throw FloatFailure(Kind::InvalidOperation);
    return std::sqrt(square);
}

// The field's number as a double: a value beyond the double range is an
// overflow, as storing the extended value in a double would be.
double fieldValue(std::string_view text)
{
    try {
        return StrToFloat(text);
    } catch (const ConversionError& e) {
        if (e.kind() == ConversionError::Kind::OutOfRange)
            throw FloatFailure(Kind::Overflow);
        throw;
    }
}

Report message(const char* text) { return {Presentation::InformationDialog, text, {}, Icon::None, true}; }

} // namespace

double degrees(Row row, double y)
{
    long double radians = 0;
    switch (row) {
    case Row::Arcsin:
        radians = std::atan2(static_cast<long double>(y), complement(y));
        break;
    case Row::Arccos:
        radians = std::atan2(complement(y), static_cast<long double>(y));
        break;
    case Row::Arctg:
        radians = std::atan(static_cast<long double>(y));
        break;
    case Row::Arcctg:
        if (y == 0)
            throw FloatFailure(Kind::DivideByZero);
        radians = std::atan(1.0L / y);
        break;
    }
    const double rounded = static_cast<double>(radians);
    return checked::toDouble(rounded * 180.0L / kPi);
}

Outcome press(Row row, std::string_view text)
{
    const RowTexts& texts = textsOf(row);
    double y = 0;
    try {
        y = fieldValue(text);
    } catch (const ConversionError&) {
        return {std::nullopt, message(texts.notANumber)};
    }
    try {
        std::string answer = texts.prefix;
        answer += text;
        answer += " = ";
        answer += FloatToStr(degrees(row, y));
        answer += " Град.";
        return {std::move(answer), std::nullopt};
    } catch (const FloatFailure&) {
        if (texts.invalid == nullptr)
            throw;
        return {std::nullopt, message(texts.invalid)};
    }
}

std::optional<std::string> nextCaption(int& counter)
{
    ++counter;
    if (counter >= 7) {
        counter = 0;
        return std::nullopt;
    }
    return "Вычисление arcsin arccos" + std::string(static_cast<std::size_t>(counter - 1), '.');
}

} // namespace vy::arc
