#include "formula/numround.h"

#include "core/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace vy::formula {

namespace {

// Every power of ten up to 10^27 is exact in the extended type (5^27 < 2^64), so
// a product or quotient by one of them is correctly rounded in one step: the
// same result as the correctly rounded conversion of the decimal text.
constexpr int kMaxExactPower = 27;
constexpr long double kPow10[kMaxExactPower + 1] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// value * 10^k with k in [-27; 27], one rounding.
long double scale(long double value, int k)
{
    return k >= 0 ? value * kPow10[k] : value / kPow10[-k];
}

// The binary exponent of a positive normal value, read from its bits.
int binaryExponent(long double v)
{
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &v, sizeof bytes);
    const int biased = (bytes[9] & 0x7f) << 8 | bytes[8];
    return biased - 16383;
}

// The nearest 15-digit decimal of a positive finite a: a ~ digits * 10^-k with
// 10^14 <= digits <= 10^15. False when a lies so near the middle between two
// such decimals that one rounding step cannot tell which is nearer, or when
// 10^k is not exact; the caller then takes the reference route.
bool nearest15(long double a, long double& digits, int& k)
{
    const int e2 = binaryExponent(a);
    // floor(e2 * log10 2); the decimal exponent of a is this or one more.
    const int d = static_cast<int>((static_cast<std::int64_t>(e2) * 1292913986) >> 32);
    k = 14 - d;
    if (k < -kMaxExactPower || k > kMaxExactPower)
        return false;
    long double t = scale(a, k);
    if (t >= 1e15L) {
        if (--k < -kMaxExactPower)
            return false;
        t = scale(a, k);
    } else if (t < 1e14L) {
        if (++k > kMaxExactPower)
            return false;
        t = scale(a, k);
    }
    // t < 2^50, so adding 2^63 leaves an ulp of one: round to the nearest integer.
    constexpr long double kRound = 0x1p63L;
    const long double r = (t + kRound) - kRound;
    // t is within half an ulp (2^-15) of a * 10^k; keep well clear of the midpoint.
    if (std::fabs(t - r) > 0.4999L)
        return false;
    digits = r;
    return true;
}

bool slowRoundTrip(long double v, long double& out)
{
    try {
        out = StrToFloatExt(FloatToStr(v));
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

std::size_t copyText(const std::string& text, char* buffer)
{
    const std::size_t n = text.size() < kNumberTextCapacity ? text.size() : kNumberTextCapacity;
    std::memcpy(buffer, text.data(), n);
    return n;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool roundTrip(long double v, long double& out)
{
    if (v == 0) {
        out = 0.0L; // "0", negative zero included
        return true;
    }
    const long double a = std::fabs(v);
    long double digits = 0;
    int k = 0;
    if (std::isfinite(a) && nearest15(a, digits, k)) {
        const long double r = scale(digits, -k);
        out = v < 0 ? -r : r;
        return true;
    }
    return slowRoundTrip(v, out);
}

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
    try {
        out = StrToFloatExt(text);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

} // namespace vy::formula
