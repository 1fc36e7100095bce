// The grid band tool: fills every other gap between the grid lines of an axis, with two brushes
// in turn.
#pragma once

#include "TChartBrush.h"
#include "TPlotCustomTool.h"

class TChartAxis;
class TPlotGradient;

// A band's brush: the brush with a back colour, a gradient and a transparency.
class TGridBandBrush : public TChartBrush
{
    Q_OBJECT
    Q_PROPERTY(TColor BackColor READ BackColor WRITE SetBackColor NOTIFY changed)
    Q_PROPERTY(TPlotGradient *Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency NOTIFY changed)
public:
    explicit TGridBandBrush(QObject *owner = nullptr);

    // None (clNone) takes the colour of the chart's back wall.
    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor value);
    Q_INVOKABLE bool IsBackColorStored() const { return m_backColor != clNone; }
    TPlotGradient *Gradient() const { return m_gradient; }
    void SetGradient(const TPlotGradient *value);
    int Transparency() const { return m_transparency; }
    void SetTransparency(int value);
    Q_INVOKABLE bool IsTransparencyStored() const { return m_transparency != 0; }

    void Assign(const TBrush &source) override;

private:
    TColor m_backColor = clNone;
    TPlotGradient *m_gradient = nullptr; // child
    int m_transparency = 0;
};

class TGridBandTool : public TPlotCustomToolAxis
{
    Q_OBJECT
    Q_PROPERTY(TGridBandBrush *Band1 READ Band1 WRITE SetBand1)
    Q_PROPERTY(TGridBandBrush *Band2 READ Band2 WRITE SetBand2)
public:
    Q_INVOKABLE explicit TGridBandTool(QObject *owner = nullptr);
    ~TGridBandTool() override;

    TGridBandBrush *Band1() const { return m_band1; }
    void SetBand1(const TGridBandBrush *value);
    TGridBandBrush *Band2() const { return m_band2; }
    void SetBand2(const TGridBandBrush *value);

    // Moves the grid hook from the old axis to the new one.
    void SetAxis(TChartAxis *value) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TGridBandToolEdit"); }

private:
    // The axis' grid hook: the bands between its tick pixels.
    void drawBands(TChartAxis &axis);
    void drawBand(TChartAxis &axis, TGridBandBrush &brush, int a, int b);

    TGridBandBrush *m_band1 = nullptr; // children
    TGridBandBrush *m_band2 = nullptr;
};
