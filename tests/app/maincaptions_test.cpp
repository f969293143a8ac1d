#include "app/maincaptions.h"

#include <gtest/gtest.h>

namespace {

using namespace vy::mainwindow;

TEST(MainCaptions, TransparencyPercentFollowsTheSlider) {
    const std::string title = std::string("Вычислица") + std::string(41, ' ') + "Прозрачность ";
    const struct {
        int position;
        int opacity;
        const char* percent;
    } cases[] = {{0, 255, "0%"}, {35, 185, "27%"}, {70, 115, "55%"}, {51, 153, "40%"}, {1, 253, "1%"}};
    for (const auto& c : cases) {
        EXPECT_EQ(opacityFor(c.position), c.opacity);
        EXPECT_EQ(transparencyCaption(c.opacity), title + c.percent) << c.position;
    }
}

TEST(MainCaptions, LogButtonShowsLogForOneTickAndFactorialForTwo) {
    double step = 0;
    std::string caption = "Log";
    std::vector<std::string> seen;
    for (int tick = 0; tick < 6; ++tick) {
        const LogButtonStep next = nextLogButtonStep(step);
        step = next.step;
        if (next.changed) {
            caption = next.look.caption;
            EXPECT_EQ(next.look.bold, caption == "Log");
        }
        seen.push_back(caption);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Log", "Факториал", "Факториал", "Log", "Факториал", "Факториал"}));
}

TEST(MainCaptions, SystemsButtonAlternates) {
    EXPECT_EQ(nextSystemsCaption("Урав-й"), "Системы");
    EXPECT_EQ(nextSystemsCaption("Системы"), "Урав-й");
    EXPECT_EQ(nextSystemsCaption(""), "Урав-й");
}

} // namespace
