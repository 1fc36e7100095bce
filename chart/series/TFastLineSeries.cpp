// Fast line series: properties, margins, legend and gallery; the drawing point by point and by
// pixel column, the segment of an added point and the hit test.
#include "TFastLineSeries.h"

#include "PixelColumnLine.h"
#include "SeriesGalleryTexts.h"
#include "SeriesPixel.h"
#include "TChartAxis.h"
#include "TCustomAxisPanel.h"

#include "CanvasStateGuard.h"
#include "PlotProcs.h"
#include "TPlotCanvas3D.h"

#include <QRect>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// Marks a buffered point whose values are not finite: no pixel lies this far out.
constexpr int kNoPixel = std::numeric_limits<int>::min();

} // namespace

TFastLineSeries::TFastLineSeries(QObject *owner)
    : TCustomLineSeries(owner)
{
    // A function over all points gives two points; the line reaches the far edge of the chart.
    FunctionSinglePoint = false;
    DrawOneBeyondEdge = true;
}

TFastLineSeries::~TFastLineSeries() = default;

void TFastLineSeries::Assign(const TCustomChartElement &source)
{
    if (const auto *s = qobject_cast<const TFastLineSeries *>(&source); s && s != this) {
        m_autoRepaint = s->m_autoRepaint;
        m_drawAllPoints = s->m_drawAllPoints;
        m_fastPen = s->m_fastPen;
        m_ignoreNulls = s->m_ignoreNulls;
        m_invertedStairs = s->m_invertedStairs;
        m_stairs = s->m_stairs;
    }
    TCustomLineSeries::Assign(source);
}

void TFastLineSeries::SetSeriesColor(TColor value)
{
    TCustomLineSeries::SetSeriesColor(value);
    // The chart's own colour for the series is no pen colour.
    if (value != clPlotColor)
        LinePen()->SetColor(value);
}

void TFastLineSeries::SetPen(const TChartPen *value)
{
    TCustomLineSeries::SetPen(value);
    SetSeriesColor(LinePen()->Color());
}

void TFastLineSeries::CalcHorizMargins(int &left, int &right)
{
    TCustomLineSeries::CalcHorizMargins(left, right);
    const int w = LinePen()->Width();
    left += w - (w - 2) / 2;
    right += w - (w - 2) / 2;
}

void TFastLineSeries::CalcVerticalMargins(int &top, int &bottom)
{
    TCustomLineSeries::CalcVerticalMargins(top, bottom);
    const int w = LinePen()->Width();
    top += w - (w - 2) / 2;
    bottom += w - (w - 2) / 2;
}

void TFastLineSeries::PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle)
{
    Q_UNUSED(valueIndex);
    Q_UNUSED(backColor);
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    TCanvas3D &canvas = *chart->Canvas();
    canvas.AssignVisiblePenColor(*LinePen(), Color());
    brushStyle = bsClear;
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackMode(cbmTransparent);
}

void TFastLineSeries::DrawLegendShape(int valueIndex, const TRect &rect)
{
    Q_UNUSED(valueIndex);
    DrawLegendLine(rect);
}

void TFastLineSeries::DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position)
{
    Marks()->ApplyCalloutOffset(position);
    TCustomLineSeries::DrawMark(valueIndex, text, position);
}

void TFastLineSeries::CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const
{
    using namespace SeriesGalleryTexts;
    TCustomLineSeries::CreateSubGallery(addSubChart);
    for (const Text entry : {msgGalleryMarks, msgGalleryDotted, msgGalleryStairs})
        addSubChart(text(entry));
}

void TFastLineSeries::SetSubGallery(int index)
{
    switch (index) {
    case 1: Marks()->SetVisible(true); break;
    case 2: LinePen()->SetSmallDots(true); break;
    case 3: SetStairs(true); break;
    default: TCustomLineSeries::SetSubGallery(index); break;
    }
}

// The line.

