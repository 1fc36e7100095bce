// Program start: the application object, the main window with its windows, the event loop.
#include "app/data/ProgramInfo.h"
#include "app/windows/ChartLibrarySetup.h"
#include "app/windows/TForm1.h"
#include "platform/GuardedApplication.h"

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    GuardedApplication::setApplicationName(QStringLiteral("Tensimo"));
    GuardedApplication::setOrganizationName(QStringLiteral("Korvex"));
    setUpChartLibrary();
    TForm1 form1;
    if (!form1.started())
        return 1;
    app.setErrorCaption(form1.globalText(GlobalText::ErrorCaption));
    form1.show();
    return GuardedApplication::exec();
}
