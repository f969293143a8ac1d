#pragma once
// TForm1, the main window: nine quick calculations, the buttons and menus that
// open the tool windows, the title clock, the transparency slider, two animated
// button captions, the fade-in and the shrinking close.
//
// Tool windows. The program's window list (app/windowlist.h) creates every
// window once, hidden, in the fixed order, and hands each tool window to the
// main window with setToolWindow(). Only then is the button or menu item that
// opens it enabled; a tool that has not been handed over keeps its control
// disabled, caption and hint in place. openTool() shows the window modally and
// returns when it is hidden again, which the activation rule
// (platform/qt/activation.h) counts as the main window becoming active again.
#include "core/datafolder.h"
#include "platform/host.h"

#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

namespace vy::platform {
class ActivationRule;
}

namespace vy {

class SkinEngine;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    enum class Tool {
        About,         // TForm2, Button11
        Calendar,      // TForm3, Button12
        Systems34,     // TForm4, N341
        SimplePlot,    // TForm5, N1
        Expression,    // TForm6, BitBtn4
        Numbers,       // TForm8, BitBtn5
        Percentages,   // TForm9, BitBtn6
        Logarithm,     // TForm10, BitBtn7
        Power,         // TForm11, BitBtn8
        Tables,        // TForm12, BitBtn9
        Arc,           // TForm17, BitBtn10
        Matrices,      // TForm21, BitBtn11
        Equations,     // TForm22, BitBtn12
        Integrals,     // TForm23, BitBtn13
        Settings,      // TForm19, sSpeedButton1
        NumberSystems, // TForm24, BitBtn14
        ChartPlot,     // TForm25, N2
        SystemsN,      // TForm26, n5
    };

    // skins: the skin engine the window points at the skin folder, gives the
    // stored skin and lets fade windows; without one the look is Qt's own.
    TForm1(platform::Host host, DataFolder data, SkinEngine* skins = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // beforeShow runs each time just before the window is shown (the about and
    // calendar windows colour themselves there).
    void setToolWindow(Tool tool, QWidget* window, std::function<void()> beforeShow = {});
    bool hasToolWindow(Tool tool) const;
    // Shows the tool modally; returns when it is closed. False when there is none.
    bool openTool(Tool tool);

    // The settings window calls this when it closes: the balloon choice is read
    // again so that a change takes effect at once.
    void UMMymessage();

    // The clock step, and a wait that keeps the windows responsive (for
    // windows that really need to wait).
    void ShowTime();
    void Delay(int milliseconds);

    std::uint8_t balloonFlag() const { return balloon_; }
    std::uint8_t openAnimFlag() const { return openAnim_; }
    std::uint8_t closeAnimFlag() const { return closeAnim_; }
    const std::string& skinName() const { return skin_; }
    const std::string& userSection() const { return user_; }

    // Public for the tests and the window list; the handlers keep their names.
    void FormActivate();
    // The nine "=" buttons, also run by Enter in a row's last field.
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void Button13Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button5Click();
    void BitBtn3Click();
    void Image1Click(); // sSpeedButton1: the settings window
    void Image2Click();
    void ScrollBar1Change(int position);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ToolEntry {
        QWidget* window = nullptr;
        std::function<void()> beforeShow;
    };

    void buildControls();
    QLineEdit* makeField(const char* name, const char* hint);
    QPushButton* makeEquals(const char* name);
    QLabel* makeResult(const char* name);
    static void fitResultSize(QLabel& label);
    void fitToContents();
    void scheduleFit(); // once, after the events now pending
    QPushButton* makeToolButton(const char* name, const char* caption, const char* hint, Tool tool);
    void bindTool(QAbstractButton* button, Tool tool);
    void bindTool(QAction* item, Tool tool);
    void refreshToolControls();
    void popupAt(QMenu* menu, QAbstractButton* button);

    void FormCreate();
    void FormClose();
    void finishClose();
    void FormDestroy();
    void runRow(int row);
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void Timer5Timer();
    bool keyPress(QLineEdit* field, QKeyEvent* key);
    void registerFont();
    void applyTitleFont();
    template <class F> void guarded(F&& handler);

    platform::Host host_;
    DataFolder data_;
    SkinEngine* skins_ = nullptr;
    platform::ActivationRule* activation_ = nullptr;

public:
    // Controls under their designed names (tests find them by object name).
    QLabel* Label13 = nullptr;            // the title "ВЫЧИСЛИЦА"
    QPushButton* Button5 = nullptr;       // "Очистить": empties the results
    QPushButton* Button11 = nullptr;      // "О программе"
    QPushButton* Button12 = nullptr;      // "Календарь"
    QPushButton* BitBtn3 = nullptr;       // exit
    QToolButton* sSpeedButton1 = nullptr; // the settings window
    QLabel* Image2 = nullptr;             // the log picture: starts the log viewer
    QScrollBar* ScrollBar1 = nullptr;     // transparency
    QMenu* PopupMenu1 = nullptr;          // "График": the two plotters
    QMenu* PopupMenu2 = nullptr;          // "Урав-й": the systems of equations
    QAction* N1 = nullptr;                // "Простой график"
    QAction* N2 = nullptr;                // "Сложный график"
    QAction* N341 = nullptr;              // "Система из 3-4 уравнений"
    QAction* n5 = nullptr;                // "Система из n уравнений"
    QTimer* Timer1 = nullptr;             // the clock in the caption, every second
    QTimer* Timer2 = nullptr;             // fade-in, 10 ms steps
    QTimer* Timer3 = nullptr;             // the shrinking close, 20 ms steps
    QTimer* Timer4 = nullptr;             // the "Log"/"Факториал" caption
    QTimer* Timer5 = nullptr;             // the "Урав-й"/"Системы" caption

    int opacity() const { return opacity_; }
    bool fontRegistered() const { return fontId_ >= 0; }

private:
    QLineEdit* edit(const std::string& name) const { return edits.at(name); }
    QLabel* result(const std::string& name) const { return results.at(name); }
    QPushButton* bitBtn(const std::string& name) const { return bitBtns.at(name); }

    std::map<std::string, QLineEdit*> edits;     // the fields "Edit1".."Edit15"
    std::map<std::string, QPushButton*> equals;  // the "=" buttons "Button1", "Button3".."Button13"
    std::map<std::string, QLabel*> results;      // the result labels "Label2".."Label27"
    std::map<std::string, QPushButton*> bitBtns; // the tool buttons "BitBtn1".."BitBtn14" except BitBtn3
    std::string user_;
    std::uint8_t balloon_ = 0;
    std::uint8_t openAnim_ = 1;
    std::uint8_t closeAnim_ = 0;
    std::string skin_;
    int opacity_ = 255;
    double captionStep_ = 0;
    // Close geometry: width, height, left inset, top inset.
    int closeWidth_ = 0, closeHeight_ = 0, closeLeft_ = 0, closeTop_ = 0;
    bool closing_ = false;
    bool closeDone_ = false;
    bool refitPending_ = false;
    QTimer* closeLimit_ = nullptr; // ends the shrink after its longest time
    // Where the window stood when the close took its border away: dropping the
    // frame moves the outer corner onto the client area's, and the place kept
    // for the next start is the framed one.
    std::optional<QPoint> placeBeforeClose_;
    int fontId_ = -1;
    bool fontTried_ = false;
    std::string lastProtocolFailure_;
    std::map<Tool, ToolEntry> tools_;
    std::multimap<Tool, QAbstractButton*> toolButtons_;
    std::multimap<Tool, QAction*> toolItems_;
};

} // namespace vy
