#pragma once
// "Календарь": a borderless window shaped like a desk calendar, with today's
// date in words above a month calendar, and two picture buttons that close it.
#include "ui/shapedwindow.h"

class QCalendarWidget;
class QLabel;

namespace vy {

class LookButton;

class TForm3 : public ShapedWindow {
    Q_OBJECT
public:
    explicit TForm3(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    // Today in words, centred; today selected in the calendar; the buttons in
    // their normal looks. The main window runs it before showing the window
    // too, so it is public.
    void FormActivate() override;

private:
    void buildControls();
    void showToday();

    QLabel* Label1 = nullptr;                  // the date line
    QCalendarWidget* MonthCalendar1 = nullptr; // this month, today selected
    LookButton* CloseButton1 = nullptr;        // looks Image1 (normal), Image2 (hover), Image3 (pressed)
    LookButton* CloseButton2 = nullptr;        // looks Image5 (normal), Image6 (hover)
};

} // namespace vy
