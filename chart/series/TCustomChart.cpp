// The chart component: construction, the abstract steps of the axis panel (walls rectangle, titles,
// walls), zoom undo and colours.
#include "TCustomChart.h"

#include "ColorPalettes.h"
#include "TChartAxis.h"
#include "TChartAxisTitle.h"
#include "TChartDepthAxis.h"
#include "TChartSeries.h"
#include "TLegendSymbol.h"

#include "PlotConst.h"
#include "TCanvas3D.h"
#include "TCustomPlotGradient.h"
#include "TPlotBlend.h"

#include <QScopeGuard>

#include <cstdlib>

TCustomChart::TCustomChart(QWidget *parent)
    : TCustomAxisPanel(parent)
{
    const bool autoRepaint = std::exchange(AutoRepaint, false);
    // Moves without a button pressed show series cursors and reach the tools.
    setMouseTracking(true);
    m_title = new TChartTitle(this);
    m_subTitle = new TChartTitle(this);
    m_foot = new TChartFootTitle(this);
    m_subFoot = new TChartFootTitle(this);
    m_walls = new TChartWalls(this);
    m_legend = new TChartLegend(this);
    AutoRepaint = autoRepaint;
}

TCustomChart::~TCustomChart()
{
    m_savedAxes.clear();
    AutoRepaint = false;
}

// Walls rectangle and wall sizes.

void TCustomChart::CalcWallsRect()
{
    CalcSize3D();
    if (View3D() && View3DOptions()->Orthogonal() && !CustomChartRect) {
        const int back = WallsDrawn() ? m_walls->Back()->Size() : 0;
        const int w = std::abs(Width3D) + back;
        if (View3DOptions()->OrthoAngle() < 91) {
            ChartRect.right -= w;
            if (m_walls->Right()->Visible())
                ChartRect.right -= m_walls->Right()->Size() + 1;
        } else {
            ChartRect.left += w;
            if (m_walls->Left()->Visible())
                ChartRect.left += m_walls->Left()->Size() + 1;
        }
        ChartRect.top += back + std::abs(Height3D);
    }
    CalcChartDimensions();
}

int TCustomChart::GetAxisWallSize(const TChartAxis &axis) const
{
    if (!View3D() || !View3DWalls())
        return 0;
    if (&axis == LeftAxis())
        return visibleWallSize(*m_walls->Left());
    if (&axis == BottomAxis())
        return visibleWallSize(*m_walls->Bottom());
    if (&axis == RightAxis())
        return visibleWallSize(*m_walls->Right());
    return visibleWallSize(*m_walls->Back());
}

bool TCustomChart::WallsDrawn() const
{
    bool anyActive = false;
    for (const TChartSeries *series : SeriesList()) {
        if (!series->Active())
            continue;
        if (series->UseAxis())
            return true;
        anyActive = true;
    }
    return !anyActive;
}

// Titles.

void TCustomChart::DrawTitlesAndLegend(bool beforeAxes)
{
    TCanvas3D &canvas = *Canvas();
    canvas.Begin2D();
    {
        const auto end2D = qScopeGuard([&] { canvas.End2D(); });
        const auto drawTitles = [&] {
            // Titles that stand at their own place are painted over the series, the others take
            // their room first.
            for (TChartTitle *title : {m_title, m_subTitle, static_cast<TChartTitle *>(m_foot),
                                       static_cast<TChartTitle *>(m_subFoot)})
                if (title->CustomPosition() != beforeAxes)
                    title->DrawTitle();
        };
        const bool legendNow = m_legend->CustomPosition() != beforeAxes && m_legend->HasItems();
        if (beforeAxes && legendNow) {
            // A legend at the side takes its room before the titles, one above or below after them.
            if (m_legend->IsVertical()) {
                m_legend->DrawLegend();
                drawTitles();
            } else {
                drawTitles();
                m_legend->DrawLegend();
            }
        } else {
            if (legendNow)
                m_legend->DrawLegend();
            drawTitles();
        }
    }
    if (beforeAxes || !View3D() || !WallsDrawn())
        return;
    // Walls that now face the viewer stand in front of the series: drawn over them, with their axes,
    // whose titles and labels waited for them.
    const auto overWall = [](TChartAxis &axis) {
        if (!axis.IsShown())
            return;
        axis.DrawAxisLines();
        axis.DrawDeferredTexts();
    };
    if (sideWallInFront(false)) {
        drawRightWall();
        overWall(*RightAxis());
    }
    if (sideWallInFront(true)) {
        drawLeftWall();
        overWall(*LeftAxis());
    }
    if (IsPlaneReversed(Width3D)) {
        for (TChartAxis *axis : {TopAxis(), BottomAxis()})
            if (axis->IsShown())
                axis->DrawAxisLines();
        if (m_walls->Back()->ShouldDraw())
            drawBackWall();
        for (TChartAxis *axis : {TopAxis(), BottomAxis()})
            if (axis->IsShown())
                axis->DrawDeferredTexts();
    }
}

