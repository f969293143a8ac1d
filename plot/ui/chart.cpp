#include "plot/ui/chart.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>
#include <qcustomplot.h>

namespace vy {

namespace {

constexpr int kAxisCount = 4;
constexpr int kZoomFrameMs = 15;

// Tick labels in the chart's own form (plot/chartscale.h).
class LabelTicker : public QCPAxisTicker {
protected:
    QVector<QString> createLabelVector(const QVector<double>& ticks, const QLocale&, QChar, int) override
    {
        const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : 0;
        QVector<QString> labels;
        labels.reserve(ticks.size());
        for (double tick : ticks)
            labels.push_back(QString::fromStdString(AxisLabel(tick, step)));
        return labels;
    }
};

double tickStep(const QCPAxis& axis)
{
    const QVector<double> ticks = axis.tickVector();
    return ticks.size() > 1 ? ticks[1] - ticks[0] : axis.range().size() / 5;
}

// A range the library can draw: in order, wide enough to tell its ends apart,
// not beyond its limits.
bool drawable(AxisRange r)
{
    const double width = r.max - r.min;
    return std::isfinite(r.min) && std::isfinite(r.max) && width > QCPRange::minRange &&
           width < QCPRange::maxRange && width > 1e-12 * std::max(std::fabs(r.min), std::fabs(r.max));
}

// What is drawn for a range set in the wrong order or without width.
AxisRange shown(AxisRange r)
{
    if (r.min > r.max)
        std::swap(r.min, r.max);
    if (!drawable(r))
        r = {r.min - 1, r.min + 1};
    return r;
}

QPen axisPen() { return QPen(Qt::black, 0, Qt::SolidLine, Qt::SquareCap); }

} // namespace

namespace detail {

// The bottom and left axis lines where they lie inside the plot area, with
// their ticks and labels.
class AxisLines : public QCPLayerable {
public:
    AxisLines(QCustomPlot* plot, const std::array<double, 4>& position)
        : QCPLayerable(plot, QStringLiteral("axes")), position_(position)
    {
    }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override { painter->setAntialiasing(false); }

    void draw(QCPPainter* painter) override
    {
        const QRect area = mParentPlot->axisRect()->rect();
        const QCPAxis* bottom = mParentPlot->xAxis;
        const QCPAxis* left = mParentPlot->yAxis;
        painter->setPen(axisPen());
        painter->setFont(bottom->tickLabelFont());
        const QFontMetrics metrics(bottom->tickLabelFont());
        constexpr int kTick = 4;
        const double bottomAt = position_[static_cast<int>(ChartAxis::Bottom)];
        if (bottomAt > 0 && bottom->visible()) {
            const int y = area.bottom() - qRound(area.height() * bottomAt / 100);
            painter->drawLine(QLineF(area.left(), y, area.right(), y));
            const double step = tickStep(*bottom);
            for (double tick : bottom->tickVector()) {
                const int x = qRound(bottom->coordToPixel(tick));
                if (x < area.left() - 1 || x > area.right() + 1)
                    continue;
                painter->drawLine(QLineF(x, y, x, y + kTick));
                const QString label = QString::fromStdString(AxisLabel(tick, step));
                const int width = metrics.horizontalAdvance(label);
                painter->drawText(QRect(x - width / 2 - 1, y + kTick + 1, width + 2, metrics.height()),
                                  Qt::AlignCenter, label);
            }
        }
        const double leftAt = position_[static_cast<int>(ChartAxis::Left)];
        if (leftAt > 0 && left->visible()) {
            const int x = area.left() + qRound(area.width() * leftAt / 100);
            painter->drawLine(QLineF(x, area.top(), x, area.bottom()));
            const double step = tickStep(*left);
            for (double tick : left->tickVector()) {
                const int y = qRound(left->coordToPixel(tick));
                if (y < area.top() - 1 || y > area.bottom() + 1)
                    continue;
                painter->drawLine(QLineF(x - kTick, y, x, y));
                const QString label = QString::fromStdString(AxisLabel(tick, step));
                const int width = metrics.horizontalAdvance(label);
                painter->drawText(QRect(x - kTick - 2 - width, y - metrics.height() / 2, width, metrics.height()),
                                  Qt::AlignRight | Qt::AlignVCenter, label);
            }
        }
    }

private:
    const std::array<double, 4>& position_;
};

// A vertical and a horizontal line through one pixel, on a layer of its own so
// that moving it redraws that layer only. Its colour is yellow combined with
// the chart's colour by exclusive or, as an inverting pen would show it there.
class Crosshair : public QCPLayerable {
public:
    explicit Crosshair(QCustomPlot* plot) : QCPLayerable(plot, QStringLiteral("overlay")) {}

