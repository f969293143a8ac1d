#include "calc/arc.h"

#include "core/floatfail.h"

#include <gtest/gtest.h>

namespace vy::arc {
namespace {

struct Answer {
    Row row;
    const char* text;
    const char* expected;
};

TEST(ArcPress, AnswersInDegreesRepeatTheTextAsTyped)
{
    const Answer cases[] = {
        {Row::Arcsin, "0,5", "Арксинус 0,5 = 30 Град."},
        {Row::Arcsin, "1", "Арксинус 1 = 90 Град."},
        {Row::Arcsin, "-1", "Арксинус -1 = -90 Град."},
        {Row::Arccos, "0,5", "Арккоcинус 0,5 = 60 Град."},
        {Row::Arccos, "-1", "Арккоcинус -1 = 180 Град."},
        {Row::Arccos, "1", "Арккоcинус 1 = 0 Град."},
        {Row::Arctg, "1", "Арктангенс 1 = 45 Град."},
        {Row::Arctg, "1e300", "Арктангенс 1e300 = 90 Град."},
        {Row::Arcctg, "1", "Арккатангенс 1 = 45 Град."},
        {Row::Arcctg, "2", "Арккатангенс 2 = 26,565051177078 Град."},
        {Row::Arcctg, "-1", "Арккатангенс -1 = -45 Град."}, // the reciprocal keeps its sign
        {Row::Arcctg, " 1e-320", "Арккатангенс  1e-320 = 90 Град."},
    };
    for (const Answer& c : cases) {
        const Outcome outcome = press(c.row, c.text);
        EXPECT_FALSE(outcome.report) << c.text;
        EXPECT_EQ(outcome.answer.value_or("(none)"), c.expected);
    }
}

TEST(ArcPress, MessagesForTextsThatAreNoNumberAndForInvalidArguments)
{
    const Answer cases[] = {
        {Row::Arcsin, "", "Арксинус должен быть задан числом. \rПри записи дробного числа используйте запятую."},
        {Row::Arccos, "0.5", "Арккосинус должен быть задан числом. \rПри записи дробного числа используйте запятую."},
        {Row::Arctg, "abc", "Арктангенс должен быть задан числом. \rПри записи дробного числа используйте запятую."},
        {Row::Arcctg, "-", "Арккатангенс должен быть задан числом. \rПри записи дробного числа используйте запятую."},
        {Row::Arcsin, "1,0001", "Арксинус должен быть задан числом от -1 до 1 \r"},
        {Row::Arccos, "-2", "Арккосинус должен быть задан числом от -1 до 1 \r"},
        {Row::Arcctg, "0", "Недопустимый аргумент арккатангенса \r"},
        {Row::Arcctg, "-0", "Недопустимый аргумент арккатангенса \r"},
    };
    for (const Answer& c : cases) {
        const Outcome outcome = press(c.row, c.text);
        EXPECT_FALSE(outcome.answer) << c.text;
        const Report expected{Presentation::InformationDialog, c.expected, {}, Icon::None, true};
        EXPECT_EQ(outcome.report, expected) << c.text;
    }
}

TEST(ArcPress, ANumberBeyondTheDoubleRangeIsAnOverflow)
{
    try {
        press(Row::Arctg, "1e400");
        FAIL() << "1e400 converted";
    } catch (const FloatFailure& e) {
        EXPECT_EQ(e.kind(), FloatFailure::Kind::Overflow);
    }
}

TEST(ArcCaption, DotsGrowOverSixTicksAndTheSeventhKeepsTheLastCaption)
{
    const char* expected[] = {
        "Вычисление arcsin arccos",
        "Вычисление arcsin arccos.",
        "Вычисление arcsin arccos..",
        "Вычисление arcsin arccos...",
        "Вычисление arcsin arccos....",
        "Вычисление arcsin arccos.....",
        nullptr,
    };
    int counter = 0;
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (const char* caption : expected) {
            const auto shown = nextCaption(counter);
            EXPECT_EQ(shown.has_value(), caption != nullptr) << counter;
            if (caption) {
                EXPECT_EQ(*shown, caption);
            }
        }
        EXPECT_EQ(counter, 0);
    }
}

} // namespace
} // namespace vy::arc
