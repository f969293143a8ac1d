#include "ui/colorbtn.h"

#include "tests/support/guitest.h"

#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>

namespace vy::test {
namespace {

const QColor kFace(10, 200, 30);

class ColorBtnTest : public GuiTest {
protected:
    ColorBtnTest()
    {
        // Large bold letters leave pixels in the exact ink colour between
        // their smoothed edges.
        QFont big = button.font();
        big.setPixelSize(16);
        big.setBold(true);
        button.setFont(big);
        button.setFocusPolicy(Qt::NoFocus);
        button.setButtonColor(kFace);
        button.resize(120, 30);
        button.show();
        processEvents();
    }

    QImage shot() { return button.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The bounding box of the pixels in colour c.
    static QRect pixelsOf(const QImage& image, const QColor& c)
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == c.rgb())
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    void mouse(QEvent::Type type)
    {
        const QPointF at(10, 10);
        QMouseEvent e(type, at, button.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&button, &e);
    }

    TColorBtn button{QStringLiteral("График")};
};

TEST_F(ColorBtnTest, FaceIsTheButtonColourInsideTheRaisedFrame)
{
    const QImage image = shot();
    EXPECT_EQ(image.pixelColor(4, 15), kFace);
    EXPECT_EQ(pixelsOf(image, kFace), QRect(2, 2, 116, 26)) << "two frame pixels on every side";
    button.setButtonColor(Qt::blue);
    EXPECT_EQ(shot().pixelColor(4, 15), QColor(Qt::blue));
    // The default button, or a focused one, gets a one-pixel outline around the frame.
    button.setDefault(true);
    EXPECT_EQ(pixelsOf(shot(), Qt::blue), QRect(3, 3, 114, 24));
    EXPECT_EQ(shot().pixel(0, 15), button.palette().color(QPalette::WindowText).rgb());
}

TEST_F(ColorBtnTest, PressedShowsTheCaptionOnePixelDownRightInAShadowBorder)
{
    QPalette pal = button.palette();
    const QColor ink(200, 0, 150); // unlike any colour of the frame
    pal.setColor(QPalette::ButtonText, ink);
    button.setPalette(pal);
    const QRect up = pixelsOf(shot(), ink);
    ASSERT_FALSE(up.isEmpty());
    button.setDown(true);
    const QImage pressed = shot();
    EXPECT_EQ(pixelsOf(pressed, ink), up.translated(1, 1));
    EXPECT_EQ(pressed.pixel(0, 15), button.palette().color(QPalette::Dark).rgb());
    // Without the 3D frame the face runs flat right up to the border.
    EXPECT_EQ(pressed.pixel(1, 15), kFace.rgb());
    button.setFrame3D(true);
    EXPECT_NE(shot().pixel(1, 15), kFace.rgb()) << "the pushed frame inside the border";
}

TEST_F(ColorBtnTest, DisabledShowsAnEmbossedCaption)
{
    button.setEnabled(false);
    // Inside the frame only the caption has the highlight and shadow colours.
    const QImage face = shot().copy(QRect(3, 3, 114, 24));
    const QRect light = pixelsOf(face, button.palette().color(QPalette::Light));
    const QRect dark = pixelsOf(face, button.palette().color(QPalette::Dark));
    ASSERT_FALSE(light.isEmpty());
    ASSERT_FALSE(dark.isEmpty());
    // The highlight copy lies one pixel down and right of the shadow copy.
    EXPECT_EQ(light.right(), dark.right() + 1);
    EXPECT_EQ(light.bottom(), dark.bottom() + 1);
}

TEST_F(ColorBtnTest, ADoubleClickGivesTwoClicks)
{
    QSignalSpy clicks(&button, &QPushButton::clicked);
    mouse(QEvent::MouseButtonPress);
    mouse(QEvent::MouseButtonRelease);
    mouse(QEvent::MouseButtonDblClick);
    mouse(QEvent::MouseButtonRelease);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(ColorValue, StoredValuesAreRgbOrADesktopElement)
{
    ensureApplication();
    EXPECT_EQ(TColorBtn::fromColorValue(0x0000FF), QColor(Qt::red));
    EXPECT_EQ(TColorBtn::colorValue(QColor(1, 2, 3)), 0x030201);
    // Settings written with an element's colour: 0xFF00001C, the inactive-caption gradient.
    EXPECT_EQ(TColorBtn::fromColorValue(-16777188), TColorBtn::systemColor(TColorBtn::GradientInactiveCaption));
    EXPECT_EQ(TColorBtn::fromColorValue(static_cast<int>(0xFF00000Fu)), QPalette().color(QPalette::Button));
}

} // namespace
} // namespace vy::test
