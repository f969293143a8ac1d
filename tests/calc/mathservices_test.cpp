#include "calc/mathservices.h"

#include "core/numtext.h"
#include "core/rangefail.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using vy::calc::DigitsToNumber;
using vy::calc::MultiplyDigits;
using vy::calc::NumberToDigits;
using vy::calc::NumberToStr;
using vy::calc::StrToNumber;
using vy::calc::TMathArray;
using vy::calc::TNumber;

std::string roundTrip(const std::string& text)
{
    TNumber number;
    StrToNumber(text, number);
    return NumberToStr(number);
}

std::string conversionMessage(const std::string& text)
{
    try {
        TNumber number;
        StrToNumber(text, number);
    } catch (const vy::ConversionError& e) {
        return e.what();
    }
    return "no failure";
}

// The factorial the slow way, from the digit-array routines alone: the
// product array grows by the multiplier's length plus one each step and is
// never trimmed, and the multiplier is made from the text of k.
std::string digitArrayFactorial(int n)
{
    TNumber one;
    StrToNumber("1", one);
    TMathArray product, multiplier;
    NumberToDigits(one, product);
    NumberToDigits(one, multiplier);
    for (int k = 1; k <= n; ++k) {
        TMathArray next(product.size() + multiplier.size() + 1, 0);
        TNumber factor;
        StrToNumber(std::to_string(k), factor);
        TMathArray digitsOfK;
        NumberToDigits(factor, digitsOfK);
        MultiplyDigits(product, digitsOfK, next);
        product = std::move(next);
        multiplier = std::move(digitsOfK);
    }
    TNumber result;
    DigitsToNumber(result, product, 0, 1);
    return NumberToStr(result);
}

// Normalisation as single carries, pass after pass, until a pass changes nothing.
void carryByPasses(TMathArray& p)
{
    for (bool changed = true; changed;) {
        changed = false;
        const std::size_t length = p.size();
        for (std::size_t k = 0; k < length; ++k) {
            if (p[k] > 9) {
                if (k + 1 == p.size())
                    p.push_back(0);
                p[k + 1] += 1;
                p[k] -= 10;
                changed = true;
            }
        }
    }
}

// ---- numbers and their text -----------------------------------------------------

