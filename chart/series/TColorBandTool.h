// The colour band tool: fills the range between two values of an axis across the chart, with two
// edge lines that the user may drag.
#pragma once

#include "TPlotCustomTool.h"

#include <functional>

class TColorBandTool;
class TColorLineTool;
class TPlotGradient;

using TColorBandClickEvent = std::function<void(TColorBandTool *sender, TMouseButton button, TShiftState shift, int x, int y)>;

class TColorBandTool : public TPlotCustomToolAxis
{
    Q_OBJECT
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(bool DrawBehind READ DrawBehind WRITE SetDrawBehind)
    Q_PROPERTY(bool DrawBehindAxes READ DrawBehindAxes WRITE SetDrawBehindAxes)
    Q_PROPERTY(TChartPen *EndLinePen READ EndLinePen WRITE SetEndLinePen)
    Q_PROPERTY(double EndValue READ EndValue WRITE SetEndValue)
    Q_PROPERTY(TPlotGradient *Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(bool ResizeEnd READ ResizeEnd WRITE SetResizeEnd)
    Q_PROPERTY(bool ResizeStart READ ResizeStart WRITE SetResizeStart)
    Q_PROPERTY(TChartPen *StartLinePen READ StartLinePen WRITE SetStartLinePen)
    Q_PROPERTY(double StartValue READ StartValue WRITE SetStartValue)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
public:
    Q_INVOKABLE explicit TColorBandTool(QObject *owner = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor value) { SetColorProperty(m_color, value); }
    Q_INVOKABLE bool IsColorStored() const { return m_color != clWhite; }
    // A cursor number shown over the band; 0 shows none.
    int Cursor() const { return m_cursor; }
    void SetCursor(int value) { m_cursor = value; }
    Q_INVOKABLE bool IsCursorStored() const { return m_cursor != 0; }
    bool DrawBehind() const { return m_drawBehind; }
    void SetDrawBehind(bool value) { SetBooleanProperty(m_drawBehind, value); }
    Q_INVOKABLE bool IsDrawBehindStored() const { return !m_drawBehind; }
    bool DrawBehindAxes() const { return m_drawBehindAxes; }
    void SetDrawBehindAxes(bool value) { SetBooleanProperty(m_drawBehindAxes, value); }
    Q_INVOKABLE bool IsDrawBehindAxesStored() const { return m_drawBehindAxes; }
    TChartPen *StartLinePen() const;
    void SetStartLinePen(const TChartPen *value);
    TChartPen *EndLinePen() const;
    void SetEndLinePen(const TChartPen *value);
    double StartValue() const { return m_startValue; }
    void SetStartValue(double value);
    Q_INVOKABLE bool IsStartValueStored() const { return m_startValue != 0; }
    double EndValue() const { return m_endValue; }
    void SetEndValue(double value);
    Q_INVOKABLE bool IsEndValueStored() const { return m_endValue != 0; }
    TPlotGradient *Gradient() const { return m_gradient; }
    void SetGradient(const TPlotGradient *value);
    // Whether the edge line at that value is active, and so can be dragged.
    bool ResizeStart() const;
    void SetResizeStart(bool value);
    Q_INVOKABLE bool IsResizeStartStored() const { return ResizeStart(); }
    bool ResizeEnd() const;
    void SetResizeEnd(bool value);
    Q_INVOKABLE bool IsResizeEndStored() const { return ResizeEnd(); }
    int Transparency() const { return m_transparency; }
    void SetTransparency(int value) { SetIntegerProperty(m_transparency, value); }
    Q_INVOKABLE bool IsTransparencyStored() const { return m_transparency != 0; }

    TColorLineTool *StartLine() const { return m_startLine; }
    TColorLineTool *EndLine() const { return m_endLine; }

    TColorBandClickEvent OnClick;

    // The band's rectangle on the screen; empty without an axis or when the band lies outside.
    TRect BoundsRect() const;
    // The point lies inside the band as drawn (its corners projected at the band's depth).
    bool Clicked(int x, int y) const;

    void SetAxis(TChartAxis *value) override;
    void SetParentChart(TCustomAxisPanel *value) override;
    void Loaded() override;
    void ChartEvent(int kind) override;
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TColorBandToolEditor"); }

private:
    TColorLineTool *makeLine();
    void setLineValues();
    int depth() const;
    void drawBand();

    TColor m_color = clWhite;
    int m_cursor = 0;
    bool m_drawBehind = true;
    bool m_drawBehindAxes = false;
    double m_startValue = 0;
    double m_endValue = 0;
    int m_transparency = 0;
    TPlotGradient *m_gradient = nullptr; // child
    TColorLineTool *m_startLine = nullptr; // children, in no chart's tool list
    TColorLineTool *m_endLine = nullptr;
};
