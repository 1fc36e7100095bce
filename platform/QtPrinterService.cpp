// The printer service on Qt Print Support.
#include "platform/QtPrinterService.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <algorithm>

QtPrinterService::QtPrinterService()
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    // Jobs draw from the sheet's corner and keep their own margins.
    m_printer->setFullPage(true);
}

QtPrinterService::~QtPrinterService()
{
    if (m_painter)
        m_painter->end();
}

QStringList QtPrinterService::printerNames() const
{
    return QPrinterInfo::availablePrinterNames();
}

int QtPrinterService::printerIndex() const
{
    const QStringList names = printerNames();
    const int index = int(names.indexOf(m_printer->printerName()));
    if (index >= 0 || names.isEmpty())
        return index;
    return std::max(0, int(names.indexOf(QPrinterInfo::defaultPrinterName())));
}

void QtPrinterService::usePrinter(int index)
{
    if (m_painter)
        return;
    // The file first: while one is set the jobs go into it whatever printer is named, and
    // setPrinterName does nothing for an unchanged name.
    m_printer->setOutputFileName(QString());
    const QStringList names = printerNames();
    if (index >= 0 && index < names.size())
        m_printer->setPrinterName(names.at(index));
}

QPageLayout::Orientation QtPrinterService::orientation() const
{
    return m_printer->pageLayout().orientation();
}

void QtPrinterService::setOrientation(QPageLayout::Orientation orientation)
{
    m_printer->setPageOrientation(orientation);
}

QSize QtPrinterService::pageSize() const
{
    return m_printer->pageRect(QPrinter::DevicePixel).toRect().size();
}

QSize QtPrinterService::logicalDpi() const
{
    return {m_printer->logicalDpiX(), m_printer->logicalDpiY()};
}

QSize QtPrinterService::screenSize() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

bool QtPrinterService::setupDialog(QWidget *parent)
{
    QPageSetupDialog dialog(m_printer.get(), parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinterService::printDialog(QWidget *parent)
{
    QPrintDialog dialog(m_printer.get(), parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinterService::printRangeDialog(QWidget *parent, int lastPage, int &from, int &to)
{
    QPrintDialog dialog(m_printer.get(), parent);
    dialog.setMinMax(1, lastPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setPrintRange(QAbstractPrintDialog::PageRange);
    m_printer->setFromTo(from, to);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (dialog.printRange() == QAbstractPrintDialog::PageRange && m_printer->fromPage() > 0) {
        from = m_printer->fromPage();
        to = m_printer->toPage();
    } else {
        from = 1;
        to = lastPage;
    }
    // The range belongs to this print only; later jobs print whole.
    m_printer->setFromTo(0, 0);
    return true;
}

bool QtPrinterService::beginJob(const QString &title)
{
    if (m_painter || (printerNames().isEmpty() && m_printer->outputFileName().isEmpty()))
        return false;
    if (!title.isEmpty())
        m_printer->setDocName(title);
    auto painter = std::make_unique<QPainter>();
    // No printer and no file to print into: nothing is printed.
    if (!painter->begin(m_printer.get()))
        return false;
    m_painter = std::move(painter);
    m_pageFailed = false;
    return true;
}

bool QtPrinterService::newPage()
{
    if (!m_painter)
        return false;
    if (!m_printer->newPage())
        m_pageFailed = true;
    return !m_pageFailed;
}

bool QtPrinterService::endJob()
{
    if (!m_painter)
        return false;
    const bool ended = m_painter->end();
    m_painter.reset();
    return ended && !m_pageFailed && m_printer->printerState() != QPrinter::Error;
}

void QtPrinterService::abortJob()
{
    if (!m_painter)
        return;
    const bool aborted = m_printer->abort();
    if (m_printer->printerState() == QPrinter::Active || m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    // A file writer cannot abort: the half-written file is not left behind as if printed.
    if (!aborted && !m_printer->outputFileName().isEmpty())
        QFile::remove(m_printer->outputFileName());
}

QString QtPrinterService::destination() const
{
    return m_printer->outputFileName().isEmpty() ? m_printer->printerName() : m_printer->outputFileName();
}
