#pragma once
// A window background of hatch lines on white, for the windows designed with
// a hatched brush. Call it first in the window's paintEvent. Controls that
// should stand on a plain face fill their own background.
#include <QBrush>
#include <QPainter>
#include <QWidget>

namespace vy::platform {

inline void paintHatch(QWidget& window, Qt::BrushStyle style, const QColor& lines)
{
    QPainter painter(&window);
    painter.fillRect(window.rect(), Qt::white);
    painter.fillRect(window.rect(), QBrush(lines, style));
}

} // namespace vy::platform
