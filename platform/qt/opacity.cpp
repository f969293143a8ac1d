#include "platform/qt/opacity.h"

#include <QGuiApplication>
#include <QWidget>
#include <qguiapplication_platform.h>

#include <dlfcn.h>

namespace vy::platform {

namespace {

// Writes out what the X connection holds in its buffer, without processing
// any events (a timer handler must not run other handlers inside itself). The
// X library is already loaded by Qt's platform plugin; it is only looked up.
void flushWindowSystem()
{
    if (qGuiApp == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return;
    using Flush = int (*)(xcb_connection_t*);
    static const Flush flush = [] {
        void* library = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
        return library != nullptr ? reinterpret_cast<Flush>(dlsym(library, "xcb_flush")) : nullptr;
    }();
    if (flush != nullptr)
        flush(connection);
}

} // namespace

void setOpacityNow(QWidget& window, double level)
{
    window.setWindowOpacity(level);
    if (window.isVisible())
        flushWindowSystem();
}

} // namespace vy::platform
