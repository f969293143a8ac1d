#pragma once
// TColorBtn: a push button whose face is painted in a chosen colour, for colour
// pickers (the settings window, both plotters) and the expression keypad. It is
// an ordinary push button in every other way (clicks, focus, default button,
// caption); only its painting is its own.
#include <QColor>
#include <QPushButton>

namespace vy {

class TColorBtn : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(bool Frame3D READ Frame3D WRITE setFrame3D)
public:
    explicit TColorBtn(QWidget* parent = nullptr);
    explicit TColorBtn(const QString& caption, QWidget* parent = nullptr);

    QColor ButtonColor() const { return color_; }
    // Repaints when the colour changes; the same colour again does nothing.
    void setButtonColor(const QColor& color);
    bool Frame3D() const { return frame3D_; }
    // Taken into account at the next paint.
    void setFrame3D(bool on) { frame3D_ = on; }

    // The colour as the settings file stores it (red in the low byte). A
    // stored value may also name a desktop element's colour: the high byte
    // 0xFF and the element's number in the low byte.
    static int colorValue(const QColor& color);
    static QColor fromColorValue(int value);

    // Desktop elements whose colours windows were designed with.
    enum SystemColor : int {
        GradientActiveCaption = 27,
        GradientInactiveCaption = 28,
    };
    // The colour of desktop element number element: from the palette where
    // it has the element, otherwise the stock colour of the classic desktop.
    static QColor systemColor(int element);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
    bool frame3D_ = false;
};

} // namespace vy
