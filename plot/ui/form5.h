#pragma once
// "Графики функций": the graph of y = f(x) for x and y from -10 to 10 on a
// square drawing area, with an optional dotted grid, a legend, a readout of
// the coordinates that follows the mouse along the curve, and a context menu
// that saves the picture (BMP or JPEG), prints it or copies it to the
// clipboard. Graphs accumulate unless "Очищать" is checked.
//
// The drawing area is a raster picture (PaintBox1) so that the readout can
// test the pixel under the mouse; Image1 is the backing copy of the last
// complete drawing, from which the area is restored.
#include "platform/qt/dialogs.h"
#include "platform/qt/toolwindow.h"
#include "plot/simpleplot.h"

#include <QImage>
#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;

namespace vy {

class PaintBox;
class TColorBtn;

class TForm5 : public ToolWindow {
    Q_OBJECT
public:
    // dialogs: the colour, save and print dialogs (Qt's when none is given).
    TForm5(platform::Host host, DataFolder data, std::unique_ptr<platform::Dialogs> dialogs = {},
           QWidget* parent = nullptr);
    ~TForm5() override;

    // "Строить".
    void BitBtn1Click();

    const QImage& area() const;                      // the drawing area as it is now
    const QImage& backing() const { return Image1; } // the last complete drawing
    const QImage& legend() const;
    bool drawn() const { return drawn_; }

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void buildControls();
    void FormCreate();
    void chooseColor(TColorBtn* button);
    void CheckBox3Click();
    void PaintBox1Click();
    void PaintBox1MouseMove(QPoint at);
    void N1Click();
    void N2Click();
    void N3Click();

    // Draws steps on a picture in the window's inks; texts in the font's
    // colour on background.
    void paint(QImage& picture, const std::vector<DrawStep>& steps, const QColor& background) const;
    QColor inkColor(Ink ink) const;
    QColor areaBackground() const;
    void showArea();

    std::unique_ptr<platform::Dialogs> dialogs_;
    bool drawn_ = false;
    QImage Image1;

    QFrame* Panel1 = nullptr;
    PaintBox* PaintBox1 = nullptr;
    QLabel* Label1 = nullptr;       // "y="
    QLineEdit* Edit1 = nullptr;     // the formula
    QCheckBox* CheckBox1 = nullptr; // "Очищать"
    QCheckBox* CheckBox2 = nullptr; // "Координаты"
    QPushButton* BitBtn1 = nullptr; // "Строить"
    QCheckBox* CheckBox3 = nullptr; // "Настройки"
    QGroupBox* GroupBox1 = nullptr; // "Цвета"
    TColorBtn* ColorBtn1 = nullptr; // the curve
    TColorBtn* ColorBtn2 = nullptr; // the axes
    TColorBtn* ColorBtn3 = nullptr; // the grid and the readout
    QGroupBox* GroupBox2 = nullptr; // "Свойства"
    PaintBox* PaintBox2 = nullptr;  // the legend
    QMenu* PopupMenu1 = nullptr;
    QAction* N1 = nullptr; // "Сохранить график"
    QAction* N2 = nullptr; // "Печать графика"
    QAction* N3 = nullptr; // "Копировать в буфер обмена"
};

} // namespace vy
