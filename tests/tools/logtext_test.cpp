// The log viewer's decoding of the protocol file.
#include "tools/logreader/logtext.h"

#include <gtest/gtest.h>

namespace {

using vy::logreader::decodeProtocol;

TEST(DecodeProtocol, MakesEachCrLfOneLineBreakAndDecodesTheCodePage) {
    const struct {
        std::string_view bytes;
        std::string_view shown;
    } cases[] = {
        {"", ""},
        {"\xD1\xF3\xEC\xEC\xE0\r\n2 + 3 = 5\r\n", "Сумма\n2 + 3 = 5\n"},
        {"LF alone\nend", "LF alone\nend"},
        // Only the CR right before an LF goes; a CR elsewhere stays.
        {"a\r\r\nb\rc\r", "a\r\nb\rc\r"},
        {std::string_view("nul\0\x98", 5), std::string_view("nul\0\xC2\x98", 6)},
    };
    for (const auto& c : cases) EXPECT_EQ(decodeProtocol(c.bytes), c.shown) << c.bytes;
}

} // namespace
