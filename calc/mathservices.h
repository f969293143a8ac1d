#pragma once
// Long decimal numbers as arrays of single digits, and the exact factorial.
//
// A TNumber keeps the digits of its integer and fraction parts, least
// significant first, one decimal digit per element. For arithmetic it is
// flattened into one TMathArray: fraction digits, then integer digits, with f
// the count of fraction digits, standing for the sum of d[i] * 10^(i - f).
//
// Factorial is not built on these digit arrays: it uses the fast arithmetic of
// calc/factorial.h and returns the same text.
#include "calc/factorial.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vy::calc {

using TMathArray = std::vector<std::int32_t>;

struct TNumber {
    TMathArray IntDigits;     // units digit first
    TMathArray FracDigits;    // element 0 is the last digit after the point
    std::uint8_t Positive = 1; // 1: not negative, 0: negative
};

// A leading "-" makes the number negative; the point is ".". Every other
// character is converted on its own by the integer conversion, so anything
// but a digit throws vy::ConversionError "'%s' is not a valid integer value".
// An empty text empties both arrays and leaves Positive as it was.
void StrToNumber(std::string_view text, TNumber& number);

// Fills flat with the fraction digits followed by the integer digits and
// returns their count f.
int NumberToDigits(const TNumber& number, TMathArray& flat);

// The f lowest elements of flat become FracDigits, the rest IntDigits.
void DigitsToNumber(TNumber& number, const TMathArray& flat, int f, std::uint8_t positive);

// P += A * B, then carried until every element is 0..9; a carry out of the top
// element lengthens P. The caller sizes P for every index i + j of the
// products; a shorter P throws vy::RangeFailure and is left untouched.
void MultiplyDigits(const TMathArray& A, const TMathArray& B, TMathArray& P);

// The number as text: no leading zeros before the last integer digit
// (".5" keeps no zero before the point), no trailing zeros after the point
// ("3." keeps its point), "-" in front of a negative one. The number is
// emptied.
std::string NumberToStr(TNumber& number);

void ClearNumber(TNumber& number);

// Told the share of the factorial done, in percent; empty unless a caller
// sets it. Factorial(text) reports to it; Factorial(text, hook) to hook alone.
extern std::function<void(double)> FactorialProgress;

// N! of the whole number in text ("1" for N <= 0). A text that is not a 32-bit
// whole number throws vy::ConversionError "'%s' is not a valid integer value";
// N above kFactorialLimit throws FactorialTooLarge.
std::string Factorial(std::string_view text);
std::string Factorial(std::string_view text, const ProgressHook& hook);

} // namespace vy::calc
