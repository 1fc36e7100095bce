// The custom labels of an axis, and the shape that carries the labels' font, frame and visibility.
#pragma once

#include "TAxisItem.h"

#include "TPlotCustomShape.h"

#include <QObject>

#include <memory>
#include <vector>

class TAxisItems : public QObject
{
    Q_OBJECT
public:
    explicit TAxisItems(PlotPanelHost *parentChart = nullptr, QObject *owner = nullptr);
    ~TAxisItems() override;

    // Shared by all labels of the axis: transparent unless a frame is wanted.
    TPlotShape *Format() const { return m_format.get(); }
    int Count() const { return int(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    TAxisItem *Item(int index) const { return m_items.at(std::size_t(index)).get(); }

    TAxisItem *Add(double value);
    TAxisItem *AddText(double value, const QString &text);
    void Clear();
    // The source's format and a copy of each of its items.
    void CopyFrom(const TAxisItems &source);

private:
    PlotPanelHost *m_parentChart = nullptr;
    std::unique_ptr<TPlotShape> m_format;
    std::vector<std::unique_ptr<TAxisItem>> m_items;
};
