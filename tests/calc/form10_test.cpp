#include "calc/ui/form10.h"

#include "calc/factorial.h"
#include "calc/ui/longnumberfield.h"
#include "tests/support/windowtest.h"

#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>

#include <memory>

namespace vy::test {
namespace {

const std::string kBase = "Основание не может быть равно ";

class Form10Test : public GuiTest {
protected:
    Form10Test() : form(host_.host(), DataFolder{folder()})
    {
        form.show();
        processEvents();
    }

    QLineEdit* edit(const char* name) { return control<QLineEdit>(form, name); }
    LongNumberField* digits() { return control<LongNumberField>(form, "Edit4"); }
    std::string answer() { return control<QLabel>(form, "Label1")->text().toStdString(); }
    std::string groupHint() { return control<QGroupBox>(form, "GroupBox1")->toolTip().toStdString(); }

    std::string logarithm(const char* number, const char* base)
    {
        edit("Edit2")->setText(QString::fromUtf8(number));
        edit("Edit1")->setText(QString::fromUtf8(base));
        control<QPushButton>(form, "Button1")->click();
        return answer();
    }

    // Presses the factorial's "=" and waits until it has ended.
    std::string factorial(const char* n)
    {
        edit("Edit3")->setText(QString::fromUtf8(n));
        control<QPushButton>(form, "BitBtn1")->click();
        EXPECT_TRUE(waitUntil([&] { return !form.computing(); }));
        processEvents();
        return digits()->text().toStdString();
    }

    void useBalloons() { writeFile("Вычислица.ini", "[tester]\r\nBalloon=1\r\n"); }

