// Speed of the export library on the chart benchmark scene (1920 x 1080, 5 x 10 000 points): BMP
// beside Qt's BMP writer, EMF and WMF beside recording a QPicture, the data exporters beside a
// std::to_chars loop, native files beside the series' own point streaming, and a million points
// read in ascending and in descending X order. Each floor row is timed in the same run.
#include "BenchScene.h"
#include "BmpWriter.h"
#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "ExportLibrary.h"
#include "NativeChartFile.h"
#include "SceneChart.h"
#include "TBMPExportFormat.h"
#include "TChart.h"
#include "TEMFExportFormat.h"
#include "TLineSeries.h"
#include "TSeriesDataText.h"
#include "TSeriesDataXLS.h"
#include "TSeriesDataXML.h"

#include <QBuffer>
#include <QPicture>

#include <benchmark/benchmark.h>

#include <charconv>
#include <memory>
#include <numeric>

namespace {

// Every row may run alone under a filter: each registers the libraries before its chart (a second
// registration adds nothing).
void registerLibraries()
{
    registerChartLibrary();
    registerChartEditor();
    registerExportFormats();
}

std::unique_ptr<TChart> sceneChart()
{
    registerLibraries();
    auto chart = std::make_unique<TChart>();
    setUpSceneChart(*chart);
    std::vector<double> x(10000);
    std::iota(x.begin(), x.end(), 0.0);
    for (int k = 0; k < BenchScene::kSeriesCount; ++k)
        addSceneSeries(*chart, k, x, BenchScene::values(k, 10000));
    fixSceneAxes(*chart, 9999);
    return chart;
}

TChart &scene()
{
    static const std::unique_ptr<TChart> chart = sceneChart();
    return *chart;
}

// One series of n points, for the data and native rows.
std::unique_ptr<TChart> pointsChart(int n)
{
    registerLibraries();
    auto chart = std::make_unique<TChart>();
    auto *series = chart->AddSeriesOfClass<TLineSeries>();
    series->SetTitle(QStringLiteral("y"));
    for (int i = 0; i < n; ++i)
        series->AddXY(i * 0.5, BenchScene::value(0, i));
    return chart;
}

void BM_CreateBitmap(benchmark::State &state)
{
    TChart &chart = scene();
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.CreateBitmap(clWhite, chart.GetRectangle()));
}
BENCHMARK(BM_CreateBitmap)->Unit(benchmark::kMillisecond);

void BM_QImageSaveBmp(benchmark::State &state)
{
    const QImage image = scene().CreateBitmap(clWhite, scene().GetRectangle());
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_QImageSaveBmp)->Unit(benchmark::kMillisecond);

void BM_EncodeBmp24(benchmark::State &state)
{
    const QImage image = scene().CreateBitmap(clWhite, scene().GetRectangle());
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeBmp(image, BmpDepth::Bits24));
    state.counters["bytes"] = double(encodeBmp(image, BmpDepth::Bits24).size());
}
BENCHMARK(BM_EncodeBmp24)->Unit(benchmark::kMillisecond);

void BM_BmpExportEndToEnd(benchmark::State &state)
{
    TBMPExportFormat format;
    format.SetPanel(&scene());
    QByteArray bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(bytes = format.SaveToBytes());
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_BmpExportEndToEnd)->Unit(benchmark::kMillisecond);

void BM_CreateMetafileQPicture(benchmark::State &state)
{
    TChart &chart = scene();
    for (auto _ : state)
        benchmark::DoNotOptimize(chart.CreateMetafile(chart.GetRectangle()));
}
BENCHMARK(BM_CreateMetafileQPicture)->Unit(benchmark::kMillisecond);

