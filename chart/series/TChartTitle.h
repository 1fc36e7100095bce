// The text blocks above the plot (Title, SubTitle) and below it (Foot, SubFoot).
#pragma once

#include "TPlotCustomShapePosition.h"

#include <QStringList>

class TCustomChart;

class TChartTitle : public TPlotCustomShapePosition
{
    Q_OBJECT
    Q_PROPERTY(bool AdjustFrame READ AdjustFrame WRITE SetAdjustFrame)
    Q_PROPERTY(PlotEnums::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(PlotEnums::TBevelCut Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool CustomPosition READ CustomPosition WRITE SetCustomPosition)
    Q_PROPERTY(TPlotFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(TChartPen *Frame READ Pen WRITE SetPen)
    Q_PROPERTY(TPlotGradient *Gradient READ gradientIfAny WRITE SetGradient)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(TPlotShadow *Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(PlotEnums::TChartObjectShapeStyle ShapeStyle READ ShapeStyle WRITE SetShapeStyle)
    Q_PROPERTY(QStringList Text READ Text WRITE SetText)
    Q_PROPERTY(PlotEnums::TTextFormat TextFormat READ TextFormat WRITE SetTextFormat)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TChartTitle(TCustomChart *chart = nullptr);

    bool AdjustFrame() const { return m_adjustFrame; }
    void SetAdjustFrame(bool value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    const QStringList &Text() const { return m_text; }
    void SetText(const QStringList &value);
    // Top titles stand above the plot; foot titles below it.
    bool IsTop() const { return m_top; }

    // Whether the point lies in the rectangle the title was last drawn in (edges included).
    bool Clicked(int x, int y) const;
    const TRect &TitleRect() const { return m_titleRect; }

    // Draws the block and, unless it stands at its own position, takes its room from the chart
    // rectangle.
    void DrawTitle();

    void Assign(const TPlotCustomShapeBrushPen &source) override;

protected:
    void setTop(bool value) { m_top = value; }

private:
    int frameWidth() const;
    void drawText(const TRect &rect, int frame, int lineHeight);

    TCustomChart *m_chart = nullptr;
    bool m_adjustFrame = true;
    TAlignment m_alignment = taCenter;
    QStringList m_text;
    bool m_top = true;
    TRect m_titleRect;
};

class TChartFootTitle : public TChartTitle
{
    Q_OBJECT
public:
    explicit TChartFootTitle(TCustomChart *chart = nullptr);
};
