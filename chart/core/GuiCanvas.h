// The platform canvas: owns the current pen, brush and font and paints on one device.
#pragma once

#include "PlotDC.h"
#include "TBrush.h"
#include "TFont.h"
#include "TPen.h"

#include <QObject>

class QPaintDevice;
class QPainter;

class GuiCanvas : public QObject
{
    Q_OBJECT
public:
    explicit GuiCanvas(QPaintDevice *device = nullptr, QObject *parent = nullptr);
    ~GuiCanvas() override;

    TPen *Pen() const { return m_pen; }
    TBrush *Brush() const { return m_brush; }
    TFont *Font() const { return m_font; }
    PlotDC &dc() { return m_dc; }
    const PlotDC &dc() const { return m_dc; }

    QPaintDevice *device() const { return m_device; }
    void setDevice(QPaintDevice *device);
    // Begins painting on the device unless a painter is already active; one painter per device.
    bool beginPaint();
    // Paints through a painter someone else began.
    void attachPainter(QPainter *painter);
    void endPaint();
    bool isPainting() const { return m_dc.isActive(); }

private:
    QPaintDevice *m_device = nullptr;
    TPen *m_pen;
    TBrush *m_brush;
    TFont *m_font;
    PlotDC m_dc;
};
