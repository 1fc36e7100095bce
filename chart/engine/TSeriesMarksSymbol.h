// The colour square drawn inside a series mark, in the point's colour.
#pragma once

#include "TPlotCustomShape.h"

class TSeriesMarksSymbol : public TPlotCustomShape
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TBevelCut Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(TPlotShadow *Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(PlotEnums::TChartObjectShapeStyle ShapeStyle READ ShapeStyle WRITE SetShapeStyle)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TSeriesMarksSymbol(PlotPanelHost *parentChart = nullptr, QObject *owner = nullptr);

    Q_INVOKABLE bool IsVisibleStored() const { return Visible(); }
    // Whether the marks make room for the symbol and draw it.
    bool ShouldDraw() const { return Visible() && !Transparent(); }
};
