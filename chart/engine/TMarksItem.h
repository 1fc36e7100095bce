// The format of one point's mark, and an optional text of its own that replaces the mark text.
#pragma once

#include "TPlotCustomShape.h"

#include <QStringList>

#include <optional>

class TMarksItem : public TPlotCustomShape
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TBevelCut Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TPlotFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TChartPen *Frame READ Pen WRITE SetPen)
    Q_PROPERTY(TPlotGradient *Gradient READ gradientIfAny WRITE SetGradient)
    Q_PROPERTY(TPlotShadow *Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(PlotEnums::TChartObjectShapeStyle ShapeStyle READ ShapeStyle WRITE SetShapeStyle)
    Q_PROPERTY(QStringList Text READ Text WRITE SetText)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TMarksItem(PlotPanelHost *parentChart = nullptr, QObject *owner = nullptr);

    // Lines of the point's own text; none until set. An empty list frees it.
    QStringList Text() const { return m_text.value_or(QStringList()); }
    void SetText(const QStringList &value);
    bool HasText() const { return m_text.has_value(); }
    Q_INVOKABLE bool IsTextStored() const { return HasText(); }
    void ClearText();

    void Assign(const TPlotCustomShapeBrushPen &source) override;

private:
    std::optional<QStringList> m_text;
};
