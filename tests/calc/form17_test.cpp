#include "calc/ui/form17.h"

#include "tests/calc/calcform.h"

#include <QTimer>

namespace vy::test {
namespace {

using Form17Test = CalcFormTest<TForm17>;

TEST_F(Form17Test, ControlsCarryTheirCaptionsAndDefaults)
{
    EXPECT_EQ(form.windowTitle(), "Вычисление ar\u0441sin arccos"); // a Cyrillic es, as designed
    EXPECT_EQ(form.size(), QSize(404, 171));
    EXPECT_EQ(form.pos(), QPoint(207, 205));
    const Caption rows[] = {
        {"Label1", "arcsin", ""}, {"Edit1", "1", ""}, {"Button1", "=", ""}, {"Label2", "", ""},
        {"Label3", "arccos", ""}, {"Edit2", "1", ""}, {"Button2", "=", ""}, {"Label4", "", ""},
        {"Label5", "arctg", ""},  {"Edit3", "1", ""}, {"Button3", "=", ""}, {"Label6", "", ""},
        {"Label7", "arcctg", ""}, {"Edit4", "1", ""}, {"Button4", "=", ""}, {"Label8", "", ""},
    };
    expectCaptions(form, rows);
    EXPECT_FALSE(form.timer()->isActive());
}

TEST_F(Form17Test, EachRowAnswersByItsButtonAndByEnter)
{
    showActive();
    setText("Edit1", "0,5");
    click("Button1");
    EXPECT_EQ(labelText("Label2"), "Арксинус 0,5 = 30 Град.");
    setText("Edit2", "-1");
    pressKey(edit("Edit2"), Qt::Key_Return);
    EXPECT_EQ(labelText("Label4"), "Арккоcинус -1 = 180 Град.");
    click("Button3");
    EXPECT_EQ(labelText("Label6"), "Арктангенс 1 = 45 Град.");
    setText("Edit4", "2");
    pressKey(edit("Edit4"), Qt::Key_Enter);
    EXPECT_EQ(labelText("Label8"), "Арккатангенс 2 = 26,565051177078 Град.");
    EXPECT_TRUE(host_.journal.empty());
}

TEST_F(Form17Test, MessagesComeAfterTheStopSoundAndLeaveTheAnswer)
{
    click("Button4");
    ASSERT_EQ(labelText("Label8"), "Арккатангенс 1 = 45 Град.");
    setText("Edit4", "0");
    click("Button4");
    setText("Edit1", "1,0001");
    click("Button1");
    setText("Edit3", "");
    click("Button3");
    EXPECT_EQ(
        host_.journal,
        (std::vector<std::string>{
            "sound:criticalStop", "informationDialog:Недопустимый аргумент арккатангенса \r", "sound:criticalStop",
            "informationDialog:Арксинус должен быть задан числом от -1 до 1 \r", "sound:criticalStop",
            "informationDialog:Арктангенс должен быть задан числом. \rПри записи дробного числа используйте "
            "запятую."}));
    EXPECT_EQ(labelText("Label8"), "Арккатангенс 1 = 45 Град.");
    EXPECT_EQ(labelText("Label2"), "");

    host_.journal.clear();
    setText("Edit3", "1e400");
    click("Button3");
    EXPECT_EQ(host_.journal, std::vector<std::string>{"generalError:Floating point overflow."});
}

TEST_F(Form17Test, TheFullStopAndTheLettersOnItsKeyTypeAComma)
{
    edit("Edit2")->clear();
    typeText(edit("Edit2"), QStringLiteral("0.5ю1б2x"));
    EXPECT_EQ(edit("Edit2")->text(), "0,5,1,2x");
    EXPECT_TRUE(host_.journal.empty());
}

TEST_F(Form17Test, TheCaptionAnimationRunsWhileOpenAndCarriesOnAfterReopening)
{
    showActive();
    EXPECT_TRUE(form.timer()->isActive());
    EXPECT_EQ(form.timer()->interval(), 250);
    for (int i = 0; i < 3; ++i)
        form.Timer1Timer();
    EXPECT_EQ(form.windowTitle(), "Вычисление arcsin arccos..");
    form.close();
    EXPECT_FALSE(form.timer()->isActive());

    form.show();
    EXPECT_TRUE(form.timer()->isActive());
    form.Timer1Timer();
    EXPECT_EQ(form.animationStep(), 4);
    EXPECT_EQ(form.windowTitle(), "Вычисление arcsin arccos...");
    form.Timer1Timer();
    form.Timer1Timer();
    form.Timer1Timer(); // the seventh tick keeps five dots and starts again
    EXPECT_EQ(form.windowTitle(), "Вычисление arcsin arccos.....");
    EXPECT_EQ(form.animationStep(), 0);
    EXPECT_TRUE(waitUntil([&] { return form.animationStep() > 0; }, 2000)) << "the timer ticks by itself";
}

TEST_F(Form17Test, KeepsItsPlace)
{
    showActive();
    expectPlaceKept(form, path("Вычислица.ini"), ini::kPlaceForm17,
                    [&] { return std::make_unique<TForm17>(host_.host(), DataFolder{folder()}); });
    EXPECT_TRUE(host_.presenter.shown.empty());
}

} // namespace
} // namespace vy::test
