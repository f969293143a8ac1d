#pragma once
// A read-only one-line field for numbers of millions of digits. A line edit
// lays out and shapes its whole text on every change and every paint, which
// takes seconds for the digits of a million factorial; this field keeps the
// whole text but lays out only the characters in view. It reads like a
// read-only line edit without a frame: it starts at the first digit, scrolls
// with the arrow keys, Home and End or by dragging a selection past its edge,
// and copies the selection (Ctrl+C, or its context menu, which also selects
// everything).
#include <QString>
#include <QWidget>

namespace vy {

class LongNumberField : public QWidget {
    Q_OBJECT
public:
    explicit LongNumberField(QWidget* parent = nullptr);

    // Shows the text from its first character, nothing selected.
    void setText(const QString& text);
    const QString& text() const { return text_; }

    void selectAll();
    QString selectedText() const;
    // Puts the selection on the clipboard (nothing when nothing is selected).
    void copy() const;

    // The first character in view, and the one after the last.
    int firstVisible() const { return first_; }
    int endVisible() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kMargin = 2;

    int textWidth() const { return width() - 2 * kMargin; }
    // The character under x (widget coordinates), counted from the first in view.
    int indexAt(int x) const;
    // Moves the cursor, extending the selection or starting a new one, and
    // scrolls it into view.
    void moveCursor(int position, bool select);
    void scrollToShow(int position);
    // The first character that puts `last` at the right edge.
    int firstFor(int last) const;

    QString text_;
    int first_ = 0;
    int cursor_ = 0;
    int anchor_ = 0; // the selection is between anchor_ and cursor_
};

} // namespace vy
