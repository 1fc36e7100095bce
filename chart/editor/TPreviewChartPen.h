// The pen of the print preview's margin lines: dotted in small dots unless changed.
#pragma once

#include "TChartPen.h"

class TPreviewChartPen : public TChartPen
{
    Q_OBJECT
public:
    explicit TPreviewChartPen(QObject *owner = nullptr);
};
