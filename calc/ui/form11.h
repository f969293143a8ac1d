#pragma once
// Powers and roots: a number to any real power, or the root of any real
// degree, chosen by two radio buttons that also change the caption and labels.
// Each press writes two lines to the protocol; the window heads the protocol
// with its own block whenever it becomes active and closes it with an end
// marker when it is closed.
#include "calc/power.h"
#include "platform/qt/toolwindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vy {

class TForm11 : public ToolWindow {
    Q_OBJECT
public:
    TForm11(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    void BitBtn1Click(); // "Считать"

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void buildControls();
    power::Mode mode() const;
    void applyMode(power::Mode mode); // Edite2 (power) and Edite (root)

    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RadioButton1 = nullptr; // "Возвести в степень"
    QRadioButton* RadioButton2 = nullptr; // "Вычислить корень"
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;       // the mode's title
    QLabel* Label3 = nullptr;       // " Число: "
    QLineEdit* Edit1 = nullptr;     // the number
    QLabel* Label4 = nullptr;       // " Степень: " or " Корень: "
    QLineEdit* Edit2 = nullptr;     // the exponent or the root's degree
    QPushButton* BitBtn1 = nullptr; // "Считать"
    QLabel* Label2 = nullptr;       // "Ответ: " and the result
};

} // namespace vy
