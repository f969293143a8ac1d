#include "platform/qt/balloon.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace vy::platform {

namespace {
constexpr int kStemHeight = 14;
constexpr int kStemInset = 18; // from the bubble's left edge to the stem tip
constexpr int kStemWidth = 14;
constexpr int kRadius = 8;
} // namespace

BalloonNotice::BalloonNotice(const QString& text, QPoint stem, QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      stem_(stem) {
    setObjectName("BalloonNotice");
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this)
                        .pixmap(iconSize, iconSize));
    const QString caption = QStringLiteral("Вычислица");
    auto* title = new QLabel(caption, this);
    title->setObjectName("BalloonTitle");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    text_ = new QLabel(text, this);
    text_->setObjectName("BalloonText");
    text_->setWordWrap(true);
    // As wide as the text needs, at most kTextWidth; left to itself a wrapped
    // label picks a narrow, tall shape.
    const QRect needed = text_->fontMetrics().boundingRect(QRect(0, 0, kTextWidth, 1 << 16), Qt::TextWordWrap, text);
    text_->setFixedWidth(std::min(kTextWidth, needed.width() + 1));
    text_->setTextFormat(Qt::PlainText);

    auto* head = new QHBoxLayout;
    head->addWidget(icon);
    head->addWidget(title, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(head);
    column->addWidget(text_);
    placeAt(stem);
    // Without a compositor the corners outside the bubble would be painted
    // black: the window is given the bubble's shape instead.
    setMask(QRegion(outline().toFillPolygon().toPolygon()));

    // A screen reader announces the notice by its title and text.
    setAccessibleName(caption);
    setAccessibleDescription(text);

    auto* timer = new QTimer(this);
    timer->setObjectName("BalloonTimer");
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &QWidget::close);
    timer->start(kTimeoutMs);
}

BalloonNotice* BalloonNotice::show(const QString& text, QPoint stem, QWidget* owner) {
    auto* notice = new BalloonNotice(text, stem, owner);
    notice->QWidget::show();
    // The shape given before the window existed does not always reach it.
    if (QWindow* window = notice->windowHandle()) window->setMask(notice->mask());
    QAccessibleEvent alert(notice, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    return notice;
}

QString BalloonNotice::text() const { return text_->text(); }

void BalloonNotice::placeAt(QPoint stem) {
    // Below the point when the bubble fits on its screen, otherwise above it.
    auto* margins = layout();
    margins->setContentsMargins(10, 8 + kStemHeight, 10, 8);
    QSize size = sizeHint();
    const QScreen* screen = QGuiApplication::screenAt(stem);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
    stemAtTop_ = stem.y() + size.height() <= area.bottom();
    if (!stemAtTop_) {
        margins->setContentsMargins(10, 8, 10, 8 + kStemHeight);
        size = sizeHint();
    }
    resize(size);
    const int left = stem.x() - kStemInset;
    const int top = stemAtTop_ ? stem.y() : stem.y() - size.height();
    move(left, top);
}

QPainterPath BalloonNotice::outline() const {
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QRectF body = stemAtTop_ ? all.adjusted(0, kStemHeight, 0, 0) : all.adjusted(0, 0, 0, -kStemHeight);
    QPainterPath bubble;
    bubble.addRoundedRect(body, kRadius, kRadius);
    QPainterPath stemPath;
    const qreal tipY = stemAtTop_ ? all.top() : all.bottom();
    const qreal baseY = stemAtTop_ ? body.top() + 1 : body.bottom() - 1;
    stemPath.moveTo(kStemInset, tipY);
    stemPath.lineTo(kStemInset, baseY);
    stemPath.lineTo(kStemInset + kStemWidth, baseY);
    stemPath.closeSubpath();
    return bubble.united(stemPath);
}

void BalloonNotice::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::ToolTipText), 1));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPath(outline());
}

void BalloonNotice::mousePressEvent(QMouseEvent*) { close(); }

} // namespace vy::platform
