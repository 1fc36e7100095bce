// Shape setters, legacy stream properties and drawing: shadow, fill, outline, bevel, rotation.
#include "TPlotCustomShape.h"

#include "PlotGeometry.h"
#include "PlotPanelHost.h"
#include "PlotProcs.h"
#include "PlotRound.h"
#include "TCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TPlotCustomShape::TPlotCustomShape(PlotPanelHost *parentChart, QObject *owner)
    : TPlotCustomShapeBrushPen(parentChart, owner)
    , m_font(std::make_unique<TPlotFont>(this))
    , m_shadow(std::make_unique<TPlotShadow>(this))
    , m_gradient(this,
                 [this](TPlotGradient *g) {
                     gradientCreated(g);
                     connect(g, &TCustomPlotGradient::changed, this, &TPlotCustomShape::Repaint);
                 })
{
    // A black shadow of 3 pixels, also as the values that are not stored.
    m_shadow->setDefaults(clBlack, 3);
    connect(m_font.get(), &TFont::changed, this, &TPlotCustomShape::Repaint);
    connect(m_shadow.get(), &TPlotShadow::changed, this, &TPlotCustomShape::Repaint);
}

TPlotCustomShape::~TPlotCustomShape() = default;

void TPlotCustomShape::SetBevel(TBevelCut value)
{
    setShapeProperty(m_bevel, value);
}

void TPlotCustomShape::SetBevelWidth(int value)
{
    value = std::max(value, 1);
    if (value == m_bevelWidth)
        return;
    m_bevelWidth = value;
    Repaint();
}

void TPlotCustomShape::SetColor(TColor value)
{
    setShapeProperty(m_color, value);
}

void TPlotCustomShape::SetFont(const TPlotFont *value)
{
    if (value)
        m_font->Assign(*value);
}

void TPlotCustomShape::SetShadow(const TPlotShadow *value)
{
    if (value)
        m_shadow->Assign(*value);
}

void TPlotCustomShape::SetShapeStyle(TChartObjectShapeStyle value)
{
    setShapeProperty(m_shapeStyle, value);
}

void TPlotCustomShape::SetTextFormat(TTextFormat value)
{
    setShapeProperty(m_textFormat, value);
}

void TPlotCustomShape::SetTransparent(bool value)
{
    setShapeProperty(m_transparent, value);
}

TPlotGradient *TPlotCustomShape::Gradient()
{
    return m_gradient.getOrCreate();
}

void TPlotCustomShape::SetGradient(const TPlotGradient *value)
{
    if (m_gradient.set(value))
        Repaint();
}

void TPlotCustomShape::SetTransparency(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == m_transparency)
        return;
    m_transparency = value;
    Repaint();
}

void TPlotCustomShape::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *shape = qobject_cast<const TPlotCustomShape *>(&source); shape && shape != this) {
        SetBevel(shape->m_bevel);
        SetBevelWidth(shape->m_bevelWidth);
        SetColor(shape->m_color);
        SetFont(shape->m_font.get());
        SetGradient(shape->m_gradient.get());
        SetShapeStyle(shape->m_shapeStyle);
        SetShadow(shape->m_shadow.get());
        SetTextFormat(shape->m_textFormat);
        SetTransparent(shape->m_transparent);
        SetTransparency(shape->m_transparency);
    }
    TPlotCustomShapeBrushPen::Assign(source);
}

void TPlotCustomShape::defineProperties(PropertyFiler &filer)
{
    TPlotCustomShapeBrushPen::defineProperties(filer);
    filer.DefineProperty(QStringLiteral("ShadowColor"), [this](const QVariant &value) {
        m_shadow->SetColor(FilerValues::toColor(value, QStringLiteral("ShadowColor")));
    });
    filer.DefineProperty(QStringLiteral("ShadowSize"), [this](const QVariant &value) {
        m_shadow->SetSize(FilerValues::toInt(value, QStringLiteral("ShadowSize")));
    });
}

void TPlotCustomShape::Draw()
{
    DrawRectRotated(m_shapeBounds, 0, 0);
}

namespace {

// The corners turned by angle degrees about the rectangle's centre, in order around it.
TFourPoints rotatedCorners(const TRect &r, int angle)
{
    const double radians = angle * std::numbers::pi / 180.0;
    const double s = std::sin(radians);
    const double c = std::cos(radians);
    int cx = 0;
    int cy = 0;
    PlotGeometry::RectCenter(r, cx, cy);
    const auto turn = [&](int x, int y) {
        const double dx = double(x) - cx;
        const double dy = double(y) - cy;
        return TPoint{plotRound(dx * c + dy * s) + cx, plotRound(-dx * s + dy * c) + cy};
    };
    return {turn(r.left, r.top), turn(r.right, r.top), turn(r.right, r.bottom), turn(r.left, r.bottom)};
}

} // namespace

