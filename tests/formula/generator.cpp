#include "generator.h"

#include <cmath>

namespace vy::test {

namespace {
constexpr const char* kFunctions[] = {"sin", "cos", "tg", "ctg", "arcsin", "arccos", "arctg",
                                      "arcctg", "abs", "ln", "lg", "sqrt", "exp"};
constexpr const char* kLetters = "0123456789,.x()|^*/:+- #eEpisnclogtqrabyX";
} // namespace

std::string FormulaGenerator::number()
{
    static constexpr const char* kNumbers[] = {"0", "1", "2", "3", "5", "10", "0,5", "1.5", "2,25", "0,00001",
                                               "0,000001", "100", "1000000", "3,14159", "2147483647",
                                               "1,0000001", "0", "7", "0,1", "400", "5000"};
    return pick(kNumbers);
}

std::string FormulaGenerator::operand(int depth)
{
    if (depth > 4)
        return below(2) ? "x" : number();
    switch (below(12)) {
    case 0:
    case 1:
    case 2:
        return "x";
    case 3:
    case 4:
        return number();
    case 5:
        return "pi";
    case 6: {
        static constexpr const char* kRuns[] = {"2x", "x2", "xx", "x,5", "1x0", "x0"};
        return pick(kRuns);
    }
    case 7:
        return std::string(pick(kFunctions)) + operand(depth + 1); // sin ln 5
    case 8:
        return "|" + expression(depth + 1) + "|";
    case 9:
        return "(" + expression(depth + 1) + (below(8) ? ")" : "");
    default:
        return std::string(pick(kFunctions)) + "(" + expression(depth + 1) + ")";
    }
}

std::string FormulaGenerator::factor(int depth)
{
    std::string s = operand(depth);
    while (below(4) == 0)
        s += "^" + operand(depth + 1);
    return s;
}

std::string FormulaGenerator::term(int depth)
{
    std::string s = factor(depth);
    while (below(3) == 0) {
        static constexpr const char* kOps[] = {"*", "/", ":"};
        s += pick(kOps) + factor(depth);
    }
    return s;
}

std::string FormulaGenerator::expression(int depth)
{
    std::string s;
    while (below(5) == 0)
        s += below(2) ? "-" : "+";
    s += term(depth);
    while (below(2) == 0) {
        s += below(2) ? "-" : "+";
        if (below(10) == 0)
            s += "-";
        s += term(depth);
    }
    return s;
}

std::string FormulaGenerator::wellFormed() { return expression(0); }

std::string FormulaGenerator::nearMiss()
{
    std::string s = wellFormed();
    const int changes = 1 + below(2);
    for (int i = 0; i < changes; ++i) {
        const std::size_t at = s.empty() ? 0 : static_cast<std::size_t>(below(static_cast<int>(s.size())));
        const char c = kLetters[below(static_cast<int>(std::char_traits<char>::length(kLetters)))];
        switch (below(3)) {
        case 0:
            if (!s.empty())
                s.erase(at, 1);
            break;
        case 1:
            s.insert(at, 1, c);
            break;
        default:
            if (!s.empty())
                s[at] = c;
            break;
        }
    }
    return s;
}

std::string FormulaGenerator::junk()
{
    std::string s;
    const int length = below(16);
    for (int i = 0; i < length; ++i)
        s += kLetters[below(static_cast<int>(std::char_traits<char>::length(kLetters)))];
    return s;
}

std::string FormulaGenerator::any()
{
    const int kind = below(10);
    return kind < 6 ? wellFormed() : kind < 9 ? nearMiss() : junk();
}

long double FormulaGenerator::x()
{
    std::uniform_real_distribution<double> uniform(-10.0, 10.0);
    switch (below(9)) {
    case 0:
        return below(21) - 10; // whole
    case 8: {
        // Below the double range, down to where the extended range ends: such
        // an x reads back as zero or as negative zero.
        static constexpr long double kTiny[] = {1e-320L, 1e-4000L, 1e-4940L, 0x1p-16445L, 1e-4950L};
        const long double t = kTiny[below(5)];
        return below(2) ? t : -t;
    }
    case 1:
        return std::pow(10.0L, below(40) - 30) * (below(2) ? 1 : -1); // tiny to huge
    case 2:
        return uniform(rng_) * std::pow(10.0L, below(600) - 300);
    case 3:
        return -10.0L + static_cast<long double>(below(2000001)) * 0.00001L; // the solver's scan
    case 4:
        return static_cast<long double>(uniform(rng_)) / 3; // not a double
    default:
        return uniform(rng_);
    }
}

} // namespace vy::test
