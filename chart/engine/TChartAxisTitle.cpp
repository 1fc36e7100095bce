// Axis title.
#include "TChartAxisTitle.h"

namespace {

int normalisedAngle(int value)
{
    return ((value % 360) + 360) % 360;
}

} // namespace

TChartAxisTitle::TChartAxisTitle(PlotPanelHost *parentChart, QObject *owner)
    : TPlotShape(parentChart, owner)
{
    setDefaultTransparent(true);
}

void TChartAxisTitle::SetAngle(int value)
{
    value = normalisedAngle(value);
    if (value == m_angle)
        return;
    m_angle = value;
    Repaint();
}

void TChartAxisTitle::InitAngle(int value)
{
    m_angle = m_defaultAngle = normalisedAngle(value);
}

void TChartAxisTitle::SetCaption(const QString &value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    Repaint();
}

void TChartAxisTitle::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *title = qobject_cast<const TChartAxisTitle *>(&source)) {
        m_angle = title->m_angle;
        m_caption = title->m_caption;
    }
    TPlotShape::Assign(source);
}
