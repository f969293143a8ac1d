#include "calc/numbersystems.h"
#include "core/numtext.h"
#include "core/rangefail.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using vy::numsys::Notation;

constexpr Notation Dec = Notation::Decimal;
constexpr Notation Bin = Notation::Binary;
constexpr Notation Hex = Notation::Hexadecimal;

std::string blanks(std::size_t n) { return std::string(n, ' '); }

struct Conversion {
    Notation from;
    std::string text;
    Notation to;
    std::string shown;
};

void PrintTo(const Conversion& c, std::ostream* os) { *os << '"' << c.text.substr(0, 40) << "\" -> \"" << c.shown << '"'; }

class Converts : public testing::TestWithParam<Conversion> {};

TEST_P(Converts, FromOneNotationToAnother) {
    const Conversion& c = GetParam();
    EXPECT_EQ(vy::numsys::Format(c.to, vy::numsys::Parse(c.from, c.text)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Examples, Converts, testing::Values(
    Conversion{Dec, "10", Bin, blanks(27) + "1010"},
    Conversion{Dec, "10", Hex, " A"},
    Conversion{Dec, "255", Hex, "FF"},
    Conversion{Hex, "ff", Dec, "255"},
    Conversion{Bin, "1010", Dec, "10"},
    Conversion{Bin, "12", Dec, "4"}, // each character weighs its own value
    Conversion{Dec, "0", Bin, blanks(31)},
    Conversion{Bin, "0", Bin, blanks(31)},
    Conversion{Bin, "0", Hex, " 0"},
    Conversion{Hex, "FFFFFFFF", Dec, "-1"},
    Conversion{Hex, "FFFFFFFF", Bin, std::string(31, '1')}, // bit 31 is not shown
    Conversion{Dec, "-1", Hex, "FFFFFFFF"}));

INSTANTIATE_TEST_SUITE_P(Limits, Converts, testing::Values(
    Conversion{Dec, "16", Hex, "10"}, // only a leading zero turns into a blank
    Conversion{Dec, "256", Hex, "100"},
    Conversion{Dec, "5", Bin, blanks(28) + "101"}, // zeros after the first one stay
    Conversion{Dec, "2147483647", Bin, std::string(31, '1')},
    Conversion{Dec, "2147483647", Hex, "7FFFFFFF"},
    Conversion{Hex, "80000000", Dec, "-2147483648"},
    Conversion{Hex, "80000000", Bin, blanks(31)},
    Conversion{Dec, "-2147483648", Hex, "80000000"},
    Conversion{Hex, "0000000001", Dec, "1"}, // leading zeros are not digits that count
    Conversion{Bin, "1111111111111111111111111111111", Dec, "2147483647"},
    Conversion{Bin, std::string(5000, '0') + "1", Dec, "1"}));

struct Failure {
    Notation from;
    const char* text;
    const char* message;
};

void PrintTo(const Failure& f, std::ostream* os) { *os << '"' << f.text << '"'; }

class Rejects : public testing::TestWithParam<Failure> {};

TEST_P(Rejects, WithThePlatformsMessage) {
    const Failure& f = GetParam();
    try {
        vy::numsys::Parse(f.from, f.text);
        FAIL() << "converted";
    } catch (const vy::ConversionError& e) {
        EXPECT_STREQ(e.what(), f.message);
    } catch (const vy::RangeFailure& e) {
        EXPECT_STREQ(e.what(), f.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, Rejects, testing::Values(
    Failure{Dec, "", "'' is not a valid integer value"},
    Failure{Dec, "1A", "'1A' is not a valid integer value"},
    Failure{Dec, "2147483648", "'2147483648' is not a valid integer value"},
    Failure{Bin, "", "'' is not a valid integer value"},
    Failure{Bin, "10b1", "'10b1' is not a valid integer value"},
    Failure{Bin, "-1", "'-1' is not a valid integer value"},
    Failure{Hex, "", "'$' is not a valid integer value"},
    Failure{Hex, "1FFFFFFFF", "'$1FFFFFFFF' is not a valid integer value"},
    Failure{Hex, "12G", "'$12G' is not a valid integer value"},
    Failure{Hex, "-1", "'$-1' is not a valid integer value"}));

INSTANTIATE_TEST_SUITE_P(BinaryBeyond32Bits, Rejects, testing::Values(
    Failure{Bin, "10000000000000000000000000000000", "Range check error"}, // 2^31
    Failure{Bin, "2000000000000000000000000000000", "Range check error"},  // 2 * 2^30
    Failure{Bin, "9999999999999999999999999999999999999999", "Range check error"}));

} // namespace
