// Brush, pen and visibility of a boxed element.
#include "TPlotCustomShapeBrushPen.h"

#include "PlotPanelHost.h"

TPlotCustomShapeBrushPen::TPlotCustomShapeBrushPen(PlotPanelHost *parentChart, QObject *owner)
    : QObject(owner)
    , m_parentChart(parentChart)
    , m_brush(std::make_unique<TChartBrush>(this))
    , m_pen(std::make_unique<TChartPen>(this))
{
    connect(m_brush.get(), &TBrush::changed, this, &TPlotCustomShapeBrushPen::Repaint);
    connect(m_pen.get(), &TPen::changed, this, &TPlotCustomShapeBrushPen::Repaint);
}

TPlotCustomShapeBrushPen::~TPlotCustomShapeBrushPen() = default;

void TPlotCustomShapeBrushPen::SetBrush(const TChartBrush *value)
{
    if (value)
        m_brush->Assign(*value);
}

void TPlotCustomShapeBrushPen::SetPen(const TChartPen *value)
{
    if (value)
        m_pen->Assign(*value);
}

void TPlotCustomShapeBrushPen::SetVisible(bool value)
{
    if (value == m_visible)
        return;
    m_visible = value;
    Repaint();
}

void TPlotCustomShapeBrushPen::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (&source == this)
        return;
    m_brush->Assign(*source.m_brush);
    m_pen->Assign(*source.m_pen);
    SetVisible(source.m_visible);
}

void TPlotCustomShapeBrushPen::Repaint()
{
    if (m_parentChart)
        m_parentChart->Invalidate();
}
