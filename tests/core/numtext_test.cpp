#include "core/numtext.h"
#include "roundeddigits.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cfloat>
#include <random>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using vy::ConversionError;

// ---- text to number -------------------------------------------------------

struct Converts {
    const char* text;
    double value;
};

void PrintTo(const Converts& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class StrToFloatConverts : public testing::TestWithParam<Converts> {};

TEST_P(StrToFloatConverts, ToTheExpectedDouble) {
    const auto& row = GetParam();
    EXPECT_EQ(vy::StrToFloat(row.text), row.value) << '"' << row.text << '"';
    EXPECT_EQ(vy::TryStrToFloat(row.text), row.value);
}

INSTANTIATE_TEST_SUITE_P(Grammar, StrToFloatConverts, testing::Values(
    Converts{"1", 1.0}, Converts{" 2,5 ", 2.5}, Converts{"-2,5", -2.5}, Converts{"+7", 7.0},
    Converts{",", 0.0}, Converts{"-,", 0.0}, Converts{",5", 0.5}, Converts{"5,", 5.0},
    Converts{"1e3", 1000.0}, Converts{"1E+3", 1000.0}, Converts{"-1,5e-2", -0.015},
    Converts{"1e", 1.0}, Converts{"2,5E", 2.5}, Converts{"007", 7.0},
    Converts{"   12   ", 12.0}, Converts{"0,1", 0.1}, Converts{"1E308", 1e308},
    Converts{"1,7976931348623157E308", DBL_MAX},
    // Just above the largest double but still rounding down to it.
    Converts{"1,79769313486231580E308", DBL_MAX},
    // Below the double range the value fades to zero without complaint.
    Converts{"1E-400", 0.0}, Converts{"1E-5000", 0.0}, Converts{"0,0000001e-99999999999", 0.0},
    Converts{"4,9406564584124654E-324", 4.9406564584124654e-324}));

struct Rejects {
    const char* text;
    ConversionError::Kind kind;
};

void PrintTo(const Rejects& r, std::ostream* os) { *os << '"' << r.text << '"'; }

class StrToFloatRejects : public testing::TestWithParam<Rejects> {};

TEST_P(StrToFloatRejects, WithItsKindAndTheMessageNamingTheText) {
    const auto& row = GetParam();
    try {
        vy::StrToFloat(row.text);
        FAIL() << '"' << row.text << "\" converted";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.kind(), row.kind) << row.text;
        EXPECT_EQ(e.text(), row.text);
        EXPECT_EQ(std::string(e.what()), "'" + std::string(row.text) + "' is not a valid floating point value");
    }
    EXPECT_FALSE(vy::TryStrToFloat(row.text).has_value());
}

constexpr auto NaN = ConversionError::Kind::NotANumber;
constexpr auto Big = ConversionError::Kind::OutOfRange;

INSTANTIATE_TEST_SUITE_P(Grammar, StrToFloatRejects, testing::Values(
    Rejects{"", NaN}, Rejects{" ", NaN}, Rejects{"-", NaN}, Rejects{"+", NaN}, Rejects{"2.5", NaN},
    Rejects{"abc", NaN}, Rejects{"1,2,3", NaN}, Rejects{"--1", NaN}, Rejects{"1 000", NaN},
    Rejects{"e3", NaN}, Rejects{"-e3", NaN}, Rejects{"1e3,5", NaN}, Rejects{"0x10", NaN},
    Rejects{"inf", NaN}, Rejects{"nan", NaN}, Rejects{"1-2", NaN}, Rejects{"\t1", NaN},
    Rejects{"1\xC2\xA0", NaN}, Rejects{"1E400", Big}, Rejects{"-1E400", Big},
    Rejects{"1,8E308", Big}, Rejects{"1E5000", Big}, Rejects{"1e99999999999999999999", Big},
    Rejects{"100000000000000000000000000000e99999", Big}));

TEST(StrToFloatExt, KeepsExtendedPrecision) {
    EXPECT_EQ(vy::StrToFloatExt("0,1"), 0.1L);
    EXPECT_NE(vy::StrToFloatExt("0,1"), static_cast<long double>(0.1));
    // In the extended range but not the double one: still reported as out of range.
    EXPECT_THROW(vy::StrToFloatExt("1E400"), ConversionError);
    EXPECT_EQ(vy::StrToFloatExt("1E-400"), 1e-400L);
    EXPECT_TRUE(std::signbit(vy::StrToFloatExt("-0")));
}

