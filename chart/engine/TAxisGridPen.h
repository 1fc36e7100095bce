// The grid of an axis: a dotted grey pen with its depth position and the centred switch.
#pragma once

#include "TChartPen.h"

class TAxisGridPen : public TDottedGrayPen
{
    Q_OBJECT
    Q_PROPERTY(double ZPosition READ ZPosition WRITE SetZPosition NOTIFY changed)
    Q_PROPERTY(bool Centered READ Centered WRITE SetCentered NOTIFY changed)
public:
    // Grid lines lie on the back wall: the full depth, in percent.
    static constexpr double kDefaultZPosition = 100.0;

    explicit TAxisGridPen(QObject *owner = nullptr);

    double ZPosition() const { return m_zPosition; }
    void SetZPosition(double value);
    Q_INVOKABLE bool IsZPositionStored() const { return m_zPosition != kDefaultZPosition; }
    bool Centered() const { return m_centered; }
    void SetCentered(bool value);

    void Assign(const TPen &source) override;

private:
    double m_zPosition = kDefaultZPosition;
    bool m_centered = false;
};
