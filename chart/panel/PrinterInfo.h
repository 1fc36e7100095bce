// What a chart panel needs to know of a printer: page size, resolution and the device to draw on.
// The panel's own default wraps a QPrinter; the program's printer service implements it too.
#pragma once

#include <QSize>

#include <memory>

class QPaintDevice;
class QPrinter;

class PrinterInfo
{
public:
    virtual ~PrinterInfo() = default;
    // False when no printer is installed; then the sizes below are not to be used.
    virtual bool HasPrinter() const = 0;
    // The printable page in device pixels.
    virtual QSize PageSize() const = 0;
    // Logical pixels per inch across and down.
    virtual QSize LogicalDpi() const = 0;
    // The device a print job draws on; none without a printer.
    virtual QPaintDevice *PaintDevice() = 0;
};

// A QPrinter as the panel's printer: the one given, or a default printer of its own.
class PrinterDevice : public PrinterInfo
{
public:
    PrinterDevice();
    explicit PrinterDevice(QPrinter &printer);
    ~PrinterDevice() override;

    bool HasPrinter() const override;
    QSize PageSize() const override;
    QSize LogicalDpi() const override;
    QPaintDevice *PaintDevice() override;

private:
    std::unique_ptr<QPrinter> m_own;
    QPrinter *m_printer;
};
