// The chart's mouse: clicks and their events, zoom by dragging and undo by dragging back,
// panning with the scroll button and scrolling with the wheel, driven by real Qt events.
#include "ChartTestSupport.h"

#include "TChartAxis.h"
#include "TLineSeries.h"
#include "TPlotEventListeners.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

namespace {

class ChartMouseTest : public ChartTest
{
protected:
    void SetUp() override
    {
        chart.Legend()->SetVisible(false);
        chart.Title()->SetVisible(false);
        auto *series = chart.AddSeriesOfClass<TLineSeries>();
        for (int i = 0; i <= 10; ++i)
            series->AddXY(i, 10.0 * i);
        chart.render(); // lays the axes out on the chart's rectangle
    }

    void drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(&chart, button, {}, from);
        QTest::mouseMove(&chart, to);
        QTest::mouseRelease(&chart, button, {}, to);
    }

    void wheel(int delta)
    {
        const QPointF at(200, 120);
        QWheelEvent event(at, chart.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&chart, &event);
    }

    TestChart chart;
};

// Sets CancelMouse on every mouse event, as a tool that takes the mouse does.
class CancellingTool : public TPlotEventListener
{
public:
    explicit CancellingTool(TCustomPlotPanel &panel) : m_panel(panel) {}
    void PlotEvent(TPlotEvent &event) override
    {
        if (dynamic_cast<TPlotMouseEvent *>(&event))
            m_panel.CancelMouse = true;
    }

private:
    TCustomPlotPanel &m_panel;
};

} // namespace

TEST_F(ChartMouseTest, DraggingARectangleZoomsAndDraggingBackUndoes)
{
    TChartAxis &bottom = *chart.BottomAxis();
    TChartAxis &left = *chart.LeftAxis();
    const double xFrom = bottom.PixelToValue(100), xTo = bottom.PixelToValue(300);
    const double yTop = left.PixelToValue(60), yBottom = left.PixelToValue(180);
    const double autoMax = bottom.Maximum();

    QTest::mousePress(&chart, Qt::LeftButton, {}, {100, 60});
    EXPECT_EQ(chart.cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(&chart, {300, 180});
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {300, 180});
    EXPECT_NE(chart.cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(chart.Zoomed);
    EXPECT_DOUBLE_EQ(bottom.Minimum(), xFrom);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), xTo);
    EXPECT_DOUBLE_EQ(left.Minimum(), yBottom);
    EXPECT_DOUBLE_EQ(left.Maximum(), yTop);

    // Back, but shorter than MinimumPixels (16): nothing changes.
    drag(Qt::LeftButton, {300, 180}, {290, 170});
    EXPECT_DOUBLE_EQ(bottom.Maximum(), xTo);
    // Back to the upper left: the axes are automatic again.
    drag(Qt::LeftButton, {300, 180}, {100, 60});
    EXPECT_TRUE(bottom.Automatic());
    EXPECT_TRUE(left.Automatic());
    EXPECT_DOUBLE_EQ(bottom.Maximum(), autoMax);
    EXPECT_FALSE(chart.Zoomed);
}

TEST_F(ChartMouseTest, PanningMovesTheAllowedAxesUnlessRefused)
{
    struct Case { TPanningMode mode; bool allow; bool bottomMoves; bool leftMoves; };
    const Case cases[] = {
        {pmHorizontal, true, true, false},
        {pmVertical, true, false, true},
        {pmBoth, true, true, true},
        {pmBoth, false, false, false},
        {pmNone, true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.mode) * 10 + c.allow);
        chart.UndoZoom();
        chart.render();
        chart.SetAllowPanning(c.mode);
        chart.OnAllowScroll = [&](TCustomChart &, TChartAxis *, double &, double &, bool &allow) { allow = c.allow; };
        const double bottomMin = chart.BottomAxis()->Minimum(), leftMin = chart.LeftAxis()->Minimum();
        const double dx = chart.BottomAxis()->PixelToValue(200) - chart.BottomAxis()->PixelToValue(150);
        const double dy = chart.LeftAxis()->PixelToValue(120) - chart.LeftAxis()->PixelToValue(90);
        drag(Qt::RightButton, {200, 120}, {150, 90});
        EXPECT_DOUBLE_EQ(chart.BottomAxis()->Minimum(), bottomMin + (c.bottomMoves ? dx : 0.0));
        EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), leftMin + (c.leftMoves ? dy : 0.0));
        EXPECT_FALSE(chart.Panning()->Active);
    }
}

