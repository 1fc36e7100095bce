// A boxed chart element: bevel, fill colour or gradient, font, shadow, rectangle or rounded
// rectangle, transparency, drawn rotated or not at a depth. Descendants draw the text inside.
#pragma once

#include "OptionalChild.h"
#include "TCustomPlotGradient.h"
#include "TPlotCustomShapeBrushPen.h"
#include "TPlotFont.h"
#include "TPlotShadow.h"

#include <memory>

class TCanvas3D;

class TPlotCustomShape : public TPlotCustomShapeBrushPen
{
    Q_OBJECT
public:
    explicit TPlotCustomShape(PlotPanelHost *parentChart = nullptr, QObject *owner = nullptr);
    ~TPlotCustomShape() override;

    TBevelCut Bevel() const { return m_bevel; }
    void SetBevel(TBevelCut value);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int value); // 1 and up
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    TPlotFont *Font() const { return m_font.get(); }
    void SetFont(const TPlotFont *value);
    TPlotShadow *Shadow() const { return m_shadow.get(); }
    void SetShadow(const TPlotShadow *value);
    TChartObjectShapeStyle ShapeStyle() const { return m_shapeStyle; }
    void SetShapeStyle(TChartObjectShapeStyle value);
    TTextFormat TextFormat() const { return m_textFormat; }
    void SetTextFormat(TTextFormat value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool DefaultTransparent() const { return m_defaultTransparent; }
    Q_INVOKABLE bool IsTransparentStored() const { return m_transparent != m_defaultTransparent; }
    // Created on first read; writing none frees it. Invokable: stream readers create it through it.
    Q_INVOKABLE TPlotGradient *Gradient();
    TPlotGradient *gradientIfAny() const { return m_gradient.get(); }
    void SetGradient(const TPlotGradient *value);
    // Percent 0..100.
    int Transparency() const { return m_transparency; }
    void SetTransparency(int value);

    const TRect &ShapeBounds() const { return m_shapeBounds; }
    void SetShapeBounds(const TRect &value) { m_shapeBounds = value; }
    // Width and height count both edges: bounds (10, 10, 19, 19) are 10 wide.
    int Width() const { return m_shapeBounds.right - m_shapeBounds.left + 1; }
    void SetWidth(int value) { m_shapeBounds.right = m_shapeBounds.left + value - 1; }
    int Height() const { return m_shapeBounds.bottom - m_shapeBounds.top + 1; }
    void SetHeight(int value) { m_shapeBounds.bottom = m_shapeBounds.top + value - 1; }

    // Copies everything but the bounds, then brush, pen and visibility.
    void Assign(const TPlotCustomShapeBrushPen &source) override;
    // The legacy "ShadowColor" (a colour name or number) and "ShadowSize" (both sizes).
    void defineProperties(PropertyFiler &filer) override;

    // The box at ShapeBounds, not rotated, at depth 0, on the panel's canvas.
    void Draw();
    // The box turned by angle degrees about its centre, at depth z. Draws nothing without a panel.
    void DrawRectRotated(const TRect &rect, int angle, int z);

protected:
    // Gives a gradient created on first read the descendant's own defaults.
    virtual void gradientCreated(TPlotGradient *gradient) { Q_UNUSED(gradient); }
    // Descendants set the Transparent value that is not stored.
    void setDefaultTransparent(bool value)
    {
        m_transparent = value;
        m_defaultTransparent = value;
    }

private:
    void drawShadow(TCanvas3D &canvas, const TRect &rect, int angle, int z, const TFourPoints &corners);
    void drawOutline(TCanvas3D &canvas, const TRect &rect, int angle, int z, const TFourPoints &corners);

    TBevelCut m_bevel = bvNone;
    int m_bevelWidth = 2;
    TColor m_color = clWhite;
    // Children of the shape; the gradient only once read or written.
    std::unique_ptr<TPlotFont> m_font;
    std::unique_ptr<TPlotShadow> m_shadow;
    OptionalChild<TPlotGradient> m_gradient;
    TChartObjectShapeStyle m_shapeStyle = fosRectangle;
    TTextFormat m_textFormat = ttfNormal;
    bool m_transparent = false;
    bool m_defaultTransparent = false;
    int m_transparency = 0;
    TRect m_shapeBounds;
};

// The published form of a shape.
class TPlotShape : public TPlotCustomShape
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TBevelCut Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TPlotFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TPlotGradient *Gradient READ gradientIfAny WRITE SetGradient)
    Q_PROPERTY(TPlotShadow *Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(PlotEnums::TChartObjectShapeStyle ShapeStyle READ ShapeStyle WRITE SetShapeStyle)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
public:
    using TPlotCustomShape::TPlotCustomShape;
};
