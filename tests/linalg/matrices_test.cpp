#include "linalg/matrices.h"

#include "core/rangefail.h"

#include <gtest/gtest.h>

#include <vector>

namespace vy {
namespace {

// A matrix as seen (rows of the screen), stored the window's way: [col][row].
TMatrix stored(const std::vector<std::vector<double>>& seen)
{
    TMatrix m(seen[0].size(), seen.size());
    for (std::size_t r = 0; r < seen.size(); ++r)
        for (std::size_t c = 0; c < seen[r].size(); ++c)
            m[c][r] = seen[r][c];
    return m;
}

TEST(Matrices, OperationsOnTheTransposedStorageShowWhatTheUserExpects)
{
    const TMatrix A = stored({{1, 2}, {3, 4}});
    const TMatrix B = stored({{0, 1}, {1, 0}});
    std::vector<std::string> shown;
    const MessageSink sink = [&](const std::string& t) { shown.push_back(t); };
    double number = 0;
    TMatrix C;
    RunMatrixOperation(0, A, B, C, number, sink);
    EXPECT_EQ(number, -2);
    EXPECT_EQ(NumberAnswer(0, number), "Определитель матрицы А= -2");
    const struct {
        int index;
        std::vector<std::vector<double>> seen;
    } cases[] = {
        {1, {{1, 3}, {2, 4}}}, {2, {{1, 3}, {4, 4}}}, {3, {{1, 1}, {2, 4}}},
        {4, {{2, 1}, {4, 3}}}, // A x B
        {5, {{3, 4}, {1, 2}}}, // B x A
    };
    for (const auto& c : cases) {
        RunMatrixOperation(c.index, A, B, C, number, sink);
        EXPECT_EQ(C, stored(c.seen)) << MatrixOperations()[c.index].item;
    }
    EXPECT_TRUE(shown.empty());
    RunMatrixOperation(2, TMatrix{}, TMatrix{}, C, number, sink);
    EXPECT_EQ(shown, std::vector<std::string>{"Функция SumMatrix :\rHe задана матрица"});
}

TEST(Matrices, SizesTypedForTheGrids)
{
    using Sizes = MatrixSizes;
    auto sizes = [](bool square, const char* a, const char* b, const char* c) {
        return ReadMatrixSizes(square, a, b, c);
    };
    EXPECT_EQ(std::get<Sizes>(sizes(true, "3", "Строки В", "Столбцы А")), (Sizes{3, 3, 3}));
    EXPECT_EQ(std::get<Sizes>(sizes(true, "0", "", "")), (Sizes{0, 0, 0}));
    EXPECT_EQ(std::get<Sizes>(sizes(false, "3", "2", "4")), (Sizes{3, 4, 2}));
    EXPECT_EQ(std::get<Sizes>(sizes(false, "3", "-1", "2")), (Sizes{3, 2, 0})) << "a negative count empties its grid";
    EXPECT_EQ(std::get<Sizes>(sizes(true, "100", "", "")).n, 100);

    const Report square = messageBoxReport("Количетво столбцов неверно", "Вычислица", Icon::Information, true);
    const Report other = messageBoxReport("Параметры матрицы заданы неверно", "Вычислица", Icon::Warning, true);
    EXPECT_EQ(std::get<Report>(sizes(true, "x", "", "")), square);
    EXPECT_EQ(std::get<Report>(sizes(true, "101", "", "")), square) << "too large is refused";
    EXPECT_EQ(std::get<Report>(sizes(true, "65535", "", "")), square);
    EXPECT_EQ(std::get<Report>(sizes(false, "3", "Строки В", "Столбцы А")), other);
    EXPECT_EQ(std::get<Report>(sizes(false, "3", "2", "70000")), other);
    EXPECT_THROW(sizes(true, "-1", "", ""), RangeFailure);
}

TEST(Matrices, GridIsReadColumnByColumnUpToItsFirstBadCell)
{
    auto text = [](int c, int r) { return c == 2 && r == 1 ? std::string("x") : std::to_string(10 * c + r); };
    EXPECT_EQ(std::get<GridCell>(ReadGrid(3, text)), (GridCell{2, 1}));
    const TMatrix m = std::get<TMatrix>(ReadGrid(1, text));
    EXPECT_EQ(m, (TMatrix{{11}}));
    EXPECT_EQ(std::get<TMatrix>(ReadGrid(2, [](int c, int r) { return std::to_string(10 * c + r) + ",5"; })),
              (TMatrix{{11.5, 12.5}, {21.5, 22.5}}));
}

} // namespace
} // namespace vy
