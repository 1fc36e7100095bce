// The chart library's place in the program.
#include "app/windows/ChartLibrarySetup.h"

#include "chart/engine/PlotEngine.h"
#include "chart/editor/ChartEditorLibrary.h"
#include "chart/export/ExportLibrary.h"
#include "chart/series/ChartLibrary.h"
#include "platform/MessageService.h"

#include <QGuiApplication>

void setUpChartLibrary()
{
    registerChartLibrary();
    registerChartEditor();
    registerExportFormats();
    // The caption is read when a box comes: the main window names the program after this runs.
    PlotEngine::ShowErrorBoxHook() = [](const QString &text) {
        showMessage(text, QGuiApplication::applicationDisplayName(), MbOk | MbIconError);
    };
}
