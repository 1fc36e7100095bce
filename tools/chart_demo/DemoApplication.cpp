// The demo's application object.
#include "DemoApplication.h"

#include "ChartEditorLibrary.h"
#include "ChartLibrary.h"
#include "ExportLibrary.h"
#include "PlotGerman.h"
#include "platform/QtTranslation.h"

std::unique_ptr<GuardedApplication> createDemoApplication(int &argc, char **argv)
{
    auto app = std::make_unique<GuardedApplication>(argc, argv);
    registerChartLibrary();
    registerChartEditor();
    registerExportFormats();
    // German as Tensimo shows it: the library's texts and Qt's own (the file dialogs).
    const bool german = app->arguments().contains(QStringLiteral("--german"));
    if (german) {
        PlotGerman::SelectGermanLanguage();
        installQtTranslation(u'D', app.get());
    }
    app->setErrorCaption(german ? QStringLiteral("Fehler") : QStringLiteral("Error"));
    return app;
}
