// The installed dialog service and its Qt default.
#include "platform/DialogService.h"

#include "platform/QtDialogService.h"

namespace {

DialogService *installedService = nullptr;

DialogService &qtService()
{
    static QtDialogService service;
    return service;
}

} // namespace

DialogService &DialogService::instance()
{
    return installedService ? *installedService : qtService();
}

void DialogService::install(DialogService *service)
{
    installedService = service;
}
