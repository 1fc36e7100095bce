// The line series drawn by pixel column against the same series drawn point by point: the same
// pixels on images, the per-point path wherever the reduction could change a pixel.
#include "ChartTestSupport.h"

#include "TChartAxis.h"
#include "TLineSeries.h"

#include "TPlotCanvas3D.h"

#include "GoldenFiles.h"

#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A line series that counts the points drawn one by one: the column path draws only the first.
class CountingLineSeries : public TLineSeries
{
public:
    using TLineSeries::TLineSeries;
    void DrawValue(int valueIndex) override
    {
        ++drawnOneByOne;
        TLineSeries::DrawValue(valueIndex);
    }
    int drawnOneByOne = 0;
};

class LineColumnsTest : public ChartTest
{
protected:
    CountingLineSeries *add(TestChart &target, int n, const std::function<double(int)> &value)
    {
        auto *series = new CountingLineSeries(&target);
        target.AddSeries(series);
        std::vector<double> x(static_cast<std::size_t>(n));
        std::vector<double> y(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            x[std::size_t(i)] = i;
            y[std::size_t(i)] = value(i);
        }
        series->AddXYArray(x, y);
        return series;
    }
    // The chart rendered with the column path, then point by point: every pixel the same. Returns
    // how many points the column pass drew one by one.
    int expectSamePixels(TestChart &target, const std::vector<CountingLineSeries *> &series)
    {
        int oneByOne = 0;
        for (CountingLineSeries *s : series)
            s->drawnOneByOne = 0;
        const QImage columns = target.render();
        for (CountingLineSeries *s : series) {
            oneByOne += s->drawnOneByOne;
            s->setColumnPaths(false);
        }
        const QImage reference = target.render();
        for (CountingLineSeries *s : series)
            s->setColumnPaths(true);
        EXPECT_EQ(countDifferingPixels(columns, reference, 0), 0);
        return oneByOne;
    }
};

double scene(int k, int i)
{
    return 1000.0 * std::sin(i * 0.001 * (k + 1)) + k * 100.0;
}

} // namespace

