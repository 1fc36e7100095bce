// Native chart file fuzz support.
#include "NativeFuzzSupport.h"

#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "ExportLibrary.h"
#include "NativeChartFile.h"
#include "PlotException.h"
#include "TCustomChart.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

void startChartLibraries(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    registerChartLibrary();
    registerChartEditor();
    registerExportFormats();
}

void readNativeChecked(const QByteArray &bytes)
{
    QWidget parent;
    std::unique_ptr<TCustomChart> chart;
    try {
        chart = ReadChartFromBytes(bytes, &parent);
    } catch (const PlotException &) {
        if (!parent.children().isEmpty()) {
            std::fputs("a failed read left objects under the parent\n", stderr);
            std::abort();
        }
        return;
    }
    try {
        ReadChartFromBytes(SaveChartToBytes(*chart, true, false));
        ReadChartFromBytes(SaveChartToBytes(*chart, true, true));
    } catch (const PlotException &e) {
        std::fprintf(stderr, "an accepted chart's own save does not read: %s\n", e.what());
        std::abort();
    }
}
