// The printer of the value tables: a print job on a QPrinter whose coordinates are tenths of a
// millimetre (or another scaling) measured from the page margins.
#pragma once

#include "app/core/PrintSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QObject>

#include <optional>

class PrinterService;
class QPainter;
class QPrinter;

// Units of the coordinates: device pixels, 1/1000 inch, 1/10 mm, 1/100 mm.
enum class TScaling : quint8 { pscDot, pscMil, pscMetric10, pscMetric100 };

class TXPrint : public QObject, public PrintSurface
{
    Q_OBJECT
public:
    // Prints on the service's shared printer.
    explicit TXPrint(PrinterService &service, QObject *parent = nullptr);
    ~TXPrint() override;

    PrinterService &service() const { return m_service; }
    QPrinter &printer() const;
    // A4 portrait, the paper of the tables, whatever an earlier job chose.
    void setA4Portrait();

    TScaling Scaling() const { return m_scaling; }
    // Keeps the margins where they are on paper; ignored while a document is open.
    void SetScaling(TScaling scaling);
    int MarginLeft = 0; // all four in Scaling units from the paper edges
    int MarginTop = 0;
    int MarginRight = 0;
    int MarginBottom = 0;
    int Angle10() const { return m_angle10; }
    void SetAngle10(int angle) { m_angle10 = angle % 3600; }
    QString Title;

    // Between the margins, in Scaling units; set when a document or a page starts.
    int PageWidth = 0;
    int PageHeight = 0;

    bool BeginDoc();
    // Reads the page and the font sizes of the printer's current paper without a job, so that a
    // layout can be measured and its pages counted; drawing does nothing meanwhile.
    void BeginMeasure();
    void EndMeasure();
    void NewPage();
    // False when the job failed anywhere: a page that could not start, a device error, a file
    // that could not be finished.
    bool EndDoc();
    void SetFontSize(int points);
    bool printing() const { return m_printing; }
    const QFont &font() const { return m_font; }

    bool beginDocument() override { return BeginDoc(); }
    void newPage() override { NewPage(); }
    bool endDocument() override { return EndDoc(); }
    int pageWidth() const override { return PageWidth; }
    int pageHeight() const override { return PageHeight; }
    void setFontSize(int points) override { SetFontSize(points); }
    int textWidth(const QString &text) const override;
    void drawText(int x, int y, const QString &text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;

private:
    void readDevice();
    void SetupPage();
    int unitsPerInch(TScaling scaling) const;
    bool measures() const { return m_printing || m_measuring; }

    PrinterService &m_service;
    QPainter *m_painter = nullptr; // the service's, while a document is open
    TScaling m_scaling = TScaling::pscDot;
    int m_angle10 = 0;
    int m_dpiX = 300; // until a document reads the device
    int m_dpiY = 300;
    int m_physicalWidth = 0; // device pixels
    int m_physicalHeight = 0;
    int m_fontSize = 10;
    bool m_printing = false;
    bool m_measuring = false;
    QFont m_font;
    // Of m_font on the printer, made again when the font size changes: one per text would cost
    // more than the text itself on long tables.
    std::optional<QFontMetricsF> m_metrics;
};

// The fixed-pitch font of the printed tables: Liberation Mono (metric-compatible with the font
// the tables were designed for), else the system's fixed font.
QFont tableFont();
