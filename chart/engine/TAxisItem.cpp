// Custom axis label.
#include "TAxisItem.h"

TAxisItem::TAxisItem(PlotPanelHost *parentChart, QObject *owner)
    : TPlotCustomShape(parentChart, owner)
{
    setDefaultTransparent(true);
}

void TAxisItem::SetValue(double value)
{
    if (value == m_value)
        return;
    m_value = value;
    Repaint();
}

void TAxisItem::SetText(const QString &value)
{
    if (value == m_text)
        return;
    m_text = value;
    Repaint();
}

void TAxisItem::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *item = qobject_cast<const TAxisItem *>(&source)) {
        m_value = item->m_value;
        m_text = item->m_text;
    }
    TPlotCustomShape::Assign(source);
}
