#pragma once
// A paint box on a raster picture. What is drawn stays in the picture, so it
// can be read back pixel by pixel, copied and saved; the widget only shows it.
// The mouse is reported in the picture's pixels.
#include <QImage>
#include <QWidget>
#include <functional>

namespace vy {

class PaintBox : public QWidget {
public:
    PaintBox(QSize size, QWidget* parent = nullptr);

    QImage& canvas() { return canvas_; }
    const QImage& canvas() const { return canvas_; }
    // Puts picture in place of the canvas (of the same size) and shows it.
    void setCanvas(const QImage& picture);
    // Clears the canvas to colour, as repainting the box to its parent's
    // background does.
    void clear(const QColor& colour);

    std::function<void(QPoint)> onMouseMove; // with or without a button held
    std::function<void(QPoint)> onClick;     // the left button pressed and released on the box

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage canvas_;
    bool pressed_ = false;
};

} // namespace vy
