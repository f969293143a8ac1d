#include "core/keyfilters.h"

#include <algorithm>

namespace vy::keys {

namespace {

constexpr char32_t kCyrillicBe = U'\u0431'; // "б", byte 0xE1 in the code page
constexpr char32_t kCyrillicYu = U'\u044E'; // "ю", byte 0xFE

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

KeyVerdict passIf(bool accepted, char32_t c)
{
    return accepted ? KeyVerdict::passed(c) : KeyVerdict::swallowed();
}

} // namespace

KeyVerdict commaFilter(char32_t c)
{
    if (c == kCyrillicBe || c == kCyrillicYu || c == U'.')
        return KeyVerdict::passed(U',');
    return KeyVerdict::passed(c);
}

KeyVerdict signedDecimalFilter(char32_t c, CommaLetters letters)
{
    if ((c == kCyrillicBe && letters != CommaLetters::None) ||
        (c == kCyrillicYu && letters == CommaLetters::BAndYu))
        c = U',';
    return passIf(c == kBackspace || c == U',' || c == U'-' || isDigit(c), c);
}

KeyVerdict unsignedDecimalFilter(char32_t c, UnsignedOptions options)
{
    const bool accepted = (c == kBackspace && options.acceptBackspace) || (c == kEnter && options.acceptEnter) ||
                          c == U',' || isDigit(c);
    return passIf(accepted, c);
}

KeyVerdict commaThenUnsignedFilter(char32_t c)
{
    return unsignedDecimalFilter(*commaFilter(c).pass, {.acceptBackspace = true, .acceptEnter = true});
}

KeyVerdict wholeNumberFilter(char32_t c) { return passIf(c == kBackspace || isDigit(c), c); }

KeyVerdict hexadecimalFilter(char32_t c)
{
    return passIf(c == kBackspace || isDigit(c) || (c >= U'A' && c <= U'F') || (c >= U'a' && c <= U'f'), c);
}

} // namespace vy::keys
