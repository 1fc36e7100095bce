// Legend symbol: width in pixels, copying.
#include "TLegendSymbol.h"

#include "PlotRound.h"

TLegendSymbol::TLegendSymbol(QObject *owner, std::function<int()> itemHeight)
    : QObject(owner)
    , m_itemHeight(std::move(itemHeight))
    , m_gradient(std::make_unique<TPlotGradient>(this))
    , m_pen(std::make_unique<TChartPen>(this))
{
    connect(m_gradient.get(), &TCustomPlotGradient::changed, this, &TLegendSymbol::changed);
    connect(m_pen.get(), &TPen::changed, this, &TLegendSymbol::changed);
}

TLegendSymbol::~TLegendSymbol() = default;

void TLegendSymbol::SetGradient(const TPlotGradient *value)
{
    if (value)
        m_gradient->Assign(*value);
}

void TLegendSymbol::SetPen(const TChartPen *value)
{
    if (value)
        m_pen->Assign(*value);
}

int TLegendSymbol::CalcWidth(int total) const
{
    if (!m_visible)
        return 0;
    if (m_squared)
        return (m_itemHeight ? m_itemHeight() : 0) - 5;
    if (m_widthUnits == lcsPixels)
        return m_width;
    return plotRound(m_width * total * 0.01);
}

void TLegendSymbol::Assign(const TLegendSymbol &source)
{
    if (&source == this)
        return;
    m_continuous = source.m_continuous;
    m_defaultPen = source.m_defaultPen;
    m_gradient->Assign(*source.m_gradient);
    m_pen->Assign(*source.m_pen);
    m_position = source.m_position;
    m_squared = source.m_squared;
    m_visible = source.m_visible;
    m_width = source.m_width;
    m_widthUnits = source.m_widthUnits;
    Q_EMIT changed();
}
