// Tools on a chart, and the cursor tool: hit test, dragging and following the mouse, snapping,
// cursors, and lines that move over the screen buffer without a redraw of the chart.
#include "ChartTestSupport.h"

#include "TChartAxis.h"
#include "TCursorTool.h"
#include "TLineSeries.h"

#include "PlotColor.h"
#include "TPlotCanvas3D.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Records the drawing moments and mouse events a tool receives.
class RecordingTool : public TPlotCustomTool
{
public:
    using TPlotCustomTool::TPlotCustomTool;
    void ChartEvent(int kind) override { events.push_back(kind); }
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton, TShiftState, int x, int y) override
    {
        mouse.push_back({int(kind), x, y});
    }
    std::vector<int> events;
    std::vector<std::vector<int>> mouse;
};

class CursorToolTest : public ChartTest
{
protected:
    void SetUp() override
    {
        chart.SetView3D(false);
        chart.Legend()->SetVisible(false);
        chart.Title()->SetVisible(false);
        series = chart.AddSeriesOfClass<TLineSeries>();
        for (int i = 0; i <= 10; ++i)
            series->AddXY(i, 10.0 * i);
        tool = new TCursorTool(&chart);
        tool->SetParentChart(&chart);
        tool->OnChange = [this](TCursorTool *, int, int, double, double, TChartSeries *, int index) {
            changes.push_back(index);
        };
        chart.render(); // lays the axes out and computes the lines
    }

    // Shown, so that moves without a pressed button arrive and the screen buffer is painted.
    void show()
    {
        chart.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
        chart.repaint();
    }

    // Puts the lines at the pixel through their values.
    void placeLines(int x, int y)
    {
        tool->SetXValue(chart.BottomAxis()->PixelToValue(x));
        tool->SetYValue(chart.LeftAxis()->PixelToValue(y));
        tool->CalcLinePositions();
        ASSERT_EQ(tool->VerticalLineX(), x);
        ASSERT_EQ(tool->HorizontalLineY(), y);
    }

    QImage buffer() const { return dynamic_cast<TPlotCanvas3D &>(*chart.Canvas()).buffer()->copy(); }

    TestChart chart;
    TLineSeries *series = nullptr;
    TCursorTool *tool = nullptr;
    std::vector<int> changes;
};

} // namespace

TEST_F(CursorToolTest, ToolsGetTheDrawingMomentsAndMouseEventsOnceEachWhileActive)
{
    auto *recorder = new RecordingTool(&chart);
    recorder->SetParentChart(&chart);
    chart.drawPass();
    const std::vector<int> behindAxes{2, 3, 1, 4, 0};
    EXPECT_EQ(recorder->events, behindAxes);
    show();
    recorder->events.clear();
    QTest::mousePress(&chart, Qt::LeftButton, {}, {30, 40});
    QTest::mouseMove(&chart, {35, 45});
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {35, 45});
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&chart, &leave);
    const std::vector<std::vector<int>> mouse{{0, 30, 40}, {1, 35, 45}, {2, 35, 45}};
    EXPECT_EQ(recorder->mouse, mouse);
    EXPECT_EQ(std::count(recorder->events.begin(), recorder->events.end(), 5), 1);

    recorder->SetActive(false);
    const std::vector<int> seen = recorder->events;
    QTest::mouseClick(&chart, Qt::LeftButton, {}, {30, 40});
    chart.repaint();
    EXPECT_EQ(recorder->mouse.size(), 3u);
    EXPECT_EQ(recorder->events, seen);

    // The cursor tool before it takes a press on its line: the press goes no further.
    recorder->SetActive(true);
    placeLines(200, 150);
    QTest::mousePress(&chart, Qt::LeftButton, {}, {260, 150});
    EXPECT_EQ(tool->Dragging(), TCursorTool::ccHorizontal);
    EXPECT_EQ(recorder->mouse.size(), 3u);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, {260, 150});
}

TEST_F(CursorToolTest, TheFirstDrawPutsBothLinesInTheMiddleOfTheirAxes)
{
    const TChartAxis &bottom = *chart.BottomAxis();
    const TChartAxis &left = *chart.LeftAxis();
    EXPECT_EQ(tool->VerticalLineX(), (bottom.StartPixel() + bottom.EndPixel()) / 2);
    EXPECT_EQ(tool->HorizontalLineY(), (left.StartPixel() + left.EndPixel()) / 2);
    EXPECT_DOUBLE_EQ(tool->XValue(), bottom.PixelToValue(tool->VerticalLineX()));
    EXPECT_EQ(changes, std::vector<int>{-1});
}

