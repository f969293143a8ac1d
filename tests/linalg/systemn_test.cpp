#include "linalg/systemn.h"

#include "core/numtext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace vy {
namespace {

SystemCells zeros(std::size_t n)
{
    SystemCells cells(n);
    for (std::size_t r = 0; r < n; ++r)
        for (std::size_t c = 0; c <= n; ++c)
            cells.at(c, r) = "0";
    return cells;
}

TEST(SystemN, VariableNamesContinuePastZInTheCodePage)
{
    const std::pair<std::size_t, const char*> cases[] = {
        {0, "a"}, {2, "c"}, {25, "z"}, {26, "{"}, {30, "\x7f"}, {31, "Ђ"}, {95, "А"}, {158, "я"},
        {159, "a1"}, {160, "b1"}, {318, "a2"},
    };
    for (const auto& [index, name] : cases)
        EXPECT_EQ(VariableName(index), name) << index;
}

TEST(SystemN, PreviewWritesEachTermByItsSign)
{
    const struct {
        const char* name;
        SystemCells cells;
        const char* text;
    } cases[] = {
        {"zeros show only the free terms", zeros(3), "=0  \r=0  \r=0  \r"},
        {"ones and minus ones lose their digits",
         {{"2", "1", "-1", "-5", "4"}, {"0", "0", "0", "1", "-2"}, {"1", "1", "1", "1", "0"}, {"0", "0", "0", "0", "0"}},
         "+2a+b--c--5d=4  \r+d=-2  \r+a+b+c+d=0  \r=0  \r"},
        {"texts as typed", {{"2,50", "-0,5", "7,0"}, {"1", "1", " 3 "}}, "+2,50a--0,5b=7,0  \r+a+b= 3   \r"},
        {"a letter ends the text", {{"1", "2", "3"}, {"4", "x", "6"}}, "+a+2b=3  \r+4a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SystemPreview(c.cells), c.text) << c.name;
}

struct SolveCase {
    const char* name;
    SystemCells cells;
    const char* text;
    std::optional<CellPosition> badCell;
};

class Solve : public ::testing::TestWithParam<SolveCase> {};

TEST_P(Solve, AnswersLikeTheLabel)
{
    const SolveCase& c = GetParam();
    for (const SystemAnswer& a : {SolveSystem(c.cells), SolveSystemPlain(c.cells)}) {
        EXPECT_EQ(a.text, c.text);
        EXPECT_EQ(a.badCell, c.badCell);
        EXPECT_FALSE(a.failure);
    }
}

const SolveCase kSolves[] = {
    {"ZerosHaveNoSolution", zeros(3), "Нет решения", {}},
    {"TwoEquations", {{"1", "1", "3"}, {"1", "-1", "1"}}, "Ответ:  a=2  b=1", {}},
    {"ThreeEquations", {{"1", "1", "1", "6"}, {"2", "-1", "0", "3"}, {"0", "1", "-1", "-2"}}, "Ответ:  a=2  b=1  c=3", {}},
    {"FractionsInTheStandardForm", {{"2", "0", "1"}, {"0", "4", "-1"}}, "Ответ:  a=0,5  b=-0,25", {}},
    // the coefficients are read column by column
    {"FirstBadCellColumnByColumn", {{"1", "x", "0"}, {"y", "1", "0"}}, "Ответ:", CellPosition{0, 1}},
    {"BadCellAtColumnOneRowTwo", {{"1", "0", "0", "1"}, {"0", "1", "0", "1"}, {"0", "q", "1", "1"}}, "Ответ:",
     CellPosition{1, 2}},
    // the free terms are read before D is judged
    {"BadFreeTermBeforeNoSolution", {{"0", "0", "0"}, {"0", "0", "z"}}, "Ответ:", CellPosition{2, 1}},
    {"MultiplesWithAgreeingRightSides", {{"1", "2", "3"}, {"2", "4", "6"}}, "Нет решения", {}},
    {"MultiplesWithOtherRightSides", {{"1", "2", "3"}, {"2", "4", "7"}}, "Нет решения", {}},
};

INSTANTIATE_TEST_SUITE_P(SystemN, Solve, ::testing::ValuesIn(kSolves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SystemN, RootBeyondTheDoubleRangeKeepsTheRootsBefore)
{
    const SystemCells cells{{"1E-100", "0", "1"}, {"0", "1E-100", "1E250"}};
    for (const SystemAnswer& a : {SolveSystem(cells), SolveSystemPlain(cells)}) {
        EXPECT_EQ(a.text, "Ответ:  a=1E100");
        ASSERT_TRUE(a.failure);
        try {
            std::rethrow_exception(a.failure);
        } catch (const FloatFailure& f) {
            EXPECT_EQ(f.kind(), FloatFailure::Kind::Overflow);
        }
    }
}

// The shared elimination must give bit for bit the roots of one full
// determinant per root, whatever exchanges, cut-offs and failures occur.
TEST(SystemN, SharedEliminationAgreesWithOneDeterminantPerRoot)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> small(-3, 3);
    std::uniform_int_distribution<int> sizes(2, 12);
    std::uniform_real_distribution<double> real(-1, 1);
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = sizes(random);
        SystemCells cells(n);
        const int kind = round % 3; // small integers with many zeros, reals, huge and tiny
        for (std::size_t r = 0; r < n; ++r) {
            for (std::size_t c = 0; c <= n; ++c) {
                double v = kind == 0 ? small(random) * (small(random) > 0) : real(random);
                if (kind == 2)
                    v *= std::pow(10.0, 150 * real(random) * (small(random) > 1));
                cells.at(c, r) = FloatToStr(v);
            }
        }
        const SystemAnswer shared = SolveSystem(cells);
        const SystemAnswer plain = SolveSystemPlain(cells);
        ASSERT_EQ(shared.text, plain.text) << SystemPreview(cells);
        ASSERT_EQ(shared.roots, plain.roots) << SystemPreview(cells);
        ASSERT_EQ(static_cast<bool>(shared.failure), static_cast<bool>(plain.failure));
    }
}

TEST(SystemN, FreeTermRowOutOfRangeFailsOnlyTheLaterRoots)
{
    // a = 1e300 and b = 1 - 1e600: reducing the free-term row by the first
    // pivot overflows, and only b is built on that row.
    const SystemCells cells{{"1", "0", "1E300"}, {"1E300", "1", "1"}};
    const SystemAnswer shared = SolveSystem(cells);
    const SystemAnswer plain = SolveSystemPlain(cells);
    EXPECT_EQ(shared.text, "Ответ:  a=1E300");
    EXPECT_EQ(shared.text, plain.text);
    EXPECT_EQ(shared.roots, plain.roots);
    EXPECT_TRUE(shared.failure);
    EXPECT_TRUE(plain.failure);
}

TEST(SystemN, ProgressRisesToTheEndAndCanAbandonTheSolve)
{
    SystemCells cells(40);
    for (std::size_t r = 0; r < 40; ++r)
        for (std::size_t c = 0; c <= 40; ++c)
            cells.at(c, r) = c == r ? "2" : (c == 40 ? "1" : "0,01");
    std::vector<double> seen;
    const SystemAnswer a = SolveSystem(cells, [&](double f) { seen.push_back(f); });
    EXPECT_FALSE(a.failure);
    EXPECT_EQ(a.roots.size(), 40u);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GT(seen.back(), 0.99);

    struct Stop {};
    EXPECT_THROW(SolveSystem(cells, [](double f) { if (f > 0.5) throw Stop{}; }), Stop);
}

} // namespace
} // namespace vy