TEST_F(LineColumnsTest, ColumnsSetThePixelsOfThePointByPointPath)
{
    struct Case
    {
        const char *name;
        int n;
        std::function<double(int)> value;
        std::function<void(TestChart &, CountingLineSeries &)> setUp;
    };
    const auto none = [](TestChart &, CountingLineSeries &) {};
    const auto spiky = [](int i) { return i % 97 == 0 ? 1e6 : (i % 89 == 0 ? -1e6 : 300.0 * std::sin(i * 0.01)); };
    const Case cases[] = {
        {"the scene's curve, 10 000 points", 10000, [](int i) { return scene(0, i); }, none},
        {"a million points", 1000000, [](int i) { return scene(0, i); }, none},
        {"a sine curve with spikes beyond the chart", 50000, spiky, none},
        {"alternating extremes", 20000, [](int i) { return i % 2 ? 1000.0 : -1000.0; }, none},
        {"one point per column and fewer: every point as before", 300, [](int i) { return scene(3, i * 20); }, none},
        {"NaN values",
         20000, [](int i) { return scene(1, i); },
         [](TestChart &, CountingLineSeries &s) {
             for (int i = 50; i < 20000; i += 1231)
                 s.YValues()->SetValue(i, kNaN);
             s.YValues()->SetValue(19999, kNaN);
         }},
        {"null points break the line",
         20000, [](int i) { return scene(2, i); },
         [](TestChart &, CountingLineSeries &s) {
             for (int i = 0; i < 20000; i += 773)
                 s.SetValueColor(i, clNone);
             s.SetValueColor(400, clNone);
             s.SetValueColor(401, clNone);
         }},
        {"a million points jumping across NaN values: wide columns read block summaries",
         1000000, [](int i) { return 300.0 * std::sin(i * 1e-5) + (i / 4099 % 2 ? 600.0 : 0.0); },
         [](TestChart &, CountingLineSeries &s) {
             for (int i = 4099; i < 1000000; i += 4099)
                 s.YValues()->SetValue(i, kNaN);
         }},
        {"a zoomed axis: the line enters from the edge",
         100000, spiky, [](TestChart &c, CountingLineSeries &) { c.BottomAxis()->SetMinMax(12345.5, 23456.7); }},
        {"a curve running beyond the axis range",
         100000, [](int i) { return scene(0, i); },
         [](TestChart &c, CountingLineSeries &) { c.LeftAxis()->SetMinMax(-300.0, 400.0); }},
        {"a logarithmic value axis with zeros",
         30000, [](int i) { return i % 50 == 0 ? 0.0 : std::exp(5.0 * std::sin(i * 0.003)); },
         [](TestChart &c, CountingLineSeries &) { c.LeftAxis()->SetLogarithmic(true); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestChart screen;
        screen.SetView3D(false);
        CountingLineSeries *series = add(screen, c.n, c.value);
        c.setUp(screen, *series);
        // Sparse points are drawn one by one: a column search would cost more than it saves.
        EXPECT_EQ(expectSamePixels(screen, {series}), c.n < 1000 ? c.n : 1);
    }
}

TEST_F(LineColumnsTest, TheBenchmarkSceneDrawsTheSamePixels)
{
    TestChart screen;
    screen.SetView3D(false);
    screen.resize(1920, 1080);
    std::vector<CountingLineSeries *> series;
    for (int k = 0; k < 5; ++k)
        series.push_back(add(screen, 100000, [k](int i) { return scene(k, i); }));
    EXPECT_EQ(expectSamePixels(screen, series), 5);
}

TEST_F(LineColumnsTest, EverythingElseDrawsEveryPoint)
{
    struct Case
    {
        const char *name;
        std::function<void(TestChart &, CountingLineSeries &)> setUp;
    };
    const Case cases[] = {
        {"3D", [](TestChart &c, CountingLineSeries &) { c.SetView3D(true); }},
        {"pointers", [](TestChart &, CountingLineSeries &s) { s.Pointer()->SetVisible(true); }},
        {"stairs", [](TestChart &, CountingLineSeries &s) { s.SetStairs(true); }},
        {"a wide pen", [](TestChart &, CountingLineSeries &s) { s.LinePen()->SetWidth(2); }},
        {"a dotted pen", [](TestChart &, CountingLineSeries &s) { s.LinePen()->SetStyle(psDot); }},
        {"an xor pen", [](TestChart &, CountingLineSeries &s) { s.LinePen()->SetMode(pmXor); }},
        {"a colour per point", [](TestChart &, CountingLineSeries &s) { s.SetColorEachPoint(true); }},
        {"an area", [](TestChart &, CountingLineSeries &s) { s.SetDrawArea(true); }},
        {"an inverted axis", [](TestChart &c, CountingLineSeries &) { c.BottomAxis()->SetInverted(true); }},
        {"unordered X", [](TestChart &, CountingLineSeries &s) { s.XValues()->SetValue(10, 5000.0); }},
        {"anti-aliased lines",
         [](TestChart &c, CountingLineSeries &) { dynamic_cast<TPlotCanvas3D *>(c.Canvas())->setAntialiasedLines(true); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestChart screen;
        screen.SetView3D(false);
        CountingLineSeries *series = add(screen, 2000, [](int i) { return scene(0, i * 3); });
        c.setUp(screen, *series);
        series->drawnOneByOne = 0;
        screen.render();
        EXPECT_EQ(series->drawnOneByOne, 2000);
    }
    // A recording (or export) canvas gets every segment as it was.
    TestChart recorded;
    recorded.SetView3D(false);
    RecordingCanvas &canvas = recorded.useRecordingCanvas();
    CountingLineSeries *series = add(recorded, 2000, [](int i) { return scene(0, i * 3); });
    recorded.drawPass();
    EXPECT_EQ(series->drawnOneByOne, 2000);
    const QString calls = canvas.dump();
    canvas.clear();
    series->setColumnPaths(false);
    recorded.drawPass();
    EXPECT_EQ(canvas.dump(), calls);
}