void TFastLineSeries::beginLine(TCanvas3D &canvas)
{
    canvas.AssignVisiblePenColor(*LinePen(), Color());
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackMode(cbmTransparent);
    m_canvas = &canvas;
    const TCustomAxisPanel *chart = ParentChart();
    m_is3D = chart && chart->View3D();
    m_z = MiddleZ();
    m_lifted = true;
}

bool TFastLineSeries::isBreak(int index) const
{
    const auto i = std::size_t(index);
    return !std::isfinite(XValues()->Values()[i]) || !std::isfinite(YValues()->Values()[i])
           || (!m_ignoreNulls && IsNull(index));
}

void TFastLineSeries::moveTo(int x, int y)
{
    if (m_is3D)
        m_canvas->MoveTo3D(x, y, m_z);
    else
        m_canvas->MoveTo(x, y);
}

void TFastLineSeries::lineTo(int x, int y)
{
    if (m_is3D)
        m_canvas->LineTo3D(x, y, m_z);
    else
        m_canvas->LineTo(x, y);
}

void TFastLineSeries::stepTo(int x, int y)
{
    // After a break the line starts afresh: a null or undrawable point leaves a gap, and the next
    // segment never starts at the null's stored pixel.
    if (m_lifted) {
        moveTo(x, y);
        m_prevX = x;
        m_prevY = y;
        m_lifted = false;
        return;
    }
    if (x == m_prevX && (!m_drawAllPoints || y == m_prevY))
        return;
    if (m_stairs)
        lineTo(m_invertedStairs ? m_prevX : x, m_invertedStairs ? y : m_prevY);
    lineTo(x, y);
    m_prevX = x;
    m_prevY = y;
}

void TFastLineSeries::DoBeforeDrawValues()
{
    TCustomLineSeries::DoBeforeDrawValues();
    if (TCustomAxisPanel *chart = ParentChart())
        beginLine(*chart->Canvas());
}

void TFastLineSeries::DrawValue(int valueIndex)
{
    // One point at a time, for charts that draw their series point by point in turn.
    if (!m_canvas || valueIndex < 0 || valueIndex >= Count())
        return;
    if (isBreak(valueIndex)) {
        lift();
        return;
    }
    stepTo(CalcXPos(valueIndex), CalcYPos(valueIndex));
}

bool TFastLineSeries::columnPathsApply(const TCanvas3D &canvas)
{
    if (!m_columnPaths || m_is3D || !GetHorizAxis() || !GetVertAxis())
        return false;
    if (const auto *screen = dynamic_cast<const TPlotCanvas3D *>(&canvas); screen && screen->antialiasedLines())
        return false;
    if (XValues()->Order() != loAscending || !XValues()->FiniteAndAscending())
        return false;
    // A logarithmic axis puts values of 0 and below at its edge, out of the order of the others.
    const TChartAxis &horiz = *GetHorizAxis();
    if (horiz.Logarithmic() && Count() > 0 && !(XValues()->Values()[0] > 0.0))
        return false;
    if (!m_drawAllPoints)
        return true;
    // Reduced to its extremes, a column sets the same pixels only for a thin solid line drawn
    // without steps.
    const TChartPen &pen = *LinePen();
    return !m_stairs && !pen.SmallDots() && pen.Width() <= 1 && pen.Style() == psSolid;
}

void TFastLineSeries::DrawAllValues()
{
    TCustomAxisPanel *chart = ParentChart();
    // Nothing to draw on an empty series or when no point is in view (the point before the first
    // visible one used to be read at index -1).
    if (!chart || Count() == 0 || FirstValueIndex() < 0)
        return;
    TCanvas3D &canvas = *chart->Canvas();
    beginLine(canvas);
    const int first = FirstValueIndex();
    const int start = first > 0 ? first - 1 : first;
    const int last = std::min(LastValueIndex(), Count() - 1);
    if (!columnPathsApply(canvas))
        drawPointByPoint(start, last);
    else if (m_drawAllPoints)
        drawColumnExtremes(start, last);
    else
        drawFirstOfColumns(start, last);
}

