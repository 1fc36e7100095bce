// The installed message service and its Qt default.
#include "platform/MessageService.h"

#include "platform/QtMessageService.h"

namespace {

MessageService *installedService = nullptr;

MessageService &qtService()
{
    static QtMessageService service;
    return service;
}

} // namespace

MessageService &MessageService::instance()
{
    return installedService ? *installedService : qtService();
}

void MessageService::install(MessageService *service)
{
    installedService = service;
}

int showMessage(const QString &text, const QString &caption, int flags)
{
    return MessageService::instance().messageBox(text, caption, flags);
}
