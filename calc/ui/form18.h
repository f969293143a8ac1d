#pragma once
// The table of powers: the 2nd to the 10th power of the number in Edit1,
// recomputed at every change of the text. Each row is a base, its exponent
// raised as a superscript, and " = " with the value; the rows are laid out
// again after each change, as the base grows or shrinks. The window has no
// caption text and is moved by dragging it anywhere outside the field.
#include "calc/tables.h"
#include "platform/qt/toolwindow.h"

#include <array>

class QLabel;
class QLineEdit;

namespace vy {

class TForm18 : public ToolWindow {
    Q_OBJECT
public:
    TForm18(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    // Every change of Edit1: a number fills the table; anything else (a lone
    // "-" on the way to a negative number) leaves it as it is, and a number
    // whose powers leave the double range ends in the general error box.
    void Edit1Change();

protected:
    void FormActivate() override;

private:
    void buildControls();
    void layoutRows();

    QLabel* Label28 = nullptr; // "Введите число"
    QLineEdit* Edit1 = nullptr;
    // Row k (exponent k + 2): Label(3k+1) the base, Label(3k+2) the exponent,
    // Label(3k+3) the value.
    std::array<QLabel*, calc::kPowerCount> baseLabels_{};
    std::array<QLabel*, calc::kPowerCount> exponentLabels_{};
    std::array<QLabel*, calc::kPowerCount> valueLabels_{};
};

} // namespace vy
