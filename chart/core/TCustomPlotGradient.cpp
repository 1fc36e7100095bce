// Gradient setters, the mid-colour switch and drawing: banded, three-colour split and radial.
#include "TCustomPlotGradient.h"

#include "CanvasStateGuard.h"
#include "PlotColor.h"
#include "PlotGeometry.h"
#include "PlotRound.h"
#include "TBrush.h"
#include "TCanvas3D.h"
#include "TPen.h"

#include <algorithm>
#include <cmath>

TCustomPlotGradient::TCustomPlotGradient(QObject *owner)
    : QObject(owner)
{
}

void TCustomPlotGradient::SetBalance(int value)
{
    if (value == m_values.balance)
        return;
    m_values.balance = value;
    Changed();
}

void TCustomPlotGradient::SetDirection(TGradientDirection value)
{
    if (value == m_values.direction)
        return;
    m_values.direction = value;
    Changed();
}

void TCustomPlotGradient::SetEndColor(TColor value)
{
    if (value == m_values.endColor)
        return;
    m_values.endColor = value;
    Changed();
}

void TCustomPlotGradient::SetMidColor(TColor value)
{
    if (m_values.useMid) {
        if (value == clNone) {
            m_values.useMid = false;
            Changed();
        } else if (value != m_values.midColor) {
            m_values.midColor = value;
            Changed();
        }
    } else if (value != clNone) {
        m_values.useMid = true;
        m_values.midColor = value;
        Changed();
    }
}

void TCustomPlotGradient::UseMidColor()
{
    if (m_values.useMid)
        return;
    m_values.useMid = true;
    Changed();
}

void TCustomPlotGradient::SetRadialX(int value)
{
    if (value == m_values.radialX)
        return;
    m_values.radialX = value;
    Changed();
}

void TCustomPlotGradient::SetRadialY(int value)
{
    if (value == m_values.radialY)
        return;
    m_values.radialY = value;
    Changed();
}

void TCustomPlotGradient::SetStartColor(TColor value)
{
    if (value == m_values.startColor)
        return;
    m_values.startColor = value;
    Changed();
}

void TCustomPlotGradient::SetVisible(bool value)
{
    if (value == m_values.visible)
        return;
    m_values.visible = value;
    Changed();
}

bool TCustomPlotGradient::copyGradientValues(const TCustomPlotGradient &source)
{
    if (source.m_values == m_values)
        return false;
    m_values = source.m_values;
    return true;
}

void TCustomPlotGradient::Assign(const TCustomPlotGradient &source)
{
    if (&source != this && copyGradientValues(source))
        Changed();
}

void GradientValues::draw(TCanvas3D &canvas, const TRect &r, int roundSize) const
{
    TColor start = startColor;
    TColor end = endColor;
    TColor mid = effectiveMidColor();
    if (canvas.GetMonochrome()) {
        start = PlotColor::grey(start);
        end = PlotColor::grey(end);
        if (mid != clNone)
            mid = PlotColor::grey(mid);
    }
    if (roundSize > 0)
        canvas.ClipRoundRectangle(r, roundSize);
    if (direction == gdRadial) {
        drawRadial(canvas, r, start, end);
    } else if (!useMid || direction == gdDiagonalUp || direction == gdDiagonalDown) {
        canvas.GradientFill(r, start, end, direction, balance);
    } else {
        int cx = 0;
        int cy = 0;
        PlotGeometry::RectCenter(r, cx, cy);
        switch (direction) {
        case gdTopBottom:
            canvas.GradientFill({r.left, r.top, r.right, cy}, mid, end, direction, 50);
            canvas.GradientFill({r.left, cy, r.right, r.bottom}, start, mid, direction, 50);
            break;
        case gdBottomTop:
            canvas.GradientFill({r.left, r.top, r.right, cy}, start, mid, direction, 50);
            canvas.GradientFill({r.left, cy, r.right, r.bottom}, mid, end, direction, 50);
            break;
        case gdLeftRight:
            canvas.GradientFill({r.left, r.top, cx, r.bottom}, mid, end, direction, 50);
            canvas.GradientFill({cx, r.top, r.right, r.bottom}, start, mid, direction, 50);
            break;
        case gdRightLeft:
            canvas.GradientFill({r.left, r.top, cx, r.bottom}, start, mid, direction, 50);
            canvas.GradientFill({cx, r.top, r.right, r.bottom}, mid, end, direction, 50);
            break;
        default:
            canvas.GradientFill(r, start, end, direction, 50);
            break;
        }
    }
    if (roundSize > 0)
        canvas.UnClipRectangle();
}

void GradientValues::drawRadial(TCanvas3D &canvas, const TRect &rect, TColor start, TColor end) const
{
    const TRect r = PlotGeometry::OrientRect(rect);
    const int w = r.width();
    const int h = r.height();
    // An empty rectangle gave 1/0 and a NaN ellipse box.
    if (w <= 0 || h <= 0)
        return;
    canvas.ClipRectangle(r);
    int n = std::min(255, std::max(w, h));
    const double f = 1.0 / n;
    const TColor s = PlotColor::ColorToRGB(start);
    const TColor e = PlotColor::ColorToRGB(end);
    double dr = PlotColor::redOf(e) - PlotColor::redOf(s);
    double dg = PlotColor::greenOf(e) - PlotColor::greenOf(s);
    double db = PlotColor::blueOf(e) - PlotColor::blueOf(s);
    if (balance == 50) {
        dr *= f;
        dg *= f;
        db *= f;
    }
    const CanvasStateGuard saved(canvas);
    TBrush *brush = canvas.Brush();
    canvas.Pen()->SetStyle(psClear);
    brush->SetColor(e);
    canvas.FillRect(r);
    if (w % 2 != 0 || h % 2 != 0)
        --n;
    const double cx = radialX + 1 + (r.left + r.right) * 0.5;
    const double cy = radialY + 1 + (r.top + r.bottom) * 0.5;
    for (int i = n; i >= 0; --i) {
        double t = i;
        if (balance != 50)
            t = std::pow((1.0 + i) / (1.0 + n), balance * 0.015 + 0.5);
        brush->SetColor(PlotColor::makeColor(PlotColor::redOf(s) + plotRound(t * dr),
                                             PlotColor::greenOf(s) + plotRound(t * dg),
                                             PlotColor::blueOf(s) + plotRound(t * db)));
        // i * w in double: a bar zoomed to millions of pixels overflows the integer product.
        const double di = i;
        canvas.Ellipse(plotRound(cx - di * w * 0.5 * f), plotRound(cy - di * h * 0.5 * f),
                       plotRound(cx + di * w * 0.5 * f), plotRound(cy + di * h * 0.5 * f));
    }
    canvas.UnClipRectangle();
}

void TCustomPlotGradient::DrawFourPoints(TCanvas3D &canvas, const TFourPoints &points)
{
    canvas.ClipPolygon(points.data(), 4);
    Draw(canvas, PlotGeometry::PolygonBounds(points.data(), 4), 0);
    canvas.UnClipRectangle();
}

void TCustomPlotGradient::Draw3D(TCanvas3D &canvas, const TFourPoints &points, int z)
{
    TFourPoints projected;
    for (std::size_t i = 0; i < 4; ++i)
        projected[i] = canvas.Calc3DPoint(points[i].x, points[i].y, z);
    DrawFourPoints(canvas, projected);
}
