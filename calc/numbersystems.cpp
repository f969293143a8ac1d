#include "calc/numbersystems.h"

#include "core/numtext.h"
#include "core/rangefail.h"

#include <limits>

namespace vy::numsys {

namespace {

[[noreturn]] void notAnInteger(std::string_view text)
{
    std::string t(text);
    throw ConversionError(ConversionError::Kind::NotANumber, "'" + t + "' is not a valid integer value", t);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::int32_t ParseDecimal(std::string_view text) { return StrToInt(text); }

std::int32_t ParseBinary(std::string_view text)
{
    if (text.empty())
        notAnInteger(text);
    for (char c : text)
        if (c < '0' || c > '9')
            notAnInteger(text);
    // Whole weights below 2^31 times single digits: exact in 64 bits, so this is
    // the extended-precision sum without its rounding. A non-zero character at
    // weight 2^31 or beyond already leaves the range; zeros there weigh nothing.
    std::int64_t sum = 0;
    std::size_t k = 0;
    for (auto it = text.rbegin(); it != text.rend(); ++it, ++k) {
        const int digit = *it - '0';
        if (digit == 0)
            continue;
        if (k >= 31)
            throw RangeFailure();
        sum += static_cast<std::int64_t>(digit) << k;
    }
    if (sum > std::numeric_limits<std::int32_t>::max())
        throw RangeFailure();
    return static_cast<std::int32_t>(sum);
}

std::int32_t ParseHex(std::string_view text)
{
    const std::string marked = "$" + std::string(text);
    if (text.empty())
        notAnInteger(marked);
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0 || value > 0x0FFFFFFFu)
            notAnInteger(marked);
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::string FormatDecimal(std::int32_t n) { return std::to_string(n); }

std::string FormatBinary(std::int32_t n)
{
    const auto bits = static_cast<std::uint32_t>(n);
    std::string out(31, ' ');
    bool seenOne = false;
    for (int bit = 30; bit >= 0; --bit) {
        const bool one = (bits >> bit & 1u) != 0;
        seenOne = seenOne || one;
        if (seenOne)
            out[static_cast<std::size_t>(30 - bit)] = one ? '1' : '0';
    }
    return out;
}

std::string FormatHex(std::int32_t n)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    auto bits = static_cast<std::uint32_t>(n);
    std::string out;
    do {
        out.insert(out.begin(), kDigits[bits & 0xFu]);
        bits >>= 4;
    } while (bits != 0);
    if (out.size() < 2)
        out.insert(out.begin(), '0');
    if (out[0] == '0')
        out[0] = ' ';
    return out;
}

namespace {

struct NotationOps {
    std::int32_t (*parse)(std::string_view);
    std::string (*format)(std::int32_t);
};

// In the order of Notation.
constexpr NotationOps kOps[] = {
    {ParseDecimal, FormatDecimal}, {ParseBinary, FormatBinary}, {ParseHex, FormatHex}};

const NotationOps& opsOf(Notation notation) { return kOps[static_cast<std::size_t>(notation)]; }

} // namespace

std::int32_t Parse(Notation from, std::string_view text) { return opsOf(from).parse(text); }

std::string Format(Notation to, std::int32_t n) { return opsOf(to).format(n); }

} // namespace vy::numsys
