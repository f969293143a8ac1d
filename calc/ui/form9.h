#pragma once
// "Проценты": a percentage of a number, a number increased or decreased by a
// percentage, and the compound percent over three or four elements (two or
// three successive steps, each an increase or a decrease).
#include "calc/percent.h"
#include "platform/qt/toolwindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vy {

class TForm9 : public ToolWindow {
    Q_OBJECT
public:
    TForm9(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    void Button1Click(); // percent of
    void Button2Click(); // increase
    void Button3Click(); // decrease
    void Button4Click(); // compound percent

    const percent::CompoundPercent& compound() const { return compound_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void connectKeys();
    // "3 элемента": the third step off, and the place as it was last stored.
    void FormCreate();
    // "4 элемента": the third step on.
    void FormCreate2();
    // Checking a box of a pair unchecks its partner.
    void pairBoxes(QCheckBox* box, QCheckBox* partner);
    // Enter in the compound fields: on to the next field, or compute in the last.
    void compoundEnter(QLineEdit* field);
    void arrowKey(QLineEdit* field, int key);
    // Focus moves skip a field that cannot take the focus.
    static void focusOn(QLineEdit* field);

    percent::CompoundPercent compound_;

    QLabel* Label4 = nullptr; // "Проценты"
    QLineEdit* Edit1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label10 = nullptr;

    QGroupBox* GroupBox1 = nullptr; // "Сложный процент "
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLabel* Label12 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLabel* Label13 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QLabel* Label14 = nullptr;
    QPushButton* Button4 = nullptr;
    QLabel* Label11 = nullptr; // the compound answer
};

} // namespace vy
