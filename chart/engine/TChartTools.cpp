// The tools list.
#include "TChartTools.h"

#include "ListIndex.h"
#include "TCustomAxisPanel.h"
#include "TPlotCustomTool.h"

#include <algorithm>
#include <memory>

TPlotCustomTool *TChartTools::Item(int index) const
{
    PlotEngine::CheckListIndex("Tool", index, Count());
    return m_items[std::size_t(index)];
}

int TChartTools::IndexOf(const TPlotCustomTool *tool) const
{
    const auto it = std::find(m_items.begin(), m_items.end(), tool);
    return it == m_items.end() ? -1 : int(it - m_items.begin());
}

TPlotCustomTool *TChartTools::Add(TPlotCustomTool *tool)
{
    if (tool)
        tool->SetParentChart(&m_owner);
    return tool;
}

void TChartTools::Exchange(int a, int b)
{
    TPlotCustomTool *first = Item(a);
    TPlotCustomTool *second = Item(b);
    std::swap(m_items[std::size_t(a)], m_items[std::size_t(b)]);
    m_owner.Listeners().Exchange(first, second);
}

void TChartTools::Clear()
{
    // Always the first remaining one: a tool's destructor takes it out of the list.
    while (!m_items.empty())
        std::unique_ptr<TPlotCustomTool> doomed(m_items.front());
}

void TChartTools::append(TPlotCustomTool *tool)
{
    if (IndexOf(tool) < 0)
        m_items.push_back(tool);
}

void TChartTools::remove(const TPlotCustomTool *tool)
{
    std::erase(m_items, tool);
}