TEST(LongNumberText, ParsesAndPrintsAsTheRulesSay) {
    const struct {
        const char* text;
        const char* printed;
    } cases[] = {
        {"-0012.340", "-12.34"}, {"0.5", ".5"}, {"3.00", "3."}, {"000", "0"},
        {"-", "-"},              {"1234567890123456789012345", "1234567890123456789012345"},
        {".25", ".25"},          {"7.", "7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundTrip(c.text), c.printed) << c.text;
}

TEST(LongNumberText, DigitsAreStoredLeastSignificantFirst) {
    TNumber number;
    StrToNumber("-123.45", number);
    EXPECT_EQ(number.IntDigits, (TMathArray{3, 2, 1}));
    EXPECT_EQ(number.FracDigits, (TMathArray{5, 4}));
    EXPECT_EQ(number.Positive, 0);

    TMathArray flat;
    EXPECT_EQ(NumberToDigits(number, flat), 2);
    EXPECT_EQ(flat, (TMathArray{5, 4, 3, 2, 1}));

    TNumber back;
    DigitsToNumber(back, flat, 2, 1);
    EXPECT_EQ(NumberToStr(back), "123.45");
    EXPECT_TRUE(back.IntDigits.empty());
    EXPECT_TRUE(back.FracDigits.empty());
}

TEST(LongNumberText, EmptyTextKeepsTheSign) {
    TNumber number;
    StrToNumber("-5", number);
    StrToNumber("", number);
    EXPECT_TRUE(number.IntDigits.empty());
    EXPECT_EQ(number.Positive, 0);
}

TEST(LongNumberText, AnyOtherCharacterFailsWithTheIntegerConversionMessage) {
    EXPECT_EQ(conversionMessage("1.2.3"), "'.' is not a valid integer value");
    EXPECT_EQ(conversionMessage("+5"), "'+' is not a valid integer value");
    EXPECT_EQ(conversionMessage("1 2"), "' ' is not a valid integer value");
    EXPECT_EQ(conversionMessage("12,5"), "',' is not a valid integer value");
    // A Cyrillic letter is named whole, not by one of its bytes.
    EXPECT_EQ(conversionMessage("3ж"), "'ж' is not a valid integer value");
}

TEST(LongNumberText, ClearNumberEmptiesBothParts) {
    TNumber number;
    StrToNumber("12.5", number);
    vy::calc::ClearNumber(number);
    EXPECT_TRUE(number.IntDigits.empty());
    EXPECT_TRUE(number.FracDigits.empty());
}

// ---- multiplication ----------------------------------------------------------------

TEST(MultiplyDigits, CarryOutOfTheTopGrowsTheTarget) {
    TMathArray p{0};
    MultiplyDigits({9}, {9}, p);
    EXPECT_EQ(p, (TMathArray{1, 8}));
}

TEST(MultiplyDigits, AddsToWhatTheTargetHeld) {
    TMathArray p{5, 0, 0}; // 5 + 12 * 34 = 413
    MultiplyDigits({2, 1}, {4, 3}, p);
    EXPECT_EQ(p, (TMathArray{3, 1, 4}));
}

TEST(MultiplyDigits, ShortTargetIsARangeFailureAndStaysUntouched) {
    TMathArray p{7, 7};
    EXPECT_THROW(MultiplyDigits({1, 2}, {3, 4}, p), vy::RangeFailure);
    EXPECT_EQ(p, (TMathArray{7, 7}));
}

TEST(MultiplyDigits, OneSweepEndsWhereSingleCarriesPassAfterPassEnd) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(-30, 900);
    for (int round = 0; round < 200; ++round) {
        TMathArray p(1 + random() % 12);
        for (auto& e : p)
            e = value(random);
        TMathArray expected = p;
        carryByPasses(expected);
        TMathArray actual = p;
        MultiplyDigits({}, {}, actual); // no products: normalisation only
        EXPECT_EQ(actual, expected) << "round " << round;
    }
}

// ---- factorial --------------------------------------------------------------------------

TEST(Factorial, SmallValues) {
    const struct {
        const char* n;
        const char* factorial;
    } cases[] = {
        {"0", "1"}, {"-7", "1"}, {"1", "1"}, {"5", "120"}, {"20", "2432902008176640000"},
        {"25", "15511210043330985984000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vy::calc::Factorial(c.n), c.factorial) << c.n;
}

TEST(Factorial, HundredAndThousand) {
    const std::string f100 = vy::calc::Factorial("100");
    EXPECT_EQ(f100.size(), 158u);
    EXPECT_EQ(f100.substr(0, 30), "933262154439441526816992388562");
    EXPECT_EQ(f100, digitArrayFactorial(100));

    const std::string f1000 = vy::calc::Factorial("1000");
    EXPECT_EQ(f1000.size(), 2568u);
    EXPECT_EQ(f1000.substr(0, 30), "402387260077093773543702433923");
    EXPECT_EQ(f1000.find_last_not_of('0'), 2568u - 249 - 1); // 249 trailing zeros
}

TEST(Factorial, AgreesWithTheDigitArrayProduct) {
    // Both sides of the switch from the plain product tree to prime powers.
    for (int n : {2, 3, 4, 9, 10, 11, 30, 64, 99, 101, 255, 399, 400, 401, 512, 640})
        EXPECT_EQ(vy::calc::Factorial(std::to_string(n)), digitArrayFactorial(n)) << n;
}

TEST(Factorial, TextsThatAreNotWholeNumbersFail) {
    for (const char* text : {"", "1,5", "2147483648", "12a"}) {
        try {
            vy::calc::Factorial(text);
            ADD_FAILURE() << "no failure for '" << text << "'";
        } catch (const vy::ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(Factorial, ReportsProgressToTheUnitHookOrTheOneGiven) {
    std::vector<double> seen;
    vy::calc::FactorialProgress = [&](double percent) { seen.push_back(percent); };
    vy::calc::Factorial("3000");
    vy::calc::FactorialProgress = nullptr;
    ASSERT_GE(seen.size(), 3u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 100.0);

    std::vector<double> own;
    vy::calc::Factorial("3000", [&](double percent) { own.push_back(percent); });
    EXPECT_EQ(own, seen);
}

} // namespace
