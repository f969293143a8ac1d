#include "tests/release/xsession.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <thread>

namespace vy::tour {
namespace {

using Clock = std::chrono::steady_clock;

// A window may go away between finding it and asking about it; that is an
// answer, not a reason to end the test program (Xlib's default handler would).
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

QString textProperty(Display* d, Window w, Atom property, Atom type) {
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, property, 0, 1024, False, type, &actual, &format, &count, &after, &data) != Success)
        return {};
    QString text;
    if (data != nullptr && actual == type && format == 8)
        text = type == XA_STRING ? QString::fromLatin1(reinterpret_cast<char*>(data), static_cast<int>(count))
                                 : QString::fromUtf8(reinterpret_cast<char*>(data), static_cast<int>(count));
    if (data != nullptr) XFree(data);
    return text;
}

bool takesInput(Display* d, Window w) {
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(d, w, ShapeInput, &count, &ordering);
    if (rects != nullptr) XFree(rects);
    return count > 0;
}

} // namespace

XSession::XSession(const QString& display) {
    XSetErrorHandler(ignoreErrors);
    display_ = XOpenDisplay(display.toLocal8Bit().constData());
}

XSession::~XSession() {
    if (display_ != nullptr) XCloseDisplay(display_);
}

void XSession::pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::vector<unsigned long> XSession::menus() {
    std::vector<unsigned long> found;
    for (const Mapped& m : mapped())
        if (m.menu) found.push_back(m.window.id);
    return found;
}

bool XSession::waitForMenu(const std::vector<unsigned long>& before, std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    do {
        for (unsigned long menu : menus())
            if (std::find(before.begin(), before.end(), menu) == before.end()) {
                pause(150); // drawn and holding the keyboard
                return true;
            }
        pause(50);
    } while (Clock::now() < end);
    return false;
}

std::vector<XSession::Mapped> XSession::mapped() {
    std::vector<Mapped> found;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) return found;
    const Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(display_, children[i], &a) || a.map_state != IsViewable) continue;
        QString title = textProperty(display_, children[i], netName, utf8);
        if (title.isEmpty()) title = textProperty(display_, children[i], XA_WM_NAME, XA_STRING);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, children[i], root, 0, 0, &x, &y, &child);
        Mapped m{{children[i], title, QRect(x, y, a.width, a.height)}, a.override_redirect != 0, false};
        // A menu takes clicks; the faded picture of a closed window, which
        // also bypasses the window manager, lets every click through.
        m.menu = m.popup && takesInput(display_, children[i]);
        found.push_back(m);
    }
    if (children != nullptr) XFree(children);
    return found;
}

std::string XSession::describe() {
    std::string text;
    for (const Mapped& m : mapped())
        text += QStringLiteral("  0x%1 \"%2\" %3x%4+%5+%6%7\n")
                    .arg(m.window.id, 0, 16)
                    .arg(m.window.title)
                    .arg(m.window.geometry.width())
                    .arg(m.window.geometry.height())
                    .arg(m.window.geometry.x())
                    .arg(m.window.geometry.y())
                    .arg(m.menu ? QStringLiteral(" (menu)") : m.popup ? QStringLiteral(" (popup)") : QString())
                    .toStdString();
    return text;
}

unsigned long XSession::root() const { return DefaultRootWindow(display_); }

std::vector<TopWindow> XSession::windows() {
    std::vector<TopWindow> found;
    for (const Mapped& m : mapped())
        if (!m.popup && !m.window.title.isEmpty()) found.push_back(m.window);
    return found;
}

std::optional<TopWindow> XSession::waitForWindow(const std::function<bool(const QString&)>& match,
                                                 std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    do {
        for (const TopWindow& w : windows())
            if (match(w.title)) return w;
        pause(50);
    } while (Clock::now() < end);
    return std::nullopt;
}

std::optional<TopWindow> XSession::waitForTitle(const QString& title, std::chrono::milliseconds timeout) {
    return waitForWindow([&](const QString& t) { return t == title; }, timeout);
}

bool XSession::shown(unsigned long window) {
    XWindowAttributes a{};
    return XGetWindowAttributes(display_, window, &a) && a.map_state == IsViewable;
}

QRect XSession::geometry(unsigned long window) {
    XWindowAttributes a{};
    if (!XGetWindowAttributes(display_, window, &a)) return {};
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return {x, y, a.width, a.height};
}

bool XSession::waitUntilHidden(unsigned long window, std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    while (shown(window)) {
        if (Clock::now() > end) return false;
        pause(50);
    }
    return true;
}

void XSession::click(unsigned long window, int x, int y) {
    int rx = 0, ry = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &rx, &ry, &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rx, ry, CurrentTime);
    XSync(display_, False);
    pause(60);
    XTestFakeButtonEvent(display_, Button1, True, CurrentTime);
    XSync(display_, False);
    pause(40);
    XTestFakeButtonEvent(display_, Button1, False, CurrentTime);
    XSync(display_, False);
    pause(150);
}

void XSession::pressKeysym(unsigned long keysym, bool shift) {
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    if (code == 0) return;
    // The key's shifted level when the symbol is not on its first level.
    shift = shift || XkbKeycodeToKeysym(display_, code, 0, 0) != keysym;
    const KeyCode shiftCode = XKeysymToKeycode(display_, XK_Shift_L);
    if (shift) XTestFakeKeyEvent(display_, shiftCode, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (shift) XTestFakeKeyEvent(display_, shiftCode, False, CurrentTime);
    XSync(display_, False);
    pause();
}

void XSession::type(const std::string& text) {
    // Printable ASCII keysyms are the characters' own codes.
    for (const char c : text) pressKeysym(static_cast<unsigned char>(c), false);
}

void XSession::key(const char* name, bool control) {
    const KeyCode controlCode = XKeysymToKeycode(display_, XK_Control_L);
    if (control) XTestFakeKeyEvent(display_, controlCode, True, CurrentTime);
    pressKeysym(XStringToKeysym(name), false);
    if (control) XTestFakeKeyEvent(display_, controlCode, False, CurrentTime);
    XSync(display_, False);
    pause(40);
}

void XSession::replaceText(unsigned long window, int x, int y, const std::string& text) {
    click(window, x, y);
    key("a", true);
    type(text);
}

void XSession::close(unsigned long window) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &e);
    XSync(display_, False);
}

QImage XSession::grab(unsigned long window, std::optional<QRect> rect) {
    XWindowAttributes a{};
    if (!XGetWindowAttributes(display_, window, &a)) return {};
    const QRect area = rect.value_or(QRect(0, 0, a.width, a.height)).intersected(QRect(0, 0, a.width, a.height));
    if (area.isEmpty()) return {};
    XImage* image = XGetImage(display_, window, area.x(), area.y(), static_cast<unsigned>(area.width()),
                              static_cast<unsigned>(area.height()), AllPlanes, ZPixmap);
    if (image == nullptr) return {};
    QImage copy(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            copy.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y)) | 0xff000000u);
    XDestroyImage(image);
    return copy;
}

bool XSession::waitForChange(unsigned long window, QRect rect, const QImage& before,
                             std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    do {
        const QImage now = grab(window, rect);
        if (!now.isNull() && now != before) return true;
        pause(100);
    } while (Clock::now() < end);
    return false;
}

} // namespace vy::tour