void TPlotCustomShape::DrawRectRotated(const TRect &rect, int angle, int z)
{
    if (m_transparent || !ParentChart() || !ParentChart()->Canvas())
        return;
    TCanvas3D &canvas = *ParentChart()->Canvas();
    // Canvases that are no GDI canvas draw flat shapes in their own 3D form.
    const bool capable = canvas.IsNonGdiCanvas();
    const TFourPoints corners = angle != 0 ? rotatedCorners(rect, angle) : TFourPoints{};
    // A rectangle's shadow lies beside it: drawn before the shape's blend it stays as opaque as
    // the screen leaves it (the screen blends only the shape's box), also where every shape
    // drawn inside a blend takes its opacity.
    const bool shadowed = m_shadow->Size() != 0 && Brush()->Style() != bsClear;
    const bool shadowBeside = angle == 0 && m_shapeStyle == fosRectangle;
    if (shadowed && shadowBeside)
        drawShadow(canvas, rect, angle, z, corners);
    std::unique_ptr<TPlotBlend> blend;
    if (m_transparency > 0)
        blend = canvas.BeginBlending(angle == 0 ? rect : PlotGeometry::PolygonBounds(corners.data(), 4), m_transparency);
    if (shadowed && !shadowBeside)
        drawShadow(canvas, rect, angle, z, corners);
    if (m_gradient && m_gradient->Visible()) {
        if (angle < 1) {
            if (capable) {
                const int savedZ = canvas.CurrentZ();
                canvas.SetCurrentZ(z);
                m_gradient->Draw(canvas, rect, 0);
                canvas.SetCurrentZ(savedZ);
            } else {
                m_gradient->Draw(canvas, rect, m_shapeStyle == fosRoundRectangle ? 16 : 0);
            }
        } else if (capable) {
            m_gradient->Draw3D(canvas, corners, z);
        } else {
            m_gradient->DrawFourPoints(canvas, corners);
        }
        canvas.Brush()->SetStyle(bsClear);
    } else {
        canvas.AssignBrushColor(*Brush(), m_color, Brush()->Color());
    }
    canvas.AssignVisiblePen(*Pen());
    drawOutline(canvas, rect, angle, z, corners);
    if (angle == 0) {
        TRect bevel = rect;
        PlotProcs::DrawBevel(canvas, m_bevel, bevel, 0, m_bevelWidth);
    }
    if (blend)
        canvas.EndBlending(std::move(blend));
}

// The box with the current pen and brush: shared by the shape and its transparent shadow.
void TPlotCustomShape::drawOutline(TCanvas3D &canvas, const TRect &rect, int angle, int z, const TFourPoints &corners)
{
    if (angle >= 1)
        canvas.Polygon(TPointArray(corners.begin(), corners.end()));
    else if (canvas.IsNonGdiCanvas())
        canvas.RectangleWithZ(rect, z);
    else if (m_shapeStyle == fosRoundRectangle)
        canvas.RoundRectRect(rect, 16, 16);
    else
        canvas.RectangleRect(rect);
}

void TPlotCustomShape::drawShadow(TCanvas3D &canvas, const TRect &rect, int angle, int z, const TFourPoints &corners)
{
    if (angle == 0 && m_shapeStyle == fosRectangle) {
        const bool flat = !canvas.IsNonGdiCanvas();
        if (flat)
            canvas.Begin2D();
        m_shadow->DrawZ(canvas, rect, z);
        if (flat)
            canvas.End2D();
    }
    if (m_transparency <= 0)
        return;
    // A transparent shape shows its shadow through itself: the whole box, moved.
    int dx = m_shadow->HorizSize();
    int dy = m_shadow->VertSize();
    if (std::max(dx, dy) > 0 && Pen()->Visible()) {
        dx += Pen()->Width();
        dy += Pen()->Width();
    }
    canvas.Pen()->SetStyle(psClear);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(m_shadow->Color());
    const TRect moved{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
    std::unique_ptr<TPlotBlend> blend;
    if (m_shadow->Transparency() > 0)
        blend = canvas.BeginBlending(moved, m_shadow->Transparency());
    if (angle == 0 && m_shapeStyle == fosRectangle) {
        // Only where the shape leaves it uncovered: the screen paints the shape over the rest
        // before it blends, and a canvas that blends each shape by its opacity would show the
        // shadow through the shape (a pink legend turning dark red).
        const int left = std::max(moved.left, rect.left);
        const int right = std::min(moved.right, rect.right);
        if (dx > 0)
            drawOutline(canvas, {rect.right, moved.top, moved.right, moved.bottom}, 0, z, corners);
        else if (dx < 0)
            drawOutline(canvas, {moved.left, moved.top, rect.left, moved.bottom}, 0, z, corners);
        if (dy > 0 && left < right)
            drawOutline(canvas, {left, rect.bottom, right, moved.bottom}, 0, z, corners);
        else if (dy < 0 && left < right)
            drawOutline(canvas, {left, moved.top, right, rect.top}, 0, z, corners);
    } else {
        TFourPoints movedCorners = corners;
        for (TPoint &p : movedCorners)
            p = {p.x + dx, p.y + dy};
        drawOutline(canvas, moved, angle, z, movedCorners);
    }
    if (blend)
        canvas.EndBlending(std::move(blend));
}
