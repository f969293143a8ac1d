// The program as a user gets it: installed with `cmake --install` into a
// prefix, the program folder not writable for the user who runs it, started
// on a virtual X display through the desktop entry's command, and toured with
// synthetic mouse clicks and key presses: every window is opened from the main
// window (sub-windows from their openers), does one computation and is closed.
// Settings and protocol must then be in the user's folder, with every window's
// keys and the computations in them.
//
// With VY_TOUR_SCREENSHOTS=<folder> the tour also saves pictures of the main
// window and three tools there (scripts/screenshots.sh, for the README).
#include "core/cp1251.h"
#include "tests/release/xsession.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using vy::tour::TopWindow;
using vy::tour::XSession;

constexpr uid_t kNobody = 65534;
const QString kProgramFolder = QStringLiteral(VY_INSTALL_PROGRAM_DIR);

std::string readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

// The settings file and the protocol are in Windows-1251.
std::string decoded(const QString& path) { return vy::cp1251::toUtf8(readFile(path)); }

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Every file below folder, as paths relative to it.
QSet<QString> filesBelow(const QString& folder) {
    QSet<QString> files;
    QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files.insert(QDir(folder).relativeFilePath(it.next()));
    return files;
}

// How many colours a picture has: a photograph-like table has many, a note in
// its place a few.
int colours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

std::string loginName() {
    const passwd* account = ::getpwuid(::geteuid());
    return account != nullptr ? account->pw_name : "";
}

bool run(const QString& program, const QStringList& arguments, QString* output = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    const bool ended = p.waitForFinished(300000);
    if (output != nullptr) *output = QString::fromLocal8Bit(p.readAll());
    return ended && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// One install for the whole suite, into a prefix the tour's user cannot write.
class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        base_ = std::make_unique<QTemporaryDir>();
        prefix_ = base_->filePath("prefix");
        QString output;
        // ctest runs each test of the suite in a process of its own, at the same
        // time: the installs take turns, as each rewrites the build's manifest.
        installed_ = run("flock", {VY_BUILD_DIR "/install.lock", VY_CMAKE_COMMAND, "--install", VY_BUILD_DIR,
                                   "--prefix", prefix_},
                         &output);
        installLog_ = output.toStdString();
    }
    static void TearDownTestSuite() {
        // Writable again, so that the temporary folder can be removed.
        QProcess::execute("chmod", {"-R", "u+w", base_->path()});
        base_.reset();
    }
    void SetUp() override { ASSERT_TRUE(installed_) << installLog_; }

    static QString installed(const QString& path) { return prefix_ + QLatin1Char('/') + path; }

    static inline std::unique_ptr<QTemporaryDir> base_;
    static inline QString prefix_;
    static inline bool installed_ = false;
    static inline std::string installLog_;
};

TEST_F(Installed, TheProgramFolderHoldsWhatTheBuildPutsBesideTheProgram) {
    // Files the program writes beside itself when it runs are not part of it.
    const QSet<QString> written = {"Вычислица.ini", "Вычислица.log", "m.txt", "m1.txt"};
    QSet<QString> built = filesBelow(VY_PROGRAM_DIR);
    built -= written;
    const QSet<QString> shipped = filesBelow(installed(kProgramFolder));
    for (const QString& file : built) EXPECT_TRUE(shipped.contains(file)) << "not installed: " << file.toStdString();
    for (const char* file : {"vychislitsa", "logreader", "helpviewer", "matrix", "libMath.so"})
        EXPECT_TRUE(shipped.contains(QString::fromLatin1(file))) << file;
    EXPECT_TRUE(QFileInfo(installed(kProgramFolder + "/vychislitsa")).isExecutable());
}

TEST_F(Installed, TheLauncherDesktopEntryIconsAndLicenceAreInPlace) {
    const QFileInfo launcher(installed("bin/vychislitsa"));
    ASSERT_TRUE(launcher.isSymLink());
    EXPECT_EQ(launcher.canonicalFilePath(), QFileInfo(installed(kProgramFolder + "/vychislitsa")).canonicalFilePath());

    const std::string entry = readFile(installed("share/applications/vychislitsa.desktop"));
    ASSERT_FALSE(entry.empty());
    for (const char* line : {"[Desktop Entry]\n", "\nType=Application\n", "\nName=Вычислица\n", "\nExec=vychislitsa\n",
                             "\nIcon=vychislitsa\n", "\nComment=Вычисления"})
        EXPECT_TRUE(contains(entry, line)) << line;

    EXPECT_TRUE(QFile::exists(installed("share/icons/hicolor/scalable/apps/vychislitsa.svg")));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/vychislitsa.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
    const std::string licence = readFile(installed("share/doc/vychislitsa/LICENSE"));
    EXPECT_TRUE(contains(licence, "GNU GENERAL PUBLIC LICENSE") && contains(licence, "Version 3")) << licence.substr(0, 200);
}

