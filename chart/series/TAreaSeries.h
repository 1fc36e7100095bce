// The area between a line and the value axis' edge (or a chosen origin) filled, optionally stacked.
#pragma once

#include "TCustomSeries.h"

class TAreaSeries : public TCustomSeries
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TBrushStyle AreaBrush READ AreaBrush WRITE SetAreaBrush)
    Q_PROPERTY(TChartBrush *AreaChartBrush READ AreaChartBrush WRITE SetAreaChartBrush)
    Q_PROPERTY(TColor AreaColor READ AreaColor WRITE SetAreaColor)
    Q_PROPERTY(TChartPen *AreaLinesPen READ AreaLinesPen WRITE SetAreaLinesPen)
    Q_PROPERTY(bool ClickableLine READ ClickableLine WRITE SetClickableLine)
    Q_PROPERTY(bool ColorEachLine READ ColorEachLine WRITE SetColorEachLine)
    Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
    Q_PROPERTY(bool DrawArea READ DrawArea WRITE SetDrawArea)
    Q_PROPERTY(TPlotGradient *Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(bool InvertedStairs READ InvertedStairs WRITE SetInvertedStairs)
    Q_PROPERTY(SeriesEnums::TMultiArea MultiArea READ MultiArea WRITE SetMultiArea)
    Q_PROPERTY(TSeriesPointer *Pointer READ Pointer WRITE SetPointer)
    Q_PROPERTY(bool Stairs READ Stairs WRITE SetStairs)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
    Q_PROPERTY(bool UseYOrigin READ UseYOrigin WRITE SetUseYOrigin)
    Q_PROPERTY(double YOrigin READ YOrigin WRITE SetYOrigin)
public:
    Q_INVOKABLE explicit TAreaSeries(QObject *owner = nullptr);

    // A view of Stacked: none, stack, stack 100 %.
    TMultiArea MultiArea() const;
    void SetMultiArea(TMultiArea value);
    Q_INVOKABLE bool IsMultiAreaStored() const { return MultiArea() != maNone; }
    bool UseYOrigin() const { return m_useYOrigin; }
    void SetUseYOrigin(bool value) { SetBooleanProperty(m_useYOrigin, value); }
    Q_INVOKABLE bool IsUseYOriginStored() const { return m_useYOrigin; }
    double YOrigin() const { return m_yOrigin; }
    void SetYOrigin(double value) { SetDoubleProperty(m_yOrigin, value); }
    Q_INVOKABLE bool IsYOriginStored() const { return m_yOrigin != 0.0; }
    Q_INVOKABLE bool IsClickableLineStored() const { return !ClickableLine(); }
    Q_INVOKABLE bool IsAreaBrushStored() const { return AreaBrush() != bsSolid; }

    QString GetEditorClassName() const override { return QStringLiteral("TAreaSeriesEditor"); }
    void Assign(const TCustomChartElement &source) override;
    void CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const override;
    void SetSubGallery(int index) override;
    void PrepareForGallery(bool enabled) override;
    void PrepareLegendCanvas(int valueIndex, TColor &backColor, TBrushStyle &brushStyle) override;
    void DrawLegendShape(int valueIndex, const TRect &rect) override;
    double MaxXValue() const override;
    double MinXValue() const override;
    double MaxYValue() const override;
    double MinYValue() const override;
    bool DrawSeriesForward(int valueIndex) const override;
    int GetOriginPos(int valueIndex) const override;

private:
    bool m_useYOrigin = false;
    double m_yOrigin = 0.0;
};
