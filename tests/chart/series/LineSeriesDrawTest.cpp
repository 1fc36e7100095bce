// Line, point and area series drawn on a chart: edges, nulls, coincident points, stacking, the
// shadow pass, values that cannot be drawn, and the curve on a real image.
#include "SeriesDrawTestSupport.h"

#include "TAreaSeries.h"
#include "TChartAxis.h"
#include "THorizLineSeries.h"
#include "TLineSeries.h"
#include "TPointSeries.h"

#include "PlotColor.h"
#include "PlotEngine.h"
#include "PlotProcs.h"
#include "PlotException.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

class SeriesDrawTest : public SeriesDrawTestBase
{
protected:
    // The Line calls of the last pass, drawn in the colour.
    std::vector<RecordedCall> lines(TColor color) const
    {
        std::vector<RecordedCall> result;
        for (const RecordedCall &call : canvas->calls(QStringLiteral("Line")))
            if (call.penColor == color)
                result.push_back(call);
        return result;
    }
    // The pointers of the last pass: rectangles filled in the colour.
    int pointers(TColor color) const
    {
        int n = 0;
        for (const RecordedCall &call : canvas->calls(QStringLiteral("Rectangle")))
            n += call.brushColor == color ? 1 : 0;
        return n;
    }
    static TPoint start(const RecordedCall &line) { return {line.args[0], line.args[1]}; }
    static TPoint end(const RecordedCall &line) { return {line.args[2], line.args[3]}; }
    static bool touches(const RecordedCall &line, const TPoint &p) { return start(line) == p || end(line) == p; }
};

} // namespace

TEST_F(SeriesDrawTest, ALineEntersFromTheChartEdgeAtTheInterpolatedHeight)
{
    struct Case
    {
        const char *name;
        bool logarithmic;
        double y0;
        double y1;
        double expected; // the value at the left edge, x = 5
    };
    const Case cases[] = {
        {"linear", false, 0, 100, 50},
        {"logarithmic", true, 1, 100, 10},
        // No logarithm of 0: linear, and no NaN reaches a pixel.
        {"log axis, zero before the range", true, 0, 100, 50},
    };
    auto *series = add<TLineSeries>();
    chart.BottomAxis()->SetMinMax(5, 10);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.logarithmic) {
            chart.LeftAxis()->SetMinMax(1, 100);
            chart.LeftAxis()->SetLogarithmic(true);
        } else {
            chart.LeftAxis()->SetLogarithmic(false);
            chart.LeftAxis()->SetMinMax(0, 100);
        }
        series->Clear();
        series->AddXY(0, c.y0);
        series->AddXY(10, c.y1);
        draw();
        const std::vector<RecordedCall> drawn = lines(series->Color());
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(start(drawn[0]), (TPoint{chart.ChartRect.left, chart.LeftAxis()->ValueToPixel(c.expected)}));
        EXPECT_EQ(end(drawn[0]), pixelOf(*series, 1));
    }
}

TEST_F(SeriesDrawTest, ANullPointBreaksTheLineAndThePointBeforeItKeepsItsPointer)
{
    auto *series = add<TLineSeries>({{0, 10}});
    series->AddNullXY(1, 40);
    series->AddXY(2, 20);
    series->AddXY(3, 50);
    series->Pointer()->SetVisible(true);
    draw();
    const std::vector<RecordedCall> drawn = lines(series->Color());
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(start(drawn[0]), pixelOf(*series, 2));
    EXPECT_EQ(end(drawn[0]), pixelOf(*series, 3));
    // Pointers at 0, 2 and 3; none at the null.
    const TPoint p0 = pixelOf(*series, 0);
    int atFirst = 0;
    for (const RecordedCall &r : canvas->calls(QStringLiteral("Rectangle")))
        atFirst += (r.args[0] + r.args[2]) / 2 == p0.x && (r.args[1] + r.args[3]) / 2 == p0.y ? 1 : 0;
    EXPECT_EQ(atFirst, 1);
    EXPECT_EQ(pointers(series->Color()), 3);
}

