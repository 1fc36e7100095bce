// A small program that shows the chart component: the same chart in 2D and in 3D, in a second
// window bars, stacked bars, a pie and a fast line, and in a third the bubble, Gantt and shape
// series. With "--screenshot FILE" it zooms the 2D chart by a mouse drag, moves the mouse over it
// and saves it as a picture, then ends; with "--series-pictures DIR" it saves the charts of the
// further windows at 800 x 500 as PNG files in DIR; "--back-image FILE" shows a picture of a
// registered format (an animated GIF plays) behind the 2D chart, and with "--screenshot FILE" a
// second screenshot FILE-later at least 500 ms after the first, once the chart shows another
// frame; "--options-page EXT FILE" saves that export format's options page; "--save FILE",
// "--chart FILE" and "--export" are the file commands of ExportCommands.h; "--german" shows the
// library's forms and texts in German.
// A fourth window shows the tools; "--tools --screenshot FILE" drags its colour line, draws a
// line, rests on a point and turns its 3D chart, then saves FILE and FILE-3d, and fails when a
// tool left pixels that a fresh redraw does not draw. "Edit..." opens the chart editor on the 2D
// chart; "--edit data|gallery --screenshot FILE" saves its Data tab or its series gallery.
#include "DemoApplication.h"
#include "DemoCharts.h"
#include "EditorCommands.h"
#include "ExportCommands.h"
#include "PlotExportFormats.h"
#include "PlotPictures.h"
#include "TPlotExportFormat.h"
#include "SeriesDemoCharts.h"
#include "SeriesTypeCharts.h"
#include "TChart.h"
#include "ToolDemoCharts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStringList>
#include <QTest>
#include <QTextStream>
#include <QWidget>

namespace {

using ToolDemoCharts::sendMouse;

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

// Loads the picture through the picture lookup as the chart's back image.
bool setBackImage(TChart &chart, const QString &fileName)
{
    QFile file(fileName);
    std::shared_ptr<TGraphic> graphic = GraphicClassFromExtension(u'.' + QFileInfo(fileName).suffix());
    if (!graphic || !file.open(QIODevice::ReadOnly) || !graphic->LoadFromData(file.readAll())) {
        QTextStream(stderr) << "cannot show " << fileName << " as a back image\n";
        return false;
    }
    chart.BackImage()->SetMode(pbmStretch);
    chart.BackImage()->SetGraphic(std::move(graphic));
    return true;
}

int saveOptionsPage(TChart &chart, const QString &extension, const QString &fileName)
{
    const ExportFormatList list = createExportFormats(&chart);
    TPlotExportFormat *format = formatForExtension(list, extension);
    QWidget *page = format ? format->Options(true) : nullptr;
    if (!page) {
        QTextStream(stderr) << "no options page for " << extension << '\n';
        return 1;
    }
    page->resize(page->sizeHint().expandedTo(QSize(320, 160)));
    page->show();
    return page->grab().save(fileName) ? 0 : 1;
}

// The tools window: the flat chart with its tools and the 3D chart beside it.
struct ToolsWindow
{
    ToolsWindow()
    {
        window.setWindowTitle(QStringLiteral("Tensimo chart demo: tools"));
        auto *layout = new QHBoxLayout(&window);
        flat = new TChart(&window);
        deep = new TChart(&window);
        flat->setMinimumSize(760, 460);
        deep->setMinimumSize(520, 460);
        layout->addWidget(flat);
        layout->addWidget(deep);
        tools = ToolDemoCharts::fillFlat(*flat);
        ToolDemoCharts::fill3D(*deep);
    }

    // Shown and drawn once, so that the callout finds the pixel of its point.
    bool show()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window, 10000))
            return false;
        flat->repaint();
        ToolDemoCharts::pointCallout(tools);
        flat->repaint();
        deep->repaint();
        return true;
    }

    QWidget window;
    TChart *flat = nullptr;
    TChart *deep = nullptr;
    ToolDemoCharts::FlatTools tools;
};

int saveToolScreenshots(const QString &fileName)
{
    ToolsWindow tools;
    if (!tools.show()) {
        QTextStream(stderr) << "the window was never shown\n";
        return 1;
    }
    QStringList ghosts = ToolDemoCharts::driveFlat(*tools.flat, tools.tools);
    ghosts << ToolDemoCharts::driveRotate(*tools.deep);
    const QFileInfo first(fileName);
    const QString deepFile = first.dir().filePath(first.completeBaseName() + QStringLiteral("-3d.") + first.suffix());
    for (const auto &[chart, file] : {std::pair{tools.flat, fileName}, std::pair{tools.deep, deepFile}}) {
        if (!chart->grab().save(file)) {
            QTextStream(stderr) << "cannot write " << file << '\n';
            return 1;
        }
    }
    for (const QString &step : ghosts)
        QTextStream(stderr) << "ghost pixels after: " << step << '\n';
    return ghosts.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<GuardedApplication> app = createDemoApplication(argc, argv);

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
    auto *edit = new QPushButton(QStringLiteral("Edit..."), &window);
    layout->addWidget(edit, 0, Qt::AlignTop);
    QObject::connect(edit, &QPushButton::clicked, flat, [flat] { EditorCommands::editChart(*flat); });

    const QStringList args = app->arguments();
    const qsizetype backImage = args.indexOf(QStringLiteral("--back-image"));
    if (backImage >= 0 && (backImage + 1 >= args.size() || !setBackImage(*flat, args[backImage + 1])))
        return 2;
    if (const qsizetype page = args.indexOf(QStringLiteral("--options-page")); page >= 0 && page + 2 < args.size())
        return saveOptionsPage(*flat, args[page + 1], args[page + 2]);
    if (const int status = EditorCommands::runEditorCommand(args, *flat); status >= 0)
        return status;
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
        if (args.contains(QStringLiteral("--tools")))
            return saveToolScreenshots(args[option + 1]);
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
        const QImage shown = flat->grab().toImage();
        if (!shown.save(args[option + 1])) {
            QTextStream(stderr) << "cannot write " << args[option + 1] << '\n';
            return 1;
        }
        // With a back image, a second picture at least 500 ms later shows whether it plays: taken
        // once the chart shows another picture, or after 5 s (a still image, or a busy machine).
        if (backImage >= 0) {
            QTest::qWait(500);
            QImage next = flat->grab().toImage();
            for (int waited = 500; next == shown && waited < 5000; waited += 100) {
                QTest::qWait(100);
                next = flat->grab().toImage();
            }
            const QFileInfo first(args[option + 1]);
            const QString later = first.dir().filePath(first.completeBaseName() + QStringLiteral("-later.") + first.suffix());
            if (!next.save(later)) {
                QTextStream(stderr) << "cannot write " << later << '\n';
                return 1;
            }
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

    ToolsWindow toolsWindow;
    toolsWindow.show();
    return app->exec();
}
