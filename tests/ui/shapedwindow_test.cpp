// The picture-shaped window: its shape and size from the picture, dragging by
// the picture, its picture following the user's colour, Escape closing it.
#include "ui/shapedwindow.h"

#include "tests/support/windowtest.h"
#include "ui/colorbtn.h"

#include <QLabel>
#include <QPainter>
#include <QTest>

namespace vy::test {
namespace {

// A 240 x 220 body: a rounded square with a round tab standing above its top
// left corner, as the windows draw theirs.
QImage tabbedPicture()
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(1, 31, 238, 188), 16, 16);
    outline.addEllipse(QPointF(40, 40), 36, 36);
    return ShapedWindow::bodyPicture({240, 220}, outline);
}

class ShapedWindowTest : public GuiTest {
protected:
    ShapedWindowTest()
        : window(host_.host(), DataFolder{folder()}, {"TFormX", QStringLiteral("Окно"), {}, nullptr}, tabbedPicture(),
                 "Image9")
    {
    }

    void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, target->mapToGlobal(at), button, held, {});
        QCoreApplication::sendEvent(target, &event);
    }

    void setUserColour(int value) { IniFile(path("Вычислица.ini")).writeInteger("tester", "Color", value); }

    ShapedWindow window;
};

TEST_F(ShapedWindowTest, IsBorderlessShapedAndSizedByItsPicture)
{
    EXPECT_EQ(window.size(), QSize(240, 220));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.windowTitle(), "Окно");
    const QRegion shape = window.mask();
    EXPECT_EQ(shape, ShapedWindow::shapeOf(window.picture()));
    EXPECT_TRUE(shape.contains(QPoint(40, 10))) << "the tab";
    EXPECT_TRUE(shape.contains(QPoint(40, 40))) << "where the tab and the body overlap";
    EXPECT_TRUE(shape.contains(QPoint(120, 120)));
    EXPECT_FALSE(shape.contains(QPoint(200, 10))) << "beside the tab";
    EXPECT_FALSE(shape.contains(QPoint(238, 218))) << "outside a rounded corner";
    EXPECT_EQ(shape.boundingRect(), QRect(0, 3, 240, 217));
    EXPECT_EQ(control<QLabel>(window, "Image9")->geometry(), window.rect());
}

TEST_F(ShapedWindowTest, DragsByItsPictureWithTheLeftButton)
{
    window.move(100, 100);
    window.show();
    processEvents();
    QWidget* picture = control<QWidget>(window, "Image9");
    const QPoint start = window.pos();

    sendMouse(picture, QEvent::MouseButtonPress, {50, 60}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(window.dragging());
    sendMouse(picture, QEvent::MouseMove, {70, 75}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.pos(), start + QPoint(20, 15));
    // The picture moved with the window: the next position is relative to it.
    sendMouse(picture, QEvent::MouseMove, {40, 60}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.pos(), start + QPoint(10, 15));
    sendMouse(picture, QEvent::MouseButtonRelease, {40, 60}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(window.dragging());
    sendMouse(picture, QEvent::MouseMove, {90, 90}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window.pos(), start + QPoint(10, 15));

    // The right button does not drag.
    sendMouse(picture, QEvent::MouseButtonPress, {50, 60}, Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(window.dragging());
}

TEST_F(ShapedWindowTest, PictureFollowsTheUsersColourWhenTheMainWindowHasAnother)
{
    const QRgb silver = window.picture().pixel(200, 200);
    const QRgb edge = window.picture().pixel(1, 120);
    ASSERT_EQ(silver, qRgb(192, 192, 192));
    QWidget mainWindow;
    mainWindow.resize(50, 50);
    mainWindow.setAutoFillBackground(true);
    const auto paintMain = [&](QColor colour) {
        QPalette own = mainWindow.palette();
        own.setColor(QPalette::Window, colour);
        mainWindow.setPalette(own);
    };

    // Silver like the picture: no change, whatever the user's colour.
    paintMain(QColor(192, 192, 192));
    setUserColour(0x800000); // navy, as the settings file stores it
    window.Formcolor(mainWindow);
    EXPECT_EQ(window.picture().pixel(200, 200), silver);

    // The main window took the user's colour: so does the picture, once.
    paintMain(QColor(0, 0, 128));
    window.Formcolor(mainWindow);
    EXPECT_EQ(window.picture().pixel(200, 200), qRgb(0, 0, 128));
    EXPECT_EQ(window.picture().pixel(120, 100), qRgb(0, 0, 128));
    EXPECT_EQ(window.picture().pixel(1, 120), edge);
    EXPECT_EQ(window.picture().pixel(0, 0), ShapedWindow::kBackground);
    EXPECT_EQ(window.palette().color(QPalette::WindowText), QColor(Qt::white)) << "readable on navy";
    EXPECT_EQ(control<QLabel>(window, "Image9")->pixmap().toImage().pixel(200, 200), qRgb(0, 0, 128));

    // No key yet: silver, which the picture already is not.
    IniFile(path("Вычислица.ini")).writeString("tester", "Color", "");
    paintMain(QColor(0, 128, 0));
    window.Formcolor(mainWindow);
    EXPECT_EQ(window.picture().pixel(200, 200), silver);
}

TEST_F(ShapedWindowTest, EscapeClosesIt)
{
    window.show();
    processEvents();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace vy::test
