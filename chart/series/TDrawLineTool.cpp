// The draw line tool. The line being drawn or dragged is a rubber band in not-xor mode over the
// screen buffer; the lines themselves are drawn after every pass.
#include "TDrawLineTool.h"

#include "PlotColor.h"
#include "PlotProCo.h"
#include "PlotProcs.h"
#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kHandleHalf = 3;

bool inHandle(const TPoint &handle, const TPoint &p)
{
    return std::abs(p.x - handle.x) <= kHandleHalf && std::abs(p.y - handle.y) <= kHandleHalf;
}

QRect spanning(const TPoint &a, const TPoint &b, int margin)
{
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)))
        .adjusted(-margin, -margin, margin, margin);
}

} // namespace

TDrawLineTool::TDrawLineTool(QObject *owner)
    : TPlotCustomToolSeries(owner)
{
}

TDrawLineTool::~TDrawLineTool()
{
    m_selected = nullptr;
    m_lines.Clear();
}

QString TDrawLineTool::Description() const
{
    return PlotProCo::text(PlotProCo::txtDrawLine);
}

void TDrawLineTool::SetEnableSelect(bool value)
{
    if (m_enableSelect == value)
        return;
    m_enableSelect = value;
    if (!value) {
        m_selected = nullptr;
        Repaint();
    }
}

void TDrawLineTool::SetSelected(TDrawLine *line)
{
    if (m_selected == line)
        return;
    m_selected = line;
    Repaint();
}

void TDrawLineTool::SetActive(bool value)
{
    if (!value) {
        m_band.forget();
        m_drawing = false;
        m_part = lpBody;
    }
    TPlotCustomToolSeries::SetActive(value);
}

void TDrawLineTool::SetParentChart(TCustomAxisPanel *value)
{
    m_band.forget();
    m_drawing = false;
    m_part = lpBody;
    TPlotCustomToolSeries::SetParentChart(value);
}

void TDrawLineTool::lineDestroyed(const TDrawLine *line)
{
    if (m_selected == line)
        m_selected = nullptr;
}

TPoint TDrawLineTool::AxisPoint(double x, double y) const
{
    const TChartAxis *horiz = GetHorizAxis();
    const TChartAxis *vert = GetVertAxis();
    if (!horiz || !vert)
        return {};
    return {horiz->ValueToPixel(x), vert->ValueToPixel(y)};
}

double TDrawLineTool::valueX(int x) const
{
    return GetHorizAxis()->PixelToValue(x);
}

double TDrawLineTool::valueY(int y) const
{
    return GetVertAxis()->PixelToValue(y);
}

TPoint TDrawLineTool::modelPoint(int x, int y) const
{
    const TCustomAxisPanel *chart = ParentChart();
    if (chart && chart->View3D())
        chart->Canvas()->InverseCalc3DPos(x, y, 0);
    return {x, y};
}

bool TDrawLineTool::ClickedLine(const TDrawLine &line, int x, int y, TLinePart part) const
{
    if (!line.IsFinite())
        return false;
    const TPoint p = modelPoint(x, y);
    const TPoint a = ScreenStart(line);
    const TPoint b = ScreenEnd(line);
    switch (part) {
    case lpStart: return inHandle(a, p);
    case lpEnd: return inHandle(b, p);
    case lpBody:
    case lpWhole: break;
    }
    const int t = m_clickTolerance;
    switch (line.Style()) {
    case dlLine: return PlotProcs::PointInLineTolerance(p, a.x, a.y, b.x, b.y, t);
    case dlHorizParallel:
        return PlotProcs::PointInLineTolerance(p, a.x, a.y, b.x, a.y, t)
               || PlotProcs::PointInLineTolerance(p, a.x, b.y, b.x, b.y, t);
    case dlVertParallel:
        return PlotProcs::PointInLineTolerance(p, a.x, a.y, a.x, b.y, t)
               || PlotProcs::PointInLineTolerance(p, b.x, a.y, b.x, b.y, t);
    }
    return false;
}

TDrawLine *TDrawLineTool::LineAt(int x, int y, TLinePart part) const
{
    if (m_selected && ClickedLine(*m_selected, x, y, part))
        return m_selected;
    for (int i = 0; i < m_lines.Count(); ++i)
        if (ClickedLine(*m_lines.Item(i), x, y, part))
            return m_lines.Item(i);
    return nullptr;
}

