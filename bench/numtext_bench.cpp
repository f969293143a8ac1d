// Number texts are on the formula evaluator's inner loop: every intermediate
// value is written with FloatToStr and read back with StrToFloat.
#include "core/numtext.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<long double> sampleValues()
{
    std::vector<long double> values;
    double v = 1.0 / 3.0;
    for (int i = 0; i < 256; ++i) {
        values.push_back(v);
        v = v * -7.3 + 0.1;
        if (v > 1e250 || v < -1e250)
            v = 1e-20 / 7;
    }
    return values;
}

void FloatToStrDouble(benchmark::State& state)
{
    const auto values = sampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vy::FloatToStr(values[i++ & 255]));
    }
}
BENCHMARK(FloatToStrDouble);

void FloatToStrExtended(benchmark::State& state)
{
    auto values = sampleValues();
    for (auto& v : values)
        v /= 3.0L; // no longer exact doubles
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vy::FloatToStr(values[i++ & 255]));
    }
}
BENCHMARK(FloatToStrExtended);

void StrToFloatStandardTexts(benchmark::State& state)
{
    std::vector<std::string> texts;
    for (long double v : sampleValues())
        texts.push_back(vy::FloatToStr(v));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vy::StrToFloatExt(texts[i++ & 255]));
    }
}
BENCHMARK(StrToFloatStandardTexts);

void FormatFixedFiveDecimals(benchmark::State& state)
{
    const auto values = sampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vy::FormatFixed(values[i++ & 255] * 1e-240L, 5));
    }
}
BENCHMARK(FormatFixedFiveDecimals);

} // namespace
