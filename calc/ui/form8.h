#pragma once
// "Операции с числами": is a number prime, the greatest common divisor of two
// numbers, and the column of prime factors of a number, for 32-bit whole
// numbers. The searches are bounded by the square root (calc/numberprops.h), so
// every answer is immediate and runs on the window's thread.
#include "platform/qt/toolwindow.h"

#include <initializer_list>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vy {

class TForm8 : public ToolWindow {
    Q_OBJECT
public:
    TForm8(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    void BitBtn1Click(); // "Проверить": the prime test
    void Button1Click(); // "Вычислить НОД"
    void BitBtn2Click(); // "Разложить"

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    // Shows an answer in Label2, centred in its group.
    void showAnswer(const std::string& text);
    // Runs an answer, reporting a negative number (which only pasting can put
    // into a field) at the field that holds it.
    template <class Answer>
    void answerFor(std::initializer_list<QLineEdit*> fields, Answer&& answer);

    QGroupBox* GroupBox1 = nullptr; // the number for the prime test
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QGroupBox* GroupBox3 = nullptr; // the two numbers for the divisor
    QLabel* Label3 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* Button1 = nullptr;
    QGroupBox* GroupBox2 = nullptr; // the one-line answer
    QLabel* Label2 = nullptr;
    QGroupBox* GroupBox4 = nullptr; // the number to factorise
    QLabel* Label5 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QLabel* Label4 = nullptr; // the factor column
};

} // namespace vy
