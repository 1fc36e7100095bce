// A custom label of an axis: a value, its text and the shape it is drawn in.
#pragma once

#include "TPlotCustomShape.h"

class TAxisItem : public TPlotCustomShape
{
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE SetValue)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(PlotEnums::TBevelCut Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TPlotFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(PlotEnums::TChartObjectShapeStyle ShapeStyle READ ShapeStyle WRITE SetShapeStyle)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TAxisItem(PlotPanelHost *parentChart = nullptr, QObject *owner = nullptr);

    double Value() const { return m_value; }
    void SetValue(double value);
    // Empty: the axis formats the value.
    QString Text() const { return m_text; }
    void SetText(const QString &value);

    void Assign(const TPlotCustomShapeBrushPen &source) override;

private:
    double m_value = 0.0;
    QString m_text;
};
