#pragma once
// Every window of the program, created once, hidden, in the fixed order: the
// main window first, then TForm2 .. TForm18, TForm21, TForm22, TForm23, TForm19,
// TForm24, TForm25, TForm26. A tool window is handed to the main window, which
// enables the control that opens it. The windows that other windows open (the
// help page TForm7 from the expression window, the tables' pictures TForm13 ..
// TForm16 and powers table TForm18) have a slot of their own too, without a
// control of the main window; their opener finds them with context.window().
//
// Adding a window: give its slot in windowlist.cpp a factory that builds it
// from the WindowContext, and link its area's window library to vy_windowlist
// (app/CMakeLists.txt); nothing else changes. Slots without a factory are
// windows not built yet, and their buttons stay disabled.
#include "app/form1.h"
#include "core/datafolder.h"
#include "platform/host.h"
#include "ui/skins.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vy {

class WindowList;

struct WindowContext {
    platform::Host host;
    DataFolder data;
    TForm1& main;
    const WindowList& list;
    SkinEngine& skins; // the one skin engine of the program

    // Another window by its class name ("TForm7"), or nullptr when it is not
    // built (yet): windows later in the order exist only once all are created,
    // so look them up when they are needed, not in a constructor.
    QWidget* window(const char* name) const;
};

struct WindowSlot {
    const char* name;                 // "TForm22"
    const char* purpose;              // what the window is for, in a few words
    std::optional<TForm1::Tool> tool; // the main window's control that opens it, if any
    std::function<std::unique_ptr<QWidget>(WindowContext&)> create; // empty: not built yet
    // Runs before each showing (the about and calendar windows colour themselves).
    std::function<void(QWidget&, WindowContext&)> beforeShow;
};

// The slots in creation order (the main window is not among them).
const std::vector<WindowSlot>& windowSlots();

class WindowList {
public:
    WindowList(platform::Host host, DataFolder data);
    // Tool windows go first, the main window last, so that a tool never
    // outlives the main window it refers to.
    ~WindowList();

    TForm1& main() { return *main_; }
    SkinEngine& skins() { return *skins_; }
    QWidget* window(const char* name) const;

private:
    // Made first and ended last: every window is skinned and faded by it.
    std::unique_ptr<SkinEngine> skins_;
    std::unique_ptr<TForm1> main_;
    std::unique_ptr<WindowContext> context_;
    std::vector<std::pair<const char*, std::unique_ptr<QWidget>>> tools_;
};

} // namespace vy
