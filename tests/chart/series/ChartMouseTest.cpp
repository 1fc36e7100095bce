// The chart's mouse: clicks and their events, zoom by dragging and undo by dragging back,
// panning with the scroll button and scrolling with the wheel, driven by real Qt events.
#include "ChartTestSupport.h"

#include "TChartAxis.h"
#include "TLineSeries.h"
#include "TPlotEventListeners.h"

#include "ScriptedMessageService.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <stdexcept>

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
    const Case cases[] = {{{120}, 1}, {{-120}, -1}, {{60, 60}, 1}, {{40, 40, 40}, 1}, {{240}, 2}, {{90, -90}, 0},
                          {{60}, 0}};
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

    // A left axis of 0..100: a notch up moves both ends up by 3; with the wheel switched off, none.
    chart.LeftAxis()->SetMinMax(0, 100);
    wheel(120);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), 3.0);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), 103.0);
    ChartMouse::WheelScrolls = false;
    wheel(120);
    ChartMouse::WheelScrolls = true;
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), 3.0);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), 103.0);
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

    // Radio style: the clicked series becomes the only active one.
    legend.SetCheckBoxesStyle(cbsRadio);
    chart.render();
    QTest::mouseClick(&chart, Qt::LeftButton, {}, first);
    EXPECT_TRUE(chart.GetSeries(0)->Active());
    EXPECT_FALSE(second->Active());
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

TEST_F(ChartMouseTest, TitlesAndTheTopmostSeriesAreFoundAndTheirEventsFire)
{
    auto *over = chart.AddSeriesOfClass<TLineSeries>(); // the same points, drawn over the first series
    for (int i = 0; i <= 10; ++i)
        over->AddXY(i, 10.0 * i);
    chart.Title()->SetVisible(true);
    chart.Title()->SetText({QStringLiteral("Vapour pressure")});
    chart.SubFoot()->SetVisible(true);
    chart.SubFoot()->SetText({QStringLiteral("Measured")});
    chart.render();
    QStringList fired;
    chart.OnClickTitle = [&](TCustomChart &, TChartTitle *title, TMouseButton, TShiftState, int, int) {
        fired << (title == chart.Title() ? "title" : title == chart.SubFoot() ? "subfoot" : "other title");
    };
    chart.OnClickSeries = [&](TCustomChart &, TChartSeries *series, int index, TMouseButton, TShiftState, int, int) {
        fired << QStringLiteral("series %1 point %2").arg(chart.SeriesList().IndexOf(series)).arg(index);
    };
    const auto centre = [](const TRect &r) { return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); };
    struct Case { QPoint at; TCustomChart::TChartClickedPartStyle part; QString fired; };
    const Case cases[] = {
        {centre(chart.Title()->TitleRect()), TCustomChart::cpTitle, "title"},
        {centre(chart.SubFoot()->TitleRect()), TCustomChart::cpSubFoot, "subfoot"},
        {QPoint(over->CalcXPos(4), over->CalcYPos(4)), TCustomChart::cpSeries, "series 1 point 4"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fired.toStdString());
        fired.clear();
        EXPECT_EQ(chart.CalcClickedPart(c.at.x(), c.at.y()).Part, c.part);
        QTest::mouseClick(&chart, Qt::LeftButton, {}, c.at);
        EXPECT_EQ(fired, QStringList{c.fired});
        EXPECT_FALSE(chart.Zoom()->Active); // a handled click starts no zoom
    }
}

namespace {

// Counts the mouse events that reach it.
class CountingTool : public TPlotEventListener
{
public:
    void PlotEvent(TPlotEvent &event) override
    {
        if (dynamic_cast<TPlotMouseEvent *>(&event))
            ++count;
    }
    int count = 0;
};

} // namespace

