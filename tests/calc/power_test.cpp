#include "calc/power.h"

#include "core/floatfail.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace vy::power {
namespace {

using Kind = FloatFailure::Kind;

std::optional<Kind> failureOf(long double (*f)(long double, long double), long double a, long double b)
{
    try {
        f(a, b);
    } catch (const FloatFailure& e) {
        return e.kind();
    }
    return std::nullopt;
}

struct Value {
    long double base, exponent, expected;
};

TEST(PowerEx, RealPowersAndTheRootsOfNegativeNumbers)
{
    const Value cases[] = {
        {2, 0.5L, std::sqrt(2.0L)},
        {0, 0, 1},
        {0, 3, 0},
        {-8, 0.3333333L, -1.9999998613705685L}, // 1 / E is 3 to six decimals: an odd root
        {-8, -1, -0.125L},                      // 1 / E = -1, odd as well
        {-4, 0.5L, 0},                          // an even root of a negative number
        {-4, 2, 16},                            // 1 / E = 0,5: the whole power
        {-2, 3, -8},
        {2, 10, 1024},
        {2, -2, 0.25L},
        {10, 0.25L, std::sqrt(std::sqrt(10.0L))},
        // A reciprocal that truncates to 0 is no root degree.
        {-1, 2000000, 1},
        {-1, 2000001, -1},
        {0.5L, 100000, 0}, // below the range: 0 without a failure
    };
    for (const Value& c : cases)
        EXPECT_NEAR(static_cast<double>(PowerEx(c.base, c.exponent)), static_cast<double>(c.expected),
                    1e-13 * std::fabs(static_cast<double>(c.expected)))
            << c.base << " ^ " << c.exponent;
}

TEST(PowerEx, HugeWholeExponentsFinishInAFewSquarings)
{
    // Bounded by the exponent's 31 bits, not its size.
    const long double base = 1.0000001L;
    const long double exponent = 2147483647;
    EXPECT_NEAR(static_cast<double>(PowerEx(base, exponent) / std::exp(exponent * std::log(base))), 1.0, 1e-9);
    EXPECT_EQ(failureOf(PowerEx, 10, 1e6L), Kind::Overflow);
    EXPECT_EQ(failureOf(PowerEx, -2, 2147483647), Kind::Overflow);
}

TEST(PowerEx, Failures)
{
    EXPECT_EQ(failureOf(PowerEx, 0, -1), Kind::DivideByZero);
    EXPECT_EQ(failureOf(PowerEx, 0, -0.5L), Kind::DivideByZero);
    EXPECT_EQ(failureOf(PowerEx, -4, 1.5L), Kind::InvalidOperation);
    EXPECT_EQ(failureOf(PowerEx, -27, 0.333333L), Kind::InvalidOperation); // 1 / E = 3,000003
    EXPECT_EQ(failureOf(PowerEx, -2, 1e300L), Kind::InvalidOperation);
    // 1 / E * 10^6 beyond 64 bits: the reciprocal cannot be judged.
    EXPECT_EQ(failureOf(PowerEx, 2, 1e-20L), Kind::InvalidOperation);
    EXPECT_EQ(failureOf(PowerEx, -2, -1e-300L), Kind::InvalidOperation);
}

TEST(RootEx, RootsAndFailures)
{
    EXPECT_NEAR(static_cast<double>(RootEx(16, 2)), 4.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(RootEx(27, 3)), 3.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(RootEx(4, -2)), 0.5, 1e-15);
    EXPECT_EQ(RootEx(1e-300L, 1e-5L), 0); // far below the range
    EXPECT_EQ(failureOf(RootEx, 16, 0), Kind::DivideByZero);
    EXPECT_EQ(failureOf(RootEx, 0, 2), Kind::DivideByZero);
    EXPECT_EQ(failureOf(RootEx, -8, 3), Kind::InvalidOperation);
    EXPECT_EQ(failureOf(RootEx, -8, 0), Kind::InvalidOperation); // the logarithm comes first
    EXPECT_EQ(failureOf(RootEx, 2, 1e-5L), Kind::Overflow);
}

// One press from the field texts to the answer and the protocol lines.
struct Press {
    Mode mode;
    const char* number;
    const char* degree;
    bool numbersMessage;
    const char* answer;
    const char* line; // the second protocol line
    bool zeroRootMessage = false;
};

TEST(PowerPress, AnswersProtocolLinesAndMessages)
{
    const Press cases[] = {
        {Mode::Power, "2", "0,5", false, "Ответ: 1,4142135623731", "2^0,5=1,4142135623731"},
        {Mode::Power, "0", "0", false, "Ответ: 1", "0^0=1"},
        {Mode::Power, "0", "-1", false, "Ответ: 0", "0^-1=0"}, // swallowed silently
        {Mode::Power, "2", "10", false, "Ответ: 1024", "2^10=1024"},
        {Mode::Root, "16", "2", false, "Ответ: 4", "4^2=16"},
        {Mode::Root, "27", "3", false, "Ответ: 3", "3^3=27"},
        {Mode::Root, "16", "0", false, "Ответ: 0", "0^0=16", true},
        // Letters: the message, then X = 0 and Y = 0 (the second field is not read).
        {Mode::Power, "abc", "2", true, "Ответ: 1", "0^0=1"},
        {Mode::Power, "2", "", true, "Ответ: 1", "2^0=1"},
        {Mode::Root, "x", "3", true, "Ответ: 0", "0^0=0", true},
    };
    for (const Press& c : cases) {
        SCOPED_TRACE(std::string(c.number) + " / " + c.degree);
        const Inputs inputs = readInputs(c.number, c.degree);
        ASSERT_EQ(inputs.report.has_value(), c.numbersMessage);
        if (inputs.report) {
            EXPECT_EQ(*inputs.report, plainReport("Степень и Корень должены быть заданы числом. \rПри записи "
                                                  "дробного числа используйте запятую.",
                                                  true));
        }
        const Outcome outcome = compute(c.mode, inputs.x, inputs.y);
        EXPECT_EQ(outcome.answer, c.answer);
        EXPECT_EQ(outcome.protocol, (std::vector<std::string>{modeTexts(c.mode).title, c.line}));
        ASSERT_EQ(outcome.report.has_value(), c.zeroRootMessage);
        if (outcome.report) {
            EXPECT_EQ(*outcome.report, plainReport("Корень не может быть равен нулю", true));
        }
    }
}

TEST(PowerPress, OtherFailuresAreThrownBeforeAnythingIsShown)
{
    const auto kindOf = [](Mode mode, long double x, long double y) -> std::optional<Kind> {
        try {
            compute(mode, x, y);
        } catch (const FloatFailure& e) {
            return e.kind();
        }
        return std::nullopt;
    };
    EXPECT_EQ(kindOf(Mode::Power, -27, 0.333333L), Kind::InvalidOperation);
    EXPECT_EQ(kindOf(Mode::Root, -8, 3), Kind::InvalidOperation);
    EXPECT_EQ(kindOf(Mode::Power, 10, 400), Kind::Overflow); // beyond the double range
}

} // namespace
} // namespace vy::power
