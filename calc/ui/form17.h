#pragma once
// "Вычисление arсsin arccos": arcsine, arccosine, arctangent and
// arccotangent of a number, in degrees. While the window is open its caption
// grows and shrinks a row of dots.
#include "calc/arc.h"
#include "platform/qt/toolwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vy {

class TForm17 : public ToolWindow {
    Q_OBJECT
public:
    TForm17(platform::Host host, DataFolder data, QWidget* parent = nullptr);
    ~TForm17() override;

    // One row's "=".
    void compute(arc::Row row);
    // One step of the caption animation.
    void Timer1Timer();

    int animationStep() const { return counter_; }
    QTimer* timer() const { return Timer1; }

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    struct RowControls {
        QLabel* name;
        QLineEdit* edit;
        QPushButton* button;
        QLabel* answer;
    };
    void buildControls();

    // Steps of the caption animation. The window lives as long as the program,
    // so reopening it carries on where the dots stopped.
    int counter_ = 0;
    RowControls rows_[4]{};
    QTimer* Timer1 = nullptr;
};

} // namespace vy
