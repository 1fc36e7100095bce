// The printer service on Qt Print Support: one QPrinter for the whole program.
#pragma once

#include "platform/PrinterService.h"

#include <memory>

class QtPrinterService : public PrinterService
{
public:
    QtPrinterService();
    ~QtPrinterService() override;

    QStringList printerNames() const override;
    int printerIndex() const override;
    void usePrinter(int index) override;
    QPageLayout::Orientation orientation() const override;
    void setOrientation(QPageLayout::Orientation orientation) override;
    QSize pageSize() const override;
    QSize logicalDpi() const override;
    QSize screenSize() const override;
    bool setupDialog(QWidget *parent) override;
    bool printDialog(QWidget *parent) override;
    bool printRangeDialog(QWidget *parent, int lastPage, int &from, int &to) override;
    bool beginJob(const QString &title) override;
    QPainter *jobPainter() const override { return m_painter.get(); }
    bool newPage() override;
    bool endJob() override;
    void abortJob() override;
    QString destination() const override;
    QPrinter &printer() override { return *m_printer; }

private:
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    bool m_pageFailed = false;
};
