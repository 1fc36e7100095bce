// The legend items as last drawn: one slot per shown item, created on demand.
#pragma once

#include "PlotTypes.h"

#include <QString>

#include <vector>

struct TLegendItem
{
    int Left = 0;
    int Top = 0;
    QString Text;
    int TextWidth = 0;
    TRect SymbolRect;
};

class TLegendItems
{
public:
    // The slot at index, growing the list with empty slots up to it.
    TLegendItem &Item(int index);
    int Count() const { return int(m_items.size()); }
    void Clear() { m_items.clear(); }

    // When set, the texts and text positions stored in the items are drawn instead of computed ones.
    bool Custom = false;

private:
    std::vector<TLegendItem> m_items;
};
