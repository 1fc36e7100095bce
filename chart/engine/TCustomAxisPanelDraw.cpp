// Axis panel: the contents draw in its sixteen steps, the layout of the axes, the series margins
// and the drawing of the series. Everything a pass changes is put back by scope guards, so a
// handler that throws inside the paint leaves the panel as it found it.
#include "TCustomAxisPanel.h"

#include "TChartAxis.h"
#include "TChartDepthAxis.h"
#include "TChartSeries.h"

#include "CanvasStateGuard.h"
#include "PlotGeometry.h"
#include "TCanvas3D.h"

#include <QPointer>
#include <QScopeGuard>

#include <algorithm>

namespace {

// Clips to the cube over the chart rectangle while it lives, when the panel may clip.
class CubeClip
{
public:
    CubeClip(TCustomAxisPanel &panel, bool wanted)
        : m_canvas(*panel.Canvas())
    {
        if (!wanted || !panel.CanClip())
            return;
        const TRect r = panel.ChartRect;
        m_canvas.ClipCube({r.left, r.top, r.right, r.bottom + 1}, 0, panel.Width3D);
        m_set = true;
    }
    ~CubeClip()
    {
        if (m_set)
            m_canvas.UnClipRectangle();
    }
    CubeClip(const CubeClip &) = delete;
    CubeClip &operator=(const CubeClip &) = delete;

private:
    TCanvas3D &m_canvas;
    bool m_set = false;
};

void resetPenAndBrush(TCanvas3D &canvas)
{
    TPen *pen = canvas.Pen();
    pen->SetColor(clBlack);
    pen->SetWidth(1);
    pen->SetStyle(psSolid);
    pen->SetMode(pmCopy);
    canvas.Brush()->SetColor(clWhite);
    canvas.Brush()->SetStyle(bsSolid);
}

} // namespace

void TCustomAxisPanel::DrawChartContents(const TRect &bounds)
{
    const bool autoRepaint = std::exchange(AutoRepaint, false);
    const auto restoreRepaint = qScopeGuard([&] { AutoRepaint = autoRepaint; });
    const bool wasDrawing = std::exchange(m_drawing, true);
    const auto restoreDrawing = qScopeGuard([&] { m_drawing = wasDrawing; });
    // Anti-aliased lines smooth the series' lines only: frames, axes, grids and legend keep
    // their one-pixel lines.
    const AliasedLinesScope aliased(*Canvas(), true);
    {
        const CanvasStateGuard penAndBrush(*Canvas());
        drawContents(bounds);
    }
    resetPenAndBrush(*Canvas());
    DoAfterDraw();
}

void TCustomAxisPanel::drawContents(const TRect &bounds)
{
    TCanvas3D &canvas = *Canvas();
    const bool nonGdi = canvas.IsNonGdiCanvas();
    calcViewReversed();
    if (!nonGdi)
        DrawPanelBackground(bounds);
    BroadcastToolEvent(teBeforeChart);
    DoBeforeDrawChart();
    for (TChartSeries *series : std::vector<TChartSeries *>(m_seriesList.Items()))
        if (series->Active())
            series->PrepareForDraw();
    if (!nonGdi)
        DrawTitlesAndLegend(true);
    calcSeriesZOrders();
    CalcWallsRect();
    const TRect beforeAxes = ChartRect;
    CalcAxesRect();
    calcSeriesDepths();
    CalcSeriesMargins();
    canvas.CalcProjection(Width3D, ChartRect);
    // The axes label the points in view (their labels or marks): the ranges of this pass, not of
    // the one before (the first pass had none and drew no point labels).
    for (TChartSeries *series : m_seriesList)
        if (series->Active())
            series->CalcFirstLastVisibleIndex();
    if (nonGdi) {
        // Export canvases get background, titles and legend once the projection is known, over the
        // chart rectangle of before the axes took their room.
        const TRect laidOut = std::exchange(ChartRect, beforeAxes);
        const auto restoreRect = qScopeGuard([&] { ChartRect = laidOut; });
        DrawPanelBackground(bounds);
        DrawTitlesAndLegend(true);
    }
    DrawWalls();
    if (m_axisBehind) {
        BroadcastToolEvent(teBeforeAxes);
        drawAxes();
    }
    BroadcastToolEvent(teBeforeSeries);
    DoBeforeDrawSeries();
    drawAllSeries();
    BroadcastToolEvent(teAfterSeries);
    if (!m_axisBehind) {
        BroadcastToolEvent(teBeforeAxes);
        drawAxes();
    }
    DrawTitlesAndLegend(false);
    if (Zoom()->Active)
        DrawZoomRectangle();
    BroadcastToolEvent(teAfterDraw);
}

