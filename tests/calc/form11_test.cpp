#include "calc/ui/form11.h"

#include "tests/calc/calcform.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace vy::test {
namespace {

class Form11Test : public CalcFormTest<TForm11> {
protected:
    void compute(const char* number, const char* degree)
    {
        setText("Edit1", number);
        setText("Edit2", degree);
        click("BitBtn1");
    }
    std::string protocol() const { return readFile("Вычислица.log"); }
};

const char* const kHeader = "\r\n"
                            "*****************************************************************************\r\n"
                            "***************** Протокол работы окна Степени *****************\r\n"
                            "                              Время: 9:07:03        Дата: 05.03.2024\r\n";
const char* const kEnd = "***************************** конец работы окна **********************\r\n";

TEST_F(Form11Test, TheTwoModesChangeCaptionLabelsAndHint)
{
    const Caption power[] = {
        {"RadioButton1", "Возвести в степень", ""},
        {"RadioButton2", "Вычислить корень", ""},
        {"Label1", "   Возведение в степень ", ""},
        {"Label3", " Число: ", ""},
        {"Edit1", "1", "Введите число"},
        {"Label4", " Степень: ", ""},
        {"Edit2", "1", "Введите \x63тепень"}, // its c is a Latin letter
        {"BitBtn1", "Считать", "Вычислить"},
        {"Label2", "Ответ: ", ""},
    };
    expectCaptions(form, power);
    EXPECT_EQ(form.windowTitle(), " Возведение в степень ");
    EXPECT_EQ(form.geometry(), QRect(284, 163, 249, 302));
    EXPECT_EQ(control<QGroupBox>(form, "RadioGroup1")->toolTip(), "Выберите режим");
    EXPECT_TRUE(control<QRadioButton>(form, "RadioButton1")->isChecked());

    click("RadioButton2");
    const Caption root[] = {
        {"Label1", "   Вычисление корня ", ""},
        {"Label3", " Число: ", ""},
        {"Label4", " Корень: ", ""},
        {"Edit2", "1", "Введите корень"},
    };
    expectCaptions(form, root);
    EXPECT_EQ(form.windowTitle(), " Вычисление корня ");
    click("RadioButton1");
    EXPECT_EQ(form.windowTitle(), " Возведение в степень ");
    EXPECT_EQ(labelText("Label4"), " Степень: ");
}

TEST_F(Form11Test, EachActivationHeadsTheProtocolAndEachPressWritesTwoLines)
{
    showActive();
    compute("2", "10");
    form.close();
    form.show();
    click("RadioButton2");
    compute("27", "3");
    form.close();
    EXPECT_EQ(protocol(), std::string(kHeader) + "   Возведение в степень \r\n2^10=1024\r\n" + kEnd + kHeader +
                              "   Вычисление корня \r\n3^3=27\r\n" + kEnd);
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form11Test, BadInputGoesOnWithZerosAndAZeroRootAnswersZero)
{
    showActive();
    compute("abc", "2");
    EXPECT_EQ(labelText("Label2"), "Ответ: 1");
    compute("0", "-1");
    EXPECT_EQ(labelText("Label2"), "Ответ: 0"); // silently
    click("RadioButton2");
    compute("16", "0");
    EXPECT_EQ(labelText("Label2"), "Ответ: 0");
    EXPECT_EQ(host_.journal, (std::vector<std::string>{
                                 "sound:criticalStop",
                                 "plainMessage:Степень и Корень должены быть заданы числом. \rПри записи дробного "
                                 "числа используйте запятую.",
                                 "sound:criticalStop", "plainMessage:Корень не может быть равен нулю"}));
    EXPECT_EQ(protocol(), std::string(kHeader) + "   Возведение в степень \r\n0^0=1\r\n" +
                              "   Возведение в степень \r\n0^-1=0\r\n" + "   Вычисление корня \r\n0^0=16\r\n");
}

TEST_F(Form11Test, OtherFailuresEndThePressWithoutAnswerOrProtocolLines)
{
    showActive();
    compute("2", "0,5");
    EXPECT_EQ(labelText("Label2"), "Ответ: 1,4142135623731");
    const std::string before = protocol();
    compute("-27", "0,333333");
    click("RadioButton2");
    compute("-8", "3");
    compute("2", "1e-5"); // beyond the range
    EXPECT_EQ(shownTexts(),
              (std::vector<std::string>{"Invalid floating point operation.", "Invalid floating point operation.",
                                        "Floating point overflow."}));
    EXPECT_EQ(labelText("Label2"), "Ответ: 1,4142135623731");
    EXPECT_EQ(protocol(), before);
}

TEST_F(Form11Test, ArrowKeysMoveBetweenTheFieldsAndDownInTheDegreeComputes)
{
    showActive();
    setText("Edit1", "3");
    setText("Edit2", "2");
    edit("Edit1")->setFocus();
    pressKey(edit("Edit1"), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit2"));
    pressKey(edit("Edit2"), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit1"));
    pressKey(edit("Edit2"), Qt::Key_Down);
    EXPECT_EQ(labelText("Label2"), "Ответ: 9");
    auto* button = control<QPushButton>(form, "BitBtn1");
    button->setFocus();
    pressKey(button, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit2"));
}

TEST_F(Form11Test, KeepsItsPlace)
{
    showActive();
    expectPlaceKept(form, path("Вычислица.ini"), ini::kPlaceForm11,
                    [&] { return std::make_unique<TForm11>(host_.host(), DataFolder{folder()}); });
    EXPECT_TRUE(host_.presenter.shown.empty());
}

} // namespace
} // namespace vy::test
