// A small program that shows the chart component: the same chart in 2D and in 3D, in a second
// window bars, stacked bars, a pie and a fast line, and in a third the bubble, Gantt and shape
// series. With "--screenshot FILE" it zooms the 2D chart by a mouse drag, moves the mouse over it
// and saves it as a picture, then ends; with "--series-pictures DIR" it saves the charts of the
// further windows at 800 x 500 as PNG files in DIR; "--save FILE" and "--chart FILE" are the file
// commands of ExportCommands.h.
#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "DemoCharts.h"
#include "ExportCommands.h"
#include "ExportLibrary.h"
#include "SeriesDemoCharts.h"
#include "SeriesTypeCharts.h"
#include "TChart.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <QTextStream>
#include <QWidget>

namespace {

void sendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
    QApplication::processEvents();
}

// What a user does first: drags a rectangle to zoom in, then points at the curve.
void zoomAndPoint(QWidget &chart)
{
    const QPoint from(190, 70), to(430, 300), pointAt(330, 150);
    sendMouse(chart, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(chart, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    sendMouse(chart, QEvent::MouseMove, pointAt, Qt::NoButton, Qt::NoButton);
}

struct SeriesScene
{
    const char *name;
    void (*fill)(TChart &chart);
};
// The second window's charts; the third window's are SeriesTypeCharts::kScenes.
const SeriesScene kSeriesScenes[] = {
    {"series-bars", DemoCharts::fillBars},
    {"series-stacked-bars", DemoCharts::fillStackedBars},
    {"series-pie", DemoCharts::fillPie},
    {"series-fast-line", DemoCharts::fillFastLine},
};

bool saveScene(const QString &directory, const char *name, void (*fill)(TChart &))
{
    TChart chart;
    chart.resize(800, 500);
    fill(chart);
    const QString file = QDir(directory).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (chart.CreateBitmap(clWhite, chart.GetRectangle()).save(file))
        return true;
    QTextStream(stderr) << "cannot write " << file << '\n';
    return false;
}

// The further windows' charts, each drawn at 800 x 500 into DIR/<scene>.png without a window.
int saveSeriesPictures(const QString &directory)
{
    if (!QDir().mkpath(directory)) {
        QTextStream(stderr) << "cannot create " << directory << '\n';
        return 1;
    }
    for (const SeriesScene &scene : kSeriesScenes)
        if (!saveScene(directory, scene.name, scene.fill))
            return 1;
    for (const SeriesTypeCharts::Scene &scene : SeriesTypeCharts::kScenes)
        if (!saveScene(directory, scene.name, scene.fill))
            return 1;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerChartLibrary();
    registerChartEditor();
    registerExportFormats();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tensimo chart demo"));
    auto *layout = new QHBoxLayout(&window);
    auto *flat = new TChart(&window);
    auto *deep = new TChart(&window);
    for (TChart *chart : {flat, deep}) {
        chart->setMinimumSize(560, 380);
        layout->addWidget(chart);
    }
    DemoCharts::fill(*flat, false);
    DemoCharts::fill(*deep, true);

    const QStringList args = app.arguments();
    QWidget savedChartWindow;
    if (const int status = runExportCommand(args, *flat, savedChartWindow); status >= 0)
        return status;
    const qsizetype pictures = args.indexOf(QStringLiteral("--series-pictures"));
    if (pictures >= 0) {
        if (pictures + 1 >= args.size()) {
            QTextStream(stderr) << "usage: chart_demo [--series-pictures DIR]\n";
            return 2;
        }
        return saveSeriesPictures(args[pictures + 1]);
    }
    const qsizetype option = args.indexOf(QStringLiteral("--screenshot"));
    if (option >= 0) {
        if (option + 1 >= args.size()) {
            QTextStream(stderr) << "usage: chart_demo [--screenshot FILE]\n";
            return 2;
        }
        window.resize(1160, 420);
        window.show();
        // A real display maps the window some time after show(): mouse events sent before it is
        // exposed and the chart drawn once reach a chart without axes and zoom nothing.
        if (!QTest::qWaitForWindowExposed(&window, 10000)) {
            QTextStream(stderr) << "the window was never shown\n";
            return 1;
        }
        flat->repaint();
        zoomAndPoint(*flat);
        if (!flat->grab().save(args[option + 1])) {
            QTextStream(stderr) << "cannot write " << args[option + 1] << '\n';
            return 1;
        }
        return 0;
    }
    window.show();

    QWidget barsWindow;
    barsWindow.setWindowTitle(QStringLiteral("Tensimo chart demo: bars, pie and fast line"));
    auto *grid = new QGridLayout(&barsWindow);
    for (int k = 0; k < 4; ++k) {
        auto *chart = new TChart(&barsWindow);
        chart->setMinimumSize(480, 300);
        kSeriesScenes[k].fill(*chart);
        grid->addWidget(chart, k / 2, k % 2);
    }
    barsWindow.show();

    QWidget seriesWindow;
    seriesWindow.setWindowTitle(QStringLiteral("Tensimo chart demo: bubble, Gantt and shape series"));
    auto *seriesLayout = new QHBoxLayout(&seriesWindow);
    for (const SeriesTypeCharts::Scene &scene : SeriesTypeCharts::kScenes) {
        auto *chart = new TChart(&seriesWindow);
        chart->setMinimumSize(400, 250);
        seriesLayout->addWidget(chart);
        scene.fill(*chart);
    }
    seriesWindow.show();
    return app.exec();
}
