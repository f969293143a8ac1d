#include "formula/numround.h"

#include "core/numtext.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace vy::formula {

using detail::kMaxExactPower;
using detail::nearest15;
using detail::scale;

bool detail::slowRoundTrip(long double v, long double& out)
{
    if (v == 0) {
        out = 0.0L; // "0", negative zero included
        return true;
    }
    return TryStrToFloatExt(FloatToStr(v), out);
}

namespace {

std::size_t copyText(const std::string& text, char* buffer)
{
    const std::size_t n = text.size() < kNumberTextCapacity ? text.size() : kNumberTextCapacity;
    std::memcpy(buffer, text.data(), n);
    return n;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::size_t numberText(long double v, char* buffer)
{
    if (v == 0) {
        buffer[0] = '0';
        return 1;
    }
    const long double a = std::fabs(v);
    long double rounded = 0;
    int k = 0;
    if (!std::isfinite(a) || !nearest15(a, rounded, k))
        return copyText(FloatToStr(v), buffer);

    auto m = static_cast<std::uint64_t>(rounded);
    // a = 0.d1d2... * 10^e
    int e = 15 - k;
    if (m == 1000000000000000ull) {
        m /= 10;
        ++e;
    }
    char digits[15];
    for (int i = 14; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + m % 10);
        m /= 10;
    }
    int count = 15;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    char* p = buffer;
    if (v < 0)
        *p++ = '-';
    if (e >= -3 && e <= 15) {
        if (e <= 0) {
            *p++ = '0';
            *p++ = ',';
            for (int i = 0; i < -e; ++i)
                *p++ = '0';
            for (int i = 0; i < count; ++i)
                *p++ = digits[i];
        } else {
            for (int i = 0; i < e; ++i)
                *p++ = i < count ? digits[i] : '0';
            if (count > e) {
                *p++ = ',';
                for (int i = e; i < count; ++i)
                    *p++ = digits[i];
            }
        }
    } else {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = ',';
            for (int i = 1; i < count; ++i)
                *p++ = digits[i];
        }
        *p++ = 'E';
        int x = e - 1;
        if (x < 0) {
            *p++ = '-';
            x = -x;
        }
        char exponent[8];
        int n = 0;
        do {
            exponent[n++] = static_cast<char>('0' + x % 10);
            x /= 10;
        } while (x != 0);
        while (n > 0)
            *p++ = exponent[--n];
    }
    return static_cast<std::size_t>(p - buffer);
}

bool readNumber(std::string_view text, long double& out)
{
    // The grammar of the standard conversion: blanks, sign, digits, separator and
    // digits, E and signed digits, blanks. A text it rejects is rejected here; a
    // value it accepts is computed here when at most 19 significant digits and a
    // small decimal exponent make one correctly rounded step possible.
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    bool body = false;
    bool quick = true;
    std::uint64_t mantissa = 0;
    int significant = 0;
    int scale10 = 0;
    auto digit = [&](char c, bool fraction) {
        if (mantissa == 0 && c == '0') {
            if (fraction)
                --scale10;
            return;
        }
        if (significant == 19) {
            quick = false;
            return;
        }
        mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
        ++significant;
        if (fraction)
            --scale10;
    };
    for (; i < n && isDigit(text[i]); ++i) {
        digit(text[i], false);
        body = true;
    }
    if (i < n && text[i] == ',') {
        body = true;
        for (++i; i < n && isDigit(text[i]); ++i)
            digit(text[i], true);
    }
    if (!body)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        int exponent = 0;
        int exponentDigits = 0;
        for (; i < n && isDigit(text[i]); ++i) {
            if (++exponentDigits <= 4)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentDigits > 4)
            quick = false;
        scale10 += negativeExponent ? -exponent : exponent;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return false;

    if (quick && mantissa == 0) {
        out = negative ? -0.0L : 0.0L;
        return true;
    }
    if (quick && scale10 >= -kMaxExactPower && scale10 <= kMaxExactPower) {
        const long double r = scale(static_cast<long double>(mantissa), scale10);
        out = negative ? -r : r;
        return true;
    }
    return TryStrToFloatExt(text, out);
}

} // namespace vy::formula
