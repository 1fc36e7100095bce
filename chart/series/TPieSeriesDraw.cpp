// Pie series: the grid of several pies, the slice angles, exploded slices, the slices in 2D and 3D,
// the marks around the rim and the hit test.
#include "TPieSeries.h"

#include "TCustomAxisPanel.h"

#include "PlotColor.h"
#include "PlotProcs.h"
#include "PlotRound.h"
#include "TCanvas3D.h"

#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <numbers>

QSize TPieSeries::PieGrid(int count)
{
    // Halves round to even: four pies stand in two rows, nine in four.
    const double root = std::sqrt(std::max(count, 1));
    return {std::max(1, plotRound(root)), std::max(1, plotRound(root + 0.5))};
}

void TPieSeries::fitMarks()
{
    // A pie without marks keeps its own circle.
    if (Marks()->Visible())
        shrinkForMarks();
}

void TPieSeries::DoBeforeDrawValues()
{
    TCustomAxisPanel *chart = ParentChart();
    m_savedChartRect.reset();
    if (chart && m_multiPie == mpAutomatic) {
        int n = 0;
        int before = -1;
        for (const TChartSeries *series : chart->SeriesList()) {
            const auto *pie = qobject_cast<const TPieSeries *>(series);
            if (!pie || !pie->Active() || !SameClass(*pie))
                continue;
            if (pie == this)
                before = n;
            ++n;
        }
        if (n > 1 && before >= 0) {
            // This pie's cell of the grid becomes the chart rectangle until its values are drawn.
            const QSize grid = PieGrid(n);
            const TRect r = chart->ChartRect;
            const int cellWidth = r.width() / grid.width();
            const int cellHeight = r.height() / grid.height();
            const int left = r.left + (before % grid.width()) * cellWidth;
            const int top = r.top + (before / grid.width()) * cellHeight;
            m_savedChartRect = r;
            chart->ChartRect = chart->Canvas()->CalcRect3D({left, top, left + cellWidth, top + cellHeight}, 0);
        }
    }
    TCircledSeries::DoBeforeDrawValues();
}

void TPieSeries::DoAfterDrawValues()
{
    if (TCustomAxisPanel *chart = ParentChart(); chart && m_savedChartRect)
        chart->ChartRect = *m_savedChartRect;
    m_savedChartRect.reset();
    TCircledSeries::DoAfterDrawValues();
}

// Angles and explode.

void TPieSeries::calcAngles()
{
    const int n = Count();
    m_angles.assign(std::size_t(n), SliceAngles{});
    const int first = FirstValueIndex();
    const int last = std::min(LastValueIndex(), n - 1);
    if (first < 0)
        return;
    const double total = m_angleSize * std::numbers::pi / 180.0;
    const std::span<const double> values = YValues()->Values();
    const auto size = [&](int i) {
        const double v = std::fabs(values[std::size_t(i)]);
        return std::isnan(v) || IsGrouped(i) ? 0.0 : v;
    };
    // In units of the largest value: a sum of huge values stays finite.
    double largest = 0.0;
    for (int i = first; i <= last; ++i)
        largest = std::max(largest, size(i));
    double sum = 0.0;
    if (largest > 0.0)
        for (int i = first; i <= last; ++i)
            sum += size(i) / largest;
    double running = 0.0;
    double previousEnd = 0.0;
    for (int i = first; i <= last; ++i) {
        SliceAngles &a = m_angles[std::size_t(i)];
        a.start = i == first ? 0.0 : previousEnd;
        if (sum == 0.0) {
            a.end = total;
        } else {
            running += size(i) / largest;
            a.end = running == sum ? total : running * total / sum;
        }
        a.end = std::min(a.end, a.start + total);
        a.middle = (a.start + a.end) / 2.0;
        previousEnd = a.end;
    }
}

