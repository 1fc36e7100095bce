// The chart panels' printer over the program's printer service: the library's one printer.
#pragma once

#include "PrinterInfo.h"

class PrinterService;

class ServicePrinterInfo : public PrinterInfo
{
public:
    bool HasPrinter() const override;
    QSize PageSize() const override;
    QSize LogicalDpi() const override;
    QPaintDevice *PaintDevice() override;

private:
    // The service in force at each call: tests install their own around a panel's lifetime.
    static PrinterService &service();
};

// One adapter for every panel; it keeps no state of its own.
PrinterInfo &servicePrinterInfo();
