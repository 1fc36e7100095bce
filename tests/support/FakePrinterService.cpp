// Test double of the printer service.
#include "FakePrinterService.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageSize>
#include <QPrinter>

FakePrinterService::FakePrinterService(Kind kind)
    : m_previous(&PrinterService::instance())
{
    if (kind == PdfPrinter)
        addPrinter(QStringLiteral("PDF"), QDir::temp().filePath(QStringLiteral("tensimo-fake-printer-%1.pdf")
                                                                      .arg(QCoreApplication::applicationPid())));
    setPortraitPageSize(m_portraitPixels);
    printer().setPageOrientation(QPageLayout::Portrait);
    PrinterService::install(this);
}

FakePrinterService::~FakePrinterService()
{
    PrinterService::install(m_previous);
}

void FakePrinterService::addPrinter(const QString &name, const QString &file, const QPageSize &paper)
{
    m_printers.append({name, file, paper});
    if (m_current < 0) {
        m_current = 0;
        printInto(file);
    }
}

void FakePrinterService::setOutputFile(const QString &path)
{
    if (m_current < 0)
        return;
    m_printers[m_current].file = path;
    printInto(path);
}

QString FakePrinterService::outputFile() const
{
    return m_current < 0 ? QString() : m_printers.at(m_current).file;
}

void FakePrinterService::printInto(const QString &path)
{
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
    QStringList names;
    for (const Printer &p : m_printers)
        names.append(p.name);
    return names;
}

void FakePrinterService::usePrinter(int index)
{
    if (printing())
        return;
    QtPrinterService::usePrinter(index);
    if (index < 0 || index >= m_printers.size())
        return;
    m_current = index;
    // The jobs reach the printer, here its file, only when Qt's service dropped the output file.
    if (printer().outputFileName().isEmpty())
        printInto(m_printers.at(index).file);
}

bool FakePrinterService::setupDialog(QWidget *)
{
    ++setupDialogs;
    return true;
}

bool FakePrinterService::printDialog(QWidget *)
{
    ++printDialogs;
    if (!acceptPrintDialog)
        return false;
    if (printDialogPrinter >= 0 && printDialogPrinter < m_printers.size()) {
        usePrinter(printDialogPrinter);
        // Choosing a queue sets up its own default paper, as Qt's dialog does.
        const Printer &chosen = m_printers.at(printDialogPrinter);
        if (chosen.paper.isValid())
            printer().setPageSize(chosen.paper);
    }
    if (!printDialogFile.isEmpty())
        printInto(printDialogFile);
    return true;
}

bool FakePrinterService::printRangeDialog(QWidget *, int lastPage, int &from, int &to)
{
    ++rangeDialogs;
    rangeDialogLastPage = lastPage;
    if (!acceptRangeDialog)
        return false;
    if (rangeFrom > 0)
        from = rangeFrom;
    if (rangeTo > 0)
        to = rangeTo;
    return true;
}

bool FakePrinterService::beginJob(const QString &title)
{
    ++jobs;
    if (m_printers.isEmpty())
        return false;
    if (!QtPrinterService::beginJob(title))
        return false;
    lastJobTitle = printer().docName();
    return true;
}