TPoint TPieSeries::ExplodeOffset(int valueIndex) const
{
    const int e = m_exploded.Value(valueIndex);
    if (e <= 0 || !m_individualSlices || valueIndex < 0 || valueIndex >= int(m_angles.size()))
        return {0, 0};
    const double a = m_angles[std::size_t(valueIndex)].middle + RotationRadians();
    return {plotRound(XRadius() * e * 0.01 * std::cos(a)), plotRound(YRadius() * e * 0.01 * std::sin(a))};
}

void TPieSeries::explodeBiggest()
{
    if (m_explodeBiggest <= 0 || Count() == 0)
        return;
    const TCustomAxisPanel *chart = ParentChart();
    int biggest = -1;
    if (chart && chart->MaxPointsPerPage() > 0) {
        for (int i = std::max(FirstValueIndex(), 0); i <= std::min(LastValueIndex(), Count() - 1); ++i)
            if (biggest < 0 || GetYValue(i) > GetYValue(biggest))
                biggest = i;
    } else {
        biggest = YValues()->Locate(YValues()->MaxValue());
    }
    if (biggest >= 0)
        m_exploded.SetValue(biggest, m_explodeBiggest);
}

void TPieSeries::shrinkForExplode()
{
    int most = -1;
    for (int i = 0; i < m_exploded.Count(); ++i)
        if (m_exploded.Value(i) > 0 && (most < 0 || m_exploded.Value(i) > m_exploded.Value(most)))
            most = i;
    if (most < 0)
        return;
    // The most exploded slice must still fit: the circle gives up half of its offset.
    const TPoint offset = ExplodeOffset(most);
    TRect r = CircleRect();
    const int dx = std::abs(offset.x) / 2;
    const int dy = std::abs(offset.y) / 2;
    SetCircleRect({r.left + dx, r.top + dy, r.right - dx, r.bottom - dy});
}

// Drawing.

std::vector<int> TPieSeries::drawingOrder() const
{
    const double total = m_angleSize * std::numbers::pi / 180.0;
    const double quarter = total / 4.0;
    const auto distance = [&](int i) {
        double a = m_angles[std::size_t(i)].middle + RotationRadians();
        if (a > total)
            a -= total;
        if (a > quarter) {
            const double d = a - quarter;
            return d > std::numbers::pi ? total - d : d;
        }
        return quarter - a;
    };
    std::vector<int> order;
    for (int i = FirstValueIndex(); i <= std::min(LastValueIndex(), Count() - 1); ++i)
        order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return distance(a) < distance(b); });
    return order;
}

void TPieSeries::DrawAllValues()
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart || FirstValueIndex() < 0)
        return;
    calcAngles();
    explodeBiggest();
    m_individualSlices = !m_heights.IsEmpty()
                         || std::any_of(m_exploded.Values().begin(), m_exploded.Values().end(), [](int e) { return e > 0; });
    shrinkForExplode();
    // A circle the marks left no room for is not drawn, nor its shadow.
    if (CircleWidth() <= 4 || CircleHeight() <= 4) {
        drawOtherLegend();
        return;
    }
    TCanvas3D &canvas = *chart->Canvas();
    if (m_shadow->Size() != 0) {
        const TRect r = CircleRect();
        m_shadow->DrawEllipse(canvas, {r.left + m_shadow->HorizSize(), r.top + m_shadow->VertSize(),
                                       r.right + m_shadow->HorizSize(), r.bottom + m_shadow->VertSize()},
                              EndZ() - 10);
    }
    m_previousRim = RimPoint(0.0, XRadius(), YRadius());
    if (chart->View3D() && (m_individualSlices || m_donutPercent > 0)) {
        // Slices drawn one by one, the farthest first, so that nearer ones cover them.
        const std::vector<int> order = drawingOrder();
        for (std::size_t k = 0; k < order.size(); ++k) {
            // The cut faces of a partial ring show at its two ends.
            const bool end = m_angleSize != 360 && m_donutPercent > 0 && (k == 0 || k + 1 == order.size());
            const bool forced = std::exchange(m_forceSides, end);
            const auto restore = qScopeGuard([&] { m_forceSides = forced; });
            DrawValue(order[k]);
        }
    } else {
        TCircledSeries::DrawAllValues();
    }
    drawOtherLegend();
}

