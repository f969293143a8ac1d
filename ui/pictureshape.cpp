#include "ui/pictureshape.h"

namespace vy {

std::vector<PixelRun> opaqueRuns(const PixelView& picture)
{
    std::vector<PixelRun> runs;
    if (picture.width <= 0 || picture.height <= 0)
        return runs;
    const std::uint32_t background = picture.at(0, 0);
    for (int y = 0; y < picture.height; ++y) {
        const std::uint32_t* row = &picture.at(0, y);
        int x = 0;
        while (x < picture.width) {
            while (x < picture.width && row[x] == background)
                ++x;
            if (x == picture.width)
                break;
            const int left = x;
            while (x < picture.width && row[x] != background)
                ++x;
            runs.push_back({y, left, x});
        }
    }
    return runs;
}

bool followColour(const PixelView& picture, std::uint32_t mainPixel, std::uint32_t userColour)
{
    if (picture.width <= kSampleX || picture.height <= kSampleY)
        return false;
    const std::uint32_t own = picture.at(kSampleX, kSampleY);
    if (own == mainPixel || own == userColour)
        return false;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (picture.at(x, y) == own)
                picture.at(x, y) = userColour;
    return true;
}

} // namespace vy
