// The simple plotter's drawing steps: all 341 columns of a formula, evaluated
// on the compiled path, turned into the steps the window replays.
#include "plot/simpleplot.h"

#include <benchmark/benchmark.h>

namespace {

void SimplePlotSteps(benchmark::State& state, const char* formula, bool grid)
{
    for (auto _ : state) {
        vy::PlotDrawing drawing = vy::SimplePlotDrawing(formula, grid, 340, 340, 50);
        benchmark::DoNotOptimize(drawing.area.data());
    }
}

BENCHMARK_CAPTURE(SimplePlotSteps, diagonal, "x", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SimplePlotSteps, trigonometric_with_grid, "3*sin(2*x)+cos(x)^2-x/4", true)
    ->Unit(benchmark::kMicrosecond);

} // namespace
