// The reference tables: one frame of the fire as the painting loop makes it
// (cold spots, letters, FireStep, then the red pixels of a 270 x 90 picture),
// which must stay far below the loop's own 10 ms of pauses per frame; and the
// table of powers recomputed at each keystroke.
#include "calc/tables.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

vy::calc::OneBitPicture barLogo()
{
    vy::calc::OneBitPicture logo{vy::calc::kLogoWidth, vy::calc::kLogoHeight, {}};
    logo.bits.resize(static_cast<std::size_t>(logo.width * logo.height));
    for (int y = 5; y < 50; ++y) // a rough word: upright bars over the whole width
        for (int x = 0; x < logo.width; ++x)
            logo.bits[static_cast<std::size_t>(y * logo.width + x)] = x % 34 < 8 || y < 12;
    return logo;
}

void BM_FireFrame(benchmark::State& state)
{
    vy::calc::FireAnimation fire(barLogo(), 1);
    std::vector<std::uint32_t> picture(270 * 90, 0xFF000000u);
    for (auto _ : state) {
        fire.advance();
        vy::calc::DrawFire(fire.heat(), picture.data(), 270);
        benchmark::DoNotOptimize(picture.data());
    }
}
BENCHMARK(BM_FireFrame)->Unit(benchmark::kMicrosecond);

void BM_PowerTable(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(vy::calc::PowerTableFor("-123456,789"));
}
BENCHMARK(BM_PowerTable)->Unit(benchmark::kMicrosecond);

} // namespace
