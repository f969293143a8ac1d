#include "calc/ui/form9.h"

#include "core/inifile.h"
#include "tests/calc/calcform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace vy::test {
namespace {

class Form9Test : public CalcFormTest<TForm9> {
protected:
    QCheckBox* box(const char* name) { return control<QCheckBox>(form, name); }
    QRadioButton* radio(const char* name) { return control<QRadioButton>(form, name); }
};

TEST_F(Form9Test, ControlsCarryTheirCaptionsHintsAndInitialStates)
{
    EXPECT_EQ(form.windowTitle(), "Проценты");
    EXPECT_EQ(form.size(), QSize(451, 259));
    EXPECT_EQ(form.pos(), QPoint(130, 188)); // nothing stored yet: the designed place
    const Caption rows[] = {
        {"Label4", "Проценты", ""},
        {"Edit1", "1", "Введите процент от числа"},
        {"Label1", "%", ""},
        {"Label2", "от", ""},
        {"Edit2", "1", "Введите число"},
        {"Button1", "=", ""},
        {"Edit3", "1", "Введите число"},
        {"Label5", "увелич. на", ""},
        {"Edit4", "1", "Введите процент увеличения"},
        {"Edit5", "1", "Введите число"},
        {"Label8", "уменьш. на", ""},
        {"Edit6", "1", "Введите процент уменьшения"},
        {"RadioButton1", "3 элемента", ""},
        {"RadioButton2", "4 элемента", ""},
        {"Edit7", "1", "Введите число"},
        {"CheckBox1", "Ув.", "Первый процент увеличения"},
        {"CheckBox2", "Ум.", "Первый процент уменьшения "},
        {"Edit8", "1", "Первый процент"},
        {"CheckBox3", "Ув.", "Второй процент увеличения"},
        {"CheckBox4", "Ум.", "Второй процент уменьшения"},
        {"Edit9", "1", "Второй процент"},
        {"CheckBox5", "Ув.", "Третий процент увеличения"},
        {"CheckBox6", "Ум.", "Третий процент уменьшения"},
        {"Edit10", "1", "Третий процент"},
        {"Button4", "=", "Вычислить"},
    };
    expectCaptions(form, rows);
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox1")->title(), "Сложный процент ");
    EXPECT_TRUE(radio("RadioButton1")->isChecked());
    for (const char* name : {"CheckBox1", "CheckBox3", "CheckBox5"})
        EXPECT_TRUE(box(name)->isChecked()) << name;
    for (const char* name : {"CheckBox2", "CheckBox4", "CheckBox6"})
        EXPECT_FALSE(box(name)->isChecked()) << name;
    EXPECT_FALSE(box("CheckBox5")->isEnabled());
    EXPECT_FALSE(box("CheckBox6")->isEnabled());
    EXPECT_FALSE(edit("Edit10")->isEnabled());
    EXPECT_EQ(control<QLabel>(form, "Label11")->size(), QSize(417, 33));
}

TEST_F(Form9Test, RowsAnswerByTheirButtonAndByEnterInTheSecondField)
{
    showActive();
    setText("Edit1", "10");
    setText("Edit2", "250");
    click("Button1");
    EXPECT_EQ(labelText("Label3"), "10% от 250 = 25");

    setText("Edit3", "200");
    setText("Edit4", "5");
    edit("Edit3")->setFocus();
    pressKey(edit("Edit3"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit4"));
    pressKey(edit("Edit4"), Qt::Key_Return);
    EXPECT_EQ(labelText("Label7"), "200 увелич. на 5% = 210");

    setText("Edit5", "200");
    setText("Edit6", "5");
    pressKey(edit("Edit6"), Qt::Key_Return);
    EXPECT_EQ(labelText("Label10"), "200 уменьш. на 5% = 190");
    EXPECT_TRUE(host_.journal.empty());
}

TEST_F(Form9Test, AFieldThatIsNoNumberReachesTheGeneralErrorBoxAndKeepsTheAnswer)
{
    click("Button1");
    ASSERT_EQ(labelText("Label3"), "1% от 1 = 0,01");
    setText("Edit2", "");
    click("Button1");
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"'' is not a valid floating point value."});
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::GeneralError);
    EXPECT_EQ(labelText("Label3"), "1% от 1 = 0,01");

    click("Button4");
    const std::string compound = labelText("Label11");
    setText("Edit8", "1,2,3");
    click("Button4");
    EXPECT_EQ(labelText("Label11"), compound);
    EXPECT_EQ(host_.presenter.shown.size(), 2u);
}

TEST_F(Form9Test, TheRowFieldsTurnTheFullStopIntoACommaAndTheCompoundFieldsRefuseIt)
{
    edit("Edit1")->clear();
    typeText(edit("Edit1"), QStringLiteral("2.5б7ю1"));
    EXPECT_EQ(edit("Edit1")->text(), "2,5,7,1");
    EXPECT_TRUE(host_.journal.empty());
    typeText(edit("Edit1"), QStringLiteral("a-"));
    EXPECT_EQ(edit("Edit1")->text(), "2,5,7,1");
    EXPECT_EQ(host_.journal, (std::vector<std::string>{"sound:exclamation", "sound:exclamation"}));

    host_.journal.clear();
    edit("Edit7")->clear();
    typeText(edit("Edit7"), QStringLiteral("1.5,2"));
    EXPECT_EQ(edit("Edit7")->text(), "15,2");
    EXPECT_EQ(host_.journal, std::vector<std::string>{"sound:exclamation"});
}

