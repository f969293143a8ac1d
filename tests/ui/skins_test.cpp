// The skin engine: skins applied to the whole program, the fades with which
// windows come and go, windows that keep their own outline, the selection
// dialog, and the skins that come with the program.
#include "ui/skindialog.h"
#include "ui/skinlist.h"
#include "ui/skins.h"

#include "tests/support/windowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vy::test {
namespace {

constexpr double kOneStep = 1.0 / 255; // opacity is kept in 256 levels

class SkinEngineTest : public GuiTest {
protected:
    SkinEngineTest()
    {
        writeFile("Skins/Мята.qss", kMint);
        writeFile("Skins/Иней.qss", kFrost);
        skins.setFolder(path("Skins"));
    }

    // The picture of a closed window while it fades, if there is one.
    static QWidget* ghost()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(SkinEngine::kGhostName) && w->isVisible())
                return w;
        return nullptr;
    }

    static constexpr const char* kMint = "QPushButton { color: rgb(10, 120, 60); }";
    static constexpr const char* kFrost = "QPushButton { color: rgb(20, 60, 200); }";
    SkinEngine skins;
};

TEST_F(SkinEngineTest, ASkinIsAppliedToEveryWindowAtOnceAndAnUnknownNameChangesNothing)
{
    QWidget first;
    auto* button = new QPushButton("=", &first);
    first.show();
    EXPECT_EQ(skins.skinName(), skins::kBuiltin);
    EXPECT_EQ(skins.skinNames(), (std::vector<std::string>{skins::kBuiltin, "Иней", "Мята"}));

    ASSERT_TRUE(skins.select("Мята"));
    EXPECT_EQ(skins.skinName(), "Мята");
    EXPECT_EQ(qApp->styleSheet(), kMint);
    processEvents();
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(10, 120, 60));

    // A window made later has the skin too.
    QWidget second;
    auto* later = new QPushButton("=", &second);
    second.show();
    processEvents();
    EXPECT_EQ(later->palette().color(QPalette::ButtonText), QColor(10, 120, 60));

    for (const char* unknown : {skins::kNoSkins, "Графит", ""}) {
        EXPECT_FALSE(skins.select(unknown)) << unknown;
        EXPECT_EQ(skins.skinName(), "Мята");
        EXPECT_EQ(qApp->styleSheet(), kMint);
    }
    ASSERT_TRUE(skins.select(skins::kBuiltin));
    EXPECT_EQ(qApp->styleSheet(), "");
}

TEST_F(SkinEngineTest, ColoursAndFontsTheProgramSetsSurviveAChangeOfSkin)
{
    ASSERT_TRUE(skins.select("Мята"));
    QWidget window;
    auto* label = new QLabel("2 + 3 = 5", &window);
    window.show();
    processEvents();
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, QColor(0, 128, 128));
    window.setPalette(colours);
    colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(colours);
    QFont font = label->font();
    font.setPointSize(18);
    font.setBold(true);
    label->setFont(font);

    for (const char* next : {"Иней", skins::kBuiltin}) {
        ASSERT_TRUE(skins.select(next));
        processEvents();
        EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0, 128, 128)) << next;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0)) << next;
        EXPECT_EQ(label->font().pointSize(), 18) << next;
        EXPECT_TRUE(label->font().bold()) << next;
    }
}

TEST_F(SkinEngineTest, EndingTheEngineGivesBackTheLookTheProgramHadBefore)
{
    qApp->setStyleSheet("QLabel { color: red; }");
    {
        SkinEngine own;
        own.setFolder(path("Skins"));
        ASSERT_TRUE(own.select("Иней"));
        EXPECT_EQ(qApp->styleSheet(), kFrost);
    }
    EXPECT_EQ(qApp->styleSheet(), "QLabel { color: red; }");
    qApp->setStyleSheet(QString());
}

