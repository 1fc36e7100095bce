// Every axis of an axis panel in one list: Left 0, Right 1, Top 2, Bottom 3, Depth 4, DepthTop 5,
// then the custom axes. The order fixes the stored "AxisID", the layout and the drawing order.
#pragma once

#include <functional>
#include <vector>

class TChartAxis;
class TChartDepthAxis;

class TChartAxes
{
public:
    static constexpr int kLeft = 0;
    static constexpr int kRight = 1;
    static constexpr int kTop = 2;
    static constexpr int kBottom = 3;
    static constexpr int kDepth = 4;
    static constexpr int kDepthTop = 5;
    static constexpr int kStandardCount = 6;

    int Count() const { return int(m_items.size()); }
    // Checked: an index outside the list raises ChartException.
    TChartAxis *Item(int index) const;
    TChartAxis *operator[](int index) const { return m_items[std::size_t(index)]; }
    int IndexOf(const TChartAxis *axis) const;
    const std::vector<TChartAxis *> &Items() const { return m_items; }

    TChartAxis *Left() const { return m_items[kLeft]; }
    TChartAxis *Right() const { return m_items[kRight]; }
    TChartAxis *Top() const { return m_items[kTop]; }
    TChartAxis *Bottom() const { return m_items[kBottom]; }
    TChartDepthAxis *Depth() const;
    TChartDepthAxis *DepthTop() const;

    // Room for a hidden axis on its side, for the layout; none by default. Also the labels'
    // size of shown axes: called with the size they need, it returns the size they get.
    std::function<int(const TChartAxis &axis, int size)> SizeCallback;

    // The panel keeps the list: the six standard axes first, custom axes appended and removed.
    void append(TChartAxis *axis) { m_items.push_back(axis); }
    void remove(const TChartAxis *axis);

private:
    std::vector<TChartAxis *> m_items;
};
