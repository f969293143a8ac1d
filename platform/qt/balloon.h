#pragma once
// The balloon notice: a rounded bubble titled "Вычислица" with the information
// icon, whose stem points at a screen point. It closes on a click or after five
// seconds and is deleted with the window that raised it.
#include <QPainterPath>
#include <QPoint>
#include <QWidget>

class QLabel;

namespace vy::platform {

class BalloonNotice : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTextWidth = 250;
    static constexpr int kTimeoutMs = 5000;

    BalloonNotice(const QString& text, QPoint stem, QWidget* owner);
    // Creates and shows a notice; it deletes itself when closed.
    static BalloonNotice* show(const QString& text, QPoint stem, QWidget* owner);

    QPoint stem() const { return stem_; }
    QString text() const;
    bool stemAtTop() const { return stemAtTop_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    void placeAt(QPoint stem);
    // The bubble and its stem, in the notice's own coordinates.
    QPainterPath outline() const;

    QPoint stem_;
    bool stemAtTop_ = true;
    QLabel* text_ = nullptr;
};

} // namespace vy::platform
