#pragma once
// The rule of Sarrus for a 3 x 3 determinant, in the one order the program uses
// everywhere: with the columns a, b, c and the rows 1, 2, 3,
//   a1*b2*c3 + a2*b3*c1 + b1*c2*a3 - a3*b2*c1 - b3*c2*a1 - a2*b1*c3,
// each product taken left to right and the six summed left to right, all in
// extended precision. Header-only, so that the shared Math library and the
// engines compute it the same way without linking each other.
#include <array>

namespace vy::sarrus {

// Columns by row: a[i], b[i], c[i] for rows i = 0, 1, 2.
struct Columns {
    std::array<double, 3> a, b, c;
};

// The six products in the order above, unrounded.
inline std::array<long double, 6> products(const Columns& m)
{
    const auto& [a, b, c] = m;
    return {
        static_cast<long double>(a[0]) * b[1] * c[2],
        static_cast<long double>(a[1]) * b[2] * c[0],
        static_cast<long double>(b[0]) * c[1] * a[2],
        static_cast<long double>(a[2]) * b[1] * c[0],
        static_cast<long double>(b[2]) * c[1] * a[0],
        static_cast<long double>(a[1]) * b[0] * c[2],
    };
}

// The determinant, unrounded: the first three products added, the last three
// subtracted, left to right.
inline long double sum(const std::array<long double, 6>& p)
{
    return p[0] + p[1] + p[2] - p[3] - p[4] - p[5];
}

inline long double determinant(const Columns& m) { return sum(products(m)); }

} // namespace vy::sarrus
