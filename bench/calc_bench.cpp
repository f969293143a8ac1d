// The exact factorial as decimal text against GMP's mpz_fac_ui plus mpz_get_str
// (when GMP is installed; the program itself never links it), and the number
// properties of the two largest 32-bit numbers. Every figure is the least
// processor time of several runs, ours and GMP's taken in turns in the same
// run. The digits are compared with GMP's at every N.
//
// Lines:
//   factorial N=100000: ours X s, GMP Y s, ratio R
//   numbers 2147483647: prime X ms, factor Y ms, gcd Z ms
// The divisor is taken of the number and the one below it: the pair that costs
// the downward count the most.
#include "calc/factorial.h"
#include "calc/numberprops.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#ifdef VY_HAVE_GMP
#include <gmp.h>
#endif

namespace {

double processSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <typename Work>
double timed(Work&& work)
{
    const double start = processSeconds();
    work();
    return processSeconds() - start;
}

volatile std::size_t sink; // keeps the results from being optimised away

bool factorialLine(unsigned n, int runs)
{
    double ours = 1e30, theirs = 1e30;
    bool same = true;
    for (int run = 0; run < runs; ++run) {
        std::string text;
        ours = std::min(ours, timed([&] { text = vy::calc::factorialText(n); }));
        sink = text.size();
#ifdef VY_HAVE_GMP
        char* digits = nullptr;
        theirs = std::min(theirs, timed([&] {
                              mpz_t f;
                              mpz_init(f);
                              mpz_fac_ui(f, n);
                              digits = mpz_get_str(nullptr, 10, f);
                              mpz_clear(f);
                          }));
        same = same && text == digits;
        std::free(digits);
#endif
    }
#ifdef VY_HAVE_GMP
    std::printf("factorial N=%u: ours %.6f s, GMP %.6f s, ratio %.3f\n", n, ours, theirs, ours / theirs);
    if (!same)
        std::printf("factorial N=%u: the digits differ from GMP's\n", n);
#else
    std::printf("factorial N=%u: ours %.6f s, GMP not installed\n", n, ours);
#endif
    return same;
}

void numbersLine(std::int32_t n, int runs)
{
    const std::string text = std::to_string(n), below = std::to_string(n - 1);
    double prime = 1e30, factor = 1e30, gcd = 1e30;
    for (int run = 0; run < runs; ++run) {
        prime = std::min(prime, timed([&] { sink = vy::calc::PrimeText(text).size(); }));
        factor = std::min(factor, timed([&] { sink = vy::calc::FactorText(n).size(); }));
        gcd = std::min(gcd, timed([&] { sink = vy::calc::GcdText(text, below).size(); }));
    }
    std::printf("numbers %d: prime %.4f ms, factor %.4f ms, gcd %.4f ms\n", n, prime * 1e3, factor * 1e3, gcd * 1e3);
}

} // namespace

int main()
{
    bool same = true;
    same = factorialLine(1000, 300) && same;
    same = factorialLine(10000, 100) && same;
    same = factorialLine(100000, 15) && same;
    same = factorialLine(1000000, 5) && same;
    numbersLine(2147483647, 50);
    numbersLine(2147483646, 50);
    return same ? 0 : 1;
}
