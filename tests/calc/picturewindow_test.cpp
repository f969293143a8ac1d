#include "calc/ui/form13.h"
#include "calc/ui/form14.h"
#include "calc/ui/form15.h"
#include "calc/ui/form16.h"
#include "tests/support/windowtest.h"

#include <QSignalSpy>
#include <QTest>

#include <filesystem>
#include <memory>

namespace vy::test {
namespace {

class PictureWindowTest : public GuiTest {
protected:
    // The pictures as the build puts them beside the program.
    void copyPictures()
    {
        const std::filesystem::path tables = std::filesystem::path(folder()) / PictureWindow::kFolder;
        std::filesystem::create_directories(tables);
        for (const auto& entry : std::filesystem::directory_iterator(VY_TABLE_PICTURES))
            std::filesystem::copy_file(entry.path(), tables / entry.path().filename());
    }

    template <class Window>
    std::unique_ptr<PictureWindow> make()
    {
        return std::make_unique<Window>(host_.host(), DataFolder{folder()});
    }

    std::unique_ptr<PictureWindow> make(int number)
    {
        switch (number) {
        case 13:
            return make<TForm13>();
        case 14:
            return make<TForm14>();
        case 15:
            return make<TForm15>();
        default:
            return make<TForm16>();
        }
    }
};

struct Design {
    int number;
    QSize client;
    bool repaintsOpener;
    bool closesOnDoubleClick;
};

const Design kDesigns[] = {
    {13, {384, 260}, true, true},
    {14, {628, 314}, true, true},
    {15, {321, 194}, false, false},
    {16, {328, 430}, true, false},
};

TEST_F(PictureWindowTest, ShowsItsPictureAndClosesOnAClick)
{
    copyPictures();
    for (const Design& d : kDesigns) {
        const auto window = make(d.number);
        EXPECT_EQ(window->objectName().toStdString(), "TForm" + std::to_string(d.number));
        EXPECT_EQ(window->windowTitle(), "");
        EXPECT_EQ(window->size(), d.client);
        window->show();
        processEvents();
        EXPECT_EQ(window->picture().size(), d.client) << d.number;

        QSignalSpy repaint(window.get(), &PictureWindow::repaintOpener);
        QTest::mouseClick(control<QWidget>(*window, "Image1"), Qt::LeftButton);
        EXPECT_FALSE(window->isVisible()) << d.number;
        EXPECT_EQ(repaint.size(), d.repaintsOpener ? 1 : 0) << d.number;
    }
    EXPECT_TRUE(host_.presenter.shown.empty());
}

TEST_F(PictureWindowTest, DoubleClickAndEscape)
{
    copyPictures();
    for (const Design& d : kDesigns) {
        const auto window = make(d.number);
        window->show();
        processEvents();
        QTest::mouseDClick(control<QWidget>(*window, "Image1"), Qt::LeftButton);
        EXPECT_EQ(window->isVisible(), !d.closesOnDoubleClick) << d.number;

        window->show();
        processEvents();
        QTest::keyClick(window.get(), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << d.number;
    }
}

TEST_F(PictureWindowTest, MissingOrDamagedPictureLeavesANoteAndStillCloses)
{
    const auto window = make<TForm16>();
    window->show();
    processEvents();
    EXPECT_TRUE(window->picture().isNull());
    QTest::mouseClick(control<QWidget>(*window, "Image1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());

    // Not a JPEG file: the codec's failure is caught too.
    std::filesystem::create_directories(std::filesystem::path(folder()) / PictureWindow::kFolder);
    writeFile(std::string(PictureWindow::kFolder) + "/" + TForm16::kFile, "BM not a picture");
    window->show();
    processEvents();
    EXPECT_TRUE(window->picture().isNull());
    window->close();

    // Once the file is there, the next showing reads it.
    std::filesystem::remove_all(std::filesystem::path(folder()) / PictureWindow::kFolder);
    copyPictures();
    window->show();
    processEvents();
    EXPECT_EQ(window->picture().size(), QSize(328, 430));
    EXPECT_TRUE(host_.presenter.shown.empty());
}

} // namespace
} // namespace vy::test
