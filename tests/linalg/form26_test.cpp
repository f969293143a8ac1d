#include "linalg/ui/form26.h"

#include "core/inifile.h"
#include "tests/support/windowtest.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace vy::test {
namespace {

class Form26Test : public GuiTest {
protected:
    Form26Test()
    {
        form.show();
        processEvents();
    }

    QTableWidget* grid() { return control<QTableWidget>(form, "StringGrid1"); }
    void set(int col, int row, const char* text) { grid()->item(row, col)->setText(QString::fromUtf8(text)); }
    std::string text(int col, int row) { return grid()->item(row, col)->text().toStdString(); }
    std::string label(const char* name) { return control<QLabel>(form, name)->text().toStdString(); }
    void press(const char* button) { control<QPushButton>(form, button)->click(); }

    TForm26 form{host_.host(), DataFolder{folder()}};
};

TEST_F(Form26Test, OpensWithZerosAndNoSolution)
{
    EXPECT_EQ(form.windowTitle(), "Системы из n уравнений");
    ASSERT_EQ(grid()->rowCount(), 3);
    ASSERT_EQ(grid()->columnCount(), 4);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(text(c, r), "0");
    EXPECT_EQ(label("Label2"), "<- Введите числа");
    pressKey(grid(), Qt::Key_Down);
    EXPECT_EQ(label("Label2"), "=0  \n=0  \n=0  \n");
    press("BitBtn1");
    EXPECT_EQ(label("Label1"), "Нет решения");
    EXPECT_EQ(grid()->columnWidth(0), 30);
    EXPECT_EQ(grid()->rowHeight(0), 20);
}

TEST_F(Form26Test, TwoEquationsAfterOneMinus)
{
    press("BitBtn4");
    ASSERT_EQ(grid()->rowCount(), 2);
    ASSERT_EQ(grid()->columnCount(), 3);
    press("BitBtn4"); // two equations stay
    EXPECT_EQ(grid()->rowCount(), 2);
    set(0, 0, "1"), set(1, 0, "1"), set(2, 0, "3");
    set(0, 1, "1"), set(1, 1, "-1"), set(2, 1, "1");
    EXPECT_EQ(label("Label2"), "+a+b=3  \n+a--b=1  \n");
    press("BitBtn1");
    EXPECT_EQ(label("Label1"), "Ответ:  a=2  b=1");
}

TEST_F(Form26Test, PlusMakesTheOldFreeTermsTheNewVariablesCoefficients)
{
    set(3, 0, "7"), set(3, 1, "2,50"), set(0, 2, "x");
    press("BitBtn3");
    ASSERT_EQ(grid()->rowCount(), 4);
    ASSERT_EQ(grid()->columnCount(), 5);
    EXPECT_EQ(text(3, 0), "7");
    EXPECT_EQ(text(3, 1), "2,50");
    EXPECT_EQ(text(0, 2), "x") << "typed texts stay";
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(text(4, r), "0");
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(text(c, 3), "0");
    EXPECT_EQ(label("Label2"), "+7d=0  \n+2,50d=0  \n") << "the letter ends the preview";
    press("BitBtn2");
    EXPECT_EQ(text(0, 2), "0");
    EXPECT_EQ(text(3, 0), "0");
}

TEST_F(Form26Test, TypingInACellRebuildsThePreview)
{
    grid()->setCurrentCell(0, 0);
    grid()->editItem(grid()->item(0, 0));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    typeText(editor, "-5");
    EXPECT_EQ(label("Label2"), "--5a=0  \n=0  \n=0  \n");
}

TEST_F(Form26Test, CellThatIsNotANumberIsShownAtTheCellOrInABox)
{
    set(0, 0, "1"), set(1, 1, "1"), set(2, 2, "1");
    set(1, 2, "q");
    press("BitBtn1");
    EXPECT_EQ(label("Label1"), "Ответ:");
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::Box);
    EXPECT_EQ(host_.presenter.shown[0].caption, "Внимание");
    EXPECT_EQ(host_.presenter.shown[0].icon, Icon::Information);
    EXPECT_EQ(host_.presenter.shown[0].text, "Здесь должно быть  число. \rПри записи дробного числа используйте запятую.");
    EXPECT_EQ(host_.journal.front(), "sound:criticalStop");
    EXPECT_EQ(grid()->currentRow(), 2);
    EXPECT_EQ(grid()->currentColumn(), 1);

    IniFile(path("Вычислица.ini")).writeInteger("tester", "Balloon", 1);
    host_.presenter.shown.clear();
    press("BitBtn1");
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    const Shown& balloon = host_.presenter.shown[0];
    EXPECT_EQ(balloon.kind, Shown::Kind::Balloon);
    EXPECT_EQ(balloon.text, "Здесь должно быть число. При записи дробного числа используйте запятую.");
    const QRect cell = grid()->visualItemRect(grid()->item(2, 1));
    const QPoint cellTopLeft = grid()->viewport()->mapToGlobal(cell.topLeft());
    EXPECT_GE(balloon.stem.x, cellTopLeft.x());
    EXPECT_LT(balloon.stem.x, cellTopLeft.x() + cell.width());
    EXPECT_EQ(balloon.stem.y, cellTopLeft.y() + cell.height() - 1) << "just below the cell's text";
}

class Form26Large : public Form26Test {
protected:
    // n equations 2x = 2 (diagonal), so every root is 1; typed straight into
    // the grid, as the preview of each step would only slow the test down.
    void diagonal(int n)
    {
        const QSignalBlocker quiet(grid());
        grid()->setRowCount(n);
        grid()->setColumnCount(n + 1);
        for (int r = 0; r < n; ++r)
            for (int c = 0; c <= n; ++c)
                grid()->setItem(r, c, new QTableWidgetItem(c == r || c == n ? "2" : "0"));
    }
};

TEST_F(Form26Large, LargeSystemRunsOnTheWorker)
{
    const int n = static_cast<int>(TForm26::kForegroundLimit) + 10;
    diagonal(n);
    press("BitBtn1");
    EXPECT_TRUE(form.solving());
    EXPECT_FALSE(control<QPushButton>(form, "BitBtn3")->isEnabled());
    EXPECT_TRUE(control<QPushButton>(form, "BitBtn5")->isVisible());
    ASSERT_TRUE(waitUntil([&] { return !form.solving(); }));
    processEvents();
    const std::string answer = label("Label1");
    EXPECT_EQ(answer.rfind("Ответ:  a=1  b=1  c=1", 0), 0u) << answer;
    EXPECT_NE(answer.find("  €=1"), std::string::npos) << "the 40th variable, code 136";
    EXPECT_TRUE(control<QPushButton>(form, "BitBtn3")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(form, "BitBtn5")->isVisible());
}

TEST_F(Form26Large, CancelLeavesTheAnswerEmpty)
{
    diagonal(200);
    press("BitBtn1");
    ASSERT_TRUE(form.solving());
    press("BitBtn5");
    EXPECT_FALSE(form.solving());
    waitUntil([] { return false; }, 100);
    EXPECT_EQ(label("Label1"), "Ответ:");
    EXPECT_TRUE(control<QPushButton>(form, "BitBtn1")->isEnabled());
    EXPECT_TRUE(host_.presenter.shown.empty());
}

} // namespace
} // namespace vy::test
