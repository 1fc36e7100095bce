// The nearest point tool: the search, its outward walk over ordered points, and the marker that
// moves over the screen buffer without a redraw.
#include "ToolTestSupport.h"

#include "PlotGeometry.h"
#include "THorizLineSeries.h"
#include "TNearestTool.h"

#include <QApplication>

#include <cmath>
#include <vector>

namespace {

class NearestToolTest : public ToolTest
{
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        tool = new TNearestTool(&chart);
        tool->SetParentChart(&chart);
        tool->OnChange = [this](TNearestTool *) { ++changes; };
        chart.OnBeforeDrawChart = [this](TCustomAxisPanel *) { ++contentsDraws; };
    }

    QPoint at(double x, double y) const
    {
        return {chart.BottomAxis()->ValueToPixel(x), chart.LeftAxis()->ValueToPixel(y)};
    }

    void leave()
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&chart, &event);
    }

    // The definition: every point in turn, the strictly nearer one replaces the best.
    static int nearestByDefinition(const std::vector<TPoint> &pixels, const std::vector<bool> &nulls,
                                   const TRect &rect, QPoint mouse)
    {
        int best = 10000, nearest = -1;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const TPoint p = pixels[i];
            if (nulls[i] || !PlotGeometry::PointInRect(rect, p))
                continue;
            const double dx = mouse.x() - p.x, dy = mouse.y() - p.y;
            if (dx * dx + dy * dy >= (best + 0.5) * (best + 0.5))
                continue; // cannot round below the best
            const int d = int(std::nearbyint(std::sqrt(dx * dx + dy * dy)));
            if (d < best) {
                best = d;
                nearest = int(i);
            }
        }
        return nearest;
    }

    TNearestTool *tool = nullptr;
    int changes = 0;
    int contentsDraws = 0;
};

TEST_F(NearestToolTest, FindsTheNearestShownPointAndTheLowerIndexOnATie)
{
    auto *series = chart.AddSeriesOfClass<TLineSeries>();
    for (const double x : {-4.0, 20.0, 50.0, 50.0, 90.0})
        series->AddXY(x, x < 0 ? 1 : x);
    tool->SetSeries(series);
    show();
    QTest::mouseMove(&chart, at(52, 49));
    EXPECT_EQ(tool->Point(), 2);
    // The point at -4 lies left of the axes, nearer the mouse than the point at 20.
    QTest::mouseMove(&chart, at(0, 1));
    EXPECT_EQ(tool->Point(), 1);
    EXPECT_EQ(changes, 2);
    // The same pixel again searches nothing.
    QTest::mouseMove(&chart, at(0, 1));
    EXPECT_EQ(changes, 2);
    series->Clear();
    series->AddNullXY(50, 50);
    QTest::mouseMove(&chart, at(50, 50));
    EXPECT_EQ(tool->Point(), -1);
}

TEST_F(NearestToolTest, WithoutASeriesMovesChangeNothing)
{
    addDiagonal();
    show();
    QTest::mouseMove(&chart, at(50, 50));
    QTest::mouseMove(&chart, at(60, 50));
    EXPECT_EQ(tool->Point(), -1);
    EXPECT_EQ(changes, 0);
}

TEST_F(NearestToolTest, TheOutwardWalkFindsWhatTheDefinitionFinds)
{
    struct Case { const char *name; bool horizontal; bool inverted; };
    const Case cases[] = {{"line", false, false}, {"inverted axis", false, true}, {"horizontal series", true, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        chart.RemoveAllSeries();
        TChartSeries *series = c.horizontal ? static_cast<TChartSeries *>(chart.AddSeriesOfClass<THorizLineSeries>())
                                            : static_cast<TChartSeries *>(chart.AddSeriesOfClass<TLineSeries>());
        constexpr int kPoints = 100000;
        for (int i = 0; i < kPoints; ++i) {
            const double along = 100.0 * i / kPoints;
            const double across = 50 + 45 * std::sin(along / 3);
            if (c.horizontal)
                series->AddXY(across, along);
            else
                series->AddXY(along, across);
        }
        chart.BottomAxis()->SetInverted(c.inverted);
        tool->SetSeries(series);
        chart.render();
        std::vector<TPoint> pixels;
        std::vector<bool> nulls;
        for (int i = 0; i < series->Count(); ++i) {
            pixels.push_back({series->CalcXPos(i), series->CalcYPos(i)});
            nulls.push_back(series->IsNull(i));
        }
        int checked = 0;
        for (int y : {30, 120, 200})
            for (int x = 0; x < chart.width(); x += 2) {
                const int expected = nearestByDefinition(pixels, nulls, chart.ChartRect, {x, y});
                EXPECT_EQ(tool->GetNearestPoint(x, y), expected) << x << "," << y;
                checked += expected >= 0;
            }
        EXPECT_GT(checked, 300);
    }
}

TEST_F(NearestToolTest, TheMarkerLeavesTheBufferCleanWithoutRedrawingTheChart)
{
    auto *series = addDiagonal();
    tool->SetSeries(series);
    tool->SetFullRepaint(false);
    for (const bool solid : {false, true}) {
        SCOPED_TRACE(solid);
        tool->Brush()->SetStyle(solid ? bsSolid : bsClear);
        tool->Brush()->SetColor(clRed);
        show();
        const QImage clean = buffer();
        const int draws = contentsDraws;
        QTest::mouseMove(&chart, at(33, 28));
        EXPECT_EQ(tool->Point(), 3);
        // The marker stands around the point, the line runs from it to the mouse.
        const QImage marked = buffer();
        const int s = tool->Size() + 2;
        const QRect around = QRect(at(30, 30) - QPoint(s, s), at(30, 30) + QPoint(s, s));
        const QRect line = QRect(at(30, 30), at(33, 28)).normalized().adjusted(-2, -2, 2, 2);
        int changed = 0, elsewhere = 0;
        for (int y = 0; y < clean.height(); ++y)
            for (int x = 0; x < clean.width(); ++x)
                if (marked.pixel(x, y) != clean.pixel(x, y)) {
                    ++changed;
                    elsewhere += !around.contains(x, y) && !line.contains(x, y);
                }
        EXPECT_GT(changed, 2 * tool->Size());
        EXPECT_EQ(elsewhere, 0);
        QTest::mouseMove(&chart, at(68, 72));
        EXPECT_EQ(tool->Point(), 7);
        leave();
        EXPECT_EQ(tool->Point(), -1);
        EXPECT_EQ(buffer(), clean);
        EXPECT_EQ(contentsDraws, draws);
    }
}

TEST_F(NearestToolTest, WithFullRepaintEveryMoveRedrawsTheChart)
{
    tool->SetSeries(addDiagonal());
    show();
    const int draws = contentsDraws;
    QTest::mouseMove(&chart, at(33, 28));
    chart.repaint();
    EXPECT_EQ(contentsDraws, draws + 1);
    EXPECT_EQ(tool->Point(), 3);
}

} // namespace
