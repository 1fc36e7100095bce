// Shared set-up of the panel tests: a page of given size and resolution, a panel drawn on an image.
#pragma once

#include "GuiCanvas.h"
#include "PrinterInfo.h"
#include "TCustomPlotPanel.h"

#include <QImage>

class FakePrinter : public PrinterInfo
{
public:
    FakePrinter(QSize page, QSize dpi, bool present = true)
        : m_page(page)
        , m_dpi(dpi)
        , m_present(present)
    {
    }
    bool HasPrinter() const override { return m_present; }
    QSize PageSize() const override { return m_page; }
    QSize LogicalDpi() const override { return m_dpi; }
    QPaintDevice *PaintDevice() override { return nullptr; }

private:
    QSize m_page;
    QSize m_dpi;
    bool m_present;
};

// Runs a whole pass of the panel onto a white image of its size and returns the image.
QImage drawPanel(TCustomPlotPanel &panel);
