// The help window: its fixed texts, its colour from the main window, and "Ещё"
// starting the help viewer on the page for expressions.
#include "ui/ui/form7.h"

#include "tests/support/windowtest.h"

#include <QGroupBox>
#include <QPushButton>

namespace vy::test {
namespace {

class Form7Test : public GuiTest {
protected:
    Form7Test() : form(host_.host(), DataFolder{folder()}, &main) {}

    QWidget main;
    TForm7 form;
};

TEST_F(Form7Test, ShowsItsFixedTexts)
{
    EXPECT_EQ(form.windowTitle(), "Справка");
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox1")->title(), "Справка");
    const Caption rows[] = {
        {"Label1",
         " *  -  умножение        /  -  деление     +  -  сложение      -  -  вычитание      -5 записывается так : (-5)",
         ""},
        {"Label2", "5+2", ""},
        {"Label3", "9-5", ""},
        {"Label4", "записывается так :(5+2)/(9-5)", ""},
        {"Label5", "5", ""},
        {"Label6", "4", ""},
        {"Label7", "записывается так :    5^4 ", ""},
        {"Label8", "Синус 45 градусов пишется так Sin(45)", ""},
        {"Label9",
         "Синус - sin(аргумент) Косинус - cos(аргумент) Тангенс - tan(аргумент) Котангенс - cotan(Аргумент)", ""},
        {"BitBtn1", "Ещё", ""},
    };
    expectCaptions(form, rows);
    // The numerator stands over the denominator, the exponent raised beside its base.
    auto* numerator = control<QWidget>(form, "Label2");
    auto* denominator = control<QWidget>(form, "Label3");
    EXPECT_LE(numerator->geometry().bottom(), denominator->y());
    EXPECT_EQ(numerator->x(), denominator->x());
    auto* base = control<QWidget>(form, "Label5");
    auto* exponent = control<QWidget>(form, "Label6");
    EXPECT_LT(exponent->y(), base->y());
    EXPECT_GE(exponent->x(), base->geometry().right());
}

TEST_F(Form7Test, TakesTheMainWindowsColourWhenShown)
{
    QPalette green = main.palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    main.setPalette(green);
    form.show();
    processEvents();
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 128, 0));
}

TEST_F(Form7Test, MoreStartsTheHelpViewerOnTheExpressionPage)
{
    control<QPushButton>(form, "BitBtn1")->click();
    ASSERT_EQ(host_.environment.launches.size(), 1u);
    EXPECT_EQ(host_.environment.launches[0].program, "helpviewer");
    EXPECT_EQ(host_.environment.launches[0].args,
              std::vector<std::string>{folder() + "Help.chm::/Мат выражение.htm"});

    // A viewer that cannot be started is not reported.
    host_.environment.launchSucceeds = false;
    control<QPushButton>(form, "BitBtn1")->click();
    EXPECT_EQ(host_.environment.launches.size(), 2u);
    EXPECT_TRUE(host_.presenter.shown.empty());
}

} // namespace
} // namespace vy::test