TEST_F(SeriesDrawTest, ALonePointDrawsItsPointerAndPointsOnOnePixelDrawNothingBetweenThem)
{
    struct Case
    {
        const char *name;
        std::vector<std::pair<double, double>> points;
        int lines;
        int pointers;
    };
    const Case cases[] = {
        {"one point", {{0, 50}}, 0, 1},
        // 1e-9 apart: one pixel; the third point is elsewhere.
        {"two points on one pixel", {{0, 50}, {1e-9, 50}, {10, 80}}, 1, 2},
    };
    auto *series = add<TLineSeries>();
    series->Pointer()->SetVisible(true);
    chart.BottomAxis()->SetMinMax(0, 10);
    chart.LeftAxis()->SetMinMax(0, 100);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        series->Clear();
        for (const auto &[x, y] : c.points)
            series->AddXY(x, y);
        draw();
        EXPECT_EQ(int(lines(series->Color()).size()), c.lines);
        EXPECT_EQ(pointers(series->Color()), c.pointers);
    }
}

TEST_F(SeriesDrawTest, EachSegmentTakesItsEndPointsColourBetweenPointers)
{
    const TColor colors[] = {clRed, clGreen, clGreen, clBlue};
    auto *series = add<TLineSeries>();
    for (int i = 0; i < 4; ++i)
        series->AddXY(i, 10.0 * (i % 2), {}, colors[i]);
    series->SetColorEachPoint(true);
    for (bool pointers : {false, true}) {
        SCOPED_TRACE(pointers ? "with pointers" : "line only");
        series->Pointer()->SetVisible(pointers);
        draw();
        std::vector<TColor> drawn;
        for (const RecordedCall &call : canvas->calls(QStringLiteral("Line")))
            if (start(call).x >= series->CalcXPos(0))
                drawn.push_back(call.penColor);
        EXPECT_EQ(drawn, (std::vector<TColor>{clGreen, clGreen, clBlue}));
    }
}

TEST_F(SeriesDrawTest, StackedHundredPercentPutsAllZeroPointsAtTheAxisEnd)
{
    std::vector<TLineSeries *> stack;
    for (int s = 0; s < 3; ++s) {
        stack.push_back(add<TLineSeries>({{0, 10.0 + s}, {1, 20.0 * s}, {2, 0}, {3, 5}}));
        stack.back()->SetSeriesColor(PlotProcs::GetDefaultColor(s));
    }
    stack[0]->SetStacked(cssStack100);
    draw();
    for (TLineSeries *series : stack) {
        EXPECT_EQ(series->CalcYPos(2), chart.LeftAxis()->EndPixel());
        const std::vector<RecordedCall> drawn = lines(series->Color());
        ASSERT_EQ(drawn.size(), 3u);
        EXPECT_EQ(end(drawn[1]).y, chart.LeftAxis()->EndPixel());
    }
    // The top series reaches 100 % wherever the sum is not 0.
    EXPECT_EQ(stack[2]->CalcYPos(0), chart.LeftAxis()->ValueToPixel(100));
}

TEST_F(SeriesDrawTest, StackedAreasStandOnTheSeriesBelow)
{
    auto *lower = add<TAreaSeries>({{0, 10}, {1, 30}, {2, 20}});
    auto *upper = add<TAreaSeries>({{0, 5}, {1, 5}, {2, 40}});
    lower->SetSeriesColor(clGreen);
    upper->SetSeriesColor(clBlue);
    upper->SetMultiArea(maStacked);
    lower->AreaLinesPen()->Hide();
    upper->AreaLinesPen()->Hide();
    draw();
    std::vector<RecordedCall> lowerPieces;
    std::vector<RecordedCall> upperPieces;
    for (const RecordedCall &call : canvas->calls(QStringLiteral("Polygon"))) {
        if (call.brushColor == lower->Color())
            lowerPieces.push_back(call);
        else if (call.brushColor == upper->Color())
            upperPieces.push_back(call);
    }
    ASSERT_EQ(lowerPieces.size(), 2u);
    ASSERT_EQ(upperPieces.size(), 2u);
    for (int piece = 0; piece < 2; ++piece) {
        SCOPED_TRACE(piece);
        // Polygons run (previous top, top, bottom, previous bottom).
        const TPointArray &below = lowerPieces[std::size_t(piece)].points;
        const TPointArray &above = upperPieces[std::size_t(piece)].points;
        EXPECT_EQ(above[3], below[0]);
        EXPECT_EQ(above[2], below[1]);
        EXPECT_EQ(below[2].y, chart.LeftAxis()->EndPixel());
    }
    EXPECT_EQ(upperPieces[1].points[1].y, chart.LeftAxis()->ValueToPixel(60));
}

