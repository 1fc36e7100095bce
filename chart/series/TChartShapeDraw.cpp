// Shape series: the shape in 2D or 3D in its rectangle, and its lines of text.
#include "TChartShape.h"

#include "TCustomAxisPanel.h"

#include "PlotColor.h"
#include "PlotRound.h"
#include "TCanvas3D.h"

#include <algorithm>

void TChartShape::DrawValue(int valueIndex)
{
    TCustomAxisPanel *chart = ParentChart();
    if (valueIndex != 0 || Count() != 2 || !chart)
        return;
    const std::optional<TRect> raw = rawRect();
    if (!raw)
        return;
    const TRect r = orderedRect(*raw);
    const TRect &plot = chart->ChartRect;
    if (r.right <= plot.left || plot.right <= r.left || r.bottom <= plot.top || plot.bottom <= r.top)
        return;
    TCanvas3D &canvas = *chart->Canvas();
    // The line keeps the direction of its points.
    drawShape(canvas, UseAxis() && chart->View3D(), m_style == chasLine ? *raw : r);
    drawText(canvas, r);
}

void TChartShape::DrawLegendShape(int valueIndex, const TRect &rect)
{
    Q_UNUSED(valueIndex);
    if (TCustomAxisPanel *chart = ParentChart())
        drawShape(*chart->Canvas(), false, rect);
}

void TChartShape::fillGradient(TCanvas3D &canvas, bool is3D, const TRect &rect) const
{
    const int z = MiddleZ();
    if (m_style == chasCircle) {
        const TRect box = is3D ? canvas.CalcRect3D(rect, z) : rect;
        canvas.ClipEllipse(box, false);
        m_gradient->Draw(canvas, box);
        canvas.UnClipRectangle();
    } else if (is3D) {
        m_gradient->Draw3D(canvas, {TPoint{rect.left, rect.top}, TPoint{rect.right, rect.top},
                                    TPoint{rect.right, rect.bottom}, TPoint{rect.left, rect.bottom}},
                           z);
    } else {
        m_gradient->Draw(canvas, {rect.left, rect.top, rect.right + 1, rect.bottom + 1});
    }
}

