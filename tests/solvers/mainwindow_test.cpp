// The main window's "Урав-я" and "Интеграл" buttons open these two windows.
#include "app/windowlist.h"
#include "solvers/ui/form22.h"
#include "solvers/ui/form23.h"
#include "tests/solvers/formtest.h"

#include <QPushButton>
#include <QTimer>

namespace vy::test {
namespace {

class MainWindowTest : public GuiTest {};

TEST_F(MainWindowTest, SolverButtonsOpenTheirWindowsModally)
{
    WindowList windows(host_.host(), DataFolder{folder()});
    const std::pair<const char*, const char*> rows[] = {{"BitBtn12", "TForm22"}, {"BitBtn13", "TForm23"}};
    for (const auto& [buttonName, windowName] : rows) {
        QWidget* tool = windows.window(windowName);
        ASSERT_TRUE(tool) << windowName;
        QPushButton* opener = windows.main().bitBtn(buttonName);
        EXPECT_TRUE(opener->isEnabled()) << buttonName;
        bool wasModal = false;
        QTimer::singleShot(0, tool, [&, tool] {
            wasModal = tool->isVisible() && tool->isModal();
            tool->close();
        });
        opener->click(); // returns once the window is closed
        EXPECT_TRUE(wasModal) << windowName;
        EXPECT_FALSE(tool->isVisible());
    }
    EXPECT_TRUE(dynamic_cast<TForm22*>(windows.window("TForm22")));
    EXPECT_TRUE(dynamic_cast<TForm23*>(windows.window("TForm23")));
}

} // namespace
} // namespace vy::test