TDrawLine *TDrawLineTool::AnyLineAt(int x, int y) const
{
    for (const TLinePart part : {lpBody, lpStart, lpEnd})
        if (TDrawLine *line = LineAt(x, y, part))
            return line;
    return nullptr;
}

void TDrawLineTool::drawShape(TCanvas3D &canvas, const TPoint &from, const TPoint &to, TDrawLineStyle style) const
{
    const bool in3D = ParentChart()->View3D();
    const auto segment = [&](const TPoint &a, const TPoint &b) {
        if (in3D) {
            canvas.MoveTo3D(a.x, a.y, 0);
            canvas.LineTo3D(b.x, b.y, 0);
        } else {
            canvas.Line(a.x, a.y, b.x, b.y);
        }
    };
    switch (style) {
    case dlLine: segment(from, to); break;
    case dlHorizParallel:
        segment(from, {to.x, from.y});
        segment({from.x, to.y}, to);
        break;
    case dlVertParallel:
        segment(from, {from.x, to.y});
        segment({to.x, from.y}, to);
        break;
    }
}

void TDrawLineTool::drawHandles(TCanvas3D &canvas, const TDrawLine &line) const
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(ParentChart()->paintColor() != 0 ? clBlack : TColor(0xC0C0C0));
    canvas.Pen()->SetStyle(psClear);
    for (const TPoint &p : {ScreenStart(line), ScreenEnd(line)})
        canvas.Rectangle(p.x - kHandleHalf, p.y - kHandleHalf, p.x + kHandleHalf + 1, p.y + kHandleHalf + 1);
}

void TDrawLineTool::ChartEvent(int kind)
{
    TCustomAxisPanel *chart = ParentChart();
    if (kind != TCustomAxisPanel::teAfterDraw || !chart || !GetHorizAxis() || !GetVertAxis())
        return;
    TCanvas3D &canvas = *chart->Canvas();
    if (m_lines.Count() > 0) {
        TRect area = chart->ChartRect;
        if (Series()) {
            const TChartAxis &h = *GetHorizAxis();
            const TChartAxis &v = *GetVertAxis();
            area = {h.StartPixel(), v.StartPixel(), h.EndPixel(), v.EndPixel()};
        }
        const bool clip = chart->CanClip();
        if (clip)
            canvas.ClipCube(area, 0, chart->Width3D);
        for (int i = 0; i < m_lines.Count(); ++i) {
            TDrawLine &line = *m_lines.Item(i);
            if (!line.IsFinite())
                continue;
            canvas.AssignVisiblePen(line.penIfAny() ? *line.penIfAny() : *Pen());
            drawShape(canvas, ScreenStart(line), ScreenEnd(line), line.Style());
        }
        if (m_selected && m_selected->IsFinite())
            drawHandles(canvas, *m_selected);
        if (clip)
            canvas.UnClipRectangle();
    }
    // A pass in the middle of a drag shows the band again.
    if (m_drawing || m_part != lpBody)
        m_band.drawInPass(canvas, currentBand(), bandDraw());
}

TDrawLineTool::Band TDrawLineTool::currentBand() const
{
    const TCustomAxisPanel &chart = *ParentChart();
    const TChartPen &pen = m_selected && m_selected->penIfAny() ? *m_selected->penIfAny() : *Pen();
    Band band;
    band.from = m_from;
    band.to = m_to;
    band.style = m_selected && !m_drawing ? m_selected->Style() : dlLine;
    // Not-xor with the inverted background shows the pen's own colour over the background.
    band.color = PlotColor::ColorToRGB(pen.Color()) ^ (0xFFFFFF - PlotColor::ColorToRGB(chart.paintColor()));
    band.width = std::max(1, pen.Width());
    band.in3D = chart.View3D();
    return band;
}

OverlayShape<TDrawLineTool::Band>::Draw TDrawLineTool::bandDraw() const
{
    return [this](TCanvas3D &canvas, const Band &band) {
        if (band.from == band.to)
            return QRegion();
        const TChartPen &pen = m_selected && m_selected->penIfAny() ? *m_selected->penIfAny() : *Pen();
        canvas.AssignVisiblePenColor(pen, band.color);
        canvas.Pen()->SetMode(pmNotXor);
        canvas.Brush()->SetStyle(bsClear);
        drawShape(canvas, band.from, band.to, band.style);
        canvas.Pen()->SetMode(pmCopy);
        const int margin = band.width + 1;
        const TCanvas3D &c = canvas;
        const auto shown = [&](const TPoint &p) { return band.in3D ? c.Calc3DPoint(p.x, p.y, 0) : p; };
        return QRegion(spanning(shown(band.from), shown(band.to), margin))
               + QRegion(spanning(shown({band.from.x, band.to.y}), shown({band.to.x, band.from.y}), margin));
    };
}

