// The axes list of a panel.
#include "TChartAxes.h"

#include "ListIndex.h"
#include "TChartDepthAxis.h"

#include <algorithm>

TChartAxis *TChartAxes::Item(int index) const
{
    PlotEngine::CheckListIndex("Axis", index, Count());
    return m_items[std::size_t(index)];
}

int TChartAxes::IndexOf(const TChartAxis *axis) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), axis);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

TChartDepthAxis *TChartAxes::Depth() const
{
    return static_cast<TChartDepthAxis *>(m_items[kDepth]);
}

TChartDepthAxis *TChartAxes::DepthTop() const
{
    return static_cast<TChartDepthAxis *>(m_items[kDepthTop]);
}

void TChartAxes::remove(const TChartAxis *axis)
{
    std::erase(m_items, axis);
}
