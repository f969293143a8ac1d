// The compiled path against the text path over generated formulas and values.
#include "generator.h"
#include "outcome.h"

#include <gtest/gtest.h>

namespace vy::test {
namespace {

struct Tally {
    int values = 0, failures = 0, errors = 0;
    void add(const Outcome& o)
    {
        (o.kind == Outcome::Kind::Value ? values : o.kind == Outcome::Kind::Failure ? failures : errors)++;
    }
};

// Compares both paths for one text used as prepared formula; false on the first disagreement.
bool agree(const std::string& prepared, FormulaGenerator& gen, int points, Tally& tally)
{
    const CompiledFormula compiled(prepared);
    for (int i = 0; i < points; ++i) {
        const long double x = gen.x();
        const Outcome text = textOutcome(prepared, x);
        const Outcome fast = compiledOutcome(compiled, x);
        tally.add(text);
        if (!(text == fast)) {
            ADD_FAILURE() << "\"" << prepared << "\" at x = " << FloatToStr(x) << ": text path "
                          << describe(text) << ", compiled path " << describe(fast);
            return false;
        }
    }
    return true;
}

TEST(Differential, CompiledPathAgreesWithTextPathOnGeneratedFormulas)
{
    FormulaGenerator gen(4);
    Tally tally;
    for (int i = 0; i < 8000; ++i) {
        const std::string formula = gen.any();
        const std::string prepared = PrepareFormula(formula);
        // Only a '#' typed by the user leaves a text the compiled path cannot take.
        ASSERT_EQ(CompiledFormula(prepared).usesTextPath(), formula.find('#') != std::string::npos) << prepared;
        ASSERT_TRUE(agree(prepared, gen, 6, tally)) << "formula: " << formula;
    }
    // The corpus must reach all three outcomes in earnest.
    EXPECT_GT(tally.values, 8000);
    EXPECT_GT(tally.failures, 8000);
    EXPECT_GT(tally.errors, 50);
}

TEST(Differential, UnpreparedTextsGoTheSameWay)
{
    // A caller may hand over any text as a prepared formula.
    FormulaGenerator gen(5);
    Tally tally;
    const char* fixed[] = {"#5", "5", "#2#3#", "##", "#x", "e#x#p", "#2##3#", "#1,5#^#2#a", "#-3#", "#x#+#2#e"};
    for (const char* text : fixed)
        ASSERT_TRUE(agree(text, gen, 4, tally));
    for (int i = 0; i < 5000; ++i) {
        std::string text = gen.any();
        if (i % 2)
            text = PrepareFormula(text);
        if (!text.empty())
            text.insert(static_cast<std::size_t>(i) % text.size(), i % 3 ? "#" : "x");
        ASSERT_TRUE(agree(text, gen, 3, tally)) << "text: " << text;
    }
}

} // namespace
} // namespace vy::test
