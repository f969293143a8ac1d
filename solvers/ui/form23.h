#pragma once
// "Вычисление интегралов": the definite integral of a formula between two
// limits by rectangles, trapezoids or Simpson's rule. The integral runs on a
// worker (JobRunner) with a progress bar, so the window stays responsive while
// the refinement works up to its point cap; closing the window cancels it.
#include "core/jobrunner.h"
#include "platform/qt/busylook.h"
#include "platform/qt/toolwindow.h"

#include <memory>
#include <optional>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vy {

class TForm23 : public ToolWindow {
    Q_OBJECT
public:
    TForm23(platform::Host host, DataFolder data, QWidget* parent = nullptr);
    ~TForm23() override;

    // "Вычислить": starts the integral; the result label gets its text when it ends.
    void BitBtn1Click();
    bool computing() const { return runner_.active(); }

    int method() const { return method_; }
    double eps() const { return eps_; }
    int decimals() const { return decimals_; }

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void buildControls();
    void ComboBox1Change();
    void integralEnded(const std::string* text, std::exception_ptr failure);
    void setBusy(bool busy);

    int method_ = 1;
    double eps_ = 0.0001;
    int decimals_ = 4;
    JobRunner runner_;
    std::optional<platform::BusyLook> busy_;

    QFrame* Panel1 = nullptr;             // the formula with its limits and the result
    QLabel* Image1 = nullptr;             // the integral sign
    QLineEdit* Edit2 = nullptr;           // upper limit
    QLineEdit* Edit1 = nullptr;           // integrand F(x)
    QLineEdit* Edit3 = nullptr;           // lower limit
    QLabel* Label2 = nullptr;             // "dx ="
    QLabel* Label1 = nullptr;             // the result, or why there is none
    QProgressBar* ProgressBar1 = nullptr; // how far a running integral has got
    QPushButton* BitBtn1 = nullptr;       // "Вычислить"
    QGroupBox* GroupBox1 = nullptr;       // the method
    QRadioButton* RadioButton1 = nullptr; // rectangles
    QRadioButton* RadioButton2 = nullptr; // trapezoids
    QRadioButton* RadioButton3 = nullptr; // Simpson's rule
    QLabel* Label3 = nullptr;             // "Точность: "
    QComboBox* ComboBox1 = nullptr;       // precision
};

} // namespace vy
