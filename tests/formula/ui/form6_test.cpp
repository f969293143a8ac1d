// The expression window: conversion and evaluation from its buttons, its two
// messages, the keypad typing at the caret and sliding out, its kept place.
#include "formula/ui/form6.h"

#include "core/inifile.h"
#include "tests/support/windowtest.h"
#include "ui/colorbtn.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <string>

namespace vy::test {
namespace {

class Form6Test : public GuiTest {
protected:
    Form6Test() : form(host_.host(), DataFolder{folder()}, [this] { return help.get(); })
    {
        form.show();
        processEvents();
    }

    QLineEdit* edit(const char* name) { return control<QLineEdit>(form, name); }
    std::string text(const char* name) { return edit(name)->text().toStdString(); }
    void press(const char* name) { control<QPushButton>(form, name)->click(); }
    void key(int number) { press(("ColorBtn" + std::to_string(number)).c_str()); }
    void evaluate(const char* expression)
    {
        edit("ExpEdt")->setText(QString::fromUtf8(expression));
        press("EvalBtn");
    }
    bool slide()
    {
        press("BitBtn3");
        return waitUntil([&] { return !form.sliding(); }, 5000);
    }

    std::unique_ptr<QWidget> help;
    TForm6 form;
};

TEST_F(Form6Test, ControlsCarryTheirCaptionsHintsAndDefaults)
{
    EXPECT_EQ(form.windowTitle(), "Мат. выражение");
    EXPECT_EQ(form.size(), QSize(220, 208));
    const Caption rows[] = {
        {"ExpEdt", "((5+7))*((9-3))/5", "Введите математическое выражение"},
        {"ParseBtn", "Преобразовать", "Первичное преобразование"},
        {"ParsedEdt", " ", "Промежуточное значение"},
        {"EvalBtn", "Вычислить", "Вычислить конечный результат"},
        {"ResultEdt", "", "Ответ"},
        {"BitBtn2", "Справка", "Вызов справки"},
        {"BitBtn1", "Закрыть", "Закрыть"},
    };
    expectCaptions(form, rows);
    // The keypad, by button number, lies to the right of the window until it slides out.
    const char* const keys[] = {"1", "2", "3", "0", "4", "5", "6", "7", "8", "9", ",", "С", "+",
                                "-", "*", "/", "cos", "sin", "tan", "cotan", "^", "(", ")", "ln", "="};
    for (int n = 1; n <= TForm6::kKeyCount; ++n) {
        auto* button = control<TColorBtn>(form, ("ColorBtn" + std::to_string(n)).c_str());
        ASSERT_TRUE(button) << n;
        EXPECT_EQ(button->text().toStdString(), keys[n - 1]) << n;
        EXPECT_EQ(button->width(), 25) << n;
        EXPECT_GE(button->x(), form.width()) << n;
        EXPECT_LE(button->geometry().right(), TForm6::kOpenWidth) << n;
        EXPECT_LE(button->geometry().bottom(), form.height()) << n;
    }
}

TEST_F(Form6Test, TheDefaultExpressionShowsItsPostfixFormThenItsValue)
{
    press("ParseBtn");
    EXPECT_EQ(text("ParsedEdt"), "5 7 + 9 3 - * 5 / ");
    EXPECT_EQ(text("ResultEdt"), "");
    press("EvalBtn");
    EXPECT_EQ(text("ParsedEdt"), "5 7 + 9 3 - * 5 / ");
    EXPECT_EQ(text("ResultEdt"), "14,4");
    EXPECT_EQ(form.postfix().size(), 9u);
    EXPECT_TRUE(host_.presenter.shown.empty());

    // Enter in the expression gives the answer too.
    edit("ExpEdt")->setText("2^3^2");
    pressKey(edit("ExpEdt"), Qt::Key_Return);
    EXPECT_EQ(text("ResultEdt"), "64");
}

TEST_F(Form6Test, FailuresShowTheirMessageOnceInAnErrorBox)
{
    struct Row {
        const char* expression;
        const char* message;
        const char* postfix; // left in its field
    };
    const Row rows[] = {
        {"Sin(30)", "Ошибка преобразования выражения!", ""},
        {"2.5", "Ошибка преобразования выражения!", ""},
        {"5+3)", "Ошибка преобразования выражения!", ""},
        {"2*-3", "Ошибка вычисления выражения!", "2 * 3 - "},
        {"2(3)", "Ошибка вычисления выражения!", "2 3 "},
        {"(5+3", "Ошибка вычисления выражения!", "5 3 + ( "},
    };
    for (const Row& row : rows) {
        host_.presenter.shown.clear();
        host_.journal.clear();
        evaluate(row.expression);
        ASSERT_EQ(host_.presenter.shown.size(), 1u) << row.expression;
        const Shown& box = host_.presenter.shown[0];
        EXPECT_EQ(box.kind, Shown::Kind::Box) << row.expression;
        EXPECT_EQ(box.text, row.message) << row.expression;
        EXPECT_EQ(box.caption, "Вычислица") << row.expression;
        EXPECT_EQ(box.icon, Icon::Error) << row.expression;
        EXPECT_EQ(host_.journal.front(), "sound:criticalStop") << row.expression;
        EXPECT_EQ(text("ParsedEdt"), row.postfix) << row.expression;
        EXPECT_EQ(text("ResultEdt"), "") << row.expression;
    }
}

TEST_F(Form6Test, ArithmeticErrorsReachTheGeneralErrorBox)
{
    const std::pair<const char*, const char*> rows[] = {
        {"1/0", "Floating point division by zero."},
        {"ln(-1)", "Invalid floating point operation."},
        {"exp(1000)", "Floating point overflow."},
    };
    for (const auto& [expression, message] : rows) {
        host_.presenter.shown.clear();
        evaluate(expression);
        ASSERT_EQ(host_.presenter.shown.size(), 1u) << expression;
        EXPECT_EQ(host_.presenter.shown[0].kind, Shown::Kind::GeneralError) << expression;
        EXPECT_EQ(host_.presenter.shown[0].text, message) << expression;
        EXPECT_NE(text("ParsedEdt"), "") << expression;
        EXPECT_EQ(text("ResultEdt"), "") << expression;
    }
}

TEST_F(Form6Test, TheKeypadTypesAtTheCaretClearsAndAnswers)
{
    QLineEdit* exp = edit("ExpEdt");
    exp->setText("2+");
    exp->setCursorPosition(2);
    key(18); // "sin"
    EXPECT_EQ(text("ExpEdt"), "2+sin()");
    EXPECT_EQ(exp->cursorPosition(), 6) << "between the brackets";
    EXPECT_TRUE(exp->hasFocus());
    key(3);
    key(4); // "3", "0"
    EXPECT_EQ(text("ExpEdt"), "2+sin(30)");

    // In the middle of the text, and in place of a selection.
    exp->setCursorPosition(0);
    key(22); // "("
    EXPECT_EQ(text("ExpEdt"), "(2+sin(30)");
    exp->setSelection(1, 1); // the "2"
    key(6);                  // "5"
    EXPECT_EQ(text("ExpEdt"), "(5+sin(30)");
    exp->end(false);
    key(23); // ")"
    key(25); // "="
    EXPECT_EQ(text("ParsedEdt"), "5 30 sin + ");
    EXPECT_EQ(text("ResultEdt"), "5,5");

    key(12); // "С"
    EXPECT_EQ(text("ExpEdt"), "");
    for (int n : {1, 13, 2, 21, 20}) // "1", "+", "2", "^", "cotan"
        key(n);
    EXPECT_EQ(text("ExpEdt"), "1+2^cotan()");
    EXPECT_EQ(exp->cursorPosition(), 10);
}

TEST_F(Form6Test, TheKeypadSlidesOutAndBack)
{
    ASSERT_TRUE(slide());
    EXPECT_EQ(form.width(), TForm6::kOpenWidth);
    EXPECT_EQ(form.height(), 208);
    EXPECT_TRUE(control<TColorBtn>(form, "ColorBtn20")->isVisibleTo(&form));
    ASSERT_TRUE(slide());
    EXPECT_EQ(form.width(), TForm6::kClosedWidth);

    // A press while it moves leaves it moving the same way.
    press("BitBtn3");
    ASSERT_TRUE(waitUntil([&] { return form.width() > TForm6::kClosedWidth; }, 5000));
    press("BitBtn3");
    ASSERT_TRUE(waitUntil([&] { return !form.sliding(); }, 5000));
    EXPECT_EQ(form.width(), TForm6::kOpenWidth);
}

TEST_F(Form6Test, ThePlaceAndTheKeypadAreKeptInSectionMat)
{
    ASSERT_TRUE(slide());
    form.move(140, 120);
    const QPoint place = form.pos();
    form.close();
    {
        const IniFile ini(path("Вычислица.ini"));
        EXPECT_EQ(ini.readInteger("мат", "left", -1), place.x());
        EXPECT_EQ(ini.readInteger("мат", "top", -1), place.y());
        EXPECT_EQ(ini.readInteger("мат", "width", -1), TForm6::kOpenWidth);
        EXPECT_EQ(ini.readInteger("мат", "height", -1), 208);
    }
    TForm6 again(host_.host(), DataFolder{folder()});
    EXPECT_EQ(again.pos(), place);
    EXPECT_EQ(again.width(), TForm6::kOpenWidth);

    // A width between the two ends goes to the nearer one.
    for (const auto& [stored, expected] : {std::pair{250, TForm6::kClosedWidth}, std::pair{300, TForm6::kOpenWidth}}) {
        IniFile(path("Вычислица.ini")).writeInteger("мат", "width", stored);
        TForm6 snapped(host_.host(), DataFolder{folder()});
        EXPECT_EQ(snapped.width(), expected) << stored;
    }

    // Closed while it moves, the window keeps the width it was going to.
    again.show();
    control<QPushButton>(again, "BitBtn3")->click();
    ASSERT_TRUE(waitUntil([&] { return again.width() < TForm6::kOpenWidth; }, 5000));
    again.close();
    EXPECT_FALSE(again.sliding());
    EXPECT_EQ(again.width(), TForm6::kClosedWidth);
    EXPECT_EQ(IniFile(path("Вычислица.ini")).readInteger("мат", "width", -1), TForm6::kClosedWidth);
}

TEST_F(Form6Test, ClosingEmptiesTheResultFieldsToABlank)
{
    press("EvalBtn");
    press("BitBtn1");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(text("ParsedEdt"), " ");
    EXPECT_EQ(text("ResultEdt"), " ");
    EXPECT_EQ(text("ExpEdt"), "((5+7))*((9-3))/5") << "the expression stays";
}

TEST_F(Form6Test, HelpOpensTheHelpWindowModally)
{
    press("BitBtn2"); // no help window: nothing happens
    help = std::make_unique<QWidget>();
    bool wasModal = false;
    QTimer::singleShot(0, help.get(), [&] {
        wasModal = help->isVisible() && help->isModal();
        help->close();
    });
    press("BitBtn2"); // returns once the help is closed
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(help->isVisible());
}

} // namespace
} // namespace vy::test