TEST_F(ChartMouseTest, LeavingTheChartRectangleEndsPanning)
{
    QTest::mousePress(&chart, Qt::RightButton, {}, {200, 120});
    EXPECT_TRUE(chart.Panning()->Active);
    EXPECT_EQ(chart.cursor().shape(), Qt::SizeAllCursor);
    QTest::mouseMove(&chart, {2, 2});
    EXPECT_FALSE(chart.Panning()->Active);
    QTest::mouseRelease(&chart, Qt::RightButton, {}, {2, 2});
}

TEST_F(ChartMouseTest, WheelNotchesScrollTheVerticalAxesAndPartsAddUp)
{
    struct Case { std::vector<int> deltas; int notches; };
    const Case cases[] = {{{120}, 1}, {{-120}, -1}, {{60, 60}, 1}, {{240}, 2}, {{90, -90}, 0}, {{60}, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.notches);
        chart.UndoZoom();
        chart.render();
        const double minimum = chart.LeftAxis()->Minimum();
        const double range = chart.LeftAxis()->Maximum() - minimum;
        const double bottomMin = chart.BottomAxis()->Minimum();
        for (const int delta : c.deltas)
            wheel(delta);
        // Each notch moves by 3 % of the range it finds.
        double expected = minimum;
        for (int i = 0; i < std::abs(c.notches); ++i)
            expected += (c.notches > 0 ? 0.03 : -0.03) * range;
        EXPECT_NEAR(chart.LeftAxis()->Minimum(), expected, 1e-9 * range);
        EXPECT_DOUBLE_EQ(chart.BottomAxis()->Minimum(), bottomMin);
    }
}

TEST_F(ChartMouseTest, ClicksFireTheirEventsUnlessAToolCancels)
{
    QStringList fired;
    chart.OnClickBackground = [&](TCustomChart &, TMouseButton, TShiftState, int, int) { fired << "background"; };
    chart.OnClickAxis = [&](TCustomChart &, TChartAxis *axis, TMouseButton, TShiftState, int, int) {
        fired << (axis == chart.LeftAxis() ? "left axis" : "other axis");
    };
    chart.Zoom()->SetAllow(false);
    chart.SetAllowPanning(pmNone);
    const int axisX = chart.LeftAxis()->PosAxis();
    QTest::mouseClick(&chart, Qt::LeftButton, {}, {200, 120});
    QTest::mouseClick(&chart, Qt::LeftButton, {}, {axisX, 120});
    EXPECT_EQ(fired, QStringList({"background", "left axis"}));
    EXPECT_EQ(chart.CalcClickedPart(200, 120).Part, TCustomChart::cpChartRect);
    EXPECT_EQ(chart.CalcClickedPart(2, 2).Part, TCustomChart::cpNone);

    CancellingTool tool(chart);
    chart.Listeners().Add(&tool);
    QTest::mouseClick(&chart, Qt::LeftButton, {}, {200, 120});
    chart.RemoveListener(&tool);
    EXPECT_EQ(fired.size(), 2);
}

TEST_F(ChartMouseTest, ALegendCheckBoxClickTogglesItsSeriesBeforeTheEvent)
{
    auto *second = chart.AddSeriesOfClass<TLineSeries>();
    second->AddXY(0, 5);
    second->AddXY(10, 50);
    chart.Legend()->SetVisible(true);
    chart.Legend()->SetCheckBoxes(true);
    chart.render();
    TChartLegend &legend = *chart.Legend();
    ASSERT_TRUE(legend.Shown());
    const QPoint first(legend.LegendRect().left + 8, legend.FirstItemTop() + legend.ItemHeight() / 2);
    ASSERT_EQ(chart.CalcClickedPart(first.x(), first.y()).Part, TCustomChart::cpLegend);
    std::vector<bool> activeAtEvent;
    chart.OnClickLegend = [&](TCustomChart &, TMouseButton, TShiftState, int, int) {
        activeAtEvent.push_back(chart.GetSeries(0)->Active());
    };
    QTest::mouseClick(&chart, Qt::LeftButton, {}, first);
    EXPECT_EQ(activeAtEvent, std::vector<bool>{false});
    EXPECT_TRUE(second->Active());
}

