#include "calc/numberprops.h"

#include "core/divfail.h"
#include "core/numtext.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using vy::calc::FactorText;
using vy::calc::GcdText;
using vy::calc::PrimeText;

// The plain searches, as the texts were first defined by them: the smallest
// divisor from 2 upwards, the common divisor from the larger number downwards.
std::int64_t countedSmallestDivisor(std::int64_t n)
{
    std::int64_t d = 2;
    while (n % d != 0)
        ++d;
    return d;
}

std::int64_t countedGcd(std::int64_t a, std::int64_t b)
{
    std::int64_t g = a > b ? a : b;
    while (a % g != 0 || b % g != 0)
        --g;
    return g;
}

TEST(PrimeText, Texts) {
    const struct {
        const char *text, *expected;
    } cases[] = {
        {"1", "1 - простое число"},
        {"2", "2 - простое   и натуральное."},
        {"7", "7 - простое   и натуральное."},
        {"12", "12 - действительное   и натуральное."},
        {"0", "0 - действительное   и натуральное."},
        {"007", "007 - простое   и натуральное."}, // the text as typed
        {"2147483647", "2147483647 - простое   и натуральное."},
        {"2147483646", "2147483646 - действительное   и натуральное."},
        {"1018081", "1018081 - действительное   и натуральное."}, // 1009 squared
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrimeText(c.text), c.expected) << c.text;
}

TEST(PrimeText, AgreesWithTheCountedSearch) {
    for (std::int64_t n = 2; n < 5000; ++n) {
        const bool prime = countedSmallestDivisor(n) == n;
        EXPECT_EQ(PrimeText(std::to_string(n)).find(" - простое ") != std::string::npos, prime) << n;
    }
}

TEST(GcdText, Texts) {
    EXPECT_EQ(GcdText("12", "18"), "НОД (12,18) = 6");
    EXPECT_EQ(GcdText("0", "5"), "НОД (0,5) = 5");
    EXPECT_EQ(GcdText("7", "7"), "НОД (7,7) = 7");
    EXPECT_EQ(GcdText("1", "2147483647"), "НОД (1,2147483647) = 1");
    EXPECT_EQ(GcdText("012", "18"), "НОД (012,18) = 6");
    for (std::int64_t a = 0; a < 40; ++a)
        for (std::int64_t b = a == 0 ? 1 : 0; b < 40; ++b)
            EXPECT_EQ(GcdText(std::to_string(a), std::to_string(b)),
                      "НОД (" + std::to_string(a) + "," + std::to_string(b) + ") = " + std::to_string(countedGcd(a, b)));
}

TEST(GcdText, ZeroAndZeroIsADivisionByZero) {
    try {
        GcdText("0", "0");
        ADD_FAILURE() << "no failure";
    } catch (const vy::DivisionByZero& e) {
        EXPECT_STREQ(e.what(), "Division by zero");
    }
}

TEST(FactorText, Columns) {
    const struct {
        std::int32_t n;
        const char* column;
    } cases[] = {
        {1, "1 | 1\r1 "},
        {0, ""},
        {8, "8 | 2\r4 | 2\r2 | 2\r1 | "},
        {12, "12 | 2\r  6 | 2\r  3 | 3\r  1 | "},
        {34, "34 | 2\r17 | 17\r  1 | "},
        {7, "7 | 7\r1 | "},
        {97, "97 | 97\r  1 | "},
        {101, "101 | 101\r    1 | "},
        {1009, "1009 | 1009\r    1 | "},
        // rows 3, 3, 3, 7, 2, 2
        {1000, "1000 | 2\r500 | 2\r250 | 2\r125 | 5\r  25 | 5\r    5 | 5\r    1 | "},
        // row 1 (N > 1000, q >= 100) and row 6 (q between 10 and 100 for N < 100)
        {2002, "2002 | 2\r  1001 | 7\r  143 | 11\r  13 | 13\r    1 | "},
        {50, "50 | 2\r25 | 5\r  5 | 5\r  1 | "},
        {2147483646, "2147483646 | 2\r  1073741823 | 3\r  357913941 | 3\r  119304647 | 7\r"
                     "  17043521 | 11\r  1549411 | 31\r  49981 | 151\r  331 | 331\r    1 | "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FactorText(c.n), c.column) << c.n;
}

TEST(NumberProperties, NegativeNumbersGetAMessage) {
    EXPECT_THROW(PrimeText("-7"), vy::calc::NegativeNumber);
    EXPECT_THROW(PrimeText("-1"), vy::calc::NegativeNumber);
    EXPECT_THROW(GcdText("-4", "6"), vy::calc::NegativeNumber);
    EXPECT_THROW(GcdText("4", "-6"), vy::calc::NegativeNumber);
    EXPECT_THROW(FactorText(-12), vy::calc::NegativeNumber);
}

TEST(NumberProperties, TextsThatAreNotNumbersFailForTheGeneralBox) {
    EXPECT_THROW(PrimeText(""), vy::ConversionError);
    EXPECT_THROW(GcdText("12", "2147483648"), vy::ConversionError);
}

} // namespace