// Legend.

void TCustomChart::DrawVisibleRect(const TRect &rect)
{
    const TLegendSymbol &symbol = *m_legend->Symbol();
    if (!symbol.Gradient()->Visible()) {
        TCustomAxisPanel::DrawVisibleRect(rect);
        return;
    }
    TCanvas3D &canvas = *Canvas();
    TCustomPlotGradient gradient;
    gradient.Assign(*symbol.Gradient());
    gradient.SetEndColor(canvas.Brush()->Color());
    gradient.Draw(canvas, rect);
    canvas.Brush()->SetStyle(bsClear);
    canvas.AssignVisiblePen(*symbol.Pen());
    canvas.RectangleRect(rect);
}

QString TCustomChart::GetValueLegendText(const TChartSeries &series, int valueIndex) const
{
    return series.GetLegendText(valueIndex, m_legend->TextStyle());
}

// Walls.

bool TCustomChart::sideWallBehind(int x, bool leftSide) const
{
    const TCanvas3D &canvas = *Canvas();
    const TPoint a = canvas.Calc3DPoint(x, ChartRect.top, 0);
    const TPoint b = canvas.Calc3DPoint(x, ChartRect.top, Width3D);
    const TPoint c = canvas.Calc3DPoint(x, ChartRect.bottom, Width3D);
    // The turn of the projected wall tells which of its faces the viewer sees; the left wall's
    // inner face and the right wall's inner face turn opposite ways.
    const long long cross = (long long)(b.x - a.x) * (c.y - b.y) - (long long)(b.y - a.y) * (c.x - b.x);
    return leftSide ? cross >= 0 : cross <= 0;
}

bool TCustomChart::sideWallInFront(bool leftSide) const
{
    const bool shown = leftSide ? m_walls->Left()->ShouldDraw() : m_walls->Right()->ShouldDraw();
    return shown && !sideWallBehind(leftSide ? ChartRect.left : ChartRect.right, leftSide);
}

void TCustomChart::deferTextsUnderFrontWalls()
{
    // The walls drawn again after the series.
    const bool again = View3D() && WallsDrawn();
    RightAxis()->SetTextsDeferred(again && sideWallInFront(false));
    LeftAxis()->SetTextsDeferred(again && sideWallInFront(true));
    const bool reversed = again && IsPlaneReversed(Width3D);
    TopAxis()->SetTextsDeferred(reversed);
    BottomAxis()->SetTextsDeferred(reversed);
}

void TCustomChart::DrawWalls()
{
    // Before the axes are drawn: the texts of an axis that a wall will cover wait for that wall.
    deferTextsUnderFrontWalls();
    if (!WallsDrawn())
        return;
    const bool walls3D = View3D() && View3DWalls();
    if (walls3D && m_walls->Right()->Visible() && sideWallBehind(ChartRect.right, false))
        drawRightWall();
    if (View3DWalls() && m_walls->Back()->Visible() && !IsPlaneReversed(Width3D))
        drawBackWall();
    if (!walls3D)
        return;
    if (m_walls->Left()->Visible() && sideWallBehind(ChartRect.left, true))
        drawLeftWall();
    if (m_walls->Bottom()->Visible())
        drawBottomWall();
    if (IsPlaneReversed(Width3D) && BottomAxis()->IsShown())
        BottomAxis()->DrawTitleAndLabels(false); // the axis pass leaves it out on a reversed plane
}

void TCustomChart::prepareWall(TCustomChartWall &wall)
{
    TCanvas3D &canvas = *Canvas();
    canvas.AssignVisiblePen(*wall.Pen());
    if (wall.Transparent()) {
        canvas.Brush()->SetStyle(bsClear);
        return;
    }
    const TColor color = wall.Color() == clPlotColor ? wall.Brush()->Color() : wall.Color();
    canvas.AssignBrushColor(*wall.Brush(), color, Color());
}

namespace {

// Paints one wall: gradient first when it has one (then only the outline is drawn over it), the
// wall through a blend when it is partly transparent.
template <class Paint>
void paintWall(TCanvas3D &canvas, TCustomChartWall &wall, const TFourPoints &face, Paint paint)
{
    std::unique_ptr<TPlotBlend> blend;
    if (wall.Transparency() != 0) {
        TRect bounds{face[0].x, face[0].y, face[0].x, face[0].y};
        for (const TPoint &p : face) {
            bounds.left = std::min(bounds.left, p.x);
            bounds.top = std::min(bounds.top, p.y);
            bounds.right = std::max(bounds.right, p.x + 1);
            bounds.bottom = std::max(bounds.bottom, p.y + 1);
        }
        blend = canvas.BeginBlending(bounds, wall.Transparency());
    }
    const TPlotGradient *gradient = wall.gradientIfAny();
    if (gradient && gradient->Visible() && !wall.Transparent()) {
        wall.Gradient()->DrawFourPoints(canvas, face);
        canvas.Brush()->SetStyle(bsClear);
    }
    paint();
    if (blend)
        canvas.EndBlending(std::move(blend));
}

} // namespace

