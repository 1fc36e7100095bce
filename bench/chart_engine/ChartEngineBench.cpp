// Chart engine throughput on the data of the chart benchmark scene: value lists, conversion, labels.
#include "EngineTestSupport.h"
#include "NumberFormat.h"
#include "TChartAxis.h"
#include "TChartValueList.h"


#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// y_i = 1000 sin(0.001 i), the first series of the scene.
std::vector<double> sceneValues(int n)
{
    std::vector<double> y(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        y[std::size_t(i)] = 1000.0 * std::sin(i * 0.001);
    return y;
}

void AddValueInOrder(benchmark::State &state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        TChartValueList list(nullptr, QStringLiteral("X"));
        list.SetOrder(loAscending);
        for (int i = 0; i < n; ++i)
            list.AddValue(i);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
// Appends must stay linear in the count: the time per item should not grow with n.
BENCHMARK(AddValueInOrder)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void AddValueOutOfOrder(benchmark::State &state)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(0.0, 1.0);
    std::vector<double> values(100000);
    for (double &v : values)
        v = value(random);
    for (auto _ : state) {
        TChartValueList list(nullptr, QStringLiteral("X"));
        list.SetOrder(loAscending);
        for (const double v : values)
            list.AddValue(v);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(AddValueOutOfOrder)->Unit(benchmark::kMillisecond);

void SortByPermutation(benchmark::State &state)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> value(-1000.0, 1000.0);
    TChartValueList source(nullptr, QStringLiteral("Y"));
    for (int i = 0; i < 1000000; ++i)
        source.InsertValue(i, value(random));
    for (auto _ : state) {
        state.PauseTiming();
        TChartValueList list(nullptr, QStringLiteral("Y"));
        for (int i = 0; i < source.Count(); ++i)
            list.InsertValue(i, source.Values()[std::size_t(i)]);
        list.SetOrder(loAscending);
        state.ResumeTiming();
        list.Sort();
        benchmark::DoNotOptimize(list.FirstValue());
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(SortByPermutation)->Unit(benchmark::kMillisecond);

AxisScale sceneScale(bool logarithmic)
{
    AxisScale s;
    s.mode = logarithmic ? AxisScale::Logarithmic : AxisScale::Linear;
    s.horizontal = false;
    s.workMinimum = logarithmic ? 1.0 : -1100.0;
    s.workMaximum = 1500.0;
    s.setExtent(40, 1040);
    s.recalc(logarithmic);
    return s;
}

void ValueToPixelScalar(benchmark::State &state)
{
    const std::vector<double> y = sceneValues(1000000);
    const AxisScale s = sceneScale(state.range(0) != 0);
    std::vector<int> pixels(y.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < y.size(); ++i)
            pixels[i] = s.valueToPixel(y[i]);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(ValueToPixelScalar)->ArgName("log")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void ValueToPixelBatch(benchmark::State &state)
{
    const std::vector<double> y = sceneValues(1000000);
    const AxisScale s = sceneScale(state.range(0) != 0);
    std::vector<int> pixels(y.size());
    for (auto _ : state) {
        s.valuesToPixels(y.data(), int(y.size()), pixels.data());
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(ValueToPixelBatch)->ArgName("log")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void FormatFloatValues(benchmark::State &state)
{
    const std::vector<double> y = sceneValues(100000);
    const QString format = QStringLiteral("#,##0.###");
    for (auto _ : state)
        for (const double v : y)
            benchmark::DoNotOptimize(PlotFormat::FormatFloat(format, v));
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(FormatFloatValues)->Unit(benchmark::kMillisecond);

// The scene's x axis (0 .. N-1) along 1920 pixels: increment, labels, ticks and grid.
void LabelPass1920(benchmark::State &state)
{
    StubAxisHost host;
    host.chartRect = {0, 0, 1920, 1080};
    TChartAxis axis(&host);
    axis.SetHorizontal(true);
    axis.SetLabelStyle(talValue);
    axis.SetMinMax(0, double(state.range(0) - 1));
    axis.RecalcMinMax();
    axis.CalcPixelExtent();
    TRect rect = host.chartRect;
    axis.CalcSpace(rect, true);
    for (auto _ : state) {
        host.canvas.clear();
        axis.DrawTitleAndLabels(true);
    }
    state.counters["labels"] = host.canvas.count(QStringLiteral("TextOut"));
}
BENCHMARK(LabelPass1920)->ArgName("N")->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace
