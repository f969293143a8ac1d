#include "tests/support/guitest.h"

#include "core/cp1251.h"
#include "platform/qt/guard.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

namespace vy::test {

namespace {

// One application for the whole test process, made on first use and ended
// before main() returns: Qt does not survive being torn down with the statics.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void TearDown() override { delete app_; app_ = nullptr; }
    void make() {
        static int argc = 1;
        static char name[] = "vy_gui_test";
        static char* argv[] = {name, nullptr};
        app_ = new platform::Application(argc, argv);
    }

private:
    platform::Application* app_ = nullptr;
};

bool isRealDialog(QObject* o) {
    return qobject_cast<QMessageBox*>(o) || qobject_cast<QFileDialog*>(o) || qobject_cast<QColorDialog*>(o) ||
           qobject_cast<QFontDialog*>(o) || qobject_cast<QInputDialog*>(o) ||
           o->objectName() == QLatin1String("BalloonNotice");
}

QByteArray fileBytes(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

} // namespace

void ensureApplication() {
    if (QApplication::instance() != nullptr) return;
    auto* environment = new ApplicationEnvironment;
    environment->make();
    ::testing::AddGlobalTestEnvironment(environment);
}

DialogTrap::DialogTrap() { QApplication::instance()->installEventFilter(this); }
DialogTrap::~DialogTrap() { QApplication::instance()->removeEventFilter(this); }

bool DialogTrap::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType() && isRealDialog(watched)) {
        auto* widget = static_cast<QWidget*>(watched);
        ADD_FAILURE() << "a real " << watched->metaObject()->className() << " opened: \""
                      << widget->windowTitle().toStdString() << "\"";
        QTimer::singleShot(0, widget, &QWidget::close);
    }
    return false;
}

GuiTest::GuiTest() {
    ensureApplication();
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
    host_.environment.folder = dir_.path().toStdString() + "/";
    trap_ = std::make_unique<DialogTrap>();
}

GuiTest::~GuiTest() {
    // Let deferred deletions of this test's windows run before the folder goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::string GuiTest::readFile(const std::string& name) const {
    const QByteArray bytes = fileBytes(path(name));
    return cp1251::toUtf8(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void GuiTest::writeFile(const std::string& name, const std::string& utf8) const {
    QFile f(QString::fromStdString(path(name)));
    QDir().mkpath(QFileInfo(f).absolutePath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write " + name);
    const std::string bytes = cp1251::fromUtf8(utf8);
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

bool GuiTest::exists(const std::string& name) const { return QFile::exists(QString::fromStdString(path(name))); }

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void pressKey(QWidget* widget, int key) {
    QString text;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) text = QStringLiteral("\r");
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void processEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace vy::test
