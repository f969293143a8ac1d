// The text path: the formula is rewritten stage by stage exactly as the user's
// formula is defined to be read. It is the reference that CompiledFormula follows.
#include "formula/formula.h"

#include "core/mathconst.h"
#include "core/numtext.h"
#include "formula/arith.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace vy {

namespace {

using formula::Function;


bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The x between 'e' and 'p' is the middle letter of "exp", not the variable.
bool isVariableAt(std::string_view s, std::size_t i)
{
    return s[i] == 'x' && !(i > 0 && s[i - 1] == 'e' && i + 1 < s.size() && s[i + 1] == 'p');
}

bool isNumberCharAt(std::string_view s, std::size_t i)
{
    return isDigit(s[i]) || s[i] == ',' || isVariableAt(s, i);
}

void replaceAll(std::string& s, std::string_view from, std::string_view to)
{
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

bool convert(std::string_view text, long double& value) { return TryStrToFloatExt(text, value); }

std::string marked(long double value) { return '#' + FloatToStr(value) + '#'; }

// Read-after: the number whose opening marker is taken (untested) to stand at
// `open`; it ends at the next '#' or at the end of the text. The marker, the
// number and the closing marker are deleted.
bool readAfter(std::string& s, std::size_t open, long double& value)
{
    const std::size_t start = open + 1;
    std::size_t close = start < s.size() ? s.find('#', start) : std::string::npos;
    if (close == std::string::npos)
        close = s.size();
    const bool ok = convert(start < close ? std::string_view(s).substr(start, close - start)
                                          : std::string_view(),
                            value);
    if (open < s.size())
        s.erase(open, std::min(close + 1, s.size()) - open);
    return ok;
}

// Read-before: the number that ends just before the operator at `op`; the
// character before the operator is taken to be the closing marker. On return
// the operator stands at `op` again, where the opening marker stood.
bool readBefore(std::string& s, std::size_t& op, long double& value)
{
    if (op < 2)
        return false;
    const std::size_t open = s.rfind('#', op - 2);
    if (open == std::string::npos)
        return false;
    const bool ok = convert(std::string_view(s).substr(open + 1, op - 1 - (open + 1)), value);
    s.erase(open, op - open);
    op = open;
    return ok;
}

bool evaluate(std::string& s, int depth, long double& value);

// Stage A: each bracket pair, leftmost first, is evaluated by recursion.
bool evaluateBrackets(std::string& s, int depth)
{
    for (std::size_t open = s.find('('); open != std::string::npos; open = s.find('(')) {
        std::size_t close = open + 1;
        for (int count = 1; close < s.size(); ++close) {
            if (s[close] == '(')
                ++count;
            else if (s[close] == ')' && --count == 0)
                break;
        }
        if (close == s.size())
            s += ')'; // the missing closing bracket is supplied at the end
        if (depth + 1 > formula::kMaxDepth)
            return false;
        std::string inside = s.substr(open + 1, close - open - 1);
        long double inner = 0;
        if (!evaluate(inside, depth + 1, inner))
            return false;
        s.replace(open, close - open + 1, marked(inner));
    }
    return true;
}

// Stage B: of the names present, the one latest in the table goes first.
bool evaluateFunctions(std::string& s)
{
    for (;;) {
        int found = -1;
        std::size_t at = std::string::npos;
        for (int f = 0; f < formula::kFunctionCount; ++f) {
            const std::size_t p = s.find(formula::kFunctionNames[f]);
            if (p != std::string::npos) {
                found = f;
                at = p;
            }
        }
        if (found < 0)
            return true;
        const std::size_t length = std::strlen(formula::kFunctionNames[found]);
        long double argument = 0;
        if (!readAfter(s, at + length, argument))
            return false;
        s.erase(at, length);
        long double result = 0;
        if (!formula::applyFunction(static_cast<Function>(found), argument, result))
            return false;
        s.insert(at, marked(result));
    }
}

// Stage C: powers, left to right.
bool evaluatePowers(std::string& s)
{
    for (std::size_t op = s.find('^'); op != std::string::npos; op = s.find('^')) {
        long double exponent = 0;
        long double base = 0;
        if (!readAfter(s, op + 1, exponent) || !readBefore(s, op, base))
            return false;
        s.erase(op, 1);
        long double result = 0;
        if (!formula::power(base, exponent, result))
            return false;
        s.insert(op, marked(result));
    }
    return true;
}

// Stage D: products and quotients, left to right.
bool evaluateProducts(std::string& s)
{
    for (;;) {
        const std::size_t op = std::min(s.find('*'), s.find('/'));
        if (op == std::string::npos)
            return true;
        const bool quotient = s[op] == '/';
        long double right = 0;
        long double left = 0;
        std::size_t at = op;
        if (!readAfter(s, op + 1, right) || !readBefore(s, at, left))
            return false;
        s.erase(at, 1);
        long double result = 0;
        if (quotient) {
            if (!formula::divide(left, right, result))
                return false;
        } else {
            result = formula::multiply(left, right);
        }
        s.insert(at, marked(result));
    }
}

// Stage E: a signed sum of marked numbers. The text is consumed from the front;
// a cursor stands in for the deletions.
bool evaluateSum(const std::string& s, long double& value)
{
    long double result = 0.0L;
    std::size_t pos = 0;
    do {
        bool negative = false;
        for (; pos < s.size() && s[pos] != '#'; ++pos) {
            if (s[pos] == '-')
                negative = !negative;
            else if (s[pos] != '+')
                return false;
        }
        const std::size_t start = pos + 1;
        std::size_t close = start < s.size() ? s.find('#', start) : std::string::npos;
        if (close == std::string::npos)
            close = s.size();
        long double term = 0;
        if (!convert(start < close ? std::string_view(s).substr(start, close - start) : std::string_view(),
                     term))
            return false;
        result = negative ? result - term : result + term;
        pos = close + 1;
    } while (pos < s.size());
    value = result;
    return true;
}

bool evaluate(std::string& s, int depth, long double& value)
{
    return evaluateBrackets(s, depth) && evaluateFunctions(s) && evaluatePowers(s) &&
           evaluateProducts(s) && evaluateSum(s, value);
}

} // namespace

std::string PrepareFormula(const std::string& text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c == ' ')
            continue;
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (c == '.')
            c = ',';
        else if (c == ':')
            c = '/';
        s += c;
    }
    replaceAll(s, "pi", FloatToStr(kPi));

    // Bars pair up from the left: the first becomes "abs(", the next one ")".
    for (std::size_t bar = s.find('|'); bar != std::string::npos; bar = s.find('|')) {
        s[bar] = 'a';
        s.insert(bar + 1, "bs(");
        const std::size_t next = s.find('|', bar + 4);
        if (next != std::string::npos)
            s[next] = ')';
    }

    std::string out;
    out.reserve(s.size() * 2);
    for (std::size_t i = 0; i < s.size();) {
        if (!isNumberCharAt(s, i)) {
            out += s[i++];
            continue;
        }
        out += '#';
        while (i < s.size() && isNumberCharAt(s, i))
            out += s[i++];
        out += '#';
    }
    return out;
}

std::string SubstituteVariable(const std::string& prepared, long double x)
{
    const std::string number = FloatToStr(x);
    std::string out;
    out.reserve(prepared.size() + 4 * number.size());
    for (std::size_t i = 0; i < prepared.size(); ++i) {
        if (isVariableAt(prepared, i))
            out += number;
        else
            out += prepared[i];
    }
    return out;
}

bool EvaluateFormula(const std::string& text, long double& value)
{
    std::string s = text;
    return evaluate(s, 0, value);
}

} // namespace vy
