// Horizontal line series: orientation and the marks beside the points.
#include "THorizLineSeries.h"

#include "TCustomAxisPanel.h"

#include <algorithm>

THorizLineSeries::THorizLineSeries(QObject *owner)
    : TLineSeries(owner)
{
    SetHorizontal();
    XValues()->SetOrder(loNone);
    YValues()->SetOrder(loAscending);
    VisibleRangeOnly = false;
}

void THorizLineSeries::DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position)
{
    // Beside the point, on the side away from the series' origin, centred on it vertically.
    Marks()->SetZPosition(StartZ());
    const TMarksCallout *callout = Marks()->Callout();
    const TPoint point = position.ArrowTo;
    const bool toTheLeft = GetOriginPos(valueIndex) > point.x;
    const int reach = callout->Length() + callout->Distance();
    const int side = toTheLeft ? -1 : 1;
    position.ArrowFrom = {point.x + side * callout->Distance(), point.y};
    position.ArrowTo = {point.x + side * reach, point.y};
    position.LeftTop = {toTheLeft ? point.x - reach - position.Width : point.x + reach, point.y - position.Height / 2};
    TCustomLineSeries::DrawMark(valueIndex, text, position);
}

int THorizLineSeries::MarksExtent()
{
    const TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return 0;
    int widest = 0;
    int lines = 0;
    for (int i = 0; i < Count(); ++i)
        widest = std::max(widest, chart->MultiLineTextWidth(GetMarkText(i), lines));
    return widest;
}
