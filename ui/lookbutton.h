#pragma once
// A picture button with a look for each state: normal, under the mouse, and
// pressed. Each look is a picture label under its own designed name, all at
// the button's spot; exactly one of them is visible. The button itself takes
// the mouse (the labels let it through), so a look never loses a press or a
// release by being hidden under the pointer.
#include <QPixmap>
#include <QWidget>
#include <optional>

class QLabel;

namespace vy {

class LookButton : public QWidget {
    Q_OBJECT
public:
    struct Look {
        const char* name; // the label's object name, e.g. "Image2"
        QPixmap picture;
    };
    enum class State { Normal, Hover, Pressed };

    // Without a pressed look, a pressed button keeps its hover look.
    LookButton(const char* name, QRect geometry, Look normal, Look hover, std::optional<Look> pressed, QWidget* parent);

    State state() const { return state_; }
    // Back to the normal look (the pointer is assumed elsewhere).
    void reset() { setLook(State::Normal); }

signals:
    // Pressed and released over the button with the left button.
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* lookLabel(const Look& look);
    void setLook(State state);

    QLabel* normal_ = nullptr;
    QLabel* hover_ = nullptr;
    QLabel* pressed_ = nullptr; // may be null
    State state_ = State::Normal;
    bool held_ = false;
};

} // namespace vy
