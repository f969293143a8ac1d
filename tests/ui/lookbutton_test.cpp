// The picture button: one look visible at a time, following the mouse, and a
// click only for a press and release over it.
#include "ui/lookbutton.h"

#include "tests/support/windowtest.h"

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

namespace vy::test {
namespace {

QPixmap filled(QColor colour)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(colour);
    return pixmap;
}

class LookButtonTest : public GuiTest {
protected:
    LookButtonTest()
    {
        parent.resize(100, 100);
        parent.show();
        processEvents();
    }

    LookButton* make(bool withPressedLook)
    {
        std::optional<LookButton::Look> pressed;
        if (withPressedLook)
            pressed = LookButton::Look{"Pressed", filled(Qt::red)};
        auto* button = new LookButton("Button", {10, 10, 20, 20}, {"Normal", filled(Qt::gray)},
                                      {"Hover", filled(Qt::blue)}, pressed, &parent);
        button->show();
        return button;
    }

    // The names of the visible looks.
    QStringList visible(LookButton& button)
    {
        QStringList names;
        for (const char* name : {"Normal", "Hover", "Pressed"})
            if (auto* look = button.findChild<QWidget*>(name); look && look->isVisible())
                names << name;
        return names;
    }

    static void enter(LookButton& button)
    {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&button, &event);
    }
    static void leave(LookButton& button)
    {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &event);
    }
    static void moveHeld(LookButton& button, QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, at, button.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&button, &event);
    }

    QWidget parent;
};

TEST_F(LookButtonTest, ShowsTheLookOfItsStateAndClicksOnAReleaseOverIt)
{
    LookButton& button = *make(true);
    QSignalSpy clicked(&button, &LookButton::clicked);
    EXPECT_EQ(visible(button), QStringList{"Normal"});
    enter(button);
    EXPECT_EQ(visible(button), QStringList{"Hover"});
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(visible(button), QStringList{"Pressed"});
    // Held and moved off the button, then back.
    moveHeld(button, QPoint(40, 5));
    EXPECT_EQ(visible(button), QStringList{"Normal"});
    moveHeld(button, QPoint(5, 5));
    EXPECT_EQ(visible(button), QStringList{"Pressed"});
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(visible(button), QStringList{"Hover"});
    EXPECT_EQ(clicked.count(), 1);
    leave(button);
    EXPECT_EQ(visible(button), QStringList{"Normal"});

    // Released elsewhere, or another button: no click.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(40, 5));
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(visible(button), QStringList{"Normal"});

    enter(button);
    button.reset();
    EXPECT_EQ(visible(button), QStringList{"Normal"});
}

TEST_F(LookButtonTest, WithoutAPressedLookAPressKeepsTheHoverLook)
{
    LookButton& button = *make(false);
    QSignalSpy clicked(&button, &LookButton::clicked);
    enter(button);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.state(), LookButton::State::Pressed);
    EXPECT_EQ(visible(button), QStringList{"Hover"});
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
}

} // namespace
} // namespace vy::test
