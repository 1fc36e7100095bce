// Prints a value table: the print dialog, then the pages on the table printer.
#pragma once

#include "app/core/TableLayout.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class LanguageTables;
class QPrinter;
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
    TablePrinter(const LanguageTables &texts, QObject *parent);

    // Lets the user choose and set up the printer; false cancels the print. The Qt print
    // dialog unless another is set (tests print to a file without a dialog).
    using PrintDialog = std::function<bool(QPrinter &printer)>;
    void setPrintDialog(PrintDialog dialog) { m_printDialog = std::move(dialog); }

    // Prints the rows (two TAB-separated fields each) under the header of the kind, with the
    // header lines s1..s4. Every job starts on A4 portrait; the print dialog may change that.
    PrintOutcome PrintTable(const QStringList &rows, TableHeaderKind kind, const QString &s1, const QString &s2,
                            const QString &s3, const QString &s4);

    // The file the last job printed into, empty for a printer.
    QString outputFileName() const;

    TXPrint *XPrint1 = nullptr;

private:
    const LanguageTables &m_texts;
    PrintDialog m_printDialog;
};