TEST_F(Form9Test, CompoundPercentWithThreeAndWithFourElements)
{
    click("Button4");
    EXPECT_EQ(labelText("Label11"), "1 увелич. на 1% увелич. на 1% = 1,0201");

    radio("RadioButton2")->click();
    EXPECT_TRUE(edit("Edit10")->isEnabled());
    EXPECT_TRUE(box("CheckBox5")->isEnabled());
    setText("Edit7", "1000");
    for (const char* name : {"Edit8", "Edit9", "Edit10"})
        setText(name, "10");
    for (const char* name : {"CheckBox2", "CheckBox4", "CheckBox6"})
        box(name)->click();
    click("Button4");
    EXPECT_EQ(labelText("Label11"), "1000 уменьш. на 10% уменьш. на 10% уменьш. на 10% = 729");

    radio("RadioButton1")->click();
    EXPECT_FALSE(edit("Edit10")->isEnabled());
    EXPECT_FALSE(box("CheckBox6")->isEnabled());
    click("Button4");
    EXPECT_EQ(labelText("Label11"), "1000 уменьш. на 10% уменьш. на 10% = 810");
}

TEST_F(Form9Test, CheckingABoxUnchecksItsPartnerAndAStepWithBothUncheckedIsSkipped)
{
    box("CheckBox2")->click();
    EXPECT_FALSE(box("CheckBox1")->isChecked());
    box("CheckBox1")->click();
    EXPECT_FALSE(box("CheckBox2")->isChecked());
    box("CheckBox1")->click(); // unchecked: the partner stays unchecked too
    EXPECT_FALSE(box("CheckBox1")->isChecked());
    EXPECT_FALSE(box("CheckBox2")->isChecked());

    // The first step is skipped: its value is still 0, and the text is appended to.
    click("Button4");
    click("Button4");
    EXPECT_EQ(labelText("Label11"), " увелич. на 1% = 0 увелич. на 1% = 0");
}

TEST_F(Form9Test, EnterAndArrowsMoveThroughTheCompoundFields)
{
    showActive();
    radio("RadioButton2")->click();
    edit("Edit7")->setFocus();
    pressKey(edit("Edit7"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit8"));
    pressKey(edit("Edit8"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit9"));
    pressKey(edit("Edit9"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit10"));
    // Enter is refused like any other key these fields do not take.
    EXPECT_EQ(host_.journal, std::vector<std::string>(3, "sound:exclamation"));
    pressKey(edit("Edit10"), Qt::Key_Return);
    EXPECT_EQ(labelText("Label11"), "1 увелич. на 1% увелич. на 1% увелич. на 1% = 1,030301");

    // Left in the third percent closes it; Enter in the second then stays put
    // instead of asking to focus a disabled field.
    pressKey(edit("Edit10"), Qt::Key_Left);
    EXPECT_FALSE(edit("Edit10")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit9"));
    pressKey(edit("Edit9"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit9"));
    EXPECT_TRUE(host_.presenter.shown.empty());
    // Right opens it again.
    pressKey(edit("Edit9"), Qt::Key_Right);
    EXPECT_TRUE(edit("Edit10")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit10"));

    struct Move {
        const char* field;
        int key;
        const char* to;
    } moves[] = {{"Edit1", Qt::Key_Right, "Edit2"}, {"Edit2", Qt::Key_Down, "Edit3"}, {"Edit4", Qt::Key_Up, "Edit1"},
                 {"Edit6", Qt::Key_Down, "Edit7"},  {"Edit7", Qt::Key_Up, "Edit5"},   {"Edit8", Qt::Key_Left, "Edit7"},
                 {"Edit2", Qt::Key_Up, "Edit2"}};
    for (const Move& m : moves) {
        edit(m.field)->setFocus();
        pressKey(edit(m.field), m.key);
        EXPECT_EQ(QApplication::focusWidget(), edit(m.to)) << m.field << " key " << m.key;
    }
}

TEST_F(Form9Test, TypingInTheSecondPercentOpensTheThirdInThreeElementMode)
{
    typeText(edit("Edit9"), QStringLiteral("5"));
    EXPECT_TRUE(edit("Edit10")->isEnabled());
    EXPECT_FALSE(box("CheckBox5")->isEnabled());
}

TEST_F(Form9Test, ThreeElementsReturnsTheWindowToItsStoredPlace)
{
    showActive();
    form.move(300, 250);
    form.close(); // stores the place
    form.show();
    form.move(10, 20);
    radio("RadioButton1")->click(); // already chosen: nothing happens
    EXPECT_EQ(form.pos(), QPoint(10, 20));
    radio("RadioButton2")->click();
    radio("RadioButton1")->click();
    EXPECT_EQ(form.pos(), QPoint(300, 250));
    const IniFile ini(path("Вычислица.ini"));
    EXPECT_EQ(ini.readInteger("position Form9(%)", "left", 0), 300);
    EXPECT_EQ(ini.readInteger("position Form9(%)", "height", 0), 259);
}

} // namespace
} // namespace vy::test