TEST_F(ChartMouseTest, AToolThatCancelsTheMouseDownStopsEveryClickEventTheZoomAndLaterTools)
{
    chart.Title()->SetVisible(true);
    chart.Title()->SetText({QStringLiteral("Vapour pressure")});
    chart.Legend()->SetVisible(true);
    chart.render();
    QStringList fired;
    chart.OnClickBackground = [&](TCustomChart &, TMouseButton, TShiftState, int, int) { fired << "background"; };
    chart.OnClickLegend = [&](TCustomChart &, TMouseButton, TShiftState, int, int) { fired << "legend"; };
    chart.OnClickAxis = [&](TCustomChart &, TChartAxis *, TMouseButton, TShiftState, int, int) { fired << "axis"; };
    chart.OnClickTitle = [&](TCustomChart &, TChartTitle *, TMouseButton, TShiftState, int, int) { fired << "title"; };
    chart.OnClickSeries = [&](TCustomChart &, TChartSeries *, int, TMouseButton, TShiftState, int, int) {
        fired << "series";
    };
    const TChartSeries &series = *chart.GetSeries(0);
    const TChartLegend &legend = *chart.Legend();
    const TRect &title = chart.Title()->TitleRect();
    struct Case { QPoint at; TCustomChart::TChartClickedPartStyle part; };
    const Case cases[] = {
        {{series.CalcXPos(5), series.CalcYPos(5)}, TCustomChart::cpSeries},
        {{legend.LegendRect().left + 20, legend.FirstItemTop() + legend.ItemHeight() / 2}, TCustomChart::cpLegend},
        {{chart.LeftAxis()->PosAxis(), 120}, TCustomChart::cpAxis},
        {{(title.left + title.right) / 2, (title.top + title.bottom) / 2}, TCustomChart::cpTitle},
        {{150, 60}, TCustomChart::cpChartRect},
    };
    CancellingTool cancelling(chart);
    CountingTool later;
    chart.Listeners().Add(&cancelling);
    chart.Listeners().Add(&later);
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.part));
        ASSERT_EQ(chart.CalcClickedPart(c.at.x(), c.at.y()).Part, c.part);
        QTest::mousePress(&chart, Qt::LeftButton, {}, c.at);
        EXPECT_FALSE(chart.Zoom()->Active);
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, c.at);
    }
    chart.RemoveListener(&later);
    chart.RemoveListener(&cancelling);
    EXPECT_EQ(fired, QStringList());
    EXPECT_EQ(later.count, 0);
    EXPECT_TRUE(chart.GetSeries(0)->Active());
}

TEST_F(ChartMouseTest, AnAnimatedZoomRepaintsEachStepAThirdOfTheRemainingWayOn)
{
    chart.Zoom()->SetAnimated(true);
    chart.Zoom()->SetAnimatedSteps(8);
    chart.show(); // repaint() draws only a shown widget
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    const TChartAxis &bottom = *chart.BottomAxis();
    const double start = bottom.Minimum(), startMax = bottom.Maximum();
    const double target = bottom.PixelToValue(100), targetMax = bottom.PixelToValue(300);
    std::vector<std::pair<double, double>> drawn;
    QTest::mousePress(&chart, Qt::LeftButton, {}, {100, 60});
    QTest::mouseMove(&chart, {300, 180});
    chart.OnBeforeDrawSeries = [&](TCustomAxisPanel *) { drawn.emplace_back(bottom.Minimum(), bottom.Maximum()); };
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {300, 180});
    chart.OnBeforeDrawSeries = nullptr;

    ASSERT_EQ(drawn.size(), 7u);
    const double range = startMax - start;
    double left = 1.0; // the part of the way still to go
    for (std::size_t k = 0; k < drawn.size(); ++k) {
        SCOPED_TRACE(k);
        left *= 2.0 / 3.0;
        EXPECT_NEAR(drawn[k].first, target + left * (start - target), 1e-9 * range);
        EXPECT_NEAR(drawn[k].second, targetMax + left * (startMax - targetMax), 1e-9 * range);
    }
    EXPECT_DOUBLE_EQ(bottom.Minimum(), target);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), targetMax);
}

TEST_F(ChartMouseTest, ASeriesClickHandlerThatThrowsIsReportedOnceAndTheChartGoesOn)
{
    ScriptedMessageService messages;
    const TChartSeries &series = *chart.GetSeries(0);
    chart.OnClickSeries = [](TCustomChart &, TChartSeries *, int, TMouseButton, TShiftState, int, int) {
        throw std::runtime_error("Point 5 cannot be shown");
    };
    const QPointF at(series.CalcXPos(5), series.CalcYPos(5));
    // Straight to the widget, past the application's own guard: nothing may leave the handler.
    QMouseEvent press(QEvent::MouseButtonPress, at, chart.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, chart.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
    QObject &receiver = chart;
    EXPECT_NO_THROW(receiver.event(&press));
    EXPECT_NO_THROW(receiver.event(&release));
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("Point 5 cannot be shown"));

    chart.OnClickSeries = nullptr;
    chart.render();
    const double zoomedMax = chart.BottomAxis()->PixelToValue(300);
    drag(Qt::LeftButton, {100, 60}, {300, 180});
    EXPECT_TRUE(chart.Zoomed);
    EXPECT_DOUBLE_EQ(chart.BottomAxis()->Maximum(), zoomedMax);
    EXPECT_EQ(messages.shown().size(), 1);
}
