// Test double of the printer service: no printer, or printers that each write a PDF file, with a
// settable page and screen size. The jobs run on Qt's printer service, so what they print is real.
#pragma once

#include "platform/QtPrinterService.h"

#include <QList>
#include <QPageSize>
#include <QSize>
#include <QString>

class FakePrinterService : public QtPrinterService
{
public:
    enum Kind { NoPrinter, PdfPrinter };

    // Installs itself for its lifetime. The PDF printer "PDF" starts in portrait on a page of
    // 4800 x 6600 device pixels and prints into a scratch file.
    explicit FakePrinterService(Kind kind = PdfPrinter);
    ~FakePrinterService() override;

    FakePrinterService(const FakePrinterService &) = delete;
    FakePrinterService &operator=(const FakePrinterService &) = delete;

    // One more printer, which prints into the file; a valid paper is the one its queue sets up
    // when the print dialog switches to it.
    void addPrinter(const QString &name, const QString &file, const QPageSize &paper = QPageSize());
    // The current printer prints into the file from now on.
    void setOutputFile(const QString &path);
    QString outputFile() const;
    // The sheet in portrait, in device pixels of the printer's resolution; the orientation turns it.
    void setPortraitPageSize(QSize pixels);
    void setScreenSize(QSize size) { m_screen = size; }

    QStringList printerNames() const override;
    int printerIndex() const override { return m_current; }
    void usePrinter(int index) override;
    QSize screenSize() const override { return m_screen; }
    bool setupDialog(QWidget *parent) override;
    bool printDialog(QWidget *parent) override;
    bool printRangeDialog(QWidget *parent, int lastPage, int &from, int &to) override;
    bool beginJob(const QString &title) override;

    // The print dialog's answer, and how often each dialog and job was asked for.
    bool acceptPrintDialog = true;
    // A file chosen in the print dialog ("print to file"): the accepted dialog leaves it in the
    // shared printer, as Qt's dialog does. Empty: the dialog keeps the printer.
    QString printDialogFile;
    // The printer the accepted dialog switches to, with its queue's paper; -1 keeps the printer.
    int printDialogPrinter = -1;
    int printDialogs = 0;
    // The range dialog's answer: accepted with the range (0 keeps the preselected bound).
    bool acceptRangeDialog = true;
    int rangeFrom = 0;
    int rangeTo = 0;
    int rangeDialogs = 0;
    int rangeDialogLastPage = 0;
    int setupDialogs = 0;
    int jobs = 0;
    // The document name of the last job that started.
    QString lastJobTitle;

private:
    struct Printer
    {
        QString name;
        QString file;
        QPageSize paper;
    };
    void printInto(const QString &path);

    PrinterService *m_previous = nullptr;
    QList<Printer> m_printers;
    int m_current = -1;
    QSize m_screen{1920, 1080};
    QSize m_portraitPixels{4800, 6600};
};