void TCustomAxisPanel::calcViewReversed()
{
    const TView3DOptions &view = *View3DOptions();
    m_viewReversed = View3D() && (view.Orthogonal() ? view.OrthoAngle() > 90 : view.Rotation() < 180);
}

void TCustomAxisPanel::calcSeriesZOrders()
{
    MaxZOrder = 0;
    const bool perSeries = DepthPerSeries && View3D();
    std::vector<TChartSeries *> active;
    for (TChartSeries *series : m_seriesList)
        if (series->Active())
            active.push_back(series);
    if (perSeries) {
        MaxZOrder = -1;
        for (TChartSeries *series : active)
            series->CalcZOrder();
    }
    if (DepthAxis()->Inverted())
        return;
    // The first series stands at the back.
    for (TChartSeries *series : active)
        series->SetComputedZOrder(perSeries ? MaxZOrder - series->GetZOrder() : 0);
}

void TCustomAxisPanel::calcSeriesDepths()
{
    for (TChartSeries *series : m_seriesList)
        if (series->Active())
            series->CalcDepthPositions();
}

void TCustomAxisPanel::CalcAxesRect()
{
    for (TChartAxis *axis : m_axes.Items()) {
        axis->SetShown(IsAxisVisible(*axis));
        axis->RecalcMinMax();
    }
    for (TChartAxis *axis : m_axes.Items())
        axis->CalcPixelExtent();
    TRect working = ChartRect;
    for (int i = 0; i < m_axes.Count(); ++i) {
        TChartAxis &axis = *m_axes[i];
        if (axis.IsShown()) {
            // The standard axes but DepthTop take their room inside; the others lie outward.
            TRect left = working;
            axis.CalcSpace(left, i < TChartAxes::kDepthTop);
            if (left.left < working.right && working.left < left.right && left.top < working.bottom
                && working.top < left.bottom)
                working = {std::max(left.left, working.left), std::max(left.top, working.top),
                           std::min(left.right, working.right), std::min(left.bottom, working.bottom)};
        } else if (m_axes.SizeCallback) {
            const int size = m_axes.SizeCallback(axis, 0);
            if (axis.Horizontal() && axis.OtherSide())
                working.top += size;
            else if (axis.Horizontal())
                working.bottom -= size;
            else if (axis.OtherSide())
                working.right -= size;
            else
                working.left += size;
        }
    }
    if (!CustomChartRect)
        ChartRect = working;
    CalcChartDimensions();
    for (TChartAxis *axis : m_axes.Items())
        axis->CalcPixelExtent();
}

void TCustomAxisPanel::CalcSeriesMargins()
{
    for (TChartAxis *axis : m_axes.Items()) {
        TRect margins;
        const bool automaticMinimum = axis->Automatic() || axis->AutomaticMinimum();
        const bool automaticMaximum = axis->Automatic() || axis->AutomaticMaximum();
        for (TChartSeries *series : m_seriesList) {
            if (!series->Active() || !series->AssociatedToAxis(*axis))
                continue;
            int a = 0;
            int b = 0;
            if (axis->Horizontal()) {
                series->CalcHorizMargins(a, b);
                if (automaticMinimum)
                    margins.left = std::max(margins.left, a);
                if (automaticMaximum)
                    margins.right = std::max(margins.right, b);
            } else {
                series->CalcVerticalMargins(a, b);
                if (automaticMaximum)
                    margins.top = std::max(margins.top, a);
                if (automaticMinimum)
                    margins.bottom = std::max(margins.bottom, b);
            }
        }
        const int low = axis->MinimumOffset();
        const int high = axis->MaximumOffset();
        if (low != 0 || high != 0) {
            const int lowEnd = axis->Inverted() ? high : low;
            const int highEnd = axis->Inverted() ? low : high;
            if (axis->Horizontal()) {
                margins.left += lowEnd;
                margins.right += highEnd;
            } else {
                margins.bottom += lowEnd;
                margins.top += highEnd;
            }
        }
        if (margins != TRect{})
            axis->FitRangeToMargins(margins);
    }
}

bool TCustomAxisPanel::IsPlaneReversed(int z) const
{
    const TCanvas3D &canvas = *Canvas();
    if (canvas.IsNonGdiCanvas() || !canvas.projection().is3D)
        return false;
    const TRect r = ChartRect;
    const TPoint a{r.left, r.top};
    const TPoint b{r.right, r.top};
    const TPoint c{r.right, r.bottom};
    // Seen from behind, the projected corners run the other way round.
    return PlotGeometry::IsClockwise(canvas.Calc3DPoint(a.x, a.y, z), canvas.Calc3DPoint(b.x, b.y, z),
                                     canvas.Calc3DPoint(c.x, c.y, z))
           != PlotGeometry::IsClockwise(a, b, c);
}

