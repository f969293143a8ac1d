#include "linalg/mathlib.h"

#include "linalg/sarrus.h"

// The columns are m.1, m.2 and m.3, so the products come in the same order as
// in the three-equation solve.
long double Determ(double m11, double m12, double m13, double m21, double m22, double m23, double m31, double m32,
                   double m33)
{
    return vy::sarrus::determinant({{m11, m21, m31}, {m12, m22, m32}, {m13, m23, m33}});
}
