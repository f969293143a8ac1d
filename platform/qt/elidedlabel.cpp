#include "platform/qt/elidedlabel.h"

#include <QPainter>
#include <QStyle>

namespace vy::platform {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {}

QString ElidedLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void ElidedLabel::paintEvent(QPaintEvent* event)
{
    const QString shown = shownText();
    if (shown == text()) {
        if (!toolTip().isEmpty())
            setToolTip(QString());
        QLabel::paintEvent(event);
        return;
    }
    if (toolTip() != text())
        setToolTip(text());
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

} // namespace vy::platform
