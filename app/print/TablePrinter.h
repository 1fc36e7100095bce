// Prints a value table: the print dialog, then the pages on the table printer.
#pragma once

#include "app/core/TableLayout.h"

#include <QObject>
#include <QString>
#include <QStringList>

class LanguageTables;
class PrinterService;
class TXPrint;

enum class PrintOutcome {
    Printed,
    Cancelled, // in the print dialog: nothing to report
    Failed, // the job could not start or finish; the window shows the print-failure box
};

class TablePrinter : public QObject
{
    Q_OBJECT
public:
    // Prints on the printer service in force when it is made.
    TablePrinter(const LanguageTables &texts, QObject *parent);

    // Prints the rows (two TAB-separated fields each) under the header of the kind, with the
    // header lines s1..s4, after the service's print dialog. Every job prints on A4 portrait,
    // whatever printer or file the dialog chose.
    PrintOutcome PrintTable(const QStringList &rows, TableHeaderKind kind, const QString &s1, const QString &s2,
                            const QString &s3, const QString &s4);

    // The pages PrintTable prints the rows on, on A4 portrait, the paper of every job.
    int PageCount(const QStringList &rows, TableHeaderKind kind);

    // The file the last job printed into, empty for a printer.
    QString outputFileName() const;

    TXPrint *XPrint1 = nullptr;

private:
    const LanguageTables &m_texts;
};
