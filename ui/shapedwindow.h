#pragma once
// A borderless tool window shaped like its picture: the picture fills the
// window, its top-left pixel is the background, and only the rest of it is
// the window (ui/pictureshape.h). The user drags it by its picture and its
// texts, closes it with its own picture buttons or Escape, and its picture
// follows the user's colour (Formcolor).
//
// The pictures are drawn by the windows themselves (bodyPicture, blankPicture).
#include "platform/qt/toolwindow.h"

#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <functional>

class QLabel;
class QPainter;

namespace vy {

class ShapedWindow : public ToolWindow {
    Q_OBJECT
public:
    // The background colour of our pictures (any colour they never use inside).
    static constexpr QRgb kBackground = 0xFFFF00FF;
    // A picture of the given size, all background, ready to be drawn on.
    static QImage blankPicture(QSize size);
    // A picture whose body is outline (its parts united) filled in silver with
    // a dark edge, drawn without smoothing so that the body is one flat colour to follow the
    // user's colour and its edge is the window's edge.
    static QImage bodyPicture(QSize size, const QPainterPath& outline);
    // A transparent picture of the given size with draw's smooth drawing on it
    // (buttons, icons and looks over the window's picture).
    static QPixmap drawnPicture(QSize size, const std::function<void(QPainter&)>& draw);
    // The visible region of a picture: its non-background runs, row by row.
    static QRegion shapeOf(const QImage& picture);

    // design.client and design.flags are taken from the picture and the
    // borderless look; the picture is shown by a label named pictureName,
    // which starts dragging. Without a stored place the window starts in the
    // middle of the screen.
    ShapedWindow(platform::Host host, DataFolder data, Design design, const QImage& picture, const char* pictureName,
                 QWidget* parent = nullptr);

    // The picture follows the user's colour ("Color" of the per-user section,
    // silver when missing), unless its own colour already is the colour of
    // mainWindow's client area at (2, 2). Run before each showing.
    void Formcolor(QWidget& mainWindow);

    const QImage& picture() const { return picture_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static Design borderless(Design design, QSize client);

    QImage picture_;
    QLabel* pictureLabel_ = nullptr;
};

} // namespace vy
