// Test double of the printer service.
#include "FakePrinterService.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageSize>
#include <QPrinter>

FakePrinterService::FakePrinterService(Kind kind)
    : m_previous(&PrinterService::instance())
    , m_kind(kind)
{
    if (kind == PdfPrinter)
        setOutputFile(QDir::temp().filePath(QStringLiteral("tensimo-fake-printer-%1.pdf")
                                                .arg(QCoreApplication::applicationPid())));
    setPortraitPageSize(m_portraitPixels);
    printer().setPageOrientation(QPageLayout::Portrait);
    PrinterService::install(this);
}

FakePrinterService::~FakePrinterService()
{
    PrinterService::install(m_previous);
}

void FakePrinterService::setOutputFile(const QString &path)
{
    m_outputFile = path;
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(path);
    // A new output engine may bring another resolution: the page keeps its size in pixels.
    setPortraitPageSize(m_portraitPixels);
}

void FakePrinterService::setPortraitPageSize(QSize pixels)
{
    m_portraitPixels = pixels;
    const double dpi = printer().resolution();
    const QSizeF inches(pixels.width() / dpi, pixels.height() / dpi);
    printer().setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
}

QStringList FakePrinterService::printerNames() const
{
    return m_kind == PdfPrinter ? QStringList{QStringLiteral("PDF")} : QStringList{};
}

bool FakePrinterService::setupDialog(QWidget *)
{
    ++setupDialogs;
    return true;
}

bool FakePrinterService::printDialog(QWidget *)
{
    ++printDialogs;
    return acceptPrintDialog;
}

bool FakePrinterService::beginJob(const QString &title)
{
    ++jobs;
    if (m_kind == NoPrinter)
        return false;
    if (!QtPrinterService::beginJob(title))
        return false;
    lastJobTitle = printer().docName();
    return true;
}
