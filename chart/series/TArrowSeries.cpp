// Arrow series: end-point lists, ranges over both ends, the arrow outline or solid, the hit test
// along each arrow and the samples.
#include "TArrowSeries.h"

#include "OwnClassSource.h"

#include "TCustomAxisPanel.h"

#include "PlotProcs.h"
#include "TCanvas3D.h"

#include <cmath>

TArrowSeries::TArrowSeries(QObject *owner)
    : TPointSeries(owner)
    , m_endXValues(addValueList(QStringLiteral("EndX")))
    , m_endYValues(addValueList(QStringLiteral("EndY")))
{
    // An arrow may start outside the visible range and end inside it: every point is drawn.
    VisibleRangeOnly = false;
    XValues()->InitDateTime(true);
    m_endXValues->InitDateTime(true);
    Pointer()->SetInflateMargins(false);
    Marks()->Pen()->Hide();
    Marks()->SetTransparent(true);
}

int TArrowSeries::AddArrow(double x0, double y0, double x1, double y1, const QString &label, TColor color)
{
    m_endXValues->SetTempValue(x1);
    m_endYValues->SetTempValue(y1);
    return AddXY(x0, y0, label, color);
}

void TArrowSeries::Assign(const TCustomChartElement &source)
{
    if (const auto *arrow = qobject_cast<const TArrowSeries *>(&source))
        m_arrowPercent = arrow->m_arrowPercent;
    TPointSeries::Assign(source);
}

bool TArrowSeries::IsValidSeriesSource(const TChartSeries *source) const
{
    return TPointSeries::IsValidSeriesSource(source) && IsOwnClassSource<TArrowSeries>(*this, source);
}

double TArrowSeries::MaxXValue() const
{
    return ExtraValueLists::widened(TPointSeries::MaxXValue(), m_endXValues->Values(), true);
}

double TArrowSeries::MinXValue() const
{
    return ExtraValueLists::widened(TPointSeries::MinXValue(), m_endXValues->Values(), false);
}

double TArrowSeries::MaxYValue() const
{
    return ExtraValueLists::widened(TPointSeries::MaxYValue(), m_endYValues->Values(), true);
}

double TArrowSeries::MinYValue() const
{
    return ExtraValueLists::widened(TPointSeries::MinYValue(), m_endYValues->Values(), false);
}

bool TArrowSeries::arrowPoints(int valueIndex, TPoint &from, TPoint &to) const
{
    const auto i = std::size_t(valueIndex);
    const double values[4] = {XValues()->Values()[i], YValues()->Values()[i], m_endXValues->Values()[i],
                              m_endYValues->Values()[i]};
    for (const double v : values)
        if (!std::isfinite(v))
            return false;
    from = {CalcXPos(valueIndex), CalcYPos(valueIndex)};
    to = {CalcXPosValue(values[2]), CalcYPosValue(values[3])};
    return true;
}

void TArrowSeries::DrawValue(int valueIndex)
{
    TCustomAxisPanel *chart = ParentChart();
    const TColor color = GetValueColor(valueIndex);
    TPoint from;
    TPoint to;
    if (!chart || color == clNone || !arrowPoints(valueIndex, from, to))
        return;
    TCanvas3D &canvas = *chart->Canvas();
    // Outlines on a flat chart; solid arrows, with their body, in 3D.
    const bool solid = chart->View3D();
    if (solid)
        Pointer()->PrepareCanvas(canvas, color);
    else
        canvas.AssignVisiblePenColor(*Pointer()->Pen(), color);
    canvas.Arrow(solid, from, to, ArrowWidth(), ArrowHeight(), StartZ(), m_arrowPercent);
}

int TArrowSeries::Clicked(int x, int y) const
{
    if (const TCustomAxisPanel *chart = ParentChart())
        chart->Canvas()->InverseCalc3DPos(x, y, StartZ());
    const TPoint click{x, y};
    for (int i = 0; i < Count(); ++i) {
        TPoint from;
        TPoint to;
        if (!IsNull(i) && arrowPoints(i, from, to) && PlotProcs::PointInLineTolerancePoints(click, from, to, Pen()->Width()))
            return i;
    }
    return -1;
}

void TArrowSeries::AddSampleValues(int numValues, bool onlyMandatory)
{
    Q_UNUSED(onlyMandatory);
    const RandomBounds bounds = CalcRandomBounds(numValues);
    const double rangeX = numValues > 1 ? bounds.stepX * (numValues - 1) : 1.0;
    const double rangeY = bounds.rangeY;
    const auto fraction = [] { return RandomInt(1000) / 1000.0; };
    // Each arrow starts anywhere in the bounds and ends within an eighth of them from its start.
    for (int i = 0; i < numValues; ++i) {
        const double x0 = bounds.startX + fraction() * rangeX;
        const double y0 = bounds.startY + fraction() * rangeY;
        AddArrow(x0, y0, x0 + (fraction() - 0.5) * rangeX / 4.0, y0 + (fraction() - 0.5) * rangeY / 4.0);
    }
}

void TArrowSeries::PrepareForGallery(bool enabled)
{
    TPointSeries::PrepareForGallery(enabled);
    FillSampleValues(3);
    SetArrowWidth(12);
    SetArrowHeight(12);
    if (!enabled)
        SetSeriesColor(clSilver);
}
