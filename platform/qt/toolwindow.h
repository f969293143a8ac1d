#pragma once
// The base of every tool window. It does what each of them would otherwise
// repeat: the object name, flags, caption and fixed client size; the window's
// place in the settings file, read when it is created and written when it is
// closed; the activation rule (platform/qt/activation.h) calling FormActivate;
// handlers that run in the error guard; and the one report helper.
//
// A window derives from it, builds its controls with place<>() in its
// constructor, connects them with connectGuarded() and overrides the handlers
// it has. Animations, skins and anything else one window alone needs stay in
// that window.
#include "core/datafolder.h"
#include "core/report.h"
#include "core/settingskeys.h"
#include "platform/host.h"
#include "platform/qt/guard.h"
#include "platform/qt/keyfilter.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace vy::platform {
class ActivationRule;
}

namespace vy {

// A control at its designed spot under its designed name (the name is what
// tests and the settings file know it by).
template <class Control, class... Args>
Control* place(QWidget* parent, const char* name, QRect geometry, Args&&... args)
{
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

namespace detail {
template <class> struct MemberOwner;
template <class R, class C, class... A> struct MemberOwner<R (C::*)(A...)> {
    using type = C;
};
template <class R, class C, class... A> struct MemberOwner<R (C::*)(A...) const> {
    using type = C;
};
} // namespace detail

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    struct Design {
        const char* name;                         // class name, e.g. "TForm23": the object name
        QString caption;
        QSize client;                             // the designed client size
        const ini::WindowPlace* place = nullptr;  // where the place is kept; none: nowhere
        bool resizable = false;                   // the user may resize it (and its size is kept)
        // Default: a fixed-size dialog window with system menu, minimise and close.
        Qt::WindowFlags flags = {};
        // The designed place of the outer frame, where the window opens while
        // the settings file holds none; none: wherever the desktop puts it.
        std::optional<QPoint> position = std::nullopt;
    };

    ToolWindow(platform::Host host, DataFolder data, const Design& design, QWidget* parent = nullptr);

    const platform::Host& host() const { return host_; }
    const DataFolder& data() const { return data_; }

    // The window is centred on over each time the program shows it (windows
    // designed to open in the middle of the main window); none: it stays where
    // it is. over may be destroyed meanwhile.
    void centreOn(QWidget* over) { centredOn_ = over; }

    // The window is being dragged by its background (dragByBackground).
    bool dragging() const { return dragging_; }

protected:
    // The window's handlers; each runs in the error guard.
    virtual void FormActivate() {}
    // Asked before the window closes; false keeps it open.
    virtual bool FormCloseQuery() { return true; }
    // The window is closing (it is hidden, not destroyed); its place is
    // written right after.
    virtual void FormClose() {}

    // Runs handler in the error guard: a failure it does not catch itself ends
    // it and shows the general error box.
    template <class Handler>
    void guarded(Handler&& handler)
    {
        platform::guarded(host_.presenter, std::forward<Handler>(handler));
    }

    // Connects a signal to a handler that runs in the error guard. handler is a
    // member function of the window (taking as many of the signal's arguments
    // as it wants) or any callable.
    template <class Sender, class Signal, class Handler>
    QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Handler handler);

    // A key-down handler on control, run in the error guard: handler(int key),
    // key a Qt::Key, returns nothing (the control still gets the key) or
    // whether it consumed the key.
    template <class Handler>
    void onKeyDown(QWidget* control, Handler handler);

    // Shows a failure the handler caught itself (platform/qt/report.h); a
    // balloon points at field.
    void report(const Report& report, const QWidget* field = nullptr);
    // The user's choice of balloon notices, read from the settings file now, so
    // that a change in the settings window counts at the next press.
    bool balloonWanted() const;
    // The per-user section of the settings file.
    std::string userSection() const;
    // Appends lines to the protocol log (it must exist: the main window makes it).
    void appendProtocol(const std::vector<std::string>& lines) const;

    // The stored place; the constructor reads it, closing writes it. A window
    // whose place depends on more than its own geometry calls them itself.
    void readPlace();
    void writePlace() const;

    // For windows without a caption to take them by: a left press on the
    // window or on any control that leaves the mouse alone (its labels and
    // pictures) drags it until the button is released. The desktop moves the
    // window itself where it can (it must, on Wayland); otherwise the window
    // follows the mouse.
    void dragByBackground() { dragByBackground_ = true; }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    platform::Host host_;
    DataFolder data_;
    const ini::WindowPlace* place_ = nullptr;
    bool resizable_ = false;
    platform::ActivationRule* activation_ = nullptr;
    QPointer<QWidget> centredOn_;
    bool dragByBackground_ = false;
    bool dragging_ = false;
    QPoint dragStart_; // where the press was, in the window
};

template <class Handler>
void ToolWindow::onKeyDown(QWidget* control, Handler handler)
{
    new platform::KeyDownWatch(control, [this, handler](int key) {
        bool consumed = false;
        guarded([&] {
            if constexpr (std::is_same_v<std::invoke_result_t<const Handler&, int>, bool>)
                consumed = std::invoke(handler, key);
            else
                std::invoke(handler, key);
        });
        return consumed;
    });
}

template <class Sender, class Signal, class Handler>
QMetaObject::Connection ToolWindow::connectGuarded(Sender* sender, Signal signal, Handler handler)
{
    if constexpr (std::is_member_function_pointer_v<Handler>) {
        using Owner = typename detail::MemberOwner<Handler>::type;
        return connect(sender, signal, this,
                       [this, handler]<class... A>(A... args)
                           requires std::is_invocable_v<Handler, Owner*, A...>
                       { guarded([&] { std::invoke(handler, static_cast<Owner*>(this), args...); }); });
    } else {
        return connect(sender, signal, this,
                       [this, handler]<class... A>(A... args)
                           requires std::is_invocable_v<const Handler&, A...>
                       { guarded([&] { std::invoke(handler, args...); }); });
    }
}

} // namespace vy
