// The picture behind a chart: stretched, tiled, centred or at a given place, inside the walls or not.
#pragma once

#include "PlotTypes.h"
#include "TPicture.h"

class TBackImage : public TPicture
{
    Q_OBJECT
    Q_PROPERTY(bool Inside READ Inside WRITE SetInside NOTIFY changed)
    Q_PROPERTY(int Left READ Left WRITE SetLeft NOTIFY changed)
    Q_PROPERTY(PlotEnums::TPlotBackImageMode Mode READ Mode WRITE SetMode NOTIFY changed)
    Q_PROPERTY(int Top READ Top WRITE SetTop NOTIFY changed)
public:
    explicit TBackImage(QObject *owner = nullptr);

    bool Inside() const { return m_inside; }
    void SetInside(bool value);
    int Left() const { return m_left; }
    void SetLeft(int value);
    TPlotBackImageMode Mode() const { return m_mode; }
    void SetMode(TPlotBackImageMode value);
    int Top() const { return m_top; }
    void SetTop(int value);
    // The graphic's bottom-left pixel colour shows what lies behind; false while there is no graphic.
    bool Transparent() const { return m_transparent && !IsEmpty(); }
    void SetTransparent(bool value);

    // The picture as drawn: with its transparent colour cleared when Transparent.
    QImage drawnImage() const;

    void Assign(const TBackImage &source);

private:
    bool m_inside = false;
    int m_left = 0;
    TPlotBackImageMode m_mode = pbmStretch;
    int m_top = 0;
    bool m_transparent = false;
};
