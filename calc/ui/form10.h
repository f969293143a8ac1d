#pragma once
// "Логарифм": the logarithm of a number to any base, and the exact factorial
// of a whole number. The factorial runs on a worker (JobRunner): a progress
// bar and "Отмена" appear when it takes a while, the window stays responsive,
// and N above the limit of calc/factorial.h is refused with a message. The
// digits go into a field that holds them all and shows what fits; its hint
// gives the first lines of them.
#include "core/jobrunner.h"
#include "platform/qt/busylook.h"
#include "platform/qt/toolwindow.h"

#include <QTimer>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vy {

class LongNumberField;

class TForm10 : public ToolWindow {
    Q_OBJECT
public:
    TForm10(platform::Host host, DataFolder data, QWidget* parent = nullptr);
    ~TForm10() override;

    void Button1Click(); // "=" of the logarithm
    void BitBtn1Click(); // "=" of the factorial: starts it
    void Button2Click(); // "Отмена": abandons a running factorial
    bool computing() const { return runner_.active(); }

    // How long a factorial runs before its progress bar and "Отмена" appear.
    static constexpr int kBusyDelayMs = 150;

protected:
    void FormActivate() override;
    void FormClose() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void setBusy(bool busy);

    JobRunner runner_;
    std::optional<platform::BusyLook> busy_; // controls, bar and cancel while a job runs
    QTimer busyDelay_;

    QLabel* Label2 = nullptr;             // "Log"
    QLineEdit* Edit1 = nullptr;           // the base, low beside "Log"
    QLineEdit* Edit2 = nullptr;           // the number
    QPushButton* Button1 = nullptr;       // "=" of the logarithm
    QGroupBox* GroupBox1 = nullptr;       // "Ответ : "
    QLabel* Label1 = nullptr;             // the logarithm
    LongNumberField* Edit4 = nullptr;     // the factorial's digits
    QLabel* Label4 = nullptr;             // "Факториал"
    QLineEdit* Edit3 = nullptr;           // N
    QPushButton* BitBtn1 = nullptr;       // "=" of the factorial
    QProgressBar* ProgressBar1 = nullptr; // how far a running factorial has got
    QPushButton* Button2 = nullptr;       // "Отмена"
};

} // namespace vy
