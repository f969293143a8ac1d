#include "ui/colorbtn.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace vy {

TColorBtn::TColorBtn(QWidget* parent) : TColorBtn(QString(), parent) {}

TColorBtn::TColorBtn(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), color_(palette().color(QPalette::Button))
{
    // A default button keeps this look: the flag only changes what is drawn.
    setAutoDefault(false);
}

void TColorBtn::setButtonColor(const QColor& color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

int TColorBtn::colorValue(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

QColor TColorBtn::fromColorValue(int value)
{
    if ((static_cast<unsigned>(value) >> 24) == 0xFF)
        return systemColor(value & 0xFF);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QColor TColorBtn::systemColor(int element)
{
    struct Role {
        int element;
        QPalette::ColorRole role;
    };
    static constexpr Role roles[] = {
        {4, QPalette::Window},      {5, QPalette::Base},        {7, QPalette::WindowText},
        {8, QPalette::WindowText},  {13, QPalette::Highlight},  {14, QPalette::HighlightedText},
        {15, QPalette::Button},     {16, QPalette::Dark},       {18, QPalette::ButtonText},
        {20, QPalette::Light},      {21, QPalette::Shadow},     {22, QPalette::Midlight},
        {23, QPalette::ToolTipText}, {24, QPalette::ToolTipBase},
    };
    struct Stock {
        int element;
        QRgb rgb;
    };
    static constexpr Stock stock[] = {
        {2, qRgb(153, 180, 209)}, {3, qRgb(191, 205, 219)}, {9, qRgb(0, 0, 0)}, {17, qRgb(109, 109, 109)},
        {GradientActiveCaption, qRgb(185, 209, 234)}, {GradientInactiveCaption, qRgb(215, 228, 242)},
    };
    for (const Role& r : roles)
        if (r.element == element)
            return QPalette().color(r.role);
    for (const Stock& s : stock)
        if (s.element == element)
            return QColor(s.rgb);
    return QPalette().color(QPalette::Window);
}

void TColorBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    const bool pressed = isDown();
    const bool focused = hasFocus();
    const bool disabled = !isEnabled();
    const bool isDefaultButton = isDefault();
    // The frame is drawn as the platform's push-button frame, sunken when
    // pressed and in the inactive colours when the button is disabled.
    QPalette framePalette = pal;
    if (disabled)
        framePalette.setCurrentColorGroup(QPalette::Disabled);

    QRect r = rect();
    const auto outline = [&](const QColor& color) {
        painter.setPen(color);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    };
    // The push-button frame takes two pixels on every side.
    const auto frame = [&](bool sunken) {
        qDrawWinButton(&painter, r, framePalette, sunken, nullptr);
        r.adjust(2, 2, -2, -2);
    };

    if (isDefaultButton || focused)
        outline(pal.color(QPalette::WindowText)); // the window-frame colour
    if (pressed) {
        outline(pal.color(QPalette::Dark)); // the button-shadow colour
        if (frame3D_)
            frame(true);
    } else {
        frame(false);
    }
    painter.fillRect(r, color_);

    r.adjust(-1, -1, 1, 1);
    if (isDefaultButton)
        r = rect().adjusted(1, 1, -1, -1);
    if (pressed)
        r.translate(1, 1);

    const QFontMetrics metrics(font());
    const QString caption = text();
    const int w = metrics.horizontalAdvance(caption);
    const int h = metrics.height();
    const QRect box(r.left() + (r.width() - w + 1) / 2, r.top() + (r.height() - h + 1) / 2, w, h);
    painter.setFont(font());
    if (disabled) {
        painter.setPen(pal.color(QPalette::Light)); // the button-highlight colour
        painter.drawText(box.translated(1, 1), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    } else {
        painter.setPen(pal.color(QPalette::ButtonText));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    }

    if (isDefaultButton && focused) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace vy
