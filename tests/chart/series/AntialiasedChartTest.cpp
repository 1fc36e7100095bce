// Anti-aliased lines smooth the series only: axis lines, ticks and grids stay one-pixel lines.
#include "ChartTestSupport.h"

#include "TChartAxis.h"
#include "TLineSeries.h"

#include "GoldenFiles.h"
#include "TPlotCanvas3D.h"

#include <cmath>

namespace {

class AntialiasedChart : public ChartTest
{
};

} // namespace

TEST_F(AntialiasedChart, SmoothsTheSeriesLinesAndNotTheAxes)
{
    TestChart chart;
    chart.SetView3D(false);
    for (TChartAxis *axis : {chart.BottomAxis(), chart.LeftAxis()}) {
        axis->Grid()->SetColor(0xE0E0E0);
        axis->Grid()->SetStyle(psSolid);
        axis->MinorTicks()->SetVisible(true);
        axis->TicksInner()->SetVisible(true);
    }
    auto *series = new TLineSeries(&chart);
    chart.AddSeries(series);
    for (int i = 0; i < 400; ++i)
        series->AddXY(i, 100.0 * std::sin(i * 0.03));
    auto &canvas = dynamic_cast<TPlotCanvas3D &>(*chart.Canvas());
    const auto render = [&](bool antialiased) {
        canvas.setAntialiasedLines(antialiased);
        return chart.render();
    };
    EXPECT_GT(countDifferingPixels(render(false), render(true), 0), 100);
    // The series in view but drawing no line: axes, ticks, grid, legend and frame alone.
    series->LinePen()->SetVisible(false);
    EXPECT_EQ(countDifferingPixels(render(false), render(true), 0), 0);
}
