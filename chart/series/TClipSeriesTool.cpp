// The clip series tool: a clip around the series' values, through the series' tool hooks so that
// the user's own draw events stay as they are.
#include "TClipSeriesTool.h"

#include "PlotProCo.h"
#include "TCanvas3D.h"
#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"

#include <algorithm>

TClipSeriesTool::TClipSeriesTool(QObject *owner)
    : TPlotCustomToolSeries(owner)
{
}

TClipSeriesTool::~TClipSeriesTool()
{
    if (TChartSeries *series = Series())
        series->RemoveDrawValuesHooks(this);
}

QString TClipSeriesTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtClipSeries);
}

void TClipSeriesTool::SetSeries(TChartSeries *value)
{
    if (TChartSeries *old = Series(); old && old != value)
        old->RemoveDrawValuesHooks(this);
    TPlotCustomToolSeries::SetSeries(value);
    if (value)
        value->AddDrawValuesHooks(this, [this] { clip(); }, [this] { unclip(); });
}

void TClipSeriesTool::clip()
{
    m_clipped = false;
    const TChartSeries *series = Series();
    TCustomAxisPanel *chart = series ? series->ParentChart() : nullptr;
    if (!Active() || !chart || !chart->CanClip())
        return;
    const TChartAxis *h = series->GetHorizAxis();
    const TChartAxis *v = series->GetVertAxis();
    if (!h || !v)
        return;
    const TRect rect{std::min(h->StartPixel(), h->EndPixel()), std::min(v->StartPixel(), v->EndPixel()),
                     std::max(h->StartPixel(), h->EndPixel()), std::max(v->StartPixel(), v->EndPixel())};
    chart->Canvas()->ClipRectangle(rect);
    m_clipped = true;
}

void TClipSeriesTool::unclip()
{
    const TChartSeries *series = Series();
    TCustomAxisPanel *chart = series ? series->ParentChart() : nullptr;
    if (m_clipped && chart)
        chart->Canvas()->UnClipRectangle();
    m_clipped = false;
}
