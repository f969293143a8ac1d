// Expressions through the four steps: tokens, postfix form, its text, the value.
#include "formula/expression.h"

#include "core/floatfail.h"
#include "core/numtext.h"

#include <gtest/gtest.h>

#include <string>

namespace vy::test {
namespace {

struct Case {
    const char* expression;
    // The postfix text, or nullptr when the conversion fails.
    const char* postfix;
    // The value's number text; "fail" for a failed evaluation, "!" and the
    // message for an arithmetic error.
    const char* value;
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.expression << '"'; }

std::string valueText(const TExpression& postfix)
{
    try {
        double v = 0;
        return EvaluatePostfix(postfix, v) ? FloatToStr(v) : "fail";
    } catch (const FloatFailure& e) {
        return std::string("!") + e.what();
    }
}

class ExpressionCases : public ::testing::TestWithParam<Case> {};

TEST_P(ExpressionCases, ConvertAndEvaluate)
{
    const Case& c = GetParam();
    TExpression infix;
    TExpression postfix;
    const bool converted = TokenizeExpression(c.expression, infix) && ToPostfix(infix, postfix);
    if (c.postfix == nullptr) {
        EXPECT_FALSE(converted);
        return;
    }
    ASSERT_TRUE(converted);
    EXPECT_EQ(PostfixText(postfix), c.postfix);
    EXPECT_EQ(valueText(postfix), c.value);
}

const char* const kDivideByZero = "!Floating point division by zero";
const char* const kInvalid = "!Invalid floating point operation";
const char* const kOverflow = "!Floating point overflow";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, ExpressionCases, ::testing::Values(
    // The window's default, and the leading minus read as 0 minus.
    Case{"((5+7))*((9-3))/5", "5 7 + 9 3 - * 5 / ", "14,4"},
    Case{"-5+3", "0 5 - 3 + ", "-2"},
    Case{"5+2*3", "5 2 3 * + ", "11"},
    Case{"5 + 3", "5 3 + ", "8"},
    Case{" 2,5 *2", "2,5 2 * ", "5"},
    // Every operator groups from the left, the power too; a function waits for
    // a lower or equal priority or a closing bracket.
    Case{"2^3^2", "2 3 ^ 2 ^ ", "64"},
    Case{"8/4/2", "8 4 / 2 / ", "1"},
    Case{"2-3-4", "2 3 - 4 - ", "-5"},
    Case{"2^sin(30)", "2 30 sin ^ ", "1,4142135623731"},
    Case{"sin(30)^2", "30 sin 2 ^ ", "0,25"},
    Case{"exp(1)*2", "1 exp 2 * ", "5,43656365691809"},
    // Degrees, with sine and cosine rounded to three decimals.
    Case{"sin(90)", "90 sin ", "1"},
    Case{"cos(60)", "60 cos ", "0,5"},
    Case{"sin(1)", "1 sin ", "0,017"},
    Case{"tan(45)", "45 tan ", "1"},
    Case{"cotan(45)", "45 cotan ", "1"},
    Case{"tan(30)", "30 tan ", "0,577350269189626"},
    Case{"arcsin(1)", "1 arcsin ", "90"},
    Case{"arccos(0,5)", "0,5 arccos ", "60"},
    Case{"ln(exp(2))", "2 exp ln ", "2"},
    Case{"round(2,5)", "2,5 round ", "2"},
    Case{"round(3,5)", "3,5 round ", "4"},
    Case{"round(-2,5)", "0 2,5 - round ", "-2"},
    Case{"round(2,6)", "2,6 round ", "3"},
    Case{"trunc(-2,7)", "0 2,7 - trunc ", "-2"},
    // Texts that are neither a number with a comma nor an operation's exact name.
    Case{"Sin(30)", nullptr, ""},
    Case{"2.5", nullptr, ""},
    Case{"sin (30)", nullptr, ""},
    Case{"2 3", nullptr, ""},
    Case{"(5)+ (3)", nullptr, ""},
    Case{"1E400", nullptr, ""},
    // A closing bracket too many cannot be converted; an opening one too many
    // stays in the postfix form.
    Case{"5+3)", nullptr, ""},
    Case{"(5+3", "5 3 + ( ", "fail"},
    // Well converted, but not to be evaluated.
    Case{"2*-3", "2 * 3 - ", "fail"},
    Case{"2*(-3)", "2 0 3 - * ", "-6"},
    Case{"2(3)", "2 3 ", "fail"},
    Case{"", "", "fail"},
    Case{"sin()", "sin ", "fail"},
    // Arithmetic errors are not failures.
    Case{"1/0", "1 0 / ", kDivideByZero},
    Case{"0/0", "0 0 / ", kInvalid},
    Case{"ln(0)", "0 ln ", kDivideByZero},
    Case{"ln(-1)", "0 1 - ln ", kInvalid},
    Case{"arcsin(2)", "2 arcsin ", kInvalid},
    Case{"cotan(0)", "0 cotan ", kDivideByZero},
    Case{"exp(1000)", "1000 exp ", kOverflow},
    Case{"10^400", "10 400 ^ ", kOverflow},
    Case{"1E300*1E300", "1E300 1E300 * ", kOverflow},
    Case{"0^(-1)", "0 0 1 - ^ ", kDivideByZero},
    Case{"(-8)^(1/3)", "0 8 - 1 3 / ^ ", kInvalid},
    // Huge whole exponents take the bounded way, not 10^18 multiplications.
    Case{"1^1000000000000000000", "1 1E18 ^ ", "1"},
    Case{"0,5^1000000000000000000", "0,5 1E18 ^ ", "0"},
    Case{"2^1000000000000000000", "2 1E18 ^ ", kOverflow},
    Case{"(-1)^2147483647", "0 1 - 2147483647 ^ ", "-1"},
    Case{"2^(-3)", "2 0 3 - ^ ", "0,125"}));
// clang-format on

TEST(Expression, TokensCarryTheirKindAndPayload)
{
    TExpression infix;
    ASSERT_TRUE(TokenizeExpression("arcsin(-1)^2", infix));
    const TExpression expected = {
        ExpressionItem::openBracket(),  ExpressionItem::operation(7), ExpressionItem::openBracket(),
        ExpressionItem::number(0),      ExpressionItem::operation(1), ExpressionItem::number(1),
        ExpressionItem::closeBracket(), ExpressionItem::operation(4), ExpressionItem::number(2),
        ExpressionItem::closeBracket()};
    EXPECT_EQ(infix, expected);
    EXPECT_EQ(static_cast<int>(infix[1].kind), 1);
    EXPECT_EQ(sizeof(ExpressionItem::Payload), 8u);
}

TEST(Expression, HandMadeItemsFailInsteadOfReadingOutsideTheTable)
{
    const TExpression bad = {ExpressionItem::number(1), ExpressionItem::operation(kOperationCount)};
    TExpression postfix;
    double v = 0;
    EXPECT_FALSE(ToPostfix(bad, postfix));
    EXPECT_FALSE(EvaluatePostfix(bad, v));
    EXPECT_EQ(PostfixText(bad), "1 ? ");
    EXPECT_FALSE(EvaluatePostfix({ExpressionItem::closeBracket()}, v));
}

TEST(Expression, LongTextsStayLinear)
{
    // A field holds up to 32767 characters; nesting and minus signs that deep
    // must neither recurse nor rescan the text for every bracket.
    std::string text;
    for (int i = 0; i < 8000; ++i)
        text += "(-";
    text += '1';
    text.append(8000, ')');
    TExpression infix;
    TExpression postfix;
    ASSERT_TRUE(TokenizeExpression(text, infix));
    ASSERT_TRUE(ToPostfix(infix, postfix));
    double v = 0;
    ASSERT_TRUE(EvaluatePostfix(postfix, v));
    EXPECT_EQ(v, 1); // an even number of minus signs
}

} // namespace
} // namespace vy::test
