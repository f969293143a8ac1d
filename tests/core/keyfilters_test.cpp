#include "core/keyfilters.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>

namespace {

using namespace vy::keys;

using Filter = std::function<KeyVerdict(char32_t)>;

struct Key {
    const char* filter;
    char32_t typed;
    char32_t passedAs; // 0: swallowed with the exclamation sound
};

constexpr char32_t kSwallowed = 0;

const std::map<std::string, Filter>& filters()
{
    static const std::map<std::string, Filter> all = {
        {"comma", commaFilter},
        {"signed-b", [](char32_t c) { return signedDecimalFilter(c, CommaLetters::B); }},
        {"signed-byu", [](char32_t c) { return signedDecimalFilter(c, CommaLetters::BAndYu); }},
        {"signed-none", [](char32_t c) { return signedDecimalFilter(c, CommaLetters::None); }},
        {"unsigned", [](char32_t c) { return unsignedDecimalFilter(c); }},
        {"unsigned-nobs", [](char32_t c) { return unsignedDecimalFilter(c, {.acceptBackspace = false, .acceptEnter = false}); }},
        {"comma-unsigned", commaThenUnsignedFilter},
        {"whole", wholeNumberFilter},
        {"hex", hexadecimalFilter},
    };
    return all;
}

class KeyFilters : public testing::TestWithParam<Key> {};

TEST_P(KeyFilters, PassReplaceOrSwallow) {
    const Key& k = GetParam();
    const KeyVerdict v = filters().at(k.filter)(k.typed);
    const KeyVerdict want = k.passedAs == kSwallowed ? KeyVerdict::swallowed() : KeyVerdict::passed(k.passedAs);
    EXPECT_EQ(v, want) << k.filter << " U+" << std::hex << static_cast<unsigned>(k.typed);
}

constexpr char32_t be = U'б', yu = U'ю', BE = U'Б';

INSTANTIATE_TEST_SUITE_P(Table, KeyFilters, testing::Values(
    // Comma filter: both layouts give the separator; nothing is swallowed.
    Key{"comma", U'.', U','}, Key{"comma", be, U','}, Key{"comma", yu, U','}, Key{"comma", U',', U','},
    Key{"comma", BE, BE}, Key{"comma", U'a', U'a'}, Key{"comma", U'7', U'7'}, Key{"comma", kEnter, kEnter},
    Key{"comma", kBackspace, kBackspace},
    // Signed decimal, by which letters a window replaces.
    Key{"signed-b", be, U','}, Key{"signed-b", yu, kSwallowed}, Key{"signed-b", U'.', kSwallowed},
    Key{"signed-b", U'-', U'-'}, Key{"signed-b", U',', U','}, Key{"signed-b", U'0', U'0'},
    Key{"signed-b", kBackspace, kBackspace}, Key{"signed-b", kEnter, kSwallowed}, Key{"signed-b", U'e', kSwallowed},
    Key{"signed-b", U'+', kSwallowed}, Key{"signed-byu", yu, U','}, Key{"signed-byu", be, U','},
    Key{"signed-none", be, kSwallowed}, Key{"signed-none", U'9', U'9'},
    // Unsigned decimal.
    Key{"unsigned", U'-', kSwallowed}, Key{"unsigned", U',', U','}, Key{"unsigned", U'5', U'5'},
    Key{"unsigned", be, kSwallowed}, Key{"unsigned", kBackspace, kBackspace}, Key{"unsigned", kEnter, kSwallowed},
    Key{"unsigned-nobs", kBackspace, kSwallowed}, Key{"unsigned-nobs", U'1', U'1'},
    Key{"comma-unsigned", U'.', U','}, Key{"comma-unsigned", yu, U','}, Key{"comma-unsigned", kEnter, kEnter},
    Key{"comma-unsigned", kBackspace, kBackspace}, Key{"comma-unsigned", U'-', kSwallowed},
    Key{"comma-unsigned", U'x', kSwallowed},
    // Whole numbers and hexadecimal.
    Key{"whole", U'0', U'0'}, Key{"whole", U',', kSwallowed}, Key{"whole", U'-', kSwallowed},
    Key{"whole", kBackspace, kBackspace}, Key{"hex", U'F', U'F'}, Key{"hex", U'a', U'a'}, Key{"hex", U'9', U'9'},
    Key{"hex", U'G', kSwallowed}, Key{"hex", U'g', kSwallowed}, Key{"hex", U'А', kSwallowed},
    Key{"hex", kBackspace, kBackspace}));

TEST(KeyFilters, SignedFieldLetsAMinusStandAnywhere) {
    // One, minus, two gets through the filter; only the conversion refuses it.
    std::u32string typed;
    for (char32_t c : std::u32string(U"1-2"))
        if (auto v = signedDecimalFilter(c, CommaLetters::B); v.pass)
            typed += *v.pass;
    EXPECT_EQ(typed, U"1-2");
}

} // namespace
