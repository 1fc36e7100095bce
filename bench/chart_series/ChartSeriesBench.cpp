// Speed of the chart component: the hit test of one mouse move over a million points of a line and
// of a fast line, the value legend of a million points, and the animated zoom of the benchmark scene.
#include "BenchCharts.h"
#include "BenchScene.h"

#include "ChartLibrary.h"
#include "TChartAxis.h"
#include "TChartLegend.h"
#include "TFastLineSeries.h"
#include "TLineSeries.h"

#include "PlotLibrary.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <type_traits>

namespace {

constexpr int kMillion = 1000000;

// One series of a million points in two bands, -700 and +700 (+-200), that a steep segment
// joins half-way: the mouse can rest on a point, on that segment, or on the empty middle. The
// series is a line series or a fast line.
template <class Series>
struct MouseScene
{
    MouseScene()
    {
        std::vector<double> y(kMillion);
        for (int i = 0; i < kMillion; ++i)
            y[std::size_t(i)] = (i < kMillion / 2 ? -700.0 : 700.0) + 200.0 * std::sin(i * 0.001);
        if constexpr (std::is_same_v<Series, TFastLineSeries>)
            series = &bench.addFastLine(y, 0);
        else
            series = &bench.addSeries(y, 0);
        series->SetCursor(-21); // the pointing hand
        bench.chart.Legend()->SetVisible(false);
        bench.fixAxes(kMillion - 1);
        bench.drawPass();
        const int middle = series->CalcYPosValue(0.0);
        places[0] = {series->CalcXPos(750000), series->CalcYPos(750000)};
        places[1] = {series->CalcXPos(kMillion / 2), middle};
        places[2] = {series->CalcXPos(250000), middle};
    }

    BenchChart bench;
    Series *series = nullptr;
    QPoint places[3];
};

const char *const kPlaceNames[] = {"point", "segment", "background"};

std::unique_ptr<MouseScene<TLineSeries>> g_mouse;
std::unique_ptr<MouseScene<TFastLineSeries>> g_fastMouse;

template <class Series>
MouseScene<Series> &mouseScene()
{
    if constexpr (std::is_same_v<Series, TFastLineSeries>) {
        if (!g_fastMouse)
            g_fastMouse = std::make_unique<MouseScene<TFastLineSeries>>();
        return *g_fastMouse;
    } else {
        if (!g_mouse)
            g_mouse = std::make_unique<MouseScene<TLineSeries>>();
        return *g_mouse;
    }
}

// The place must be what its name says, or the figure measures something else.
template <class Series>
bool checkPlace(benchmark::State &state, MouseScene<Series> &scene, int place)
{
    const QPoint p = scene.places[place];
    const int index = scene.series->Clicked(p.x(), p.y());
    const bool right = place == 2 ? index == -1 : index != -1;
    if (!right)
        state.SkipWithError("the mouse is not where the case needs it");
    state.SetLabel(kPlaceNames[place]);
    return right;
}

// One mouse move's hit test at the place of the benchmark's argument.
template <class Series, class HitTest>
void mouseMove(benchmark::State &state, HitTest hitTest)
{
    MouseScene<Series> &scene = mouseScene<Series>();
    const int place = int(state.range(0));
    if (!checkPlace(state, scene, place))
        return;
    const QPoint p = scene.places[place];
    for (auto _ : state)
        benchmark::DoNotOptimize(hitTest(scene.bench.chart, p));
}

const auto checkMouseOverSeries = [](TChart &chart, QPoint p) { return chart.CheckMouseOverSeries(p.x(), p.y()); };
const auto calcClickedPart = [](TChart &chart, QPoint p) { return chart.CalcClickedPart(p.x(), p.y()).Part; };

template <class HitTest>
void MouseMove(benchmark::State &state, HitTest hitTest)
{
    mouseMove<TLineSeries>(state, hitTest);
}
BENCHMARK_CAPTURE(MouseMove, CheckMouseOverSeries, checkMouseOverSeries)
    ->ArgName("place")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MouseMove, CalcClickedPart, calcClickedPart)
    ->ArgName("place")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The same on a fast line: the mark-tip tool asks on every mouse move.
template <class HitTest>
void FastLineMouseMove(benchmark::State &state, HitTest hitTest)
{
    mouseMove<TFastLineSeries>(state, hitTest);
}
BENCHMARK_CAPTURE(FastLineMouseMove, CheckMouseOverSeries, checkMouseOverSeries)
    ->ArgName("place")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FastLineMouseMove, CalcClickedPart, calcClickedPart)
    ->ArgName("place")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A whole pass of a chart whose legend lists the values of an inactive series (so that its
// points are not drawn); 0 points: the legend hidden, the rest of the pass alone.
void ValueLegendPass(benchmark::State &state)
{
    const int points = int(state.range(0));
    BenchChart bench;
    TLineSeries &series = bench.addSeries(BenchScene::values(0, std::max(points, 1)), 0);
    series.SetActive(false);
    TChartLegend &legend = *bench.chart.Legend();
    legend.SetVisible(points > 0);
    legend.SetLegendStyle(lsValues);
    legend.SetSeries(&series);
    bench.fixAxes(std::max(points, 1) - 1);
    bench.drawPass();
    for (auto _ : state)
        bench.drawPass();
    state.counters["rows"] = legend.Shown() ? legend.LastIndex() - legend.FirstIndex() + 1 : 0;
}
BENCHMARK(ValueLegendPass)->ArgName("points")->Arg(0)->Arg(100)->Arg(kMillion)->Unit(benchmark::kMillisecond);

// A zoom to the middle of the 5 x 10 000-point scene on a shown chart: animated, 7 repainted
// steps and the final repaint; not animated, the final repaint alone.
void ZoomScene(benchmark::State &state)
{
    const bool animated = state.range(0) != 0;
    BenchChart bench;
    TChart &chart = bench.chart;
    for (int k = 0; k < 5; ++k)
        bench.addSeries(BenchScene::values(k, 10000), k);
    chart.Legend()->SetLegendStyle(lsSeries);
    bench.fixAxes(9999);
    chart.Zoom()->SetAnimated(animated);
    chart.Zoom()->SetAnimatedSteps(8);
    chart.show();
    QCoreApplication::processEvents();
    chart.repaint();
    const TRect r = chart.ChartRect;
    const TRect target{r.left + r.width() / 4, r.top + r.height() / 4, r.right - r.width() / 4,
                       r.bottom - r.height() / 4};
    int draws = 0;
    chart.OnBeforeDrawSeries = [&draws](TCustomAxisPanel *) { ++draws; };
    for (auto _ : state) {
        state.PauseTiming();
        chart.UndoZoom();
        chart.repaint();
        draws = 0;
        state.ResumeTiming();
        chart.ZoomRect(target);
        chart.repaint();
    }
    state.counters["draws"] = draws;
    chart.OnBeforeDrawSeries = nullptr;
}
BENCHMARK(ZoomScene)->ArgName("animated")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // charts are widgets
    PlotInstallFontSubstitutions();
    registerChartLibrary();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_mouse.reset(); // before the application goes
    g_fastMouse.reset();
    return 0;
}
