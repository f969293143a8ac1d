#pragma once
// The matrix type and its six routines: sizing, transposition, sum, difference,
// product and determinant. Arithmetic runs in extended precision and rounds to
// double wherever a value is stored. A routine that cannot do its work shows a
// fixed text through the caller's message sink and leaves its output alone.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vy {

// A dynamic array of rows of doubles, indexed from 0. The value is shared:
// copying a TMatrix shares its rows (a write through one copy is seen by the
// other), and the rows are freed with their last holder.
class TMatrix {
public:
    using Row = std::vector<double>;

    TMatrix() = default;
    // rows x cols zeros; rows == 0 gives an empty matrix.
    TMatrix(std::size_t rows, std::size_t cols);
    // From nested lists, mainly for tests: {{1, 2}, {3, 4}}.
    TMatrix(std::initializer_list<std::initializer_list<double>> rows);

    bool empty() const noexcept { return !rows_ || rows_->empty(); }
    // The row count is the length; the column count is the length of row 0.
    std::size_t rows() const noexcept { return rows_ ? rows_->size() : 0; }
    std::size_t cols() const noexcept { return empty() ? 0 : (*rows_)[0].size(); }

    Row& operator[](std::size_t i) { return (*rows_)[i]; }
    const Row& operator[](std::size_t i) const { return (*rows_)[i]; }

    // True when both hold the same rows (not merely equal values).
    bool sharesWith(const TMatrix& other) const noexcept { return rows_ == other.rows_; }
    // Element by element.
    bool operator==(const TMatrix& other) const;

private:
    std::shared_ptr<std::vector<Row>> rows_;
};

// Where a routine's fixed message goes: the windows show it as a plain message.
using MessageSink = std::function<void(const std::string&)>;

// Counts above this make the routines raise RangeFailure (counts are 16-bit inside).
inline constexpr std::size_t kMaxMatrixCount = 65536;

// M resized to rows x cols: elements inside both the old and the new bounds keep
// their values, all others are 0.0. A negative count throws RangeFailure. The
// rows are always new, so other holders of M keep the old ones.
void NewMatrix(std::int32_t rows, std::int32_t cols, TMatrix& M);

// R = transpose of M; an empty M gives R = M. Never fails.
void TransMatrix(const TMatrix& M, TMatrix& R);

// C = A + B, A - B, A * B. On failure the sink gets the routine's message and
// C is not written; the result says whether C was written.
bool SumMatrix(const TMatrix& A, const TMatrix& B, TMatrix& C, const MessageSink& sink);
bool SubMatrix(const TMatrix& A, const TMatrix& B, TMatrix& C, const MessageSink& sink);
bool MultMatrix(const TMatrix& A, const TMatrix& B, TMatrix& C, const MessageSink& sink);

// The determinant by repeated elimination of the first row and column: the
// pivots multiplied into a double accumulator, a row exchange only for a pivot
// that is exactly zero, and reduced elements below 1e-10 of their former value
// cleared. 0.0 with a message for an empty or non-square A. A value beyond the
// double range throws FloatFailure.
double DetMatrix(const TMatrix& A, const MessageSink& sink);

} // namespace vy