void TFastLineSeries::drawPointByPoint(int start, int last)
{
    const TChartAxis *horiz = GetHorizAxis();
    const TChartAxis *vert = GetVertAxis();
    if (!horiz || !vert || last < start)
        return;
    const int n = last - start + 1;
    m_xPixels.resize(std::size_t(n));
    m_yPixels.resize(std::size_t(n));
    const double *x = XValues()->Values().data() + start;
    const double *y = YValues()->Values().data() + start;
    horiz->ValueToPixels(x, n, m_xPixels.data());
    vert->ValueToPixels(y, n, m_yPixels.data());
    // The axes give NaN a pixel of its own: a point that cannot be drawn is marked first.
    for (int k = 0; k < n; ++k)
        if (!std::isfinite(x[k]) || !std::isfinite(y[k]) || (!m_ignoreNulls && IsNull(start + k)))
            m_xPixels[std::size_t(k)] = kNoPixel;
    for (int k = 0; k < n; ++k) {
        if (m_xPixels[std::size_t(k)] == kNoPixel)
            lift();
        else
            stepTo(m_xPixels[std::size_t(k)], m_yPixels[std::size_t(k)]);
    }
}

void TFastLineSeries::collectBreaks(int start, int last)
{
    const std::span<const double> y = YValues()->Values();
    if (const TChartValueList::Stamp stamp = YValues()->ValuesStamp(); m_nonFiniteStamp != stamp) {
        m_nonFinite.clear();
        for (std::size_t i = 0; i < y.size(); ++i)
            if (!std::isfinite(y[i]))
                m_nonFinite.push_back(int(i));
        m_nonFiniteStamp = stamp;
    }
    m_breaks.assign(std::lower_bound(m_nonFinite.begin(), m_nonFinite.end(), start),
                    std::upper_bound(m_nonFinite.begin(), m_nonFinite.end(), last));
    const std::span<const TColor> colors = ColorList();
    if (m_ignoreNulls || colors.empty())
        return;
    const std::size_t before = m_breaks.size();
    for (int i = start; i <= std::min(last, int(colors.size()) - 1); ++i)
        if (colors[std::size_t(i)] == clNone && std::isfinite(y[std::size_t(i)]))
            m_breaks.push_back(i);
    if (m_breaks.size() != before)
        std::inplace_merge(m_breaks.begin(), m_breaks.begin() + std::ptrdiff_t(before), m_breaks.end());
}

int TFastLineSeries::nextBreakAfter(int index) const
{
    const auto it = std::upper_bound(m_breaks.begin(), m_breaks.end(), index);
    return it == m_breaks.end() ? std::numeric_limits<int>::max() : *it;
}

void TFastLineSeries::drawFirstOfColumns(int start, int last)
{
    // The first point of each pixel column: exactly the points the point-by-point rule draws. The
    // runs between breaks are cut into columns; a break lifts the pen.
    collectBreaks(start, last);
    const TChartAxis &horiz = *GetHorizAxis();
    const TChartAxis &vert = *GetVertAxis();
    const std::span<const double> x = XValues()->Values();
    const std::span<const double> y = YValues()->Values();
    const PixelColumnLine columns(horiz, vert, x, y, {}, {});
    int i = start;
    int hint = 0;
    while (i <= last) {
        const int nextBreak = nextBreakAfter(i - 1);
        if (nextBreak == i) {
            lift();
            ++i;
            continue;
        }
        const int pixel = horiz.ValueToPixel(x[std::size_t(i)]);
        stepTo(pixel, vert.ValueToPixel(y[std::size_t(i)]));
        const int limit = std::min(last, nextBreak - 1);
        const int end = i < limit ? columns.columnEnd(i, limit, pixel, hint) : i;
        hint = end - i + 1;
        i = end + 1;
    }
}

