// The installed printer service and its Qt default.
#include "platform/PrinterService.h"

#include "platform/QtPrinterService.h"

#include <QCoreApplication>

#include <memory>

namespace {

PrinterService *installedService = nullptr;
std::unique_ptr<QtPrinterService> qtService;

} // namespace

PrinterService &PrinterService::instance()
{
    if (installedService)
        return *installedService;
    if (!qtService) {
        qtService = std::make_unique<QtPrinterService>();
        // The printer's plug-ins go with the application: free the printer before they do.
        qAddPostRoutine([] { qtService.reset(); });
    }
    return *qtService;
}

void PrinterService::install(PrinterService *service)
{
    installedService = service;
}
