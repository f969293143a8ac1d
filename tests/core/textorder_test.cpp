#include "core/textorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Ordered {
    const char* first;
    const char* second;
};

void PrintTo(const Ordered& o, std::ostream* os) { *os << '"' << o.first << "\" < \"" << o.second << '"'; }

class SortsBefore : public testing::TestWithParam<Ordered> {};

TEST_P(SortsBefore, AndNotTheOtherWayRound) {
    const Ordered& o = GetParam();
    EXPECT_LT(vy::compareText(o.first, o.second), 0);
    EXPECT_GT(vy::compareText(o.second, o.first), 0);
}

INSTANTIATE_TEST_SUITE_P(Alphabet, SortsBefore, testing::Values(
    Ordered{"а", "Б"}, Ordered{"А", "б"}, Ordered{"е", "ё"}, Ordered{"Ё", "ж"}, Ordered{"ь", "э"},
    Ordered{"ю", "Я"}, Ordered{"я", "є"}, // other Cyrillic alphabets follow the Russian one
    Ordered{"Z", "а"}, Ordered{"a", "B"}, Ordered{"9", "a"}, Ordered{" ", "0"}, Ordered{"(", "0"},
    Ordered{"Мили", "Милиметры"}, Ordered{"Дата Время", "Две недели"}, Ordered{"Брит. Бушели", "Брит. Ведра"},
    Ordered{"Объемы", "Объём"}, // "ё" is a letter of its own after "е", not a variant of it
    Ordered{"время", "Время"}));  // equal apart from case: lower case first

TEST(TextOrder, EqualTextsCompareEqual) {
    EXPECT_EQ(vy::compareText("Площадь", "Площадь"), 0);
    EXPECT_EQ(vy::compareText("", ""), 0);
}

} // namespace
