// The chart editor on the scene chart: opening it in tree mode up to its first painted frame, at
// 5 x 1 000 and 5 x 100 000 points; switching the series editor to the next curve; and, as the
// floor, one full redraw of the same chart. The editor must never walk the points.
#include "BenchScene.h"
#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "SceneChart.h"
#include "TChart.h"
#include "TChartEditForm.h"
#include "TFormPlotSeries.h"

#include <QImage>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <memory>
#include <numeric>
#include <vector>

namespace {

struct EditorScene
{
    explicit EditorScene(int points)
    {
        registerChartLibrary();
        registerChartEditor();
        setUpSceneChart(chart);
        fixSceneAxes(chart, points - 1);
        std::vector<double> x(static_cast<std::size_t>(points));
        std::iota(x.begin(), x.end(), 0.0);
        for (int k = 0; k < BenchScene::kSeriesCount; ++k)
            addSceneSeries(chart, k, x, BenchScene::values(k, points));
    }

    // The editor as the diagram window opens it, shown and painted once.
    std::unique_ptr<TChartEditForm> openEditor()
    {
        auto form = std::make_unique<TChartEditForm>();
        form->SetTreeMode(true);
        // Nothing is read from or written to the user's settings during the run.
        form->RememberPosition = false;
        form->RememberSize = false;
        form->SetChart(&chart);
        form->DefaultTab = cetAllSeries;
        form->show();
        form->render(&frame);
        return form;
    }

    TChart chart;
    QImage frame{640, 480, QImage::Format_RGB32};
};

// Argument: points per curve.
void EditorOpen(benchmark::State &state)
{
    EditorScene scene(int(state.range(0)));
    for (auto _ : state) {
        auto form = scene.openEditor();
        benchmark::DoNotOptimize(form.get());
    }
}
BENCHMARK(EditorOpen)->ArgName("points")->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void EditorSwitchSeries(benchmark::State &state)
{
    EditorScene scene(100000);
    auto form = scene.openEditor();
    QTreeWidgetItem *seriesNode = form->Tree->topLevelItem(0);
    int next = 0;
    for (auto _ : state) {
        next = (next + 1) % seriesNode->childCount();
        form->Tree->setCurrentItem(seriesNode->child(next));
        benchmark::DoNotOptimize(form->SeriesForm()->TheSeries());
    }
}
BENCHMARK(EditorSwitchSeries)->Unit(benchmark::kMillisecond);

// The floor of the switch: one full redraw of the chart the editor shows.
void EditorChartRedrawFloor(benchmark::State &state)
{
    EditorScene scene(100000);
    QImage image(scene.chart.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        scene.chart.Invalidate();
        scene.chart.render(&image);
    }
}
BENCHMARK(EditorChartRedrawFloor)->Unit(benchmark::kMillisecond);

} // namespace
