// The chart tools over a 1920 x 1080 chart of the benchmark scene, each as one mouse move: the
// cursor tool's lines, the nearest-point marker over a million points, the mark-tip lookup and a
// colour-line drag step. Beside them, in the same run, the floors the goals are ratios to: plain
// QPainter polylines of the same points, and a whole redraw of the same chart.
#include "BenchScene.h"
#include "ChartLibrary.h"
#include "MarksTipDisplay.h"
#include "SceneChart.h"
#include "SceneRows.h"
#include "TChart.h"
#include "TChartAxis.h"
#include "TColorLineTool.h"
#include "TCursorTool.h"
#include "TLineSeries.h"
#include "TMarksTipTool.h"
#include "TNearestTool.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kPoints = 10000;

// The scene on a shown chart with the screen buffer filled: N points, five series below a million.
struct Scene
{
    explicit Scene(int pointCount = kPoints)
        : data(pointCount)
    {
        setUpSceneChart(chart);
        chart.SetView3D(false); // the scene is flat: series pixels are the mouse's pixels
        fixSceneAxes(chart, pointCount - 1);
        for (int k = 0; k < data.seriesCount; ++k)
            series.push_back(&addSceneSeries(chart, k, data.x, data.y[std::size_t(k)]));
    }

    void show()
    {
        chart.show();
        // A widget paints only once its window is exposed.
        for (int i = 0; i < 100 && !(chart.windowHandle() && chart.windowHandle()->isExposed()); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        chart.repaint(); // fills the screen buffer
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held, bool blit)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, chart.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
        if (blit)
            QApplication::processEvents(); // paints the dirty pixels from the buffer
    }
    void moveTo(QPoint at, bool blit) { mouse(QEvent::MouseMove, at, Qt::NoButton, blit); }

    QPoint pixelOf(int index) const { return {series[0]->CalcXPos(index), series[0]->CalcYPos(index)}; }

    SceneData data;
    TChart chart;
    std::vector<TLineSeries *> series;
};

void QPainterPolylineFloor(benchmark::State &state)
{
    Scene scene(int(state.range(0)));
    scene.show(); // lays the chart out, so the floor covers the same rectangle
    const TRect &r = scene.chart.ChartRect;
    PolylineRow row(scene.data, QRect(r.left, r.top, r.width(), r.height()), false);
    for (int i = 0; i < 2; ++i)
        row.draw();
    for (auto _ : state)
        row.draw();
}
BENCHMARK(QPainterPolylineFloor)->Arg(kPoints)->Arg(1000000)->Unit(benchmark::kMillisecond);

void WholeRedrawOfTheSameChart(benchmark::State &state)
{
    Scene scene;
    scene.show();
    for (auto _ : state) {
        scene.chart.Invalidate();
        scene.chart.repaint();
    }
}
BENCHMARK(WholeRedrawOfTheSameChart)->Unit(benchmark::kMillisecond);

// Argument 1: with the copy of the changed pixels to the window; 0: erase, move and draw only;
// 2: the same move with the tool inactive, which leaves the chart's own handling of the move.
void CursorToolMouseMove(benchmark::State &state)
{
    Scene scene;
    auto *tool = new TCursorTool(&scene.chart);
    tool->SetParentChart(&scene.chart);
    tool->SetFollowMouse(true);
    const bool blit = state.range(0) == 1;
    const bool active = state.range(0) != 2;
    tool->SetActive(active);
    scene.show();
    const QPoint points[] = {{700, 400}, {1200, 650}};
    int n = 0;
    for (auto _ : state)
        scene.moveTo(points[n++ % 2], blit);
    QApplication::processEvents();
    if (active && tool->VerticalLineX() != points[(n - 1) % 2].x())
        state.SkipWithError("the lines did not follow the mouse");
}
BENCHMARK(CursorToolMouseMove)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The marker drawn over the buffer: search, erase, draw and blit. Argument: pixels above the curve.
void NearestPointMouseMove(benchmark::State &state)
{
    Scene scene(1000000);
    auto *tool = new TNearestTool(&scene.chart);
    tool->SetParentChart(&scene.chart);
    tool->SetSeries(scene.series[0]);
    tool->SetFullRepaint(false);
    scene.show();
    const QPoint off(0, -int(state.range(0)));
    const int indexes[] = {300000, 700000};
    const QPoint points[] = {scene.pixelOf(indexes[0]) + off, scene.pixelOf(indexes[1]) + off};
    int n = 0;
    for (auto _ : state)
        scene.moveTo(points[n++ % 2], true);
    if (tool->Point() < 0)
        state.SkipWithError("no point was found");
}
BENCHMARK(NearestPointMouseMove)->Arg(0)->Arg(200)->Unit(benchmark::kMicrosecond);

// Counts the tips instead of showing them.
class CountingTips : public MarksTipDisplay
{
public:
    void showTip(QWidget &, const QPoint &, const QString &text) override
    {
        ++shown;
        benchmark::DoNotOptimize(text);
    }
    void hideTip() override {}
    int shown = 0;
};

// One move onto another point: the series' hit test, the mark text and the tip. Argument: points.
void MarkTipLookup(benchmark::State &state)
{
    CountingTips tips;
    MarksTipDisplay::replace(&tips);
    {
        Scene scene(int(state.range(0)));
        auto *tool = new TMarksTipTool(&scene.chart);
        tool->SetParentChart(&scene.chart);
        tool->SetSeries(scene.series[0]);
        tool->SetMouseDelay(0);
        scene.show();
        const int count = int(state.range(0));
        const QPoint points[] = {scene.pixelOf(count * 3 / 10), scene.pixelOf(count * 7 / 10)};
        int n = 0;
        for (auto _ : state)
            scene.moveTo(points[n++ % 2], true); // the events run the tip's zero-delay timer
        if (tips.shown == 0)
            state.SkipWithError("no tip was shown");
    }
    MarksTipDisplay::replace(nullptr);
}
BENCHMARK(MarkTipLookup)->Arg(1000000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// One step of a drag without DragRepaint: erase, move, draw, blit of the dirty rectangle.
void ColorLineDragStep(benchmark::State &state)
{
    Scene scene;
    auto *line = new TColorLineTool(&scene.chart);
    line->SetAxis(scene.chart.LeftAxis());
    line->SetValue(0);
    scene.show();
    const int x = scene.chart.BottomAxis()->ValueToPixel(kPoints / 2);
    const int y = scene.chart.LeftAxis()->ValueToPixel(0);
    scene.mouse(QEvent::MouseButtonPress, {x, y}, Qt::LeftButton, true);
    scene.chart.repaint(); // the pass the drag start asks for
    const QPoint points[] = {{x, y - 40}, {x, y + 40}};
    int n = 0;
    for (auto _ : state)
        scene.mouse(QEvent::MouseMove, points[n++ % 2], Qt::LeftButton, true);
    if (!line->Dragging())
        state.SkipWithError("the line was not dragged");
    scene.mouse(QEvent::MouseButtonRelease, points[(n - 1) % 2], Qt::NoButton, true);
}
BENCHMARK(ColorLineDragStep)->Unit(benchmark::kMicrosecond);

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
