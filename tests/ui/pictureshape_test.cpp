// The shape of a picture-shaped window and its picture following the user's colour.
#include "ui/pictureshape.h"

#include <gtest/gtest.h>

#include <vector>

namespace vy {
namespace {

constexpr std::uint32_t B = 0xFFFF00FF; // the background, by being the top-left pixel
constexpr std::uint32_t X = 0xFF202020;
constexpr std::uint32_t Y = 0xFFC0C0C0;

TEST(PictureShape, EachRowsNonBackgroundRunsMakeTheShape)
{
    // Rows padded to a stride of 7 with pixels that must not count.
    std::vector<std::uint32_t> pixels = {
        B, B, X, Y, B, X, X, //
        X, B, B, B, X, X, X, //
        B, B, B, B, B, X, X, //
        Y, X, Y, X, Y, X, X, //
    };
    const PixelView picture{pixels.data(), 5, 4, 7};
    EXPECT_EQ(opaqueRuns(picture), (std::vector<PixelRun>{{0, 2, 4}, {1, 0, 1}, {1, 4, 5}, {3, 0, 5}}));
}

TEST(PictureShape, TheTopLeftPixelDecidesWhatIsBackground)
{
    std::vector<std::uint32_t> pixels = {
        X, X, B, //
        B, X, X, //
    };
    EXPECT_EQ(opaqueRuns({pixels.data(), 3, 2, 3}), (std::vector<PixelRun>{{0, 2, 3}, {1, 0, 1}}));
    EXPECT_TRUE(opaqueRuns({pixels.data(), 0, 0, 0}).empty());
}

TEST(PictureShape, ThePictureFollowsTheUsersColourOnce)
{
    constexpr std::uint32_t silver = 0xFFC0C0C0, green = 0xFF008000, edge = 0xFF404060;
    std::vector<std::uint32_t> pixels(210 * 205, silver);
    pixels[0] = B;
    pixels[5] = edge;
    const PixelView picture{pixels.data(), 210, 205, 210};

    // The main window still silver as the picture: nothing to do.
    EXPECT_FALSE(followColour(picture, silver, green));
    EXPECT_EQ(picture.at(200, 200), silver);

    // The main window has taken another colour: every silver pixel takes the user's.
    EXPECT_TRUE(followColour(picture, green, green));
    EXPECT_EQ(picture.at(200, 200), green);
    EXPECT_EQ(picture.at(209, 204), green);
    EXPECT_EQ(picture.at(0, 0), B);
    EXPECT_EQ(picture.at(5, 0), edge);

    // Opened again: already the main window's colour.
    EXPECT_FALSE(followColour(picture, green, green));
    // The user chooses yet another colour: it follows from the colour it has.
    EXPECT_TRUE(followColour(picture, 0xFF000080, 0xFF000080));
    EXPECT_EQ(picture.at(100, 100), 0xFF000080u);

    // Too small to be sampled at (200, 200): left alone.
    std::vector<std::uint32_t> small(200 * 200, silver);
    EXPECT_FALSE(followColour({small.data(), 200, 200, 200}, green, green));
    EXPECT_EQ(small[100], silver);
}

} // namespace
} // namespace vy
