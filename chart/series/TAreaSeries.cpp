// Area series: defaults, the stacking view, the origin, copying, gallery styles and the legend.
#include "TAreaSeries.h"

#include "SeriesGalleryTexts.h"
#include "TCustomAxisPanel.h"

#include "TCanvas3D.h"

#include <algorithm>

TAreaSeries::TAreaSeries(QObject *owner)
    : TCustomSeries(owner)
{
    SetDrawArea(true);
    SetDrawLine(true);
    Pointer()->SetVisible(false);
    FunctionSinglePoint = false;
}

TMultiArea TAreaSeries::MultiArea() const
{
    switch (Stacked()) {
    case cssStack: return maStacked;
    case cssStack100: return maStacked100;
    default: return maNone;
    }
}

void TAreaSeries::SetMultiArea(TMultiArea value)
{
    switch (value) {
    case maNone: SetStacked(cssNone); break;
    case maStacked: SetStacked(cssStack); break;
    case maStacked100: SetStacked(cssStack100); break;
    }
}

void TAreaSeries::Assign(const TCustomChartElement &source)
{
    TCustomSeries::Assign(source);
    SetDrawArea(true);
    SetDrawLine(true);
    if (const auto *area = qobject_cast<const TAreaSeries *>(&source); area && SameClass(*area)) {
        m_useYOrigin = area->m_useYOrigin;
        m_yOrigin = area->m_yOrigin;
    } else if (&source != this) {
        Pointer()->SetVisible(false);
    }
}

void TAreaSeries::CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const
{
    using namespace SeriesGalleryTexts;
    TCustomSeries::CreateSubGallery(addSubChart);
    for (const Text entry : {msgGalleryStairs, msgGalleryMarks, msgGalleryColors, msgGalleryHollow, msgGalleryNoLines,
                             msgGalleryStack, msgGalleryStack100, msgGalleryPoints, msgGalleryGradient})
        addSubChart(text(entry));
}

void TAreaSeries::SetSubGallery(int index)
{
    switch (index) {
    case 1: SetStairs(true); break;
    case 2: Marks()->SetVisible(true); break;
    case 3: SetColorEachPoint(true); break;
    case 4: SetAreaBrush(bsClear); break;
    case 5: AreaLinesPen()->Hide(); break;
    case 6: SetMultiArea(maStacked); break;
    case 7: SetMultiArea(maStacked100); break;
    case 8: Pointer()->SetVisible(true); break;
    case 9: Gradient()->SetVisible(true); break;
    default: TCustomSeries::SetSubGallery(index); break;
    }
}

void TAreaSeries::PrepareForGallery(bool enabled)
{
    TCustomSeries::PrepareForGallery(enabled);
    Gradient()->SetVisible(true);
    Gradient()->SetEndColor(Color());
}

void TAreaSeries::PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle)
{
    Q_UNUSED(valueIndex);
    backColor = AreaColor();
    if (TCustomAxisPanel *chart = ParentChart())
        chart->Canvas()->AssignVisiblePen(*AreaLinesPen());
    brushStyle = AreaChartBrush()->Style();
}

void TAreaSeries::DrawLegendShape(int valueIndex, const TRect &rect)
{
    TCustomAxisPanel *chart = ParentChart();
    if (chart && Gradient()->Visible()) {
        Gradient()->Draw(*chart->Canvas(), rect);
        return;
    }
    if (chart && AreaChartBrush()->imageIfAny() && !AreaChartBrush()->imageIfAny()->IsEmpty()) {
        const TColor itemColor = valueIndex == -1 ? Color() : LegendItemColor(valueIndex);
        const TColor brushColor = AreaChartBrush()->Color() == clPlotColor ? itemColor : AreaChartBrush()->Color();
        const TColor back = AreaColor() == brushColor ? clWhite : AreaColor();
        chart->Canvas()->AssignBrushColor(*AreaChartBrush(), brushColor, back);
    }
    TCustomSeries::DrawLegendShape(valueIndex, rect);
}

// The origin widens the value range, so that the area down to it stays in view.
double TAreaSeries::MaxXValue() const
{
    const double value = TCustomSeries::MaxXValue();
    return m_useYOrigin && !YMandatory() ? std::max(value, m_yOrigin) : value;
}

double TAreaSeries::MinXValue() const
{
    const double value = TCustomSeries::MinXValue();
    return m_useYOrigin && !YMandatory() ? std::min(value, m_yOrigin) : value;
}

double TAreaSeries::MaxYValue() const
{
    const double value = TCustomSeries::MaxYValue();
    return m_useYOrigin && YMandatory() ? std::max(value, m_yOrigin) : value;
}

double TAreaSeries::MinYValue() const
{
    const double value = TCustomSeries::MinYValue();
    return m_useYOrigin && YMandatory() ? std::min(value, m_yOrigin) : value;
}

bool TAreaSeries::DrawSeriesForward(int valueIndex) const
{
    if (MultiArea() == maNone)
        return TCustomSeries::DrawSeriesForward(valueIndex);
    const TChartAxis *axis = GetMandatoryAxis();
    return !(axis && axis->Inverted());
}

int TAreaSeries::GetOriginPos(int valueIndex) const
{
    if (m_useYOrigin)
        return CalcPosValue(m_yOrigin);
    return TCustomSeries::GetOriginPos(valueIndex);
}
