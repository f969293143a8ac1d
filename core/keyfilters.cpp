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

std::string_view FieldKeys::target(Arrow arrow) const
{
    switch (arrow) {
    case Arrow::Down:
        return down;
    case Arrow::Up:
        return up;
    case Arrow::Right:
        return right;
    case Arrow::Left:
        break;
    }
    return left;
}

namespace {

constexpr EnterAction Focus = EnterAction::FocusField;
constexpr EnterAction Compute = EnterAction::Compute;

// Rows top to bottom; in a pair Enter moves to the second field, and the last
// field of a row computes. Up anywhere in the quadratic row goes to Edit10.
constexpr FieldKeys kMainWindow[] = {
    {"Edit1", Compute, "Button1", "Edit2", "", "", ""},
    {"Edit2", Compute, "Button3", "Edit3", "Edit1", "", ""},
    {"Edit3", Compute, "Button4", "Edit15", "Edit2", "", ""},
    {"Edit15", Compute, "Button13", "Edit4", "Edit3", "", ""},
    {"Edit4", Focus, "Edit5", "Edit6", "Edit15", "Edit5", ""},
    {"Edit5", Compute, "Button6", "Edit6", "Edit15", "", "Edit4"},
    {"Edit6", Focus, "Edit7", "Edit8", "Edit4", "Edit7", ""},
    {"Edit7", Compute, "Button7", "Edit8", "Edit4", "", "Edit6"},
    {"Edit8", Focus, "Edit9", "Edit10", "Edit6", "Edit9", ""},
    {"Edit9", Compute, "Button8", "Edit10", "Edit6", "", "Edit8"},
    {"Edit10", Focus, "Edit11", "Edit12", "Edit8", "Edit11", ""},
    {"Edit11", Compute, "Button9", "Edit12", "Edit8", "", "Edit10"},
    {"Edit12", Focus, "Edit13", "", "Edit10", "Edit13", ""},
    {"Edit13", Focus, "Edit14", "", "Edit10", "Edit14", "Edit12"},
    {"Edit14", Compute, "Button10", "", "Edit10", "", "Edit13"},
};

} // namespace

std::span<const FieldKeys> mainWindowKeys() { return kMainWindow; }

const FieldKeys* mainWindowKeysFor(std::string_view field)
{
    const auto it = std::find_if(std::begin(kMainWindow), std::end(kMainWindow),
                                 [&](const FieldKeys& k) { return k.field == field; });
    return it == std::end(kMainWindow) ? nullptr : &*it;
}

} // namespace vy::keys
