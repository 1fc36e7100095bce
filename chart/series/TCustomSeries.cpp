// Line, point and area series base: properties, copying, stacking, limits, margins and the hit test.
#include "TCustomSeries.h"

#include "SeriesPixel.h"
#include "TChartAxis.h"
#include "TCustomAxisPanel.h"
#include "VisibleRange.h"

#include "PlotProcs.h"
#include "TCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

TCustomSeries::TCustomSeries(QObject *owner)
    : TCustomLineSeries(owner)
    , m_areaChartBrush(new TChartBrush(this))
    , m_areaLinesPen(new TChartPen(this))
    , m_outLine(new TChartHiddenPen(this))
    , m_pointer(new TSeriesPointer(this, nullptr, this))
    , m_shadow(new TPlotShadow(this))
    , m_gradient(new TPlotGradient(this))
{
    const auto repaint = [this] { CanvasChanged(); };
    connect(m_areaChartBrush, &TBrush::changed, this, repaint);
    connect(m_areaLinesPen, &TPen::changed, this, repaint);
    connect(m_outLine, &TPen::changed, this, repaint);
    connect(m_shadow, &TPlotShadow::changed, this, repaint);
    connect(m_gradient, &TCustomPlotGradient::changed, this, repaint);
    // The line reaches the far edge of the chart: the first point beyond it is drawn too.
    DrawOneBeyondEdge = true;
}

TCustomSeries::~TCustomSeries()
{
    markDestroying();
    m_pointer->SetParentChart(nullptr);
}

void TCustomSeries::SetAreaChartBrush(const TChartBrush *value)
{
    if (value)
        m_areaChartBrush->Assign(*value);
}

void TCustomSeries::SetAreaLinesPen(const TChartPen *value)
{
    if (value)
        m_areaLinesPen->Assign(*value);
}

void TCustomSeries::SetOutLine(const TChartPen *value)
{
    if (value)
        m_outLine->Assign(*value);
}

void TCustomSeries::SetPointer(const TSeriesPointer *value)
{
    if (value)
        m_pointer->Assign(*value);
}

void TCustomSeries::SetShadow(const TPlotShadow *value)
{
    if (value)
        m_shadow->Assign(*value);
}

void TCustomSeries::SetGradient(const TPlotGradient *value)
{
    if (value)
        m_gradient->Assign(*value);
}

void TCustomSeries::SetTransparency(int value)
{
    SetIntegerProperty(m_transparency, std::clamp(value, 0, 100));
}

void TCustomSeries::SetStacked(TCustomSeriesStack value)
{
    if (value == m_stacked)
        return;
    m_stacked = value;
    if (TCustomAxisPanel *chart = ParentChart()) {
        for (TChartSeries *other : chart->SeriesList())
            if (auto *series = qobject_cast<TCustomSeries *>(other); series && series != this && SameClass(*series))
                series->SetStacked(value);
    }
    Repaint();
}

void TCustomSeries::Assign(const TCustomChartElement &source)
{
    if (const auto *s = qobject_cast<const TCustomSeries *>(&source); s && s != this) {
        m_clickableLine = s->m_clickableLine;
        m_areaChartBrush->Assign(*s->m_areaChartBrush);
        m_areaColor = s->m_areaColor;
        m_areaLinesPen->Assign(*s->m_areaLinesPen);
        m_colorEachLine = s->m_colorEachLine;
        m_dark3D = s->m_dark3D;
        m_drawArea = s->m_drawArea;
        m_drawLine = s->m_drawLine;
        m_invertedStairs = s->m_invertedStairs;
        m_lineHeight = s->m_lineHeight;
        m_pointer->Assign(*s->m_pointer);
        m_stacked = s->m_stacked;
        m_stairs = s->m_stairs;
        m_outLine->Assign(*s->m_outLine);
        m_shadow->Assign(*s->m_shadow);
        SetTransparency(s->GetTransparency());
        m_gradient->Assign(*s->m_gradient);
    }
    TCustomLineSeries::Assign(source);
}

void TCustomSeries::Added()
{
    m_pointer->SetParentChart(ParentChart());
    TCustomLineSeries::Added();
}

void TCustomSeries::Removed()
{
    TCustomLineSeries::Removed();
    m_pointer->SetParentChart(nullptr);
}

// Stacking.

TCustomSeries::StackSums TCustomSeries::stackSums(int valueIndex) const
{
    // Positive values stack on positives, negatives on negatives; zeros add nothing.
    const double own = GetOriginValue(valueIndex);
    const auto sameSign = [own](double v) { return own < 0.0 ? v < 0.0 : v > 0.0; };
    StackSums sums;
    const TCustomAxisPanel *chart = ParentChart();
    if (!chart) {
        sums.total = sameSign(own) ? own : 0.0;
        return sums;
    }
    bool below = true;
    for (const TChartSeries *series : chart->SeriesList()) {
        if (series == this) {
            below = false;
        } else if (!series->Active() || !SameClass(*series)) {
            continue;
        }
        if (series->Count() <= valueIndex)
            continue;
        const double v = series->GetOriginValue(valueIndex);
        if (!sameSign(v))
            continue;
        if (below)
            sums.origin += v;
        sums.total += v;
    }
    return sums;
}