// Places inside the main window (it opens at its designed place, laid out
// with the fonts of scripts/packages.txt on the tests' screen). The calculation
// rows are measured from the left edge; the tool buttons stand in a column at
// the right edge, so they are measured from there.
namespace mainwindow {
constexpr QPoint kSumFirst{133, 247}, kSumSecond{249, 247}, kSumEquals{319, 247};
constexpr QRect kSumResult{345, 239, 300, 17};
// Tool buttons: distance of the centre from the right edge, and height.
constexpr QPoint kExpression{116, 79}, kPlots{169, 107}, kSystems{62, 107}, kNumbers{169, 135},
    kPercent{62, 135}, kLog{169, 163}, kPower{62, 163}, kTables{169, 191}, kArc{62, 191},
    kMatrices{169, 219}, kEquations{62, 219}, kIntegral{169, 247}, kNumberSystems{62, 247}, kAbout{169, 275},
    kCalendar{62, 275}, kExit{116, 304}, kLogViewer{78, 36}, kSettings{32, 36};
} // namespace mainwindow

// The installed program toured on its own virtual display, as a user other
// than the owner of the install.
class Tour : public Installed {
protected:
    void SetUp() override {
        Installed::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(home_.isValid() && runtime_.isValid());
        if (::geteuid() == 0) {
            // Root writes anywhere: the tour runs as nobody, who may enter the
            // install but not write in it, and owns its home and session folder.
            asNobody_ = QFileInfo::exists("/usr/bin/setpriv") || QFileInfo::exists("/bin/setpriv");
            if (!asNobody_) GTEST_SKIP() << "running as root without setpriv: the program folder would be writable";
            for (const QString& folder : {base_->path(), home_.path()}) ::chmod(folder.toLocal8Bit().constData(), 0755);
            for (const QString& folder : {home_.path(), runtime_.path()})
                ASSERT_EQ(::chown(folder.toLocal8Bit().constData(), kNobody, kNobody), 0);
        } else {
            // Not root: taking the write bits away is enough.
            ASSERT_EQ(QProcess::execute("chmod", {"-R", "a-w", installed(kProgramFolder)}), 0);
        }
        ASSERT_FALSE(writableByTourUser()) << "the program folder must be read-only for the tour";

        xvfb_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1920x1080x24", "-nolisten", "tcp"});
        ASSERT_TRUE(xvfb_.waitForStarted(10000)) << "Xvfb is needed (package xvfb)";
        for (int i = 0; i < 200 && !xvfb_.canReadLine(); ++i) xvfb_.waitForReadyRead(100);
        display_ = ":" + QString::fromLatin1(xvfb_.readLine().trimmed());
        x_ = std::make_unique<XSession>(display_);
        ASSERT_TRUE(x_->connected()) << display_.toStdString();
    }

