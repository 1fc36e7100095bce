// Test double of the printer service: no printer, or one printer that writes a PDF file, with a
// settable page and screen size. The jobs run on Qt's printer service, so what they print is real.
#pragma once

#include "platform/QtPrinterService.h"

#include <QSize>
#include <QString>

class FakePrinterService : public QtPrinterService
{
public:
    enum Kind { NoPrinter, PdfPrinter };

    // Installs itself for its lifetime. The PDF printer starts in portrait on a page of
    // 4800 x 6600 device pixels and prints into a scratch file.
    explicit FakePrinterService(Kind kind = PdfPrinter);
    ~FakePrinterService() override;

    FakePrinterService(const FakePrinterService &) = delete;
    FakePrinterService &operator=(const FakePrinterService &) = delete;

    void setOutputFile(const QString &path);
    QString outputFile() const { return m_outputFile; }
    // The sheet in portrait, in device pixels of the printer's resolution; the orientation turns it.
    void setPortraitPageSize(QSize pixels);
    void setScreenSize(QSize size) { m_screen = size; }

    QStringList printerNames() const override;
    int printerIndex() const override { return m_kind == PdfPrinter ? 0 : -1; }
    void setPrinterIndex(int) override {}
    QSize screenSize() const override { return m_screen; }
    bool setupDialog(QWidget *parent) override;
    bool printDialog(QWidget *parent) override;
    bool beginJob(const QString &title) override;

    // The print dialog's answer, and how often each dialog and job was asked for.
    bool acceptPrintDialog = true;
    int printDialogs = 0;
    int setupDialogs = 0;
    int jobs = 0;
    // The document name of the last job that started.
    QString lastJobTitle;

private:
    PrinterService *m_previous = nullptr;
    Kind m_kind;
    QString m_outputFile;
    QSize m_screen{1920, 1080};
    QSize m_portraitPixels{4800, 6600};
};
