// The reduced points of a curve kept between redraws: an unchanged curve replays them, and every
// change of the values, the nulls, the axes, the visible range or the clip draws what a fresh
// reduction draws.
#include "ChartTestSupport.h"

#include "PixelColumnCache.h"
#include "TChartAxis.h"
#include "TFastLineSeries.h"
#include "TLineSeries.h"

#include "GoldenFiles.h"

#include <QScopeGuard>

#include <cmath>
#include <functional>
#include <vector>

namespace {

// Enough points per pixel column that wide columns read the values by blocks.
constexpr int kPoints = 60000;

double wave(int i)
{
    return 1000.0 * std::sin(i * 0.002) + 300.0 * std::sin(i * 0.07);
}

std::vector<double> sequence(int n, const std::function<double(int)> &value)
{
    std::vector<double> values(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        values[std::size_t(i)] = value(i);
    return values;
}

enum class Kind { Line, FastLine };

class PixelColumnCacheTest : public ChartTest
{
protected:
    void TearDown() override { PixelColumnCache::setEnabled(true); }

    static TChartSeries *add(TestChart &target, Kind kind)
    {
        TChartSeries *series = nullptr;
        if (kind == Kind::Line)
            series = new TLineSeries(&target);
        else {
            auto *fast = new TFastLineSeries(&target);
            fast->SetIgnoreNulls(false); // nulls break the line, as they do the line series'
            series = fast;
        }
        target.AddSeries(series);
        series->AddXYArray(sequence(kPoints, [](int i) { return i; }), sequence(kPoints, wave));
        return series;
    }
    // The chart as a reduction without kept points draws it.
    static QImage renderFresh(TestChart &target)
    {
        PixelColumnCache::setEnabled(false);
        const auto enable = qScopeGuard([] { PixelColumnCache::setEnabled(true); });
        return target.render();
    }
};

} // namespace

TEST_F(PixelColumnCacheTest, AnUnchangedCurveIsReplayedWithTheSamePixels)
{
    for (const Kind kind : {Kind::Line, Kind::FastLine}) {
        SCOPED_TRACE(kind == Kind::Line ? "line" : "fast line");
        TestChart screen;
        screen.SetView3D(false);
        add(screen, kind);
        screen.render();
        const std::uint64_t replays = PixelColumnCache::replays();
        const QImage replayed = screen.render();
        EXPECT_EQ(PixelColumnCache::replays(), replays + 1);
        EXPECT_EQ(countDifferingPixels(replayed, renderFresh(screen), 0), 0);
    }
}

TEST_F(PixelColumnCacheTest, EveryChangeDrawsWhatAFreshReductionDraws)
{
    struct Case
    {
        const char *name;
        std::function<void(TestChart &, TChartSeries &)> change;
        bool shows = true; // a point among twenty in its column, or a colour the line ignores, may not
    };
    const Case cases[] = {
        {"a point added", [](TestChart &, TChartSeries &s) { s.AddXY(kPoints + 10.0, 5000.0); }},
        {"a point deleted", [](TestChart &, TChartSeries &s) { s.Delete(kPoints / 2); }, false},
        {"points deleted", [](TestChart &, TChartSeries &s) { s.DeleteRange(5000, 3000); }},
        {"a Y value changed", [](TestChart &, TChartSeries &s) { s.YValues()->SetValue(7001, 1900.0); }},
        {"an X value changed", [](TestChart &, TChartSeries &s) { s.XValues()->SetValue(kPoints - 1, kPoints * 2.0); }},
        {"cleared and refilled",
         [](TestChart &, TChartSeries &s) {
             s.Clear();
             s.AddXYArray(sequence(kPoints, [](int i) { return i; }), sequence(kPoints, [](int i) { return -wave(i); }));
         }},
        {"refilled from its data source",
         [](TestChart &c, TChartSeries &s) {
             auto *source = new TLineSeries(&c);
             c.AddSeries(source);
             source->SetActive(false);
             source->AddXYArray(sequence(kPoints, [](int i) { return i; }),
                                sequence(kPoints, [](int i) { return 0.5 * wave(i); }));
             s.SetDataSource(source);
         }},
        {"a null", [](TestChart &, TChartSeries &s) { s.SetValueColor(9000, clNone); }, false},
        {"a run of nulls",
         [](TestChart &, TChartSeries &s) {
             for (int i = 9000; i < 9400; ++i)
                 s.SetValueColor(i, clNone);
         }},
        {"a point's colour", [](TestChart &, TChartSeries &s) { s.SetValueColor(3000, clRed); }, false},
        {"the value axis' minimum", [](TestChart &c, TChartSeries &) { c.LeftAxis()->SetMinMax(-800.0, 1300.0); }},
        {"the value axis' maximum", [](TestChart &c, TChartSeries &) { c.LeftAxis()->SetMinMax(-1300.0, 900.0); }},
        {"the value axis inverted", [](TestChart &c, TChartSeries &) { c.LeftAxis()->SetInverted(true); }},
        {"the value axis logarithmic",
         [](TestChart &c, TChartSeries &) {
             c.LeftAxis()->SetMinMax(1.0, 1500.0);
             c.LeftAxis()->SetLogarithmic(true);
         }},
        {"the X axis logarithmic",
         [](TestChart &c, TChartSeries &) {
             c.BottomAxis()->SetMinMax(1.0, kPoints);
             c.BottomAxis()->SetLogarithmic(true);
         }},
        {"zoomed in", [](TestChart &c, TChartSeries &) { c.BottomAxis()->SetMinMax(2500.0, 9000.0); }},
        {"scrolled",
         [](TestChart &c, TChartSeries &) {
             c.BottomAxis()->SetMinMax(0.0, 8000.0);
             c.render();
             c.BottomAxis()->Scroll(1234.5, false);
         }},
        {"resized", [](TestChart &c, TChartSeries &) { c.resize(520, 330); }},
        {"the axis moved within the chart", [](TestChart &c, TChartSeries &) { c.BottomAxis()->SetStartPosition(20.0); }},
        {"the value axis shortened", [](TestChart &c, TChartSeries &) { c.LeftAxis()->SetEndPosition(70.0); }},
        {"points beyond the chart no longer clipped",
         [](TestChart &c, TChartSeries &) {
             c.LeftAxis()->SetMinMax(-300.0, 300.0);
             c.render();
             c.SetClipPoints(false);
         }},
    };
    for (const Kind kind : {Kind::Line, Kind::FastLine}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << (kind == Kind::Line ? "line: " : "fast line: ") << c.name);
            TestChart screen;
            screen.SetView3D(false);
            TChartSeries *series = add(screen, kind);
            screen.render();
            const QImage before = screen.render();
            c.change(screen, *series);
            const QImage after = screen.render();
            if (c.shows)
                EXPECT_GT(countDifferingPixels(before.copy(0, 0, 400, 250), after.copy(0, 0, 400, 250), 0), 0);
            EXPECT_EQ(countDifferingPixels(after, renderFresh(screen), 0), 0);
            // Drawn once more, the new reduction is kept.
            EXPECT_EQ(countDifferingPixels(screen.render(), after, 0), 0);
        }
    }
}
