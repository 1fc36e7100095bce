// Speed of the series engine: the contents draw of the benchmark scene, visible ranges, adding
// points, the stored points and the mark texts.
#include "StubChart.h"

#include "BenchScene.h"

#include "TChartDepthAxis.h"
#include "VisibleRange.h"

#include "GuiCanvas.h"
#include "PlotLibrary.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

struct SceneChart
{
    SceneChart(int seriesCount, int n)
    {
        PlotInstallFontSubstitutions();
        chart.resize(1920, 1080);
        chart.SetBufferedDisplay(false);
        for (int k = 0; k < seriesCount; ++k) {
            auto *series = new PolylineTestSeries(&chart);
            chart.AddSeries(series);
            series->SetSeriesColor(BenchScene::kChartColors[k]);
            std::vector<double> x(static_cast<std::size_t>(n));
            std::vector<double> y(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) {
                x[std::size_t(i)] = i;
                y[std::size_t(i)] = BenchScene::value(k, i);
            }
            series->AddXYArray(x, y);
        }
        chart.BottomAxis()->SetMinMax(0, n - 1);
        chart.LeftAxis()->SetMinMax(-1100, 1500);
        for (TChartAxis *axis : {chart.BottomAxis(), chart.LeftAxis()}) {
            axis->Grid()->SetColor(0xE0E0E0);
            axis->Grid()->SetStyle(psSolid);
        }
        chart.BottomAxis()->Title()->SetCaption(QStringLiteral("x"));
        chart.LeftAxis()->Title()->SetCaption(QStringLiteral("y"));
        image.fill(Qt::white);
    }
    void draw() { chart.Draw(&gui, {0, 0, 1920, 1080}); }

    StubChart chart;
    QImage image{1920, 1080, QImage::Format_RGB32};
    GuiCanvas gui{&image};
};

void ContentsDrawScene(benchmark::State &state)
{
    SceneChart scene(int(state.range(0)), int(state.range(1)));
    scene.draw(); // two warm-up passes, as the scene asks
    scene.draw();
    for (auto _ : state)
        scene.draw();
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(ContentsDrawScene)->ArgNames({"series", "N"})->Args({5, 10000})->Args({1, 1000000})
    ->Unit(benchmark::kMillisecond);

std::vector<double> ascending(int n)
{
    std::vector<double> x(static_cast<std::size_t>(n));
    std::iota(x.begin(), x.end(), 0.0);
    return x;
}

// The visible part in the middle of the points, as after a zoom.
void VisibleRange(benchmark::State &state)
{
    const std::vector<double> x = ascending(1000000);
    const bool search = state.range(0) != 0;
    for (auto _ : state) {
        const auto range = search ? PlotEngine::VisibleRangeBySearch(x, 400000.5, 600000.5, false)
                                  : PlotEngine::VisibleRangeByScan(x, 400000.5, 600000.5, false);
        benchmark::DoNotOptimize(range);
    }
}
BENCHMARK(VisibleRange)->ArgName("search")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void AddXYInOrder(benchmark::State &state)
{
    for (auto _ : state) {
        TChartSeries series;
        for (int i = 0; i < 1000000; ++i)
            series.AddXY(i, BenchScene::value(0, i));
        benchmark::DoNotOptimize(series.Count());
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(AddXYInOrder)->Unit(benchmark::kMillisecond);

void AddXYArrayUnordered(benchmark::State &state)
{
    std::vector<double> x = ascending(1000000);
    std::shuffle(x.begin(), x.end(), std::mt19937(5));
    std::vector<double> y(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        y[i] = BenchScene::value(0, int(x[i]));
    for (auto _ : state) {
        TChartSeries series;
        series.AddXYArray(x, y);
        benchmark::DoNotOptimize(series.Count());
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(AddXYArrayUnordered)->Unit(benchmark::kMillisecond);

void StoredData(benchmark::State &state)
{
    TChartSeries source;
    std::vector<double> x(1000000);
    std::vector<double> y(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = i * 0.5; // own X values: 16 bytes a point
        y[i] = BenchScene::value(0, int(i));
    }
    source.AddXYArray(x, y);
    const QByteArray data = source.WriteData();
    const bool reading = state.range(0) != 0;
    TChartSeries target;
    for (auto _ : state) {
        if (reading)
            target.ReadData(data);
        else
            benchmark::DoNotOptimize(source.WriteData());
    }
    state.counters["bytes"] = double(data.size());
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(StoredData)->ArgName("read")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The texts of 10 000 marks and their widths on the screen canvas, as the label pass of a
// mark-labelled axis asks them.
void MarkTextsAndSizes(benchmark::State &state)
{
    PlotInstallFontSubstitutions();
    StubChart chart;
    auto *series = new TChartSeries(&chart);
    chart.AddSeries(series);
    for (int i = 0; i < 10000; ++i)
        series->AddXY(i, BenchScene::value(0, i));
    series->Marks()->SetVisible(true);
    series->Marks()->SetStyle(smsLabelPercent);
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.MaxMarkWidth());
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(MarkTextsAndSizes)->Unit(benchmark::kMillisecond);

} // namespace
