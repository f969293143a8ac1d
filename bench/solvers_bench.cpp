// The equation solver's finest scan, Simpson's rule at the finest precision, and
// how fast the search worker reacts to pause and cancel.
#include "solvers/equation.h"
#include "solvers/integral.h"
#include "solvers/searchrunner.h"
#include "tests/support/postqueue.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Takes what a search shows and drops it, as cheaply as a host can.
class QuietHost final : public vy::SearchHost {
public:
    void setProgressRange(long double) override {}
    void stepProgress() override { ++steps; }
    void setProgressPosition(long double) override {}
    void fillProgress() override {}
    void searchRunning() override {}
    void busyCursor() override {}
    vy::DialogReply ask(const vy::SearchDialog&) override { return vy::DialogReply::No; }
    bool proceed() override { return true; }
    long steps = 0;

protected:
    void answerChanged() override {}
};

class QuietView final : public vy::SearchView {
public:
    void update(const vy::SearchUpdate&) override { ++updates; }
    void dialog(const vy::SearchDialog&, std::function<void(vy::DialogReply)>) override {}
    void finished(const std::string&) override { done = true; }
    std::atomic<long> updates{0};
    std::atomic<bool> done{false};
};

// Step 0,00001 from -10 to 10: 2 000 001 points through the compiled evaluator.
void BM_FinestScan(benchmark::State& state)
{
    const vy::Equation f("sin(x)*x-0,5");
    for (auto _ : state) {
        QuietHost host;
        vy::ScanForRoots(f, "-10", "10", 5, false, host);
        benchmark::DoNotOptimize(host.answer());
        state.counters["points"] = static_cast<double>(host.steps);
    }
}
BENCHMARK(BM_FinestScan)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same scan on the worker thread, with its throttled updates to a window.
void BM_FinestScanOnTheWorker(benchmark::State& state)
{
    const vy::SearchRequest request{vy::SearchMethod::Scan, "sin(x)*x-0,5", "-10", "10", 5, false};
    for (auto _ : state) {
        QuietView view;
        vy::test::PostQueue queue;
        vy::SearchRunner runner(queue.post(), view);
        runner.start([&](vy::SearchHost& host) { vy::RunEquationSearch(request, host); }, "");
        queue.pumpUntil([&] { return view.done.load(); }, std::chrono::minutes(1));
        state.counters["updates"] = static_cast<double>(view.updates);
    }
}
BENCHMARK(BM_FinestScanOnTheWorker)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_SimpsonSine(benchmark::State& state)
{
    const vy::Integrand f("sin(x)", 0, 100);
    for (auto _ : state)
        benchmark::DoNotOptimize(vy::SimpsonIntegral(f, 0, 100, 0.0000001));
}
BENCHMARK(BM_SimpsonSine)->Unit(benchmark::kMillisecond);

// A search that runs until it is stopped, counting its points.
struct Endless {
    std::atomic<long>* points;
    void operator()(vy::SearchHost& host) const
    {
        const vy::Equation f("sin(x)*x-0,5");
        for (double x = 0;; x += 1e-5) {
            host.stepProgress();
            vy::checkpoint(host);
            benchmark::DoNotOptimize(f.value(x));
            ++*points;
        }
    }
};

// From pause() until the worker is held at a point; then how many points it
// passes while paused (should be none).
void BM_PauseLatency(benchmark::State& state)
{
    QuietView view;
    vy::test::PostQueue queue;
    std::atomic<long> points{0};
    vy::SearchRunner runner(queue.post(), view);
    runner.start(Endless{&points}, "");
    while (points < 1000)
        std::this_thread::yield();
    long passedWhilePaused = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        runner.pause();
        while (!runner.holding())
            std::this_thread::yield();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        const long held = points;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        passedWhilePaused += points - held;
        runner.resume();
        const long resumed = points;
        while (points == resumed)
            std::this_thread::yield();
    }
    state.counters["points_while_paused"] = static_cast<double>(passedWhilePaused);
    runner.cancel();
}
BENCHMARK(BM_PauseLatency)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(200);

// From cancel() until the worker has been joined: the window is idle again.
void BM_CancelLatency(benchmark::State& state)
{
    QuietView view;
    vy::test::PostQueue queue;
    for (auto _ : state) {
        std::atomic<long> points{0};
        vy::SearchRunner runner(queue.post(), view);
        runner.start(Endless{&points}, "");
        while (points < 1000)
            std::this_thread::yield();
        const auto start = Clock::now();
        runner.cancel();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}
BENCHMARK(BM_CancelLatency)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(200);

} // namespace
