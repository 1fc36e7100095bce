// The chart panels' printer over the program's printer service.
#include "ServicePrinterInfo.h"

#include "platform/PrinterService.h"

#include <QPrinter>

PrinterService &ServicePrinterInfo::service()
{
    return PrinterService::instance();
}

bool ServicePrinterInfo::HasPrinter() const
{
    return service().hasPrinter();
}

QSize ServicePrinterInfo::PageSize() const
{
    return service().pageSize();
}

QSize ServicePrinterInfo::LogicalDpi() const
{
    return service().logicalDpi();
}

QPaintDevice *ServicePrinterInfo::PaintDevice()
{
    return HasPrinter() ? &service().printer() : nullptr;
}

PrinterInfo &servicePrinterInfo()
{
    static ServicePrinterInfo printer;
    return printer;
}
