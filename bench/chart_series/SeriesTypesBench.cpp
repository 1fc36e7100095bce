// Speed of the bar, fast line and sorted function types, each beside its reference in the same run:
// median and mode against a plain stable sort, stacked bars against QPainter rectangles, and a
// point added to a shown fast line against a full redraw of its chart.
#include "BenchCharts.h"
#include "BenchScene.h"

#include "TBarSeries.h"
#include "TChartAxis.h"
#include "TChartLegend.h"
#include "TCustomSortedFunction.h"
#include "TFastLineSeries.h"
#include "TLineSeries.h"

#include "PlotColor.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Values with repeats (a mode to find), from a fixed generator.
std::vector<double> sortedFunctionValues(int n)
{
    std::vector<double> values(static_cast<std::size_t>(n));
    std::uint32_t state = 12345;
    for (double &v : values) {
        state = state * 1664525u + 1013904223u;
        v = double(state >> 16) / 64.0;
    }
    return values;
}

// Median (0) and mode (1) over 100 000 values of a series, and the stable sort of a copy (2).
void SortedFunction(benchmark::State &state)
{
    const int kind = int(state.range(0));
    const std::vector<double> values = sortedFunctionValues(100000);
    TLineSeries source;
    source.AddArray(values);
    TMedianPlotFunction median;
    TModePlotFunction mode;
    const char *const labels[] = {"median", "mode", "stable_sort of a copy"};
    state.SetLabel(labels[kind]);
    for (auto _ : state) {
        if (kind == 0) {
            benchmark::DoNotOptimize(median.Calculate(source, -1, -1));
        } else if (kind == 1) {
            benchmark::DoNotOptimize(mode.Calculate(source, -1, -1));
        } else {
            std::vector<double> copy(values);
            std::stable_sort(copy.begin(), copy.end());
            benchmark::DoNotOptimize(copy.data());
        }
    }
}
BENCHMARK(SortedFunction)->ArgName("kind")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Ten stacked bar series of 1 000 points on the 1920 x 1080 scene, a whole pass (0), and QPainter
// filling and outlining the same 10 000 rectangles (1).
void StackedBars(benchmark::State &state)
{
    const bool reference = state.range(0) != 0;
    BenchChart bench;
    bench.chart.Legend()->SetVisible(false);
    std::vector<TBarSeries *> bars;
    for (int k = 0; k < 10; ++k) {
        auto *series = bench.chart.AddSeriesOfClass<TBarSeries>();
        series->Marks()->SetVisible(false);
        for (int i = 0; i < 1000; ++i)
            series->Add(1.0 + std::fabs(std::sin(0.01 * i * (k + 1))));
        bars.push_back(series);
    }
    bars.front()->SetMultiBar(mbStacked);
    bench.drawPass();
    std::vector<QRect> rects;
    std::vector<QColor> colors;
    for (TBarSeries *series : bars)
        for (int i = 0; i < series->Count(); ++i) {
            const TRect r = series->BarBounds(i);
            rects.emplace_back(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
            colors.push_back(QColor::fromRgb(PlotColor::toQRgb(series->Color())));
        }
    state.SetLabel(reference ? "QPainter rectangles" : "chart pass");
    for (auto _ : state) {
        if (!reference) {
            bench.drawPass();
            continue;
        }
        QPainter painter(&bench.image);
        painter.setPen(Qt::black);
        for (std::size_t i = 0; i < rects.size(); ++i) {
            painter.setBrush(colors[i]);
            painter.drawRect(rects[i]);
        }
    }
    state.counters["bars"] = double(rects.size());
}
BENCHMARK(StackedBars)->ArgName("reference")->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// A shown chart of one fast line of a million points with AutoRepaint off: one added point (0)
// against a full redraw of the chart (1).
void FastLineAddXY(benchmark::State &state)
{
    const bool redraw = state.range(0) != 0;
    BenchChart bench;
    TChart &chart = bench.chart;
    chart.Legend()->SetVisible(false);
    TFastLineSeries &line = bench.addFastLine(BenchScene::values(0, 1000000), 0);
    line.SetAutoRepaint(false);
    bench.fixAxes(1200000);
    chart.show();
    QCoreApplication::processEvents();
    chart.repaint();
    double x = line.XValues()->LastValue();
    state.SetLabel(redraw ? "full redraw" : "one AddXY");
    for (auto _ : state) {
        if (redraw) {
            chart.Invalidate();
            chart.repaint();
        } else {
            x += 1.0;
            line.AddXY(x, 1000.0 * std::sin(x * 0.001));
        }
    }
    QCoreApplication::processEvents();
}
BENCHMARK(FastLineAddXY)->ArgName("redraw")->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

} // namespace
