// The box of an annotation: a positioned shape, white and flat by default.
#pragma once

#include "TPlotCustomShapePosition.h"

class TPlotShapePosition : public TPlotCustomShapePosition
{
    Q_OBJECT
public:
    explicit TPlotShapePosition(QObject *owner = nullptr);
};
