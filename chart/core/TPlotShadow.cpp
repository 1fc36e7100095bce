// Shadow setters and drawing: fading strips, hard rectangles and ellipse shadows.
#include "TPlotShadow.h"

#include "PlotColor.h"
#include "PlotRound.h"
#include "TBrush.h"
#include "TCanvas3D.h"
#include "TCustomPlotGradient.h"
#include "TPen.h"
#include "TPlotBlend.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

TPlotShadow::TPlotShadow(QObject *owner)
    : QObject(owner)
{
}

void TPlotShadow::SetColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    Q_EMIT changed();
}

void TPlotShadow::SetHorizSize(int value)
{
    if (value == m_horizSize)
        return;
    m_horizSize = value;
    Q_EMIT changed();
}

void TPlotShadow::SetSmooth(bool value)
{
    if (value == m_smooth)
        return;
    m_smooth = value;
    Q_EMIT changed();
}

void TPlotShadow::SetTransparency(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == m_transparency)
        return;
    m_transparency = value;
    Q_EMIT changed();
}

void TPlotShadow::SetVertSize(int value)
{
    if (value == m_vertSize)
        return;
    m_vertSize = value;
    Q_EMIT changed();
}

void TPlotShadow::SetSize(int value)
{
    SetHorizSize(value);
    SetVertSize(value);
}

void TPlotShadow::setDefaults(TColor color, int size)
{
    m_defaultColor = color;
    m_defaultSize = size;
    m_color = color;
    m_horizSize = size;
    m_vertSize = size;
}

void TPlotShadow::Assign(const TPlotShadow &source)
{
    if (m_color == source.m_color && m_horizSize == source.m_horizSize && m_smooth == source.m_smooth
        && m_transparency == source.m_transparency && m_vertSize == source.m_vertSize)
        return;
    m_color = source.m_color;
    m_horizSize = source.m_horizSize;
    m_smooth = source.m_smooth;
    m_transparency = source.m_transparency;
    m_vertSize = source.m_vertSize;
    Q_EMIT changed();
}

TRect TPlotShadow::moved(const TRect &r) const
{
    return {addSaturated(r.left, m_horizSize), addSaturated(r.top, m_vertSize), addSaturated(r.right, m_horizSize),
            addSaturated(r.bottom, m_vertSize)};
}

bool TPlotShadow::isVisible() const
{
    return m_color != clNone && (m_horizSize != 0 || m_vertSize != 0);
}

namespace {

// The shadow editor's largest size: a fading shadow up to it always fades.
constexpr std::int64_t kMaxFadingPx = 1000;

// Lightening step per line of a fading strip, taken as a byte.
int fadeStep(TColor color, int size)
{
    const TColor c = PlotColor::ColorToRGB(color);
    const double average = (PlotColor::redOf(c) + PlotColor::greenOf(c) + PlotColor::blueOf(c)) / 3.0;
    return plotRound((255.0 - average) / size) & 0xFF;
}

} // namespace

void TPlotShadow::DrawZ(TCanvas3D &canvas, const TRect &r, int z)
{
    if (!isVisible())
        return;
    TPen *pen = canvas.Pen();
    TBrush *brush = canvas.Brush();
    brush->SetColor(m_color);
    brush->SetStyle(bsSolid);
    pen->SetStyle(psClear);
    std::unique_ptr<TPlotBlend> blend;
    if (m_transparency > 0) {
        blend = canvas.BeginBlending(canvas.RectFromRectZ(moved(r), z), m_transparency);
    }
    const bool in3D = !canvas.is2DOpen();
    const int h = m_horizSize;
    const int v = m_vertSize;
    // One line per pixel fades the shadow: one larger than the canvas (or the editor's largest)
    // is drawn as the area it covers instead.
    const TRect &bounds = canvas.Bounds();
    const std::int64_t fadeLimit = std::max({std::int64_t(bounds.right) - bounds.left,
                                             std::int64_t(bounds.bottom) - bounds.top, kMaxFadingPx});
    const bool fades = std::max(std::abs(std::int64_t(h)), std::abs(std::int64_t(v))) <= fadeLimit;
    const auto at = [](int a, int b) { return addSaturated(a, b); };
    if (m_smooth && Size() > 1 && fades) {
        pen->SetStyle(psSolid);
        if (v != 0) {
            pen->SetColor(m_color);
            const int step = fadeStep(m_color, v);
            for (int i = 1; i <= v; ++i) {
                const int left = r.left + h;
                const int right = r.right + h - v + i - 1;
                const int y = r.bottom + i - 1;
                if (in3D)
                    canvas.HorizLine3D(left, right, y, z);
                else
                    canvas.HorizLine(left, right, y);
                pen->SetColor(PlotColor::lighten(pen->Color(), step));
            }
        }
        if (h != 0) {
            pen->SetColor(m_color);
            const int step = fadeStep(m_color, h);
            for (int i = 1; i <= h; ++i) {
                const int x = r.right + i - 1;
                const int top = r.top + v;
                const int bottom = r.bottom + v - h + i - 1;
                if (in3D)
                    canvas.VertLine3D(x, top, bottom, z);
                else
                    canvas.VertLine(x, top, bottom);
                const int px = r.right + i - 2;
                const int py = r.bottom + v - h + i - 2;
                if (in3D)
                    canvas.SetPixel3D(px, py, z, pen->Color());
                else
                    canvas.SetPixel(px, py, pen->Color());
                pen->SetColor(PlotColor::lighten(pen->Color(), step));
            }
        }
    } else if (in3D) {
        canvas.RectangleWithZ({at(r.left, h), r.bottom, at(r.right, h), at(r.bottom, v)}, z);
        canvas.RectangleWithZ({r.right, at(r.top, v), at(r.right, h), at(r.bottom, v)}, z);
    } else {
        if (v > 0)
            canvas.Rectangle(at(r.left, h), r.bottom, at(r.right, h), at(at(r.bottom, 1), v));
        else if (v < 0)
            canvas.Rectangle(at(r.left, h), at(r.top, 1), at(r.right, h), at(r.top, v));
        if (h > 0)
            canvas.Rectangle(r.right, at(r.top, v), at(at(r.right, 1), h), at(at(r.bottom, v), 1));
        else if (h < 0)
            canvas.Rectangle(at(r.left, 1), at(r.top, v), at(r.left, h), at(at(r.bottom, v), 1));
    }
    if (blend)
        canvas.EndBlending(std::move(blend));
}

void TPlotShadow::DrawEllipse(TCanvas3D &canvas, const TRect &r, int z)
{
    if (!isVisible())
        return;
    TPen *pen = canvas.Pen();
    TBrush *brush = canvas.Brush();
    brush->SetColor(m_color);
    brush->SetStyle(bsSolid);
    pen->SetStyle(psClear);
    const TRect moved = this->moved(r);
    std::unique_ptr<TPlotBlend> blend;
    if (m_transparency > 0)
        blend = canvas.BeginBlending(canvas.RectFromRectZ(moved, z), m_transparency);
    if (m_smooth) {
        const TRect projected = canvas.RectFromRectZ(moved, z);
        canvas.ClipEllipse(projected, false);
        GradientValues gradient;
        gradient.direction = gdRadial;
        gradient.startColor = PlotColor::darken(m_color, 128);
        gradient.endColor = PlotColor::lighten(m_color, 32);
        gradient.draw(canvas, projected);
        canvas.UnClipRectangle();
    } else {
        canvas.EllipseWithZ(moved.left, moved.top, moved.right, moved.bottom, z);
    }
    if (blend)
        canvas.EndBlending(std::move(blend));
}
