#pragma once
// "Таблицы": a small menu window that opens the reference tables (four
// pictures and the table of powers), with the word "ТАБЛИЦЫ" burning on it.
//
// The fire is painted by one loop per open window, on a worker thread: it
// computes a frame (calc/tables.h), paints the burning cells red into its own
// picture and hands a copy to the window, which only shows it. The loop starts
// when the window is shown, keeps running while a table opened from it is in
// front, and is stopped and joined when the window closes.
#include "calc/tables.h"
#include "core/jobrunner.h"
#include "platform/qt/toolwindow.h"

#include <QImage>
#include <atomic>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace vy {

class FirePicture;

class TForm12 : public ToolWindow {
    Q_OBJECT
public:
    // windows finds the tables by class name ("TForm13") when they are opened:
    // they are made after this window.
    using WindowFinder = std::function<QWidget*(const char* name)>;
    TForm12(platform::Host host, DataFolder data, WindowFinder windows = {}, QWidget* parent = nullptr);
    ~TForm12() override;

    void N2Click();           // "Сокращенное умножение"
    void sincostgctg1Click(); // "Талица sin cos tg ctg"
    void N5Click();           // "Знаки sin cos tg ctg"
    void N6Click();           // "Логарифмы"
    void N7Click();           // "Таблица степеней любого числа"
    void N4Click();           // "Выход"

    // Repaints the window: the red the fire has left where it no longer
    // burns is wiped. The picture tables ask for it when they close.
    void wipe();

    // A painting loop is running.
    bool burning() const { return painter_.active(); }
    // What Image1 shows now.
    QImage picture() const;

    // The picture the fire is painted into, larger than the client area.
    static constexpr int kPictureWidth = 270;
    static constexpr int kPictureHeight = 90;

protected:
    void FormActivate() override;
    void FormClose() override;

private:
    void buildControls();
    // Shows one of the tables modally; it hands the user back to this window.
    void openTable(const char* name);
    // The painting loop: frames until the window closes.
    void paintLoop(JobControl& control, std::uint32_t seed);
    void showFrame(std::uint64_t generation, QImage frame);

    WindowFinder windows_;
    calc::OneBitPicture logo_;
    std::atomic<std::uint64_t> generation_{0}; // counts the wipes
    std::atomic<bool> framePending_{false};    // a frame is on its way to the window

    QMenuBar* MainMenu1 = nullptr;
    QMenu* N1 = nullptr; // "Таблицы"
    QAction* N2 = nullptr;
    QAction* sincostgctg1 = nullptr;
    QAction* N5 = nullptr;
    QAction* N6 = nullptr;
    QAction* N7 = nullptr;
    QAction* N3 = nullptr; // blank, disabled: puts "Выход" at the right
    QAction* N4 = nullptr;
    FirePicture* Image1 = nullptr;

    // Last, so that the loop is stopped before anything it uses goes.
    JobRunner painter_;
};

} // namespace vy