void TDrawLineTool::ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState, int x, int y)
{
    if (!ParentChart() || !GetHorizAxis() || !GetVertAxis())
        return;
    switch (kind) {
    case TChartMouseEventKind::cmeDown:
        if (button == m_button)
            mouseDown(x, y);
        break;
    case TChartMouseEventKind::cmeMove: mouseMove(x, y); break;
    case TChartMouseEventKind::cmeUp:
        if (button == m_button)
            mouseUp();
        break;
    }
}

void TDrawLineTool::mouseDown(int x, int y)
{
    TCustomAxisPanel &chart = *ParentChart();
    TDrawLine *line = m_enableSelect ? AnyLineAt(x, y) : nullptr;
    if (line) {
        chart.CancelMouse = true;
        if (line == m_selected) {
            m_part = ClickedLine(*line, x, y, lpStart) ? lpStart : ClickedLine(*line, x, y, lpEnd) ? lpEnd : lpWhole;
        } else {
            bool allow = true;
            if (OnSelecting)
                OnSelecting(this, line, allow);
            // A refused selection starts no drag, so the release writes into no line.
            if (!allow)
                return;
            SetSelected(line);
            if (OnSelect)
                OnSelect(this);
            m_part = lpWhole;
        }
        m_from = ScreenStart(*line);
        m_to = ScreenEnd(*line);
        m_last = {x, y};
        return;
    }
    SetSelected(nullptr);
    if (!m_enableDraw)
        return;
    m_drawing = true;
    m_from = m_to = {x, y};
    m_band.move(chart, [this] { return std::optional<Band>(currentBand()); }, bandDraw());
    chart.CancelMouse = true;
}

void TDrawLineTool::mouseMove(int x, int y)
{
    TCustomAxisPanel &chart = *ParentChart();
    if (!m_drawing && m_part == lpBody) {
        if (!m_enableSelect)
            return;
        const bool overHandle = m_selected
                                && (ClickedLine(*m_selected, x, y, lpStart) || ClickedLine(*m_selected, x, y, lpEnd));
        if (overHandle)
            hoverCursor(true, ToolCursor::kCross);
        else if (AnyLineAt(x, y))
            hoverCursor(true, ToolCursor::kHandPoint);
        else {
            hoverCursor(false, 0);
            chart.CancelMouse = false;
        }
        return;
    }
    m_band.move(
        chart,
        [&] {
            if (m_drawing) {
                m_to = {x, y};
            } else if (m_part == lpStart) {
                m_from = {x, y};
            } else if (m_part == lpEnd) {
                m_to = {x, y};
            } else {
                const int dx = x - m_last.x, dy = y - m_last.y;
                m_from = {m_from.x + dx, m_from.y + dy};
                m_to = {m_to.x + dx, m_to.y + dy};
                m_last = {x, y};
            }
            return std::optional<Band>(currentBand());
        },
        bandDraw());
    chart.CancelMouse = true;
    m_dragged = true;
    if (OnDragLine)
        OnDragLine(this);
}

void TDrawLineTool::mouseUp()
{
    TCustomAxisPanel &chart = *ParentChart();
    m_band.erase(chart, bandDraw());
    if (m_part != lpBody && m_selected) {
        if (m_part == lpStart || m_part == lpWhole) {
            m_selected->SetX0(valueX(m_from.x));
            m_selected->SetY0(valueY(m_from.y));
        }
        if (m_part == lpEnd || m_part == lpWhole) {
            m_selected->SetX1(valueX(m_to.x));
            m_selected->SetY1(valueY(m_to.y));
        }
        m_part = lpBody;
        Repaint();
        if (m_dragged) {
            m_dragged = false;
            if (OnDraggedLine)
                OnDraggedLine(this);
        }
        return;
    }
    m_part = lpBody;
    if (!m_drawing)
        return;
    m_drawing = false;
    m_dragged = false;
    if (m_from == m_to)
        return;
    TDrawLine *line = m_lines.Add();
    line->SetX0(valueX(m_from.x));
    line->SetY0(valueY(m_from.y));
    line->SetX1(valueX(m_to.x));
    line->SetY1(valueY(m_to.y));
    if (m_selectNewLines)
        m_selected = line;
    Repaint();
    if (OnNewLine)
        OnNewLine(this);
}
