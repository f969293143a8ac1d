#include "calc/numberprops.h"

#include "core/divfail.h"
#include "core/numtext.h"

#include <numeric>

namespace vy::calc {

NegativeNumber::NegativeNumber(const std::string& text)
    : std::domain_error("Число " + text + " отрицательное. Введите натуральное число или 0")
{
}

namespace {

std::int32_t readNonNegative(std::string_view text)
{
    const std::int32_t n = StrToInt(text);
    if (n < 0)
        throw NegativeNumber(std::string(text));
    return n;
}

// The indent after a line break of the factor column, by N and the quotient q
// of the line just written.
const char* indentFor(std::int64_t n, std::int64_t q)
{
    if (n > 1000 && q >= 100)
        return "  ";
    if (n >= 1000 && q <= 10)
        return "    ";
    if (n > 100 && q >= 100)
        return "";
    if (n >= 100 && q <= 10)
        return "    ";
    if (n >= 10 && q == 17)
        return "";
    if (n >= 10 && n < 100 && q >= 10 && q <= 100)
        return "";
    if (n >= 10)
        return "  ";
    return "";
}

} // namespace

std::uint32_t smallestDivisor(std::uint32_t a, std::uint32_t from)
{
    if (from <= 2) {
        if (a % 2 == 0)
            return 2;
        from = 3;
    }
    for (std::uint64_t d = from | 1; d * d <= a; d += 2)
        if (a % d == 0)
            return static_cast<std::uint32_t>(d);
    return a;
}

std::string PrimeText(std::string_view text)
{
    const std::int32_t n = readNonNegative(text);
    if (n == 1)
        return "1 - простое число";
    const std::uint32_t d = n == 0 ? 2 : smallestDivisor(static_cast<std::uint32_t>(n));
    std::string result(text);
    result += d == static_cast<std::uint32_t>(n) ? " - простое " : " - действительное ";
    result += "  и натуральное.";
    return result;
}

std::string GcdText(std::string_view first, std::string_view second)
{
    const std::int32_t a = readNonNegative(first);
    const std::int32_t b = readNonNegative(second);
    if (a == 0 && b == 0)
        throw DivisionByZero();
    return "НОД (" + std::string(first) + "," + std::string(second) + ") = " + std::to_string(std::gcd(a, b));
}

std::string FactorText(std::int32_t n)
{
    if (n < 0)
        throw NegativeNumber(std::to_string(n));
    if (n == 0)
        return {};
    if (n == 1)
        return "1 | 1\r1 ";
    std::string text;
    std::uint32_t a = static_cast<std::uint32_t>(n);
    std::uint32_t d = 2;
    while (a != 1) {
        d = smallestDivisor(a, d);
        const std::uint32_t q = a / d;
        text += std::to_string(a) + " | " + std::to_string(d) + "\r" + indentFor(n, q);
        a = q;
    }
    text += "1 | ";
    return text;
}

} // namespace vy::calc
