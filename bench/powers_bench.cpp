// One press of the power window in its slowest cases: the largest whole
// exponent (31 squarings), a real exponent, a root; and the compound percent.
#include "calc/percent.h"
#include "calc/power.h"

#include <benchmark/benchmark.h>

namespace {

void powerPress(benchmark::State& state, vy::power::Mode mode, const char* number, const char* degree)
{
    for (auto _ : state) {
        const vy::power::Inputs inputs = vy::power::readInputs(number, degree);
        benchmark::DoNotOptimize(vy::power::compute(mode, inputs.x, inputs.y));
    }
}
BENCHMARK_CAPTURE(powerPress, largest_whole_exponent, vy::power::Mode::Power, "1,0000001", "2147483647");
BENCHMARK_CAPTURE(powerPress, negative_whole_exponent, vy::power::Mode::Power, "0,9999999", "-2147483647");
BENCHMARK_CAPTURE(powerPress, real_exponent, vy::power::Mode::Power, "2", "0,5");
BENCHMARK_CAPTURE(powerPress, odd_root_of_negative, vy::power::Mode::Power, "-8", "0,3333333");
BENCHMARK_CAPTURE(powerPress, root, vy::power::Mode::Root, "27", "3");

void compoundPercent(benchmark::State& state)
{
    vy::percent::CompoundPercent compound;
    vy::percent::CompoundInput input;
    input.number = "1000";
    input.percents[0] = input.percents[1] = input.percents[2] = "10";
    input.fourElements = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(compound.press(input, ""));
}
BENCHMARK(compoundPercent);

} // namespace
