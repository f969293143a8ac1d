#pragma once
// "О программе": a borderless window shaped like its picture, with the version
// line and what the program knows of the computer: processor, its clock, the
// operating system, the user and the memory. The clock is measured once, on a
// worker, about five seconds after the program starts, and kept in the
// settings file from then on.
#include "core/jobrunner.h"
#include "ui/shapedwindow.h"

#include <functional>
#include <optional>

class QLabel;
class QTimer;
class QToolButton;

namespace vy {

class LookButton;

class TForm2 : public ShapedWindow {
    Q_OBJECT
public:
    // Measures the processor clock in MHz on the worker; nullopt when it
    // cannot (no counter, or the job was cancelled meanwhile).
    using ClockMeter = std::function<std::optional<double>(JobControl&)>;
    static constexpr int kClockDelayMs = 5000;

    // meter: the real measurement when empty.
    explicit TForm2(platform::Host host, DataFolder data, ClockMeter meter = {}, QWidget* parent = nullptr);
    ~TForm2() override;

    // Timer1's tick: measures the clock unless a measured value is already shown.
    void CPUspeed();
    bool measuring() const { return runner_.active(); }

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void buildControls();

    ClockMeter meter_;
    JobRunner runner_;

    QLabel* Label1 = nullptr;             // version line
    QLabel* Label2 = nullptr;             // what the program is
    QLabel* Label3 = nullptr;             // the red frame around Image1: top,
    QLabel* Label4 = nullptr;             // bottom,
    QLabel* Label5 = nullptr;             // left,
    QLabel* Label6 = nullptr;             // right
    QLabel* Label7 = nullptr;             // empty
    LookButton* Image1 = nullptr;         // the program's picture; a click closes
    QLabel* Image2 = nullptr;             // the computer's picture
    QLabel* Label8 = nullptr;             // processor clock
    QLabel* Label9 = nullptr;             // operating system
    QLabel* Label10 = nullptr;            // user
    QLabel* Label11 = nullptr;            // memory
    QLabel* Label12 = nullptr;            // processor
    QLabel* Licence = nullptr;            // the program's licence
    QToolButton* sSpeedButton1 = nullptr; // closes
    QTimer* Timer1 = nullptr;             // clock measurement
};

} // namespace vy
