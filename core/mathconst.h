#pragma once
// Constants every engine shares, in the extended type.
#include <cstddef>

namespace vy {

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;

// Every power of ten up to 10^27 is exact in the extended type (5^27 < 2^64),
// so a product or quotient by one of them is correctly rounded in one step.
inline constexpr int kMaxExactPowerOfTen = 27;
inline constexpr long double kExactPowersOfTen[kMaxExactPowerOfTen + 1] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

} // namespace vy
