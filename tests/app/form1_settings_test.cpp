// What the settings window changes in the main window: the skin engine (the
// skin folder beside the program, the stored skin, when the engine may fade
// windows, the shrinking close that keeps its outline to itself) and the
// results' font, which the window grows to fit.
#include "tests/app/form1_test.h"
#include "ui/skinlist.h"
#include "ui/skins.h"
#include "platform/qt/elidedlabel.h"

#include <QApplication>
#include <QTest>

namespace vy::test {
namespace {

class Form1SkinsTest : public Form1Test {
protected:
    std::unique_ptr<TForm1> makeSkinned() { return std::make_unique<TForm1>(host_.host(), DataFolder{folder()}, &skins); }

    static bool fadingPicture() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(SkinEngine::kGhostName) && w->isVisible()) return true;
        return false;
    }

    SkinEngine skins;
};

TEST_F(Form1SkinsTest, TheStoredSkinComesFromTheFolderBesideTheProgram) {
    writeFile("Skins/Мята.qss", "QPushButton { color: rgb(10, 120, 60); }");
    writeFile("Вычислица.ini", "[tester]\r\nopenanim=0\r\nSkin=Мята\r\n");
    auto form = makeSkinned();
    EXPECT_EQ(skins.folder(), folder() + "Skins");
    EXPECT_EQ(skins.skinName(), "Мята");
    EXPECT_EQ(qApp->styleSheet(), "QPushButton { color: rgb(10, 120, 60); }");
    form.reset();

    // A skin whose file is gone leaves the built-in look.
    SkinEngine fresh;
    writeFile("Вычислица.ini", "[tester]\r\nopenanim=0\r\nSkin=Графит\r\n");
    TForm1 again(host_.host(), DataFolder{folder()}, &fresh);
    EXPECT_EQ(fresh.skinName(), skins::kBuiltin);
}

TEST_F(Form1SkinsTest, WithoutItsOwnFadeTheMainWindowLetsTheEngineFadeWindowsIn) {
    writeFile("Вычислица.ini", "[tester]\r\nopenanim=0\r\n");
    auto form = makeSkinned();
    EXPECT_TRUE(skins.showAnimation());
    EXPECT_FALSE(skins.hideAnimation());
}

TEST_F(Form1SkinsTest, OnceItsOwnFadeHasEndedTheEngineFadesWindowsInAndOut) {
    writeFile("Вычислица.ini", "");
    auto form = makeSkinned();
    form->show();
    ASSERT_TRUE(form->Timer2->isActive());
    EXPECT_FALSE(skins.showAnimation());
    while (form->Timer2->isActive()) tick(form->Timer2);
    EXPECT_TRUE(skins.showAnimation());
    EXPECT_TRUE(skins.hideAnimation());
}

TEST_F(Form1SkinsTest, TheShrinkingCloseIsNotFadedOutByTheEngine) {
    writeFile("Вычислица.ini", "[tester]\r\nopenanim=0\r\ncloseanim=1\r\n");
    auto form = makeSkinned();
    skins.setHideAnimation(true);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->close();
    ASSERT_TRUE(form->Timer3->isActive());
    EXPECT_FALSE(fadingPicture());
    EXPECT_DOUBLE_EQ(form->windowOpacity(), 1.0);
    tick(control<QTimer>(*form, "CloseLimit"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(fadingPicture());
}

TEST_F(Form1Test, ResultsInALargerFontStillFitTheirWindow) {
    auto form = showForm();
    setText(*form, "Edit8", "123456789");
    setText(*form, "Edit9", "987654321");
    button(*form, "Button8")->click();
    const QRect screen = form->screen()->availableGeometry();
    for (const int size : {24, 48}) {
        for (const char* name : ini::kResultLabels) {
            QFont font = resultLabel(*form, name)->font();
            font.setPointSize(size);
            font.setBold(true);
            resultLabel(*form, name)->setFont(font);
        }
        processEvents();
        EXPECT_TRUE(waitUntil([&] { return screen.contains(form->frameGeometry()); }, 2000)) << size;
        // Each result a line of its own, left of the tool buttons.
        const int tools = button(*form, "BitBtn4")->x();
        int below = 0;
        for (const char* name : ini::kResultLabels) {
            const QLabel* result = resultLabel(*form, name);
            EXPECT_GE(result->height(), QFontMetrics(result->font()).height()) << name << " at " << size;
            EXPECT_GE(result->y(), below) << name << " at " << size;
            below = result->geometry().bottom();
            if (result->y() < button(*form, "Button10")->y()) {
                EXPECT_LE(result->geometry().right(), tools) << name << " at " << size;
            }
        }
    }
    // At 24 points a usual line is whole; at 48 the screen is too narrow for it.
    auto* sum = static_cast<platform::ElidedLabel*>(resultLabel(*form, "Label14"));
    EXPECT_NE(sum->shownText(), sum->text());
    EXPECT_EQ(sum->toolTip(), sum->text());
}

} // namespace
} // namespace vy::test
