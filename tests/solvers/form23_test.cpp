#include "solvers/ui/form23.h"

#include "tests/solvers/formtest.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace vy::test {
namespace {

class Form23Test : public GuiTest {
protected:
    Form23Test() : form(host_.host(), DataFolder{folder()})
    {
        form.show();
        processEvents();
    }

    QLineEdit* edit(const char* name) { return control<QLineEdit>(form, name); }
    QComboBox* precision() { return control<QComboBox>(form, "ComboBox1"); }
    std::string result() { return control<QLabel>(form, "Label1")->text().toStdString(); }
    // Presses "Вычислить" and lets the event loop run until the integral has ended.
    std::string compute()
    {
        control<QPushButton>(form, "BitBtn1")->click();
        EXPECT_TRUE(waitUntil([&] { return !form.computing(); }));
        return result();
    }

    TForm23 form;
};

TEST_F(Form23Test, ControlsCarryTheirCaptionsHintsAndDefaults)
{
    EXPECT_EQ(form.windowTitle(), "Вычисление интегралов");
    const Caption rows[] = {
        {"Edit2", "1", "Введите верхний предел интегрирования"},
        {"Edit1", "x", "Введите интегрируемую функцию (F(x))"},
        {"Edit3", "0", "Введите нижний предел интегрирования"},
        {"Label2", "dx =", ""},
        {"Label1", "", ""},
        {"BitBtn1", "Вычислить", "Вычислить интеграл"},
        {"RadioButton1", "Прямоугольников", "Метод Прямоугольников - среняя скорость, средняя точность"},
        {"RadioButton2", "Трапеции", "Метод Трапеций - средняя скорость, вясокая точность"},
        {"RadioButton3", "Симпсона", "Метод Симпсона - высокая скорость, высокая точность"},
        {"Label3", "Точность: ", ""},
    };
    expectCaptions(form, rows);
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox1")->title(), "Вычислить по методу :");
    EXPECT_TRUE(control<QRadioButton>(form, "RadioButton1")->isChecked());
    EXPECT_EQ(itemsOf(*precision()), QStringList({"0,01", "0,001", "0,0001", "0,00001", "0,000001", "0,0000001"}));
    EXPECT_EQ(precision()->currentIndex(), 2);
}

TEST_F(Form23Test, DefaultsGiveOneHalfInAnEightCharacterField)
{
    EXPECT_EQ(compute(), "  0.5000");
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form23Test, MethodAndPrecisionAreTheChosenOnes)
{
    control<QRadioButton>(form, "RadioButton3")->setChecked(true);
    EXPECT_EQ(form.method(), 3);
    precision()->setCurrentIndex(1);
    EXPECT_EQ(form.eps(), 0.001);
    EXPECT_EQ(form.decimals(), 3);
    edit("Edit2")->setText("1,5707963");
    edit("Edit1")->setText("sin(x)");
    EXPECT_EQ(compute(), "   1.002"); // Simpson's first pass, within 15 eps of 1
    control<QRadioButton>(form, "RadioButton2")->setChecked(true);
    EXPECT_EQ(form.method(), 2);
    EXPECT_EQ(compute(), "   0.999"); // trapezoids approach from below
}

TEST_F(Form23Test, ReversedLimitsAreExplainedOnThreeLines)
{
    edit("Edit2")->setText("0");
    edit("Edit3")->setText("1");
    EXPECT_EQ(compute(), "Нижний предел\nне может быть\nбольше верхнего");
}

TEST_F(Form23Test, CapAndUndefinedPointsEndWithTheirTexts)
{
    edit("Edit1")->setText("100000000000000000000*x*x");
    precision()->setCurrentIndex(5);
    EXPECT_EQ(compute(), "Точность не достигнута:\nслишком много точек");
    edit("Edit1")->setText("ln(x-0,5)");
    EXPECT_EQ(compute(), "Функция не вычисляется\nпри x=0,5");
}

TEST_F(Form23Test, WindowStaysResponsiveWhileAnIntegralRunsToItsCap)
{
    edit("Edit1")->setText("100000000000000000000*x*x");
    precision()->setCurrentIndex(5);
    auto* bar = control<QProgressBar>(form, "ProgressBar1");
    auto* button = control<QPushButton>(form, "BitBtn1");
    button->click();
    ASSERT_TRUE(form.computing());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(bar->isVisible());
    // An event queued now is handled while the integral is still being computed.
    bool handled = false;
    bool stillComputing = false;
    QTimer::singleShot(0, &form, [&] {
        handled = true;
        stillComputing = form.computing();
    });
    ASSERT_TRUE(waitUntil([&] { return handled; }));
    EXPECT_TRUE(stillComputing);
    ASSERT_TRUE(waitUntil([&] { return !form.computing(); }));
    EXPECT_EQ(result(), "Точность не достигнута:\nслишком много точек");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(Form23Test, ClosingTheWindowCancelsARunningIntegral)
{
    edit("Edit1")->setText("100000000000000000000*x*x");
    precision()->setCurrentIndex(5);
    control<QPushButton>(form, "BitBtn1")->click();
    ASSERT_TRUE(form.computing());
    form.close();
    EXPECT_FALSE(form.computing());
    processEvents();
    EXPECT_EQ(result(), "") << "a cancelled integral writes nothing";
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(Form23Test, EveryTextOfTheResultLabelFitsIt)
{
    auto* label = control<QLabel>(form, "Label1");
    const auto fits = [&] {
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split('\n');
        for (const QString& line : lines)
            if (metrics.horizontalAdvance(line) > label->contentsRect().width())
                return false;
        return metrics.height() * lines.size() <= label->contentsRect().height();
    };
    const struct {
        const char* formula;
        const char* upper;
        const char* lower;
    } rows[] = {
        {"x", "1", "0"},                          // the estimate
        {"x", "0", "1"},                          // the limits the wrong way round
        {"100000000000000000000*x*x", "1", "0"}, // the cap
        // a point where it cannot be evaluated, with fifteen digits and an exponent
        {"ln(x)", "-1,23456789012345E-5", "-1,23456789012347E-5"},
    };
    precision()->setCurrentIndex(5);
    for (const auto& row : rows) {
        edit("Edit1")->setText(row.formula);
        edit("Edit2")->setText(row.upper);
        edit("Edit3")->setText(row.lower);
        compute();
        EXPECT_TRUE(fits()) << result();
    }
}

TEST_F(Form23Test, LimitThatIsNotANumberGoesToTheGeneralErrorBox)
{
    EXPECT_EQ(compute(), "  0.5000");
    for (const char* text : {"", "-", "1,,2"}) {
        host_.presenter.shown.clear();
        edit("Edit2")->setText(text);
        EXPECT_EQ(compute(), "  0.5000") << "the label keeps its text";
        ASSERT_EQ(host_.presenter.shown.size(), 1u);
        EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::GeneralError);
        EXPECT_EQ(host_.presenter.shown[0].text, std::string("'") + text + "' is not a valid floating point value.");
    }
}

TEST_F(Form23Test, LimitFieldsTakeOnlySignedDecimals)
{
    for (const char* name : {"Edit2", "Edit3"}) {
        QLineEdit* field = edit(name);
        field->clear();
        host_.journal.clear();
        typeText(field, QStringLiteral("-1б5ю2.a7"));
        pressKey(field, Qt::Key_Return);
        pressKey(field, Qt::Key_Left); // no text: moves the cursor without a sound
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        QCoreApplication::sendEvent(field, &backspace);
        EXPECT_EQ(field->text(), "-1,5,7") << name;
        EXPECT_EQ(host_.journal, std::vector<std::string>(3, "sound:exclamation")) << name;
    }
}

TEST_F(Form23Test, PrecisionIsTakenWhenTheWindowBecomesActive)
{
    precision()->blockSignals(true);
    precision()->setCurrentIndex(0);
    precision()->blockSignals(false);
    EXPECT_EQ(form.decimals(), 4);
    form.hide();
    form.show();
    processEvents();
    EXPECT_EQ(form.decimals(), 2);
    EXPECT_EQ(form.eps(), 0.01);
}

TEST_F(Form23Test, PlaceIsReadAtCreationAndWrittenOnClose)
{
    expectPlaceKept(form, path("Вычислица.ini"), ini::kPlaceForm23,
                    [&] { return std::make_unique<TForm23>(host_.host(), DataFolder{folder()}); });
}

} // namespace
} // namespace vy::test
