// The window list: every window in its slot of the creation order, each built
// tool handed to the main window, whose control then opens it modally.
#include "app/windowlist.h"
#include "tests/support/windowtest.h"
#include "ui/shapedwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTimer>
#include <functional>
#include <set>
#include <string>

namespace vy::test {
namespace {

class WindowListTest : public GuiTest {
protected:
    WindowListTest() { writeFile("Вычислица.ini", "[tester]\r\nopenanim=0\r\ncloseanim=0\r\n"); }
};

TEST_F(WindowListTest, EverySlotInCreationOrderWithItsPurposeAndEveryBuiltToolHandedOver)
{
    std::vector<std::string> order;
    for (const WindowSlot& slot : windowSlots()) {
        order.emplace_back(slot.name);
        EXPECT_TRUE(slot.purpose != nullptr && *slot.purpose != '\0') << slot.name;
    }
    EXPECT_EQ(order, (std::vector<std::string>{"TForm2",  "TForm3",  "TForm4",  "TForm5",  "TForm6",  "TForm7",
                                               "TForm8",  "TForm9",  "TForm10", "TForm11", "TForm12", "TForm13",
                                               "TForm14", "TForm15", "TForm16", "TForm17", "TForm18", "TForm21",
                                               "TForm22", "TForm23", "TForm19", "TForm24", "TForm25", "TForm26"}));

    WindowList windows(host_.host(), DataFolder{folder()});
    for (const WindowSlot& slot : windowSlots()) {
        if (slot.tool) {
            EXPECT_EQ(windows.main().hasToolWindow(*slot.tool), static_cast<bool>(slot.create)) << slot.name;
        }
        QWidget* window = windows.window(slot.name);
        EXPECT_EQ(window != nullptr, static_cast<bool>(slot.create)) << slot.name;
        if (window) {
            EXPECT_FALSE(window->isVisible()) << slot.name << " is created hidden";
            EXPECT_EQ(window->objectName().toStdString(), slot.name);
        }
    }
    EXPECT_EQ(windows.window("TForm1"), &windows.main());
    EXPECT_FALSE(windows.main().isVisible());
}

// Opens tool by open(), which returns once the window is closed again.
bool opensModally(QWidget* tool, const std::function<void()>& open)
{
    bool wasModal = false;
    QTimer::singleShot(0, tool, [&, tool] {
        wasModal = tool->isVisible() && tool->isModal();
        tool->close();
    });
    open();
    return wasModal && !tool->isVisible();
}

TEST_F(WindowListTest, EachToolControlOpensItsWindowModally)
{
    writeFile("Вычислица.log", ""); // the systems window writes to it when it opens
    WindowList windows(host_.host(), DataFolder{folder()});
    // Buttons, and the items of the systems popup.
    const std::pair<const char*, const char*> rows[] = {
        {"BitBtn4", "TForm6"},   {"BitBtn5", "TForm8"},   {"BitBtn6", "TForm9"},   {"BitBtn7", "TForm10"},
        {"BitBtn8", "TForm11"},  {"BitBtn9", "TForm12"},  {"BitBtn10", "TForm17"}, {"BitBtn11", "TForm21"},
        {"BitBtn12", "TForm22"}, {"BitBtn13", "TForm23"}, {"BitBtn14", "TForm24"}, {"N341", "TForm4"},
        {"n5", "TForm26"},       {"Button11", "TForm2"},  {"Button12", "TForm3"}};
    for (const auto& [openerName, windowName] : rows) {
        QWidget* tool = windows.window(windowName);
        ASSERT_TRUE(tool) << windowName;
        auto* button = windows.main().findChild<QPushButton*>(openerName);
        auto* item = windows.main().findChild<QAction*>(openerName);
        ASSERT_TRUE(button || item) << openerName;
        EXPECT_TRUE(button ? button->isEnabled() : item->isEnabled()) << openerName;
        EXPECT_TRUE(opensModally(tool, [button, item] { button ? button->click() : item->trigger(); })) << windowName;
    }
    EXPECT_TRUE(host_.presenter.shown.empty());

    // "График" pops up a menu; its "Простой график" opens the simple plotter.
    EXPECT_TRUE(control<QPushButton>(windows.main(), "BitBtn2")->isEnabled());
    auto* simplePlot = windows.main().findChild<QAction*>(QStringLiteral("N1"));
    ASSERT_TRUE(simplePlot);
    EXPECT_EQ(simplePlot->text(), "Простой график");
    EXPECT_TRUE(simplePlot->isEnabled());
    EXPECT_TRUE(opensModally(windows.window("TForm5"), [simplePlot] { simplePlot->trigger(); }));
}

TEST_F(WindowListTest, AboutAndCalendarTakeTheUsersColourAndCalendarItsDateBeforeTheyShow)
{
    WindowList windows(host_.host(), DataFolder{folder()});
    // The user's colour (navy) differs from the main window's silver.
    IniFile(path("Вычислица.ini")).writeInteger("tester", "Color", 0x800000);
    QPalette navy = windows.main().palette();
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    windows.main().setPalette(navy);
    const std::pair<const char*, const char*> rows[] = {{"Button11", "TForm2"}, {"Button12", "TForm3"}};
    for (const auto& [buttonName, windowName] : rows) {
        auto* tool = static_cast<ShapedWindow*>(windows.window(windowName));
        ASSERT_TRUE(tool) << windowName;
        QRgb before = 0;
        QString dateLine;
        QTimer::singleShot(0, tool, [&, tool] {
            before = tool->picture().pixel(200, 200);
            if (auto* label = tool->findChild<QLabel*>("Label1"))
                dateLine = label->text();
            tool->close();
        });
        control<QPushButton>(windows.main(), buttonName)->click();
        EXPECT_EQ(before, qRgb(0, 0, 128)) << windowName;
        if (std::string(windowName) == "TForm3") {
            EXPECT_EQ(dateLine, "Вторник, 5 марта 2024 года");
        }
    }
}

TEST_F(WindowListTest, TheChartPlotterOpensFromItsMenuItemInTheMainWindowsColour)
{
    WindowList windows(host_.host(), DataFolder{folder()});
    QWidget* chart = windows.window("TForm25");
    ASSERT_TRUE(chart);
    auto* item = windows.main().findChild<QAction*>(QStringLiteral("N2"));
    ASSERT_TRUE(item);
    EXPECT_TRUE(item->isEnabled());
    QPalette colours = windows.main().palette();
    colours.setColor(QPalette::Window, QColor(10, 120, 200));
    windows.main().setPalette(colours);
    bool wasModal = false;
    QColor shownIn;
    QTimer::singleShot(0, chart, [&] {
        wasModal = chart->isVisible() && chart->isModal();
        shownIn = chart->palette().color(QPalette::Window);
        chart->close();
    });
    item->trigger(); // returns once the window is closed
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(shownIn, QColor(10, 120, 200));
}

TEST_F(WindowListTest, TheSettingsOpenFromTheMainWindowAndTheirBalloonChoiceCountsAtOnce)
{
    WindowList windows(host_.host(), DataFolder{folder()});
    QWidget* settings = windows.window("TForm19");
    ASSERT_TRUE(settings);
    auto* opener = control<QToolButton>(windows.main(), "sSpeedButton1");
    ASSERT_TRUE(opener && opener->isEnabled());
    bool wasModal = false;
    QTimer::singleShot(0, settings, [&] {
        wasModal = settings->isVisible() && settings->isModal();
        control<QCheckBox>(*settings, "CheckBox4")->setChecked(true);
        control<QPushButton>(*settings, "BitBtn1")->click();
    });
    opener->click(); // returns once "Принять" has closed the settings
    EXPECT_TRUE(wasModal);

    // No restart: the next bad input is shown in a balloon.
    control<QLineEdit>(windows.main(), "Edit1")->setText("x");
    control<QPushButton>(windows.main(), "Button1")->click();
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::Balloon);
}

TEST_F(WindowListTest, TheExpressionWindowFindsTheHelpWindowMadeAfterIt)
{
    WindowList windows(host_.host(), DataFolder{folder()});
    QWidget* expression = windows.window("TForm6");
    QWidget* help = windows.window("TForm7");
    ASSERT_TRUE(expression && help);
    bool wasModal = false;
    QTimer::singleShot(0, help, [&] {
        wasModal = help->isVisible() && help->isModal();
        help->close();
    });
    control<QPushButton>(*expression, "BitBtn2")->click(); // returns once the help is closed
    EXPECT_TRUE(wasModal);
}

TEST_F(WindowListTest, TheTablesWindowFindsTheTablesMadeAfterIt)
{
    WindowList windows(host_.host(), DataFolder{folder()});
    QWidget* tables = windows.window("TForm12");
    ASSERT_TRUE(tables);
    tables->show();
    for (const auto& [item, table] : {std::pair{"N2", "TForm13"}, {"sincostgctg1", "TForm14"}, {"N5", "TForm15"},
                                      {"N6", "TForm16"}, {"N7", "TForm18"}}) {
        auto* action = tables->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_TRUE(action) << item;
        EXPECT_TRUE(opensModally(windows.window(table), [action] { action->trigger(); })) << table;
    }
    tables->close();
}

} // namespace
} // namespace vy::test
