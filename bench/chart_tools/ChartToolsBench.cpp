// One mouse move of a cursor tool that follows the mouse over a 1920 x 1080 chart of the benchmark
// scene (five series of 10 000 points): the old lines erased on the screen buffer, the new ones
// drawn, and the changed pixels copied to the window. A whole redraw of the same chart is timed
// beside it, which is what a move would cost without the overlay.
#include "BenchScene.h"
#include "ChartLibrary.h"
#include "TChart.h"
#include "TChartAxis.h"
#include "TCursorTool.h"
#include "TLineSeries.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = BenchScene::kWidth;
constexpr int kHeight = BenchScene::kHeight;
constexpr int kPoints = 10000;

struct Scene
{
    Scene()
    {
        chart.resize(kWidth, kHeight);
        chart.SetColor(clWhite);
        chart.SetView3D(false);
        chart.Title()->SetText({QStringLiteral("Chart scene")});
        chart.BottomAxis()->SetMinMax(0.0, kPoints - 1);
        chart.LeftAxis()->SetMinMax(BenchScene::kMinY, BenchScene::kMaxY);
        for (int k = 0; k < BenchScene::kSeriesCount; ++k) {
            auto *series = chart.AddSeriesOfClass<TLineSeries>();
            series->SetSeriesColor(BenchScene::kChartColors[k]);
            for (int i = 0; i < kPoints; ++i)
                series->AddXY(i, BenchScene::value(k, i));
        }
        tool = new TCursorTool(&chart);
        tool->SetParentChart(&chart);
        tool->SetFollowMouse(true);
        chart.show();
        // A widget paints only once its window is exposed.
        for (int i = 0; i < 100 && !(chart.windowHandle() && chart.windowHandle()->isExposed()); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        chart.repaint(); // fills the screen buffer
    }

    void moveTo(QPoint at, bool blit)
    {
        QMouseEvent move(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&chart, &move);
        if (blit)
            QApplication::processEvents(); // paints the dirty pixels from the buffer
    }

    TChart chart;
    TCursorTool *tool = nullptr;
};

// Argument 1: with the copy of the changed pixels to the window; 0: erase, move and draw only;
// 2: the same move with the tool inactive, which leaves the chart's own handling of the move.
void CursorToolMouseMove(benchmark::State &state)
{
    Scene scene;
    const bool blit = state.range(0) == 1;
    const bool active = state.range(0) != 2;
    scene.tool->SetActive(active);
    scene.chart.repaint();
    const QPoint points[] = {{700, 400}, {1200, 650}};
    int n = 0;
    for (auto _ : state)
        scene.moveTo(points[n++ % 2], blit);
    QApplication::processEvents();
    if (active && scene.tool->VerticalLineX() != points[(n - 1) % 2].x())
        state.SkipWithError("the lines did not follow the mouse");
}
BENCHMARK(CursorToolMouseMove)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void WholeRedrawOfTheSameChart(benchmark::State &state)
{
    Scene scene;
    for (auto _ : state) {
        scene.chart.Invalidate();
        scene.chart.repaint();
    }
}
BENCHMARK(WholeRedrawOfTheSameChart)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerChartLibrary();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
