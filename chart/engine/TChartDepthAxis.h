// The axis along the depth of a 3D chart: series titles or Z values, hidden until switched on.
#pragma once

#include "TChartAxis.h"

class TChartDepthAxis : public TChartAxis
{
    Q_OBJECT
public:
    explicit TChartDepthAxis(AxisHost *host = nullptr, QObject *parent = nullptr);

    // The other depth axis (front and top), which follows this one's inversion.
    void SetTwin(TChartDepthAxis *twin) { m_twin = twin; }
    void SetInverted(bool value) override;
    TAxisLabelStyle CalcLabelStyle() const override;

private:
    QPointer<TChartDepthAxis> m_twin;
};
