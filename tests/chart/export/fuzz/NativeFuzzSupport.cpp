// Native chart file fuzz support.
#include "NativeFuzzSupport.h"

#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "ExportLibrary.h"
#include "NativeChartFile.h"
#include "PlotException.h"
#include "TCustomChart.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

void startChartLibraries(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    registerChartLibrary();
    registerChartEditor();
    registerExportFormats();
}

namespace {

// The chart of the bytes, or none after a PlotException that left nothing under the parent.
std::unique_ptr<TCustomChart> readOrRefuse(const QByteArray &bytes, QWidget &parent)
{
    try {
        return ReadChartFromBytes(bytes, &parent);
    } catch (const PlotException &) {
        if (!parent.children().isEmpty()) {
            std::fputs("a failed read left objects under the parent\n", stderr);
            std::abort();
        }
        return nullptr;
    }
}

void expectSaveReadsAgain(TCustomChart &chart)
{
    try {
        ReadChartFromBytes(SaveChartToBytes(chart, true, false));
        ReadChartFromBytes(SaveChartToBytes(chart, true, true));
    } catch (const PlotException &e) {
        std::fprintf(stderr, "an accepted chart's own save does not read: %s\n", e.what());
        std::abort();
    }
}

} // namespace

void readNativeChecked(const QByteArray &bytes)
{
    QWidget parent;
    if (const std::unique_ptr<TCustomChart> chart = readOrRefuse(bytes, parent))
        expectSaveReadsAgain(*chart);
}

void readAndDrawChecked(const QByteArray &bytes)
{
    QWidget parent;
    const std::unique_ptr<TCustomChart> chart = readOrRefuse(bytes, parent);
    if (!chart)
        return;
    expectSaveReadsAgain(*chart);
    try {
        chart->setGeometry(0, 0, 400, 300);
        if (chart->CreateBitmap(clWhite, chart->GetRectangle()).isNull()) {
            std::fputs("an accepted chart draws no picture\n", stderr);
            std::abort();
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "drawing an accepted chart raised: %s\n", e.what());
        std::abort();
    }
}
