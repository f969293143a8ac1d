#include "linalg/systems34.h"

#include "core/floatfail.h"
#include "core/numtext.h"
#include "linalg/mathlib.h"

#include <gtest/gtest.h>

#include <vector>

namespace vy {
namespace {

ThreeTexts designedThree() { return {{{"1", "1", "2", "5"}, {"5", "6", "7", "8"}, {"9", "10", "11", "12"}}}; }

FourTexts designedFour()
{
    return {{{"2", "5", "4", "1", "20"}, {"1", "3", "2", "1", "11"}, {"2", "10", "9", "7", "40"}, {"3", "8", "9", "2", "37"}}};
}

TEST(Systems34, DesignedTextsSolve)
{
    const ThreeSolution three = SolveThree(designedThree());
    EXPECT_EQ(three.answer, "Det= -4\ra=2\rb=-5\rc=4");
    EXPECT_FALSE(three.singular);
    const FourSolution four = SolveFour(designedFour(), &Determ);
    EXPECT_EQ(four.answer, "Det= -3\ra=1\rb=2\rc=2\rd=0");
    EXPECT_FALSE(four.failure);
}

TEST(Systems34, ProtocolOfTheThreeEquationSolve)
{
    const std::vector<std::string> expected = {
        "",
        "Решение системы уравнений:",
        " 1a+1b+2c=5\r 5a+6b+7c=8\r 9a+10b+11c=12",
        "Вычисление детерминанта:",
        "D=1*6*11+5*10*2+1*7*9-9*6*2-10*7*1-5*1*11=66+100+63-108-70-55=-4 ",
        "Вычисление корней ур-й:",
        "a\"=5*6*11+8*10*2+1*7*12-12*6*2-10*7*5-8*1*11=330+160+84-144-350-88=-8 ",
        "b\"=1*8*11+5*12*2+5*7*9-9*8*2-12*7*1-5*5*11=88+120+315-144-84-275=20 ",
        "c\"=1*6*12+5*10*5+1*8*9-9*6*5-10*8*1-5*1*12=72+250+72-270-80-60=-16",
        "a=a\"/D=-8/-4=2",
        "b=b\"/D=20/-4=-5",
        "c=c\"/D=-16/-4=4",
        "Уравнения решены, корни:  a=2 b=-5 c=4",
    };
    EXPECT_EQ(SolveThree(designedThree()).protocol, expected);
}

TEST(Systems34, ProductsCarryTheirOwnSignAfterTheRuleSign)
{
    // a2 = -1 makes P2 = -6 (after "-": --6) and P6 = a2*b1*c3 = -3 (after "+": +-3);
    // b2 = 0 makes P1 = 0 (first, alone), P4 = 0 (after "-": -0).
    const ThreeTexts t = {{{"1", "1", "3", "1"}, {"-1", "0", "2", "1"}, {"3", "3", "1", "1"}}};
    const ThreeSolution s = SolveThree(t);
    ASSERT_GE(s.protocol.size(), 5u);
    EXPECT_EQ(s.protocol[4], "D=1*0*1+-1*3*3+1*2*3-3*0*3-3*2*1--1*1*1=0--9+6-0-6+-1=-8 ");
}

TEST(Systems34, SingularSystemWritesOnlyTheDeterminantPart)
{
    // the third equation is the sum of the first two
    const ThreeTexts t = {{{"1", "2", "3", "4"}, {"2", "1", "1", "3"}, {"3", "3", "4", "7"}}};
    const ThreeSolution s = SolveThree(t);
    EXPECT_TRUE(s.singular);
    EXPECT_EQ(s.answer, "");
    ASSERT_EQ(s.protocol.size(), 6u);
    EXPECT_EQ(s.protocol[5], "Вычисление корней ур-й:");
    const FourTexts f = {{{"1", "2", "0", "1", "3"}, {"2", "1", "1", "0", "1"}, {"3", "3", "1", "1", "4"}, {"1", "0", "2", "5", "1"}}};
    const FourSolution four = SolveFour(f, &Determ);
    EXPECT_EQ(four.answer, "Det= 0");
    EXPECT_FALSE(four.failure);
}

TEST(Systems34, FieldThatIsNotANumber)
{
    ThreeTexts t = designedThree();
    t[1][2] = "";
    const ThreeSolution s = SolveThree(t);
    EXPECT_FALSE(s.converted);
    EXPECT_TRUE(s.protocol.empty());
    EXPECT_EQ(ThreePreview(t).text, kCommaHint);

    // four unknowns: a coefficient leaves the answer alone, a free term fails after "Det= "
    FourTexts f = designedFour();
    f[3][1] = "2.5";
    FourSolution four = SolveFour(f, &Determ);
    EXPECT_FALSE(four.answer);
    ASSERT_TRUE(four.failure);
    try {
        std::rethrow_exception(four.failure);
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2.5' is not a valid floating point value");
    }
    f = designedFour();
    f[2][4] = "x";
    four = SolveFour(f, &Determ);
    EXPECT_EQ(four.answer, "Det= -3");
    EXPECT_TRUE(four.failure);
    EXPECT_EQ(FourPreview(f).text, kCommaHint);
}

TEST(Systems34, PreviewsAreBuiltFromTheTextsAlone)
{
    struct Case {
        const char* name;
        int row, col;
        const char* value;
        const char* firstLines;
    };
    const Case three[] = {
        {"negative b", 0, 1, "-3", " 1a--3b+2c=5\r 5a+6b+7c=8"},
        {"negative a", 0, 0, "-1", "--1a+1b+2c=5\r 5a+6b+7c=8"},
        {"zero a", 1, 0, "0", " 1a+1b+2c=5\r+6b+7c=8"},
        {"negative free term", 0, 3, "-5", " 1a+1b+2c=--5\r 5a+6b+7c=8"},
        {"zero c", 1, 2, "0", " 1a+1b+2c=5\r 5a+6b=8"},
        {"fraction", 0, 0, "1,50", " 1,5a+1b+2c=5\r 5a+6b+7c=8"},
    };
    for (const Case& c : three) {
        ThreeTexts t = designedThree();
        t[c.row][c.col] = c.value;
        const SystemPreviewText p = ThreePreview(t);
        EXPECT_TRUE(p.converted);
        EXPECT_EQ(p.text.substr(0, std::string(c.firstLines).size()), c.firstLines) << c.name;
    }
    EXPECT_EQ(ThreePreview(designedThree()).text, " 1a+1b+2c=5\r 5a+6b+7c=8\r 9a+10b+11c=12");
    EXPECT_EQ(FourPreview(designedFour()).text, "2a+5b+4c+1d=20\r1a+3b+2c+1d=11\r2a+10b+9c+7d=40\r3a+8b+9c+2d=37");
    FourTexts f = designedFour();
    f[0][0] = "-2";
    f[0][1] = "-2";
    f[0][3] = "0";
    EXPECT_EQ(FourPreview(f).text.substr(0, 16), "-2a--2b+4c=20\r1a");
}

TEST(Systems34, FourUnknownsExpandAlongTheThirdRowThroughTheGivenDeterminant)
{
    static std::vector<std::vector<double>> calls;
    calls.clear();
    auto recording = [](double a, double b, double c, double d, double e, double f, double g, double h,
                        double i) -> long double {
        calls.push_back({a, b, c, d, e, f, g, h, i});
        return Determ(a, b, c, d, e, f, g, h, i);
    };
    SolveFour(designedFour(), recording);
    ASSERT_EQ(calls.size(), 20u); // D, then four per root
    // rows 1, 2 and 4 without column a, b, c, d in turn
    EXPECT_EQ(calls[0], (std::vector<double>{5, 4, 1, 3, 2, 1, 8, 9, 2}));
    EXPECT_EQ(calls[1], (std::vector<double>{2, 4, 1, 1, 2, 1, 3, 9, 2}));
    EXPECT_EQ(calls[2], (std::vector<double>{2, 5, 1, 1, 3, 1, 3, 8, 2}));
    EXPECT_EQ(calls[3], (std::vector<double>{2, 5, 4, 1, 3, 2, 3, 8, 9}));
    // the a root: column a replaced by the free terms
    EXPECT_EQ(calls[5], (std::vector<double>{20, 4, 1, 11, 2, 1, 37, 9, 2}));
}

TEST(Systems34, DetermIsSarrusInExtendedPrecision)
{
    EXPECT_EQ(Determ(2, 1, 3, 1, -1, 2, 4, 0, 1), 17.0L);
    // 1e16 + 1 survives in extended precision but not in double
    EXPECT_EQ(Determ(1e16, 0, 0, 0, 1, 0, 0, 0, 1) + 1 - 1e16L, 1.0L);
    EXPECT_EQ(Determ(1e8, 1, 0, -1, 1e8, 0, 0, 0, 1), 1e16L + 1);
}

TEST(Systems34, ArrowKeysBetweenTheFields)
{
    using A = keys::Arrow;
    const struct {
        int field;
        A arrow;
        FieldMove three;
    } threeCases[] = {
        {5, A::Left, FieldMove::to(4)},   {1, A::Left, FieldMove::stay()}, {9, A::Down, FieldMove::stay()},
        {2, A::Down, FieldMove::to(6)},   {6, A::Up, FieldMove::to(2)},    {3, A::Up, FieldMove::stay()},
        {4, A::Right, FieldMove::to(5)},  {12, A::Right, FieldMove::next()},
    };
    for (const auto& c : threeCases)
        EXPECT_EQ(ThreeArrowMove(c.field, c.arrow), c.three) << c.field;
    const struct {
        int field;
        A arrow;
        FieldMove four;
    } fourCases[] = {
        {16, A::Right, FieldMove::to(29)}, {29, A::Right, FieldMove::stay()}, {28, A::Down, FieldMove::stay()},
        {13, A::Left, FieldMove::stay()},  {13, A::Up, FieldMove::stay()},    {29, A::Left, FieldMove::to(16)},
        {30, A::Up, FieldMove::to(29)},    {17, A::Down, FieldMove::to(21)},  {32, A::Down, FieldMove::stay()},
    };
    for (const auto& c : fourCases)
        EXPECT_EQ(FourArrowMove(c.field, c.arrow), c.four) << c.field;
}

TEST(Systems34, ValuesBeyondTheDoubleRange)
{
    // D = 1e200 * 1e200 * 1: the products fit the extended range, D does not fit a double.
    const ThreeTexts t = {{{"1E200", "0", "0", "1"}, {"0", "1E200", "0", "1"}, {"0", "0", "1", "1"}}};
    const ThreeSolution s = SolveThree(t);
    EXPECT_TRUE(s.failure);
    EXPECT_EQ(s.answer, "");
    EXPECT_TRUE(s.protocol.empty());
    // a = 1e300 / 1e-300 overflows after Det= has been shown
    const ThreeTexts r = {{{"1E-300", "0", "0", "1E300"}, {"0", "1", "0", "1"}, {"0", "0", "1", "1"}}};
    const ThreeSolution q = SolveThree(r);
    EXPECT_TRUE(q.failure);
    EXPECT_EQ(q.answer, "Det= 1E-300");
}

} // namespace
} // namespace vy
