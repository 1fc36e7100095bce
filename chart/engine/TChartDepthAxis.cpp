// The depth axis.
#include "TChartDepthAxis.h"

#include "AxisHost.h"
#include "AxisSeriesView.h"

TChartDepthAxis::TChartDepthAxis(AxisHost *host, QObject *parent)
    : TChartAxis(host, parent)
{
    setDepthAxis(true);
    setDefaultVisible(false);
    BindAxisPosFunctions();
}

void TChartDepthAxis::SetInverted(bool value)
{
    if (value == Inverted())
        return;
    TChartAxis::SetInverted(value);
    if (m_twin)
        m_twin->SetInverted(value);
}

TAxisLabelStyle TChartDepthAxis::CalcLabelStyle() const
{
    if (!Host())
        return talText;
    for (int i = 0; i < Host()->SeriesCount(); ++i) {
        const AxisSeriesView *s = Host()->Series(i);
        if (s && s->Active() && (s->HasZValues() || s->MaxZValue() > s->MinZValue()))
            return talValue;
    }
    return talText;
}
