#pragma once
// TUpDown: a pair of arrow buttons attached to a field, stepping a whole
// number between a minimum and a maximum and writing it into the field. A step
// starts from the field's text when that is a whole number (so typing 7 and
// pressing the upper arrow gives 8), otherwise from the last position. The Up
// and Down keys in the field step too; holding a button repeats.
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace vy {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    // The field the arrows write into; nullptr detaches.
    void setAssociate(QLineEdit* field);
    QLineEdit* Associate() const { return field_; }

    void setRange(int min, int max);
    int Min() const { return min_; }
    int Max() const { return max_; }

    int Position() const { return position_; }
    // Clamped to the range; the field shows it.
    void setPosition(int position);
    // steps up (positive) or down (negative) from the field's whole number, or
    // from the last position when the field holds none.
    void stepBy(int steps);

signals:
    void changed(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QLineEdit* field_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

} // namespace vy
