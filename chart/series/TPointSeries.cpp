// Point series: defaults, copying, transparency through the pointer and the gallery styles.
#include "TPointSeries.h"

#include "SeriesGalleryTexts.h"
#include "TCustomAxisPanel.h"

#include <algorithm>

TPointSeries::TPointSeries(QObject *owner)
    : TCustomSeries(owner)
{
    applyPointDefaults();
    Marks()->Callout()->SetLength(0);
}

void TPointSeries::applyPointDefaults()
{
    Pointer()->SetVisible(true);
    SetDrawArea(false);
    SetDrawLine(false);
    SetClickableLine(false);
}

void TPointSeries::Assign(const TCustomChartElement &source)
{
    TCustomSeries::Assign(source);
    applyPointDefaults();
}

void TPointSeries::SetColorEachPoint(bool value)
{
    TCustomSeries::SetColorEachPoint(value);
    if (value)
        Pointer()->Brush()->SetColor(clPlotColor);
}

int TPointSeries::GetTransparency() const
{
    return Pointer()->Transparency();
}

void TPointSeries::SetTransparency(int value)
{
    Pointer()->SetTransparency(std::clamp(value, 0, 100));
}

void TPointSeries::CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const
{
    using namespace SeriesGalleryTexts;
    TCustomSeries::CreateSubGallery(addSubChart);
    for (const Text entry : {msgGalleryColors, msgGalleryMarks, msgGalleryHollow, msgGalleryNoBorder, msgGalleryGradient})
        addSubChart(text(entry));
    if (!HasPointerStyleGallery())
        return;
    for (const Text entry : {msgGalleryPoint2D, msgGalleryTriangle, msgGalleryStar, msgGalleryCircle, msgGalleryDownTri,
                             msgGalleryCross, msgGalleryDiamond})
        addSubChart(text(entry));
}

void TPointSeries::SetSubGallery(int index)
{
    TSeriesPointer *pointer = Pointer();
    switch (index) {
    case 1: SetColorEachPoint(true); return;
    case 2: Marks()->SetVisible(true); return;
    case 3: pointer->Brush()->SetStyle(bsClear); return;
    case 4: pointer->Pen()->Hide(); return;
    case 5: pointer->Gradient()->SetVisible(true); return;
    default: break;
    }
    if (!HasPointerStyleGallery()) {
        TCustomSeries::SetSubGallery(index);
        return;
    }
    switch (index) {
    case 6: pointer->SetDraw3D(false); break;
    case 7: pointer->SetStyle(psTriangle); break;
    case 8: pointer->SetStyle(psStar); break;
    case 9:
        pointer->SetStyle(psCircle);
        pointer->SetHorizSize(8);
        pointer->SetVertSize(8);
        break;
    case 10: pointer->SetStyle(psDownTriangle); break;
    case 11: pointer->SetStyle(psCross); break;
    case 12: pointer->SetStyle(psDiamond); break;
    default: TCustomSeries::SetSubGallery(index); break;
    }
}

void TPointSeries::PrepareForGallery(bool enabled)
{
    TCustomSeries::PrepareForGallery(enabled);
    const TCustomAxisPanel *chart = ParentChart();
    const int size = chart && chart->width() < 50 ? 4 : 6;
    Pointer()->SetHorizSize(size);
    Pointer()->SetVertSize(size);
    if (chart && chart->SeriesList().IndexOf(this) == 1)
        Pointer()->SetStyle(psTriangle);
}