void TCustomChart::drawBackWall()
{
    TCanvas3D &canvas = *Canvas();
    TChartBackWall &wall = *m_walls->Back();
    prepareWall(wall);
    if (!View3D() || !canvas.projection().is3D) {
        const TRect r{ChartRect.left, ChartRect.top, ChartRect.right + 1, ChartRect.bottom + 1};
        paintWall(canvas, wall, canvas.FourPointsFromRect(r, 0), [&] {
            canvas.RectangleRect(r);
            if (BackImageInside() && HasBackImage())
                DrawBackImage(r, 0);
        });
        return;
    }
    const TRect r{ChartRect.left - visibleWallSize(*m_walls->Left()), ChartRect.top, ChartRect.right,
                  ChartRect.bottom + visibleWallSize(*m_walls->Bottom())};
    paintWall(canvas, wall, canvas.FourPointsFromRect(r, Width3D), [&] {
        if (wall.Size() < 1) {
            canvas.RectangleWithZ(r, Width3D);
        } else {
            // The box stands behind the depth, on the side the depth leans to.
            const int z1 = Width3D >= 0 ? Width3D + wall.Size() : Width3D - wall.Size();
            canvas.Cube(r.left, r.right, r.top, r.bottom, Width3D, z1, wall.ShadedSides());
        }
        if (BackImageInside() && HasBackImage())
            DrawBackImage(r, Width3D);
    });
}

namespace {

// The projected corners of a side wall's face at x, from the front to depth.
TFourPoints sideFace(const TCanvas3D &canvas, int x, int top, int bottom, int depth)
{
    return {canvas.Calc3DPoint(x, top, 0), canvas.Calc3DPoint(x, top, depth), canvas.Calc3DPoint(x, bottom, depth),
            canvas.Calc3DPoint(x, bottom, 0)};
}

} // namespace

void TCustomChart::drawRightWall()
{
    TCanvas3D &canvas = *Canvas();
    TChartRightWall &wall = *m_walls->Right();
    prepareWall(wall);
    const int x = ChartRect.right;
    const int bottom = ChartRect.bottom + visibleWallSize(*m_walls->Bottom());
    paintWall(canvas, wall, sideFace(canvas, x, ChartRect.top, bottom, Width3D), [&] {
        if (wall.Size() < 1)
            canvas.RectangleZ(x, ChartRect.top, bottom, 0, Width3D + 1);
        else
            canvas.Cube(x, x + wall.Size(), ChartRect.top, bottom, 0, Width3D + visibleWallSize(*m_walls->Back()),
                        wall.ShadedSides());
    });
}

void TCustomChart::drawLeftWall()
{
    TCanvas3D &canvas = *Canvas();
    TChartWall &wall = *m_walls->Left();
    prepareWall(wall);
    const int x = ChartRect.left;
    const int bottom = ChartRect.bottom + visibleWallSize(*m_walls->Bottom());
    paintWall(canvas, wall, sideFace(canvas, x, ChartRect.top, bottom, Width3D), [&] {
        if (wall.Size() < 1)
            canvas.RectangleZ(x, ChartRect.top, bottom, 0, Width3D);
        else
            canvas.Cube(x - wall.Size(), x, ChartRect.top, bottom, 0, Width3D + visibleWallSize(*m_walls->Back()),
                        wall.ShadedSides());
    });
}

void TCustomChart::drawBottomWall()
{
    TCanvas3D &canvas = *Canvas();
    TChartWall &wall = *m_walls->Bottom();
    prepareWall(wall);
    const TChartWall &leftWall = *m_walls->Left();
    int left = ChartRect.left;
    if (leftWall.Visible() && leftWall.AutoHide() && !sideWallBehind(ChartRect.left, true))
        left -= leftWall.Size();
    const int y = ChartRect.bottom;
    const TFourPoints face{canvas.Calc3DPoint(left, y, 0), canvas.Calc3DPoint(left, y, Width3D),
                           canvas.Calc3DPoint(ChartRect.right, y, Width3D), canvas.Calc3DPoint(ChartRect.right, y, 0)};
    paintWall(canvas, wall, face, [&] {
        if (wall.Size() < 1)
            canvas.RectangleY(left, y, ChartRect.right, 0, Width3D);
        else
            canvas.Cube(left, ChartRect.right, y, y + wall.Size(), 0, Width3D, wall.ShadedSides());
    });
}