void TPieSeries::DrawValue(int valueIndex)
{
    if (CircleWidth() <= 4 || CircleHeight() <= 4 || IsGrouped(valueIndex)
        || valueIndex >= int(m_angles.size()))
        return;
    DrawPie(valueIndex);
}

TBrushStyle TPieSeries::sliceBrushStyle(int valueIndex) const
{
    const TCustomAxisPanel *chart = ParentChart();
    if (!m_usePatterns && !(chart && chart->Monochrome()))
        return bsSolid;
    if (valueIndex < 0)
        return bsSolid;
    static constexpr TBrushStyle patterns[] = {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross};
    return patterns[valueIndex % 6];
}

void TPieSeries::prepareSlicePen(TCanvas3D &canvas, TColor color) const
{
    if (m_darkPen >= 1 && color != clNone)
        canvas.AssignVisiblePenColor(*PiePen(), PlotColor::darken(color, 255 - m_darkPen));
    else
        canvas.AssignVisiblePen(*PiePen());
}

int TPieSeries::sliceEndZ(int valueIndex) const
{
    const int h = m_heights.Value(valueIndex);
    if (valueIndex >= m_heights.Count())
        return EndZ();
    return StartZ() + plotRound(h * (double(EndZ()) - StartZ()) * 0.01);
}

void TPieSeries::DrawPie(int valueIndex)
{
    TCustomAxisPanel *chart = ParentChart();
    TCanvas3D &canvas = *chart->Canvas();
    const bool monochrome = chart->Monochrome();
    const TColor color = GetValueColor(valueIndex);
    TBrush &brush = *canvas.Brush();
    brush.SetBitmap(QImage());
    if (color == clNone) {
        brush.SetStyle(bsClear);
    } else {
        brush.SetColor(monochrome ? clBlack : color);
        brush.SetStyle(sliceBrushStyle(valueIndex));
        canvas.SetBackMode(cbmOpaque);
        canvas.SetBackColor(ResolvedBackColor());
    }
    prepareSlicePen(canvas, color);
    TCustomPlotGradient gradient;
    const bool useGradient = Gradient()->Visible() && color != clNone;
    if (useGradient) {
        gradient.Assign(*Gradient());
        gradient.SetEndColor(color);
    }
    const SliceAngles &a = m_angles[std::size_t(valueIndex)];
    const TPoint offset = ExplodeOffset(valueIndex);
    const int cx = CircleXCenter() + offset.x;
    const int cy = CircleYCenter() - offset.y;
    const double rotation = RotationRadians();
    if (chart->View3D()) {
        canvas.Pie3D(cx, cy, XRadius(), YRadius(), StartZ(), sliceEndZ(valueIndex), a.start + rotation,
                     a.end + rotation, m_dark3D, m_individualSlices || m_forceSides, m_donutPercent,
                     useGradient ? &gradient : nullptr);
        return;
    }
    if (m_donutPercent > 0) {
        canvas.Donut(cx, cy, XRadius(), YRadius(), a.start + rotation, a.end + rotation, m_donutPercent);
        return;
    }
    const TPoint start = RimPoint(a.start, XRadius(), YRadius());
    const TPoint end = RimPoint(a.end, XRadius(), YRadius());
    // A slice that ends where the previous one did is empty, unless it goes all the way round.
    const bool samePoint = end == m_previousRim;
    m_previousRim = end;
    if (samePoint && !(Count() == 1 || a.end - a.start > 1.0))
        return;
    const TRect r = CircleRect();
    const auto moved = [&](const TPoint &p) { return TPoint{p.x + offset.x, p.y - offset.y}; };
    const TPoint s = moved(start);
    const TPoint e = moved(end);
    if (useGradient) {
        // The slice is the clip of a gradient filled over the circle.
        const TRect box{r.left + offset.x, r.top - offset.y, r.right + offset.x, r.bottom - offset.y};
        TPointArray wedge{{cx, cy}};
        const int steps = std::max(2, plotRound((a.end - a.start) * 180.0 / std::numbers::pi / 2.0));
        for (int k = 0; k <= steps; ++k)
            wedge.push_back(moved(RimPoint(a.start + (a.end - a.start) * k / steps, XRadius(), YRadius())));
        canvas.ClipPolygon(wedge.data(), int(wedge.size()));
        {
            const auto unclip = qScopeGuard([&] { canvas.UnClipRectangle(); });
            gradient.Draw(canvas, box);
        }
        canvas.Brush()->SetStyle(bsClear);
    }
    canvas.Pie(r.left + offset.x, r.top - offset.y, r.right + offset.x, r.bottom - offset.y, s.x, s.y, e.x, e.y);
}

