// The nearest point tool. Without FullRepaint the marker is drawn in not-xor mode and moves over
// the screen buffer; with it, every change repaints the chart.
#include "TNearestTool.h"

#include "PlotGeometry.h"
#include "PlotProCo.h"
#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TChartValueList.h"
#include "TCustomAxisPanel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A point farther away than this is never the nearest.
constexpr int kFarthest = 10000;

int roundedDistance(int dx, int dy)
{
    return int(std::nearbyint(std::sqrt(double(dx) * dx + double(dy) * dy)));
}

} // namespace

TNearestTool::TNearestTool(QObject *owner)
    : TPlotCustomToolSeries(owner)
    , m_linePen(new TChartPen(this))
{
    Pen()->SetStyle(psDot);
    Pen()->SetColor(clWhite);
    Brush()->SetStyle(bsClear);
    connect(m_linePen, &TPen::changed, this, [this] { CanvasChanged(); });
}

QString TNearestTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtNearestPoint);
}

bool TNearestTool::DrawLine() const
{
    return m_linePen->Visible();
}

void TNearestTool::SetDrawLine(bool value)
{
    m_linePen->SetVisible(value);
}

void TNearestTool::SetLinePen(const TChartPen *value)
{
    if (value)
        m_linePen->Assign(*value);
}

void TNearestTool::SetFullRepaint(bool value)
{
    m_marker.forget();
    m_fullRepaint = value;
}

void TNearestTool::SetSeries(TChartSeries *value)
{
    m_marker.forget();
    m_point = -1;
    TPlotCustomToolSeries::SetSeries(value);
}

void TNearestTool::SetActive(bool value)
{
    if (!value)
        m_marker.forget();
    TPlotCustomToolSeries::SetActive(value);
}

void TNearestTool::SetParentChart(TCustomAxisPanel *value)
{
    m_marker.forget();
    TPlotCustomToolSeries::SetParentChart(value);
}

