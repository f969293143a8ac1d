// The program's entry: one instance at a time, every window created once, then
// the main window's loop.
#include "app/windowlist.h"
#include "core/datafolder.h"
#include "platform/instancelock.h"
#include "platform/qt/guard.h"
#include "platform/qt/presenter.h"

#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QStandardPaths>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr const char* kLockFileName = "Вычислица.lock";

// One instance per user session, whichever folder it was started from: the lock
// lives in the session's runtime folder ($XDG_RUNTIME_DIR, or Qt's private
// fallback under /tmp), not beside the program.
std::string lockFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QString::fromUtf8(kLockFileName)).toStdString();
}

int terminationPipe[2] = {-1, -1};

extern "C" void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] auto written = ::write(terminationPipe[1], &byte, 1);
}

// A request to end the session (SIGTERM, SIGINT, SIGHUP) closes the main window
// the ordinary way, so the settings are written as after a click on "Выход".
void closeOnTermination(QWidget& window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminationPipe) != 0) return;
    auto* notifier = new QSocketNotifier(terminationPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte;
        [[maybe_unused]] auto got = ::read(terminationPipe[0], &byte, 1);
        window.close();
    });
    struct sigaction action {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    vy::platform::Application app(argc, argv);
    // Qt's own texts (standard buttons, the fields' context menu) in Russian, like
    // the rest of the program; without the translation they stay in English.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    vy::platform::QtHost real;
    const vy::platform::Host host = real.host();
    const vy::DataFolder data =
        vy::chooseDataFolder(host.environment.programFolder(), vy::userHomeFolder());

    const vy::platform::InstanceLock lock(lockFilePath());
    if (lock.state() == vy::platform::InstanceLock::State::HeldElsewhere) {
        host.presenter.messageBox("Вычислица уже запущена ", "Вычислица", vy::platform::Icon::Warning);
        return 0;
    }

    QApplication::setApplicationName(QStringLiteral("Вычислица"));
    // Installed, the desktop entry and the icon are both named "vychislitsa":
    // task bars match the windows to the entry and show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("vychislitsa"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("vychislitsa")));
    app.setPresenter(&real.presenter());
    vy::WindowList windows(host, data);
    closeOnTermination(windows.main());
    windows.main().show();
    return QApplication::exec();
}
