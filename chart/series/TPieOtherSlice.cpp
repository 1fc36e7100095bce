// The pie's "other" slice settings and its legend.
#include "TPieOtherSlice.h"

#include "TChartLegend.h"
#include "TCustomChart.h"
#include "TPieSeries.h"

#include "PlotConst.h"

#include <memory>
#include <utility>

TPieOtherSlice::TPieOtherSlice(TPieSeries *owner)
    : QObject(owner)
    , m_pie(owner)
{
}

TPieOtherSlice::~TPieOtherSlice() = default;

void TPieOtherSlice::changed()
{
    m_pie->Repaint();
}

void TPieOtherSlice::SetColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    changed();
}

TChartLegend *TPieOtherSlice::makeLegend()
{
    // The legend draws on the pie's chart but belongs to the pie, which may leave the chart.
    auto legend = std::make_unique<TChartLegend>(qobject_cast<TCustomChart *>(m_pie->ParentChart()));
    legend->setParent(this);
    return legend.release();
}

TChartLegend *TPieOtherSlice::Legend()
{
    if (!m_legend) {
        m_legend = makeLegend();
        m_legend->SetVisible(false);
    }
    return m_legend;
}

void TPieOtherSlice::SetLegend(const TChartLegend *value)
{
    if (value)
        Legend()->Assign(*value);
}

void TPieOtherSlice::chartChanged()
{
    if (!m_legend)
        return;
    // A legend knows its chart for good: a new one on the new chart takes over the settings.
    TChartLegend *moved = makeLegend();
    moved->Assign(*m_legend);
    const std::unique_ptr<TChartLegend> old(std::exchange(m_legend, moved));
}

void TPieOtherSlice::SetStyle(TPieOtherStyle value)
{
    if (value == m_style)
        return;
    m_style = value;
    changed();
}

QString TPieOtherSlice::Text() const
{
    return m_text.isEmpty() ? PlotConst::message(PlotConst::msgPieOther) : m_text;
}

void TPieOtherSlice::SetText(const QString &value)
{
    if (value == m_text)
        return;
    m_text = value;
    changed();
}

void TPieOtherSlice::SetValue(double value)
{
    if (value == m_value)
        return;
    m_value = value;
    changed();
}

void TPieOtherSlice::Assign(const TPieOtherSlice &source)
{
    if (&source == this)
        return;
    m_color = source.m_color;
    m_style = source.m_style;
    m_text = source.m_text;
    m_value = source.m_value;
    if (source.m_legend)
        Legend()->Assign(*source.m_legend);
}
