// The colour band tool: its rectangle, its drawing moment, and the two edge lines it drives.
#include "TColorBandTool.h"

#include "PlotProCo.h"
#include "PlotProcs.h"
#include "TChartAxis.h"
#include "TColorLineTool.h"
#include "TCustomAxisPanel.h"
#include "TCustomPlotGradient.h"
#include "TPlotZoom.h"
#include "ToolTypes.h"

#include <algorithm>
#include <cmath>

TColorBandTool::TColorBandTool(QObject *owner)
    : TPlotCustomToolAxis(owner)
    , m_gradient(new TPlotGradient(this))
{
    connect(m_gradient, &TCustomPlotGradient::changed, this, [this] { CanvasChanged(); });
    m_startLine = makeLine();
    m_endLine = makeLine();
}

TColorLineTool *TColorBandTool::makeLine()
{
    auto *line = new TColorLineTool(this);
    line->SetActive(false);
    line->SetDragRepaint(true);
    connect(line->Pen(), &TPen::changed, this, [this] { CanvasChanged(); });
    // A step of a repainting drag moves the band along; a not-xor drag moves it at the end.
    const auto follow = [this](TColorLineTool *sender) {
        if (sender == m_startLine)
            SetStartValue(sender->Value());
        else
            SetEndValue(sender->Value());
    };
    line->OnDragLine = [follow](TColorLineTool *sender) {
        if (sender->DragRepaint())
            follow(sender);
    };
    line->onDragEnded = [follow](TColorLineTool *sender) {
        if (!sender->DragRepaint())
            follow(sender);
    };
    return line;
}

QString TColorBandTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtColorBand);
}

TChartPen *TColorBandTool::StartLinePen() const
{
    return m_startLine->Pen();
}

void TColorBandTool::SetStartLinePen(const TChartPen *value)
{
    m_startLine->SetPen(value);
}

TChartPen *TColorBandTool::EndLinePen() const
{
    return m_endLine->Pen();
}

void TColorBandTool::SetEndLinePen(const TChartPen *value)
{
    m_endLine->SetPen(value);
}

void TColorBandTool::SetGradient(const TPlotGradient *value)
{
    if (value)
        m_gradient->Assign(*value);
}

bool TColorBandTool::ResizeStart() const
{
    return m_startLine->Active();
}

void TColorBandTool::SetResizeStart(bool value)
{
    m_startLine->SetActive(value);
}

bool TColorBandTool::ResizeEnd() const
{
    return m_endLine->Active();
}

void TColorBandTool::SetResizeEnd(bool value)
{
    m_endLine->SetActive(value);
}

void TColorBandTool::SetStartValue(double value)
{
    SetDoubleProperty(m_startValue, value);
    setLineValues();
}

void TColorBandTool::SetEndValue(double value)
{
    SetDoubleProperty(m_endValue, value);
    setLineValues();
}

void TColorBandTool::setLineValues()
{
    // The lines are given the band's values as they stand; a line being dragged keeps its own.
    if (!m_startLine->Dragging())
        m_startLine->SetValue(m_startValue);
    if (!m_endLine->Dragging())
        m_endLine->SetValue(m_endValue);
}

void TColorBandTool::Loaded()
{
    TPlotCustomToolAxis::Loaded();
    setLineValues();
}

void TColorBandTool::SetAxis(TChartAxis *value)
{
    TPlotCustomToolAxis::SetAxis(value);
    for (TColorLineTool *line : {m_startLine, m_endLine}) {
        line->bindAxisOnly(value);
        line->SetOwnerChart(ParentChart());
    }
}

void TColorBandTool::SetParentChart(TCustomAxisPanel *value)
{
    TPlotCustomToolAxis::SetParentChart(value);
    for (TColorLineTool *line : {m_startLine, m_endLine})
        line->SetOwnerChart(value);
}

int TColorBandTool::depth() const
{
    const TCustomAxisPanel *chart = ParentChart();
    return chart && m_drawBehind ? chart->Width3D : 0;
}

