// The tools of an axis panel, in the order they receive events; the panel owns them.
#pragma once

#include <vector>

class TCustomAxisPanel;
class TPlotCustomTool;

class TChartTools
{
public:
    explicit TChartTools(TCustomAxisPanel &owner)
        : m_owner(owner)
    {
    }

    int Count() const { return int(m_items.size()); }
    // Checked: an index outside the list raises ChartException.
    TPlotCustomTool *Item(int index) const;
    TPlotCustomTool *operator[](int index) const { return Item(index); }
    const std::vector<TPlotCustomTool *> &Items() const { return m_items; }
    int IndexOf(const TPlotCustomTool *tool) const;
    // Puts the tool on the owner panel, which then owns it.
    TPlotCustomTool *Add(TPlotCustomTool *tool);
    // Swaps two tools in the list and in the owner's listeners, so that the one moved ahead also
    // gets the chart's events first. Checked indices, as Item.
    void Exchange(int a, int b);
    // Frees every tool.
    void Clear();

    // The tools' own joining and leaving.
    void append(TPlotCustomTool *tool);
    void remove(const TPlotCustomTool *tool);

private:
    TCustomAxisPanel &m_owner;
    std::vector<TPlotCustomTool *> m_items;
};
