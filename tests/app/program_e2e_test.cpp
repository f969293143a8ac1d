// The built program, started for real on a virtual X display in a temporary
// copy of its folder: it starts, refuses a second instance, and writes its
// settings when asked to end.
#include "core/cp1251.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>

namespace {

std::string readDecoded(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    return vy::cp1251::toUtf8(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (condition()) return true;
        QThread::msleep(20);
    }
    return condition();
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        program_ = folder_.filePath("vychislitsa");
        ASSERT_TRUE(QFile::copy(VY_PROGRAM_FILE, program_));
        // -displayfd 1: the server picks a free display and says which on stdout.
        xvfb_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1920x1080x24", "-nolisten", "tcp"});
        ASSERT_TRUE(xvfb_.waitForStarted(10000)) << "Xvfb is needed (package xvfb)";
        ASSERT_TRUE(waitFor([&] { return xvfb_.canReadLine() || xvfb_.waitForReadyRead(50); }, 20000));
        display_ = ":" + QString::fromLatin1(xvfb_.readLine().trimmed());
    }

    void TearDown() override {
        for (QProcess* p : {&second_, &first_}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
        xvfb_.terminate();
        xvfb_.waitForFinished(5000);
    }

    void start(QProcess& process) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_);
        env.insert("QT_QPA_PLATFORM", "xcb");
        // Its own session folder, so an instance the developer has open does not
        // count as the first one.
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder_.path());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program_, {});
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // The top-level windows of the display, one line each: id "name": ("instance" "class") geometry.
    QString windows() {
        QProcess info;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_);
        info.setProcessEnvironment(env);
        info.start("xwininfo", {"-root", "-tree"});
        if (!info.waitForFinished(10000)) return {};
        return QString::fromUtf8(info.readAllStandardOutput());
    }

    std::string file(const char* name) const { return readDecoded(folder_.filePath(QString::fromUtf8(name))); }

    QTemporaryDir folder_;
    QTemporaryDir runtime_;
    QString program_;
    QString display_;
    QProcess xvfb_, first_, second_;
};

TEST_F(ProgramTest, StartsRefusesASecondInstanceAndWritesItsSettingsOnClose) {
    const std::string header = "************ Протокол работы программы Вычислица ************\r\n";
    QElapsedTimer clock;
    clock.start();
    start(first_);
    ASSERT_TRUE(waitFor([&] { return file("Вычислица.log").rfind(header, 0) == 0; }, 60000))
        << "no protocol header";
    std::printf("[ startup  ] main window shown after %lld ms\n", static_cast<long long>(clock.elapsed()));
    EXPECT_FALSE(QFile::exists(folder_.filePath("Вычислица.ini")) &&
                 file("Вычислица.ini").find("[position]") != std::string::npos)
        << "the position is written only at the end";

    {
        QFile log(folder_.filePath("Вычислица.log"));
        ASSERT_TRUE(log.open(QIODevice::Append));
        log.write("marker\r\n");
    }
    start(second_);
    // The refusal is a box of its own, titled "Вычислица"; no main window comes up.
    const QString box = QStringLiteral("\"Вычислица\": (\"vychislitsa\" \"vychislitsa\")");
    ASSERT_TRUE(waitFor([&] { return windows().contains(box); }, 60000)) << windows().toStdString();
    EXPECT_EQ(windows().count(QStringLiteral("(\"vychislitsa\" \"vychislitsa\")")), 1) << windows().toStdString();
    EXPECT_EQ(second_.state(), QProcess::Running) << "waits for the box to be dismissed";
    EXPECT_NE(file("Вычислица.log").find("marker"), std::string::npos) << "the second start touched the protocol";
    second_.kill();
    second_.waitForFinished(5000);
    EXPECT_EQ(first_.state(), QProcess::Running);

    QThread::msleep(800); // past the fade-in, so the close runs its shrinking animation
    first_.terminate();   // as the desktop does at log-out: the window closes the ordinary way
    ASSERT_TRUE(first_.waitForFinished(60000));
    EXPECT_EQ(first_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first_.exitCode(), 0);
    const std::string settings = file("Вычислица.ini");
    EXPECT_NE(settings.find("[position]\r\nleft=500\r\ntop=229\r\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("[tools]\r\n"), std::string::npos) << settings;
}

TEST_F(ProgramTest, FadeInReachesTheDisplayOneStepAtATime) {
    start(first_);
    // The main window's id, as soon as it is there.
    QString id;
    ASSERT_TRUE(waitFor(
        [&] {
            for (const QString& line : windows().split('\n'))
                if (line.contains(QStringLiteral("(\"vychislitsa\" \"Вычислица\")")))
                    id = line.trimmed().section(' ', 0, 0);
            return !id.isEmpty();
        },
        60000));
    // Every change of the opacity property as the display sees it, one line each.
    QProcess spy;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    spy.setProcessEnvironment(env);
    spy.start("stdbuf", {"-oL", "xprop", "-spy", "-id", id, "_NET_WM_WINDOW_OPACITY"});
    ASSERT_TRUE(spy.waitForStarted(10000));
    QThread::msleep(1500); // the fade takes half a second
    spy.kill();
    spy.waitForFinished(5000);
    QStringList values;
    for (const QString& line : QString::fromLatin1(spy.readAllStandardOutput()).split('\n'))
        if (line.contains('=') && !values.contains(line))
            values << line;
    // Fifty-one steps of 5 from 0 to 255; however late the spy started, many of
    // them must reach the display one by one rather than in one final burst.
    EXPECT_GE(values.size(), 20) << values.join('\n').toStdString();
}

} // namespace
