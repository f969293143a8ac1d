#pragma once
// Random formulas for the differential test: well-formed ones from the grammar,
// near misses (one character changed) and junk; and the values of x to try.
#include <random>
#include <string>
#include <vector>

namespace vy::test {

class FormulaGenerator {
public:
    explicit FormulaGenerator(unsigned long long seed) : rng_(seed) {}
    std::string wellFormed();
    std::string nearMiss();
    std::string junk();
    std::string any();
    // Negative, tiny, huge, whole and scan values of x.
    long double x();

private:
    std::string expression(int depth);
    std::string term(int depth);
    std::string factor(int depth);
    std::string operand(int depth);
    std::string number();
    int below(int n) { return static_cast<int>(rng_() % static_cast<unsigned long long>(n)); }
    template <std::size_t N>
    const char* pick(const char* const (&options)[N]) { return options[below(static_cast<int>(N))]; }

    std::mt19937_64 rng_;
};

} // namespace vy::test