TEST_F(SkinEngineTest, ShownWindowsRiseFromNothingToTheirOwnOpacity)
{
    QWidget window;
    window.setWindowOpacity(0.8);
    window.show();
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 0.8) << "no fade until the engine is told to";
    window.hide();

    skins.setShowAnimation(true);
    QMenu menu; // menus, hints and balloons are not faded
    menu.addAction("x");
    menu.popup(QPoint(0, 0));
    EXPECT_DOUBLE_EQ(menu.windowOpacity(), 1.0);
    menu.hide();

    window.show();
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 0.0);
    double previous = 0;
    bool rising = true;
    EXPECT_TRUE(waitUntil([&] {
        rising = rising && window.windowOpacity() >= previous;
        previous = window.windowOpacity();
        return window.windowOpacity() >= 0.8 - kOneStep;
    }));
    EXPECT_TRUE(rising);
    EXPECT_NEAR(window.windowOpacity(), 0.8, kOneStep);

    // Hidden half way, the window keeps its own opacity for the next showing.
    window.hide();
    window.show();
    window.hide();
    EXPECT_NEAR(window.windowOpacity(), 0.8, kOneStep);
}

// A window whose close the user may refuse.
class RefusingWindow : public QWidget {
public:
    bool refuse = false;

protected:
    void closeEvent(QCloseEvent* event) override { refuse ? event->ignore() : event->accept(); }
};

TEST_F(SkinEngineTest, AClosedWindowLeavesItsPictureFadingAwayWhereItWas)
{
    skins.setHideAnimation(true);
    RefusingWindow window;
    window.setGeometry(100, 120, 200, 150);
    window.show();

    window.refuse = true;
    window.close();
    processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ghost(), nullptr) << "a refused close leaves nothing behind";

    window.refuse = false;
    window.close();
    QWidget* picture = ghost();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), window.geometry());
    EXPECT_FALSE(picture->isActiveWindow());
    EXPECT_TRUE(waitUntil([] { return ghost() == nullptr; }, 2000));

    // Hidden without being closed (as a modal dialog ends), no picture.
    window.show();
    window.hide();
    EXPECT_EQ(ghost(), nullptr);
}

TEST_F(SkinEngineTest, AWindowThatKeepsItsOwnOutlineIsNeitherFadedInNorOut)
{
    skins.setShowAnimation(true);
    skins.setHideAnimation(true);
    QWidget window;
    window.show();
    ASSERT_DOUBLE_EQ(window.windowOpacity(), 0.0);
    // Stopped half way through its fade, it is whole at once.
    skins.stopNonClient(window);
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    window.close();
    EXPECT_EQ(ghost(), nullptr);
    window.show();
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
}

TEST_F(SkinEngineTest, EndingTheEngineEndsItsFades)
{
    QWidget window;
    {
        SkinEngine own;
        own.setShowAnimation(true);
        own.setHideAnimation(true);
        QWidget closing;
        closing.show();
        closing.close();
        ASSERT_NE(ghost(), nullptr);
        window.show();
        ASSERT_DOUBLE_EQ(window.windowOpacity(), 0.0);
    }
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    EXPECT_EQ(ghost(), nullptr);
}