TEST_F(SeriesDrawTest, AnAreaFillsDownToItsOriginAndStairsFillWholeSteps)
{
    auto *area = add<TAreaSeries>({{0, 10}, {1, 30}, {2, 20}});
    area->SetSeriesColor(clGreen);
    area->SetUseYOrigin(true);
    area->SetYOrigin(-50);
    EXPECT_EQ(area->MinYValue(), -50.0); // the origin stays in view
    draw();
    std::vector<RecordedCall> pieces;
    for (const RecordedCall &call : canvas->calls(QStringLiteral("Polygon")))
        if (call.brushColor == clGreen)
            pieces.push_back(call);
    ASSERT_EQ(pieces.size(), 2u);
    const int origin = chart.LeftAxis()->ValueToPixel(-50);
    EXPECT_EQ(pieces[0].points[2], (TPoint{area->CalcXPos(1), origin}));
    EXPECT_EQ(pieces[1].points[3], (TPoint{area->CalcXPos(1), origin}));

    // Stairs: each step a rectangle from the point before to one pixel past the point, at the
    // earlier point's height.
    area->SetStairs(true);
    draw();
    std::vector<RecordedCall> steps;
    for (const RecordedCall &call : canvas->calls(QStringLiteral("Rectangle")))
        if (call.brushColor == clGreen)
            steps.push_back(call);
    ASSERT_EQ(steps.size(), 2u);
    const int stepOrigin = chart.LeftAxis()->ValueToPixel(-50); // the stairs' pen widens the margins
    EXPECT_EQ(steps[1].args,
              (std::vector<int>{area->CalcXPos(1), area->CalcYPos(1), area->CalcXPos(2) + 1, stepOrigin}));
}