    TForm10 form;
};

TEST_F(Form10Test, ControlsCarryTheirCaptionsHintsAndDefaults)
{
    EXPECT_EQ(form.windowTitle(), "Логарифм");
    EXPECT_EQ(form.size(), QSize(398, 142));
    const Caption rows[] = {
        {"Label2", "Log", ""},    {"Edit1", "1", "Введите основание"},
        {"Edit2", "1", "Введите Log числа"}, {"Button1", "=", "Считать"},
        {"Label1", "", ""},       {"Label4", "Факториал", ""},
        {"Edit3", "1", ""},       {"BitBtn1", "=", ""},
    };
    expectCaptions(form, rows);
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox1")->title(), "Ответ : ");
    EXPECT_EQ(groupHint(), "Ответ:");
    EXPECT_FALSE(control<QProgressBar>(form, "ProgressBar1")->isVisible());
    EXPECT_FALSE(control<QPushButton>(form, "Button2")->isVisible());
}

TEST_F(Form10Test, LogarithmAndTheHintBuiltFromTheFieldsAsTyped)
{
    EXPECT_EQ(logarithm("8", "2"), "3");
    EXPECT_EQ(groupHint(), "Log числа 8 по основанию 2 равен: 3");
    EXPECT_EQ(logarithm("2", "10"), "0,301029995663981");
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form10Test, NumberZeroShowsZeroWhateverTheBase)
{
    EXPECT_EQ(logarithm("0", "буквы"), "0");
    EXPECT_EQ(groupHint(), "Ответ:");
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form10Test, BadBasesInABoxAfterTheStopSound)
{
    const struct {
        const char *number, *base;
        std::string text;
    } rows[] = {
        {"1", "1", kBase + "1"},  // the defaults: 0 / 0
        {"8", "1", kBase + "0 "}, // a division by ln 1 = 0
        {"8", "0", kBase + "0 "},
        {"8", "-2", kBase + "-2"},
    };
    EXPECT_EQ(logarithm("8", "2"), "3");
    for (const auto& row : rows) {
        host_.presenter.shown.clear();
        host_.journal.clear();
        EXPECT_EQ(logarithm(row.number, row.base), "") << row.base;
        EXPECT_EQ(groupHint(), "Log числа 8 по основанию 2 равен: 3") << "the hint stays";
        expectShown(host_.presenter, 1, Shown::Kind::Information, row.text);
        EXPECT_EQ(host_.journal.front(), "sound:criticalStop");
    }
}

TEST_F(Form10Test, BalloonChosenInTheSettingsCountsAtTheNextPress)
{
    logarithm("8", "0");
    ASSERT_EQ(host_.presenter.shown.size(), 1u);
    EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::Information);
    useBalloons();
    host_.journal.clear();
    logarithm("8", "0");
    expectShown(host_.presenter, 2, Shown::Kind::Balloon, kBase + "0");
    EXPECT_TRUE(host_.journal.size() == 1) << "a balloon comes without a sound";
    logarithm("8", "-2");
    EXPECT_EQ(host_.presenter.shown.back().text, kBase + "-2");
}

TEST_F(Form10Test, TextThatIsNotANumberGoesToTheGeneralErrorBox)
{
    EXPECT_EQ(logarithm("8", "2"), "3");
    EXPECT_EQ(logarithm("8", ""), "") << "the label was emptied first";
    expectShown(host_.presenter, 1, Shown::Kind::GeneralError, "'' is not a valid floating point value.");
}

TEST_F(Form10Test, FactorialDigitsAndHint)
{
    EXPECT_EQ(factorial("0"), "1");
    EXPECT_EQ(factorial("1"), "1");
    EXPECT_EQ(factorial("20"), "2432902008176640000");
    EXPECT_EQ(digits()->toolTip().toStdString(), "2432902008176640000");
    const std::string f100 = factorial("100");
    EXPECT_EQ(f100.size(), 158u);
    EXPECT_EQ(digits()->toolTip().toStdString(), f100.substr(0, 80) + "\n" + f100.substr(80));
    EXPECT_EQ(digits()->firstVisible(), 0) << "the digits are shown from the first";
    const std::string f1000 = factorial("1000");
    EXPECT_EQ(f1000, calc::factorialText(1000)) << "the field holds every digit";
    EXPECT_NE(digits()->toolTip().indexOf("…\nВсего цифр: 2568"), -1);
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form10Test, FactorialAboveTheLimitIsRefusedWithAMessage)
{
    factorial("20");
    const std::string above = std::to_string(calc::kFactorialLimit + 1);
    EXPECT_EQ(factorial(above.c_str()), "2432902008176640000") << "the answer stays";
    expectShown(host_.presenter, 1, Shown::Kind::Information, "Факториал вычисляется для чисел не больше 1000000");
    factorial("2147483648");
    expectShown(host_.presenter, 2, Shown::Kind::GeneralError, "'2147483648' is not a valid integer value.");
}

TEST_F(Form10Test, LongFactorialShowsItsProgressAndStaysResponsive)
{
    edit("Edit3")->setText(QString::number(calc::kFactorialLimit));
    control<QPushButton>(form, "BitBtn1")->click();
    ASSERT_TRUE(form.computing());
    auto* bar = control<QProgressBar>(form, "ProgressBar1");
    auto* cancel = control<QPushButton>(form, "Button2");
    // Every value the bar takes, however briefly (the last steps and the end
    // may be handled in one pass of the event loop).
    int most = 0;
    QObject::connect(bar, &QProgressBar::valueChanged, bar, [&most](int value) { most = std::max(most, value); });
    EXPECT_FALSE(bar->isVisible()) << "nothing flashes for a short one";
    ASSERT_TRUE(waitUntil([&] { return bar->isVisible() || !form.computing(); }));
    const bool busyShown = form.computing();
    if (busyShown) {
        EXPECT_TRUE(cancel->isVisible());
        EXPECT_FALSE(control<QPushButton>(form, "BitBtn1")->isEnabled());
        EXPECT_EQ(logarithm("8", "2"), "3") << "the logarithm works meanwhile";
    }
    ASSERT_TRUE(waitUntil([&] { return !form.computing(); }));
    if (busyShown) {
        EXPECT_GT(most, 0) << "the bar moves";
    }
    processEvents();
    EXPECT_EQ(digits()->text().size(), 5565709);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(cancel->isVisible());
    EXPECT_TRUE(control<QPushButton>(form, "BitBtn1")->isEnabled());
}

TEST_F(Form10Test, CancellingLeavesTheWindowUsableWithNoResultWritten)
{
    factorial("5");
    edit("Edit3")->setText(QString::number(calc::kFactorialLimit));
    control<QPushButton>(form, "BitBtn1")->click();
    ASSERT_TRUE(form.computing());
    form.Button2Click();
    EXPECT_FALSE(form.computing());
    processEvents();
    EXPECT_EQ(digits()->text(), "120");
    EXPECT_EQ(digits()->toolTip(), "120");
    EXPECT_FALSE(control<QPushButton>(form, "Button2")->isVisible());
    EXPECT_TRUE(host_.presenter.shown.empty());
    EXPECT_EQ(factorial("6"), "720") << "the next factorial runs as usual";
}

TEST_F(Form10Test, ClosingTheWindowCancelsARunningFactorial)
{
    edit("Edit3")->setText(QString::number(calc::kFactorialLimit));
    control<QPushButton>(form, "BitBtn1")->click();
    form.close();
    EXPECT_FALSE(form.computing());
    processEvents();
    EXPECT_EQ(digits()->text(), "");
}

TEST_F(Form10Test, NumberFieldsTakeDigitsOnlyTheBaseAnything)
{
    for (const char* name : {"Edit2", "Edit3"}) {
        QLineEdit* field = edit(name);
        field->clear();
        host_.journal.clear();
        typeText(field, QStringLiteral("1a,2-ж3"));
        EXPECT_EQ(field->text(), "123") << name;
        EXPECT_EQ(host_.journal, std::vector<std::string>(4, "sound:exclamation")) << name;
    }
    QLineEdit* base = edit("Edit1");
    base->clear();
    typeText(base, QStringLiteral("-0,5"));
    EXPECT_EQ(base->text(), "-0,5");
}

TEST_F(Form10Test, AnswerFieldTakesTheWindowColourOnActivation)
{
    QPalette colours = form.palette();
    colours.setColor(QPalette::Window, QColor(200, 10, 10));
    form.setPalette(colours);
    form.hide();
    form.show();
    processEvents();
    EXPECT_EQ(digits()->palette().color(QPalette::Base), QColor(200, 10, 10));
}

TEST_F(Form10Test, PlaceIsReadAtCreationAndWrittenOnClose)
{
    expectPlaceKept(form, path("Вычислица.ini"), ini::kPlaceForm10,
                    [&] { return std::make_unique<TForm10>(host_.host(), DataFolder{folder()}); });
}

} // namespace
} // namespace vy::test
