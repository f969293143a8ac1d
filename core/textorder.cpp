#include "core/textorder.h"

#include "core/cp1251.h"

#include <algorithm>
#include <array>
#include <string>

namespace vy {

namespace {

// Every name the program sorts is written in the single-byte Cyrillic code
// page, so the order is a rank per byte of that page. Classes are kept apart
// by the high bits of the rank.
constexpr int kOther = 0 << 9;
constexpr int kDigit = 1 << 9;
constexpr int kLatin = 2 << 9;
constexpr int kCyrillic = 3 << 9;
constexpr int kCyrillicOther = 4 << 9;

constexpr unsigned char kYoUpper = 0xA8;
constexpr unsigned char kYoLower = 0xB8;
constexpr unsigned char kALower = 0xE0;  // "а"
constexpr unsigned char kYeLower = 0xE5; // "е"

unsigned char foldCase(unsigned char b)
{
    if (b >= 'A' && b <= 'Z')
        return static_cast<unsigned char>(b + ('a' - 'A'));
    if (b >= 0xC0 && b <= 0xDF) // "А".."Я"
        return static_cast<unsigned char>(b + 0x20);
    if (b == kYoUpper)
        return kYoLower;
    return b;
}

// A byte whose character lies in the Cyrillic block (U+0400..U+04FF, UTF-8
// lead bytes 0xD0..0xD3).
bool isCyrillicLetter(unsigned char b)
{
    const std::string utf8 = cp1251::toUtf8(std::string(1, static_cast<char>(b)));
    const auto lead = static_cast<unsigned char>(utf8[0]);
    return lead >= 0xD0 && lead <= 0xD3;
}

int primaryRank(unsigned char b)
{
    b = foldCase(b);
    if (b >= '0' && b <= '9')
        return kDigit + b;
    if (b >= 'a' && b <= 'z')
        return kLatin + b;
    if (b >= kALower) {
        // Room between "е" and "ж" for "ё".
        const int place = 2 * (b - kALower);
        return kCyrillic + (b > kYeLower ? place + 2 : place);
    }
    if (b == kYoLower)
        return kCyrillic + 2 * (kYeLower - kALower) + 1;
    // Letters of the other Cyrillic alphabets follow the Russian one by their
    // byte; blanks, punctuation and symbols precede the digits.
    return (isCyrillicLetter(b) ? kCyrillicOther : kOther) + b;
}

const std::array<int, 256>& primaryRanks()
{
    static const std::array<int, 256> ranks = [] {
        std::array<int, 256> r{};
        for (int b = 0; b < 256; ++b)
            r[static_cast<std::size_t>(b)] = primaryRank(static_cast<unsigned char>(b));
        return r;
    }();
    return ranks;
}

bool isUpper(unsigned char b) { return foldCase(b) != b; }

int sign(long v) { return (v > 0) - (v < 0); }

} // namespace

int compareText(std::string_view a, std::string_view b)
{
    const std::array<int, 256>& rank = primaryRanks();
    const std::string x = cp1251::fromUtf8(a);
    const std::string y = cp1251::fromUtf8(b);
    const std::size_t common = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto cx = static_cast<unsigned char>(x[i]);
        const auto cy = static_cast<unsigned char>(y[i]);
        if (rank[cx] != rank[cy])
            return sign(rank[cx] - rank[cy]);
    }
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    for (std::size_t i = 0; i < common; ++i) {
        const bool upperX = isUpper(static_cast<unsigned char>(x[i]));
        const bool upperY = isUpper(static_cast<unsigned char>(y[i]));
        if (upperX != upperY)
            return upperX ? 1 : -1;
    }
    // The same in the code page; texts outside it still get a fixed order.
    return sign(a.compare(b));
}

} // namespace vy
