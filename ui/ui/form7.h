#pragma once
// "Справка": how to write expressions, with a fraction and a power drawn from
// two labels each; "Ещё" starts the help viewer on the page for expressions.
#include "platform/qt/toolwindow.h"

#include <QPointer>

class QGroupBox;
class QLabel;
class QPushButton;

namespace vy {

class TForm7 : public ToolWindow {
    Q_OBJECT
public:
    // colourFrom is the window whose colour this one takes when shown (the
    // main window).
    TForm7(platform::Host host, DataFolder data, QWidget* colourFrom = nullptr, QWidget* parent = nullptr);

    // The page of the help that "Ещё" opens in the help viewer.
    static constexpr const char* kPage = "Мат выражение.htm";

    void BitBtn1Click(); // "Ещё"

protected:
    void FormActivate() override;

private:
    void buildControls();

    QPointer<QWidget> colourFrom_;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};

} // namespace vy
