#include "formula/expression.h"

#include "core/floatfail.h"
#include "core/numtext.h"
#include "formula/arith.h"
#include "formula/extmath.h"

#include <cmath>
#include <cstring>
#include <string_view>

namespace vy {

namespace {

// Indexes into kOperations.
enum Operation : std::int32_t { Add, Subtract, Multiply, Divide, Power, Sin, Cos, Arcsin, Arccos, Ln, Exp, Round, Trunc, Tan, Cotan };
static_assert(kOperationCount == Cotan + 1);

using Kind = ExpressionItem::Kind;

constexpr long double kPi = 3.141592653589793238462643383279502884L;

long double radians(long double degrees) { return degrees * kPi / 180; }
long double degrees(long double radians) { return radians * 180 / kPi; }

// Formatted with three decimals and read back, as sine and cosine take their
// argument and give their value.
long double threeDecimals(long double v) { return StrToFloatExt(FormatFixed(v, 3)); }

long double roundHalfToEven(long double v)
{
    const long double nearest = std::round(v); // halves away from zero
    if (std::fabs(v - nearest) == 0.5L)
        return 2 * std::round(v / 2);
    return nearest;
}

long double inverse(long double (*f)(long double), long double v)
{
    if (std::fabs(v) > 1)
        throw FloatFailure(FloatFailure::Kind::InvalidOperation);
    return degrees(f(v));
}

long double logarithm(long double v)
{
    if (v == 0)
        throw FloatFailure(FloatFailure::Kind::DivideByZero);
    if (v < 0)
        throw FloatFailure(FloatFailure::Kind::InvalidOperation);
    return formula::extLn(v);
}

// a is the left operand, b the right one (the only one of a function).
// Computed in extended precision, stored as a double.
double apply(Operation op, double a, double b)
{
    long double r = 0;
    switch (op) {
    case Add:
        r = checked::add(a, b);
        break;
    case Subtract:
        r = checked::sub(a, b);
        break;
    case Multiply:
        r = checked::mul(a, b);
        break;
    case Divide:
        r = checked::div(a, b);
        break;
    case Power:
        // The formula evaluator's rule, whose whole exponents are bounded: a
        // power such as 1^1e18 is not done by 10^18 multiplications.
        r = formula::powerRule(a, b);
        break;
    case Sin:
        r = threeDecimals(formula::extSin(threeDecimals(radians(b))));
        break;
    case Cos:
        r = threeDecimals(formula::extCos(threeDecimals(radians(b))));
        break;
    case Arcsin:
        r = inverse([](long double v) { return std::asin(v); }, b);
        break;
    case Arccos:
        r = inverse([](long double v) { return std::acos(v); }, b);
        break;
    case Ln:
        r = logarithm(b);
        break;
    case Exp:
        r = checked::check(formula::extExp(b));
        break;
    case Round:
        // Beyond 2^52 every double is whole already and stays as it is.
        r = roundHalfToEven(b);
        break;
    case Trunc:
        r = std::trunc(b);
        break;
    case Tan:
        r = checked::check(std::tan(radians(b)));
        break;
    case Cotan:
        r = checked::div(1.0L, checked::check(std::tan(radians(b))));
        break;
    }
    return checked::toDouble(r);
}

bool isOperation(const ExpressionItem& item) { return item.kind == Kind::Operation; }

// Only a hand-made item can name an operation that does not exist.
bool knownOperation(const ExpressionItem& item)
{
    return item.payload.operation >= 0 && item.payload.operation < kOperationCount;
}

int priority(const ExpressionItem& item) { return kOperations[item.payload.operation].priority; }

bool addToken(std::string_view token, TExpression& out)
{
    if (token == "(") {
        out.push_back(ExpressionItem::openBracket());
        return true;
    }
    if (token == ")") {
        out.push_back(ExpressionItem::closeBracket());
        return true;
    }
    if (const auto value = TryStrToFloat(token)) {
        out.push_back(ExpressionItem::number(*value));
        return true;
    }
    for (std::int32_t i = 0; i < kOperationCount; ++i)
        if (token == kOperations[i].name) {
            out.push_back(ExpressionItem::operation(i));
            return true;
        }
    return false;
}

bool isSeparator(char c) { return c != '\0' && std::strchr("()*+-/^", c) != nullptr; }

} // namespace

Report expressionFailureReport(const char* message)
{
    return messageBoxReport(message, "Вычислица", Icon::Error, true);
}

ExpressionItem ExpressionItem::number(double value)
{
    ExpressionItem item;
    item.kind = Kind::Number;
    item.payload.number = value;
    return item;
}

ExpressionItem ExpressionItem::operation(std::int32_t index)
{
    ExpressionItem item;
    item.kind = Kind::Operation;
    item.payload.operation = index;
    return item;
}

ExpressionItem ExpressionItem::openBracket()
{
    ExpressionItem item;
    item.kind = Kind::OpenBracket;
    return item;
}

ExpressionItem ExpressionItem::closeBracket()
{
    ExpressionItem item;
    item.kind = Kind::CloseBracket;
    return item;
}

bool operator==(const ExpressionItem& a, const ExpressionItem& b)
{
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
    case Kind::Number:
        return a.payload.number == b.payload.number;
    case Kind::Operation:
        return a.payload.operation == b.payload.operation;
    default:
        return true;
    }
}

