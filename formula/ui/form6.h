#pragma once
// "Мат. выражение": an arithmetic expression converted to postfix form and
// evaluated (formula/expression.h), with a keypad that slides out to the right
// of the window and types at the caret.
#include "formula/expression.h"
#include "platform/qt/toolwindow.h"

#include <functional>

class QLineEdit;
class QPushButton;
class QTimer;

namespace vy {

class TColorBtn;

class TForm6 : public ToolWindow {
    Q_OBJECT
public:
    // helpWindow finds the help window when "Справка" is pressed: it is made
    // after this one.
    TForm6(platform::Host host, DataFolder data, std::function<QWidget*()> helpWindow = {},
           QWidget* parent = nullptr);

    // The client width with the keypad out of view and fully in view.
    static constexpr int kClosedWidth = 220;
    static constexpr int kOpenWidth = 328;
    static constexpr int kKeyCount = 25;

    void ParseBtnClick(); // "Преобразовать"
    void EvalBtnClick();  // "Вычислить"
    void BitBtn1Click();  // "Закрыть"
    void BitBtn2Click();  // "Справка"
    void BitBtn3Click();  // slides the keypad out or back
    // ColorBtn1Click .. ColorBtn25Click: one handler for the keypad, by number.
    void ColorBtnClick(int number);

    // The postfix form of the last conversion that succeeded.
    const TExpression& postfix() const { return postfix_; }
    // The keypad is moving.
    bool sliding() const;

protected:
    void FormClose() override;

private:
    void buildControls();
    void buildKeypad();
    void restoreWidth();
    // The client width, between the two ends; the slide button's arrow shows
    // which way it goes from an end.
    void setKeypadWidth(int width);
    void Timer1Timer();
    void Timer2Timer();
    void typeAtCaret(const QString& text);

    std::function<QWidget*()> helpWindow_;
    TExpression postfix_;

    QLineEdit* ExpEdt = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* ParseBtn = nullptr;
    QLineEdit* ParsedEdt = nullptr;
    QPushButton* EvalBtn = nullptr;
    QLineEdit* ResultEdt = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    TColorBtn* ColorBtn[kKeyCount + 1] = {}; // ColorBtn[1] .. ColorBtn[25]
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
};

} // namespace vy