void TFastLineSeries::drawColumnExtremes(int start, int last)
{
    // On an image the reduction keeps to where lines set the pixels of the device's rule; other
    // devices draw the lines themselves.
    constexpr int kFar = std::numeric_limits<int>::max();
    const auto *screen = dynamic_cast<const TPlotCanvas3D *>(m_canvas);
    const TRect reach = screen && screen->paintsRasterImage() ? screen->lineRunReach() : TRect{-kFar, -kFar, kFar, kFar};
    m_columnCache.drawExtremes(*GetHorizAxis(), *GetVertAxis(), *XValues(), *YValues(),
                               m_ignoreNulls ? std::span<const TColor>() : ColorList(), reach, start, last,
                               [this](int x, int y) { stepTo(x, y); }, [this] { lift(); });
}

// A point added while AutoRepaint is off.

void TFastLineSeries::NotifyNewValue(TChartSeries *sender, int index)
{
    if (m_autoRepaint) {
        TCustomLineSeries::NotifyNewValue(sender, index);
        return;
    }
    // The dependents hear of the point as before; only the repaint gives way to one segment.
    if (OnAfterAdd)
        OnAfterAdd(sender, index);
    NotifyValue(TValueEvent::Add, index);
    if (Active())
        drawAdded(index);
}

void TFastLineSeries::drawAdded(int index)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart || index < 0 || index >= Count())
        return;
    TCanvas3D &canvas = *chart->Canvas();
    // The screen's picture is the back buffer: the segment goes there, between passes, and the
    // widget repaints only its rectangle from it. Without an up-to-date buffer the next paint draws
    // the point with the rest. Other canvases (export, recording) take the segment directly.
    auto *screen = dynamic_cast<TPlotCanvas3D *>(&canvas);
    const bool buffered = screen && screen->buffer();
    if (buffered && screen->inPass())
        return;
    std::optional<CanvasOverlay> overlay;
    if (buffered) {
        overlay.emplace(*screen);
        if (!overlay->isOpen())
            return;
    }
    const CanvasStateGuard state(canvas);
    beginLine(canvas);
    const int previous = index > 0 ? index - 1 : 0;
    QRect dirty;
    for (const int i : {previous, index}) {
        if (isBreak(i)) {
            lift();
            continue;
        }
        const int x = CalcXPos(i);
        const int y = CalcYPos(i);
        stepTo(x, y);
        const TPoint p = m_is3D ? canvas.Calc3DPoint(x, y, m_z) : TPoint{x, y};
        dirty |= QRect(QPoint(p.x, p.y), QPoint(p.x, p.y));
    }
    m_canvas = nullptr;
    overlay.reset();
    if (buffered && !dirty.isEmpty()) {
        const int reach = LinePen()->Width() + 1;
        chart->update(dirty.adjusted(-reach, -reach, reach, reach));
    }
}

// Hit test.

int TFastLineSeries::Clicked(int x, int y) const
{
    if (FirstValueIndex() < 0)
        return -1;
    const TCustomAxisPanel *chart = ParentChart();
    if (chart && chart->Canvas())
        chart->Canvas()->InverseCalc3DPos(x, y, MiddleZ());
    const TPoint click{x, y};
    int first = FirstValueIndex();
    int last = std::min(LastValueIndex(), Count() - 1);
    // On a flat chart with ascending X only the points near the mouse can be hit; they are walked
    // in the same order, so the first hit is the same.
    const TChartAxis *horiz = GetHorizAxis();
    if (horiz && chart && !chart->View3D() && XValues()->Order() == loAscending) {
        const PlotEngine::IndexRange near = SeriesPixel::nearPixel(XValues()->Values(), *horiz, x);
        if (near.first < 0)
            return -1;
        first = std::max(first, near.first - 1);
        last = std::min(last, near.last);
    }
    bool havePrevious = false;
    TPoint previous;
    int previousIndex = -1;
    for (int i = first; i <= last; ++i) {
        if (isBreak(i)) {
            havePrevious = false;
            continue;
        }
        const TPoint p{CalcXPos(i), CalcYPos(i)};
        if (p == click)
            return i;
        if (havePrevious && PlotProcs::PointInLinePoints(click, previous, p))
            return previousIndex;
        previous = p;
        previousIndex = i;
        havePrevious = true;
    }
    return -1;
}