TEST(StrToFloatExt, ReadsSubnormalExtendedValuesInsteadOfZero) {
    // Below the normal extended range the library conversion reports the
    // range error even where a subnormal value is the correct result.
    EXPECT_EQ(vy::StrToFloatExt("1E-4940"), 1e-4940L);
    EXPECT_EQ(vy::StrToFloatExt("-3,6E-4951"), -0x1p-16445L); // the smallest one
    const long double subnormal = 0x1.5p-16440L;
    EXPECT_EQ(vy::StrToFloatExt(vy::FloatToStr(subnormal)), subnormal);
    // Below half the smallest one the value is zero, with its sign.
    EXPECT_EQ(vy::StrToFloatExt("1E-4952"), 0.0L);
    EXPECT_TRUE(std::signbit(vy::StrToFloatExt("-1E-4952")));
}

TEST(StrToFloatExt, AgreesWithTheLibraryConversionOnManyTexts) {
    // Short mantissas with small exponents take a shortcut; the C++ library's
    // locale-free conversion is the reference for the correctly rounded value.
    std::mt19937_64 random(20261210);
    for (int n = 0; n < 20000; ++n) {
        const int digits = 1 + static_cast<int>(random() % 21);
        std::string mantissa;
        for (int i = 0; i < digits; ++i)
            mantissa += static_cast<char>('0' + random() % 10);
        const int point = static_cast<int>(random() % (digits + 1));
        const int exponent = static_cast<int>(random() % 81) - 40;
        const std::string body = mantissa.substr(0, point) + "," + mantissa.substr(point) + "e" + std::to_string(exponent);
        std::string reference = body;
        reference[static_cast<std::size_t>(point)] = '.';
        if (point == 0)
            reference.insert(0, "0");
        long double expected = 0;
        std::from_chars(reference.data(), reference.data() + reference.size(), expected);
        ASSERT_EQ(vy::StrToFloatExt(body), expected) << body;
        ASSERT_EQ(vy::StrToFloatExt("-" + body), -expected) << body;
    }
}

TEST(StrToFloatExt, LongMantissasMeetFarExponents) {
    // Millions of digits shift the value by as many decades as the exponent
    // says, however far the exponent runs.
    const std::string zeros(2000000, '0');
    EXPECT_EQ(vy::StrToFloat("," + zeros + "1e2000005"), 1e4);
    EXPECT_EQ(vy::StrToFloat("1" + zeros + "e-2000003"), 0.001);
    EXPECT_EQ(vy::StrToFloat("1" + zeros + "e-99999999999"), 0.0);
    try {
        vy::StrToFloat("," + zeros + "1e99999999999");
        ADD_FAILURE() << "a huge value converted";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.kind(), ConversionError::Kind::OutOfRange);
    }
}

struct IntCase {
    const char* text;
    std::int32_t value;
};

class StrToIntConverts : public testing::TestWithParam<IntCase> {};

