#include "calc/logarithm.h"

#include "core/floatfail.h"
#include "core/numtext.h"

#include <gtest/gtest.h>

namespace {

using vy::calc::logarithmPress;
using vy::calc::LogReport;
using Kind = vy::FloatFailure::Kind;

const std::string kBase = "Основание не может быть равно ";

TEST(LogToBase, FailsByKind) {
    const struct {
        double number, base;
        Kind kind;
    } cases[] = {
        {1, 1, Kind::InvalidOperation}, // 0 / 0
        {8, 1, Kind::DivideByZero},     // 2,07 / 0
        {8, 0, Kind::DivideByZero},     // ln 0
        {8, -2, Kind::InvalidOperation},
        {-8, 2, Kind::InvalidOperation},
        {-8, 0, Kind::InvalidOperation}, // the number is taken first
    };
    for (const auto& c : cases) {
        try {
            vy::calc::LogToBase(c.number, c.base);
            ADD_FAILURE() << c.number << " " << c.base;
        } catch (const vy::FloatFailure& e) {
            EXPECT_EQ(e.kind(), c.kind) << c.number << " " << c.base;
        }
    }
}

TEST(LogarithmPress, ResultsAndHint) {
    auto eight = logarithmPress("8", "2");
    EXPECT_EQ(eight.label, "3");
    EXPECT_EQ(eight.hint, "Log числа 8 по основанию 2 равен: 3");
    EXPECT_FALSE(eight.report);

    EXPECT_EQ(logarithmPress("2", "10").label, "0,301029995663981");
    // The field texts go into the hint as typed.
    EXPECT_EQ(logarithmPress("0,25", "0,5").hint, "Log числа 0,25 по основанию 0,5 равен: 2");
}

TEST(LogarithmPress, NumberZeroShowsZeroWithoutReadingTheBase) {
    for (const char* base : {"", "abc", "1", "-2"}) {
        const auto outcome = logarithmPress("0", base);
        EXPECT_EQ(outcome.label, "0") << base;
        EXPECT_FALSE(outcome.hint);
        EXPECT_FALSE(outcome.report);
    }
}

TEST(LogarithmPress, BadBasesAreReportedWithTheirTexts) {
    const struct {
        const char *number, *base;
        LogReport report;
    } cases[] = {
        {"1", "1", {kBase + "1", kBase + "1"}},    // the defaults: 0 / 0
        {"8", "1", {kBase + "0 ", kBase + "0"}},   // division by ln 1 reads as base 0
        {"8", "0", {kBase + "0 ", kBase + "0"}},
        {"8", "-2", {kBase + "-2", kBase + "-2"}},
        {"-8", "2", {kBase + "2", kBase + "2"}},
    };
    for (const auto& c : cases) {
        const auto outcome = logarithmPress(c.number, c.base);
        EXPECT_EQ(outcome.report, c.report) << c.number << " " << c.base;
        EXPECT_EQ(outcome.label, "");
        EXPECT_FALSE(outcome.hint);
    }
}

TEST(LogarithmPress, TextsThatAreNotNumbersFailForTheGeneralBox) {
    EXPECT_THROW(logarithmPress("", "2"), vy::ConversionError);
    EXPECT_THROW(logarithmPress("8", "два"), vy::ConversionError);
}

} // namespace
