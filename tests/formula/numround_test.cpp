// The quick number-text round trip, number text and conversion against the
// reference conversions of core/numtext.h.
#include "formula/numround.h"

#include "core/floatfail.h"
#include "core/numtext.h"
#include "formula/arith.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace vy::formula {
namespace {

struct Reference {
    bool ok = false;
    long double value = 0;
};

Reference referenceRead(const std::string& text)
{
    try {
        return {true, StrToFloatExt(text)};
    } catch (const ConversionError&) {
        return {};
    }
}

bool sameBits(long double a, long double b) { return a == b && std::signbit(a) == std::signbit(b); }

void expectRoundTrip(long double v)
{
    const Reference expected = referenceRead(FloatToStr(v));
    long double got = 0;
    const bool ok = roundTrip(v, got);
    ASSERT_EQ(ok, expected.ok) << FloatToStr(v);
    if (ok) {
        ASSERT_TRUE(sameBits(got, expected.value)) << FloatToStr(v);
    }

    char buffer[kNumberTextCapacity];
    ASSERT_EQ(std::string(buffer, numberText(v, buffer)), FloatToStr(v));
}

// Values of every kind the stages produce: across the whole range, near the
// limits of both notations and of the double range, and on and around the
// midpoints between two 15-digit decimals, where rounding is hardest.
std::vector<long double> probeValues()
{
    std::vector<long double> values = {0.0L, -0.0L, 1.0L, 0.0001L, 0.00001L, 1e15L, 1e15L - 0.5L,
                                       999999999999999.5L, 99999999999999.95L, 1e-13L, 1e-14L, 1e41L,
                                       1e42L, 1e43L, DBL_MAX, -DBL_MAX, static_cast<long double>(DBL_MAX) * 1.0000000000001L,
                                       DBL_MIN, DBL_TRUE_MIN, LDBL_MIN, LDBL_TRUE_MIN, LDBL_MAX, 1.0L / 3,
                                       2.0L / 3, 0.1L + 0.2L, 0.1 + 0.2, 3.14159265358979323846L};
    std::mt19937_64 rng(20261210);
    std::uniform_real_distribution<double> uniform(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-60, 60);
    for (int i = 0; i < 50000; ++i) {
        const long double u = uniform(rng);
        values.push_back(u);                                                     // a double
        values.push_back(u * std::pow(10.0L, exponent(rng)));                    // any size, extended
        values.push_back(-10.0L + static_cast<long double>(rng() % 2000001) * 0.00001L); // the scan
    }
    // 16-digit decimals ending in 5: exact midpoints when integral, near ones otherwise.
    std::uniform_int_distribution<std::uint64_t> digits(100000000000000ull, 999999999999999ull);
    for (int i = 0; i < 5000; ++i) {
        const long double mid = static_cast<long double>(digits(rng)) * 10 + 5;
        for (int shift = -20; shift <= 20; shift += 4) {
            const long double scaled = mid * std::pow(10.0L, shift);
            values.push_back(scaled);
            values.push_back(std::nextafter(scaled, 0.0L));
            values.push_back(std::nextafter(scaled, 2 * scaled));
        }
    }
    // Random bit patterns across the full extended range.
    for (int i = 0; i < 50000; ++i) {
        long double v = std::ldexp(static_cast<long double>(rng() | (1ull << 63)) / 0x1p64L,
                                   static_cast<int>(rng() % 32000) - 16000);
        values.push_back(rng() & 1 ? -v : v);
    }
    return values;
}

TEST(NumberRound, RoundTripAndNumberTextEqualTheReference)
{
    for (long double v : probeValues())
        ASSERT_NO_FATAL_FAILURE(expectRoundTrip(v));
}

// A function read back at once, against the two steps done in turn, with the
// stand-ins' values placed on and beside 15-digit midpoints, where they must
// give way to the function itself.
TEST(NumberRound, RoundedFunctionEqualsFunctionThenRoundTrip)
{
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<std::uint64_t> digits(100000000000000ull, 999999999999999ull);
    std::vector<long double> arguments = {0.0L, -0.0L, 1e-300L, 0x1p-16L, 0x1p16L, 1e9L, 0x1p30L, 1e30L, -1e30L};
    for (int i = 0; i < 100000; ++i) {
        arguments.push_back(static_cast<long double>(unit(rng)) * std::pow(10.0L, static_cast<int>(rng() % 14) - 5));
        arguments.push_back(-10.0L + static_cast<long double>(rng() % 2000001) * 0.00001L);
    }
    std::vector<long double> sqrtArguments = arguments;
    std::vector<long double> sinArguments = arguments;
    std::vector<long double> cosArguments = arguments;
    for (int i = 0; i < 20000; ++i) {
        // A 16-digit midpoint in (0,1; 1) and a little either side of it.
        const long double mid = (static_cast<long double>(digits(rng)) * 10 + 5) * 1e-16L;
        for (long double m : {mid, mid * (1 + 0x1p-60L), mid * (1 - 0x1p-60L), mid * (1 + 0x1p-54L)}) {
            sinArguments.push_back(std::asin(m));
            cosArguments.push_back(-std::acos(m));
            sqrtArguments.push_back(m * m * 100);
        }
    }
    const struct {
        Function f;
        const std::vector<long double>& values;
    } cases[] = {{Function::Sin, sinArguments}, {Function::Cos, cosArguments}, {Function::Sqrt, sqrtArguments},
                 {Function::Ln, arguments},     {Function::Lg, arguments},     {Function::Exp, arguments}};
    for (const auto& c : cases) {
        for (long double v : c.values) {
            long double expected = 0;
            bool expectedOk = false;
            FloatFailure::Kind expectedError{};
            bool expectedThrow = false;
            try {
                long double exact = 0;
                expectedOk = applyFunction(c.f, v, exact) && roundTrip(exact, expected);
            } catch (const FloatFailure& failure) {
                expectedThrow = true;
                expectedError = failure.kind();
            }
            long double got = 0;
            try {
                const bool ok = roundedFunction(c.f, v, got);
                ASSERT_FALSE(expectedThrow) << kFunctionNames[static_cast<int>(c.f)] << " " << FloatToStr(v);
                ASSERT_EQ(ok, expectedOk) << kFunctionNames[static_cast<int>(c.f)] << " " << FloatToStr(v);
                if (ok) {
                    ASSERT_TRUE(sameBits(got, expected)) << kFunctionNames[static_cast<int>(c.f)] << " " << FloatToStr(v);
                }
            } catch (const FloatFailure& failure) {
                ASSERT_TRUE(expectedThrow) << kFunctionNames[static_cast<int>(c.f)] << " " << FloatToStr(v);
                ASSERT_EQ(failure.kind(), expectedError);
            }
        }
    }
}

void expectRead(const std::string& text)
{
    const Reference expected = referenceRead(text);
    long double got = 0;
    const bool ok = readNumber(text, got);
    ASSERT_EQ(ok, expected.ok) << '"' << text << '"';
    if (ok) {
        ASSERT_TRUE(sameBits(got, expected.value)) << '"' << text << '"';
    }
}

TEST(NumberRound, ReadNumberAcceptsAndRejectsAsTheReference)
{
    const char* fixed[] = {"", " ", ",", "-", "+", "-,", "0", "-0", "0,000", "-0E5", "1E", "1E-", "1e5",
                           "E5", ",E5", " 2,5 ", "2.5", "1,2,3", "2-1,5", "21E-5", "1E201E20",
                           "12345678901234567890", "0,12345678901234567890123", "1E4933", "1E-4951",
                           "1E308", "1,8E308", "-1E-5000", "1E99999999", "0E99999999", "0000000000000000000001",
                           "+5", "5 5", "1,5E-7", "123456789012345678E10", "9999999999999999999E27"};
    for (const char* text : fixed)
        ASSERT_NO_FATAL_FAILURE(expectRead(text));

    // Texts as runs with x produce them: number texts glued to digits and commas,
    // and random strings over the same letters.
    std::mt19937_64 rng(7);
    const std::string alphabet = "0123456789,,--EEe+ ";
    char buffer[kNumberTextCapacity];
    for (int i = 0; i < 50000; ++i) {
        std::string text;
        const int length = static_cast<int>(rng() % 12);
        for (int k = 0; k < length; ++k)
            text += alphabet[rng() % alphabet.size()];
        ASSERT_NO_FATAL_FAILURE(expectRead(text));

        const long double x = std::ldexp(static_cast<long double>(rng() % 2000001) - 1000000, static_cast<int>(rng() % 120) - 80);
        const std::string number(buffer, numberText(x, buffer));
        ASSERT_NO_FATAL_FAILURE(expectRead("2" + number));
        ASSERT_NO_FATAL_FAILURE(expectRead(number + "0"));
        ASSERT_NO_FATAL_FAILURE(expectRead(number + ",5"));
        ASSERT_NO_FATAL_FAILURE(expectRead(number + number));
    }
}

} // namespace
} // namespace vy::formula