// Marks and hit test.

void TPieSeries::DrawMark(int valueIndex, const QString &text, TSeriesMarkPosition &position)
{
    // Grouped points and values without a slice (NaN) have no mark.
    if (IsGrouped(valueIndex) || valueIndex >= int(m_angles.size()) || !std::isfinite(GetYValue(valueIndex)))
        return;
    const TMarksCallout &callout = *Marks()->Callout();
    const double grow = 1.0 + m_exploded.Value(valueIndex) * 0.01;
    const double rx = plotRound(XRadius() * grow);
    const double ry = plotRound(YRadius() * grow);
    const int d = callout.Length() + callout.Distance();
    const double middle = m_angles[std::size_t(valueIndex)].middle;
    position.ArrowTo = RimPoint(middle, rx + d, ry + d);
    position.ArrowFrom = RimPoint(middle, rx + callout.Distance(), ry + callout.Distance());
    position.LeftTop.x = position.ArrowTo.x > CircleXCenter() ? position.ArrowTo.x : position.ArrowTo.x - position.Width;
    position.LeftTop.y = position.ArrowTo.y > CircleYCenter() ? position.ArrowTo.y : position.ArrowTo.y - position.Height;
    Marks()->SetZPosition(sliceEndZ(valueIndex));
    if (m_autoMarkPosition)
        Marks()->AntiOverlap(FirstValueIndex(), valueIndex, position);
    TCircledSeries::DrawMark(valueIndex, text, position);
}

int TPieSeries::Clicked(int x, int y) const
{
    const int marks = TCircledSeries::Clicked(x, y);
    if (marks != -1 || m_angles.empty())
        return marks;
    const TCustomAxisPanel *chart = ParentChart();
    const TCanvas3D *canvas = chart ? chart->Canvas() : nullptr;
    const TPoint click{x, y};
    for (int i = 0; i < std::min(Count(), int(m_angles.size())); ++i) {
        if (IsGrouped(i))
            continue;
        const SliceAngles &a = m_angles[std::size_t(i)];
        const TPoint offset = ExplodeOffset(i);
        const auto project = [&](TPoint p) {
            p = {p.x + offset.x, p.y - offset.y};
            return canvas ? canvas->Calc3DPoint(p.x, p.y, EndZ()) : p;
        };
        // The rim at the start, the centre, then 30 rim points from the end back towards the start.
        TPoint wedge[32];
        wedge[0] = project(RimPoint(a.start, XRadius(), YRadius()));
        wedge[1] = project({CircleXCenter(), CircleYCenter()});
        const double step = (a.end - a.start) / 30.0;
        for (int k = 0; k < 30; ++k)
            wedge[2 + k] = project(RimPoint(a.end - k * step, XRadius(), YRadius()));
        if (PlotProcs::PointInPolygon(click, wedge, 31))
            return i;
    }
    return -1;
}
