#include "SceneChart.h"

#include "BenchScene.h"

#include "TChart.h"
#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TChartTitle.h"
#include "TFastLineSeries.h"
#include "TLineSeries.h"

void setUpSceneChart(TChart &chart)
{
    chart.resize(BenchScene::kWidth, BenchScene::kHeight);
    chart.SetColor(clWhite);
    chart.SetBevelOuter(bvNone);
    chart.Title()->SetText({QStringLiteral("Chart scene")});
    chart.Title()->Font()->SetStyle(fsBold);
    chart.BottomAxis()->Title()->SetCaption(QStringLiteral("x"));
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("y"));
    for (TChartAxis *axis : {chart.BottomAxis(), chart.LeftAxis()}) {
        axis->Grid()->SetColor(0xE0E0E0);
        axis->Grid()->SetStyle(psSolid);
    }
}

void fixSceneAxes(TChart &chart, double lastX)
{
    chart.BottomAxis()->SetMinMax(0.0, lastX);
    chart.LeftAxis()->SetMinMax(BenchScene::kMinY, BenchScene::kMaxY);
}

namespace {

template <class Series>
Series &addSeries(TChart &chart, int k, std::span<const double> x, std::span<const double> y)
{
    auto *series = chart.AddSeriesOfClass<Series>();
    series->SetSeriesColor(BenchScene::kChartColors[k % BenchScene::kSeriesCount]);
    series->SetTitle(QStringLiteral("Series %1").arg(k + 1));
    series->AddXYArray(x, y);
    return *series;
}

} // namespace

TLineSeries &addSceneSeries(TChart &chart, int k, std::span<const double> x, std::span<const double> y)
{
    return addSeries<TLineSeries>(chart, k, x, y);
}

TFastLineSeries &addSceneFastLine(TChart &chart, int k, std::span<const double> x, std::span<const double> y)
{
    return addSeries<TFastLineSeries>(chart, k, x, y);
}
