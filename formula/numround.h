#pragma once
// Fast forms of the number-text round trip that every stage result goes through.
// Each one equals its reference in core/numtext.h bit for bit and falls back to
// it wherever the quick way cannot be sure.
#include <cstddef>
#include <string_view>

namespace vy::formula {

// StrToFloatExt(FloatToStr(v)); false where that conversion fails.
bool roundTrip(long double v, long double& out);

// FloatToStr(v) written into buffer (kNumberTextCapacity chars); returns its length.
inline constexpr std::size_t kNumberTextCapacity = 40;
std::size_t numberText(long double v, char* buffer);

// StrToFloatExt(text); false where it raises a conversion error.
bool readNumber(std::string_view text, long double& out);

} // namespace vy::formula
