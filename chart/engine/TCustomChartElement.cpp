// Chart elements: pen, brush, activity and the repaint request to the chart.
#include "TCustomChartElement.h"

#include "TCustomAxisPanel.h"

TCustomChartElement::TCustomChartElement(QObject *owner)
    : QObject(owner)
    , m_brush(new TChartBrush(this))
    , m_pen(new TChartPen(this))
{
    connect(m_brush, &TBrush::changed, this, [this] { CanvasChanged(); });
    connect(m_pen, &TPen::changed, this, [this] { CanvasChanged(); });
}

TCustomChartElement::~TCustomChartElement() = default;

void TCustomChartElement::SetActive(bool value)
{
    SetBooleanProperty(m_active, value);
}

void TCustomChartElement::SetBrush(const TChartBrush *value)
{
    if (value)
        m_brush->Assign(*value);
}

void TCustomChartElement::SetPen(const TChartPen *value)
{
    if (value)
        m_pen->Assign(*value);
}

TCustomAxisPanel *TCustomChartElement::ParentChart() const
{
    return m_parentChart;
}

void TCustomChartElement::SetParentChart(TCustomAxisPanel *value)
{
    m_parentChart = value;
}

void TCustomChartElement::storeParentChart(TCustomAxisPanel *value)
{
    m_parentChart = value;
}

void TCustomChartElement::Assign(const TCustomChartElement &source)
{
    m_active = source.m_active;
    m_brush->Assign(*source.m_brush);
    SetPen(source.m_pen);
    m_tag = source.m_tag;
}

void TCustomChartElement::Repaint()
{
    if (m_parentChart && !m_destroying)
        m_parentChart->Invalidate();
}