    std::optional<QPoint> at;
    QColor color = Qt::yellow;

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override { painter->setAntialiasing(false); }

    void draw(QCPPainter* painter) override
    {
        if (!at)
            return;
        const QRect area = mParentPlot->axisRect()->rect();
        painter->setPen(QPen(color, 1));
        painter->drawLine(QLineF(at->x(), area.top(), at->x(), area.bottom()));
        painter->drawLine(QLineF(area.left(), at->y(), area.right(), at->y()));
    }
};

} // namespace detail

Chart::Chart(const std::vector<QColor>& seriesColors, QWidget* parent) : QWidget(parent)
{
    plot_ = new QCustomPlot(this);
    plot_->setMouseTracking(true);
    plot_->installEventFilter(this);
    plot_->setNoAntialiasingOnDrag(true);

    plot_->plotLayout()->insertRow(0);
    title_ = new QCPTextElement(plot_, QStringLiteral("График"), font());
    plot_->plotLayout()->addElement(0, 0, title_);

    const QSharedPointer<QCPAxisTicker> ticker(new LabelTicker);
    for (ChartAxis a : {ChartAxis::Left, ChartAxis::Right, ChartAxis::Bottom, ChartAxis::Top}) {
        QCPAxis* ax = axis(a);
        ax->setTicker(ticker);
        ax->setTickLabels(true);
        ax->setVisible(true);
    }
    // The right and top axes repeat the scale of the left and bottom ones; their grid would too.
    plot_->xAxis2->grid()->setVisible(false);
    // Dotted and dark enough to be seen on a grey chart.
    for (QCPAxis* ax : {plot_->xAxis, plot_->yAxis})
        ax->grid()->setPen(QPen(QColor(128, 128, 128), 0, Qt::DotLine));
    plot_->yAxis2->grid()->setVisible(false);

    // The library's topmost layer, with a buffer of its own.
    plot_->layer(QStringLiteral("overlay"))->setMode(QCPLayer::lmBuffered);
    axisLines_ = new detail::AxisLines(plot_, position_);
    crosshair_ = new detail::Crosshair(plot_);

    for (const QColor& color : seriesColors) {
        QCPGraph* g = plot_->addGraph(plot_->xAxis, plot_->yAxis);
        g->setPen(QPen(color));
        g->setAdaptiveSampling(true);
        g->removeFromLegend();
        series_.push_back(g);
    }
    placeAxes();
    plot_->legend->setIconSize(25, 12);
    plot_->legend->setVisible(false);
    setChartColor(Qt::white);

    connect(plot_, &QCustomPlot::afterReplot, this, &Chart::afterDraw);
    zoomTimer_.setInterval(kZoomFrameMs);
    connect(&zoomTimer_, &QTimer::timeout, this, &Chart::zoomFrame);
    for (int i = 0; i < kAxisCount; ++i)
        ranges_[i] = {-10, 10};
    showRanges(ranges_);
}

Chart::~Chart() = default;

QCPAxis* Chart::axis(ChartAxis a) const
{
    switch (a) {
    case ChartAxis::Left: return plot_->yAxis;
    case ChartAxis::Right: return plot_->yAxis2;
    case ChartAxis::Bottom: return plot_->xAxis;
    case ChartAxis::Top: return plot_->xAxis2;
    }
    return plot_->xAxis;
}

QCPGraph* Chart::graph(int series) const { return series_.at(static_cast<std::size_t>(series)); }

void Chart::clearSeries(int series)
{
    graph(series)->data()->clear();
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void Chart::addPoints(int series, std::span<const double> x, std::span<const double> y, const QColor& color)
{
    QVector<QCPGraphData> points(static_cast<qsizetype>(std::min(x.size(), y.size())));
    for (qsizetype i = 0; i < points.size(); ++i)
        points[i] = QCPGraphData(x[static_cast<std::size_t>(i)], y[static_cast<std::size_t>(i)]);
    QCPGraph* g = graph(series);
    g->data()->add(points, true);
    QPen pen = g->pen();
    pen.setColor(color);
    g->setPen(pen);
    QCPScatterStyle marks = g->scatterStyle();
    marks.setPen(pen);
    g->setScatterStyle(marks);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

int Chart::pointCount(int series) const { return graph(series)->data()->size(); }

QPointF Chart::point(int series, int index) const
{
    const auto it = graph(series)->data()->at(index);
    return {it->key, it->value};
}

QColor Chart::seriesColor(int series) const { return graph(series)->pen().color(); }

void Chart::setPointsVisible(int series, bool visible)
{
    QCPGraph* g = graph(series);
    if (visible) {
        QCPScatterStyle marks(QCPScatterStyle::ssCircle, 6);
        marks.setPen(g->pen());
        g->setScatterStyle(marks);
    } else {
        g->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
    }
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

bool Chart::pointsVisible(int series) const
{
    return graph(series)->scatterStyle().shape() != QCPScatterStyle::ssNone;
}

void Chart::setSeriesTitle(int series, const QString& title)
{
    graph(series)->setName(title);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

QString Chart::seriesTitle(int series) const { return graph(series)->name(); }

void Chart::setShownInLegend(int series, bool shown)
{
    QCPGraph* g = graph(series);
    if (shown == shownInLegend(series))
        return;
    if (shown) {
        // The legend lists the curves in slot order, whichever was drawn first.
        g->addToLegend();
        for (int s = series + 1; s < seriesCount(); ++s)
            if (shownInLegend(s)) {
                graph(s)->removeFromLegend();
                graph(s)->addToLegend();
            }
    } else {
        g->removeFromLegend();
    }
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

bool Chart::shownInLegend(int series) const { return plot_->legend->hasItemWithPlottable(graph(series)); }

void Chart::setMinimum(ChartAxis a, double min) { setMinMax(a, min, ranges_[index(a)].max); }

void Chart::setMaximum(ChartAxis a, double max) { setMinMax(a, ranges_[index(a)].min, max); }

void Chart::setMinMax(ChartAxis a, double min, double max)
{
    zoomTimer_.stop();
    ranges_[index(a)] = {min, max};
    showRanges(ranges_);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void Chart::setPositionPercent(ChartAxis a, double percent)
{
    position_[index(a)] = percent;
    placeAxes();
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void Chart::setAxisVisible(ChartAxis a, bool visible)
{
    axis(a)->setVisible(visible);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

bool Chart::axisVisible(ChartAxis a) const { return axis(a)->visible(); }

void Chart::placeAxes()
{
    // An axis inside the plot area is drawn by AxisLines; on the edge the library draws it.
    for (ChartAxis a : {ChartAxis::Left, ChartAxis::Bottom}) {
        QCPAxis* ax = axis(a);
        const bool onEdge = position_[index(a)] <= 0;
        ax->setBasePen(onEdge ? axisPen() : QPen(Qt::NoPen));
        ax->setTickPen(onEdge ? axisPen() : QPen(Qt::NoPen));
        ax->setSubTickPen(onEdge ? axisPen() : QPen(Qt::NoPen));
        ax->setTickLabels(onEdge);
    }
}

void Chart::setLegendVisible(bool visible)
{
    plot_->legend->setVisible(visible);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

bool Chart::legendVisible() const { return plot_->legend->visible(); }

void Chart::setTitle(const QString& firstLine)
{
    title_->setText(firstLine);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

QString Chart::title() const { return title_->text(); }

void Chart::zoomPercent(double percent)
{
    std::array<AxisRange, 4> target{};
    for (int i = 0; i < kAxisCount; ++i) {
        target[i] = ZoomRange(ranges_[i], percent);
        if (!drawable(target[i]) && drawable(ranges_[i]))
            return;
    }
    if (!unzoomed_)
        unzoomed_ = ranges_;
    for (int i = 0; i < kAxisCount; ++i) {
        const QCPRange now = axis(static_cast<ChartAxis>(i))->range();
        zoomFrom_[i] = {now.lower, now.upper};
    }
    ranges_ = target;
    zoomFrame_ = 0;
    if (zoomSteps_ <= 1) {
        showRanges(ranges_);
        plot_->replot(QCustomPlot::rpQueuedReplot);
    } else {
        zoomTimer_.start();
        zoomFrame();
    }
}

void Chart::zoomFrame()
{
    ++zoomFrame_;
    if (zoomFrame_ >= zoomSteps_) {
        zoomTimer_.stop();
        showRanges(ranges_);
    } else {
        const double t = static_cast<double>(zoomFrame_) / zoomSteps_;
        std::array<AxisRange, 4> frame{};
        for (int i = 0; i < kAxisCount; ++i) {
            const AxisRange to = shown(ranges_[i]);
            frame[i] = {zoomFrom_[i].min + (to.min - zoomFrom_[i].min) * t,
                        zoomFrom_[i].max + (to.max - zoomFrom_[i].max) * t};
        }
        showRanges(frame);
    }
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void Chart::undoZoom()
{
    if (!unzoomed_)
        return;
    const std::array<AxisRange, 4> back = *unzoomed_;
    unzoomed_.reset();
    zoomTimer_.stop();
    ranges_ = back;
    showRanges(ranges_);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void Chart::showRanges(const std::array<AxisRange, 4>& ranges)
{
    for (int i = 0; i < kAxisCount; ++i) {
        const AxisRange r = shown(ranges[i]);
        axis(static_cast<ChartAxis>(i))->setRange(r.min, r.max);
    }
}

void Chart::repaintChart() { plot_->replot(QCustomPlot::rpImmediateRefresh); }

bool Chart::saveBitmap(const QString& fileName) { return plot_->saveBmp(fileName); }

QRect Chart::plotRect() const { return plot_->axisRect()->rect(); }

QPointF Chart::valueAt(QPointF pixel) const
{
    return {plot_->xAxis->pixelToCoord(pixel.x()), plot_->yAxis->pixelToCoord(pixel.y())};
}

QPointF Chart::pixelOf(QPointF value) const
{
    return {plot_->xAxis->coordToPixel(value.x()), plot_->yAxis->coordToPixel(value.y())};
}

QString Chart::formatValue(ChartAxis a, double value) const
{
    return QString::fromStdString(AxisLabel(value, tickStep(*axis(a))));
}

void Chart::setChartColor(const QColor& color)
{
    color_ = color;
    plot_->setBackground(QBrush(color));
    const QRgb inverted = (color.rgb() ^ QColor(Qt::yellow).rgb()) | 0xFF000000u;
    crosshair_->color = QColor::fromRgb(inverted);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void Chart::drawCrosshair(QPoint pixel)
{
    crosshair_->at = pixel;
    plot_->layer(QStringLiteral("overlay"))->replot();
}

void Chart::removeCrosshair()
{
    if (!crosshair_->at)
        return;
    crosshair_->at.reset();
    plot_->layer(QStringLiteral("overlay"))->replot();
}

bool Chart::crosshairDrawn() const { return crosshair_->at.has_value(); }

void Chart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    plot_->setGeometry(rect());
}

bool Chart::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == plot_) {
        switch (event->type()) {
        case QEvent::MouseMove:
            emit mouseMoved(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::Leave:
            emit mouseLeft();
            break;
        case QEvent::Wheel:
            emit wheelTurned(static_cast<QWheelEvent*>(event)->angleDelta().y());
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vy