TRect TColorBandTool::BoundsRect() const
{
    const TChartAxis *axis = Axis();
    const TCustomAxisPanel *chart = ParentChart();
    if (!axis || !chart || !std::isfinite(m_startValue) || !std::isfinite(m_endValue))
        return {};
    TRect r = chart->ChartRect;
    const double low = std::min(m_startValue, m_endValue);
    const double high = std::max(m_startValue, m_endValue);
    if (low > axis->Maximum() || high < axis->Minimum())
        return {};
    // The first value is the one at the axis' start pixel.
    const double first = axis->Inverted() ? high : low;
    const double second = axis->Inverted() ? low : high;
    const bool penVisible = Pen()->Visible();
    if (axis->Horizontal()) {
        r.left = std::max(axis->StartPixel(), axis->ValueToPixel(first));
        r.right = std::min(axis->EndPixel(), axis->ValueToPixel(second));
        if (penVisible)
            ++r.right;
    } else {
        r.top = std::max(axis->StartPixel(), axis->ValueToPixel(second));
        r.bottom = std::min(axis->EndPixel(), axis->ValueToPixel(first));
        ++r.left;
        ++r.bottom;
        if (!penVisible) {
            ++r.bottom;
            ++r.right;
        }
    }
    return r;
}

bool TColorBandTool::Clicked(int x, int y) const
{
    const TRect r = BoundsRect();
    const TCustomAxisPanel *chart = ParentChart();
    if (!chart || r.right <= r.left || r.bottom <= r.top)
        return false;
    const TFourPoints corners = chart->Canvas()->FourPointsFromRect(r, depth());
    return PlotProcs::PointInPolygon({x, y}, corners.data(), 3);
}

void TColorBandTool::drawBand()
{
    TCustomAxisPanel &chart = *ParentChart();
    const TRect r = BoundsRect();
    if (r.right - r.left <= 0 || r.bottom - r.top <= 0)
        return;
    TCanvas3D &canvas = *chart.Canvas();
    canvas.AssignBrushColor(*Brush(), m_color, chart.paintColor());
    canvas.AssignVisiblePen(*Pen());
    const int z = depth();
    const bool in3D = chart.View3D();
    const auto fill = [&] {
        if (m_gradient->Visible()) {
            m_gradient->Draw(canvas, in3D ? canvas.CalcRect3D(r, z) : r);
            canvas.Brush()->SetStyle(bsClear);
        }
        if (in3D)
            canvas.RectangleWithZ(r, z);
        else
            canvas.RectangleRect(r);
    };
    if (m_transparency == 0) {
        fill();
    } else {
        auto blend = canvas.BeginBlending(in3D ? canvas.CalcRect3D(r, z) : r, m_transparency);
        fill();
        canvas.EndBlending(std::move(blend));
    }
    for (TColorLineTool *line : {m_startLine, m_endLine}) {
        if (!line->Active())
            continue;
        line->SetValue(line == m_startLine ? m_startValue : m_endValue);
        line->DrawBackLine();
        line->DrawFrontLine();
    }
}

void TColorBandTool::ChartEvent(int kind)
{
    if (!ParentChart() || !Axis())
        return;
    const int moment = m_drawBehindAxes ? TCustomAxisPanel::teBeforeAxes
                       : m_drawBehind   ? TCustomAxisPanel::teBeforeSeries
                                        : TCustomAxisPanel::teAfterDraw;
    if (kind == moment)
        drawBand();
}

void TColorBandTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomAxisPanel *chart = ParentChart();
    if (!chart || !Axis())
        return;
    if (m_startLine->Active())
        m_startLine->handleMouse(kind, button, x, y);
    if (m_endLine->Active() && !chart->CancelMouse)
        m_endLine->handleMouse(kind, button, x, y);
    if (kind == TChartMouseEventKind::cmeDown) {
        if (OnClick && Clicked(x, y))
            OnClick(this, button, shift, x, y);
    } else if (kind == TChartMouseEventKind::cmeMove && m_cursor != 0 && !chart->CancelMouse) {
        if (Clicked(x, y)) {
            showToolCursor(m_cursor);
            const auto *zoom = qobject_cast<TCustomPlotPanelExtended *>(chart);
            const bool busy = (zoom && zoom->Zoom()->Active) || (chart->Panning() && chart->Panning()->Active);
            if (!busy)
                chart->CancelMouse = true;
        } else {
            restoreToolCursor();
        }
    }
}
