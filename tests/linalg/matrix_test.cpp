#include "linalg/matrix.h"

#include "core/floatfail.h"
#include "core/rangefail.h"
#include "linalg/elimination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace vy {
namespace {

// Collects what the routines show.
struct Messages {
    std::vector<std::string> shown;
    MessageSink sink() { return [this](const std::string& text) { shown.push_back(text); }; }
};

struct DetCase {
    const char* name;
    TMatrix a;
    double det;
};

class Determinant : public ::testing::TestWithParam<DetCase> {};

TEST_P(Determinant, MatchesTheEliminationRules)
{
    const DetCase& c = GetParam();
    const TMatrix before = [&] { TMatrix copy; TransMatrix(c.a, copy); return copy; }();
    Messages m;
    const double d = DetMatrix(c.a, m.sink());
    EXPECT_EQ(d, c.det); // exact: the arithmetic order is fixed
    EXPECT_FALSE(std::signbit(d) && c.det == 0.0) << "a cleared determinant is +0";
    EXPECT_TRUE(m.shown.empty());
    TMatrix after;
    TransMatrix(c.a, after);
    EXPECT_EQ(after, before) << "the input is never changed";
}

const DetCase kDeterminants[] = {
    {"OneByOne", {{5}}, 5},
    {"TwoByTwo", {{1, 2}, {3, 4}}, -2},
    {"ThreeByThree", {{2, 1, 3}, {1, -1, 2}, {4, 0, 1}}, 17},
    {"OneExchange", {{0, 1}, {1, 0}}, -1},
    // row 1 is passed over (zero in the first column), the second exchange
    // happens in the reduced matrix and the two sign changes cancel
    {"TwoExchangesCancel", {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}, 1},
    {"ZeroColumnStopsAtOnce", {{0, 2}, {0, 3}}, 0},
    {"NegativeZeroPivotIsZero", {{-0.0, 1}, {1, 0}}, -1},
    {"CancellationIsCleared", {{1, 1}, {1, 1 + 1e-12}}, 0},
    {"SmallButRealIsKept", {{1, 1}, {1, 1 + 1e-9}}, static_cast<double>((1 + 1e-9) - 1.0L)},
    // each step rounds to double: 1/3 is stored before it multiplies
    {"StepsRoundToDouble", {{3, 1}, {1, 1}},
     static_cast<double>(3.0L * static_cast<double>(1.0L - static_cast<double>(1.0L / 3)))},
};

INSTANTIATE_TEST_SUITE_P(Matrix, Determinant, ::testing::ValuesIn(kDeterminants),
                         [](const auto& info) { return std::string(info.param.name); });

// The reduction decides the cut-off in doubles first and in extended precision
// only near the limit; elements right at the limit must come out as the
// extended test alone gives them.
TEST(Matrix, ReductionClearsExactlyWhatTheExtendedCutOffClears)
{
    // One element per row, so that each row's own decision counts: row i
    // reduces to t = old - l (pivot row [1, 1]) with t aimed at the limit.
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(-1, 1);
    constexpr std::size_t rows = 2000;
    elim::Buffer w(rows + 1, 2);
    w.at(0, 0) = 1.0;
    w.at(0, 1) = 1.0;
    for (std::size_t i = 1; i <= rows; ++i) {
        const double old = std::ldexp(unit(random), static_cast<int>(i % 40) - 20);
        const double target = 1e-10 * old * (1 + 4e-6 * unit(random)); // a few millionths either side
        w.at(i, 0) = old - target;
        w.at(i, 1) = old;
    }
    std::vector<double> expected(rows + 1);
    int cleared = 0;
    for (std::size_t i = 1; i <= rows; ++i) {
        const long double old = w.at(i, 1);
        double t = static_cast<double>(old - static_cast<long double>(w.at(i, 0)) * 1.0L * 1.0L);
        if (std::fabs(static_cast<long double>(t)) < 1e-10L * std::fabs(old)) {
            t = 0.0;
            ++cleared;
        }
        expected[i] = t;
    }
    ASSERT_TRUE(elim::reduceRows(w, 0, 0, rows + 1, 1.0));
    for (std::size_t i = 1; i <= rows; ++i)
        ASSERT_EQ(w.at(i, 1), expected[i]) << i;
    EXPECT_GT(cleared, 200);
    EXPECT_LT(cleared, 1800) << "both sides of the limit are met";
}

TEST(Matrix, DeterminantBeyondTheDoubleRangeIsAnOverflow)
{
    Messages m;
    try {
        DetMatrix({{1e200, 0}, {0, 1e200}}, m.sink());
        FAIL() << "no failure";
    } catch (const FloatFailure& f) {
        EXPECT_EQ(f.kind(), FloatFailure::Kind::Overflow);
    }
}

// Each failure shows its own text with the numbers in order and leaves the
// output as it was.
TEST(Matrix, FailuresShowTheirTextsAndLeaveTheOutput)
{
    const TMatrix a23{{1, 2, 3}, {4, 5, 6}};
    const TMatrix a32{{1, 2}, {3, 4}, {5, 6}};
    const TMatrix a22{{1, 2}, {3, 4}};
    const TMatrix none;
    const TMatrix kept{{42}};
    struct Case {
        const char* name;
        std::function<bool(const MessageSink&, TMatrix&)> run;
        const char* text;
    };
    const Case cases[] = {
        {"sum empty", [&](auto& s, auto& c) { return SumMatrix(none, a22, c, s); },
         "Функция SumMatrix :\rHe задана матрица"},
        {"sum sizes", [&](auto& s, auto& c) { return SumMatrix(a23, a32, c, s); },
         "Функция SumMatrix :\rЗаданы матрицы разных размерностей :\r2 х 3 и 3 х 2"},
        {"difference empty", [&](auto& s, auto& c) { return SubMatrix(a22, none, c, s); },
         "Функция SubMatrix :\rHe. задана матрица"},
        {"difference sizes", [&](auto& s, auto& c) { return SubMatrix(a23, a22, c, s); },
         "Функция SubMatrix :\rЗаданы матрицы разных размерностей :\r2 х 3 и 2 x 2"},
        {"product empty", [&](auto& s, auto& c) { return MultMatrix(none, none, c, s); },
         "Функция MultMatrix :\rне задана матрица"},
        {"product sizes", [&](auto& s, auto& c) { return MultMatrix(a23, a22, c, s); },
         "Функция MultMatrix :\rЧисло столбцов первой матрицы (3)\rне совпадает с числом строк второй матрицы (2)"},
        {"determinant empty", [&](auto& s, auto&) { return DetMatrix(none, s) != 0.0; },
         "Функция DetMatrix :\rHe задана матрица"},
        {"determinant not square", [&](auto& s, auto&) { return DetMatrix(a23, s) != 0.0; },
         "Функция DetMatrix \rматрица не квадратная,\rее размерность 2 х 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Messages m;
        TMatrix out = kept;
        EXPECT_FALSE(c.run(m.sink(), out));
        ASSERT_EQ(m.shown.size(), 1u);
        EXPECT_EQ(m.shown[0], c.text);
        EXPECT_TRUE(out.sharesWith(kept));
    }
}

TEST(Matrix, SumDifferenceAndProductGiveNewMatrices)
{
    const TMatrix a{{1, 2, 3}, {4, 5, 6}};
    const TMatrix b{{6, 5, 4}, {3, 2, 1}};
    Messages m;
    TMatrix c;
    ASSERT_TRUE(SumMatrix(a, b, c, m.sink()));
    EXPECT_EQ(c, (TMatrix{{7, 7, 7}, {7, 7, 7}}));
    ASSERT_TRUE(SubMatrix(a, b, c, m.sink()));
    EXPECT_EQ(c, (TMatrix{{-5, -3, -1}, {1, 3, 5}}));
    const TMatrix b34{{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}};
    ASSERT_TRUE(MultMatrix(a, b34, c, m.sink()));
    EXPECT_EQ(c, (TMatrix{{1, 2, 3, 6}, {4, 5, 6, 15}}));
    EXPECT_FALSE(c.sharesWith(a));
    EXPECT_TRUE(m.shown.empty());
}

TEST(Matrix, ProductRoundsTheRunningSumAtEachStep)
{
    // 1e16 + 1 is not a double: rounded after the second step the sum loses
    // the 1, so the product is 0 where an extended running sum would give 1.
    TMatrix c;
    ASSERT_TRUE(MultMatrix({{1, 1, 1}}, {{1e16}, {1}, {-1e16}}, c, Messages{}.sink()));
    EXPECT_EQ(c, (TMatrix{{0}}));
}

TEST(Matrix, SumBeyondTheDoubleRangeIsAnOverflow)
{
    TMatrix c;
    EXPECT_THROW(SumMatrix({{1e308}}, {{1e308}}, c, Messages{}.sink()), FloatFailure);
}

TEST(Matrix, TransposeSwapsTheIndicesAndKeepsAnEmptyMatrix)
{
    TMatrix r;
    TransMatrix({{1, 2, 3}, {4, 5, 6}}, r);
    EXPECT_EQ(r, (TMatrix{{1, 4}, {2, 5}, {3, 6}}));
    const TMatrix none;
    TransMatrix(none, r);
    EXPECT_TRUE(r.empty());
    EXPECT_TRUE(r.sharesWith(none));
}

TEST(Matrix, NewMatrixKeepsTheValuesInsideTheNewBounds)
{
    TMatrix m{{1, 2}, {3, 4}};
    const TMatrix old = m;
    NewMatrix(3, 3, m);
    EXPECT_EQ(m, (TMatrix{{1, 2, 0}, {3, 4, 0}, {0, 0, 0}}));
    EXPECT_EQ(old, (TMatrix{{1, 2}, {3, 4}})) << "another holder keeps the old rows";
    NewMatrix(1, 2, m);
    EXPECT_EQ(m, (TMatrix{{1, 2}}));
    NewMatrix(0, 5, m);
    EXPECT_TRUE(m.empty());
    EXPECT_THROW(NewMatrix(-1, 2, m), RangeFailure);
}

TEST(Matrix, CountsBeyondSixteenBitsAreARangeFailure)
{
    const TMatrix tall(kMaxMatrixCount + 1, 1);
    TMatrix r;
    EXPECT_THROW(TransMatrix(tall, r), RangeFailure);
    EXPECT_THROW(DetMatrix(tall, Messages{}.sink()), RangeFailure);
    EXPECT_NO_THROW(TransMatrix(TMatrix(kMaxMatrixCount, 1), r));
}

TEST(Matrix, CopiesShareTheirRows)
{
    TMatrix a{{1}};
    TMatrix b = a;
    b[0][0] = 7;
    EXPECT_EQ(a[0][0], 7);
}

} // namespace
} // namespace vy
