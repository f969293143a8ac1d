#pragma once
// The chart under the chart plotter: line series on four axes with a title and
// a legend, zoom and its undo, conversion between pixels and values, saving as
// a bitmap, and a crosshair drawn over the chart. A thin adapter over
// QCustomPlot: the window sees these operations and nothing of the library.
//
// Axis ranges are the chart's own (what minimum() and maximum() return); a zoom
// reaches them at once and is shown in a few animation frames. An axis line
// placed away from the edge (position 50: the middle) is drawn here with its
// ticks and labels, since the library puts axes on the edges only.
#include "plot/chartscale.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

class QCustomPlot;
class QCPAxis;
class QCPGraph;
class QCPTextElement;

namespace vy {

enum class ChartAxis { Left, Right, Bottom, Top };

namespace detail {
class AxisLines;
class Crosshair;
} // namespace detail

class Chart : public QWidget {
    Q_OBJECT
public:
    // One series per colour, each drawn in its colour until points bring their own.
    explicit Chart(const std::vector<QColor>& seriesColors, QWidget* parent = nullptr);
    ~Chart() override;

    // --- series (0-based) ---
    int seriesCount() const { return static_cast<int>(series_.size()); }
    void clearSeries(int series);
    // Adds the points (x ascending) in one batch; the series is drawn in color.
    void addPoints(int series, std::span<const double> x, std::span<const double> y, const QColor& color);
    int pointCount(int series) const;
    QPointF point(int series, int index) const;
    QColor seriesColor(int series) const;
    void setPointsVisible(int series, bool visible);
    bool pointsVisible(int series) const;
    void setSeriesTitle(int series, const QString& title);
    QString seriesTitle(int series) const;
    void setShownInLegend(int series, bool shown);
    bool shownInLegend(int series) const;

    // --- axes ---
    void setMinimum(ChartAxis axis, double min);
    void setMaximum(ChartAxis axis, double max);
    void setMinMax(ChartAxis axis, double min, double max);
    double minimum(ChartAxis axis) const { return ranges_[index(axis)].min; }
    double maximum(ChartAxis axis) const { return ranges_[index(axis)].max; }
    // Where the axis line lies, as a percentage of the plot area from its own
    // edge: 0 on the edge, 50 in the middle.
    void setPositionPercent(ChartAxis axis, double percent);
    double positionPercent(ChartAxis axis) const { return position_[index(axis)]; }
    void setAxisVisible(ChartAxis axis, bool visible);
    bool axisVisible(ChartAxis axis) const;

    // --- the chart ---
    void setLegendVisible(bool visible);
    bool legendVisible() const;
    void setTitle(const QString& firstLine);
    QString title() const;
    // Every axis range [min, max] becomes [min + d, max - d], d = (max - min) * (p - 100) / 100.
    // A zoom that would leave the ranges the chart can show does nothing.
    void zoomPercent(double percent);
    // Back to the ranges from before the first zoom since the last undo.
    void undoZoom();
    bool zoomed() const { return unzoomed_.has_value(); }
    // Frames of a zoom's animation (1: none).
    void setZoomSteps(int steps) { zoomSteps_ = std::max(1, steps); }
    // Draws the chart again now.
    void repaintChart();
    // Saves the chart as a BMP file, whatever the name's extension; false when it could not be written.
    bool saveBitmap(const QString& fileName);
    // The area inside the axes, in the chart's coordinates.
    QRect plotRect() const;
    // The values (bottom axis, left axis) at a pixel of the chart, and back.
    QPointF valueAt(QPointF pixel) const;
    QPointF pixelOf(QPointF value) const;
    // A value of an axis as that axis labels it now.
    QString formatValue(ChartAxis axis, double value) const;
    void setChartColor(const QColor& color);
    QColor chartColor() const { return color_; }

    // --- the crosshair: a vertical and a horizontal line through a pixel, across the plot area ---
    void drawCrosshair(QPoint pixel);
    void removeCrosshair();
    bool crosshairDrawn() const;

signals:
    void mouseMoved(QPoint pixel);
    void mouseLeft();
    // A turn of the mouse wheel over the chart, in eighths of a degree.
    void wheelTurned(int angle);
    // After every drawing of the chart.
    void afterDraw();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static int index(ChartAxis axis) { return static_cast<int>(axis); }
    QCPAxis* axis(ChartAxis axis) const;
    QCPGraph* graph(int series) const;
    void showRanges(const std::array<AxisRange, 4>& ranges);
    void zoomFrame();
    void placeAxes();

    QCustomPlot* plot_ = nullptr;
    QCPTextElement* title_ = nullptr;
    std::vector<QCPGraph*> series_;
    std::array<AxisRange, 4> ranges_{};
    std::array<double, 4> position_{};
    std::optional<std::array<AxisRange, 4>> unzoomed_;
    detail::AxisLines* axisLines_ = nullptr;
    detail::Crosshair* crosshair_ = nullptr;
    QColor color_{Qt::white};

    int zoomSteps_ = 1;
    int zoomFrame_ = 0;
    std::array<AxisRange, 4> zoomFrom_{};
    QTimer zoomTimer_;
};

} // namespace vy