bool TokenizeExpression(const std::string& text, TExpression& infix)
{
    infix.clear();
    // Enclosed in brackets, and a 0 put after every "(" that a minus follows, so
    // that a leading minus is 0 minus. Putting in a 0 never makes a new "(-",
    // so one pass puts in all of them.
    std::string s;
    s.reserve(text.size() + text.size() / 2 + 3);
    s += '(';
    s += text;
    s += ')';
    std::string enclosed;
    enclosed.reserve(s.size() + s.size() / 2);
    for (std::size_t i = 0; i < s.size(); ++i) {
        enclosed += s[i];
        if (s[i] == '(' && i + 1 < s.size() && s[i + 1] == '-')
            enclosed += '0';
    }

    std::size_t start = 0; // of the current token
    for (std::size_t i = 0; i < enclosed.size(); ++i) {
        if (!isSeparator(enclosed[i]))
            continue; // blanks too belong to the token
        const std::string_view view(enclosed);
        if (i > start && !addToken(view.substr(start, i - start), infix))
            return false;
        if (!addToken(view.substr(i, 1), infix))
            return false;
        start = i + 1;
    }
    // The closing bracket put at the end is a separator, so nothing is left over.
    return true;
}

bool ToPostfix(const TExpression& infix, TExpression& postfix)
{
    postfix.clear();
    TExpression stack;
    for (const ExpressionItem& item : infix) {
        switch (item.kind) {
        case Kind::Number:
            postfix.push_back(item);
            break;
        case Kind::Operation:
            if (!knownOperation(item))
                return false;
            while (!stack.empty() && isOperation(stack.back()) && priority(stack.back()) >= priority(item)) {
                postfix.push_back(stack.back());
                stack.pop_back();
            }
            stack.push_back(item);
            break;
        case Kind::OpenBracket:
            stack.push_back(item);
            break;
        case Kind::CloseBracket:
            for (;;) {
                if (stack.empty())
                    return false;
                const ExpressionItem top = stack.back();
                stack.pop_back();
                if (top.kind == Kind::OpenBracket)
                    break;
                postfix.push_back(top);
            }
            break;
        }
    }
    while (!stack.empty()) {
        postfix.push_back(stack.back());
        stack.pop_back();
    }
    return true;
}

std::string PostfixText(const TExpression& postfix)
{
    std::string text;
    for (const ExpressionItem& item : postfix) {
        switch (item.kind) {
        case Kind::Number:
            text += FloatToStr(item.payload.number);
            break;
        case Kind::Operation:
            text += knownOperation(item) ? kOperations[item.payload.operation].name : "?";
            break;
        case Kind::OpenBracket:
            text += '(';
            break;
        case Kind::CloseBracket:
            text += ')';
            break;
        }
        text += ' ';
    }
    return text;
}

bool EvaluatePostfix(const TExpression& postfix, double& value)
{
    std::vector<double> stack;
    for (const ExpressionItem& item : postfix) {
        if (item.kind == Kind::Number) {
            stack.push_back(item.payload.number);
            continue;
        }
        if (item.kind != Kind::Operation)
            return false;
        if (!knownOperation(item))
            return false;
        const std::int32_t index = item.payload.operation;
        const auto operands = static_cast<std::size_t>(kOperations[index].operands);
        if (stack.size() < operands)
            return false;
        const double b = stack.back();
        stack.pop_back();
        double a = 0;
        if (operands == 2) {
            a = stack.back();
            stack.pop_back();
        }
        stack.push_back(apply(static_cast<Operation>(index), a, b));
    }
    if (stack.size() != 1)
        return false;
    value = stack.back();
    return true;
}

} // namespace vy