TEST_F(SkinEngineTest, TheDialogShowsThePickedSkinAndGivesItWithItsFolder)
{
    writeFile("Other/Графит.qss", "QPushButton { color: rgb(200, 120, 30); }");
    ASSERT_TRUE(skins.select("Иней"));
    QStringList asked;
    SkinDialog dialog(skins, "Иней", path("Skins"), nullptr, [&](QWidget*, const std::string& start) {
        asked << QString::fromStdString(start);
        return std::optional<std::string>(path("Other"));
    });
    auto* list = control<QListWidget>(dialog, "SkinList");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentItem()->text(), "Иней");

    list->setCurrentRow(2); // "Мята": seen on the program, not yet in force
    EXPECT_EQ(qApp->styleSheet(), kMint);
    EXPECT_EQ(skins.skinName(), "Иней");
    EXPECT_EQ(dialog.choice(), (SkinChoice{"Мята", path("Skins")}));

    control<QPushButton>(dialog, "BrowseButton")->click();
    EXPECT_EQ(asked, QStringList{QString::fromStdString(path("Skins"))});
    EXPECT_EQ(control<QLineEdit>(dialog, "FolderEdit")->text().toStdString(), path("Other"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentItem()->text().toStdString(), skins::kBuiltin) << "the other folder has no Мята";
    list->setCurrentRow(1);
    EXPECT_EQ(dialog.choice(), (SkinChoice{"Графит", path("Other")}));
    skins.endPreview();
    EXPECT_EQ(qApp->styleSheet(), kFrost);
}

TEST_F(SkinEngineTest, ClosingTheDialogPutsTheSkinInForceBack)
{
    ASSERT_TRUE(skins.select("Иней"));
    const auto answer = [](bool confirm) {
        QTimer::singleShot(0, [confirm] {
            SkinDialog* dialog = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<SkinDialog*>(w); d && d->isVisible())
                    dialog = d;
            ASSERT_TRUE(dialog);
            dialog->findChild<QListWidget*>("SkinList")->setCurrentRow(2);
            confirm ? dialog->accept() : dialog->reject();
        });
    };
    answer(false);
    EXPECT_EQ(skins.chooseSkin(nullptr, "Иней", path("Skins")), std::nullopt);
    EXPECT_EQ(qApp->styleSheet(), kFrost);
    answer(true);
    EXPECT_EQ(skins.chooseSkin(nullptr, "Иней", path("Skins")), (SkinChoice{"Мята", path("Skins")}));
    EXPECT_EQ(qApp->styleSheet(), kFrost) << "the caller makes the choice the skin in force";
}

// Collects what Qt warns about while it is installed.
class Warnings {
public:
    Warnings() { previous_ = qInstallMessageHandler(&Warnings::note); }
    ~Warnings() { qInstallMessageHandler(previous_); }
    static QStringList& seen()
    {
        static QStringList all;
        return all;
    }

private:
    static void note(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        // The offscreen platform's own remarks are not about the sheet.
        if (type != QtDebugMsg && !text.contains(QLatin1String("propagateSizeHints")))
            seen() << text;
    }
    QtMessageHandler previous_;
};

// Every kind of control a skin styles, shown so that the sheet is read.
QStringList warningsWhileStyling(SkinEngine& skins, const std::string& name)
{
    Warnings::seen().clear();
    Warnings collect;
    EXPECT_TRUE(skins.select(name)) << name;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QPushButton("Принять"));
    layout->addWidget(new QLineEdit("12,5"));
    auto* combo = new QComboBox;
    combo->setEditable(true);
    layout->addWidget(combo);
    layout->addWidget(new QListWidget);
    layout->addWidget(new QGroupBox("Шрифт "));
    layout->addWidget(new QCheckBox("Жирный шрифт"));
    layout->addWidget(new QProgressBar);
    window.show();
    processEvents();
    window.grab();
    return Warnings::seen();
}

TEST_F(SkinEngineTest, TheSkinsThatComeWithTheProgramAreSheetsQtReads)
{
    // The check itself: a broken sheet is noticed.
    writeFile("Skins/Broken.qss", "QPushButton { color: rgb(1, 2; ");
    EXPECT_FALSE(warningsWhileStyling(skins, "Broken").isEmpty());

    skins.setFolder(VY_SHIPPED_SKINS);
    const std::vector<std::string> names = skins::folderSkins(VY_SHIPPED_SKINS);
    EXPECT_GE(names.size(), 3u);
    for (const std::string& name : names)
        EXPECT_EQ(warningsWhileStyling(skins, name), QStringList()) << name;
}

} // namespace
} // namespace vy::test
