// The printer of the value tables.
#include "app/print/TXPrint.h"

#include "app/core/Rounding.h"
#include "platform/PrinterService.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>

#include <cstdlib>

QFont tableFont()
{
    const QString family = QStringLiteral("Liberation Mono");
    QFont font = QFontDatabase::families().contains(family) ? QFont(family)
                                                             : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Monospace);
    return font;
}

TXPrint::TXPrint(PrinterService &service, QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_font(tableFont())
{
}

QPrinter &TXPrint::printer() const
{
    return m_service.printer();
}

void TXPrint::setA4Portrait()
{
    printer().setPageSize(QPageSize(QPageSize::A4));
    printer().setPageOrientation(QPageLayout::Portrait);
}

TXPrint::~TXPrint()
{
    if (m_printing)
        EndDoc();
}

int TXPrint::unitsPerInch(TScaling scaling) const
{
    switch (scaling) {
    case TScaling::pscDot:
        return m_dpiX;
    case TScaling::pscMil:
        return 1000;
    case TScaling::pscMetric10:
        return 254;
    case TScaling::pscMetric100:
        return 2540;
    }
    return 254;
}

void TXPrint::SetScaling(TScaling scaling)
{
    if (m_printing || scaling == m_scaling)
        return;
    const int oldUnits = unitsPerInch(m_scaling);
    const int newUnits = unitsPerInch(scaling);
    const auto convert = [&](int &margin, int dpi) {
        const qint64 pixels = qint64(margin) * dpi / oldUnits;
        margin = int(pixels * newUnits / dpi);
    };
    convert(MarginLeft, m_dpiX);
    convert(MarginRight, m_dpiX);
    convert(MarginTop, m_dpiY);
    convert(MarginBottom, m_dpiY);
    m_scaling = scaling;
}

bool TXPrint::BeginDoc()
{
    // No printer and no file to print into: nothing is printed.
    if (m_printing || !m_service.beginJob(Title))
        return false;
    m_painter = m_service.jobPainter();
    m_printing = true;
    m_measuring = false;
    readDevice();
    SetupPage();
    SetFontSize(m_fontSize);
    return true;
}

void TXPrint::BeginMeasure()
{
    if (m_printing)
        return;
    m_measuring = true;
    readDevice();
    SetupPage();
    SetFontSize(m_fontSize);
}

void TXPrint::EndMeasure()
{
    if (!m_measuring)
        return;
    m_measuring = false;
    m_font = tableFont();
    m_metrics.reset();
}

void TXPrint::readDevice()
{
    m_dpiX = printer().logicalDpiX();
    m_dpiY = printer().logicalDpiY();
    const QRectF paper = printer().paperRect(QPrinter::DevicePixel);
    m_physicalWidth = int(paper.width());
    m_physicalHeight = int(paper.height());
}

void TXPrint::SetupPage()
{
    const int units = unitsPerInch(m_scaling);
    const int left = int(qint64(MarginLeft) * m_dpiX / units);
    const int right = int(qint64(MarginRight) * m_dpiX / units);
    const int top = int(qint64(MarginTop) * m_dpiY / units);
    const int bottom = int(qint64(MarginBottom) * m_dpiY / units);
    PageWidth = int(qint64(units) * (m_physicalWidth - left - right - 1) / m_dpiX);
    PageHeight = int(qint64(units) * (m_physicalHeight - top - bottom - 1) / m_dpiY);
    if (!m_painter)
        return;
    // One inch of the device is `units` logical units, and logical (0, 0) is the margin corner.
    m_painter->setViewport(left, top, m_dpiX, m_dpiY);
    m_painter->setWindow(0, 0, units, units);
    QPen pen(Qt::black);
    pen.setWidth(1);
    m_painter->setPen(pen);
}

void TXPrint::NewPage()
{
    if (!m_printing)
        return;
    m_service.newPage();
    SetupPage();
    SetFontSize(m_fontSize);
}

bool TXPrint::EndDoc()
{
    if (!m_printing)
        return false;
    m_painter = nullptr;
    m_printing = false;
    m_font = tableFont();
    m_metrics.reset();
    return m_service.endJob();
}

void TXPrint::SetFontSize(int points)
{
    m_fontSize = points;
    const int size = std::abs(points);
    if (!measures()) {
        m_font.setPointSize(qMax(1, size));
        return;
    }
    // Points converted to logical units: the device turns this size into size/72 inch of
    // `units` logical units each.
    m_font.setPointSizeF(qMax(0.01, double(size) * unitsPerInch(m_scaling) / m_dpiY));
    m_metrics.emplace(m_font, &printer());
    if (m_painter)
        m_painter->setFont(m_font);
}

int TXPrint::textWidth(const QString &text) const
{
    if (!measures())
        return 0;
    return roundHalfEven(m_metrics->horizontalAdvance(text));
}

void TXPrint::drawText(int x, int y, const QString &text)
{
    if (!m_printing)
        return;
    m_painter->drawText(QPointF(x, y + m_metrics->ascent()), text);
}

void TXPrint::drawLine(int x1, int y1, int x2, int y2)
{
    if (!m_printing)
        return;
    m_painter->drawLine(x1, y1, x2, y2);
}
