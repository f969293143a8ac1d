#pragma once
// Key filters of the numeric fields. A filter sees each typed character before
// the field does and either passes it on, perhaps replaced, or swallows it, in
// which case the window plays the exclamation sound. Characters are Unicode code
// points as the keyboard produced them; Backspace arrives as 8 and Enter as 13.
#include <optional>
#include <string_view>

namespace vy::keys {

inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kEnter = 13;

struct KeyVerdict {
    std::optional<char32_t> pass; // what the field receives; empty when swallowed
    bool exclamation = false;     // swallowed: play the exclamation sound

    static KeyVerdict passed(char32_t c) { return {c, false}; }
    static KeyVerdict swallowed() { return {std::nullopt, true}; }
    bool operator==(const KeyVerdict&) const = default;
};

// "б", "ю" and "." become ","; everything else passes unchanged. The two letters
// sit on the keys that carry "," and "." in the Latin layout.
KeyVerdict commaFilter(char32_t c);

// Which letters of those keys a signed decimal field turns into ",".
enum class CommaLetters { None, B, BAndYu };

// Backspace, ",", "-" and digits pass (the minus anywhere: the conversion judges).
KeyVerdict signedDecimalFilter(char32_t c, CommaLetters letters);

struct UnsignedOptions {
    bool acceptBackspace = true;
    bool acceptEnter = false;
};
// Backspace, "," and digits pass.
KeyVerdict unsignedDecimalFilter(char32_t c, UnsignedOptions options = {});
// The comma filter first, then the unsigned decimal filter with Enter accepted.
KeyVerdict commaThenUnsignedFilter(char32_t c);
// Backspace and digits pass.
KeyVerdict wholeNumberFilter(char32_t c);
// Backspace, digits and the Latin letters A..F in either case pass.
KeyVerdict hexadecimalFilter(char32_t c);

// The arrow keys, for the windows whose fields they move between.
enum class Arrow { Down, Up, Right, Left };

} // namespace vy::keys
