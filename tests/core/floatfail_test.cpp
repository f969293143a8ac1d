#include "core/floatfail.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>
#include <limits>
#include <string>

namespace {

using vy::FloatFailure;
using Kind = vy::FloatFailure::Kind;
namespace checked = vy::checked;

TEST(FloatFailure, CarriesThePlatformMessages) {
    EXPECT_STREQ(FloatFailure(Kind::Overflow).what(), "Floating point overflow");
    EXPECT_STREQ(FloatFailure(Kind::DivideByZero).what(), "Floating point division by zero");
    EXPECT_STREQ(FloatFailure(Kind::InvalidOperation).what(), "Invalid floating point operation");
    EXPECT_EQ(FloatFailure(Kind::DivideByZero).kind(), Kind::DivideByZero);
}

constexpr long double kMax = std::numeric_limits<long double>::max();
constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

struct Failing {
    const char* what;
    std::function<void()> op;
    Kind kind;
};

TEST(Checked, FailsWhereTheHardwareWouldGiveInfOrNaN) {
    const Failing rows[] = {
        {"max+max", [] { checked::add(kMax, kMax); }, Kind::Overflow},
        {"-max-max", [] { checked::sub(-kMax, kMax); }, Kind::Overflow},
        {"max*2", [] { checked::mul(kMax, 2); }, Kind::Overflow},
        {"max/0.5", [] { checked::div(kMax, 0.5L); }, Kind::Overflow},
        {"1/0", [] { checked::div(1, 0); }, Kind::DivideByZero},
        {"-1/-0", [] { checked::div(-1, -0.0L); }, Kind::DivideByZero},
        {"0/0", [] { checked::div(0, 0); }, Kind::InvalidOperation},
        {"NaN operand", [] { checked::add(kNaN, 1); }, Kind::InvalidOperation},
        {"check inf", [] { checked::check(-kInf); }, Kind::Overflow},
        {"check NaN", [] { checked::check(kNaN); }, Kind::InvalidOperation},
        {"1E400 to double", [] { checked::toDouble(1e400L); }, Kind::Overflow},
        {"-1E400 to double", [] { checked::toDouble(-1e400L); }, Kind::Overflow},
        {"NaN to double", [] { checked::toDouble(kNaN); }, Kind::InvalidOperation},
    };
    for (const auto& row : rows) {
        try {
            row.op();
            ADD_FAILURE() << row.what << " did not fail";
        } catch (const FloatFailure& e) {
            EXPECT_EQ(e.kind(), row.kind) << row.what;
        }
    }
}

TEST(Checked, PassesOrdinaryResultsAndSilentUnderflow) {
    EXPECT_EQ(checked::add(0.1L, 0.2L), 0.1L + 0.2L);
    EXPECT_EQ(checked::div(1, 3), 1.0L / 3.0L);
    EXPECT_EQ(checked::div(0, 5), 0.0L);
    EXPECT_EQ(checked::mul(1e200L, 1e200L), 1e400L); // fine in extended precision
    EXPECT_EQ(checked::toDouble(1e-400L), 0.0);
    EXPECT_EQ(checked::toDouble(static_cast<long double>(DBL_MAX) * (1 + 1e-17L)), DBL_MAX);
    EXPECT_EQ(checked::check(-2.5L), -2.5L);
}

} // namespace
