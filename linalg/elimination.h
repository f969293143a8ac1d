#pragma once
// The elimination step that the determinant, the rank and the n-equation solve
// share. It works in place on a flat row-major buffer: eliminating the first row
// and column of the block that starts at (level, level) leaves the reduced block
// at (level + 1, level + 1), so one buffer of n * n doubles serves every level
// and each level's values are exactly those of a separately allocated matrix.
#include <cstddef>
#include <functional>
#include <vector>

namespace vy::elim {

// Elements below this fraction of their former value are taken for cancellation
// and cleared. The extended constant nearest to 10^-10.
inline constexpr long double kCutOff = 1e-10L;

// rows x cols doubles, row-major.
struct Buffer {
    std::size_t rows = 0;
    std::size_t cols = 0;
    std::vector<double> data;

    Buffer() = default;
    Buffer(std::size_t r, std::size_t c) : rows(r), cols(c), data(r * c, 0.0) {}
    double* row(std::size_t i) { return data.data() + i * cols; }
    const double* row(std::size_t i) const { return data.data() + i * cols; }
    double& at(std::size_t i, std::size_t j) { return data[i * cols + j]; }
    double at(std::size_t i, std::size_t j) const { return data[i * cols + j]; }
};

enum class Pivot { NonZero, Exchanged, ZeroColumn };

// If the pivot (pivotRow, col) is exactly zero (either sign), exchanges row
// pivotRow with the first row below it, up to searchEnd (exclusive), whose
// element in col is not zero; magnitudes are not compared. Columns col.. are
// swapped (those on the left are spent).
Pivot exchangeForPivot(Buffer& w, std::size_t pivotRow, std::size_t col, std::size_t searchEnd);

// Reduces rows pivotRow+1 .. rowEnd-1 against row pivotRow, columns col+1 ..:
// each element a becomes a - (l * u) * q, evaluated in this order in extended
// precision and stored as a double, and is cleared when it falls below the
// cut-off times |a|. l is the row's element in col, u the pivot row's element
// in the same column, q the double reciprocal of the pivot. Returns false when
// some stored element left the double range (it holds an infinity then).
bool reduceRows(Buffer& w, std::size_t pivotRow, std::size_t col, std::size_t rowEnd, double q);

// Extended product rounded to double; throws FloatFailure on overflow.
double roundedProduct(double a, double b);
// 1/p in extended, rounded to double; throws FloatFailure on overflow.
double reciprocal(double p);

// Runs before each level of a long elimination with the size of the block that
// level reduces; it may throw to abandon the work.
using Checkpoint = std::function<void(std::size_t blockSize)>;

// The element updates of eliminating an m x m block down to 1 x 1: the sum of
// (s - 1)^2 for s = 2..m. A measure of work for progress reports.
double eliminationWork(std::size_t m);

// The determinant of the square block of w from level on, with the accumulator
// d carried in: the rules of the determinant (exact-zero pivot exchange, the
// cut-off). Throws FloatFailure when a value leaves the double range.
double determinantFrom(Buffer& w, std::size_t level, double d, const Checkpoint& checkpoint = {});

} // namespace vy::elim
