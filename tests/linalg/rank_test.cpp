#include "linalg/rank.h"

#include "core/numtext.h"

#include <gtest/gtest.h>

namespace vy {
namespace {

TEST(Rank, EliminationWithTheDeterminantsRules)
{
    const struct {
        const char* name;
        std::vector<std::vector<double>> rows;
        int rank;
    } cases[] = {
        {"full", {{1, 2}, {2, 4.5}}, 2},
        {"dependent rows", {{1, 2}, {2, 4}}, 1},
        {"zeros", {{0, 0, 0}, {0, 0, 0}}, 0},
        {"empty", {}, 0},
        {"zero first column goes on to the next", {{0, 1, 2}, {0, 2, 4}, {0, 0, 1}}, 2},
        {"exchange", {{0, 1}, {1, 0}}, 2},
        {"cancellation below the cut-off", {{1, 1}, {1, 1 + 1e-12}}, 1},
        {"small but real", {{1, 1}, {1, 1 + 1e-9}}, 2},
        {"more rows than columns", {{1, 0}, {0, 1}, {1, 1}}, 2},
        {"short rows padded with zeros", {{1, 2, 3}, {2}}, 2},
        {"third row the sum of the others", {{1, 2, 3}, {4, 5, 6}, {5, 7, 9}}, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatrixRank(c.rows), c.rank) << c.name;
}

TEST(Rank, InputFileHoldsTheTextsAsTypedAndReadsBack)
{
    const std::string bytes = RankInputBytes({{"1", "2"}, {"2", "4,5"}});
    EXPECT_EQ(bytes, "1;2\r\n2;4,5\r\n");
    EXPECT_EQ(ParseRankInput(bytes), (std::vector<std::vector<double>>{{1, 2}, {2, 4.5}}));
    EXPECT_EQ(ParseRankInput("1;0\n\n0;1"), (std::vector<std::vector<double>>{{1, 0}, {0, 1}}));
    EXPECT_THROW(ParseRankInput("1;x\r\n"), ConversionError);
    EXPECT_THROW(ParseRankInput("1;\r\n"), ConversionError);
}

TEST(Rank, AnswerFileGivesItsLastLine)
{
    double value = 7;
    EXPECT_FALSE(LastAnswerLine("", value));
    EXPECT_EQ(value, 7) << "no line keeps the value before";
    EXPECT_TRUE(LastAnswerLine(RankAnswerBytes(3), value));
    EXPECT_EQ(value, 3);
    EXPECT_TRUE(LastAnswerLine("1\r\n2,5\r\n4", value));
    EXPECT_EQ(value, 4);
    EXPECT_THROW(LastAnswerLine("1\r\nx\r\n2\r\n", value), ConversionError);
}

} // namespace
} // namespace vy