TEST_P(StrToIntConverts, WithinThe32BitRange) {
    EXPECT_EQ(vy::StrToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Limits, StrToIntConverts, testing::Values(
    IntCase{"0", 0}, IntCase{"+5", 5}, IntCase{"-12", -12}, IntCase{"000123", 123},
    IntCase{"2147483647", 2147483647}, IntCase{"-2147483648", std::numeric_limits<std::int32_t>::min()}));

TEST(StrToInt, RejectsWithTheIntegerMessage) {
    for (const char* text : {"", "-", "+", "2147483648", "-2147483649", "99999999999999999999",
                             "1,5", "1e3", " 5", "5 ", "abc", "0x10"}) {
        try {
            vy::StrToInt(text);
            ADD_FAILURE() << '"' << text << "\" converted";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
            EXPECT_EQ(e.kind(), ConversionError::Kind::NotANumber);
        }
    }
}

// ---- number to text -------------------------------------------------------

struct Written {
    long double value;
    const char* text;
};

void PrintTo(const Written& w, std::ostream* os) { *os << '"' << w.text << '"'; }

class FloatToStrWrites : public testing::TestWithParam<Written> {};

TEST_P(FloatToStrWrites, InTheStandardForm) {
    EXPECT_EQ(vy::FloatToStr(GetParam().value), GetParam().text);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Examples, FloatToStrWrites, testing::Values(
    Written{0.0, "0"}, Written{-0.0, "0"}, Written{1.0, "1"}, Written{-2.5, "-2,5"}, Written{100.0, "100"},
    Written{1.0 / 3.0, "0,333333333333333"}, Written{2.0 / 3.0, "0,666666666666667"},
    Written{1.0L / 3.0L, "0,333333333333333"}, Written{0.1 + 0.2, "0,3"}, Written{1234.5, "1234,5"},
    // The fixed range ends at 1E-4 below and 1E15 above.
    Written{0.001, "0,001"}, Written{0.0001, "0,0001"}, Written{-0.0001, "-0,0001"},
    Written{0.00012345, "0,00012345"}, Written{0.00001, "1E-5"}, Written{0.000099999999999999995, "0,0001"},
    Written{0.0000999999999999, "9,99999999999E-5"}, Written{1.5e-7, "1,5E-7"},
    Written{999999999999999.0, "999999999999999"}, Written{-999999999999999.0, "-999999999999999"},
    Written{99999999999999.9, "99999999999999,9"}, Written{999999999999999.4, "999999999999999"},
    Written{999999999999999.6, "1E15"}, Written{1e15, "1E15"}, Written{1e20, "1E20"},
    Written{123456789012345678.0, "1,23456789012346E17"}, Written{1e308, "1E308"},
    Written{DBL_MAX, "1,79769313486232E308"}, Written{4.9406564584124654e-324, "4,94065645841247E-324"},
    // Exact halves at the 15th digit go away from zero; near-halves to the nearest.
    Written{123456789012344.5, "123456789012345"}, Written{-123456789012344.5, "-123456789012345"},
    Written{123456789012345.5, "123456789012346"}, Written{1234567890123.125, "1234567890123,13"},
    Written{1000000000000005.0, "1,00000000000001E15"}, Written{10000000000000050000.0L, "1,00000000000001E19"},
    Written{10000000000000049999.0L, "1E19"}, Written{0.1234567890123445, "0,123456789012344"},
    Written{1e400L, "1E400"}, Written{-1.25e-400L, "-1,25E-400"},
    Written{kInf, "INF"}, Written{-kInf, "-INF"}, Written{std::numeric_limits<double>::quiet_NaN(), "NAN"}));

TEST(FloatToStr, RoundTripsThroughTheConversionAt15Digits) {
    // Cross-check: the text read back and written again is stable.
    for (double v : {1.0 / 7.0, -123.456e-9, 6.02214076e23, 0.1 + 0.7, 2.0 / 3.0 * 1e15}) {
        const std::string once = vy::FloatToStr(v);
        EXPECT_EQ(vy::FloatToStr(vy::StrToFloat(once)), once);
    }
}

// Reference: the exact decimal expansion of a double (it has at most 767
// significant digits), rounded to 15 digits by hand with halves away from zero.
std::string referenceDigits(double v, int& exponent10)
{
    std::string exact(1100, '\0');
    const auto r = std::to_chars(exact.data(), exact.data() + exact.size(), std::fabs(v), std::chars_format::scientific, 800);
    exact.resize(static_cast<std::size_t>(r.ptr - exact.data()));
    return vy::test::roundedDigits(exact, exponent10);
}

TEST(FloatToStr, AgreesWithExactRoundingIncludingHalves) {
    std::mt19937_64 random(7);
    std::vector<double> values;
    for (int n = 0; n < 3000; ++n) {
        // Exact halves at the 15th digit: odd numbers over small powers of two.
        const std::uint64_t odd = (random() % (std::uint64_t{1} << 52)) | 1;
        values.push_back(std::ldexp(static_cast<double>(odd), -static_cast<int>(random() % 12)));
        values.push_back(static_cast<double>(random() % 100000000000000000ull) * 10.0 + 5.0);
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 2000) - 1100));
    }
    for (double v : values) {
        if (v == 0)
            continue;
        int exponent10 = 0;
        const std::string digits = referenceDigits(v, exponent10);
        const std::string text = vy::FloatToStr(v);
        std::string body = text[0] == '-' ? text.substr(1) : text;
        int textExponent = 0;
        if (const std::size_t e = body.find('E'); e != std::string::npos) {
            textExponent = std::stoi(body.substr(e + 1));
            body.resize(e);
        } else if (body.rfind("0,", 0) == 0) {
            textExponent = -static_cast<int>(body.find_first_not_of('0', 2) - 1);
        } else {
            textExponent = static_cast<int>(std::min(body.find(','), body.size())) - 1;
        }
        std::string mantissa;
        for (char c : body)
            if (c != ',')
                mantissa += c;
        mantissa.erase(0, mantissa.find_first_not_of('0'));
        while (mantissa.size() > 1 && mantissa.back() == '0')
            mantissa.pop_back();
        ASSERT_EQ(mantissa, digits) << text << " for " << v;
        ASSERT_EQ(textExponent, exponent10) << text;
    }
}

