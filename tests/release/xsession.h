#pragma once
// A user at a virtual X display, made of synthetic events (XTest): finds the
// program's windows by their titles, clicks at places inside them, types,
// closes a window the way a window manager's close button does, and reads
// back what a window shows. Nothing of the program is reached but its windows.
#include <QImage>
#include <QRect>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace vy::tour {

struct TopWindow {
    unsigned long id = 0;
    QString title;
    QRect geometry; // on the screen
};

class XSession {
public:
    explicit XSession(const QString& display);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool connected() const { return display_ != nullptr; }

    // The mapped top-level windows that have a title, topmost last.
    std::vector<TopWindow> windows();
    // The first window whose title satisfies match, waited for up to timeout.
    std::optional<TopWindow> waitForWindow(const std::function<bool(const QString&)>& match,
                                           std::chrono::milliseconds timeout);
    std::optional<TopWindow> waitForTitle(const QString& title, std::chrono::milliseconds timeout);
    // True once the window is no longer shown.
    bool waitUntilHidden(unsigned long window, std::chrono::milliseconds timeout);
    bool shown(unsigned long window);
    // Where the window is on the screen now, and its size.
    QRect geometry(unsigned long window);
    // Waits for a menu that was not there before; true when one is shown.
    bool waitForMenu(const std::vector<unsigned long>& before, std::chrono::milliseconds timeout);
    // The menus shown now.
    std::vector<unsigned long> menus();
    // Every mapped top-level window, menus and hints included, one line each
    // (id, title, geometry): what a failed wait reports.
    std::string describe();
    unsigned long root() const;

    // A left click at (x, y) inside the window.
    void click(unsigned long window, int x, int y);
    // A click in a text field, its text selected and replaced by text (ASCII).
    void replaceText(unsigned long window, int x, int y, const std::string& text);
    void type(const std::string& text);
    // One key by its X name ("Return", "Down", "End", "Escape"), with Control when asked.
    void key(const char* name, bool control = false);
    // Asks the window to close, as the close button of its frame would.
    void close(unsigned long window);

    // What the window shows in rect (window coordinates), or the whole window.
    QImage grab(unsigned long window, std::optional<QRect> rect = std::nullopt);
    // Waits until what the window shows in rect differs from before.
    bool waitForChange(unsigned long window, QRect rect, const QImage& before, std::chrono::milliseconds timeout);

private:
    struct Mapped {
        TopWindow window;
        bool popup = false; // placed without the window manager
        bool menu = false;
    };
    // The mapped children of the root window, bottom first.
    std::vector<Mapped> mapped();
    void pressKeysym(unsigned long keysym, bool shift);
    void pause(int ms = 15);

    _XDisplay* display_ = nullptr;
};

} // namespace vy::tour
