// The program's printer: the printer list, the one current printer that tables and charts share,
// its page, the set-up and print dialogs, and the print job.
#pragma once

#include <QPageLayout>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;
class QPrinter;
class QWidget;

class PrinterService
{
public:
    virtual ~PrinterService() = default;

    // Names of the installed printers; empty when there is none.
    virtual QStringList printerNames() const = 0;
    bool hasPrinter() const { return !printerNames().isEmpty(); }
    // Index of the current printer in printerNames(), -1 without printers.
    virtual int printerIndex() const = 0;
    // Sends the next jobs to the printer of the index, and never into a file: a file chosen in an
    // earlier print dialog stays in the shared printer and would be overwritten. Also for the
    // current printer's index; ignored while a job runs.
    virtual void usePrinter(int index) = 0;

    virtual QPageLayout::Orientation orientation() const = 0;
    virtual void setOrientation(QPageLayout::Orientation orientation) = 0;
    // The page in device pixels (the whole sheet: jobs draw from its corner) and the device's
    // logical pixels per inch.
    virtual QSize pageSize() const = 0;
    virtual QSize logicalDpi() const = 0;
    // The screen in pixels: the paper's proportions when there is no printer.
    virtual QSize screenSize() const = 0;

    // The printer set-up dialog; true when the user confirmed it.
    virtual bool setupDialog(QWidget *parent) = 0;
    // The print dialog before a job; false cancels the print.
    virtual bool printDialog(QWidget *parent) = 0;
    // The print dialog offering the pages 1..lastPage, from and to preselected; on confirmation
    // they hold the chosen range. False cancels the print.
    virtual bool printRangeDialog(QWidget *parent, int lastPage, int &from, int &to) = 0;

    // Begins a job under the title (an empty title keeps the last one); false when no job could
    // start: no printer, or an output file that cannot be written.
    virtual bool beginJob(const QString &title) = 0;
    // The painter of the open job; none outside a job.
    virtual QPainter *jobPainter() const = 0;
    virtual bool newPage() = 0;
    // Ends the job; false when it failed on its way.
    virtual bool endJob() = 0;
    // Stops the job: what was drawn is not printed.
    virtual void abortJob() = 0;
    bool printing() const { return jobPainter() != nullptr; }
    // Where the jobs go, for messages: the output file, else the printer's name.
    virtual QString destination() const = 0;

    // The shared printer the jobs draw on.
    virtual QPrinter &printer() = 0;

    // The service in force: the Qt one unless another is installed.
    static PrinterService &instance();
    // Installs a service (not owned); nullptr goes back to the Qt one.
    static void install(PrinterService *service);
};
