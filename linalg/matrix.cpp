#include "linalg/matrix.h"

#include "core/floatfail.h"
#include "core/rangefail.h"
#include "linalg/elimination.h"

#include <algorithm>

namespace vy {

TMatrix::TMatrix(std::size_t rows, std::size_t cols)
{
    if (rows > 0)
        rows_ = std::make_shared<std::vector<Row>>(rows, Row(cols, 0.0));
}

TMatrix::TMatrix(std::initializer_list<std::initializer_list<double>> rows)
{
    if (rows.size() == 0)
        return;
    rows_ = std::make_shared<std::vector<Row>>();
    for (const auto& row : rows)
        rows_->emplace_back(row);
}

bool TMatrix::operator==(const TMatrix& other) const
{
    if (empty() || other.empty())
        return empty() == other.empty();
    return *rows_ == *other.rows_;
}

namespace {

std::string count(std::size_t n) { return std::to_string(n); }

// Counts are 16-bit inside the routines.
void checkCounts(const TMatrix& m)
{
    if (m.rows() > kMaxMatrixCount || m.cols() > kMaxMatrixCount)
        throw RangeFailure();
}

// Sum and difference differ only in their texts and the operation.
template <class Op>
bool elementwise(const TMatrix& A, const TMatrix& B, TMatrix& C, const MessageSink& sink,
                 const std::string& emptyText, const std::string& sizeText, const char* lastTimes, Op op)
{
    if (A.empty() || B.empty()) {
        sink(emptyText);
        return false;
    }
    checkCounts(A);
    checkCounts(B);
    const std::size_t r = A.rows();
    const std::size_t c = A.cols();
    if (B.cols() != c || B.rows() != r) {
        sink(sizeText + count(r) + " х " + count(c) + " и " + count(B.rows()) + lastTimes + count(B.cols()));
        return false;
    }
    TMatrix T(r, c);
    for (std::size_t i = 0; i < r; ++i)
        for (std::size_t j = 0; j < c; ++j)
            T[i][j] = checked::toDouble(op(static_cast<long double>(A[i][j]), B[i][j]));
    C = T;
    return true;
}

} // namespace

void NewMatrix(std::int32_t rows, std::int32_t cols, TMatrix& M)
{
    if (rows < 0 || cols < 0)
        throw RangeFailure();
    TMatrix T(static_cast<std::size_t>(rows), static_cast<std::size_t>(cols));
    const std::size_t keepRows = std::min(T.rows(), M.rows());
    for (std::size_t i = 0; i < keepRows; ++i) {
        const auto& old = M[i];
        std::copy_n(old.begin(), std::min(old.size(), T[i].size()), T[i].begin());
    }
    M = T;
}

void TransMatrix(const TMatrix& M, TMatrix& R)
{
    if (M.empty()) {
        R = M;
        return;
    }
    checkCounts(M);
    const std::size_t r = M.rows();
    const std::size_t c = M.cols();
    TMatrix T(c, r);
    for (std::size_t i = 0; i < r; ++i)
        for (std::size_t j = 0; j < c; ++j)
            T[j][i] = M[i][j];
    R = T;
}

bool SumMatrix(const TMatrix& A, const TMatrix& B, TMatrix& C, const MessageSink& sink)
{
    return elementwise(A, B, C, sink, "Функция SumMatrix :\rHe задана матрица",
                       "Функция SumMatrix :\rЗаданы матрицы разных размерностей :\r", " х ",
                       [](long double a, long double b) { return a + b; });
}

bool SubMatrix(const TMatrix& A, const TMatrix& B, TMatrix& C, const MessageSink& sink)
{
    // The last sign of the size text is the Latin x.
    return elementwise(A, B, C, sink, "Функция SubMatrix :\rHe. задана матрица",
                       "Функция SubMatrix :\rЗаданы матрицы разных размерностей :\r", " x ",
                       [](long double a, long double b) { return a - b; });
}

bool MultMatrix(const TMatrix& A, const TMatrix& B, TMatrix& C, const MessageSink& sink)
{
    if (A.empty() || B.empty()) {
        sink("Функция MultMatrix :\rне задана матрица");
        return false;
    }
    checkCounts(A);
    checkCounts(B);
    const std::size_t r = A.rows();
    const std::size_t k = A.cols();
    const std::size_t c = B.cols();
    if (B.rows() != k) {
        sink("Функция MultMatrix :\rЧисло столбцов первой матрицы (" + count(k) +
             ")\rне совпадает с числом строк второй матрицы (" + count(B.rows()) + ")");
        return false;
    }
    TMatrix T(r, c);
    for (std::size_t i = 0; i < r; ++i) {
        for (std::size_t j = 0; j < c; ++j) {
            double sum = 0.0;
            for (std::size_t m = 0; m < k; ++m)
                sum = checked::toDouble(static_cast<long double>(A[i][m]) * B[m][j] + sum);
            T[i][j] = sum;
        }
    }
    C = T;
    return true;
}

double DetMatrix(const TMatrix& A, const MessageSink& sink)
{
    if (A.empty()) {
        sink("Функция DetMatrix :\rHe задана матрица");
        return 0.0;
    }
    checkCounts(A);
    const std::size_t n = A.rows();
    if (A.cols() != n) {
        sink("Функция DetMatrix \rматрица не квадратная,\rее размерность " + count(n) + " х " + count(A.cols()));
        return 0.0;
    }
    // One work buffer for every level: each level is reduced in place into the
    // block below and to the right of its pivot, so nothing of a finished level
    // stays allocated.
    elim::Buffer w(n, n);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            w.at(i, j) = static_cast<double>(checked::check(A[i][j]));
    return elim::determinantFrom(w, 0, 1.0);
}

} // namespace vy
