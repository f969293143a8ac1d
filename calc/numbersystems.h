#pragma once
// Whole numbers in decimal, binary and hexadecimal notation: the 32-bit
// signed value behind the number-systems converter. Parsing failures are the
// platform's integer conversion failure (ConversionError, "'%s' is not a valid
// integer value") or, for a binary value beyond the 32-bit range, RangeFailure.
#include <cstdint>
#include <string>
#include <string_view>

namespace vy::numsys {

enum class Notation { Decimal, Binary, Hexadecimal };

// The standard integer conversion: optional sign and decimal digits.
std::int32_t ParseDecimal(std::string_view text);
// Each character, read from the end, weighs its own decimal value times
// 2^(k-1), k = 1 for the last one: "1010" is 10 and "12" is 4. Every character
// must be a decimal digit and the text must not be empty.
std::int32_t ParseBinary(std::string_view text);
// Hexadecimal digits in either case, at most 32 bits (leading zeros do not
// count); 80000000 and above read as negative numbers (two's complement).
// The failure message names the text as converted, with its "$" mark.
std::int32_t ParseHex(std::string_view text);

std::string FormatDecimal(std::int32_t n);
// 31 characters for bits 30 down to 0; the zeros before the first "1" are
// blanks, so 0 is 31 blanks and bit 31 is never shown.
std::string FormatBinary(std::int32_t n);
// Upper-case hexadecimal with at least two digits (eight for a negative
// number); a leading "0" becomes a blank: 10 is " A".
std::string FormatHex(std::int32_t n);

std::int32_t Parse(Notation from, std::string_view text);
std::string Format(Notation to, std::int32_t n);

} // namespace vy::numsys
