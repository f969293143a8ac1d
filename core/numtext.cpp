#include "core/numtext.h"

#include "core/mathconst.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vy {

ConversionError::ConversionError(Kind kind, std::string message, std::string text)
    : std::runtime_error(std::move(message)), kind_(kind), text_(std::move(text))
{
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void notAFloat(std::string_view text, ConversionError::Kind kind)
{
    std::string t(text);
    throw ConversionError(kind, "'" + t + "' is not a valid floating point value", t);
}

// Beyond any exponent the extended type can reach. The exponent saturates
// this far beyond the text's own length: no run of mantissa digits can then
// bring a saturated exponent back into range, and the counter cannot overflow.
constexpr long kExponentCap = 100000;

constexpr long kMaxExactPower = kMaxExactPowerOfTen;
constexpr std::size_t kMaxExactDigits = 19; // any 19-digit integer fits the 64-bit mantissa

// The significant digits of a number text and its scale: value = digits * 10^scale.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    long scale = 0;
};

// Reads the whole text by the grammar, or returns false.
bool parseDecimal(std::string_view text, Decimal& d)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ')
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        d.negative = text[i] == '-';
        ++i;
    }
    std::size_t start = i;
    while (i < n && isDigit(text[i]))
        ++i;
    std::string_view whole = text.substr(start, i - start);
    std::string_view fraction;
    bool body = !whole.empty(); // a digit or the separator: the grammar needs one of them
    if (i < n && text[i] == ',') {
        body = true;
        start = ++i;
        while (i < n && isDigit(text[i]))
            ++i;
        fraction = text.substr(start, i - start);
    }
    if (!body)
        return false;
    long exponent = 0;
    const long exponentCap = kExponentCap + static_cast<long>(n);
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        while (i < n && isDigit(text[i])) {
            exponent = std::min(exponentCap, exponent * 10 + (text[i] - '0'));
            ++i;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return false;

    d.digits.reserve(whole.size() + fraction.size());
    d.digits.append(whole);
    d.digits.append(fraction);
    const std::size_t lead = d.digits.find_first_not_of('0');
    if (lead == std::string::npos) {
        d.digits.clear();
        return true;
    }
    d.digits.erase(0, lead);
    const std::size_t trail = d.digits.find_last_not_of('0');
    d.scale = exponent - static_cast<long>(fraction.size()) + static_cast<long>(d.digits.size() - 1 - trail);
    d.digits.resize(trail + 1);
    return true;
}

} // namespace

long double StrToFloatExt(std::string_view text)
{
    Decimal d;
    if (!parseDecimal(text, d))
        notAFloat(text, ConversionError::Kind::NotANumber);
    if (d.digits.empty())
        return d.negative ? -0.0L : 0.0L;

    long double value = 0.0L;
    if (d.digits.size() <= kMaxExactDigits && d.scale >= -kMaxExactPower && d.scale <= kMaxExactPower) {
        // Exact digits and an exact power of ten: one rounding, so the result is
        // the correctly rounded extended value without a general conversion.
        std::uint64_t m = 0;
        for (char c : d.digits)
            m = m * 10 + static_cast<std::uint64_t>(c - '0');
        const long double mantissa = static_cast<long double>(m);
        value = d.scale >= 0 ? mantissa * kExactPowersOfTen[d.scale] : mantissa / kExactPowersOfTen[-d.scale];
    } else {
        // std::from_chars is locale-free; it reads the digits with a point-free exponent.
        std::string plain = d.digits;
        plain += 'e';
        plain += std::to_string(d.scale);
        const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
        if (ec == std::errc::result_out_of_range) {
            // Beyond the extended range itself: huge is out of range. Tiny is
            // reported so too, also where the correctly rounded result is a
            // subnormal extended value rather than zero; the C library's
            // conversion gives that value (the text has no decimal point, so
            // the locale plays no part) and zero below it.
            if (d.scale + static_cast<long>(d.digits.size()) > 0)
                notAFloat(text, ConversionError::Kind::OutOfRange);
            value = std::strtold(plain.c_str(), nullptr);
        } else if (ec != std::errc() || end != plain.data() + plain.size()) {
            notAFloat(text, ConversionError::Kind::NotANumber);
        }
    }
    if (d.negative)
        value = -value;
    if (std::isinf(static_cast<double>(value)))
        notAFloat(text, ConversionError::Kind::OutOfRange);
    return value;
}