void TCustomAxisPanel::DrawVisibleRect(const TRect &rect)
{
    TCanvas3D &canvas = *Canvas();
    canvas.RectangleRect(rect);
    if (canvas.Brush()->Color() != BackgroundColor)
        return;
    const TColor penColor = canvas.Pen()->Color();
    if (canvas.Brush()->Color() == clBlack)
        canvas.Pen()->SetColor(clWhite);
    const TBrushStyle style = canvas.Brush()->Style();
    canvas.Brush()->SetStyle(bsClear);
    canvas.RectangleRect(rect);
    canvas.Brush()->SetStyle(style);
    canvas.Pen()->SetColor(penColor);
}

void TCustomAxisPanel::drawAxes()
{
    if (!m_axisVisible)
        return;
    DoBeforeDrawAxes();
    for (TChartAxis *axis : std::vector<TChartAxis *>(m_axes.Items()))
        if (axis->IsShown() && !(axis == BottomAxis() && IsPlaneReversed(0)))
            axis->DrawTitleAndLabels(true);
}

void TCustomAxisPanel::drawAllSeries()
{
    // Handlers must not add or remove series during a draw; a snapshot keeps the pass sound if
    // one does anyway, and debug builds stop there.
    const std::vector<TChartSeries *> listed = m_seriesList.Items();
    std::vector<QPointer<TChartSeries>> series(listed.begin(), listed.end());
    if (IsPlaneReversed(Width3D) != DepthAxis()->Inverted())
        std::reverse(series.begin(), series.end());
    for (const QPointer<TChartSeries> &s : series)
        if (s && s->Active())
            drawSeries(*s);
    Q_ASSERT(listed == m_seriesList.Items());
}

void TCustomAxisPanel::drawSeriesMarks(TChartSeries &series)
{
    if (series.Count() == 0 || !series.Marks()->Visible())
        return;
    const CubeClip clip(*this, series.Marks()->Clip());
    series.DrawMarks();
}

void TCustomAxisPanel::drawSeries(TChartSeries &series)
{
    if (View3D() && series.MoreSameZOrder()) {
        if (series.IsFirstInZOrder())
            drawSeriesGroup(series);
        return;
    }
    series.CalcFirstLastVisibleIndex();
    if (series.FirstValueIndex() == -1)
        return;
    series.DoBeforeDrawValues();
    {
        const CubeClip clip(*this, series.UseAxis() && m_clipPoints);
        const AliasedLinesScope smoothed(*Canvas(), false);
        series.DrawAllValues();
    }
    drawSeriesMarks(series);
    series.DoAfterDrawValues();
}

void TCustomAxisPanel::drawSeriesGroup(TChartSeries &series)
{
    // The series of one z order draw point by point in turn (bars side by side at one depth).
    std::vector<TChartSeries *> group;
    bool reached = false;
    for (TChartSeries *s : m_seriesList) {
        reached = reached || s == &series;
        if (reached && s->Active() && s->GetZOrder() == series.GetZOrder())
            group.push_back(s);
    }
    int first = -1;
    int last = -1;
    for (TChartSeries *s : group) {
        s->CalcFirstLastVisibleIndex();
        if (s->FirstValueIndex() == -1)
            continue;
        first = std::max(first, s->FirstValueIndex());
        last = std::max(last, s->LastValueIndex());
        s->DoBeforeDrawValues();
    }
    {
        const CubeClip clip(*this, m_clipPoints);
        const AliasedLinesScope smoothed(*Canvas(), false);
        if (first != -1) {
            const bool forward = series.DrawValuesForward();
            for (int step = 0; step <= last - first; ++step) {
                const int p = forward ? first + step : last - step;
                const bool seriesForward = p >= series.Count() || series.DrawSeriesForward(p);
                for (std::size_t k = 0; k < group.size(); ++k) {
                    TChartSeries *s = group[seriesForward ? k : group.size() - 1 - k];
                    if (s->Active() && p < s->Count())
                        s->DrawValue(p);
                }
            }
        }
    }
    for (TChartSeries *s : group)
        if (s->FirstValueIndex() != -1) {
            drawSeriesMarks(*s);
            s->DoAfterDrawValues();
        }
}

void TCustomAxisPanel::leaveEvent(QEvent *event)
{
    TCustomPlotPanelExtended::leaveEvent(event);
    runGuarded([this] { BroadcastToolEvent(teMouseLeave); });
}
