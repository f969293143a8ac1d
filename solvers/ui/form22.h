#pragma once
// "Решение уравнений": roots of f(x) = 0 by one of four methods. The search runs
// on a worker thread (SearchRunner); its output reaches the window as queued
// calls on this thread, and the window pauses, resumes and cancels it.
#include "platform/qt/toolwindow.h"
#include "solvers/searchrunner.h"
#include "solvers/ui/searchdialogs.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vy {

class TForm22 : public ToolWindow {
    Q_OBJECT
public:
    // dialogs shows the search's message boxes; by default real, non-blocking ones.
    TForm22(platform::Host host, DataFolder data, std::unique_ptr<SearchDialogs> dialogs = {},
            QWidget* parent = nullptr);
    ~TForm22() override;

    enum class State { Idle, Running, Paused };
    State state() const;

    void BitBtn1Click(); // "Решить"
    void BitBtn2Click(); // "Отмена", also when the window closes
    void BitBtn3Click(); // "Пауза" / "Возобновить"

protected:
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void CheckBox1Click();

    class View;
    // The search's output, on this thread.
    void applyUpdate(const SearchUpdate& update);
    void showDialog(const SearchDialog& dialog, std::function<void(DialogReply)> reply);
    void searchFinished(const std::string& failure);

    void setBusyCursors(bool busy);
    void setIdle();
    void showPauseGlyph(bool pause);

    std::unique_ptr<SearchDialogs> dialogs_;
    std::unique_ptr<View> view_;
    std::unique_ptr<SearchRunner> runner_;
    bool cancelled_ = false;
    bool paused_ = false;
    SearchProgress progress_{100, 100};

    QLabel* Label6 = nullptr;             // "Уравнение"
    QLineEdit* Edit1 = nullptr;           // the equation f(x)
    QLabel* Label4 = nullptr;             // "=0"
    QGroupBox* GroupBox1 = nullptr;       // "Настройки"
    QLabel* Label2 = nullptr;             // "от"
    QLabel* Label3 = nullptr;             // "до"
    QLineEdit* Edit2 = nullptr;           // lower bound of the search
    QLineEdit* Edit3 = nullptr;           // upper bound of the search
    QLabel* Label5 = nullptr;             // "Точность"
    QComboBox* ComboBox1 = nullptr;       // scanning step (precision)
    QCheckBox* CheckBox1 = nullptr;       // trigonometric equation
    QLabel* Label7 = nullptr;             // explanation of the control under the mouse
    QRadioButton* RadioButton1 = nullptr; // scanning
    QRadioButton* RadioButton2 = nullptr; // bisection ("вилка")
    QRadioButton* RadioButton3 = nullptr; // combined method
    QRadioButton* RadioButton4 = nullptr; // Newton's method
    QLabel* Label1 = nullptr;             // the answer
    QProgressBar* ProgressBar1 = nullptr; // how far the search has got
    QPushButton* BitBtn1 = nullptr;       // "Решить"
    QPushButton* BitBtn2 = nullptr;       // "Отмена"
    QPushButton* BitBtn3 = nullptr;       // "Пауза" / "Возобновить"
    QLabel* Image1 = nullptr;             // glyph of "Пауза"
    QLabel* Image2 = nullptr;             // glyph of "Возобновить"
};

} // namespace vy
