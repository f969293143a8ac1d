#pragma once
// The shared library Math (libMath.so beside the program), which the program
// binds at load time. Its one function gives the determinant of a 3 x 3 matrix
// of doubles, elements by rows, in extended precision; it keeps no state and
// reports no errors.
extern "C" {

__attribute__((visibility("default"))) long double Determ(double m11, double m12, double m13, double m21, double m22,
                                                          double m23, double m31, double m32, double m33);

} // extern "C"