// Colours.

bool TCustomChart::IsFreeSeriesColor(TColor color, bool checkBackground, const TChartSeries *series)
{
    for (const TChartSeries *other : SeriesList())
        if (other != series && other->Color() == color)
            return false;
    return !checkBackground || (color != Color() && color != m_walls->Back()->Color());
}

TColor TCustomChart::GetBackColor() const
{
    const TChartBackWall &back = *m_walls->Back();
    return back.Transparent() ? paintColor() : back.Color();
}

void TCustomChart::SetBackColor(TColor value)
{
    m_walls->Back()->SetColor(value);
    if (parentWidget() && !IsLoading())
        m_walls->Back()->Brush()->SetStyle(bsSolid);
}

// Zoom.

void TCustomChart::SaveAxesState()
{
    m_savedAxes.clear();
    for (TChartAxis *axis : Axes().Items()) {
        if (axis->IsDepthAxis())
            continue;
        m_savedAxes.push_back({axis, axis->Automatic(), axis->AutomaticMinimum(), axis->AutomaticMaximum(),
                               axis->Minimum(), axis->Maximum()});
    }
    m_axesRestored = false;
}

void TCustomChart::UndoZoom()
{
    if (!m_axesRestored) {
        const std::vector<SavedAxis> saved = std::exchange(m_savedAxes, {});
        m_axesRestored = true;
        for (const SavedAxis &state : saved) {
            TChartAxis *axis = state.axis;
            if (!axis)
                continue; // removed during the zoom
            axis->SetAutomatic(state.automatic);
            axis->SetAutomaticMinimum(state.automaticMinimum);
            axis->SetAutomaticMaximum(state.automaticMaximum);
            // The order keeps minimum <= maximum at every step, so neither setter refuses.
            if (state.minimum > axis->Maximum()) {
                axis->SetMaximum(state.maximum);
                axis->SetMinimum(state.minimum);
            } else {
                axis->SetMinimum(state.minimum);
                axis->SetMaximum(state.maximum);
            }
        }
    }
    TCustomAxisPanel::UndoZoom();
}

// Series and axes.

TChartSeries *TCustomChart::GetFirstActiveSeries() const
{
    for (TChartSeries *series : SeriesList())
        if (series->Active())
            return series;
    return nullptr;
}

void TCustomChart::RemoveAllSeries()
{
    while (SeriesCount() > 0)
        RemoveSeriesAt(0);
}

QString TCustomChart::AxisTitleOrName(const TChartAxis &axis) const
{
    const QString caption = axis.Title()->Caption();
    if (!caption.isEmpty())
        return caption;
    using namespace PlotConst;
    const std::pair<const TChartAxis *, Message> names[] = {
        {LeftAxis(), msgLeftAxis},   {RightAxis(), msgRightAxis}, {TopAxis(), msgTopAxis},
        {BottomAxis(), msgBottomAxis}, {DepthAxis(), msgDepthAxis}, {DepthTopAxis(), msgDepthTopAxis},
    };
    for (const auto &[standard, text] : names)
        if (&axis == standard)
            return message(text);
    return {};
}

void TCustomChart::Assign(const TCustomPlotPanel &source)
{
    if (const auto *chart = qobject_cast<const TCustomChart *>(&source); chart && chart != this) {
        m_colorPaletteIndex = chart->m_colorPaletteIndex;
        m_foot->Assign(*chart->m_foot);
        m_legend->Assign(*chart->m_legend);
        m_scrollMouseButton = chart->m_scrollMouseButton;
        m_subFoot->Assign(*chart->m_subFoot);
        m_subTitle->Assign(*chart->m_subTitle);
        m_title->Assign(*chart->m_title);
        m_walls->Assign(*chart->m_walls);
    }
    TCustomAxisPanel::Assign(source);
}

void TCustomChart::defineProperties(PropertyFiler &filer)
{
    TCustomAxisPanel::defineProperties(filer);
    filer.DefineProperty(
        QStringLiteral("ColorPaletteIndex"),
        [this](const QVariant &value) {
            // The palette itself, as setting the index gives it; the series read keep their colours.
            m_colorPaletteIndex = FilerValues::toInt(value, QStringLiteral("ColorPaletteIndex"));
            const std::span<const TColor> palette = TColorPalettes::colors(m_colorPaletteIndex);
            ColorPalette.assign(palette.begin(), palette.end());
        },
        [this] { return QVariant(m_colorPaletteIndex); }, [this] { return m_colorPaletteIndex >= 1; });
    filer.DefineProperty(QStringLiteral("BackColor"), [this](const QVariant &value) {
        SetBackColor(FilerValues::toColor(value, QStringLiteral("BackColor")));
    });
}
