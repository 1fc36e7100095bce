// The title line(s) at the top of the legend box.
#pragma once

#include "TPlotCustomShape.h"

#include <QStringList>

class TPlotCanvas;

class TLegendTitle : public TPlotShape
{
    Q_OBJECT
    Q_PROPERTY(QStringList Text READ Text WRITE SetText)
    Q_PROPERTY(PlotEnums::TAlignment TextAlignment READ TextAlignment WRITE SetTextAlignment)
    Q_PROPERTY(PlotEnums::TTextFormat TextFormat READ TextFormat WRITE SetTextFormat)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TLegendTitle(PlotPanelHost *parentChart = nullptr, QObject *owner = nullptr);

    const QStringList &Text() const { return m_text; }
    void SetText(const QStringList &value);
    TAlignment TextAlignment() const { return m_textAlignment; }
    void SetTextAlignment(TAlignment value);

    // Extents in the title's font on the canvas; the font is left on the canvas.
    int TotalHeight(TPlotCanvas &canvas) const;
    int TotalWidth(TPlotCanvas &canvas) const;
    // The box at rect and the lines aligned inside it.
    void DrawTitle(TPlotCanvas &canvas, const TRect &rect);

    void Assign(const TPlotCustomShapeBrushPen &source) override;

private:
    int frameWidth() const;

    QStringList m_text;
    TAlignment m_textAlignment = taLeftJustify;
};
