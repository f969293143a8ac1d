#pragma once
// The reference tables' computations: the fire that burns around the word
// "ТАБЛИЦЫ" on the tables window, and the powers of a number for the table of
// powers. No Qt: the window only turns the heat into pixels on its picture.
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace vy::calc {

// A grid of bytes indexed [x][y], x to the right and y downwards: the heat of
// the fire, or the mask of the letters. The fire reads at most one cell beyond
// x = 250 and y = 70, so 252 columns and 72 rows hold every cell it touches.
class FireGrid {
public:
    static constexpr int kColumns = 252;
    static constexpr int kRows = 72;

    std::uint8_t& at(int x, int y) { return cells_[static_cast<std::size_t>(x * kRows + y)]; }
    std::uint8_t at(int x, int y) const { return cells_[static_cast<std::size_t>(x * kRows + y)]; }
    bool operator==(const FireGrid&) const = default;

private:
    std::array<std::uint8_t, kColumns * kRows> cells_{};
};

// A picture of one bit per pixel, rows from the top: the logo of the word.
struct OneBitPicture {
    int width = 0;
    int height = 0;
    std::vector<bool> bits; // row by row, true where the pixel is set (white)

    bool at(int x, int y) const { return bits[static_cast<std::size_t>(y * width + x)]; }
};

// The logo's size and where it lies in the work picture of 250 x 70 pixels.
inline constexpr int kLogoWidth = 235;
inline constexpr int kLogoHeight = 55;
inline constexpr int kLogoLeft = 10;
inline constexpr int kLogoTop = 14;

// The mask of the letters: the logo drawn at (10, 14) into a black work picture
// of 250 x 70, and L[x][y] (x = 1..250, y = 1..70) the red of the work
// picture's pixel (x - 1, y - 1): 255 on the letters, 0 elsewhere. Whatever
// of the logo falls outside the work picture is cut off.
FireGrid LogoMask(const OneBitPicture& logo);

// One cooling-and-rising step, in place: for x = 5..250 (outer) and y = 1..70
// (inner) the cell becomes the mean of itself, its two neighbours in the row
// and the three cells below, or 0 when that mean is under 15. The column to
// the left has already been updated when a cell reads it, so heat is carried
// to the right within one step as well as upwards.
void FireStep(FireGrid& heat);

// The part of the client area the fire paints: x = 10..250, y = 0..70.
inline constexpr int kFireLeft = 10;
inline constexpr int kFireRight = 250;
inline constexpr int kFireBottom = 70;

// Paints every burning cell of the fire's part as the pixel (x, y) in pure red
// of its heat (0xFFrr0000); cells that are 0 leave their pixel as it was, so a
// pixel keeps its last red until the picture is wiped. pixels holds rows of
// pixelsPerRow 32-bit pixels and must reach at least 251 x 71.
void DrawFire(const FireGrid& heat, std::uint32_t* pixels, int pixelsPerRow);

// The fire of one painting loop: the heat, the mask of the letters and the
// random cold spots.
class FireAnimation {
public:
    FireAnimation(const OneBitPicture& logo, std::uint32_t seed);

    // One frame's computation: 1200 random cells in x = 2..251, y = 2..71
    // go cold, the letters are set to full heat again, then one FireStep.
    void advance();

    const FireGrid& heat() const { return heat_; }
    const FireGrid& mask() const { return mask_; }

private:
    FireGrid heat_;
    FireGrid mask_;
    std::mt19937 random_;
};

// The exponents of the powers table: 2 .. 10.
inline constexpr int kFirstPower = 2;
inline constexpr int kPowerCount = 9;

// n^k for k = 2 .. 10, each a product of k factors n in extended precision
// rounded to a double. A power beyond the double range (|n| above about
// 6,7E30 for the 10th) throws vy::FloatFailure (overflow).
std::array<double, kPowerCount> PowerRows(long double n);

// What the powers table shows for a number: the base in the standard form and
// each value as " = " + the power in the standard form.
struct PowerTable {
    std::string base;
    std::array<std::string, kPowerCount> values;
    bool operator==(const PowerTable&) const = default;
};

// The table for the text typed: nothing when the text is not a number (a lone
// "-" while a negative number is being typed), so the table stays as it was.
// A number beyond the double range overflows like its powers would.
std::optional<PowerTable> PowerTableFor(std::string_view text);

} // namespace vy::calc
