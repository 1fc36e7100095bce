// Fast line series: margins, the column paths against the point-by-point path, gaps at nulls,
// the segment of an added point without a repaint, and the hit test.
#include "ChartTestSupport.h"

#include "TChartAxis.h"
#include "TFastLineSeries.h"
#include "TLineSeries.h"

#include "GoldenFiles.h"

#include <QApplication>

#include <cmath>
#include <functional>
#include <limits>

namespace {

class FastLineTest : public ChartTest
{
protected:
    void SetUp() override
    {
        chart.SetView3D(false);
        chart.Legend()->SetVisible(false);
        canvas = &chart.useRecordingCanvas();
    }
    TFastLineSeries *add(TestChart &target, const std::vector<double> &y)
    {
        auto *line = target.AddSeriesOfClass<TFastLineSeries>();
        for (const double v : y)
            line->Add(v);
        return line;
    }
    // The pen moves and lines of the last pass, as text.
    QStringList penLog() const
    {
        QStringList log;
        for (const RecordedCall &call : canvas->calls())
            if (call.op == QStringLiteral("MoveTo") || call.op == QStringLiteral("LineTo"))
                log << call.line();
        return log;
    }
    void draw()
    {
        canvas->clear();
        chart.drawPass();
    }

    TestChart chart;
    RecordingCanvas *canvas = nullptr;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST_F(FastLineTest, MarginsGrowByThePenWidthWithTruncatingDivision)
{
    TFastLineSeries line;
    const std::pair<int, int> cases[] = {{1, 1}, {3, 3}, {4, 3}, {0, 1}};
    for (const auto &[width, margin] : cases) {
        line.LinePen()->SetWidth(width);
        int a = 0;
        int b = 0;
        line.CalcHorizMargins(a, b);
        EXPECT_EQ(a, margin) << width;
        EXPECT_EQ(b, margin) << width;
        line.CalcVerticalMargins(a, b);
        EXPECT_EQ(b, margin) << width;
    }
}

TEST_F(FastLineTest, WithoutAllPointsOnePointPerPixelColumnAsThePointByPointPathDraws)
{
    chart.CustomChartRect = true;
    chart.ChartRect = {50, 20, 550, 220};
    chart.resize(600, 250);
    std::vector<double> y(10000);
    for (std::size_t i = 0; i < y.size(); ++i)
        y[i] = std::sin(i * 0.01) * 100.0;
    TFastLineSeries *line = add(chart, y);
    line->SetDrawAllPoints(false);
    draw();
    ASSERT_EQ(chart.BottomAxis()->PixelSize(), 500);
    const QStringList columns = penLog();
    EXPECT_LE(canvas->count(QStringLiteral("LineTo")), 501);
    EXPECT_GE(canvas->count(QStringLiteral("LineTo")), 400);
    line->setColumnPaths(false);
    draw();
    EXPECT_EQ(columns, penLog());
}

TEST_F(FastLineTest, AllPointsSkipOnlyRepeatedPixels)
{
    TFastLineSeries *line = add(chart, {});
    for (const auto &[x, y] : {std::pair{0.0, 5.0}, {0.0, 5.0}, {0.0, 5.0}, {1.0, 6.0}, {1.0, 6.0}, {2.0, 7.0}, {2.0, 8.0}})
        line->AddXY(x, y);
    line->setColumnPaths(false);
    chart.BottomAxis()->SetMinMax(0, 5);
    chart.LeftAxis()->SetMinMax(0, 10);
    draw();
    const std::vector<RecordedCall> lines = canvas->calls(QStringLiteral("LineTo"));
    // To (1, 6), (2, 7) and (2, 8): a point on the same column but another pixel is drawn.
    ASSERT_EQ(lines.size(), 3u);
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_NE(lines[i].args, lines[i - 1].args);
}

TEST_F(FastLineTest, TheColumnPathsSetTheSamePixelsAsThePointByPointPath)
{
    struct Case
    {
        const char *name;
        std::function<void(TestChart &, TFastLineSeries &)> setUp;
    };
    const auto fill = [](TFastLineSeries &line, int n, const std::function<double(int)> &value) {
        std::vector<double> x(static_cast<std::size_t>(n));
        std::vector<double> y(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            x[std::size_t(i)] = i;
            y[std::size_t(i)] = value(i);
        }
        line.AddXYArray(x, y);
    };
    const auto scene = [](int i) { return 1000.0 * std::sin(i * 0.001) ; };
    const Case cases[] = {
        {"the scene's curve, 100 000 points", [&](TestChart &, TFastLineSeries &line) { fill(line, 100000, scene); }},
        {"spikes", [&](TestChart &, TFastLineSeries &line) { fill(line, 20000, [](int i) { return i % 2 ? 1000.0 : -1000.0; }); }},
        {"nulls kept as gaps",
         [&](TestChart &, TFastLineSeries &line) {
             fill(line, 5000, scene);
             line.SetIgnoreNulls(false);
             for (int i = 100; i < 5000; i += 397)
                 line.SetValueColor(i, clNone);
             line.YValues()->SetValue(2500, kNaN);
         }},
        {"values made NaN after a redraw",
         [&](TestChart &target, TFastLineSeries &line) {
             fill(line, 50000, [](int i) { return (i / 1000 % 2 ? 800.0 : 0.0) + std::sin(i * 0.01); });
             line.SetDrawAllPoints(false);
             target.render();
             for (int i = 1000; i < 50000; i += 2000)
                 line.YValues()->SetValue(i, kNaN);
             line.SetDrawAllPoints(true);
         }},
        {"an inverted axis",
         [&](TestChart &target, TFastLineSeries &line) {
             fill(line, 30000, scene);
             target.LeftAxis()->SetInverted(true);
             target.BottomAxis()->SetInverted(true);
         }},
        {"a logarithmic axis",
         [&](TestChart &target, TFastLineSeries &line) {
             fill(line, 30000, [](int i) { return i % 50 == 0 ? 0.0 : std::exp(5.0 * std::sin(i * 0.003)); });
             target.LeftAxis()->SetLogarithmic(true);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestChart screen;
        screen.SetView3D(false);
        TFastLineSeries *line = add(screen, {});
        c.setUp(screen, *line);
        const QImage columns = screen.render();
        line->setColumnPaths(false);
        const QImage reference = screen.render();
        EXPECT_EQ(countDifferingPixels(columns, reference, 0), 0);
        line->SetDrawAllPoints(false);
        const QImage firstReference = screen.render();
        line->setColumnPaths(true);
        EXPECT_EQ(countDifferingPixels(screen.render(), firstReference, 0), 0);
    }
}

TEST_F(FastLineTest, AnEmptyOrScrolledOutLineDrawsNothingAndNullsLeaveGaps)
{
    TFastLineSeries *line = add(chart, {});
    draw();
    EXPECT_TRUE(penLog().isEmpty());
    for (const double v : {1.0, 2.0, 3.0})
        line->Add(v);
    chart.BottomAxis()->SetMinMax(10, 20);
    draw();
    EXPECT_TRUE(penLog().isEmpty());
    chart.BottomAxis()->SetAutomatic(true);

    for (const bool useNaN : {false, true}) {
        SCOPED_TRACE(useNaN ? "NaN" : "null");
        line->Clear();
        line->SetIgnoreNulls(false);
        line->Add(1);
        if (useNaN)
            line->Add(kNaN);
        else
            line->AddNullXY(1, 2);
        line->Add(3);
        line->Add(4);
        draw();
        const std::vector<RecordedCall> lines = canvas->calls(QStringLiteral("LineTo"));
        ASSERT_EQ(lines.size(), 1u) << canvas->dump().toStdString();
        EXPECT_EQ(lines[0].args, (std::vector<int>{line->CalcXPos(3), line->CalcYPos(3)}));
        const std::vector<RecordedCall> moves = canvas->calls(QStringLiteral("MoveTo"));
        ASSERT_EQ(moves.size(), 2u);
        EXPECT_EQ(moves[1].args, (std::vector<int>{line->CalcXPos(2), line->CalcYPos(2)}));
    }
    // With IgnoreNulls the line goes through the null's stored value.
    line->SetIgnoreNulls(true);
    line->Clear();
    line->Add(1);
    line->AddNullXY(1, 2);
    line->Add(3);
    draw();
    EXPECT_EQ(canvas->count(QStringLiteral("LineTo")), 2);
}

TEST_F(FastLineTest, AnAddedPointDrawsOneSegmentWithoutAPass)
{
    TFastLineSeries *line = add(chart, {1, 4, 2});
    auto *follower = chart.AddSeriesOfClass<TLineSeries>();
    follower->SetDataSource(line);
    int passes = 0;
    chart.OnBeforeDrawSeries = [&passes](TCustomAxisPanel *) { ++passes; };
    line->SetAutoRepaint(false);
    chart.BottomAxis()->SetMinMax(0, 10);
    chart.LeftAxis()->SetMinMax(0, 10);
    draw();
    for (const bool stairs : {false, true}) {
        SCOPED_TRACE(stairs ? "stairs" : "line");
        line->SetStairs(stairs);
        canvas->clear();
        passes = 0;
        line->AddXY(line->Count(), 5);
        EXPECT_EQ(canvas->count(QStringLiteral("MoveTo")), 1);
        EXPECT_EQ(canvas->count(QStringLiteral("LineTo")), stairs ? 2 : 1);
        EXPECT_EQ(passes, 0);
        EXPECT_EQ(follower->Count(), line->Count());
    }
}

TEST_F(FastLineTest, OnTheScreenAnAddedPointChangesOnlyItsSegmentOfTheBuffer)
{
    TestChart screen;
    screen.SetView3D(false);
    TFastLineSeries *line = add(screen, {1, 4, 2, 6});
    line->SetAutoRepaint(false);
    screen.BottomAxis()->SetMinMax(0, 10);
    screen.LeftAxis()->SetMinMax(0, 10);
    screen.show();
    screen.repaint();
    QApplication::processEvents();
    auto &canvas3D = dynamic_cast<TPlotCanvas3D &>(*screen.Canvas());
    ASSERT_NE(canvas3D.buffer(), nullptr);
    const QImage before = canvas3D.buffer()->copy();
    int passes = 0;
    screen.OnBeforeDrawSeries = [&passes](TCustomAxisPanel *) { ++passes; };
    line->AddXY(4, 9);
    const QRect segment = QRect(QPoint(line->CalcXPos(3), line->CalcYPos(3)), QPoint(line->CalcXPos(4), line->CalcYPos(4)))
                              .normalized()
                              .adjusted(-2, -2, 2, 2);
    const QImage &after = *canvas3D.buffer();
    int changed = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y)) {
                ++changed;
                EXPECT_TRUE(segment.contains(x, y)) << x << ", " << y;
            }
    EXPECT_GT(changed, 10);
    QApplication::processEvents();
    EXPECT_EQ(passes, 0);
}

TEST_F(FastLineTest, AClickHitsTheSegmentOrThePointAndTheNarrowedWalkAgreesWithTheWholeWalk)
{
    TFastLineSeries *line = add(chart, {10, 40, 20, 60, 30, 50});
    draw();
    const TPoint p3{line->CalcXPos(3), line->CalcYPos(3)};
    const TPoint p4{line->CalcXPos(4), line->CalcYPos(4)};
    EXPECT_EQ(line->Clicked((p3.x + p4.x) / 2, (p3.y + p4.y) / 2), 3);
    EXPECT_EQ(line->Clicked(p4.x, p4.y), 4);
    EXPECT_EQ(line->Clicked(p4.x, p4.y - 30), -1);

    line->Clear();
    line->SetIgnoreNulls(false);
    double x = 0;
    for (int i = 0; i < 300; ++i) {
        x += i % 37 == 0 ? 25.0 : (i % 5 == 0 ? 0.0 : 1.0); // gaps and repeated X values
        if (i == 150)
            line->AddNullXY(x, 0);
        else
            line->AddXY(x, 50 + 40 * std::sin(i * 0.3));
    }
    draw();
    std::vector<int> narrowed;
    const TRect r = chart.ChartRect;
    for (int py = r.top; py <= r.bottom; py += 2)
        for (int px = r.left; px <= r.right; px += 2)
            narrowed.push_back(line->Clicked(px, py));
    line->XValues()->SetOrder(loNone);
    draw();
    std::size_t k = 0;
    int hits = 0;
    for (int py = r.top; py <= r.bottom; py += 2)
        for (int px = r.left; px <= r.right; px += 2) {
            const int whole = line->Clicked(px, py);
            hits += whole >= 0 ? 1 : 0;
            ASSERT_EQ(narrowed[k++], whole) << px << ", " << py;
        }
    EXPECT_GT(hits, 50);
}
