#pragma once
// The shape of a picture-shaped window, taken from its picture, and the rule by
// which such a picture follows the user's colour. Plain pixel arithmetic on
// 32-bit pixels (whatever their channel order), so it is tested without a
// window; the window turns the runs into its visible region.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vy {

// A picture's pixels, row after row; stride is the distance between two rows,
// counted in pixels.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    std::uint32_t& at(int x, int y) const { return pixels[y * stride + x]; }
};

// One maximal run of non-background pixels in row y, x in [left, right).
struct PixelRun {
    int y;
    int left;
    int right;
    bool operator==(const PixelRun&) const = default;
};

// The picture's top-left pixel is its background; every maximal run of other
// pixels in a row is one run. Row by row, left to right: the order a banded
// region is built in. An empty picture has no runs.
std::vector<PixelRun> opaqueRuns(const PixelView& picture);

// Where the picture is sampled for the colour it follows.
inline constexpr int kSampleX = 200;
inline constexpr int kSampleY = 200;

// The picture follows the user's colour: when its colour at the sample point
// differs from mainPixel (the main window's own colour), every pixel of that
// colour takes userColour. Returns whether anything changed; a picture too
// small to hold the sample point is left alone. Once it has followed, the
// next call with the same colours changes nothing.
bool followColour(const PixelView& picture, std::uint32_t mainPixel, std::uint32_t userColour);

} // namespace vy