struct Fixed {
    long double value;
    int decimals;
    const char* text;
};

void PrintTo(const Fixed& f, std::ostream* os) { *os << '"' << f.text << '"'; }

class FormatFixedWrites : public testing::TestWithParam<Fixed> {};

TEST_P(FormatFixedWrites, WithADecimalComma) {
    EXPECT_EQ(vy::FormatFixed(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Patterns, FormatFixedWrites, testing::Values(
    Fixed{1.0 / 3.0, 5, "0,33333"}, Fixed{2.0 / 3.0, 3, "0,667"}, Fixed{-1.5, 2, "-1,50"},
    Fixed{12.0, 0, "12"}, Fixed{0.1, 17, "0,10000000000000001"}, Fixed{3.14159265358979, 9, "3,141592654"},
    Fixed{1e20, 2, "100000000000000000000,00"}, Fixed{-0.000001, 5, "0,00000"}, Fixed{-0.0, 2, "0,00"},
    Fixed{0.1L, 20, "0,10000000000000000000"}, Fixed{kInf, 5, "INF"},
    // Exact halves go away from zero.
    Fixed{2.5, 0, "3"}, Fixed{3.5, 0, "4"}, Fixed{-2.5, 0, "-3"}, Fixed{0.5, 0, "1"}, Fixed{-0.5, 0, "-1"},
    Fixed{0.125, 2, "0,13"}, Fixed{0.375, 2, "0,38"}, Fixed{0.0625, 3, "0,063"}, Fixed{1.005, 2, "1,00"}));

TEST(FormatFixed, WritesTheWholeExtendedRange) {
    // 2^16000 has 4817 digits and, like every 2^(4k), ends in 6.
    const std::string text = vy::FormatFixed(std::ldexp(1.0L, 16000), 2);
    EXPECT_EQ(text.size(), 4817u + 3u);
    EXPECT_EQ(text.substr(text.size() - 4), "6,00");
}

TEST(FormatGrouped, GroupsThousandsWithANoBreakSpace) {
    const std::string nb = "\u00A0";
    EXPECT_EQ(vy::FormatGrouped(0.5), "0,50");
    EXPECT_EQ(vy::FormatGrouped(999.999), "1" + nb + "000,00");
    EXPECT_EQ(vy::FormatGrouped(1234567.891), "1" + nb + "234" + nb + "567,89");
    EXPECT_EQ(vy::FormatGrouped(-123456.0), "-123" + nb + "456,00");
    EXPECT_EQ(vy::FormatGrouped(12345.0, 0), "12" + nb + "345");
    EXPECT_EQ(vy::FormatGrouped(1234.125), "1" + nb + "234,13");
    EXPECT_EQ(vy::FormatGrouped(-kInf), "-INF");
}

TEST(RoundTripFixed, AgreesWithTheWrittenAndReadBackText) {
    std::mt19937_64 random(25);
    std::uniform_real_distribution<double> anywhere(-30000, 30000);
    std::uniform_int_distribution<long> grid(-3'000'000'000L, 3'000'000'000L);
    std::vector<long double> values = {0, -0.0, 0.000004, -0.000004, 0.000005, -0.000005, 0.000015, 2.5e-6L,
                                       1e8, -1e9 + 0.5, 1e20, 123456789.123455L};
    for (int i = 0; i < 20000; ++i) {
        values.push_back(anywhere(random));
        // Sums of a point on the five-decimal grid and a step, halves included.
        const long double onGrid = static_cast<long double>(grid(random)) / 100000;
        values.push_back(onGrid + 0.000005L);
        values.push_back(onGrid + 0.01L);
        values.push_back(static_cast<double>(onGrid) + static_cast<long double>(0.00001));
        // Halves of the other places.
        values.push_back(std::floor(onGrid) + 0.5L);
        values.push_back(std::floor(onGrid * 100) / 100 + 0.005L);
    }
    for (int decimals : {0, 2, 5, 8}) {
        for (long double v : values) {
            const double expected = vy::StrToFloat(vy::FormatFixed(v, decimals));
            const double got = vy::RoundTripFixed(v, decimals);
            ASSERT_EQ(got, expected) << static_cast<double>(v) << " to " << decimals;
            ASSERT_EQ(std::signbit(got), std::signbit(expected)) << static_cast<double>(v) << " to " << decimals;
        }
    }
}


} // namespace
