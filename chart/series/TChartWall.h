// The walls that frame the plot area: back, left, bottom and right.
#pragma once

#include "TPlotCustomShape.h"

class TCustomChart;

class TCustomChartWall : public TPlotCustomShape
{
    Q_OBJECT
    Q_PROPERTY(bool AutoHide READ AutoHide WRITE SetAutoHide)
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
    Q_PROPERTY(TPlotGradient *Gradient READ gradientIfAny WRITE SetGradient)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    // The owner is the Qt parent; without one the chart is.
    explicit TCustomChartWall(TCustomChart *chart = nullptr, QObject *owner = nullptr);

    bool AutoHide() const { return m_autoHide; }
    void SetAutoHide(bool value);
    bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool value);
    // Thickness in pixels; 0 draws a flat plane.
    int Size() const { return m_size; }
    void SetSize(int value);
    TColor DefaultColor() const { return m_defaultColor; }
    Q_INVOKABLE bool IsColorStored() const { return Color() != m_defaultColor; }

    // Drawn after the series only with the chart's 3D walls on, visible and not auto-hidden.
    bool ShouldDraw() const;
    // Sides are shaded when the brush is solid-like, has no image, and Dark3D is on.
    bool ShadedSides() const;

    void Assign(const TPlotCustomShapeBrushPen &source) override;

protected:
    void setDefaultColor(TColor value)
    {
        m_defaultColor = value;
        SetColor(value);
    }
    TCustomChart *chart() const { return m_chart; }

private:
    TCustomChart *m_chart = nullptr;
    bool m_autoHide = false;
    bool m_dark3D = true;
    int m_size = 0;
    TColor m_defaultColor = clPlotColor;
};

class TChartWall : public TCustomChartWall
{
    Q_OBJECT
public:
    using TCustomChartWall::TCustomChartWall;
};

class TChartBackWall : public TChartWall
{
    Q_OBJECT
public:
    explicit TChartBackWall(TCustomChart *chart = nullptr, QObject *owner = nullptr);
};

class TChartRightWall : public TChartWall
{
    Q_OBJECT
public:
    using TChartWall::TChartWall;
};