int TNearestTool::fullWalk(int x, int y, int first, int last) const
{
    const TChartSeries &series = *Series();
    const TRect rect = ParentChart()->ChartRect;
    int best = kFarthest;
    int nearest = -1;
    for (int i = first; i <= last; ++i) {
        if (series.IsNull(i))
            continue;
        const TPoint p{series.CalcXPos(i), series.CalcYPos(i)};
        if (!PlotGeometry::PointInRect(rect, p))
            continue;
        const int d = roundedDistance(x - p.x, y - p.y);
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

bool TNearestTool::canWalkOutward() const
{
    const TChartSeries &series = *Series();
    const TChartAxis *along = series.YMandatory() ? series.GetHorizAxis() : series.GetVertAxis();
    // Pixels then follow the index (either way), and the search may start in the middle.
    return !ParentChart()->View3D() && !series.HasZValues() && along && !along->Logarithmic()
           && series.NotMandatoryValueList()->IsOrdered();
}

int TNearestTool::outwardWalk(int x, int y, int first, int last) const
{
    const TChartSeries &series = *Series();
    const bool vertical = series.YMandatory();
    const auto alongPixel = [&](int i) { return vertical ? series.CalcXPos(i) : series.CalcYPos(i); };
    const int mouse = vertical ? x : y;
    // The pixels run up or down with the index; find the first point at or past the mouse.
    const bool rising = alongPixel(first) <= alongPixel(last);
    int lo = first, hi = last + 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        const bool before = rising ? alongPixel(mid) < mouse : alongPixel(mid) > mouse;
        if (before)
            lo = mid + 1;
        else
            hi = mid;
    }
    const TRect rect = ParentChart()->ChartRect;
    int best = kFarthest;
    int nearest = -1;
    const auto consider = [&](int i) {
        const TPoint p{series.CalcXPos(i), series.CalcYPos(i)};
        if (series.IsNull(i) || !PlotGeometry::PointInRect(rect, p))
            return;
        const int d = roundedDistance(x - p.x, y - p.y);
        if (d < best || (d == best && i < nearest)) {
            best = d;
            nearest = i;
        }
    };
    // The rounded distance is never below the distance along the axis, an integer: past a point
    // farther along than the best, none can be nearer, nor equal and lower in index.
    for (int i = lo; i <= last && std::abs(alongPixel(i) - mouse) <= best; ++i)
        consider(i);
    for (int i = lo - 1; i >= first && std::abs(alongPixel(i) - mouse) <= best; --i)
        consider(i);
    return nearest;
}

int TNearestTool::GetNearestPoint(int x, int y) const
{
    const TChartSeries *series = Series();
    if (!series || !ParentChart() || series->Count() == 0)
        return -1;
    const int first = std::max(series->FirstValueIndex(), 0);
    int last = series->LastValueIndex();
    if (last < 0 || last >= series->Count())
        last = series->Count() - 1;
    if (first > last)
        return -1;
    return canWalkOutward() ? outwardWalk(x, y, first, last) : fullWalk(x, y, first, last);
}

std::optional<TNearestTool::Marker> TNearestTool::currentMarker() const
{
    const TChartSeries *series = Series();
    const TCustomAxisPanel *chart = ParentChart();
    if (!series || !chart || m_point < 0 || m_point >= series->Count())
        return std::nullopt;
    Marker marker;
    marker.centre = {series->CalcXPos(m_point), series->CalcYPos(m_point)};
    marker.z = series->StartZ();
    marker.mouse = m_mouse;
    marker.in3D = chart->View3D();
    return marker;
}

QRegion TNearestTool::drawMarker(TCanvas3D &canvas, const Marker &m) const
{
    const int s = m_size;
    const int x = m.centre.x, y = m.centre.y;
    const TPenMode mode = m_fullRepaint ? pmCopy : pmNotXor;
    canvas.AssignVisiblePen(*Pen());
    canvas.Pen()->SetMode(mode);
    QRegion covered;
    const int margin = std::max(1, Pen()->Width()) + 1;
    const auto cover = [&](TPoint a, TPoint b) {
        if (m.in3D) {
            a = canvas.Calc3DPoint(a.x, a.y, m.z);
            b = canvas.Calc3DPoint(b.x, b.y, m.z);
        }
        covered += QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)))
                       .adjusted(-margin, -margin, margin, margin);
    };
    if (m_style != hsNone) {
        canvas.AssignBrush(*Brush(), ParentChart()->paintColor());
        const TRect box{x - s, y - s, x + s, y + s};
        switch (m_style) {
        case hsCircle:
            if (m.in3D)
                canvas.EllipseWithZ(box.left, box.top, box.right, box.bottom, m.z);
            else
                canvas.Ellipse(box.left, box.top, box.right, box.bottom);
            break;
        case hsRectangle:
            if (m.in3D)
                canvas.RectangleWithZ(box, m.z);
            else
                canvas.Rectangle(box.left, box.top, box.right, box.bottom);
            break;
        case hsDiamond: {
            const std::vector<TPoint> points{{x, y - s}, {x + s, y}, {x, y + s}, {x - s, y}};
            if (m.in3D)
                canvas.PolygonWithZ(points, m.z);
            else
                canvas.Polygon(points);
            break;
        }
        case hsNone: break;
        }
        cover({box.left, box.top}, {box.right, box.bottom});
    }
    if (DrawLine() && m.mouse.x >= 0) {
        canvas.AssignVisiblePen(*m_linePen);
        canvas.Pen()->SetMode(mode);
        canvas.Brush()->SetStyle(bsClear);
        if (m.in3D) {
            canvas.MoveTo(m.mouse.x, m.mouse.y);
            canvas.LineTo3D(x, y, m.z);
            const TPoint shown = canvas.Calc3DPoint(x, y, m.z);
            covered += QRect(QPoint(std::min(m.mouse.x, shown.x), std::min(m.mouse.y, shown.y)),
                             QPoint(std::max(m.mouse.x, shown.x), std::max(m.mouse.y, shown.y)))
                           .adjusted(-margin, -margin, margin, margin);
        } else {
            canvas.Line(m.mouse.x, m.mouse.y, x, y);
            cover(m.mouse, m.centre);
        }
    }
    canvas.Pen()->SetMode(pmCopy);
    return covered;
}

OverlayShape<TNearestTool::Marker>::Draw TNearestTool::markerDraw() const
{
    return [this](TCanvas3D &canvas, const Marker &marker) { return drawMarker(canvas, marker); };
}

void TNearestTool::ChartEvent(int kind)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    if (kind == TCustomAxisPanel::teAfterDraw) {
        if (const std::optional<Marker> marker = currentMarker()) {
            if (m_fullRepaint)
                drawMarker(*chart->Canvas(), *marker);
            else
                m_marker.drawInPass(*chart->Canvas(), *marker, markerDraw());
        }
    } else if (kind == TCustomAxisPanel::teMouseLeave) {
        m_mouse = {-1, -1};
        if (m_fullRepaint) {
            m_point = -1;
            chart->Invalidate();
        } else {
            m_marker.move(*chart, [this] {
                m_point = -1;
                return std::optional<Marker>();
            }, markerDraw());
        }
    }
}

void TNearestTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton, TShiftState, int x, int y)
{
    if (kind != TChartMouseEventKind::cmeMove || !Series() || !ParentChart())
        return;
    // The same pixel finds the same point.
    if (TPoint{x, y} == m_mouse)
        return;
    moveTo(x, y);
}

void TNearestTool::moveTo(int x, int y)
{
    TCustomAxisPanel &chart = *ParentChart();
    const auto change = [&] {
        m_point = GetNearestPoint(x, y);
        m_mouse = {x, y};
        return currentMarker();
    };
    if (m_fullRepaint)
        change();
    else
        m_marker.move(chart, change, markerDraw());
    if (OnChange)
        OnChange(this);
    if (m_fullRepaint)
        chart.Invalidate();
}
