#include "linalg/ui/form4.h"

#include "tests/support/windowtest.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vy::test {
namespace {

class Form4Test : public GuiTest {
protected:
    Form4Test()
    {
        writeFile("Вычислица.log", "");
        form.show();
        processEvents();
    }

    QLineEdit* edit(int n) { return control<QLineEdit>(form, ("Edit" + std::to_string(n)).c_str()); }
    std::string label(const char* name) { return control<QLabel>(form, name)->text().toStdString(); }
    void press(const char* button) { control<QPushButton>(form, button)->click(); }

    TForm4 form{host_.host(), DataFolder{folder()}};
};

TEST_F(Form4Test, DesignedTextsPreviewAndSolveBothSystems)
{
    EXPECT_EQ(form.windowTitle(), "Решение системы уравнений");
    EXPECT_EQ(form.size(), QSize(536, 270));
    EXPECT_EQ(label("Label3"), " 1a+1b+2c=5\n 5a+6b+7c=8\n 9a+10b+11c=12");
    EXPECT_EQ(label("Label8"), "2a+5b+4c+1d=20\n1a+3b+2c+1d=11\n2a+10b+9c+7d=40\n3a+8b+9c+2d=37");
    EXPECT_EQ(control<QPushButton>(form, "BitBtn1")->toolTip(), "Вычислить");
    press("BitBtn1");
    EXPECT_EQ(label("Label6"), "Det= -4\na=2\nb=-5\nc=4");
    press("BitBtn2");
    EXPECT_EQ(label("Label7"), "Det= -3\na=1\nb=2\nc=2\nd=0");
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form4Test, ProtocolGetsTheHeaderTheSolveAndTheEndMarker)
{
    press("BitBtn1");
    form.close();
    const std::string log = readFile("Вычислица.log");
    EXPECT_NE(log.find("***** Протокол работы окна Решение систем уравнений ****"), std::string::npos);
    EXPECT_NE(log.find("\r\nРешение системы уравнений:\r\n 1a+1b+2c=5\r 5a+6b+7c=8\r 9a+10b+11c=12\r\n"),
              std::string::npos);
    EXPECT_NE(log.find("a=a\"/D=-8/-4=2\r\n"), std::string::npos);
    EXPECT_NE(log.find("Уравнения решены, корни:  a=2 b=-5 c=4\r\n"), std::string::npos);
    EXPECT_LT(log.find("корни:"), log.find("конец работы окна"));
}

TEST_F(Form4Test, TypingRebuildsThePreviewWhole)
{
    edit(2)->clear();
    typeText(edit(2), "-3");
    EXPECT_EQ(label("Label3").substr(0, 12), " 1a--3b+2c=5");
    typeText(edit(2), "x"); // swallowed by the filter, with the exclamation sound
    EXPECT_EQ(edit(2)->text(), "-3");
    EXPECT_EQ(host_.journal, std::vector<std::string>{"sound:exclamation"});
    typeText(edit(2), "б5");
    EXPECT_EQ(edit(2)->text(), "-3,5");
    edit(5)->clear();
    EXPECT_EQ(label("Label3"), "Совет: при записи дробного числа используйте запятую");
    typeText(edit(5), "0");
    EXPECT_EQ(label("Label3"), " 1a--3,5b+2c=5\n+6b+7c=8\n 9a+10b+11c=12");
}

TEST_F(Form4Test, FieldThatIsNotANumber)
{
    press("BitBtn1");
    edit(7)->clear();
    press("BitBtn1");
    EXPECT_EQ(label("Label3"), "Совет: при записи дробного числа используйте запятую");
    EXPECT_EQ(label("Label6"), "");
    const std::string log = readFile("Вычислица.log");
    const std::size_t first = log.find("Решение системы уравнений:");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("Решение системы уравнений:", first + 1), std::string::npos)
        << "only the press that converted wrote to the protocol";
}

TEST_F(Form4Test, SingularSystems)
{
    const char* upper[] = {"1", "2", "3", "4", "2", "1", "1", "3", "3", "3", "4", "7"};
    for (int n = 1; n <= 12; ++n)
        edit(n)->setText(upper[n - 1]);
    press("BitBtn1");
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::Information);
    EXPECT_EQ(host_.presenter.shown[0].text, "Система не имеет единственного решения\rт.к детерминант равен 0");
    EXPECT_EQ(host_.journal.front(), "sound:criticalStop");
    EXPECT_EQ(label("Label6"), "");
    const std::string log = readFile("Вычислица.log");
    EXPECT_NE(log.find("Вычисление корней ур-й:\r\n"), std::string::npos);
    EXPECT_EQ(log.find("a\"="), std::string::npos) << "no root lines after D = 0";

    edit(21)->setText("3");
    edit(22)->setText("8");
    edit(23)->setText("6");
    edit(24)->setText("2");
    edit(31)->setText("31"); // row 3 = row 1 + row 2
    press("BitBtn2");
    EXPECT_EQ(label("Label7"), "Det= 0");
    EXPECT_EQ(host_.presenter.shown.size(), 1u);
}

TEST_F(Form4Test, FourUnknownsLeaveAFieldThatIsNotANumberToTheErrorBox)
{
    press("BitBtn2");
    edit(26)->setText("2.5");
    EXPECT_EQ(label("Label8"), "Совет: при записи дробного числа используйте запятую");
    EXPECT_EQ(label("Label7"), "");
    edit(26)->setText("8");
    press("BitBtn2");
    edit(32)->setText("");
    press("BitBtn2");
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::GeneralError);
    EXPECT_EQ(host_.presenter.shown[0].text, "'' is not a valid floating point value.");
    EXPECT_EQ(label("Label7"), "Det= -3");
}

TEST_F(Form4Test, ArrowKeysMoveBetweenFields)
{
    QApplication::setActiveWindow(&form);
    const struct {
        int from;
        int key;
        int to; // 0: the focus stays
    } cases[] = {
        {5, Qt::Key_Left, 4},  {9, Qt::Key_Down, 0},   {1, Qt::Key_Left, 0},  {2, Qt::Key_Down, 6},
        {16, Qt::Key_Right, 29}, {29, Qt::Key_Right, 0}, {28, Qt::Key_Down, 0}, {13, Qt::Key_Down, 17},
    };
    for (const auto& c : cases) {
        edit(c.from)->setFocus();
        ASSERT_TRUE(edit(c.from)->hasFocus());
        pressKey(edit(c.from), c.key);
        EXPECT_EQ(QApplication::focusWidget(), edit(c.to ? c.to : c.from)) << c.from << " key " << c.key;
    }
    edit(12)->setFocus();
    pressKey(edit(12), Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(form, "BitBtn1"));
    // the upper arrows wait until every field is a number
    edit(3)->clear();
    edit(5)->setFocus();
    pressKey(edit(5), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), edit(5));
}

} // namespace
} // namespace vy::test
