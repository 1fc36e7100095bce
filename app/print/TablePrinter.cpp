// Prints a value table.
#include "app/print/TablePrinter.h"

#include "app/data/LanguageTables.h"
#include "app/data/ProgramInfo.h"
#include "app/print/TXPrint.h"
#include "platform/BusyCursor.h"
#include "platform/PrinterService.h"

#include <QApplication>
#include <QPrinter>

TablePrinter::TablePrinter(const LanguageTables &texts, QObject *parent)
    : QObject(parent)
    , XPrint1(new TXPrint(PrinterService::instance(), this))
    , m_texts(texts)
{
    XPrint1->SetScaling(TScaling::pscMetric10);
    XPrint1->MarginLeft = 200; // 20 mm
    XPrint1->MarginTop = 150; // 15 mm
    XPrint1->MarginRight = 200;
    XPrint1->MarginBottom = 150;
    XPrint1->Title = QStringLiteral("Tenso");
    XPrint1->SetFontSize(10);
}

PrintOutcome TablePrinter::PrintTable(const QStringList &rows, TableHeaderKind kind, const QString &s1,
                                      const QString &s2, const QString &s3, const QString &s4)
{
    // The printer is shared: a job of another kind (a landscape preview) must not leak into tables.
    XPrint1->setA4Portrait();
    if (!XPrint1->service().printDialog(QApplication::activeWindow()))
        return PrintOutcome::Cancelled;
    // Choosing a queue in the dialog brings its default paper (often Letter); the pages asked
    // about were counted on A4, so A4 it is, for a file as for every printer.
    XPrint1->setA4Portrait();
    const BusyCursor busy;
    if (!XPrint1->BeginDoc())
        return PrintOutcome::Failed;
    const QString title = programTitle() + QStringLiteral(" - ") + m_texts.globalText(GlobalText::PrintHeader);
    layOutTable(*XPrint1, rows, kind, {title, s1, s2, s3, s4});
    return XPrint1->EndDoc() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

int TablePrinter::PageCount(const QStringList &rows, TableHeaderKind kind)
{
    if (XPrint1->printing())
        return 0;
    XPrint1->setA4Portrait();
    XPrint1->BeginMeasure();
    // The header texts take no room of their own: only the kind moves the rows.
    const int pages = layOutTable(*XPrint1, rows, kind, {});
    XPrint1->EndMeasure();
    return pages;
}

QString TablePrinter::outputFileName() const
{
    return XPrint1->printer().outputFileName();
}
