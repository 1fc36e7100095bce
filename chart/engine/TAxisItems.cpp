// Custom axis labels.
#include "TAxisItems.h"

#include "PlotPanelHost.h"

TAxisItems::TAxisItems(PlotPanelHost *parentChart, QObject *owner)
    : QObject(owner)
    , m_parentChart(parentChart)
    , m_format(std::make_unique<TPlotShape>(parentChart, this))
{
    m_format->SetTransparent(true);
}

TAxisItems::~TAxisItems() = default;

TAxisItem *TAxisItems::Add(double value)
{
    auto item = std::make_unique<TAxisItem>(m_parentChart, this);
    item->SetValue(value);
    m_items.push_back(std::move(item));
    if (m_parentChart)
        m_parentChart->Invalidate();
    return m_items.back().get();
}

TAxisItem *TAxisItems::AddText(double value, const QString &text)
{
    TAxisItem *item = Add(value);
    item->SetText(text);
    return item;
}

void TAxisItems::Clear()
{
    m_items.clear();
    if (m_parentChart)
        m_parentChart->Invalidate();
}

void TAxisItems::CopyFrom(const TAxisItems &source)
{
    if (&source == this)
        return;
    m_format->Assign(*source.m_format);
    Clear();
    for (const auto &item : source.m_items)
        AddText(item->Value(), item->Text());
}
