#pragma once
// "Графики функций": up to five formulas in x drawn as curves on one chart,
// each in a slot of its own with its own colour per user. The chart zooms with
// its buttons and the mouse wheel, scrolls in tenths of its range and comes
// back, shows a crosshair with the coordinates under the mouse and saves itself
// as a bitmap. A large sampling runs on a worker with a progress bar, so the
// window stays responsive; closing the window cancels it.
#include "core/jobrunner.h"
#include "plot/chartscale.h"
#include "plot/sampling.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/toolwindow.h"

#include <QColor>
#include <QPointer>
#include <exception>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vy {

class Chart;
class TColorBtn;

class TForm25 : public ToolWindow {
    Q_OBJECT
public:
    // colourSource is the window whose colour this one and its chart take each
    // time it becomes active (the main window); none keeps the designed colour.
    TForm25(platform::Host host, DataFolder data, const QWidget* colourSource = nullptr,
            platform::Dialogs& dialogs = platform::qtDialogs(), QWidget* parent = nullptr);
    ~TForm25() override;

    // Samplings of more points than this run on the worker.
    static constexpr std::size_t kWorkerPoints = 100'000;

    // "Начертить": draws the slot chosen in ComboBox2.
    void Button1Click();
    // Draws slot n (1..5) from the fields.
    void PaintGraph(int n);
    // A sampling is running on the worker.
    bool drawing() const { return runner_.active(); }

    const Chart& chart() const { return *Chart1; }
    const ScrollCounters& scrollCounters() const { return counters_; }

protected:
    void FormActivate() override;
    void FormClose() override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // What steps 10 to 12 of a drawing need, taken when it starts.
    struct Drawing {
        int slot = 1;
        QColor color;
        std::string formula, lower, upper;
        int progressMax = 0;
    };

    void buildControls();
    void FormResize();
    void wheelTurned(int angle);
    void FormMouseWheelUp();
    void FormMouseWheelDown();
    void ComboBox2Change();
    void ColorBtn1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void BitBtn9Click();
    void BitBtn10Click();
    void BitBtn11Click();
    void CheckBox3Click();
    void Chart1MouseMove(QPoint pixel);
    void Chart1MouseLeave();
    void Chart1AfterDraw();

    QColor storedColor(int slot, const QColor& fallback) const;
    void scroll(ScrollStep step);
    void samplingEnded(const Drawing& drawing, const SampledCurve& curve, std::exception_ptr failure);
    void finishDrawing(const Drawing& drawing);
    void showReadout(QPoint pixel);
    void setBusy(bool busy);

    QPointer<const QWidget> colourSource_;
    platform::Dialogs& dialogs_;
    JobRunner runner_;
    ScrollCounters counters_;
    QPoint crosshairAt_;
    int wheelAngle_ = 0;

    Chart* Chart1 = nullptr;               // the curves
    QLabel* Label7 = nullptr;              // the coordinates under the mouse, on the chart
    QFrame* Panel1 = nullptr;              // the controls, at the right
    QGroupBox* GroupBox2 = nullptr;        // "График функции : "
    QLabel* Label1 = nullptr;              // "y="
    QLineEdit* Edit1 = nullptr;            // the formula
    QLabel* Label2 = nullptr;              // "X"
    QLabel* Image1 = nullptr;              // the sign "belongs to"
    QLabel* Label3 = nullptr;              // "["
    QLineEdit* Edit2 = nullptr;            // lower bound
    QLabel* Label4 = nullptr;              // ","
    QLineEdit* Edit3 = nullptr;            // upper bound
    QLabel* Label5 = nullptr;              // "]"
    QComboBox* ComboBox2 = nullptr;        // the slot to draw, "1" .. "5"
    QPushButton* Button1 = nullptr;        // "Начертить"
    QPushButton* BitBtn10 = nullptr;       // help
    QProgressBar* ProgressBar1 = nullptr;  // sampling progress
    QLabel* Label6 = nullptr;              // "Шаг :"
    QComboBox* ComboBox1 = nullptr;        // the step
    QCheckBox* CheckBox1 = nullptr;        // "Отображать точки"
    QCheckBox* CheckBox2 = nullptr;        // "Отображать Легенду"
    QCheckBox* CheckBox3 = nullptr;        // "Проекции на оси координат"
    QPushButton* BitBtn11 = nullptr;       // "Убрать график"
    QComboBox* ComboBox3 = nullptr;        // "все", "1" .. "5"
    QGroupBox* GroupBox1 = nullptr;        // "    Масштаб    "
    QPushButton* BitBtn2 = nullptr;        // "+"
    QPushButton* BitBtn4 = nullptr;        // the original scale
    QPushButton* BitBtn3 = nullptr;        // "-"
    TColorBtn* ColorBtn1 = nullptr;        // "Цвет графика"
    QPushButton* BitBtn1 = nullptr;        // "Сохранить график"
    QGroupBox* GroupBox3 = nullptr;        // "Навигация"
    QPushButton* BitBtn5 = nullptr;        // left
    QPushButton* BitBtn6 = nullptr;        // right
    QPushButton* BitBtn7 = nullptr;        // up
    QPushButton* BitBtn8 = nullptr;        // down
    QPushButton* BitBtn9 = nullptr;        // undo the scrolling
};

} // namespace vy
