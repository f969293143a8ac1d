#include "calc/tables.h"

#include "core/floatfail.h"
#include "core/numtext.h"

namespace vy::calc {

namespace {

// The work picture the logo is drawn into.
constexpr int kWorkWidth = 250;
constexpr int kWorkHeight = 70;

constexpr int kColdSpots = 1200;
constexpr int kColdest = 15; // a mean under this dies out
constexpr std::uint8_t kFullHeat = 255;

} // namespace

FireGrid LogoMask(const OneBitPicture& logo)
{
    FireGrid mask;
    for (int x = 1; x <= kWorkWidth; ++x)
        for (int y = 1; y <= kWorkHeight; ++y) {
            const int lx = x - 1 - kLogoLeft;
            const int ly = y - 1 - kLogoTop;
            if (lx >= 0 && lx < logo.width && ly >= 0 && ly < logo.height && logo.at(lx, ly))
                mask.at(x, y) = kFullHeat;
        }
    return mask;
}

void FireStep(FireGrid& f)
{
    for (int x = 5; x <= 250; ++x)
        for (int y = 1; y <= 70; ++y) {
            const int sum =
                f.at(x - 1, y) + f.at(x, y) + f.at(x + 1, y) + f.at(x - 1, y + 1) + f.at(x, y + 1) + f.at(x + 1, y + 1);
            const int mean = sum / 6;
            f.at(x, y) = static_cast<std::uint8_t>(mean >= kColdest ? mean : 0);
        }
}

void DrawFire(const FireGrid& heat, std::uint32_t* pixels, int pixelsPerRow)
{
    for (int x = kFireLeft; x <= kFireRight; ++x)
        for (int y = 0; y <= kFireBottom; ++y)
            if (const std::uint8_t red = heat.at(x, y); red != 0)
                pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(pixelsPerRow) +
                       static_cast<std::size_t>(x)] = 0xFF000000u | (std::uint32_t{red} << 16);
}

FireAnimation::FireAnimation(const OneBitPicture& logo, std::uint32_t seed) : mask_(LogoMask(logo)), random_(seed) {}

void FireAnimation::advance()
{
    std::uniform_int_distribution<int> column(0, kWorkWidth - 1);
    std::uniform_int_distribution<int> row(0, kWorkHeight - 1);
    for (int i = 0; i < kColdSpots; ++i) {
        const int x = column(random_) + 2;
        heat_.at(x, row(random_) + 2) = 0;
    }
    for (int x = kLogoLeft; x <= kFireRight; ++x)
        for (int y = kLogoTop; y <= kFireBottom; ++y)
            if (mask_.at(x, y) != 0)
                heat_.at(x, y) = mask_.at(x, y);
    FireStep(heat_);
}

std::array<double, kPowerCount> PowerRows(long double n)
{
    std::array<double, kPowerCount> rows{};
    for (int i = 0; i < kPowerCount; ++i) {
        const int k = kFirstPower + i;
        long double product = n;
        for (int factor = 2; factor <= k; ++factor)
            product = checked::mul(product, n);
        rows[static_cast<std::size_t>(i)] = checked::toDouble(product);
    }
    return rows;
}

std::optional<PowerTable> PowerTableFor(std::string_view text)
{
    long double n = 0;
    try {
        n = StrToFloatExt(text);
    } catch (const ConversionError& error) {
        if (error.kind() == ConversionError::Kind::OutOfRange)
            throw FloatFailure(FloatFailure::Kind::Overflow);
        return std::nullopt;
    }
    const std::array<double, kPowerCount> rows = PowerRows(n);
    PowerTable table;
    table.base = FloatToStr(n);
    for (std::size_t i = 0; i < rows.size(); ++i)
        table.values[i] = " = " + FloatToStr(rows[i]);
    return table;
}

} // namespace vy::calc
