// libFuzzer target: the compiled path and the text path must give the same
// outcome for every text and x, and the quick number-text routines the same
// results as the reference conversions. An input is a line with x (comma or
// point, as a user writes it) and then the formula; without a line break the
// whole input is the formula and x comes from its first byte.
#include "core/floatfail.h"
#include "core/numtext.h"
#include "formula/formula.h"
#include "formula/numround.h"
#include "outcome.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using vy::test::Outcome;

[[noreturn]] void disagree(const std::string& what, const std::string& text, long double x, const std::string& a,
                           const std::string& b)
{
    std::fprintf(stderr, "DISAGREEMENT (%s) on \"%s\" at x = %s: %s vs %s\n", what.c_str(), text.c_str(),
                 vy::FloatToStr(x).c_str(), a.c_str(), b.c_str());
    std::abort();
}

long double xFrom(const std::string& line, unsigned char seed)
{
    static const long double kValues[] = {0, 1, -1, 3, -1.5L, 0.5L, 1e-5L, -2.5e-7L, 1e20L, -1e300L, 7.0L / 3,
                                          2147483647.0L, 1e400L, -10, 9.99999L, 0.1L,
                                          // below the double range: they read back as (negative) zero
                                          -1e-4000L, 1e-4940L, -0x1p-16445L};
    std::string text = line;
    for (char& c : text)
        if (c == '.')
            c = ',';
    try {
        return vy::StrToFloatExt(text);
    } catch (const vy::ConversionError&) {
        return kValues[seed % std::size(kValues)];
    }
}

void compare(const std::string& prepared, long double x)
{
    const Outcome text = vy::test::textOutcome(prepared, x);
    const Outcome fast = vy::test::compiledOutcome(vy::CompiledFormula(prepared), x);
    if (!(text == fast))
        disagree("paths", prepared, x, vy::test::describe(text), vy::test::describe(fast));
}

void compareNumbers(const std::string& text, long double x)
{
    long double quick = 0;
    bool quickOk = vy::formula::roundTrip(x, quick);
    Outcome reference = vy::test::outcomeOf([&](long double& v) {
        try {
            v = vy::StrToFloatExt(vy::FloatToStr(x));
            return true;
        } catch (const vy::ConversionError&) {
            return false;
        }
    });
    Outcome mine = vy::test::outcomeOf([&](long double& v) { v = quick; return quickOk; });
    if (!(mine == reference))
        disagree("round trip", "", x, vy::test::describe(mine), vy::test::describe(reference));

    quickOk = vy::formula::readNumber(text, quick);
    reference = vy::test::outcomeOf([&](long double& v) {
        try {
            v = vy::StrToFloatExt(text);
            return true;
        } catch (const vy::ConversionError&) {
            return false;
        }
    });
    mine = vy::test::outcomeOf([&](long double& v) { v = quick; return quickOk; });
    if (!(mine == reference))
        disagree("conversion", text, x, vy::test::describe(mine), vy::test::describe(reference));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The text path is quadratic in the length; long inputs only slow the search.
    if (size == 0 || size > 600)
        return 0;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string formula = newline == std::string::npos ? input : input.substr(newline + 1);
    const long double x = xFrom(newline == std::string::npos ? std::string() : input.substr(0, newline), data[0]);

    compare(vy::PrepareFormula(formula), x);
    compare(formula, x); // any text may be handed over as a prepared formula
    if (formula.size() <= 40)
        compareNumbers(formula, x);
    return 0;
}
