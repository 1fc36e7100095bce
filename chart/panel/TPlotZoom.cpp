// Zoom settings.
#include "TPlotZoom.h"

TPlotZoomPen::TPlotZoomPen(QObject *owner)
    : TChartPen(owner)
{
    SetColor(clWhite);
}

TPlotZoomBrush::TPlotZoomBrush(QObject *owner)
    : TChartBrush(owner)
{
    SetColor(clWhite);
    SetStyle(bsClear);
}

TPlotZoom::TPlotZoom(QObject *owner)
    : TZoomPanning(owner)
{
}

TPlotZoom::~TPlotZoom() = default;

TPlotZoomBrush *TPlotZoom::Brush()
{
    return m_brush.getOrCreate();
}

void TPlotZoom::SetBrush(const TPlotZoomBrush *value)
{
    m_brush.set(value);
}

TPlotZoomPen *TPlotZoom::Pen()
{
    return m_pen.getOrCreate();
}

void TPlotZoom::SetPen(const TPlotZoomPen *value)
{
    m_pen.set(value);
}

void TPlotZoom::Assign(const TPlotZoom &source)
{
    if (&source == this)
        return;
    m_allow = source.m_allow;
    m_animated = source.m_animated;
    m_animatedSteps = source.m_animatedSteps;
    SetBrush(source.m_brush.get());
    m_direction = source.m_direction;
    m_keyShift = source.m_keyShift;
    m_mouseButton = source.m_mouseButton;
    SetPen(source.m_pen.get());
}
