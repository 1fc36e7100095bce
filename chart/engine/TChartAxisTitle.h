// The title of an axis: a shape with a caption drawn at an angle beside the labels.
#pragma once

#include "TPlotCustomShape.h"

class TChartAxisTitle : public TPlotShape
{
    Q_OBJECT
    Q_PROPERTY(int Angle READ Angle WRITE SetAngle)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TChartAxisTitle(PlotPanelHost *parentChart = nullptr, QObject *owner = nullptr);

    int Angle() const { return m_angle; }
    // Written modulo 360.
    void SetAngle(int value);
    // The angle the axis gave its title when it made it, which is not stored.
    void InitAngle(int value);
    Q_INVOKABLE bool IsAngleStored() const { return m_angle != m_defaultAngle; }
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &value);

    void Assign(const TPlotCustomShapeBrushPen &source) override;

private:
    int m_angle = 0;
    int m_defaultAngle = 0;
    QString m_caption;
};
