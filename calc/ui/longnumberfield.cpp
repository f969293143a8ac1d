#include "calc/ui/longnumberfield.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace vy {

LongNumberField::LongNumberField(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void LongNumberField::setText(const QString& text)
{
    text_ = text;
    first_ = cursor_ = anchor_ = 0;
    update();
}

void LongNumberField::selectAll()
{
    anchor_ = 0;
    cursor_ = static_cast<int>(text_.size());
    update();
}

QString LongNumberField::selectedText() const
{
    const int from = std::min(anchor_, cursor_);
    return text_.mid(from, std::max(anchor_, cursor_) - from);
}

void LongNumberField::copy() const
{
    const QString selected = selectedText();
    if (!selected.isEmpty())
        QApplication::clipboard()->setText(selected);
}

int LongNumberField::endVisible() const
{
    const QFontMetrics metrics = fontMetrics();
    const int size = static_cast<int>(text_.size());
    int x = 0;
    int i = first_;
    for (; i < size && x < textWidth(); ++i)
        x += metrics.horizontalAdvance(text_[i]);
    return i;
}

int LongNumberField::firstFor(int last) const
{
    const QFontMetrics metrics = fontMetrics();
    int x = 0;
    int i = last;
    while (i >= 0 && x + metrics.horizontalAdvance(text_[i]) <= textWidth())
        x += metrics.horizontalAdvance(text_[i--]);
    return std::min(i + 1, last);
}

int LongNumberField::indexAt(int x) const
{
    const QFontMetrics metrics = fontMetrics();
    const int end = endVisible();
    int left = kMargin;
    int i = first_;
    for (; i < end; ++i) {
        const int advance = metrics.horizontalAdvance(text_[i]);
        if (x < left + advance / 2)
            break;
        left += advance;
    }
    return i;
}

void LongNumberField::scrollToShow(int position)
{
    if (text_.isEmpty()) {
        first_ = 0;
        return;
    }
    if (position < first_)
        first_ = position;
    else if (position > endVisible())
        first_ = firstFor(position - 1);
    first_ = std::clamp(first_, 0, static_cast<int>(text_.size()) - 1);
}

void LongNumberField::moveCursor(int position, bool select)
{
    cursor_ = std::clamp(position, 0, static_cast<int>(text_.size()));
    if (!select)
        anchor_ = cursor_;
    scrollToShow(cursor_);
    update();
}

void LongNumberField::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const int end = endVisible();
    const QString shown = text_.mid(first_, end - first_);
    const QFontMetrics metrics = fontMetrics();
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(kMargin, baseline, shown);

    const int from = std::clamp(std::min(anchor_, cursor_), first_, end);
    const int to = std::clamp(std::max(anchor_, cursor_), first_, end);
    if (from < to) {
        const int left = kMargin + metrics.horizontalAdvance(shown.left(from - first_));
        const int right = kMargin + metrics.horizontalAdvance(shown.left(to - first_));
        const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
        const QRect band(left, 0, right - left, height());
        painter.fillRect(band, palette().color(group, QPalette::Highlight));
        painter.setClipRect(band);
        painter.setPen(palette().color(group, QPalette::HighlightedText));
        painter.drawText(kMargin, baseline, shown);
    }
}

void LongNumberField::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else {
        switch (event->key()) {
        case Qt::Key_Left:
            moveCursor(cursor_ - 1, shift);
            break;
        case Qt::Key_Right:
            moveCursor(cursor_ + 1, shift);
            break;
        case Qt::Key_Home:
            moveCursor(0, shift);
            break;
        case Qt::Key_End:
            moveCursor(static_cast<int>(text_.size()), shift);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
        }
    }
    event->accept();
}

void LongNumberField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    moveCursor(indexAt(event->position().toPoint().x()), event->modifiers() & Qt::ShiftModifier);
}

void LongNumberField::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int x = event->position().toPoint().x();
    // Past an edge the selection goes on one character per move, scrolling.
    if (x < 0)
        moveCursor(std::min(cursor_, first_) - 1, true);
    else if (x >= width())
        moveCursor(std::max(cursor_, endVisible()) + 1, true);
    else
        moveCursor(indexAt(x), true);
}

void LongNumberField::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        selectAll();
}

void LongNumberField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copyAction = menu.addAction(QStringLiteral("Копировать"), this, &LongNumberField::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(anchor_ != cursor_);
    QAction* allAction = menu.addAction(QStringLiteral("Выделить всё"), this, &LongNumberField::selectAll);
    allAction->setShortcut(QKeySequence::SelectAll);
    allAction->setEnabled(!text_.isEmpty());
    menu.exec(event->globalPos());
}

void LongNumberField::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    scrollToShow(cursor_);
}

QSize LongNumberField::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(QLatin1Char('0')) * 20 + 2 * kMargin, metrics.height() + 4};
}

} // namespace vy
