#pragma once
// Exact multiplication of long decimal numbers by number-theoretic transforms.
// Numbers are arrays of base-10^9 limbs, least significant first. Each product
// is convolved modulo three primes below 2^30 and put together again by the
// Chinese remainder theorem: a coefficient of the convolution never exceeds
// min(la, lb) * (10^9 - 1)^2, far below the product of the three primes, so the
// result is exact for every length the transforms can hold.
#include <cstddef>
#include <cstdint>

namespace vy::calc::ntt {

// The longest product (la + lb limbs) one transform holds: 2^23 limbs, about
// 75 million decimal digits.
std::size_t maxProductLength() noexcept;

// out[0 .. la + lb) = a * b, every limb in 0 .. 10^9 - 1 (the top one may be 0).
// la, lb >= 1; la + lb <= maxProductLength(); out must not overlap a or b.
void multiply(const std::uint32_t* a, std::size_t la, const std::uint32_t* b, std::size_t lb,
              std::uint32_t* out);

// out[0 .. 2 * la) = a * a; one forward transform per prime instead of two.
void square(const std::uint32_t* a, std::size_t la, std::uint32_t* out);

// The tables of roots of unity grow with the longest product and are kept for
// the next; this gives back what the longest ones took (some 37 MB after the
// factorial of a million). Multiplications running meanwhile are not affected.
void releaseLargeTables();

} // namespace vy::calc::ntt