std::optional<int> TCustomSeries::stackedPixel(int valueIndex, double value) const
{
    const TChartAxis *axis = GetMandatoryAxis();
    if (!axis)
        return 0;
    const StackSums sums = stackSums(valueIndex);
    double stacked = sums.origin + value;
    if (m_stacked == cssStack100) {
        if (sums.total == 0.0)
            return axis->EndPixel();
        stacked = stacked * 100.0 / sums.total;
    }
    if (!std::isfinite(stacked))
        return std::nullopt;
    const int pixel = axis->ValueToPixel(stacked);
    return m_stacked == cssStack ? std::min(pixel, axis->EndPixel()) : pixel;
}

int TCustomSeries::CalcXPos(int index) const
{
    if (!YMandatory() && isStacking())
        return stackedPixel(index, GetXValue(index)).value_or(0);
    return TCustomLineSeries::CalcXPos(index);
}

int TCustomSeries::CalcYPos(int index) const
{
    if (YMandatory() && isStacking())
        return stackedPixel(index, GetYValue(index)).value_or(0);
    return TCustomLineSeries::CalcYPos(index);
}

int TCustomSeries::GetOriginPos(int valueIndex) const
{
    if (isStacking())
        return stackedPixel(valueIndex, 0.0).value_or(0);
    const TChartAxis *axis = GetMandatoryAxis();
    if (!axis)
        return 0;
    if (YMandatory())
        return axis->Inverted() ? axis->StartPixel() : axis->EndPixel();
    return axis->Inverted() ? axis->EndPixel() : axis->StartPixel();
}

double TCustomSeries::stackedLimit(bool maximum) const
{
    if (m_stacked == cssStack100)
        return maximum ? 100.0 : 0.0;
    const TChartValueList *values = MandatoryValueList();
    const int n = Count();
    if (n == 0)
        return 0.0;
    double result = maximum ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    for (int i = 0; i < n; ++i) {
        const double v = stackSums(i).origin + values->Value(i);
        result = maximum ? std::max(result, v) : std::min(result, v);
    }
    return result;
}

// Stacking moves only the value axis (Y of a vertical series, X of a horizontal one): the other
// axis keeps the categories' own range.
double TCustomSeries::MaxXValue() const
{
    return !YMandatory() && isStacking() ? stackedLimit(true) : TCustomLineSeries::MaxXValue();
}

double TCustomSeries::MinXValue() const
{
    return !YMandatory() && isStacking() ? stackedLimit(false) : TCustomLineSeries::MinXValue();
}

double TCustomSeries::MaxYValue() const
{
    return YMandatory() && isStacking() ? stackedLimit(true) : TCustomLineSeries::MaxYValue();
}

double TCustomSeries::MinYValue() const
{
    return YMandatory() && isStacking() ? stackedLimit(false) : TCustomLineSeries::MinYValue();
}

// Margins and depth.

int TCustomSeries::MarksExtent()
{
    TMarksCallout *callout = Marks()->Callout();
    return callout->Length() + callout->Distance();
}

void TCustomSeries::CalcHorizMargins(int &left, int &right)
{
    TCustomLineSeries::CalcHorizMargins(left, right);
    m_pointer->CalcHorizMargins(left, right);
    if (m_drawLine) {
        const int pen = std::max(m_stairs ? LinePen()->Width() : 0, m_outLine->Visible() ? m_outLine->Width() : 0);
        left = std::max(left, pen);
        right = std::max(right, pen);
    }
    if (Marks()->Visible() && !YMandatory())
        right = std::max(left, MarksExtent());
}

void TCustomSeries::CalcVerticalMargins(int &top, int &bottom)
{
    TCustomLineSeries::CalcVerticalMargins(top, bottom);
    m_pointer->CalcVerticalMargins(top, bottom);
    if (m_drawLine) {
        const int pen = std::max(m_stairs ? LinePen()->Width() : 0, m_outLine->Visible() ? m_outLine->Width() : 0);
        top = std::max(top, pen);
        bottom = std::max(bottom, pen);
    }
    if (Marks()->Visible() && YMandatory())
        top = std::max(bottom, MarksExtent());
    const TCustomAxisPanel *chart = ParentChart();
    if (m_lineHeight >= 1 && !m_drawArea && chart && chart->View3D())
        bottom = std::max(bottom, m_lineHeight);
}

void TCustomSeries::CalcZOrder()
{
    // Stacked series share one depth plane: the current one, not a new one.
    TCustomAxisPanel *chart = ParentChart();
    if (m_stacked == cssNone || ZOrder() != -1 || !chart || !chart->View3D() || chart->MaxZOrder < 0) {
        TCustomLineSeries::CalcZOrder();
        return;
    }
    SetComputedZOrder(chart->MaxZOrder);
}

