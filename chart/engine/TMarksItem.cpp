// Per-point mark formats.
#include "TMarksItem.h"

TMarksItem::TMarksItem(PlotPanelHost *parentChart, QObject *owner)
    : TPlotCustomShape(parentChart, owner)
{
    SetColor(clInfoBk);
}

void TMarksItem::SetText(const QStringList &value)
{
    if (value.isEmpty()) {
        ClearText();
        return;
    }
    if (m_text == value)
        return;
    m_text = value;
    Repaint();
}

void TMarksItem::ClearText()
{
    if (!m_text)
        return;
    m_text.reset();
    Repaint();
}

void TMarksItem::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *item = qobject_cast<const TMarksItem *>(&source))
        m_text = item->m_text;
    TPlotCustomShape::Assign(source);
}
