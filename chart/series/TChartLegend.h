// The chart legend as applications set it: publishes what the legend has.
#pragma once

#include "TCustomChartLegend.h"

class TChartLegend : public TCustomChartLegend
{
    Q_OBJECT
    Q_PROPERTY(LegendEnums::TLegendAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(PlotEnums::TBevelCut Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(bool CheckBoxes READ CheckBoxes WRITE SetCheckBoxes)
    Q_PROPERTY(LegendEnums::TCheckBoxesStyle CheckBoxesStyle READ CheckBoxesStyle WRITE SetCheckBoxesStyle)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int ColorWidth READ ColorWidth WRITE SetColorWidth)
    Q_PROPERTY(bool CurrentPage READ CurrentPage WRITE SetCurrentPage)
    Q_PROPERTY(bool CustomPosition READ CustomPosition WRITE SetCustomPosition)
    Q_PROPERTY(TChartHiddenPen *DividingLines READ DividingLines WRITE SetDividingLines)
    Q_PROPERTY(int FirstValue READ FirstValue WRITE SetFirstValue)
    Q_PROPERTY(TPlotFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool FontSeriesColor READ FontSeriesColor WRITE SetFontSeriesColor)
    Q_PROPERTY(TChartPen *Frame READ Pen WRITE SetPen)
    Q_PROPERTY(TPlotGradient *Gradient READ gradientIfAny WRITE SetGradient)
    Q_PROPERTY(int HorizMargin READ HorizMargin WRITE SetHorizMargin)
    Q_PROPERTY(bool Inverted READ Inverted WRITE SetInverted)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int LeftPercent READ LeftPercent WRITE SetLeftPercent)
    Q_PROPERTY(LegendEnums::TLegendStyle LegendStyle READ LegendStyle WRITE SetLegendStyle)
    Q_PROPERTY(int MaxNumRows READ MaxNumRows WRITE SetMaxNumRows)
    Q_PROPERTY(PlotEnums::TPlotUnits PositionUnits READ PositionUnits WRITE SetPositionUnits)
    Q_PROPERTY(bool ResizeChart READ ResizeChart WRITE SetResizeChart)
    Q_PROPERTY(TPlotShadow *Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(PlotEnums::TChartObjectShapeStyle ShapeStyle READ ShapeStyle WRITE SetShapeStyle)
    Q_PROPERTY(TLegendSymbol *Symbol READ Symbol WRITE SetSymbol)
    Q_PROPERTY(PlotEngineEnums::TLegendTextStyle TextStyle READ TextStyle WRITE SetTextStyle)
    Q_PROPERTY(TLegendTitle *Title READ Title WRITE SetTitle)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int TopPercent READ TopPercent WRITE SetTopPercent)
    Q_PROPERTY(int TopPos READ TopPos WRITE SetTopPos)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
    Q_PROPERTY(int VertMargin READ VertMargin WRITE SetVertMargin)
    Q_PROPERTY(int VertSpacing READ VertSpacing WRITE SetVertSpacing)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    using TCustomChartLegend::TCustomChartLegend;
};