    void TearDown() override {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished(5000);
        }
        x_.reset();
        if (xvfb_.state() != QProcess::NotRunning) {
            xvfb_.terminate();
            xvfb_.waitForFinished(5000);
        }
    }

    bool writableByTourUser() {
        const QString folder = installed(kProgramFolder);
        if (!asNobody_) return QFileInfo(folder).isWritable();
        return QProcess::execute("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "--", "test", "-w",
                                             folder}) == 0;
    }

    // The command of the desktop entry, found on the search path as a menu would.
    void start() {
        const std::string entry = readFile(installed("share/applications/vychislitsa.desktop"));
        const auto at = entry.find("\nExec=");
        ASSERT_NE(at, std::string::npos);
        const QString command = QString::fromStdString(entry.substr(at + 6, entry.find('\n', at + 1) - at - 6));
        QProcessEnvironment env;
        env.insert("PATH", installed("bin") + ":/usr/bin:/bin");
        env.insert("HOME", home_.path());
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        env.insert("DISPLAY", display_);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("LANG", "C.UTF-8");
        // Leak reports of an instrumented build are not the tour's subject.
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        program_.setProcessEnvironment(env);
        program_.setProcessChannelMode(QProcess::ForwardedChannels);
        if (asNobody_)
            program_.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "--", command});
        else
            program_.start(QStandardPaths::findExecutable(command, {installed("bin")}));
        ASSERT_TRUE(program_.waitForStarted(10000));
    }

    QString dataFile(const char* name) const {
        return home_.filePath(QStringLiteral(".config/Вычислица/") + QString::fromUtf8(name));
    }
    std::string protocol() const { return decoded(dataFile("Вычислица.log")); }

    // Clicks at a place of the main window and waits for the window titled title.
    TopWindow open(QPoint tool, const QString& title, int menuItem = 0) {
        if (menuItem == 0) {
            clickTool(tool);
        } else {
            chooseFromMenu(main_.id, {mainWidth() - tool.x(), tool.y()}, menuItem);
        }
        return waitFor(title);
    }

    // Opens the popup menu that a click at the point of window brings up and
    // chooses its item (counted from 1, separators left out) with the keyboard.
    void chooseFromMenu(unsigned long window, QPoint at, int item) {
        const auto before = x_->menus();
        x_->click(window, at.x(), at.y());
        ASSERT_TRUE(x_->waitForMenu(before, 10s)) << "no menu came up";
        for (int i = 0; i < item; ++i) x_->key("Down");
        x_->key("Return");
    }

    // The tools are placed from the main window's right edge, which moves
    // when a skin changes the window's width.
    void clickTool(QPoint tool) { x_->click(main_.id, mainWidth() - tool.x(), tool.y()); }
    int mainWidth() { return x_->geometry(main_.id).width(); }

    // The window that comes up over the others, when its title is not its own.
    TopWindow waitForNew(const std::vector<TopWindow>& before) {
        for (int i = 0; i < 400; ++i) {
            for (const TopWindow& w : x_->windows())
                if (std::none_of(before.begin(), before.end(), [&](const TopWindow& b) { return b.id == w.id; }))
                    return w;
            std::this_thread::sleep_for(50ms);
        }
        ADD_FAILURE() << "no new window after 20 s; the screen shows:\n" << x_->describe();
        screenshot({x_->root(), {}, {}}, "failure.png");
        return {};
    }

    TopWindow waitFor(const QString& title) {
        const auto found = x_->waitForWindow(
            [&](const QString& t) { return t == title || (title.endsWith(QLatin1Char('*')) && t.startsWith(title.chopped(1))); },
            20s);
        if (!found) {
            ADD_FAILURE() << "no window " << title.toStdString() << " after 20 s; the screen shows:\n" << x_->describe();
            screenshot({x_->root(), {}, {}}, "failure.png");
        }
        return found.value_or(TopWindow{});
    }

    // Does what act does in window and waits until the window shows something
    // else in result.
    void compute(const TopWindow& window, QRect result, const std::function<void()>& act, const char* what) {
        ASSERT_NE(window.id, 0u);
        QSet<unsigned long> shown;
        for (const TopWindow& w : x_->windows()) shown.insert(w.id);
        const QImage before = x_->grab(window.id, result);
        act();
        EXPECT_TRUE(x_->waitForChange(window.id, result, before, 30s)) << what << ": no result shown";
        // A failure or an input error would have raised a message over the window.
        for (const TopWindow& w : x_->windows())
            EXPECT_TRUE(shown.contains(w.id)) << what << ": a window \"" << w.title.toStdString() << "\" appeared";
    }

    void closeWindow(const TopWindow& window) {
        if (window.id == 0) return;
        x_->close(window.id);
        EXPECT_TRUE(x_->waitUntilHidden(window.id, 10s)) << window.title.toStdString() << " stays open";
    }

    void screenshot(const TopWindow& window, const char* name) {
        const QString folder = qEnvironmentVariable("VY_TOUR_SCREENSHOTS");
        if (folder.isEmpty() || window.id == 0) return;
        EXPECT_TRUE(x_->grab(window.id).save(QDir(folder).filePath(QString::fromLatin1(name))));
    }

    void sum(const char* a, const char* b) {
        using namespace mainwindow;
        x_->replaceText(main_.id, kSumFirst.x(), kSumFirst.y(), a);
        x_->replaceText(main_.id, kSumSecond.x(), kSumSecond.y(), b);
        compute(main_, kSumResult, [&] { x_->click(main_.id, kSumEquals.x(), kSumEquals.y()); }, "sum");
    }

    // A tool window opened from the main window (through its menu when
    // menuItem > 0), its fields filled (a null text: a click only), one press
    // and its result shown; the window is returned open.
    struct Visit {
        QPoint tool;
        int menuItem;
        const char* title;
        std::vector<std::pair<QPoint, const char*>> fields;
        QPoint press;
        QRect result;
        const char* screenshot = nullptr;
    };

    TopWindow visit(const Visit& v) {
        const TopWindow w = open(v.tool, QString::fromUtf8(v.title), v.menuItem);
        if (w.id == 0) return w;
        for (const auto& [at, text] : v.fields) {
            if (text != nullptr)
                x_->replaceText(w.id, at.x(), at.y(), text);
            else
                x_->click(w.id, at.x(), at.y());
        }
        compute(w, v.result, [&] { x_->click(w.id, v.press.x(), v.press.y()); }, v.title);
        if (v.screenshot != nullptr) screenshot(w, v.screenshot);
        return w;
    }

    QTemporaryDir home_, runtime_;
    bool asNobody_ = false;
    QProcess xvfb_, program_;
    QString display_;
    std::unique_ptr<XSession> x_;
    TopWindow main_;
};

