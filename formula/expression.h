#pragma once
// Arithmetic expressions without variables, as the expression window takes
// them: the text is split into items, turned into postfix form with a stack of
// operations and evaluated on a stack of values. Angles are in degrees; sine and
// cosine round to three decimals on the way in and out. Apart from the power
// rule this shares nothing with the formula evaluator in formula.h.
// Arithmetic faults throw vy::FloatFailure; an ordinary failure is a false result.
#include "core/report.h"

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace vy {

// One operation: its name as typed, how many operands it takes (the right
// operand is the one typed last) and its priority in the conversion.
struct TOperation {
    const char* name;
    int operands;
    int priority;
};

// The operations in the order of their numbers; an item names an operation by
// its index here.
inline constexpr TOperation kOperations[] = {
    {"+", 2, 1},     {"-", 2, 1},      {"*", 2, 2},      {"/", 2, 2},      {"^", 2, 4},
    {"sin", 1, 5},   {"cos", 1, 5},    {"arcsin", 1, 5}, {"arccos", 1, 5}, {"ln", 1, 5},
    {"exp", 1, 5},   {"round", 1, 5},  {"trunc", 1, 5},  {"tan", 1, 5},    {"cotan", 1, 5},
};
inline constexpr int kOperationCount = static_cast<int>(std::size(kOperations));

// A kind byte and an eight-byte payload: a number's value or an operation's index.
struct ExpressionItem {
    enum class Kind : std::uint8_t { Number = 0, Operation = 1, OpenBracket = 2, CloseBracket = 3 };

    Kind kind = Kind::Number;
    union Payload {
        double number;
        std::int32_t operation;
    } payload{0.0};

    static ExpressionItem number(double value);
    static ExpressionItem operation(std::int32_t index);
    static ExpressionItem openBracket();
    static ExpressionItem closeBracket();

    friend bool operator==(const ExpressionItem& a, const ExpressionItem& b);
};
using TExpression = std::vector<ExpressionItem>;

// The window's two messages, each in a message box with the error icon under
// the program's title, after the critical-stop sound that such a box makes.
inline constexpr const char* kExpressionConversionError = "Ошибка преобразования выражения!";
inline constexpr const char* kExpressionEvaluationError = "Ошибка вычисления выражения!";
Report expressionFailureReport(const char* message);

// Splits the text (enclosed in brackets, a minus after an opening bracket read as
// 0 minus) at the signs + - * / ^ and the brackets. Every other piece must be a
// number with a decimal comma (blanks around it allowed) or the exact name of an
// operation; anything else fails.
bool TokenizeExpression(const std::string& text, TExpression& infix);

// Operator-precedence conversion; every operation groups from left to right,
// "^" included. A closing bracket without its opening one fails; an opening one
// without its closing one is left in the output, where evaluation fails on it.
bool ToPostfix(const TExpression& infix, TExpression& postfix);

// Each item followed by a blank: numbers in the 15-digit form, operations by
// name, brackets as "(" and ")".
std::string PostfixText(const TExpression& postfix);

// Fails on a bracket, on an operation short of operands and when other than
// one value is left at the end. Throws FloatFailure on an arithmetic error
// (division by zero, the logarithm of 0 or of a negative number, a result beyond
// the double range).
bool EvaluatePostfix(const TExpression& postfix, double& value);

} // namespace vy
