#include "core/errortext.h"

#include "core/floatfail.h"
#include "core/numtext.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* message;
    const char* shown;
};

class GeneralErrorText : public testing::TestWithParam<Case> {};

TEST_P(GeneralErrorText, AppendsAFullStopAfterCharactersSortingAfterIt) {
    EXPECT_EQ(vy::generalErrorText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Rule, GeneralErrorText, testing::Values(
    Case{"Floating point overflow", "Floating point overflow."},
    Case{"'abc' is not a valid floating point value", "'abc' is not a valid floating point value."},
    Case{"Ошибка ввода", "Ошибка ввода."},              // Cyrillic bytes lie high in the code page
    Case{"I/O error 5", "I/O error 5."},                // digits sort after "."
    Case{"path/", "path/."},                            // "/" is 0x2F, just after
    Case{"Делитель не может быть равным нулю!", "Делитель не может быть равным нулю!"},
    Case{"failed (twice)", "failed (twice)"}, Case{"Done.", "Done."}, Case{"dash-", "dash-"},
    Case{"comma,", "comma,"}, Case{"blank ", "blank "}, Case{"", ""},
    Case{"quoted'", "quoted'"},                         // 0x27
    Case{"no-break\u00A0", "no-break\u00A0."},          // 0xA0 in the code page
    Case{"a \u4E2D", "a \u4E2D."}));                    // no code-page byte: counts as "?"

TEST(GeneralErrorText, TakesTheFailuresOwnMessage) {
    EXPECT_EQ(vy::generalErrorText(vy::FloatFailure(vy::FloatFailure::Kind::InvalidOperation)),
              "Invalid floating point operation.");
    try {
        vy::StrToFloat("1.5");
        FAIL() << "a full stop converted";
    } catch (const vy::ConversionError& e) {
        EXPECT_EQ(vy::generalErrorText(e), "'1.5' is not a valid floating point value.");
    }
}

} // namespace