// Hit test.

TSeriesPointerStyle TCustomSeries::pointerStyle(int valueIndex) const
{
    if (OnGetPointerStyle)
        return OnGetPointerStyle(const_cast<TCustomSeries *>(this), valueIndex);
    return m_pointer->Style();
}

bool TCustomSeries::ClickedPointer(int valueIndex, int pointX, int pointY, int x, int y) const
{
    PreparePointer(valueIndex);
    if (pointerStyle(valueIndex) == psNothing)
        return false;
    return std::abs(pointX - x) < m_pointer->HorizSize() && std::abs(pointY - y) < m_pointer->VertSize();
}

bool TCustomSeries::clickedSegment(int x, int y, const TPoint &previous, const TPoint &point, int prevOrigin,
                                   int origin) const
{
    const TPoint click{x, y};
    const TCustomAxisPanel *chart = ParentChart();
    if (chart && chart->View3D()) {
        const int dx = chart->Width3D;
        const int dy = chart->Height3D;
        const TPoint face[4] = {point, {point.x + dx, point.y - dy}, {previous.x + dx, previous.y - dy}, previous};
        if (PlotProcs::PointInPolygon(click, face, 3))
            return true;
    } else if (m_stairs) {
        const TPoint corner = m_invertedStairs ? TPoint{previous.x, point.y} : TPoint{point.x, previous.y};
        if (PlotProcs::PointInLinePoints(click, previous, corner) || PlotProcs::PointInLinePoints(click, corner, point))
            return true;
    } else if (PlotProcs::PointInLinePoints(click, previous, point)) {
        return true;
    }
    if (!m_drawArea)
        return false;
    TPoint quad[4];
    if (YMandatory()) {
        quad[0] = previous;
        quad[1] = point;
        quad[2] = {point.x, origin};
        quad[3] = {previous.x, prevOrigin};
    } else {
        quad[0] = previous;
        quad[1] = point;
        quad[2] = {origin, point.y};
        quad[3] = {prevOrigin, previous.y};
    }
    return PlotProcs::PointInPolygon(click, quad, 3);
}

// On a flat chart, with the values along the series' own axis in ascending order, only the points
// within a few pixels of the mouse along that axis, and the two segments that lead out of them, can
// be under it: a binary search finds them, so that a mouse move over a million points does not
// walk them all. The draw trusts the same order. Pointers keep the whole walk: a series may size
// them per point.
void TCustomSeries::narrowToMouse(int x, int y, int &first, int &last) const
{
    const TChartValueList *list = NotMandatoryValueList();
    const TChartAxis *axis = YMandatory() ? GetHorizAxis() : GetVertAxis();
    const TCustomAxisPanel *chart = ParentChart();
    if (m_pointer->Visible() || list->Order() != loAscending || !axis || !chart || chart->View3D())
        return;
    const PlotEngine::IndexRange near = SeriesPixel::nearPixel(list->Values(), *axis, YMandatory() ? x : y);
    if (near.first < 0) { // every point lies before the mouse
        last = first - 1;
        return;
    }
    first = std::max(first, near.first - 1);
    last = std::min(last, near.last);
}

int TCustomSeries::Clicked(int x, int y) const
{
    const TCustomAxisPanel *chart = ParentChart();
    const TCanvas3D *canvas = chart ? chart->Canvas() : nullptr;
    const TPoint screen{x, y};
    if (canvas)
        canvas->InverseCalc3DPos(x, y, StartZ());
    const int marks = TCustomLineSeries::Clicked(x, y);
    if (marks != -1)
        return marks;
    if (FirstValueIndex() < 0)
        return -1;
    int first = FirstValueIndex();
    if (m_clickableLine && first > 0)
        --first;
    int last = std::min(LastValueIndex(), Count() - 1);
    narrowToMouse(x, y, first, last);
    bool havePrevious = false;
    TPoint previous;
    int prevOrigin = 0;
    for (int i = first; i <= last; ++i) {
        int px = 0;
        int py = 0;
        if (IsNull(i) || !pointPixel(i, px, py)) {
            havePrevious = false; // nulls and undrawable points break the line here too
            continue;
        }
        if (m_pointer->Visible() && ClickedPointer(i, px, py, x, y)) {
            if (OnClickPointer)
                OnClickPointer(const_cast<TCustomSeries *>(this), i, x, y);
            return i;
        }
        // Exactly on the point as drawn: compared on the screen, where rounding cannot move it.
        if ((canvas ? canvas->Calc3DPoint(px, py, StartZ()) : TPoint{px, py}) == screen)
            return i;
        const int origin = m_drawArea ? GetOriginPos(i) : 0;
        if (havePrevious && m_clickableLine && clickedSegment(x, y, previous, {px, py}, prevOrigin, origin))
            return i - 1;
        previous = {px, py};
        prevOrigin = origin;
        havePrevious = true;
    }
    return -1;
}
