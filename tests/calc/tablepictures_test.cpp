#include "platform/jpegfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The pictures of the tables decode with libjpeg at the size of their windows,
// and are pictures rather than blank paper.
TEST(TablePictures, DecodeAtTheirWindowsSize)
{
    const struct {
        const char* file;
        int width, height;
    } pictures[] = {
        {"identities.jpg", 384, 260},
        {"trigonometry.jpg", 628, 314},
        {"signs.jpg", 321, 194},
        {"logarithms.jpg", 328, 430},
    };
    for (const auto& p : pictures) {
        const std::vector<std::uint8_t> bytes = bytesOf(std::string(VY_TABLE_PICTURES) + p.file);
        ASSERT_FALSE(bytes.empty()) << p.file;
        const vy::RgbImage image = vy::DecodeJpeg(bytes.data(), bytes.size());
        EXPECT_EQ(image.width, p.width) << p.file;
        EXPECT_EQ(image.height, p.height) << p.file;
        ASSERT_TRUE(image.valid()) << p.file;
        std::size_t dark = 0; // ink: text and rules
        for (std::size_t i = 0; i < image.pixels.size(); i += 3)
            dark += image.pixels[i] + image.pixels[i + 1] + image.pixels[i + 2] < 300;
        EXPECT_GT(dark, image.pixels.size() / 3 / 50) << p.file;
    }
}

} // namespace
