// The grid band tool and its band brushes. The bands are drawn by the axis, through its grid hook,
// just before its grid lines.
#include "TGridBandTool.h"

#include "PlotProCo.h"
#include "TCanvas3D.h"
#include "TChartAxis.h"
#include "TChartWall.h"
#include "TCustomChart.h"
#include "TCustomPlotGradient.h"

#include <algorithm>

TGridBandBrush::TGridBandBrush(QObject *owner)
    : TChartBrush(owner)
    , m_gradient(new TPlotGradient(this))
{
    connect(m_gradient, &TCustomPlotGradient::changed, this, &TBrush::changed);
}

void TGridBandBrush::SetBackColor(TColor value)
{
    if (value == m_backColor)
        return;
    m_backColor = value;
    Q_EMIT changed();
}

void TGridBandBrush::SetTransparency(int value)
{
    if (value == m_transparency)
        return;
    m_transparency = value;
    Q_EMIT changed();
}

void TGridBandBrush::SetGradient(const TPlotGradient *value)
{
    if (value)
        m_gradient->Assign(*value);
}

void TGridBandBrush::Assign(const TBrush &source)
{
    if (const auto *band = qobject_cast<const TGridBandBrush *>(&source)) {
        m_backColor = band->m_backColor;
        m_transparency = band->m_transparency;
        m_gradient->Assign(*band->m_gradient);
    }
    TChartBrush::Assign(source);
}

TGridBandTool::TGridBandTool(QObject *owner)
    : TPlotCustomToolAxis(owner)
    , m_band1(new TGridBandBrush(this))
    , m_band2(new TGridBandBrush(this))
{
    for (TGridBandBrush *band : {m_band1, m_band2})
        connect(band, &TBrush::changed, this, [this] { CanvasChanged(); });
}

TGridBandTool::~TGridBandTool()
{
    if (TChartAxis *axis = Axis())
        axis->ClearGridCallback(this);
}

QString TGridBandTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtGridBand);
}

void TGridBandTool::SetBand1(const TGridBandBrush *value)
{
    if (value)
        m_band1->Assign(*value);
}

void TGridBandTool::SetBand2(const TGridBandBrush *value)
{
    if (value)
        m_band2->Assign(*value);
}

void TGridBandTool::SetAxis(TChartAxis *value)
{
    if (TChartAxis *old = Axis(); old && old != value)
        old->ClearGridCallback(this);
    TPlotCustomToolAxis::SetAxis(value);
    if (value)
        value->SetGridCallback(this, [this](TChartAxis &axis) { drawBands(axis); });
}

void TGridBandTool::drawBands(TChartAxis &axis)
{
    const std::vector<int> ticks = axis.TickPositions();
    if (!Active() || !ParentChart() || ticks.size() < 2)
        return;
    if (m_band1->Style() == bsClear && m_band2->Style() == bsClear)
        return;
    TGridBandBrush *current = m_band1;
    const auto next = [&] { current = current == m_band1 ? m_band2 : m_band1; };
    const bool horizontal = axis.Horizontal();
    // The ticks run from the axis' maximum end towards its minimum.
    if (horizontal && axis.EndPixel() > ticks[0])
        drawBand(axis, *current, axis.EndPixel() - 1, ticks[0]);
    else if (!horizontal && axis.StartPixel() < ticks[0])
        drawBand(axis, *current, axis.StartPixel() + 1, ticks[0]);
    next();
    if (ticks.size() < 3)
        return;
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        drawBand(axis, *current, ticks[i - 1], ticks[i]);
        next();
    }
    const int last = ticks.back();
    if (horizontal && last > axis.StartPixel())
        drawBand(axis, *current, last, axis.StartPixel());
    else if (!horizontal && last < axis.EndPixel())
        drawBand(axis, *current, last, axis.EndPixel());
}

void TGridBandTool::drawBand(TChartAxis &axis, TGridBandBrush &brush, int a, int b)
{
    if (brush.Style() == bsClear)
        return;
    if (a > b)
        std::swap(a, b);
    TCustomAxisPanel &chart = *ParentChart();
    TCanvas3D &canvas = *chart.Canvas();
    const TRect c = chart.ChartRect;
    const TRect r = axis.Horizontal() ? TRect{a, c.top + 1, b, c.bottom} : TRect{c.left + 1, a, c.right, b + 1};
    const bool in3D = chart.View3D();
    const int depth = chart.Width3D;
    const auto fill = [&] {
        if (brush.Gradient()->Visible()) {
            brush.Gradient()->Draw(canvas, in3D ? canvas.CalcRect3D(r, depth) : TRect{r.left, r.top, r.right, r.bottom - 1});
            return;
        }
        TColor back = brush.BackColor();
        if (back == clNone) {
            const auto *custom = qobject_cast<const TCustomChart *>(&chart);
            back = custom ? custom->BackWall()->Color() : chart.paintColor();
        }
        canvas.AssignBrushColor(brush, brush.Color(), back);
        canvas.Pen()->SetStyle(psClear);
        if (in3D)
            canvas.RectangleWithZ(r, depth);
        else
            canvas.Rectangle(r.left, r.top, r.right + 1, r.bottom);
    };
    if (brush.Transparency() == 0) {
        fill();
        return;
    }
    auto blend = canvas.BeginBlending(in3D ? canvas.CalcRect3D(r, depth) : r, brush.Transparency());
    fill();
    canvas.EndBlending(std::move(blend));
}