TEST_F(CursorToolTest, HitTestFindsTheLinesWithinTheToleranceInsideTheArea)
{
    placeLines(200, 150);
    const TRect area = tool->GetCursorArea();
    struct Case { TCursorToolStyle style; QPoint at; TCursorTool::TCursorClicked part; };
    const Case cases[] = {
        {cssBoth, {202, 148}, TCursorTool::ccBoth},
        {cssBoth, {260, 151}, TCursorTool::ccHorizontal},
        {cssBoth, {201, area.top + 5}, TCursorTool::ccVertical},
        {cssBoth, {260, 160}, TCursorTool::ccNone},
        {cssBoth, {area.right, 150}, TCursorTool::ccNone},
        {cssBoth, {203, area.top - 1}, TCursorTool::ccNone},
        {cssHorizontal, {202, 148}, TCursorTool::ccHorizontal},
        {cssVertical, {202, 148}, TCursorTool::ccVertical},
        {cssVertical, {260, 151}, TCursorTool::ccNone},
    };
    for (const Case &c : cases) {
        tool->SetStyle(c.style);
        EXPECT_EQ(tool->Clicked(c.at.x(), c.at.y()), c.part) << c.style << " at " << c.at.x() << "," << c.at.y();
    }
}

TEST_F(CursorToolTest, InThreeDimensionsTheLinesAreHitWhereTheSeriesDepthShowsThem)
{
    // A second series in front puts the first one deeper.
    auto *front = chart.AddSeriesOfClass<TLineSeries>();
    front->AddXY(0, 0);
    front->AddXY(10, 100);
    chart.SetView3D(true);
    chart.SetChart3DPercent(40);
    tool->SetSeries(series);
    tool->SetUseSeriesZ(true);
    chart.render();
    const TPoint shown = chart.Canvas()->Calc3DPoint(tool->VerticalLineX(), tool->HorizontalLineY(), series->StartZ());
    ASSERT_GT(std::abs(shown.x - tool->VerticalLineX()), tool->ClickTolerance());
    ASSERT_GT(std::abs(shown.y - tool->HorizontalLineY()), tool->ClickTolerance());
    EXPECT_EQ(tool->Clicked(shown.x, shown.y), TCursorTool::ccBoth);
    tool->SetUseSeriesZ(false);
    EXPECT_EQ(tool->Clicked(shown.x, shown.y), TCursorTool::ccNone);
}

