// Gradient fills in ten directions with two or three colours.
#pragma once

#include "PlotTypes.h"

#include <QObject>

class TCanvas3D;

// The values of a gradient, without the object: what the canvas fills from.
struct GradientValues
{
    int balance = 50;
    TGradientDirection direction = gdTopBottom;
    TColor endColor = clYellow;
    TColor midColor = clNone;
    int radialX = 0;
    int radialY = 0;
    TColor startColor = clWhite;
    bool visible = false;
    bool useMid = false;
    friend bool operator==(const GradientValues &, const GradientValues &) = default;

    // clNone while no mid colour is used.
    TColor effectiveMidColor() const { return useMid ? midColor : clNone; }
    // Fills the rectangle, clipped to a rounded rectangle when roundSize > 0.
    void draw(TCanvas3D &canvas, const TRect &rect, int roundSize = 0) const;

private:
    void drawRadial(TCanvas3D &canvas, const TRect &rect, TColor start, TColor end) const;
};

class TCustomPlotGradient : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Balance READ Balance WRITE SetBalance NOTIFY changed)
    Q_PROPERTY(PlotEnums::TGradientDirection Direction READ Direction WRITE SetDirection NOTIFY changed)
    Q_PROPERTY(TColor EndColor READ EndColor WRITE SetEndColor NOTIFY changed)
    Q_PROPERTY(TColor MidColor READ MidColor WRITE SetMidColor NOTIFY changed)
    Q_PROPERTY(TColor StartColor READ StartColor WRITE SetStartColor NOTIFY changed)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible NOTIFY changed)
public:
    explicit TCustomPlotGradient(QObject *owner = nullptr);

    int Balance() const { return m_values.balance; }
    void SetBalance(int value);
    TGradientDirection Direction() const { return m_values.direction; }
    void SetDirection(TGradientDirection value);
    TColor EndColor() const { return m_values.endColor; }
    void SetEndColor(TColor value);
    // clNone while no mid colour is used.
    TColor MidColor() const { return m_values.effectiveMidColor(); }
    void SetMidColor(TColor value);
    void UseMidColor();
    int RadialX() const { return m_values.radialX; }
    void SetRadialX(int value);
    int RadialY() const { return m_values.radialY; }
    void SetRadialY(int value);
    TColor StartColor() const { return m_values.startColor; }
    void SetStartColor(TColor value);
    bool Visible() const { return m_values.visible; }
    void SetVisible(bool value);

    const GradientValues &values() const { return m_values; }

    virtual void Assign(const TCustomPlotGradient &source);

    void Draw(TCanvas3D &canvas, const TRect &rect, int roundSize = 0) const { m_values.draw(canvas, rect, roundSize); }
    void DrawFourPoints(TCanvas3D &canvas, const TFourPoints &points);
    void Draw3D(TCanvas3D &canvas, const TFourPoints &points, int z);

Q_SIGNALS:
    void changed();

protected:
    void Changed() { Q_EMIT changed(); }
    // Copies the gradient part of source without notifying; true when a value changed.
    bool copyGradientValues(const TCustomPlotGradient &source);

private:
    GradientValues m_values;
};

// The published gradient, with the radial centre offsets.
class TPlotGradient : public TCustomPlotGradient
{
    Q_OBJECT
    Q_PROPERTY(int RadialX READ RadialX WRITE SetRadialX NOTIFY changed)
    Q_PROPERTY(int RadialY READ RadialY WRITE SetRadialY NOTIFY changed)
public:
    explicit TPlotGradient(QObject *owner = nullptr)
        : TCustomPlotGradient(owner)
    {
    }
};

// A text gradient; with Outline the glyph outline is filled instead of the glyphs.
class TPlotFontGradient : public TPlotGradient
{
    Q_OBJECT
    Q_PROPERTY(bool Outline READ Outline WRITE SetOutline NOTIFY changed)
public:
    explicit TPlotFontGradient(QObject *owner = nullptr)
        : TPlotGradient(owner)
    {
    }
    bool Outline() const { return m_outline; }
    void SetOutline(bool value)
    {
        if (value == m_outline)
            return;
        m_outline = value;
        Changed();
    }
    void Assign(const TCustomPlotGradient &source) override
    {
        if (&source == this)
            return;
        bool changed = false;
        if (const auto *g = qobject_cast<const TPlotFontGradient *>(&source)) {
            changed = m_outline != g->m_outline;
            m_outline = g->m_outline;
        }
        if (copyGradientValues(source) || changed)
            Changed();
    }

private:
    bool m_outline = false;
};