TEST_F(SeriesDrawTest, TheShadowPassDrawsFirstAndLeavesTheChartAsItWas)
{
    auto *series = add<TLineSeries>({{0, 10}, {1, 40}, {2, 20}});
    series->SetSeriesColor(clRed);
    series->Shadow()->SetSize(3);
    series->Pointer()->SetVisible(true);
    draw();
    const TColor shadow = series->Shadow()->Color();
    const std::vector<RecordedCall> all = canvas->calls(QStringLiteral("Line"));
    const std::vector<RecordedCall> shadowLines = lines(shadow);
    const std::vector<RecordedCall> seriesLines = lines(clRed);
    ASSERT_EQ(shadowLines.size(), 2u);
    ASSERT_EQ(seriesLines.size(), 2u);
    const auto firstOf = [&](TColor color) {
        return std::find_if(all.begin(), all.end(), [&](const RecordedCall &c) { return c.penColor == color; });
    };
    EXPECT_LT(firstOf(shadow), firstOf(clRed));
    EXPECT_EQ(std::find_if(firstOf(clRed), all.end(), [&](const RecordedCall &c) { return c.penColor == shadow; }),
              all.end());
    EXPECT_EQ(start(shadowLines[0]), (TPoint{start(seriesLines[0]).x + 3, start(seriesLines[0]).y + 3}));
    EXPECT_EQ(pointers(clRed), 3);
    EXPECT_EQ(pointers(shadow), 0); // pointers in the normal pass only

    struct Snapshot
    {
        int horizStart, horizEnd, vertStart, vertEnd;
        TColor color;
        bool pointer;
        bool operator==(const Snapshot &) const = default;
    };
    const auto snapshot = [&] {
        return Snapshot{chart.BottomAxis()->StartPixel(), chart.BottomAxis()->EndPixel(),
                        chart.LeftAxis()->StartPixel(),   chart.LeftAxis()->EndPixel(),
                        series->Color(),                  series->Pointer()->Visible()};
    };
    const Snapshot before = snapshot();

    // A canvas that fails in the middle of the shadow pass.
    class FailingCanvas : public RecordingCanvas
    {
    public:
        explicit FailingCanvas(TColor failOn)
            : m_failOn(failOn)
        {
        }
        void Line(int x0, int y0, int x1, int y1) override
        {
            if (Pen()->Color() == m_failOn)
                throw PlotException(QStringLiteral("device lost"));
            RecordingCanvas::Line(x0, y0, x1, y1);
        }

    private:
        TColor m_failOn;
    };
    chart.SetCanvas(std::make_unique<FailingCanvas>(shadow));
    EXPECT_THROW(chart.drawPass(), PlotException);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(SeriesDrawTest, HugeAndNonFiniteValuesOnAZoomedAxisAreClampedOrSkipped)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto *series = add<TLineSeries>({{0, 10}, {1, 1e300}, {2, nan}, {3, -1e300}, {4, 20}});
    chart.BottomAxis()->SetMinMax(0, 4);
    chart.LeftAxis()->SetMinMax(10, 10.000001); // zoomed far in
    draw();
    const std::vector<RecordedCall> drawn = lines(series->Color());
    // 0-1 clamped, nothing to or from the NaN point, 3-4 clamped: the line breaks at the NaN.
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(start(drawn[0]).x, series->CalcXPos(0));
    EXPECT_EQ(end(drawn[0]).y, -PlotEngine::MaxAxisPixel);
    EXPECT_EQ(start(drawn[1]), (TPoint{series->CalcXPos(3), PlotEngine::MaxAxisPixel}));
    EXPECT_EQ(end(drawn[1]).x, series->CalcXPos(4));
}

TEST_F(SeriesDrawTest, AHorizontalLineDrawsEveryPointAlongItsCategories)
{
    auto *series = add<THorizLineSeries>();
    for (int i = 0; i < 4; ++i)
        series->AddXY(10.0 * (i % 2) + 5, i); // value, category
    chart.LeftAxis()->SetMinMax(1, 2); // points 0 and 3 lie outside: drawn all the same
    draw();
    const std::vector<RecordedCall> drawn = lines(series->Color());
    ASSERT_EQ(drawn.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(start(drawn[std::size_t(i)]), pixelOf(*series, i));
        EXPECT_EQ(end(drawn[std::size_t(i)]), pixelOf(*series, i + 1));
    }
}

TEST_F(SeriesDrawTest, LinePointAndAreaSeriesShowOnARealChart)
{
    chart.SetCanvas(std::make_unique<TPlotCanvas3D>());
    chart.BottomAxis()->SetMinMax(0, 10);
    chart.LeftAxis()->SetMinMax(0, 100);
    auto *area = add<TAreaSeries>({{0, 20}, {5, 30}, {10, 25}});
    auto *line = add<TLineSeries>({{0, 50}, {5, 90}, {10, 60}});
    auto *points = add<TPointSeries>({{2, 70}, {8, 40}});
    area->SetSeriesColor(0x00C000);
    line->SetSeriesColor(clRed);
    points->SetSeriesColor(clBlue);
    for (bool view3D : {false, true}) {
        SCOPED_TRACE(view3D ? "3D" : "2D");
        chart.SetView3D(view3D);
        const QImage image = chart.render();
        QDir().mkpath(QStringLiteral(TENSIMO_TEST_OUTPUT_DIR));
        image.save(QStringLiteral(TENSIMO_TEST_OUTPUT_DIR "/line-point-area-%1.png").arg(view3D ? "3d" : "2d"));
        const auto count = [&](TColor color) {
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    n += image.pixel(x, y) == PlotColor::toQRgb(color) ? 1 : 0;
            return n;
        };
        EXPECT_GT(count(line->Color()), 200);
        EXPECT_GT(count(area->Color()), 5000);
        EXPECT_GT(count(points->Color()), 2 * 30);
    }
}
