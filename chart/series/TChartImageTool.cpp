// The image tool: stretched flat on a 2D or orthogonal chart, a plane at the back of a turned one.
#include "TChartImageTool.h"

#include "PlotProCo.h"
#include "TCanvas3D.h"
#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TChartValueList.h"
#include "TCustomAxisPanel.h"
#include "TPicture.h"
#include "TView3DOptions.h"

TChartImageTool::TChartImageTool(QObject *owner)
    : TPlotCustomToolSeries(owner)
    , m_picture(new TPicture(this))
{
    connect(m_picture, &TPicture::changed, this, [this] { Repaint(); });
}

QString TChartImageTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtImage);
}

void TChartImageTool::SetPicture(const TPicture *value)
{
    if (value)
        m_picture->Assign(*value);
}

TRect TChartImageTool::PictureRect() const
{
    const TChartAxis *horiz = GetHorizAxis();
    const TChartAxis *vert = GetVertAxis();
    if (!horiz || !vert)
        return {};
    if (const TChartSeries *series = Series())
        return {horiz->ValueToPixel(series->XValues()->MinValue()), vert->ValueToPixel(series->YValues()->MaxValue()),
                horiz->ValueToPixel(series->XValues()->MaxValue()), vert->ValueToPixel(series->YValues()->MinValue())};
    return {horiz->ValueToPixel(horiz->Minimum()), vert->ValueToPixel(vert->Maximum()),
            horiz->ValueToPixel(horiz->Maximum()), vert->ValueToPixel(vert->Minimum())};
}

void TChartImageTool::ChartEvent(int kind)
{
    TCustomAxisPanel *chart = ParentChart();
    if (kind != TCustomAxisPanel::teBeforeSeries || !chart || m_picture->IsEmpty())
        return;
    const TRect rect = PictureRect();
    TCanvas3D &canvas = *chart->Canvas();
    const bool clip = chart->CanClip();
    if (clip)
        canvas.ClipCube(chart->ChartRect, 0, chart->Width3D);
    // The picture's current frame: an animated one shows where its animation stands.
    const QImage frame = m_picture->Graphic();
    if (!chart->View3D() || chart->View3DOptions()->Orthogonal())
        canvas.StretchDraw(canvas.CalcRect3D(rect, 0), &frame);
    else
        canvas.DrawGraphic3D(rect, chart->Width3D, &frame);
    if (clip)
        canvas.UnClipRectangle();
}
