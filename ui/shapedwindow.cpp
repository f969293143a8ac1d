#include "ui/shapedwindow.h"

#include "core/inifile.h"
#include "platform/qt/placement.h"
#include "ui/colorbtn.h"
#include "ui/pictureshape.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <vector>

namespace vy {

namespace {

PixelView viewOf(QImage& image)
{
    return {reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
            static_cast<std::ptrdiff_t>(image.bytesPerLine() / 4)};
}

QRgb opaque(QRgb pixel) { return qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)); }

} // namespace

QImage ShapedWindow::blankPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kBackground);
    return picture;
}

QImage ShapedWindow::bodyPicture(QSize size, const QPainterPath& outline)
{
    QImage picture = blankPicture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(64, 64, 96), 2));
    painter.setBrush(TColorBtn::fromColorValue(ini::kSilver));
    // Overlapping parts of the outline add up rather than cancel out.
    QPainterPath body = outline;
    body.setFillRule(Qt::WindingFill);
    painter.drawPath(body.simplified());
    return picture;
}

QPixmap ShapedWindow::drawnPicture(QSize size, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

QRegion ShapedWindow::shapeOf(const QImage& picture)
{
    QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const std::vector<PixelRun> runs = opaqueRuns(viewOf(pixels));
    std::vector<QRect> rects;
    rects.reserve(runs.size());
    for (const PixelRun& run : runs)
        rects.emplace_back(run.left, run.y, run.right - run.left, 1);
    // Row by row and left to right within a row: the banded order setRects wants.
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

ToolWindow::Design ShapedWindow::borderless(Design design, QSize client)
{
    design.client = client;
    design.resizable = false;
    design.flags = Qt::Dialog | Qt::FramelessWindowHint;
    return design;
}

ShapedWindow::ShapedWindow(platform::Host host, DataFolder data, Design design, const QImage& picture,
                           const char* pictureName, QWidget* parent)
    : ToolWindow(host, std::move(data), borderless(design, picture.size()), parent),
      picture_(picture.convertToFormat(QImage::Format_RGB32))
{
    pictureLabel_ = place<QLabel>(this, pictureName, QRect(QPoint(0, 0), picture_.size()));
    pictureLabel_->setPixmap(QPixmap::fromImage(picture_));
    pictureLabel_->lower();
    setMask(shapeOf(picture_));
    dragByBackground();

    // In the middle of the screen, unless a stored place says otherwise.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        platform::moveOnScreen(*this, screen->availableGeometry().center() - rect().center());
        guarded([this] { readPlace(); });
    }
}

void ShapedWindow::Formcolor(QWidget& mainWindow)
{
    const std::int32_t colour = IniFile(data().settingsPath()).readColor(userSection(), ini::kColor, ini::kSilver);
    const QRgb main = opaque(mainWindow.grab(QRect(2, 2, 1, 1)).toImage().pixel(0, 0));
    const QColor fill = TColorBtn::fromColorValue(colour);
    if (!followColour(viewOf(picture_), main, fill.rgb()))
        return;
    pictureLabel_->setPixmap(QPixmap::fromImage(picture_));
    // Texts on the body stay readable on a dark colour.
    QPalette own = palette();
    own.setColor(QPalette::WindowText, fill.lightness() < 128 ? Qt::white : Qt::black);
    setPalette(own);
}

void ShapedWindow::showEvent(QShowEvent* event)
{
    ToolWindow::showEvent(event);
    // The shape given before the native window existed does not always reach
    // the display server.
    if (QWindow* window = windowHandle())
        window->setMask(mask());
}

void ShapedWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    ToolWindow::keyPressEvent(event);
}

} // namespace vy
