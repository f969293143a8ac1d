// The evaluator's rules, each case through the text path and the compiled path.
#include "outcome.h"

#include <gtest/gtest.h>

#include <string>

namespace vy::test {
namespace {

using Kind = FloatFailure::Kind;

struct Case {
    const char* formula;
    long double x;
    // The number text of the value; "fail" for an ordinary failure, "!" and the
    // message for an arithmetic error.
    const char* expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.formula << "\" at x = " << FloatToStr(c.x); }

std::string expectedText(const Outcome& o)
{
    switch (o.kind) {
    case Outcome::Kind::Value:
        return FloatToStr(o.value);
    case Outcome::Kind::Failure:
        return "fail";
    case Outcome::Kind::Error:
        return std::string("!") + FloatFailure::messageFor(o.error);
    }
    return "?";
}

class FormulaCase : public ::testing::TestWithParam<Case> {};

TEST_P(FormulaCase, BothPathsGiveTheExpectedOutcome)
{
    const Case& c = GetParam();
    const std::string prepared = PrepareFormula(c.formula);
    const Outcome text = textOutcome(prepared, c.x);
    EXPECT_EQ(expectedText(text), c.expected) << "prepared: " << prepared;
    const CompiledFormula formula(prepared);
    EXPECT_FALSE(formula.usesTextPath());
    const Outcome compiled = compiledOutcome(formula, c.x);
    EXPECT_EQ(compiled, text) << describe(compiled) << " vs " << describe(text);
}

const Case kCases[] = {
    // Writing: case, blanks, point and comma, ":", pi, bars, the missing bracket.
    {"x-5", 5, "0"},
    {"X - 5", 5, "0"},
    {"2,5*x", 2, "5"},
    {"2.5*x", 2, "5"},
    {"2:4", 0, "0,5"},
    {"pi", 0, "3,14159265358979"},
    {"2pi", 0, "23,1415926535898"}, // read as 23,14159265358979
    {"|x-3|", 1, "2"},
    {"||x|-1|", 0, "fail"},
    {"|x", -2, "2"}, // a bar without its partner: abs( closed at the end
    {"sin(x", 1, "0,841470984807897"},
    {"sin((x", 1, "0,841470984807897"},
    // Runs of digits and x are one number, whatever x looks like as text.
    {"2x", 3, "23"},
    {"2x", 0.5L, "20,5"},
    {"2x", -1.5L, "fail"},
    {"2x", 0.00001L, "0,00021"},
    {"xx", 3, "33"},
    {"x", 1e20L, "1E20"},
    {"x", 1e400L, "fail"},
    {"x^2", -1.5L, "2,25"},
    {"exp(x)", 1, "2,71828182845905"},
    {"1,2,3", 0, "fail"},
    // Order of the stages.
    {"2^3^2", 0, "64"},
    {"-2^2", 0, "-4"},
    {"2*-3", 0, "fail"},
    {"2*(-3)", 0, "-6"},
    {"2(3)", 0, "5"},
    {"2(3)^2", 0, "11"},
    {"sinln5", 0, "0,99925350682348"},
    {"lnsin5", 0, "fail"},
    {"lnexp2", 0, "2"}, // exp is looked for last, so it goes first
    {"expln2", 0, "fail"},
    {"1/3*3", 0, "0,999999999999999"},
    {"--+-5", 0, "-5"},
    // Failures.
    {"5+", 0, "fail"},
    {"y+1", 0, "fail"},
    {"", 0, "fail"},
    {"()", 0, "fail"},
    {"2^", 0, "fail"},
    {"^2", 0, "fail"},
    {")", 0, "fail"},
    {"2,5e3", 0, "fail"},
    {"1/0,000001", 0, "fail"},
    {"1/0,00001", 0, "100000"},
    {"ln(0,000001)", 0, "fail"},
    {"ln(0,00001)", 0, "-11,5129254649702"},
    {"sqrt(0)", 0, "fail"},
    {"sqrt(4)", 0, "2"},
    {"lg(-1)", 0, "fail"},
    {"lg(1000)", 0, "3"},
    {"tg(pi/2)", 0, "fail"},
    {"ctg(0)", 0, "fail"},
    {"arcsin(2)", 0, "fail"},
    {"arccos(-1,5)", 0, "fail"},
    {"arcsin(1)", 0, "1,5707963267949"},
    {"exp(1)", 0, "2,71828182845905"},
    {"arcctg(1)", 0, "0,785398163397448"},
    {"arcctg(-1)", 0, "2,35619449019234"},
    // Powers.
    {"(-8)^(1/3)", 0, "fail"},
    {"(-8)^3", 0, "-512"},
    {"0^(-1)", 0, "fail"},
    {"0,000001^(-1)", 0, "fail"}, // a base below the limit, not only 0
    {"0,00001^(-1)", 0, "100000"},
    {"0^0", 0, "1"},
    {"0^2", 0, "0"},
    {"2^(-2)", 0, "0,25"},
    {"2^0,5", 0, "1,4142135623731"},
    {"2^1000", 0, "1,07150860718627E301"},
    {"3^300", 0, "1,36891479058588E143"},
    {"(-1)^2147483647", 0, "-1"},
    {"0,5^2147483647", 0, "0"},
    {"2^(-2147483647)", 0, "0"},
    {"10^400", 0, "fail"}, // a value beyond the double range does not read back
    // Arithmetic errors reach the caller, distinct from a failure.
    {"lg(0)", 0, "!Floating point division by zero"},
    {"exp(100000)", 0, "!Floating point overflow"},
    {"10^5000", 0, "!Floating point overflow"},
    {"2^2147483647", 0, "!Floating point overflow"},
    {"0,5^(-100000)", 0, "!Floating point overflow"},
    {"(-8)^(3,000001)", 0, "!Invalid floating point operation"},
    // Past the largest whole exponent the logarithm is taken, of a negative base too.
    {"(-1)^2147483648", 0, "!Invalid floating point operation"},
    // The first thing to go wrong decides.
    {"lg(0)+1,2,3", 0, "!Floating point division by zero"},
    {"y+lg(0)", 0, "!Floating point division by zero"},
    {"(1/0)+lg(0)", 0, "fail"},
};

INSTANTIATE_TEST_SUITE_P(Rules, FormulaCase, ::testing::ValuesIn(kCases));

TEST(FormulaText, PrepareMarksNumbersAndKeepsTheExpLetter)
{
    EXPECT_EQ(PrepareFormula("2X + Exp(x) : |x|"), "#2x#+exp(#x#)/abs(#x#)");
    EXPECT_EQ(PrepareFormula("1.5pi"), "#1,53,14159265358979#");
    EXPECT_EQ(SubstituteVariable("#2x#+exp(#x#)", -0.5L), "#2-0,5#+exp(#-0,5#)");
}

TEST(FormulaText, DeepBracketsFailInsteadOfOverflowingTheStack)
{
    const std::string shallow = std::string(150, '(') + "x" + std::string(150, ')');
    const std::string deep = std::string(5000, '(') + "x" + std::string(5000, ')');
    const std::string pasted = std::string(20000, '(') + "x";
    for (const std::string* formula : {&shallow, &deep, &pasted}) {
        const std::string prepared = PrepareFormula(*formula);
        const Outcome text = textOutcome(prepared, 2);
        EXPECT_EQ(text.kind, formula == &shallow ? Outcome::Kind::Value : Outcome::Kind::Failure);
        EXPECT_EQ(compiledOutcome(CompiledFormula(prepared), 2), text);
    }
}

TEST(FormulaText, CallersTextsAreNotChanged)
{
    const std::string formula = "sin(x)*x-0,5";
    const std::string prepared = PrepareFormula(formula);
    const std::string substituted = SubstituteVariable(prepared, 1);
    const std::string keptPrepared = prepared;
    const std::string keptSubstituted = substituted;
    long double v = 0;
    ASSERT_TRUE(EvaluateFormula(substituted, v));
    EXPECT_EQ(FloatToStr(v), "0,341470984807897");
    CompiledFormula compiled(prepared);
    ASSERT_TRUE(compiled.evaluate(1, v));
    EXPECT_EQ(formula, "sin(x)*x-0,5");
    EXPECT_EQ(prepared, keptPrepared);
    EXPECT_EQ(substituted, keptSubstituted);
}

} // namespace
} // namespace vy::test
