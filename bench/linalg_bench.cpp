// The determinant and the n-equation solve on random matrices, and the memory
// they need. One line per size, the least processor time of three runs (the
// machine is shared, so wall time says more about the neighbours than about
// the code; the work is single-threaded either way):
//   linalg det n=200: X s
//   linalg solve n=200: X s
// then the peak resident size of the process around the n = 400 runs (work
// memory that grows as n^2: an n = 400 buffer is 1,25 MiB), and the solve with
// one full determinant per root for comparison.
#include "core/numtext.h"
#include "linalg/matrix.h"
#include "linalg/systemn.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <random>
#include <string>

namespace {

constexpr int kRepetitions = 3;

// Entries uniform in [-0,5; 0,5]: the determinants of n = 400 stay in range.
std::uniform_real_distribution<double> entries(-0.5, 0.5);

vy::TMatrix randomMatrix(std::size_t n, std::mt19937_64& random)
{
    vy::TMatrix m(n, n);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            m[i][j] = entries(random);
    return m;
}

vy::SystemCells randomSystem(std::size_t n, std::mt19937_64& random)
{
    vy::SystemCells cells(n);
    for (std::size_t r = 0; r < n; ++r)
        for (std::size_t c = 0; c <= n; ++c)
            cells.at(c, r) = vy::FloatToStr(entries(random));
    return cells;
}

double processorSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The least processor time of a few runs, in seconds.
double best(int runs, const std::function<void()>& work)
{
    double least = 1e300;
    for (int i = 0; i < runs; ++i) {
        const double start = processorSeconds();
        work();
        least = std::min(least, processorSeconds() - start);
    }
    return least;
}

// VmHWM of /proc/self/status in MiB, and a reset of it (clear_refs 5).
double peakResidentMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

bool resetPeakResident()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

vy::MessageSink nowhere() { return [](const std::string&) {}; }

} // namespace

int main()
{
    std::mt19937_64 random(12345);
    volatile double sink = 0;

    for (std::size_t n : {100, 200, 400}) {
        const vy::TMatrix m = randomMatrix(n, random);
        const double seconds = best(kRepetitions, [&] { sink = vy::DetMatrix(m, nowhere()); });
        std::printf("linalg det n=%zu: %.4f s\n", n, seconds);
    }
    for (std::size_t n : {50, 100, 200}) {
        const vy::SystemCells cells = randomSystem(n, random);
        const double seconds = best(kRepetitions, [&] { sink = vy::SolveSystem(cells).roots.size(); });
        std::printf("linalg solve n=%zu: %.4f s\n", n, seconds);
    }

    // Memory: the peak is reset before each n = 400 run, so it is that run's own.
    const std::size_t n = 400;
    const vy::TMatrix m = randomMatrix(n, random);
    const vy::SystemCells cells = randomSystem(n, random);
    const double before = peakResidentMiB();
    const bool reset = resetPeakResident();
    sink = vy::DetMatrix(m, nowhere());
    const double detPeak = peakResidentMiB();
    resetPeakResident();
    const double solveSeconds = best(1, [&] { sink = vy::SolveSystem(cells).roots.size(); });
    const double solvePeak = peakResidentMiB();
    std::printf("linalg det n=400 peak resident: %.1f MiB\n", reset ? detPeak : before);
    std::printf("linalg solve n=400 peak resident: %.1f MiB (solve %.2f s)\n", solvePeak, solveSeconds);
    if (!reset)
        std::printf("(the peak could not be reset: both figures include the runs before)\n");
    std::printf("(before the n = 400 runs, with their inputs built: %.1f MiB)\n", before);

    const vy::SystemCells cells200 = randomSystem(200, random);
    std::printf("linalg solve n=200, one determinant per root: %.4f s\n",
                best(1, [&] { sink = vy::SolveSystemPlain(cells200).roots.size(); }));
    (void)sink;
    return 0;
}