TEST_F(CursorToolTest, OverALineTheCursorChangesAndTheChartLeavesTheMouseAlone)
{
    show();
    placeLines(200, 150);
    struct Case { QPoint at; Qt::CursorShape shape; bool cancel; };
    const Case cases[] = {{{260, 151}, Qt::SizeVerCursor, true},
                          {{201, 100}, Qt::SizeHorCursor, true},
                          {{202, 148}, Qt::SizeAllCursor, true},
                          {{260, 100}, Qt::ArrowCursor, false}};
    for (const Case &c : cases) {
        QTest::mouseMove(&chart, c.at);
        EXPECT_EQ(chart.cursor().shape(), c.shape) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(chart.CancelMouse, c.cancel) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(CursorToolTest, DraggingMovesOnlyTheLinesTakenAndNeverZooms)
{
    show();
    struct Case { TCursorToolStyle style; QPoint from; bool xMoves; bool yMoves; };
    const Case cases[] = {{cssBoth, {202, 148}, true, true},
                          {cssBoth, {260, 151}, false, true},
                          {cssBoth, {201, 100}, true, false},
                          {cssHorizontal, {202, 148}, false, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.from.x());
        tool->SetStyle(c.style);
        placeLines(200, 150);
        const double x = tool->XValue(), y = tool->YValue();
        QTest::mousePress(&chart, Qt::LeftButton, {}, c.from);
        QTest::mouseMove(&chart, {250, 120});
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, {250, 120});
        EXPECT_EQ(tool->XValue(), c.xMoves ? chart.BottomAxis()->PixelToValue(250) : x);
        EXPECT_EQ(tool->YValue(), c.yMoves ? chart.LeftAxis()->PixelToValue(120) : y);
        EXPECT_EQ(tool->Dragging(), TCursorTool::ccNone);
        EXPECT_TRUE(chart.BottomAxis()->Automatic());
    }
}

TEST_F(CursorToolTest, FollowingTheMouseStopsOutsideTheAxesAndKeepsToTheStyle)
{
    show();
    tool->SetFollowMouse(true);
    QTest::mouseMove(&chart, {250, 120});
    EXPECT_EQ(tool->VerticalLineX(), 250);
    EXPECT_EQ(tool->HorizontalLineY(), 120);
    QTest::mouseMove(&chart, {3, 3});
    EXPECT_EQ(tool->VerticalLineX(), 250);
    EXPECT_EQ(tool->HorizontalLineY(), 120);

    tool->SetStyle(cssHorizontal);
    const double x = tool->XValue();
    QTest::mouseMove(&chart, {150, 100});
    EXPECT_EQ(tool->XValue(), x);
    EXPECT_EQ(tool->YValue(), chart.LeftAxis()->PixelToValue(100));
}

TEST_F(CursorToolTest, SnappingTakesTheNearestShownPointAndTheLowerIndexOnATie)
{
    series->Clear();
    for (const auto &[x, y] : std::vector<std::pair<double, double>>{{0, 10}, {2, 10}, {4, 30}, {10, 31}})
        series->AddXY(x, y);
    tool->SetSnap(true);
    struct Case { TCursorToolStyle style; double x; double y; int index; double snappedX; double snappedY; };
    const Case cases[] = {
        {cssBoth, 1, 10, 0, 0, 10},       // a tie: the first wins
        {cssVertical, 3, 99, 1, 2, 99},   // a tie along x; y is left alone
        {cssHorizontal, 0, 30.6, 3, 0, 31}, // only y distances count
        {cssBoth, 3.9, 29, 2, 4, 30},
    };
    for (const Case &c : cases) {
        tool->SetStyle(c.style);
        tool->SetXValue(c.x);
        tool->SetYValue(c.y);
        tool->SetSeries(series);
        EXPECT_EQ(tool->SnapToPoint(), c.index) << c.x;
        EXPECT_DOUBLE_EQ(tool->XValue(), c.snappedX) << c.x;
        EXPECT_DOUBLE_EQ(tool->YValue(), c.snappedY) << c.x;
    }
    tool->SetSeries(nullptr);
    EXPECT_EQ(tool->SnapToPoint(), -1);
}

TEST_F(CursorToolTest, FollowingWithSnapTellsEachNewPointOnce)
{
    show();
    tool->SetFollowMouse(true);
    tool->SetSnap(true);
    QTest::mouseMove(&chart, {250, 120});
    EXPECT_EQ(changes.back(), -1) << "no series: no snapping";

    // Only x distances count, so the mouse's height does not pick the point.
    tool->SetStyle(cssVertical);
    tool->SetSeries(series);
    std::vector<int> snaps;
    tool->OnSnapChange = [&](TCursorTool *, int, int, double, double, TChartSeries *, int index) {
        snaps.push_back(index);
    };
    const int x5 = series->CalcXPos(5), x8 = series->CalcXPos(8);
    for (const int x : {x5 - 2, x5, x5 + 2, x8 - 1, x8 + 1})
        QTest::mouseMove(&chart, {x, 120});
    EXPECT_EQ(snaps, std::vector<int>({5, 8}));
    EXPECT_EQ(changes.back(), 8);
    EXPECT_EQ(tool->VerticalLineX(), x8);
}

TEST_F(CursorToolTest, LinesXorThePixelsUnderThemWithPenAndBackground)
{
    tool->Pen()->SetColor(0x0000C0);
    chart.BackWall()->SetTransparent(true); // the panel's colour shows behind the lines
    // The default colour paints the button face, so the lines show in the pen colour there too.
    for (const TColor color : {clBtnFace, clDefault, TColor(0xE0FFFF)}) {
        SCOPED_TRACE(color);
        chart.SetColor(color);
        tool->SetActive(false);
        show();
        placeLines(180, 102); // between grid lines
        chart.repaint();
        const QImage under = buffer();
        tool->SetActive(true);
        chart.repaint();
        const QImage over = buffer();
        const TColor back = PlotColor::ColorToRGB(color == clDefault ? clBtnFace : color);
        const QRgb background = PlotColor::toQColor(back).rgb() & 0xFFFFFF;
        const QRgb pen = PlotColor::toQColor(tool->Pen()->Color()).rgb() & 0xFFFFFF;
        const TRect area = tool->GetCursorArea();
        const int y = tool->HorizontalLineY();
        int overBackground = 0;
        for (int x = area.left; x < area.right; ++x) {
            const QRgb below = under.pixel(x, y) & 0xFFFFFF;
            // The crossing is drawn twice, which leaves it as it was.
            const QRgb expected = x == tool->VerticalLineX() ? below : below ^ pen ^ background;
            ASSERT_EQ(over.pixel(x, y) & 0xFFFFFF, expected) << x;
            overBackground += below == background;
        }
        EXPECT_GT(overBackground, 0);
    }
}

TEST_F(CursorToolTest, AMoveRedrawsOnlyTheLinesAndAFullDrawBringsThemBack)
{
    show();
    int draws = 0;
    chart.OnBeforeDrawChart = [&](TCustomAxisPanel *) { ++draws; };
    tool->SetFollowMouse(true);
    QTest::mouseMove(&chart, {150, 100});
    chart.repaint();
    const QImage start = buffer();
    draws = 0;
    QTest::mouseMove(&chart, {250, 130});
    const QImage moved = buffer();
    QTest::mouseMove(&chart, {150, 100});
    EXPECT_EQ(buffer(), start) << "erased and drawn again at the same place";
    QTest::mouseMove(&chart, {250, 130});
    EXPECT_EQ(draws, 0);
    EXPECT_NE(moved, start);

    chart.Invalidate();
    chart.repaint();
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(buffer(), moved);
}
