// Gradient fills in ten directions with two or three colours.
#pragma once

#include "PlotTypes.h"

#include <QObject>

class TCanvas3D;

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

    int Balance() const { return m_balance; }
    void SetBalance(int value);
    TGradientDirection Direction() const { return m_direction; }
    void SetDirection(TGradientDirection value);
    TColor EndColor() const { return m_endColor; }
    void SetEndColor(TColor value);
    // clNone while no mid colour is used.
    TColor MidColor() const { return m_useMid ? m_midColor : clNone; }
    void SetMidColor(TColor value);
    void UseMidColor();
    int RadialX() const { return m_radialX; }
    void SetRadialX(int value);
    int RadialY() const { return m_radialY; }
    void SetRadialY(int value);
    TColor StartColor() const { return m_startColor; }
    void SetStartColor(TColor value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);

    virtual void Assign(const TCustomPlotGradient &source);

    void Draw(TCanvas3D &canvas, const TRect &rect, int roundSize = 0);
    void DrawFourPoints(TCanvas3D &canvas, const TFourPoints &points);
    void Draw3D(TCanvas3D &canvas, const TFourPoints &points, int z);

Q_SIGNALS:
    void changed();

protected:
    void Changed() { Q_EMIT changed(); }

private:
    void drawRadial(TCanvas3D &canvas, const TRect &rect, TColor start, TColor end);

    int m_balance = 50;
    TGradientDirection m_direction = gdTopBottom;
    TColor m_endColor = clYellow;
    TColor m_midColor = clNone;
    int m_radialX = 0;
    int m_radialY = 0;
    TColor m_startColor = clWhite;
    bool m_visible = false;
    bool m_useMid = false;
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
        if (const auto *g = qobject_cast<const TPlotFontGradient *>(&source))
            m_outline = g->m_outline;
        TPlotGradient::Assign(source);
    }

private:
    bool m_outline = false;
};
