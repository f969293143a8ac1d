#pragma once
// Long natural numbers in base 10^9, the working form of the fast factorial:
// a vector of limbs, least significant first, without zero limbs at the top
// (zero is the empty vector). Decimal text comes out of it limb by limb, with
// no base conversion to pay for.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vy::calc::longdec {

using Limbs = std::vector<std::uint32_t>;
inline constexpr std::uint32_t kLimbBase = 1000000000;
inline constexpr int kLimbDigits = 9;

// Drops zero limbs at the top.
void trim(Limbs& a);

Limbs fromUint(std::uint64_t value);
// Decimal digits only (std::invalid_argument otherwise); leading zeros are allowed.
Limbs fromDecimal(std::string_view digits);
// "0" for zero; no leading zeros otherwise.
std::string toDecimal(const Limbs& a);
// Appends the digits of a (nothing for zero) to text; reserve first for speed.
void appendDecimal(const Limbs& a, std::string& text);

// a *= m for a small factor m.
void multiplySmall(Limbs& a, std::uint32_t m);
// Schoolbook for short factors, number-theoretic transforms for long ones. A
// product longer than ntt::maxProductLength() throws std::length_error.
Limbs multiply(const Limbs& a, const Limbs& b);
Limbs square(const Limbs& a);

// The product of many small factors, multiplied as a balanced tree so that the
// large multiplications see operands of equal length. 1 for none.
Limbs productOf(std::span<const std::uint32_t> factors);

} // namespace vy::calc::longdec
