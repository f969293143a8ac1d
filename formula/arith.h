#pragma once
// The arithmetic of the evaluator's stages. The text path and the compiled path
// both call these, so an operation gives the same bits, the same ordinary failure
// (false) and the same FloatFailure on either path.
#include <cstddef>

namespace vy::formula {

// In the order in which stage B searches for them; a later name is applied first.
enum class Function : unsigned char { Sin, Cos, Tg, Ctg, Arcsin, Arccos, Arctg, Arcctg, Abs, Ln, Lg, Sqrt, Exp };
inline constexpr int kFunctionCount = 13;
inline constexpr const char* kFunctionNames[kFunctionCount] = {
    "sin", "cos", "tg", "ctg", "arcsin", "arccos", "arctg", "arcctg", "abs", "ln", "lg", "sqrt", "exp"};

// The guard of divisors, logarithms, tangents and negative bases.
inline constexpr long double kSmall = 0.00001L;

// Brackets nested deeper than this fail instead of exhausting the stack.
inline constexpr int kMaxDepth = 200;

// Whole exponents up to this size are done by repeated multiplication; larger
// ones by squaring, which needs at most 31 steps.
inline constexpr unsigned kMultiplyLimit = 256;

bool applyFunction(Function f, long double v, long double& out);
bool power(long double base, long double exponent, long double& out);
bool divide(long double dividend, long double divisor, long double& out);
long double multiply(long double a, long double b);

} // namespace vy::formula
