#pragma once
// "Системы счисления": a whole number converted between decimal, binary and
// hexadecimal notation, and a unit converter that shows an amount of one unit
// in every unit of its family (calc/numbersystems.h, calc/units.h).
#include "calc/units.h"
#include "platform/qt/toolwindow.h"

#include <QPointer>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;

namespace vy {

class TUpDown;

class TForm24 : public ToolWindow {
    Q_OBJECT
public:
    // colourSource is the window whose colour this one takes each time it
    // becomes active (the main window); none keeps the designed colour.
    TForm24(platform::Host host, DataFolder data, const QWidget* colourSource = nullptr, QWidget* parent = nullptr);

    // "Перевести": the number of Edit1 from the checked source notation into
    // the checked target notation. A text that does not fit the notation ends it
    // in the general error box and leaves the answer as it was.
    void Button1Click();

    // The unit of the selected line of ListBox1, if a line is selected.
    std::optional<units::UnitId> sourceUnit() const;

protected:
    void FormActivate() override;

private:
    void buildControls();
    void FormCreate();
    void TabControl1Change();
    void ListBox1Click();
    void Edit2Change();

    const units::Registry& registry_;
    QPointer<const QWidget> colourSource_;

    QLabel* Label2 = nullptr;         // heading
    QLineEdit* Edit1 = nullptr;       // the number to convert
    QPushButton* Button1 = nullptr;   // "Перевести"
    QGroupBox* GroupBox1 = nullptr;   // "Перевод из"
    QCheckBox* CheckBox1 = nullptr;   // decimal
    QCheckBox* CheckBox2 = nullptr;   // binary
    QCheckBox* CheckBox3 = nullptr;   // hexadecimal
    QGroupBox* GroupBox2 = nullptr;   // "Перевод в"
    QCheckBox* CheckBox4 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QButtonGroup* sourceGroup_ = nullptr; // each group of three acts as radio buttons
    QButtonGroup* targetGroup_ = nullptr;
    QLabel* Label1 = nullptr;         // the converted number
    QTabBar* TabControl1 = nullptr;   // one tab per family of units
    QGroupBox* GroupBox4 = nullptr;   // "Перевод из "
    QListWidget* ListBox1 = nullptr;  // the family's units; the selected one is the source
    QLabel* Label3 = nullptr;         // "->"
    QGroupBox* GroupBox3 = nullptr;   // "Количество"
    QLineEdit* Edit2 = nullptr;       // the amount
    TUpDown* UpDown1 = nullptr;       // whole-number arrows on Edit2
    QFrame* Panel1 = nullptr;
    QListWidget* ListBox2 = nullptr;  // the amount in every unit of the family
};

} // namespace vy
