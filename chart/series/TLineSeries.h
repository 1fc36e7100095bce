// The series the diagram window draws every curve with: points joined by a line, pointers hidden.
#pragma once

#include "TCustomSeries.h"

class TLineSeries : public TCustomSeries
{
    Q_OBJECT
    Q_PROPERTY(bool ClickableLine READ ClickableLine WRITE SetClickableLine)
    Q_PROPERTY(bool ColorEachLine READ ColorEachLine WRITE SetColorEachLine)
    Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
    Q_PROPERTY(bool InvertedStairs READ InvertedStairs WRITE SetInvertedStairs)
    Q_PROPERTY(PlotEnums::TBrushStyle LineBrush READ LineBrush WRITE SetLineBrush)
    Q_PROPERTY(int LineHeight READ LineHeight WRITE SetLineHeight)
    Q_PROPERTY(TChartPen *OutLine READ OutLine WRITE SetOutLine)
    Q_PROPERTY(TSeriesPointer *Pointer READ Pointer WRITE SetPointer)
    Q_PROPERTY(TPlotShadow *Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(SeriesEnums::TCustomSeriesStack Stacked READ Stacked WRITE SetStacked)
    Q_PROPERTY(bool Stairs READ Stairs WRITE SetStairs)
public:
    Q_INVOKABLE explicit TLineSeries(QObject *owner = nullptr);

    Q_INVOKABLE bool IsClickableLineStored() const { return !ClickableLine(); }

    void Assign(const TCustomChartElement &source) override;
    void CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const override;
    void SetSubGallery(int index) override;
    void PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle) override;

protected:
    bool pixelColumnsAllowed() const override { return true; }
};
