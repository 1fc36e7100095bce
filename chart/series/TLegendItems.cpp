// Legend items: the growing list.
#include "TLegendItems.h"

TLegendItem &TLegendItems::Item(int index)
{
    if (index >= int(m_items.size()))
        m_items.resize(std::size_t(index) + 1);
    return m_items[std::size_t(index)];
}
