// Horizontal area series: orientation, samples and the marks right of the points.
#include "THorizAreaSeries.h"

THorizAreaSeries::THorizAreaSeries(QObject *owner)
    : TAreaSeries(owner)
{
    SetHorizontal();
    XValues()->SetOrder(loNone);
    YValues()->SetOrder(loAscending);
    VisibleRangeOnly = false;
    Gradient()->SetDirection(gdRightLeft);
    SampleCount = 10;
}

void THorizAreaSeries::DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position)
{
    // Right of the point, with a horizontal arrow, centred on it vertically.
    Marks()->SetZPosition(StartZ());
    const TMarksCallout *callout = Marks()->Callout();
    const TPoint point = position.ArrowTo;
    const int reach = callout->Length() + callout->Distance();
    position.ArrowFrom = {point.x + callout->Distance(), point.y};
    position.ArrowTo = {point.x + reach, point.y};
    position.LeftTop = {point.x + reach, point.y - position.Height / 2};
    TCustomLineSeries::DrawMark(valueIndex, text, position);
}
