#include "platform/jpegfile.h"

#include "core/filefail.h"
#include "tests/core/tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace vy::test {
namespace {

RgbImage noise(int width, int height)
{
    RgbImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    std::mt19937 random(7);
    for (auto& byte : image.pixels)
        byte = static_cast<std::uint8_t>(random());
    return image;
}

RgbImage filled(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    RgbImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i)
        image.pixels.insert(image.pixels.end(), {r, g, b});
    return image;
}

int channelDistance(const RgbImage& image, int x, int y, std::array<int, 3> rgb)
{
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 3;
    int worst = 0;
    for (int c = 0; c < 3; ++c)
        worst = std::max(worst, std::abs(image.pixels[at + c] - rgb[c]));
    return worst;
}

TEST(JpegFile, WrittenPictureReadsBackInSizeAndColour)
{
    TempFolder folder;
    RgbImage image = filled(340, 200, 255, 255, 255);
    for (int y = 50; y < 150; ++y)
        for (int x = 100; x < 240; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 3;
            image.pixels[at] = 200, image.pixels[at + 1] = 20, image.pixels[at + 2] = 40;
        }
    WriteJpegFile(folder / "p.jpg", image, 95);
    const RgbImage back = ReadJpegFile(folder / "p.jpg");
    EXPECT_EQ(back.width, 340);
    EXPECT_EQ(back.height, 200);
    EXPECT_LE(channelDistance(back, 170, 100, {200, 20, 40}), 6);
    EXPECT_LE(channelDistance(back, 10, 10, {255, 255, 255}), 2);
}

TEST(JpegFile, PictureLargerThanTheFirstBufferIsWhole)
{
    // Noise compresses badly, so the encoder has to grow its buffer many times.
    const std::vector<std::uint8_t> bytes = EncodeJpeg(noise(400, 400), 95);
    EXPECT_GT(bytes.size(), 2u * 64 * 1024);
    EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
    EXPECT_EQ(bytes.back(), 0xD9) << "the end-of-image marker";
    const RgbImage back = DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_EQ(back.width, 400);
    EXPECT_EQ(back.height, 400);
}

TEST(JpegFile, FaultsAreFailuresNotTheEndOfTheProcess)
{
    const std::string bmp = "BM not a picture at all";
    try {
        DecodeJpeg(reinterpret_cast<const std::uint8_t*>(bmp.data()), bmp.size());
        ADD_FAILURE() << "no failure";
    } catch (const JpegError& e) {
        EXPECT_STREQ(e.what(), "Not a JPEG file: starts with 0x42 0x4d");
    }
    EXPECT_THROW(DecodeJpeg(nullptr, 0), JpegError);
    EXPECT_THROW(EncodeJpeg(filled(70000, 1, 0, 0, 0), 95), JpegError) << "beyond the format's width";
    EXPECT_THROW(EncodeJpeg(RgbImage{2, 2, {1, 2, 3}}, 95), std::invalid_argument);

    // A cut-off picture is read as far as it goes; libjpeg only warns.
    std::vector<std::uint8_t> bytes = EncodeJpeg(noise(64, 64), 95);
    bytes.resize(bytes.size() * 3 / 4);
    EXPECT_EQ(DecodeJpeg(bytes.data(), bytes.size()).width, 64);
}

TEST(JpegFile, FileFailuresNameTheFile)
{
    TempFolder folder;
    const std::string missing = folder / "no folder/p.jpg";
    try {
        WriteJpegFile(missing, filled(8, 8, 0, 0, 0), 95);
        ADD_FAILURE() << "no failure";
    } catch (const FileCreateFailure& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + missing + "\". File not found");
    }
    EXPECT_THROW(ReadJpegFile(folder / "none.jpg"), FileFailure);
}

} // namespace
} // namespace vy::test
