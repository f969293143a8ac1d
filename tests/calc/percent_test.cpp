#include "calc/percent.h"

#include "core/floatfail.h"
#include "core/numtext.h"

#include <gtest/gtest.h>

namespace vy::percent {
namespace {

struct RowCase {
    std::string (*row)(std::string_view, std::string_view);
    const char* first;
    const char* second;
    const char* expected;
};

TEST(PercentRows, RepeatTheInputsAsTypedAndGiveTheValue)
{
    const RowCase cases[] = {
        {percentOfText, "10", "250", "10% от 250 = 25"},
        {percentOfText, "12,5", "8", "12,5% от 8 = 1"},
        {percentOfText, " 3", "1e2", " 3% от 1e2 = 3"},
        {increaseText, "200", "5", "200 увелич. на 5% = 210"},
        {increaseText, "0,1", "10", "0,1 увелич. на 10% = 0,11"},
        {decreaseText, "200", "5", "200 уменьш. на 5% = 190"},
        {decreaseText, "100", "150", "100 уменьш. на 150% = -50"}, // more than all of it
    };
    for (const RowCase& c : cases)
        EXPECT_EQ(c.row(c.first, c.second), c.expected) << c.first << " / " << c.second;
}

TEST(PercentRows, NotANumberAndOverflowAreLeftToTheGeneralErrorBox)
{
    try {
        percentOfText("10", "");
        FAIL() << "an empty field converted";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
    EXPECT_THROW(increaseText("1.5", "1"), ConversionError);
    EXPECT_THROW(increaseText("1e308", "100"), FloatFailure); // 2e308 is no double
}

CompoundInput defaults()
{
    CompoundInput input;
    input.number = "1";
    input.percents[0] = input.percents[1] = input.percents[2] = "1";
    return input;
}

TEST(CompoundPercent, DefaultsGiveTwoIncreasesOfOnePercent)
{
    CompoundPercent compound;
    EXPECT_EQ(compound.press(defaults(), "anything"), "1 увелич. на 1% увелич. на 1% = 1,0201");
    EXPECT_DOUBLE_EQ(compound.value(0), 1.01);
}

TEST(CompoundPercent, FourElementsChainThreeSteps)
{
    CompoundPercent compound;
    CompoundInput input;
    input.number = "1000";
    input.percents[0] = input.percents[1] = input.percents[2] = "10";
    input.steps[0] = input.steps[1] = input.steps[2] = Step::Decrease;
    input.fourElements = true;
    EXPECT_EQ(compound.press(input, ""), "1000 уменьш. на 10% уменьш. на 10% уменьш. на 10% = 729");

    // Mixed directions; the middle step names no value in this mode.
    input.steps[1] = Step::Increase;
    EXPECT_EQ(compound.press(input, ""), "1000 уменьш. на 10% увелич. на 10% уменьш. на 10% = 891");
}

TEST(CompoundPercent, AnUncheckedFirstStepKeepsItsValueAndTheTextIsAppendedTo)
{
    CompoundPercent compound;
    CompoundInput input = defaults();
    input.steps[0] = Step::Skip;
    // Nothing has set the first value yet: the second step starts from 0.
    const std::string once = compound.press(input, "was");
    EXPECT_EQ(once, "was увелич. на 1% = 0");
    EXPECT_EQ(compound.press(input, once), "was увелич. на 1% = 0 увелич. на 1% = 0");

    // A full press sets it; skipping it again starts from that value.
    const std::string full = compound.press(defaults(), once);
    input.percents[1] = "100";
    EXPECT_EQ(compound.press(input, full), full + " увелич. на 100% = 2,02");
}

TEST(CompoundPercent, AnUncheckedLaterStepIsLeftOutAndTheThirdFieldOnlyCountsInFourElements)
{
    CompoundPercent compound;
    CompoundInput input = defaults();
    input.steps[1] = Step::Skip;
    input.percents[2] = "not read in three-element mode";
    EXPECT_EQ(compound.press(input, ""), "1 увелич. на 1%");
    EXPECT_EQ(compound.value(1), 0);
}

TEST(CompoundPercent, AFailureChangesNothing)
{
    CompoundPercent compound;
    compound.press(defaults(), "");
    CompoundInput input = defaults();
    input.percents[1] = "x";
    EXPECT_THROW(compound.press(input, "kept"), ConversionError);
    input = defaults();
    input.number = "1e308";
    input.percents[0] = input.percents[1] = "100";
    EXPECT_THROW(compound.press(input, "kept"), FloatFailure); // the second step overflows
    EXPECT_DOUBLE_EQ(compound.value(0), 1.01);
    EXPECT_DOUBLE_EQ(compound.value(1), 1.0201);
}

} // namespace
} // namespace vy::percent
