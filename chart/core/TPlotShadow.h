// A drop shadow behind a rectangle or ellipse: hard or fading, optionally transparent.
#pragma once

#include "PlotTypes.h"

#include <QObject>

#include <algorithm>

class TCanvas3D;
class TPlotBlend;

class TPlotShadow : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY changed)
    Q_PROPERTY(int HorizSize READ HorizSize WRITE SetHorizSize NOTIFY changed)
    Q_PROPERTY(bool Smooth READ Smooth WRITE SetSmooth NOTIFY changed)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency NOTIFY changed)
    Q_PROPERTY(int VertSize READ VertSize WRITE SetVertSize NOTIFY changed)
public:
    explicit TPlotShadow(QObject *owner = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    int HorizSize() const { return m_horizSize; }
    void SetHorizSize(int value);
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool value);
    // Percent 0..100.
    int Transparency() const { return m_transparency; }
    void SetTransparency(int value);
    int VertSize() const { return m_vertSize; }
    void SetVertSize(int value);
    int Size() const { return std::max(m_horizSize, m_vertSize); }
    void SetSize(int value);

    // Owners that publish other defaults change them together with the values.
    void setDefaults(TColor color, int size);
    Q_INVOKABLE bool IsColorStored() const { return m_color != m_defaultColor; }
    Q_INVOKABLE bool IsHorizSizeStored() const { return m_horizSize != m_defaultSize; }
    Q_INVOKABLE bool IsVertSizeStored() const { return m_vertSize != m_defaultSize; }

    void Assign(const TPlotShadow &source);

    void Draw(TCanvas3D &canvas, const TRect &rect) { DrawZ(canvas, rect, 0); }
    void DrawZ(TCanvas3D &canvas, const TRect &rect, int z);
    void DrawEllipse(TCanvas3D &canvas, const TRect &rect, int z);

Q_SIGNALS:
    void changed();

private:
    bool isVisible() const;
    // The rectangle moved by the shadow's sizes, saturated at the integer range.
    TRect moved(const TRect &rect) const;
    TPlotBlend *prepare(TCanvas3D &canvas, const TRect &rect, int z) const;
    static void finish(TCanvas3D &canvas, TPlotBlend *blend);

    TColor m_color = clSilver;
    int m_horizSize = 0;
    bool m_smooth = true;
    int m_transparency = 0;
    int m_vertSize = 0;
    TColor m_defaultColor = clSilver;
    int m_defaultSize = 0;
};
