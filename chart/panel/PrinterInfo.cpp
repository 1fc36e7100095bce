// QPrinter as a panel's printer.
#include "PrinterInfo.h"

#include <QPrinter>
#include <QPrinterInfo>

PrinterDevice::PrinterDevice()
    : m_own(std::make_unique<QPrinter>())
    , m_printer(m_own.get())
{
}

PrinterDevice::PrinterDevice(QPrinter &printer)
    : m_printer(&printer)
{
}

PrinterDevice::~PrinterDevice() = default;

bool PrinterDevice::HasPrinter() const
{
    // A PDF writer needs no installed printer.
    return m_printer->outputFormat() == QPrinter::PdfFormat || !QPrinterInfo::availablePrinters().isEmpty();
}

QSize PrinterDevice::PageSize() const
{
    return {m_printer->width(), m_printer->height()};
}

QSize PrinterDevice::LogicalDpi() const
{
    return {m_printer->logicalDpiX(), m_printer->logicalDpiY()};
}

QPaintDevice *PrinterDevice::PaintDevice()
{
    return HasPrinter() ? m_printer : nullptr;
}
