#pragma once
// "Вычисление интегралов": the definite integral of a formula between two
// limits by rectangles, trapezoids or Simpson's rule. It computes on this
// thread; the refinement's point cap keeps every press short.
#include "core/datafolder.h"
#include "platform/host.h"

#include <QWidget>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vy {

class TForm23 : public QWidget {
    Q_OBJECT
public:
    TForm23(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    void BitBtn1Click(); // "Вычислить"

    int method() const { return method_; }
    double eps() const { return eps_; }
    int decimals() const { return decimals_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void FormActivate();
    void ComboBox1Change();

    platform::Host host_;
    DataFolder data_;
    int method_ = 1;
    double eps_ = 0.0001;
    int decimals_ = 4;

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox1 = nullptr;
};

} // namespace vy
