#include "core/cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace {

using vy::cp1251::byteOf;
using vy::cp1251::fromUtf8;
using vy::cp1251::toUtf8;

// The C library's own converter, as an independent reference for the table.
std::string referenceToUtf8(unsigned char byte) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    const auto rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) return {};
    return std::string(out, static_cast<std::size_t>(outPtr - out));
}

TEST(Cp1251, EveryByteRoundTripsAndAgreesWithTheCLibrary) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = toUtf8(byte);
        EXPECT_EQ(fromUtf8(utf8), byte) << "byte " << b;
        if (b != 0x98) {
            const std::string reference = referenceToUtf8(static_cast<unsigned char>(b));
            ASSERT_FALSE(reference.empty()) << "no CP1251 converter for byte " << b;
            EXPECT_EQ(utf8, reference) << "byte " << b;
        }
    }
    EXPECT_EQ(toUtf8("\x98"), "\u0098");
}

TEST(Cp1251, CyrillicBothWays) {
    const std::string bytes = "\xC2\xFB\xF7\xE8\xF1\xEB\xE8\xF6\xE0 \xA8\xB8 \xB9 \x97";
    const std::string text = "Вычислица Ёё № —";
    EXPECT_EQ(toUtf8(bytes), text);
    EXPECT_EQ(fromUtf8(text), bytes);
    EXPECT_EQ(fromUtf8("АЯая"), "\xC0\xDF\xE0\xFF");
}

TEST(Cp1251, CharactersWithoutAByteBecomeQuestionMarks) {
    EXPECT_EQ(fromUtf8("a\u00E9b"), "a?b");        // é
    EXPECT_EQ(fromUtf8("\u4E2D\U0001F600"), "??"); // CJK, emoji
    EXPECT_FALSE(byteOf(U'\u00E9').has_value());
    EXPECT_EQ(byteOf(U'\u20AC'), 0x88);
}

TEST(Cp1251, MalformedUtf8BecomesQuestionMarks) {
    const struct {
        std::string in;
        std::string out;
    } rows[] = {
        {"\x80", "?"},                    // stray continuation byte
        {"a\xD0", "a?"},                  // truncated at the end
        {"\xD0" "b", "?b"},               // lead byte without its continuation
        {"\xC0\xAF", "??"},               // overlong '/'
        {"\xED\xA0\x80", "???"},          // surrogate
        {"\xF4\x90\x80\x80", "????"},     // beyond U+10FFFF
        {"\xFF\xFE", "??"},
        {std::string("\0x", 2), std::string("\0x", 2)},
    };
    for (const auto& row : rows) EXPECT_EQ(fromUtf8(row.in), row.out) << row.in;
}

} // namespace
