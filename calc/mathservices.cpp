#include "calc/mathservices.h"

#include "core/numtext.h"
#include "core/rangefail.h"

#include <limits>
#include <stdexcept>

namespace vy::calc {

std::function<void(double)> FactorialProgress;

namespace {

// The characters of a UTF-8 text, each as the bytes of one code point, so that
// a failure names the whole character.
std::vector<std::string_view> characters(std::string_view text)
{
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        len = std::min(len, text.size() - i);
        chars.push_back(text.substr(i, len));
        i += len;
    }
    return chars;
}

std::int32_t digitOf(std::string_view character) { return StrToInt(character); }

// Element i of the result is chars[last - i], for i = 0 .. count - 1.
TMathArray readBackwards(const std::vector<std::string_view>& chars, std::size_t last, std::size_t count)
{
    TMathArray digits(count);
    for (std::size_t i = 0; i < count; ++i)
        digits[i] = digitOf(chars[last - i]);
    return digits;
}

// The elements from the top down, each in decimal.
std::string writeDigits(const TMathArray& digits)
{
    std::string text;
    for (std::size_t i = digits.size(); i-- > 0;)
        text += std::to_string(digits[i]);
    return text;
}

} // namespace

void StrToNumber(std::string_view text, TNumber& number)
{
    if (text.empty()) {
        number.IntDigits.clear();
        number.FracDigits.clear();
        return;
    }
    std::uint8_t positive = 1;
    if (text.front() == '-') {
        positive = 0;
        text.remove_prefix(1);
    }
    const std::vector<std::string_view> chars = characters(text);
    const std::size_t n = chars.size();
    std::size_t point = 0; // 1-based position of the first ".", 0 for none
    for (std::size_t i = 0; i < n && point == 0; ++i)
        if (chars[i] == ".")
            point = i + 1;

    TMathArray intDigits, fracDigits;
    if (point == 0) {
        intDigits = readBackwards(chars, n - 1, n);
    } else {
        intDigits = readBackwards(chars, point - 2, point - 1);
        fracDigits = readBackwards(chars, n - 1, n - point);
    }
    number.IntDigits = std::move(intDigits);
    number.FracDigits = std::move(fracDigits);
    number.Positive = positive;
}

int NumberToDigits(const TNumber& number, TMathArray& flat)
{
    flat.assign(number.FracDigits.begin(), number.FracDigits.end());
    flat.insert(flat.end(), number.IntDigits.begin(), number.IntDigits.end());
    return static_cast<int>(number.FracDigits.size());
}

void DigitsToNumber(TNumber& number, const TMathArray& flat, int f, std::uint8_t positive)
{
    if (f < 0 || static_cast<std::size_t>(f) > flat.size())
        throw RangeFailure();
    number.FracDigits.assign(flat.begin(), flat.begin() + f);
    number.IntDigits.assign(flat.begin() + f, flat.end());
    number.Positive = positive;
}

void MultiplyDigits(const TMathArray& A, const TMathArray& B, TMathArray& P)
{
    if (!A.empty() && !B.empty() && P.size() < A.size() + B.size() - 1)
        throw RangeFailure();
    std::vector<std::int64_t> sum(P.begin(), P.end());
    for (std::size_t i = B.size(); i-- > 0;)
        for (std::size_t j = A.size(); j-- > 0;)
            if (__builtin_add_overflow(sum[i + j], static_cast<std::int64_t>(B[i]) * A[j], &sum[i + j]))
                throw std::overflow_error("Integer overflow");

    // Carrying a single 1 per element and pass, pass after pass, until nothing
    // moves, ends where this one sweep ends: an element that reaches x > 9
    // keeps x mod 10 and hands x div 10 upwards, and an element of 9 or less
    // (a negative one included) is left alone.
    std::int64_t carry = 0;
    for (std::size_t k = 0; k < sum.size() || carry; ++k) {
        if (k == sum.size())
            sum.push_back(0);
        const std::int64_t x = sum[k] + carry;
        carry = x > 9 ? x / 10 : 0;
        sum[k] = x > 9 ? x % 10 : x;
        if (sum[k] < std::numeric_limits<std::int32_t>::min())
            throw std::overflow_error("Integer overflow");
    }
    P.assign(sum.begin(), sum.end());
}

std::string NumberToStr(TNumber& number)
{
    std::string text = writeDigits(number.IntDigits);
    if (!number.FracDigits.empty())
        text += "." + writeDigits(number.FracDigits);
    std::size_t lead = 0;
    while (text.size() - lead >= 2 && text[lead] == '0')
        ++lead;
    text.erase(0, lead);
    if (text.find('.') != std::string::npos)
        while (text.size() >= 2 && text.back() == '0')
            text.pop_back();
    if (number.Positive == 0)
        text.insert(0, "-");
    ClearNumber(number);
    return text;
}

void ClearNumber(TNumber& number)
{
    TMathArray().swap(number.IntDigits);
    TMathArray().swap(number.FracDigits);
}

std::string Factorial(std::string_view text) { return Factorial(text, FactorialProgress); }

std::string Factorial(std::string_view text, const ProgressHook& hook)
{
    const std::int32_t n = StrToInt(text);
    if (n <= 0)
        return "1";
    return factorialText(static_cast<std::uint32_t>(n), hook);
}

} // namespace vy::calc
