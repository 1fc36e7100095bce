// The annotation callout's target and its defaults.
#include "TAnnotationCallout.h"

#include "PlotPanelHost.h"

TAnnotationCallout::TAnnotationCallout(QObject *owner)
    : TCallout(nullptr, nullptr, owner)
{
    SetVisible(false);
    Arrow()->setDefaultVisible(false);
}

void TAnnotationCallout::store(int &variable, int value)
{
    if (variable == value)
        return;
    variable = value;
    if (PlotPanelHost *chart = ParentChart())
        chart->Invalidate();
}

void TAnnotationCallout::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *callout = qobject_cast<const TAnnotationCallout *>(&source)) {
        m_x = callout->m_x;
        m_y = callout->m_y;
        m_z = callout->m_z;
    }
    TCallout::Assign(source);
}
