// Evaluations per second of the formula evaluator's two paths over the 2 000 001
// points of the equation solver's finest scan (x from -10 in steps of 0,00001),
// with muparser, a general-purpose evaluator without the 15-digit rounding, as
// a reference line when it is installed. After the runs one line per formula
// gives the three times and the ratio of the compiled path to muparser.
#include "formula/formula.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#ifdef VY_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

constexpr int kPoints = 2000001;
constexpr long double kStart = -10.0L;
constexpr long double kStep = 0.00001L;
// The compiled path and muparser are each measured this many times; the
// summary takes the least processor time of each.
constexpr int kRepetitions = 3;

struct Formula {
    const char* text;
    // The same function for muparser. "2x" glues the digits of x to a 2: 23 at
    // x = 3, 20,5 at 0,5, 210 at 10; a negative x does not read as a number.
    const char* reference;
};

const Formula kFormulas[] = {
    {"x-5", "x-5"},
    {"sin(x)*x-0,5", "sin(x)*x-0.5"},
    {"x^3-2*x^2+x-1", "x^3-2*x^2+x-1"},
    {"sqrt(|x|)+ln(x^2+1)*cos(x)", "sqrt(abs(x))+ln(x^2+1)*cos(x)"},
    {"2x", "x<0 ? 0 : (x<10 ? 20+x : 200+x)"},
    {"|x-3|", "abs(x-3)"},
};

long double pointAt(int i) { return kStart + static_cast<long double>(i) * kStep; }

void TextPath(benchmark::State& state, const Formula& f)
{
    const std::string prepared = vy::PrepareFormula(f.text);
    for (auto _ : state) {
        long double sum = 0;
        for (int i = 0; i < kPoints; ++i) {
            long double v = 0;
            if (vy::EvaluateFormula(vy::SubstituteVariable(prepared, pointAt(i)), v))
                sum += v;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void CompiledPath(benchmark::State& state, const Formula& f)
{
    const vy::CompiledFormula compiled(vy::PrepareFormula(f.text));
    for (auto _ : state) {
        long double sum = 0;
        for (int i = 0; i < kPoints; ++i) {
            long double v = 0;
            if (compiled.evaluate(pointAt(i), v))
                sum += v;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

#ifdef VY_HAVE_MUPARSER
void Muparser(benchmark::State& state, const Formula& f)
{
    mu::Parser parser;
    double x = 0;
    parser.DefineVar("x", &x);
    parser.SetExpr(f.reference);
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kPoints; ++i) {
            x = static_cast<double>(pointAt(i));
            sum += parser.Eval();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
#endif

// Keeps the processor seconds per scan for the summary: on a machine shared
// with other work they vary less than the wall-clock time, and the least of
// the repetitions least of all (other work only ever adds time).
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.iterations == 0 || run.run_type != Run::RT_Iteration)
                continue;
            const double seconds = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            const auto it = seconds_.find(run.run_name.function_name);
            if (it == seconds_.end() || seconds < it->second)
                seconds_[run.run_name.function_name] = seconds;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double seconds(const std::string& name) const
    {
        const auto it = seconds_.find(name);
        return it == seconds_.end() ? 0 : it->second;
    }

private:
    std::map<std::string, double> seconds_;
};

std::string name(const char* path, int index) { return std::string(path) + "/" + std::to_string(index); }

void printSummary(const SummaryReporter& reporter)
{
    std::printf("\nFormula evaluator, %d points per scan (processor time per scan):\n", kPoints);
    for (int i = 0; i < static_cast<int>(std::size(kFormulas)); ++i) {
        const double text = reporter.seconds(name("text", i));
        const double compiled = reporter.seconds(name("compiled", i));
        const double reference = reporter.seconds(name("muparser", i));
        if (text == 0 && compiled == 0)
            continue; // filtered out
        std::printf("%-28s text %8.3f s (%6.2f M/s)  compiled %7.4f s (%6.2f M/s)", kFormulas[i].text, text,
                    text > 0 ? kPoints / text / 1e6 : 0.0, compiled, compiled > 0 ? kPoints / compiled / 1e6 : 0.0);
        if (reference > 0)
            std::printf("  muparser %7.4f s  compiled/muparser %5.2fx", reference, compiled / reference);
        else
            std::printf("  muparser not measured");
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 0; i < static_cast<int>(std::size(kFormulas)); ++i) {
        const Formula& f = kFormulas[i];
        // One text-path scan takes seconds; once is enough.
        benchmark::RegisterBenchmark(name("text", i).c_str(), TextPath, f)->Unit(benchmark::kMillisecond)->Iterations(1);
        benchmark::RegisterBenchmark(name("compiled", i).c_str(), CompiledPath, f)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(kRepetitions);
#ifdef VY_HAVE_MUPARSER
        benchmark::RegisterBenchmark(name("muparser", i).c_str(), Muparser, f)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(kRepetitions);
#endif
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    benchmark::Shutdown();
    return 0;
}
