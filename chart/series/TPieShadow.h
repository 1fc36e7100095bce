// The shadow under a pie: grey by default.
#pragma once

#include "TPlotShadow.h"

class TPieShadow : public TPlotShadow
{
    Q_OBJECT
public:
    static constexpr TColor kDefaultColor = 0xA0A0A0;

    explicit TPieShadow(QObject *owner = nullptr)
        : TPlotShadow(owner)
    {
        setDefaults(kDefaultColor, 0);
    }
};
