// The Qt printer service: choosing a printer after a print dialog printed into a file.
#include "platform/QtPrinterService.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(QtPrinterService, UsingAPrinterDropsTheFileAnEarlierPrintDialogChose)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("table.pdf"));
    QtPrinterService service;
    // What the print dialog's "print to file" leaves in the shared printer.
    service.printer().setOutputFormat(QPrinter::PdfFormat);
    service.printer().setOutputFileName(file);
    ASSERT_EQ(service.destination(), file);
    // Also for the printer already current, and for none (a machine without printers).
    service.usePrinter(service.printerIndex());
    EXPECT_TRUE(service.printer().outputFileName().isEmpty());
    EXPECT_NE(service.destination(), file);
}
