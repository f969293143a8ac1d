#include "linalg/elimination.h"

#include "core/floatfail.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vy::elim {

Pivot exchangeForPivot(Buffer& w, std::size_t pivotRow, std::size_t col, std::size_t searchEnd)
{
    if (w.at(pivotRow, col) != 0.0)
        return Pivot::NonZero;
    for (std::size_t i = pivotRow + 1; i < searchEnd; ++i) {
        if (w.at(i, col) != 0.0) {
            std::swap_ranges(w.row(pivotRow) + col, w.row(pivotRow) + w.cols, w.row(i) + col);
            return Pivot::Exchanged;
        }
    }
    return Pivot::ZeroColumn;
}

namespace {

// The cut-off test |t| < kCutOff * |old| is made in extended precision, which
// is slow when it sits in the loop that computes t (the stored double has to
// travel back from memory at once). So the loop only computes, and a second
// pass over the row decides in doubles, two at a time, whether any element
// may need the exact test: the double bound below is certainly above
// kCutOff * |old| (its relative errors stay under 2^-50, and 2^-1000 covers
// the absolute error of a product in the subnormal range), so an element above
// it is certainly kept. Rows with a suspect take the exact test element by
// element; the results are those of the exact test alone.
constexpr double kCutOffBand = 1e-10 * (1.0 + 0x1p-45);
constexpr double kBandFloor = 0x1p-1000;

// Whether some t[j] may fall below the cut-off; huge when some |t[j]| is
// beyond the double range.
bool maybeCut(const double* t, const double* old, std::size_t n, bool& huge)
{
    std::size_t j = 0;
    bool suspect = false;
    huge = false;
#ifdef __SSE2__
    const __m128d sign = _mm_set1_pd(-0.0);
    const __m128d band = _mm_set1_pd(kCutOffBand);
    const __m128d floor = _mm_set1_pd(kBandFloor);
    const __m128d largest = _mm_set1_pd(DBL_MAX);
    __m128d low = _mm_setzero_pd();
    __m128d high = _mm_setzero_pd();
    for (; j + 2 <= n; j += 2) {
        const __m128d a = _mm_andnot_pd(sign, _mm_loadu_pd(t + j));
        const __m128d b = _mm_andnot_pd(sign, _mm_loadu_pd(old + j));
        low = _mm_or_pd(low, _mm_cmple_pd(a, _mm_add_pd(_mm_mul_pd(b, band), floor)));
        high = _mm_or_pd(high, _mm_cmpgt_pd(a, largest));
    }
    suspect = _mm_movemask_pd(low) != 0;
    huge = _mm_movemask_pd(high) != 0;
#endif
    for (; j < n; ++j) {
        const double a = std::fabs(t[j]);
        suspect = suspect || a <= std::fabs(old[j]) * kCutOffBand + kBandFloor;
        huge = huge || a > DBL_MAX;
    }
    return suspect;
}

} // namespace

bool reduceRows(Buffer& w, std::size_t pivotRow, std::size_t col, std::size_t rowEnd, double q)
{
    const double* u = w.row(pivotRow);
    const std::size_t first = col + 1;
    const std::size_t cols = w.cols;
    if (first >= cols)
        return true;
    const long double lq = q;
    std::vector<double> before(cols);
    bool finite = true;
    for (std::size_t i = pivotRow + 1; i < rowEnd; ++i) {
        double* a = w.row(i);
        const long double l = a[col];
        std::copy(a + first, a + cols, before.data() + first);
        for (std::size_t j = first; j < cols; ++j)
            a[j] = static_cast<double>(before[j] - (l * u[j]) * lq);
        bool huge = false;
        if (maybeCut(a + first, before.data() + first, cols - first, huge)) {
            for (std::size_t j = first; j < cols; ++j)
                if (std::fabs(static_cast<long double>(a[j])) < kCutOff * std::fabs(static_cast<long double>(before[j])))
                    a[j] = 0.0;
        }
        finite = finite && !huge;
    }
    return finite;
}

double roundedProduct(double a, double b)
{
    return checked::toDouble(static_cast<long double>(a) * b);
}

double reciprocal(double p)
{
    return checked::toDouble(1.0L / p);
}

double eliminationWork(std::size_t m)
{
    const double s = static_cast<double>(m);
    return (s - 1) * s * (2 * s - 1) / 6;
}

double determinantFrom(Buffer& w, std::size_t level, double d, const Checkpoint& checkpoint)
{
    const std::size_t n = w.rows;
    for (std::size_t L = level;; ++L) {
        if (checkpoint)
            checkpoint(n - L);
        if (n - L == 1)
            return roundedProduct(d, w.at(L, L));
        switch (exchangeForPivot(w, L, L, n)) {
        case Pivot::ZeroColumn:
            return 0.0;
        case Pivot::Exchanged:
            d = -d;
            break;
        case Pivot::NonZero:
            break;
        }
        const double p = w.at(L, L);
        d = roundedProduct(d, p);
        if (!reduceRows(w, L, L, n, reciprocal(p)))
            throw FloatFailure(FloatFailure::Kind::Overflow);
    }
}

} // namespace vy::elim
