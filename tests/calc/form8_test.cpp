#include "calc/ui/form8.h"

#include "tests/support/windowtest.h"

#include <QGroupBox>
#include <QPushButton>

#include <memory>

namespace vy::test {
namespace {

class Form8Test : public GuiTest {
protected:
    Form8Test() : form(host_.host(), DataFolder{folder()})
    {
        form.show();
        processEvents();
    }

    QLineEdit* edit(const char* name) { return control<QLineEdit>(form, name); }
    QLabel* label(const char* name) { return control<QLabel>(form, name); }
    void press(const char* button) { control<QPushButton>(form, button)->click(); }

    std::string prime(const char* n)
    {
        edit("Edit1")->setText(QString::fromUtf8(n));
        press("BitBtn1");
        return label("Label2")->text().toStdString();
    }
    std::string gcd(const char* a, const char* b)
    {
        edit("Edit2")->setText(QString::fromUtf8(a));
        edit("Edit3")->setText(QString::fromUtf8(b));
        press("Button1");
        return label("Label2")->text().toStdString();
    }
    std::string factors(const char* n)
    {
        edit("Edit4")->setText(QString::fromUtf8(n));
        press("BitBtn2");
        return label("Label4")->text().toStdString();
    }

    TForm8 form;
};

TEST_F(Form8Test, ControlsCarryTheirCaptionsAndDefaults)
{
    EXPECT_EQ(form.windowTitle(), "Операции с числами");
    EXPECT_EQ(form.size(), QSize(421, 143));
    const Caption rows[] = {
        {"Label1", "Введите число", ""}, {"Edit1", "1", ""},          {"BitBtn1", "Проверить", ""},
        {"Label3", "Введите числа", ""}, {"Edit2", "1", ""},          {"Edit3", "1", ""},
        {"Button1", "Вычислить НОД", ""}, {"Label2", "", ""},          {"Edit4", "1", ""},
        {"Label5", "Разложить на простые множители число:", ""},        {"BitBtn2", "Разложить", ""},
        {"Label4", "", ""},
    };
    expectCaptions(form, rows);
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox2")->width(), 249);
    EXPECT_EQ(label("Label4")->size(), QSize(49, 129));
}

TEST_F(Form8Test, AnswersAreCentredInTheirGroup)
{
    EXPECT_EQ(prime("7"), "7 - простое   и натуральное.");
    const int groupWidth = control<QGroupBox>(form, "GroupBox2")->width();
    const auto centred = [&] {
        QLabel* answer = label("Label2");
        return answer->x() == (groupWidth - answer->width()) / 2 && answer->width() > 0;
    };
    EXPECT_TRUE(centred());
    EXPECT_EQ(prime("1"), "1 - простое число");
    EXPECT_TRUE(centred());
    EXPECT_EQ(gcd("12", "18"), "НОД (12,18) = 6");
    EXPECT_TRUE(centred());
    EXPECT_EQ(gcd("0", "5"), "НОД (0,5) = 5");
    EXPECT_EQ(prime("2147483647"), "2147483647 - простое   и натуральное.");
}

TEST_F(Form8Test, FactorColumnLineByLine)
{
    EXPECT_EQ(factors("12"), "12 | 2\n  6 | 2\n  3 | 3\n  1 | ");
    EXPECT_EQ(factors("1"), "1 | 1\n1 ");
    EXPECT_EQ(factors("0"), "") << "no prime factors: an empty column, at once";
}

TEST_F(Form8Test, GcdOfZeroAndZeroGoesToTheGeneralErrorBoxAndTheAnswerStays)
{
    EXPECT_EQ(gcd("12", "18"), "НОД (12,18) = 6");
    EXPECT_EQ(gcd("0", "0"), "НОД (12,18) = 6");
    expectShown(host_.presenter, 1, Shown::Kind::GeneralError, "Division by zero.");
}

TEST_F(Form8Test, EmptyFieldsGoToTheGeneralErrorBoxAndTheAnswersStay)
{
    EXPECT_EQ(factors("8"), "8 | 2\n4 | 2\n2 | 2\n1 | ");
    EXPECT_EQ(factors(""), "8 | 2\n4 | 2\n2 | 2\n1 | ");
    EXPECT_EQ(prime("2"), "2 - простое   и натуральное.");
    EXPECT_EQ(prime("2147483648"), "2 - простое   и натуральное.");
    ASSERT_EQ(host_.presenter.shown.size(), 2u);
    EXPECT_EQ(host_.presenter.shown[0].text, "'' is not a valid integer value.");
    EXPECT_EQ(host_.presenter.shown[1].text, "'2147483648' is not a valid integer value.");
}

TEST_F(Form8Test, PastedNegativeNumbersGetAMessageAtTheirField)
{
    EXPECT_EQ(prime("7"), "7 - простое   и натуральное.");
    EXPECT_EQ(prime("-1"), "7 - простое   и натуральное.");
    EXPECT_EQ(gcd("4", "-6"), "7 - простое   и натуральное.");
    EXPECT_EQ(factors("-12"), "");
    ASSERT_EQ(host_.presenter.shown.size(), 3u);
    for (const Shown& shown : host_.presenter.shown)
        EXPECT_EQ(shown.kind, Shown::Kind::Information);
    EXPECT_EQ(host_.presenter.shown[1].text, "Число -6 отрицательное. Введите натуральное число или 0");

    writeFile("Вычислица.ini", "[tester]\r\nBalloon=1\r\n");
    gcd("4", "-6");
    ASSERT_EQ(host_.presenter.shown.size(), 4u);
    EXPECT_EQ(host_.presenter.shown[3].kind, Shown::Kind::Balloon);
    const QPoint third = edit("Edit3")->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(host_.presenter.shown[3].stem.x, third.x() + 10) << "the balloon points at the negative one";
}

TEST_F(Form8Test, FieldsTakeDigitsOnly)
{
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) {
        QLineEdit* field = edit(name);
        field->clear();
        host_.journal.clear();
        typeText(field, QStringLiteral("4-2,x"));
        EXPECT_EQ(field->text(), "42") << name;
        EXPECT_EQ(host_.journal, std::vector<std::string>(3, "sound:exclamation")) << name;
    }
}

TEST_F(Form8Test, PlaceIsReadAtCreationAndWrittenOnClose)
{
    expectPlaceKept(form, path("Вычислица.ini"), ini::kPlaceForm8,
                    [&] { return std::make_unique<TForm8>(host_.host(), DataFolder{folder()}); });
}

} // namespace
} // namespace vy::test
