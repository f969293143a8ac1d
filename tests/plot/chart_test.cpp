// The chart adapter on its own: what it draws where, and the limits of zooming.
#include "plot/ui/chart.h"

#include "tests/support/windowtest.h"

#include <QImage>

namespace vy::test {
namespace {

class ChartTest : public GuiTest {
protected:
    ChartTest() : chart(std::vector<QColor>{Qt::red, Qt::green})
    {
        chart.resize(425, 385);
        chart.setChartColor(Qt::white);
        chart.show();
        chart.repaintChart();
        processEvents();
    }

    QImage picture()
    {
        chart.repaintChart();
        return chart.grab().toImage();
    }
    // Dark pixels of a column (or row) inside the plot area, as a share of its length.
    double darkShare(const QImage& image, bool column, int at)
    {
        const QRect area = chart.plotRect().adjusted(2, 2, -2, -2);
        int dark = 0;
        const int from = column ? area.top() : area.left();
        const int to = column ? area.bottom() : area.right();
        for (int i = from; i <= to; ++i)
            if (qGray(column ? image.pixel(at, i) : image.pixel(i, at)) < 64)
                ++dark;
        return static_cast<double>(dark) / (to - from + 1);
    }

    Chart chart;
};

TEST_F(ChartTest, AxisLinesLieWhereTheirPositionPutsThem)
{
    const auto middleColumn = [&] { return chart.plotRect().left() + qRound(chart.plotRect().width() * 0.5); };
    const auto middleRow = [&] { return chart.plotRect().bottom() - qRound(chart.plotRect().height() * 0.5); };
    const QImage onEdges = picture();
    EXPECT_LT(darkShare(onEdges, true, middleColumn()), 0.1) << "on the edges, nothing in the middle";
    EXPECT_GT(darkShare(onEdges, true, chart.plotRect().left()), 0.9);
    chart.setPositionPercent(ChartAxis::Left, 50);
    chart.setPositionPercent(ChartAxis::Bottom, 50);
    const QImage crossing = picture(); // the plot area has grown into the labels' room
    EXPECT_GT(darkShare(crossing, true, middleColumn()), 0.9);
    EXPECT_GT(darkShare(crossing, false, middleRow()), 0.9);
}

TEST_F(ChartTest, TheCrosshairIsDrawnOverTheChartAndRemovedAgain)
{
    const QPoint at = chart.plotRect().center() + QPoint(37, 23);
    chart.drawCrosshair(at);
    processEvents();
    const QImage drawn = chart.grab().toImage();
    // Yellow by exclusive or on white: blue.
    EXPECT_EQ(drawn.pixelColor(at.x(), chart.plotRect().top() + 5), QColor(0, 0, 255));
    EXPECT_EQ(drawn.pixelColor(chart.plotRect().left() + 5, at.y()), QColor(0, 0, 255));
    chart.removeCrosshair();
    processEvents();
    EXPECT_NE(chart.grab().toImage().pixelColor(at.x(), chart.plotRect().top() + 5), QColor(0, 0, 255));
}

TEST_F(ChartTest, AZoomIsAnimatedToItsRangeAndStopsWhereNothingCouldBeDrawn)
{
    chart.setZoomSteps(10);
    chart.zoomPercent(125);
    EXPECT_EQ(chart.minimum(ChartAxis::Bottom), -5); // the range is there at once
    EXPECT_GT(chart.valueAt(chart.plotRect().topLeft()).x(), -10);
    EXPECT_LT(chart.valueAt(chart.plotRect().topLeft()).x(), -5.5); // the picture is on its way
    ASSERT_TRUE(waitUntil([&] { return std::abs(chart.valueAt(chart.plotRect().topLeft()).x() + 5) < 0.05; }));

    chart.setZoomSteps(1);
    for (int i = 0; i < 2000; ++i)
        chart.zoomPercent(125);
    const double width = chart.maximum(ChartAxis::Bottom) - chart.minimum(ChartAxis::Bottom);
    EXPECT_GT(width, 0);
    EXPECT_TRUE(chart.zoomed());
    chart.undoZoom();
    EXPECT_EQ(chart.minimum(ChartAxis::Bottom), -10);
    EXPECT_FALSE(chart.zoomed());
    for (int i = 0; i < 2000; ++i)
        chart.zoomPercent(20);
    EXPECT_LT(chart.maximum(ChartAxis::Left), 1e250);
    chart.repaintChart();
}

TEST_F(ChartTest, RangesWithoutWidthOrTheWrongWayRoundAreShownAroundTheirValues)
{
    chart.setMinMax(ChartAxis::Bottom, 5, 5);
    chart.setMinMax(ChartAxis::Left, 10, 0);
    EXPECT_EQ(chart.minimum(ChartAxis::Bottom), 5);
    EXPECT_EQ(chart.minimum(ChartAxis::Left), 10);
    chart.repaintChart();
    const QRect area = chart.plotRect();
    EXPECT_NEAR(chart.valueAt(area.topLeft()).x(), 4, 0.05);
    EXPECT_NEAR(chart.valueAt(QPoint(area.right() + 1, 0)).x(), 6, 0.05);
    EXPECT_NEAR(chart.valueAt(area.topLeft()).y(), 10, 0.05);
    EXPECT_NEAR(chart.valueAt(QPoint(0, area.bottom() + 1)).y(), 0, 0.05);
}

} // namespace
} // namespace vy::test