TEST_F(Tour, EveryWindowOpensComputesAndClosesWithSettingsAndProtocolInTheUsersFolder) {
    using namespace mainwindow;
    start();
    const auto main = x_->waitForWindow([](const QString& t) { return t.startsWith(QStringLiteral("Вычислица")); }, 60s);
    ASSERT_TRUE(main) << "the main window did not come up";
    main_ = *main;
    std::this_thread::sleep_for(800ms); // past the fade-in

    sum("2", "3");
    EXPECT_TRUE(contains(protocol(), "2 + 3 = 5")) << protocol();
    screenshot(main_, "main.png");

    {
        SCOPED_TRACE("expression, its help and the help viewer");
        const TopWindow w = open(kExpression, "Мат. выражение");
        compute(w, {8, 126, 204, 20}, [&] { x_->click(w.id, 109, 48); x_->click(w.id, 109, 107); }, "expression");
        x_->click(w.id, 43, 185);
        const TopWindow help = waitFor("Справка");
        x_->click(help.id, 436, 243);
        const TopWindow viewer = waitFor("Справка — *");
        closeWindow(viewer);
        closeWindow(help);
        closeWindow(w);
    }
    {
        SCOPED_TRACE("chart plotter and its help");
        const TopWindow w =
            visit({kPlots, 2, " Графики функций", {{{520, 39}, "sin(x)"}}, {493, 124}, {0, 0, 400, 420}, "chart.png"});
        x_->click(w.id, 596, 124);
        closeWindow(waitFor("Справка — *"));
        closeWindow(w);
    }
    {
        SCOPED_TRACE("systems of three and four equations");
        const TopWindow w = open(kSystems, "Решение системы уравнений", 1);
        compute(w, {426, 40, 106, 78}, [&] { x_->click(w.id, 241, 69); }, "three equations");
        compute(w, {426, 140, 106, 124}, [&] { x_->click(w.id, 241, 191); }, "four equations");
        const std::string log = protocol();
        EXPECT_TRUE(contains(log, "***** Протокол работы окна Решение систем уравнений ****")) << log;
        closeWindow(w);
    }
    {
        SCOPED_TRACE("systems of n equations");
        const TopWindow w = open(kSystems, "Системы из n уравнений", 2);
        // x = 1, y = 2, z = 3: ones on the diagonal, the answers in the last column.
        const std::pair<QPoint, const char*> cells[] = {
            {{0, 0}, "1"}, {{1, 1}, "1"}, {{2, 2}, "1"}, {{3, 0}, "1"}, {{3, 1}, "2"}, {{3, 2}, "3"}};
        for (const auto& [cell, value] : cells) {
            x_->click(w.id, 24 + 30 * cell.x(), 19 + 20 * cell.y());
            x_->type(value);
            x_->key("Return");
        }
        compute(w, {352, 236, 227, 54}, [&] { x_->click(w.id, 71, 251); }, "n equations");
        closeWindow(w);
    }
    {
        SCOPED_TRACE("power and root, with its protocol");
        const TopWindow w = visit({kPower, 0, " Возведение в степень ", {{{160, 134}, "2"}, {{160, 168}, "10"}},
                                   {122, 209}, {16, 236, 201, 33}});
        const std::string log = protocol();
        EXPECT_TRUE(contains(log, "***************** Протокол работы окна Степени *****************")) << log;
        EXPECT_TRUE(contains(log, "1024")) << log;
        closeWindow(w);
    }
    // The windows that need no more than fields filled and one press.
    const Visit plain[] = {
        {kPlots, 1, "Графики функций", {{{403, 16}, "x*x"}}, {393, 89}, {2, 2, 336, 336}},
        {kNumbers, 0, "Операции с числами", {{{65, 45}, "97"}}, {64, 79}, {4, 96, 249, 44}},
        {kPercent, 0, "Проценты", {{{32, 42}, "10"}, {{156, 42}, "200"}}, {206, 42}, {224, 34, 185, 17}},
        {kLog, 0, "Логарифм", {{{104, 22}, "8"}, {{54, 38}, "2"}}, {151, 23}, {172, 4, 220, 106}},
        {kArc, 0, "Вычисление arc*", {{{77, 22}, "0,5"}}, {116, 22}, {134, 10, 266, 25}},
        {kEquations, 0, "Решение уравнений", {}, {61, 233}, {8, 178, 337, 28}},
        {kIntegral, 0, "Вычисление интегралов", {}, {320, 179}, {208, 16, 190, 80}},
        // 255 to binary too (a check box: a click without text).
        {kNumberSystems, 0, "Системы счисления", {{{122, 41}, "255"}, {{261, 111}, nullptr}}, {358, 41},
         {8, 156, 464, 28}, "units.png"},
    };
    for (const Visit& v : plain) {
        SCOPED_TRACE(v.title);
        closeWindow(visit(v));
    }
    {
        SCOPED_TRACE("matrices and the rank program");
        const TopWindow w = open(kMatrices, "Матрицы");
        x_->click(w.id, 42, 48);
        x_->type("2");
        x_->key("Return");
        x_->click(w.id, 139, 382); // the operations: the last is the rank
        x_->key("End");
        x_->key("Return");
        // The rank program exchanges its files in the user's folder; a failure would be a message.
        compute(w, {8, 154, 365, 142}, [&] { x_->click(w.id, 325, 386); }, "rank");
        screenshot(w, "matrices.png");
        closeWindow(w);
    }
    {
        SCOPED_TRACE("about");
        const TopWindow w = open(kAbout, "О программе");
        std::this_thread::sleep_for(500ms);
        x_->click(w.id, 395, 61); // its own close button
        EXPECT_TRUE(x_->waitUntilHidden(w.id, 10s));
    }
    {
        SCOPED_TRACE("calendar");
        const TopWindow w = open(kCalendar, "Календарь");
        compute(w, {30, 70, 300, 200}, [&] { x_->click(w.id, 317, 84); }, "next month");
        x_->click(w.id, 180, 297); // "Закрыть"
        EXPECT_TRUE(x_->waitUntilHidden(w.id, 10s));
    }
    {
        SCOPED_TRACE("reference tables, their pictures and the table of powers");
        const TopWindow w = open(kTables, "Таблицы");
        // The fire burns on by itself.
        compute(w, {0, 30, 254, 60}, [] {}, "fire");
        // The menu "Таблицы": four pictures, then the table of powers.
        for (int item = 1; item <= 4; ++item) {
            const auto before = x_->windows();
            chooseFromMenu(w.id, {30, 7}, item);
            const TopWindow picture = waitForNew(before);
            int seen = 0;
            for (int i = 0; i < 50 && seen <= 64; ++i, std::this_thread::sleep_for(100ms))
                seen = colours(x_->grab(picture.id));
            EXPECT_GT(seen, 64) << "picture " << item << " was not read";
            x_->click(picture.id, picture.geometry.width() / 2, picture.geometry.height() / 2);
            EXPECT_TRUE(x_->waitUntilHidden(picture.id, 10s)) << "picture " << item;
        }
        const auto before = x_->windows();
        chooseFromMenu(w.id, {30, 7}, 5);
        const TopWindow powers = waitForNew(before);
        compute(powers, {0, 50, powers.geometry.width(), powers.geometry.height() - 50},
                [&] { x_->replaceText(powers.id, 78, 34, "3"); }, "powers");
        closeWindow(powers);
        x_->click(w.id, w.geometry.width() - 25, 7); // "Выход"
        EXPECT_TRUE(x_->waitUntilHidden(w.id, 10s));
    }
    {
        SCOPED_TRACE("settings and a skin from the installed skins");
        const int width = mainWidth();
        TopWindow w = open(kSettings, "Настройки*");
        x_->click(w.id, 28, 172); // no animation at close
        x_->click(w.id, 239, 61); // the skin "Мята"
        compute(main_, {0, 0, width, main_.geometry.height()}, [&] { x_->click(w.id, 66, 242); }, "skin");
        EXPECT_TRUE(x_->waitUntilHidden(w.id, 10s));
        // Back to the program's own look, where the tour knows its places.
        w = open(kSettings, "Настройки*");
        x_->click(w.id, 239, 20);
        x_->click(w.id, 66, 242);
        EXPECT_TRUE(x_->waitUntilHidden(w.id, 10s));
        std::this_thread::sleep_for(300ms);
    }
    {
        SCOPED_TRACE("log viewer");
        clickTool(kLogViewer);
        closeWindow(waitFor("Вычислица.log"));
    }

    // The main window's protocol starts again at its activation; a last sum
    // must be in it when the program ends.
    sum("4", "5");
    clickTool(kExit);
    ASSERT_TRUE(program_.waitForFinished(30000)) << "the program did not end";
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);

    for (const char* name : {"Вычислица.ini", "Вычислица.log"}) {
        EXPECT_FALSE(QFile::exists(installed(kProgramFolder + "/" + QString::fromUtf8(name)))) << name;
        EXPECT_TRUE(QFile::exists(dataFile(name))) << name;
    }
    const std::string log = protocol();
    EXPECT_TRUE(contains(log, "************ Протокол работы программы Вычислица ************\r\n")) << log;
    EXPECT_TRUE(contains(log, "4 + 5 = 9\r\n")) << log;

    const std::string settings = decoded(dataFile("Вычислица.ini"));
    // What each window keeps, in the file (sections and keys are looked for
    // one by one: a file keeps them in the order they were first written).
    const std::string user = "[" + (asNobody_ ? std::string("nobody") : loginName()) + "]\r\n";
    const std::pair<const char*, std::vector<std::string>> kept[] = {
        {"TForm1", {"[position]\r\n", "\r\nleft=500\r\ntop=229\r\n", "[tools]\r\n", "\r\nLabel14=4 + 5 = 9\r\n",
                    user, "\r\nColor="}},
        {"TForm2", {"[О программе]\r\n", "\r\nLabel8=Частота: "}},
        {"TForm4", {"[position(ур-я)]\r\n"}},
        {"TForm5", {"[position Графики]\r\n", "\r\nЦвет1=", "\r\nочишать=", "\r\nкоординаты="}},
        {"TForm6", {"[мат]\r\n"}},
        {"TForm8", {"[position Form8(числа)]\r\n"}},
        {"TForm9", {"[position Form9(%)]\r\n"}},
        {"TForm10", {"[position Form10(LOG)]\r\n"}},
        {"TForm11", {"[position Form11(Степень)]\r\n"}},
        {"TForm17", {"[arc]\r\n"}},
        {"TForm19", {"\r\ncloseanim=0\r\n", "\r\nSkin=Vista (internal)\r\n", "\r\nFont Color=", "\r\nSize=",
                     "\r\nopenanim=", "\r\nBalloon="}},
        {"TForm21", {"\r\nf21left="}},
        {"TForm22", {"\r\nf22left="}},
        {"TForm23", {"\r\nf23left="}},
        {"TForm24", {"\r\nf24left="}},
        {"TForm25", {"\r\nf25left=", "\r\nf25Width="}},
        {"TForm26", {"\r\nf26left="}},
    };
    for (const auto& [window, texts] : kept)
        for (const std::string& text : texts) EXPECT_TRUE(contains(settings, text)) << window << ": " << text;
    if (HasFailure()) std::printf("%s\n", settings.c_str());
}

} // namespace
