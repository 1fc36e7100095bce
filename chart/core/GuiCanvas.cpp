// Platform canvas over a paint device.
#include "GuiCanvas.h"

#include <QPainter>

GuiCanvas::GuiCanvas(QPaintDevice *device, QObject *parent)
    : QObject(parent)
    , m_device(device)
    , m_pen(new TPen(this))
    , m_brush(new TBrush(this))
    , m_font(new TFont(this))
    , m_dc(m_pen, m_brush, m_font)
{
    connect(m_font, &TFont::changed, this, [this] { m_dc.invalidateFont(); });
}

GuiCanvas::~GuiCanvas()
{
    m_dc.end();
}

void GuiCanvas::setDevice(QPaintDevice *device)
{
    if (device == m_device)
        return;
    m_dc.end();
    m_device = device;
}

bool GuiCanvas::beginPaint()
{
    if (m_dc.isActive())
        return true;
    return m_dc.begin(m_device);
}

void GuiCanvas::attachPainter(QPainter *painter)
{
    m_dc.attach(painter);
    if (painter)
        m_device = painter->device();
}

void GuiCanvas::endPaint()
{
    m_dc.end();
}