double StrToFloat(std::string_view text) { return static_cast<double>(StrToFloatExt(text)); }

std::optional<double> TryStrToFloat(std::string_view text) noexcept
{
    try {
        return StrToFloat(text);
    } catch (...) {
        return std::nullopt;
    }
}

bool TryStrToFloatExt(std::string_view text, long double& value)
{
    try {
        value = StrToFloatExt(text);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

std::int32_t StrToInt(std::string_view text)
{
    auto fail = [&]() -> std::int32_t {
        std::string t(text);
        throw ConversionError(ConversionError::Kind::NotANumber,
                              "'" + t + "' is not a valid integer value", t);
    };
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return fail();
    // Accumulate the magnitude; -2147483648 is one further than the largest positive.
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return fail();
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            return fail();
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

namespace {

// Values that are exact doubles (nearly all of them) take the double path,
// which is exact and much faster than the extended one.
bool isExactDouble(long double value)
{
    return static_cast<long double>(static_cast<double>(value)) == value;
}

template <typename... Format>
std::to_chars_result toChars(char* first, char* last, long double value, Format... format)
{
    if (isExactDouble(value))
        return std::to_chars(first, last, static_cast<double>(value), format...);
    return std::to_chars(first, last, value, format...);
}

// The library rounds exact halves to even; the platform's number texts round
// them away from zero (2,5 with no decimals is 3). w = a * 2^shift / 5^fives
// counts the magnitude a in halves of the last printed digit. a was an exact
// half that went down to even exactly when w is odd with (w - 1) / 2 even; as
// 5^fives = 1 (mod 4), that is t = a * 2^shift whole with t = 1 (mod 4) and,
// for fives > 0, divisible by 5^fives.
constexpr long double kExactPowersOfFive[] = {
    1.0L, 5.0L, 25.0L, 125.0L, 625.0L, 3125.0L, 15625.0L, 78125.0L, 390625.0L, 1953125.0L,
    9765625.0L, 48828125.0L, 244140625.0L, 1220703125.0L, 6103515625.0L, 30517578125.0L,
    152587890625.0L, 762939453125.0L, 3814697265625.0L, 19073486328125.0L, 95367431640625.0L,
    476837158203125.0L, 2384185791015625.0L, 11920928955078125.0L, 59604644775390625.0L,
    298023223876953125.0L, 1490116119384765625.0L, 7450580596923828125.0L};

bool halfRoundedDown(long double a, int shift, int fives)
{
    const long double t = std::ldexp(a, shift);
    if (std::floor(t) != t || std::fmod(t, 4.0L) != 1.0L)
        return false;
    if (fives <= 0)
        return true;
    // An odd whole t below 2^64 cannot hold a larger power of five.
    return fives < static_cast<int>(std::size(kExactPowersOfFive)) && std::fmod(t, kExactPowersOfFive[fives]) == 0;
}

const char* nonFinite(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    return nullptr;
}

} // namespace

std::string FloatToStr(long double value)
{
    if (const char* special = nonFinite(value))
        return special;
    if (value == 0.0L)
        return "0"; // negative zero too

    // "d.dddddddddddddde[+-]x": the value rounded correctly to 15 significant digits.
    char buffer[64];
    const auto result = toChars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char digits[15];
    int count = 0;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    ++p;
    const bool negativeExponent = *p == '-';
    int exponent10 = 0;
    std::from_chars(p + 1, result.ptr, exponent10);
    if (negativeExponent)
        exponent10 = -exponent10;
    // The last of 15 digits stands for 10^(exponent10 - 14); half of it is
    // 2^(exponent10 - 15) * 5^(exponent10 - 14). An even digit never carries.
    if ((digits[14] - '0') % 2 == 0 && halfRoundedDown(std::fabs(value), 15 - exponent10, exponent10 - 14))
        ++digits[14];
    while (count > 1 && digits[count - 1] == '0')
        --count;

    std::string out;
    out.reserve(24);
    if (negative)
        out += '-';
    const int e = exponent10 + 1; // value = 0.d1d2... * 10^e
    if (e >= -3 && e <= 15) {
        if (e <= 0) {
            out += "0,";
            out.append(static_cast<std::size_t>(-e), '0');
            out.append(digits, static_cast<std::size_t>(count));
        } else {
            const int whole = std::min(e, count);
            out.append(digits, static_cast<std::size_t>(whole));
            out.append(static_cast<std::size_t>(e - whole), '0');
            if (count > e) {
                out += ',';
                out.append(digits + e, static_cast<std::size_t>(count - e));
            }
        }
    } else {
        out += digits[0];
        if (count > 1) {
            out += ',';
            out.append(digits + 1, static_cast<std::size_t>(count - 1));
        }
        out += 'E';
        if (exponent10 < 0)
            out += '-';
        out += std::to_string(std::abs(exponent10));
    }
    return out;
}

std::string FormatFixed(long double value, int decimals)
{
    if (const char* special = nonFinite(value))
        return special;
    decimals = std::clamp(decimals, 0, 64);
    // Room for the largest extended value written out in full.
    std::string out(std::numeric_limits<long double>::max_exponent10 + 8 + decimals, '\0');
    const auto result = toChars(out.data(), out.data() + out.size(), value, std::chars_format::fixed, decimals);
    out.resize(static_cast<std::size_t>(result.ptr - out.data()));
    // Half of the last decimal is 2^-(decimals + 1) * 5^-decimals.
    if (halfRoundedDown(std::fabs(value), decimals + 1, -decimals))
        ++out.back();
    bool nonZero = false;
    for (char& c : out) {
        if (c == '.')
            c = ',';
        else if (c >= '1' && c <= '9')
            nonZero = true;
    }
    // A negative value that rounds to nothing is shown as plain zero, not "-0,00".
    if (!nonZero && !out.empty() && out[0] == '-')
        out.erase(0, 1);
    return out;
}

double RoundTripFixed(long double value, int decimals)
{
    // Below 10^13 the product with the power of ten is within 2^-21 of the
    // exact one, so when it lies further than 10^-6 from a half the written
    // digits are certain; reading them back is one correctly rounded quotient,
    // as StrToFloatExt does for exact digits. Near a half, and for large
    // values, the text itself decides.
    if (decimals >= 0 && decimals <= 8) {
        const long double scale = kExactPowersOfTen[static_cast<std::size_t>(decimals)];
        const long double scaled = std::fabs(value) * scale;
        if (scaled < 1e13L) {
            const long double whole = std::floor(scaled);
            const long double fraction = scaled - whole;
            if (std::fabs(fraction - 0.5L) > 1e-6L) {
                const long double digits = fraction > 0.5L ? whole + 1 : whole;
                if (digits == 0)
                    return 0.0; // a negative value that rounds to nothing is written "0"
                const long double read = digits / scale;
                return static_cast<double>(value < 0 ? -read : read);
            }
        }
    }
    return StrToFloat(FormatFixed(value, decimals));
}

std::string FormatGrouped(long double value, int decimals)
{
    const std::string fixed = FormatFixed(value, decimals);
    if (nonFinite(value))
        return fixed;
    const std::size_t start = fixed[0] == '-' ? 1 : 0;
    std::size_t wholeEnd = fixed.find(',');
    if (wholeEnd == std::string::npos)
        wholeEnd = fixed.size();
    static constexpr const char kNoBreakSpace[] = "\u00A0";
    std::string out(fixed, 0, start);
    for (std::size_t i = start; i < wholeEnd; ++i) {
        if (i > start && (wholeEnd - i) % 3 == 0)
            out += kNoBreakSpace;
        out += fixed[i];
    }
    out.append(fixed, wholeEnd);
    return out;
}

} // namespace vy