void BM_MetafileExport(benchmark::State &state)
{
    TEMFExportFormat format;
    format.SetPanel(&scene());
    format.SetEnhanced(state.range(0) == 1);
    QByteArray bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(bytes = format.SaveToBytes());
    state.SetLabel(state.range(0) == 1 ? "EMF" : "WMF");
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_MetafileExport)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_ToCharsLoop(benchmark::State &state)
{
    const auto chart = pointsChart(int(state.range(0)));
    const TChartSeries &series = *chart->GetSeries(0);
    for (auto _ : state) {
        std::string text;
        char buffer[32];
        for (int i = 0; i < series.Count(); ++i) {
            for (double v : {series.GetXValue(i), series.GetYValue(i)}) {
                const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
                text.append(buffer, r.ptr);
                text += '\t';
            }
            text += "\r\n";
        }
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ToCharsLoop)->Arg(1000000)->Arg(65534)->Unit(benchmark::kMillisecond);

template <class Exporter>
void dataExport(benchmark::State &state)
{
    const auto chart = pointsChart(int(state.range(0)));
    Exporter data(chart.get());
    for (auto _ : state)
        benchmark::DoNotOptimize(data.AsString());
}

void BM_TextExport(benchmark::State &state)
{
    dataExport<TSeriesDataText>(state);
}
BENCHMARK(BM_TextExport)->Arg(1000000)->Arg(65534)->Unit(benchmark::kMillisecond);

void BM_XmlExport(benchmark::State &state)
{
    dataExport<TSeriesDataXML>(state);
}
BENCHMARK(BM_XmlExport)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_XlsExport(benchmark::State &state)
{
    const auto chart = pointsChart(65534);
    TSeriesDataXLS data(chart.get());
    data.IncludeHeader = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(data.Records());
}
BENCHMARK(BM_XlsExport)->Unit(benchmark::kMillisecond);

void BM_SeriesWriteData(benchmark::State &state)
{
    const auto chart = pointsChart(50000);
    for (auto _ : state)
        benchmark::DoNotOptimize(chart->GetSeries(0)->WriteData());
}
BENCHMARK(BM_SeriesWriteData)->Unit(benchmark::kMillisecond);

void BM_SeriesReadData(benchmark::State &state)
{
    const auto chart = pointsChart(50000);
    const QByteArray data = chart->GetSeries(0)->WriteData();
    TLineSeries target;
    for (auto _ : state)
        target.ReadData(data);
}
BENCHMARK(BM_SeriesReadData)->Unit(benchmark::kMillisecond);

// 0 binary, 1 text, 2 binary without the points: what the properties cost alone.
void BM_NativeSave(benchmark::State &state)
{
    const auto chart = pointsChart(50000);
    const bool text = state.range(0) == 1;
    const bool data = state.range(0) != 2;
    QByteArray bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(bytes = SaveChartToBytes(*chart, data, text));
    state.SetLabel(text ? "text" : data ? "binary" : "binary, no data");
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_NativeSave)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_NativeRead(benchmark::State &state)
{
    const auto chart = pointsChart(50000);
    const QByteArray bytes = SaveChartToBytes(*chart, true, state.range(0) == 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadChartFromBytes(bytes));
    state.SetLabel(state.range(0) == 1 ? "text" : "binary");
}
BENCHMARK(BM_NativeRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A binary file of a million points whose X values come ascending (0) or descending (1), the
// same size either way: reading orders the descending points at the cost of one sort.
void BM_NativeReadPointOrder(benchmark::State &state)
{
    constexpr int n = 1000000;
    const bool descending = state.range(0) == 1;
    registerLibraries();
    TChart chart;
    auto *series = chart.AddSeriesOfClass<TLineSeries>();
    series->XValues()->SetOrder(loNone); // keeps the points as given; the file has no Order line
    std::vector<double> x(n);
    for (int i = 0; i < n; ++i)
        x[std::size_t(i)] = (descending ? n - 1 - i : i) * 0.5;
    series->AddXYArray(x, BenchScene::values(0, n));
    series->XValues()->SetOrder(loAscending);
    const QByteArray bytes = SaveChartToBytes(chart, true, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadChartFromBytes(bytes));
    state.SetLabel(descending ? "descending" : "ascending");
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_NativeReadPointOrder)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
