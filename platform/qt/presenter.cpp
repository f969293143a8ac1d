#include "platform/qt/presenter.h"

#include "platform/qt/balloon.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace vy::platform {

namespace {
constexpr int kTitleBarExtras = 150;
} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, const QString& caption, QMessageBox::Icon icon,
                                            QMessageBox::StandardButtons buttons, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(icon, caption, text, buttons, parent);
    box->setObjectName("MessageBox");
    // A short text would make the box narrower than its caption, which the
    // title bar then cuts ("Вы… ца"): room for the caption in a bold title font,
    // the window icon and three title buttons.
    QFont title = box->font();
    title.setBold(true);
    const int width = QFontMetrics(title).horizontalAdvance(caption) + kTitleBarExtras;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                      grid->columnCount());
    return box;
}

QString messageText(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

namespace {

QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

int showBox(const QString& text, const QString& caption, QMessageBox::Icon icon,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok) {
    return makeMessageBox(text, caption, icon, buttons, QApplication::activeWindow())->exec();
}

const QString kTitle = QStringLiteral("Вычислица");

} // namespace

void QtPresenter::plainMessage(const std::string& text) {
    showBox(messageText(text), kTitle, QMessageBox::NoIcon);
}

void QtPresenter::informationDialog(const std::string& text) {
    showBox(messageText(text), QStringLiteral("Information"), QMessageBox::Information);
}

void QtPresenter::messageBox(const std::string& text, const std::string& caption, Icon icon) {
    showBox(messageText(text), QString::fromStdString(caption), toQt(icon));
}

void QtPresenter::balloon(const std::string& text, ScreenPoint stem, void* owner) {
    BalloonNotice::show(messageText(text), QPoint(stem.x, stem.y), static_cast<QWidget*>(owner));
}

void QtPresenter::generalError(const std::string& text) {
    showBox(messageText(text), kTitle, QMessageBox::Critical);
}

bool QtPresenter::question(const std::string& text, const std::string& caption) {
    return showBox(messageText(text), QString::fromStdString(caption), QMessageBox::Question,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtSounds::criticalStop() { QApplication::beep(); }
void QtSounds::exclamation() { QApplication::beep(); }

LocalTime QtClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    return LocalTime{t.date().year(), t.date().month(), t.date().day(),
                     t.time().hour(), t.time().minute(), t.time().second()};
}

std::string QtEnvironment::programFolder() const {
    return (QCoreApplication::applicationDirPath() + QChar('/')).toStdString();
}

std::string QtEnvironment::loginName() const {
    passwd entry{};
    passwd* found = nullptr;
    char buffer[1024];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr)
        return found->pw_name;
    return {};
}

namespace {
QStringList argumentList(const std::vector<std::string>& args) {
    QStringList arguments;
    for (const auto& a : args) arguments << QString::fromStdString(a);
    return arguments;
}
} // namespace

QString findProgram(const std::string& program, const std::string& programFolder) {
    // The program's own folder is searched first, then the usual search path.
    QString path = QString::fromStdString(program);
    const QFileInfo beside(QString::fromStdString(programFolder) + path);
    if (QFileInfo(path).isRelative() && beside.isFile() && beside.isExecutable())
        return beside.filePath();
    if (QFileInfo(path).isRelative())
        return QStandardPaths::findExecutable(path);
    return path;
}

bool QtEnvironment::startDetached(const std::string& program, const std::vector<std::string>& args) {
    const QString path = findProgram(program, programFolder());
    if (path.isEmpty()) return false;
    return QProcess::startDetached(path, argumentList(args), QCoreApplication::applicationDirPath());
}

Environment::RunResult QtEnvironment::runAndWait(const std::string& program, const std::vector<std::string>& args,
                                                 const std::string& folder, int timeoutMs) {
    const QString path = findProgram(program, programFolder());
    if (path.isEmpty()) return RunResult::NotStarted;
    return runProgramAndWait(path, args, folder, timeoutMs);
}

Environment::RunResult runProgramAndWait(const QString& path, const std::vector<std::string>& args,
                                         const std::string& folder, int timeoutMs) {
    QProcess process;
    process.setProgram(path);
    process.setArguments(argumentList(args));
    process.setWorkingDirectory(QString::fromStdString(folder));
    // Nothing reads its output: it goes where the program's own output goes.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted(timeoutMs)) return Environment::RunResult::NotStarted;
    if (process.waitForFinished(timeoutMs)) return Environment::RunResult::Ended;
    process.kill();
    process.waitForFinished(1000);
    return Environment::RunResult::TimedOut;
}

} // namespace vy::platform
