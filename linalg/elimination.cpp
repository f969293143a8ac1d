#include "linalg/elimination.h"

#include "core/floatfail.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

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

bool reduceRows(Buffer& w, std::size_t pivotRow, std::size_t col, std::size_t rowEnd, double q)
{
    const double* u = w.row(pivotRow);
    const std::size_t cols = w.cols;
    const long double lq = q;
    bool finite = true;
    for (std::size_t i = pivotRow + 1; i < rowEnd; ++i) {
        double* a = w.row(i);
        const long double l = a[col];
        for (std::size_t j = col + 1; j < cols; ++j) {
            const long double old = a[j];
            double t = static_cast<double>(old - (l * u[j]) * lq);
            const long double magnitude = std::fabs(static_cast<long double>(t));
            if (magnitude < kCutOff * std::fabs(old))
                t = 0.0;
            else if (magnitude > DBL_MAX)
                finite = false;
            a[j] = t;
        }
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
