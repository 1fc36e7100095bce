// Line series: defaults, copying, gallery styles and the legend canvas.
#include "TLineSeries.h"

#include "SeriesGalleryTexts.h"
#include "TCustomAxisPanel.h"

#include "TCanvas3D.h"

TLineSeries::TLineSeries(QObject *owner)
    : TCustomSeries(owner)
{
    SetDrawLine(true);
    Pointer()->SetVisible(false);
    // A function over all points gives two points, at the lowest and the highest X.
    FunctionSinglePoint = false;
}

void TLineSeries::Assign(const TCustomChartElement &source)
{
    TCustomSeries::Assign(source);
    const auto *series = qobject_cast<const TCustomChartSeries *>(&source);
    if (!series || !SameClass(*series))
        Pointer()->SetVisible(false);
    SetDrawArea(false);
    SetDrawLine(true);
}

void TLineSeries::CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const
{
    using namespace SeriesGalleryTexts;
    TCustomSeries::CreateSubGallery(addSubChart);
    for (const Text entry : {msgGalleryStairs, msgGalleryPoints, msgGalleryHeight, msgGalleryHollow, msgGalleryColors,
                             msgGalleryMarks, msgGalleryNoBorder, msgGalleryOutline})
        addSubChart(text(entry));
}

void TLineSeries::SetSubGallery(int index)
{
    switch (index) {
    case 1: SetStairs(true); break;
    case 2: Pointer()->SetVisible(true); break;
    case 3: SetLineHeight(5); break;
    case 4: SetLineBrush(bsClear); break;
    case 5: SetColorEachPoint(true); break;
    case 6: Marks()->SetVisible(true); break;
    case 7: LinePen()->Hide(); break;
    case 8: OutLine()->Show(); break;
    default: TCustomSeries::SetSubGallery(index); break;
    }
}

void TLineSeries::PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle)
{
    Q_UNUSED(valueIndex);
    Q_UNUSED(backColor);
    if (TCustomAxisPanel *chart = ParentChart())
        chart->Canvas()->AssignVisiblePen(*LinePen());
    brushStyle = LineBrush();
}