TEST_F(ChartMouseTest, OneDirectionZoomKeepsTheOtherSideAtTheChartRectangle)
{
    struct Case { TPlotZoomDirection direction; bool animated; };
    const Case cases[] = {{tzdBoth, false}, {tzdHorizontal, false}, {tzdVertical, true}, {tzdBoth, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.direction) * 10 + c.animated);
        chart.UndoZoom();
        chart.render();
        chart.Zoom()->SetDirection(c.direction);
        chart.Zoom()->SetAnimated(c.animated);
        const TChartAxis &bottom = *chart.BottomAxis();
        const TChartAxis &left = *chart.LeftAxis();
        const TRect r = chart.ChartRect;
        const bool freeX = c.direction != tzdVertical, freeY = c.direction != tzdHorizontal;
        const double x0 = bottom.PixelToValue(freeX ? 100 : r.left), x1 = bottom.PixelToValue(freeX ? 300 : r.right);
        const double y0 = left.PixelToValue(freeY ? 180 : r.bottom), y1 = left.PixelToValue(freeY ? 60 : r.top);
        drag(Qt::LeftButton, {100, 60}, {300, 180});
        EXPECT_DOUBLE_EQ(bottom.Minimum(), x0);
        EXPECT_DOUBLE_EQ(bottom.Maximum(), x1);
        EXPECT_DOUBLE_EQ(left.Minimum(), y0);
        EXPECT_DOUBLE_EQ(left.Maximum(), y1);
    }
}

TEST_F(ChartMouseTest, ASeriesClickReachesTheSeriesThenTheChart)
{
    TChartSeries &series = *chart.GetSeries(0);
    QStringList fired;
    series.OnClick = [&](TChartSeries *, int index, TMouseButton, TShiftState, int, int) {
        fired << QStringLiteral("click %1").arg(index);
    };
    series.OnDblClick = [&](TChartSeries *, int index, TMouseButton, TShiftState, int, int) {
        fired << QStringLiteral("double %1").arg(index);
    };
    chart.OnClickSeries = [&](TCustomChart &, TChartSeries *, int index, TMouseButton, TShiftState, int, int) {
        fired << QStringLiteral("chart %1").arg(index);
    };
    const QPoint point(series.CalcXPos(5), series.CalcYPos(5));
    ASSERT_EQ(chart.CalcClickedPart(point.x(), point.y()).Part, TCustomChart::cpSeries);
    QTest::mouseClick(&chart, Qt::LeftButton, {}, point);
    EXPECT_EQ(fired, QStringList({"click 5", "chart 5"}));
    fired.clear();
    QTest::mouseDClick(&chart, Qt::LeftButton, {}, point);
    EXPECT_TRUE(fired.contains("double 5")) << fired.join(", ").toStdString();
}

TEST_F(ChartMouseTest, ASeriesUnderTheMouseShowsItsCursorUntilTheMouseLeavesIt)
{
    TChartSeries &series = *chart.GetSeries(0);
    series.SetCursor(-21); // the pointing hand
    // Moves without a pressed button reach only a shown widget.
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    const QPoint point(series.CalcXPos(5), series.CalcYPos(5));
    QTest::mouseMove(&chart, point);
    EXPECT_EQ(chart.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&chart, {point.x(), point.y() + 40});
    EXPECT_EQ(chart.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ChartMouseTest, TheZoomBandFollowsTheMouseAndLeavesNoTrace)
{
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    const QImage before = chart.grab().toImage();
    QTest::mousePress(&chart, Qt::LeftButton, {}, {100, 60});
    QTest::mouseMove(&chart, {300, 180});
    const QImage dragging = chart.grab().toImage();
    EXPECT_NE(dragging.pixel(200, 60), before.pixel(200, 60)) << "band's top edge";
    EXPECT_NE(dragging.pixel(299, 120), before.pixel(299, 120)) << "band's right edge (the right side is exclusive)";
    // Back near the start: the drag is too short to zoom, and the band is erased.
    QTest::mouseMove(&chart, {105, 65});
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {105, 65});
    EXPECT_TRUE(chart.BottomAxis()->Automatic());
    EXPECT_EQ(chart.grab().toImage(), before);
}
