#pragma once
// Sine, cosine, logarithms and the exponential in extended precision. The C
// library's extended versions are several times slower than the rest of an
// evaluation together; these use the processor's own x87 instructions on a
// reduced argument and stay within an ulp or two of them.
namespace vy::formula {

long double extSin(long double x);
long double extCos(long double x);
long double extLn(long double x);    // x > 0
long double extLg(long double x);    // x > 0
long double extExp(long double x);   // inf beyond the range, 0 below it

} // namespace vy::formula
