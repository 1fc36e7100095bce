// The legend's gradient: right to left, from silver to white.
#pragma once

#include "TCustomPlotGradient.h"

class TChartLegendGradient : public TPlotGradient
{
    Q_OBJECT
public:
    explicit TChartLegendGradient(QObject *owner = nullptr)
        : TPlotGradient(owner)
    {
        applyDefaults(*this);
    }

    // Gives a gradient the legend's defaults (the shape creates its gradient on first read).
    static void applyDefaults(TCustomPlotGradient &gradient)
    {
        const QSignalBlocker quiet(&gradient);
        gradient.SetDirection(gdRightLeft);
        gradient.SetStartColor(clSilver);
        gradient.SetEndColor(clWhite);
    }
};