void TChartShape::drawShape(TCanvas3D &canvas, bool is3D, const TRect &rect)
{
    const int l = rect.left;
    const int t = rect.top;
    const int r = rect.right;
    const int b = rect.bottom;
    const int cx = (l + r) / 2;
    const int cy = (t + b) / 2;
    canvas.AssignVisiblePen(*Pen());
    if (m_transparent)
        canvas.Brush()->SetStyle(bsClear);
    else
        canvas.AssignBrush(*Brush(), clNone);
    canvas.SetBackMode(Brush()->Color() == clNone ? cbmTransparent : cbmOpaque);
    const bool filled = (m_style == chasRectangle && !(m_roundRectangle && !is3D)) || m_style == chasCircle;
    if (filled && m_gradient->Visible() && !m_transparent) {
        fillGradient(canvas, is3D, rect);
        // The gradient is the fill: the shape adds its outline.
        canvas.Brush()->SetStyle(bsClear);
    }
    const int z = MiddleZ();
    const int z0 = StartZ();
    const int z1 = EndZ();
    const bool dark = !m_transparent;
    const auto cross = [&] {
        if (is3D) {
            canvas.VertLine3D(cx, t, b, z);
            canvas.HorizLine3D(l, r, cy, z);
        } else {
            canvas.VertLine(cx, t, b);
            canvas.HorizLine(l, r, cy);
        }
    };
    const auto diagonalCross = [&] {
        if (is3D) {
            canvas.LineWithZ(l, t, r, b, z);
            canvas.LineWithZ(l, b, r, t, z);
        } else {
            canvas.Line(l, t, r + 1, b + 1);
            canvas.Line(l, b, r + 1, t - 1);
        }
    };
    const TPointArray up{{l, b}, {r, b}, {cx, t}};
    const TPointArray down{{l, t}, {r, t}, {cx, b}};
    const TPointArray diamond{{l, cy}, {cx, t}, {r, cy}, {cx, b}};
    switch (m_style) {
    case chasRectangle:
        if (is3D)
            canvas.RectangleWithZ(rect, z);
        else if (m_roundRectangle)
            canvas.RoundRect(l, t, r, b, 12, 12);
        else
            canvas.Rectangle(l, t, r + 1, b + 1);
        break;
    case chasCircle:
        if (is3D)
            canvas.EllipseWithZ(l, t, r, b, z);
        else
            canvas.Ellipse(l, t, r, b);
        break;
    case chasVertLine:
        if (is3D)
            canvas.VertLine3D(cx, t, b, z);
        else
            canvas.VertLine(cx, t, b);
        break;
    case chasHorizLine:
        if (is3D)
            canvas.HorizLine3D(l, r, cy, z);
        else
            canvas.HorizLine(l, r, cy);
        break;
    case chasTriangle:
    case chasInvertTriangle: {
        const TPointArray &points = m_style == chasTriangle ? up : down;
        if (is3D)
            canvas.TriangleWithZ(points[0], points[1], points[2], z);
        else
            canvas.Polygon(points);
        break;
    }
    case chasLine:
        if (is3D)
            canvas.LineWithZ(l, t, r, b, z);
        else
            canvas.Line(l, t, r, b);
        break;
    case chasDiamond:
        if (is3D)
            canvas.PlaneWithZ({diamond[0], diamond[1], diamond[2], diamond[3]}, z);
        else
            canvas.Polygon(diamond);
        break;
    case chasCube:
        if (is3D)
            canvas.Cube(l, r, t, b, z0, z1, dark);
        else
            canvas.Rectangle(l, t, r + 1, b + 1);
        break;
    case chasCross: cross(); break;
    case chasDiagCross: diagonalCross(); break;
    case chasStar:
        cross();
        diagonalCross();
        break;
    case chasPyramid:
    case chasInvertPyramid:
        if (is3D) {
            // The apex lies at the far end of the pyramid's axis: top and bottom swap to point down.
            const bool upward = m_style == chasPyramid;
            canvas.Pyramid(true, l, upward ? t : b, r, upward ? b : t, z0, z1, dark);
        } else {
            canvas.Polygon(m_style == chasPyramid ? up : down);
        }
        break;
    }
}

void TChartShape::drawText(TCanvas3D &canvas, const TRect &rect)
{
    if (m_text.isEmpty())
        return;
    canvas.AssignFont(m_font);
    // Text in the colour of the fill would vanish: white on black, else black.
    const TColor brush = PlotColor::ColorToRGB(Brush()->Color());
    if (PlotColor::ColorToRGB(m_font->Color()) == brush)
        canvas.Font()->SetColor(brush == clBlack ? clWhite : clBlack);
    const int h = canvas.FontHeight();
    const int lines = int(m_text.size());
    const int cx = (rect.left + rect.right) / 2;
    int y = rect.top;
    if (m_vertAlign == vaCenter)
        y = (rect.top + rect.bottom) / 2 - plotRound(lines * h / 2.0);
    else if (m_vertAlign == vaBottom)
        y = rect.bottom - lines * h;
    const int pen = Pen()->Width();
    canvas.SetBackMode(cbmTransparent);
    canvas.SetTextAlign(0);
    for (const QString &line : m_text) {
        const int w = canvas.TextWidth(line);
        int x = cx - w / 2;
        if (m_alignment == taLeftJustify)
            x = rect.left + pen + 4;
        else if (m_alignment == taRightJustify)
            x = rect.right - pen - w - 4;
        if (UseAxis())
            canvas.TextOut3D(x, y, StartZ(), line);
        else
            canvas.TextOut(x, y, line);
        y += h;
    }
}
