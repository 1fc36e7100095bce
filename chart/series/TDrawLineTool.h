// The draw line tool: the user draws straight lines over the chart, selects them, moves them or
// drags an end. The lines are kept in axis values, so they follow zoom and scroll.
#pragma once

#include "OverlayShape.h"
#include "TDrawLine.h"
#include "ToolTypes.h"

#include "TPlotCustomTool.h"

#include <functional>

class TDrawLineTool;

using TDrawLineNotifyEvent = std::function<void(TDrawLineTool *sender)>;
// May refuse the selection of the line.
using TDrawLineSelecting = std::function<void(TDrawLineTool *sender, TDrawLine *line, bool &allowSelect)>;

class TDrawLineTool : public TPlotCustomToolSeries
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TMouseButton Button READ Button WRITE SetButton)
    Q_PROPERTY(int ClickTolerance READ ClickTolerance WRITE SetClickTolerance)
    Q_PROPERTY(bool EnableDraw READ EnableDraw WRITE SetEnableDraw)
    Q_PROPERTY(bool EnableSelect READ EnableSelect WRITE SetEnableSelect)
    Q_PROPERTY(TDrawLines *Lines READ linesObject WRITE setLinesObject)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(bool SelectNewLines READ SelectNewLines WRITE SetSelectNewLines)
public:
    // The part of a line under a point, or being dragged.
    enum TLinePart { lpBody = 0, lpStart = 1, lpEnd = 2, lpWhole = 3 };

    Q_INVOKABLE explicit TDrawLineTool(QObject *owner = nullptr);
    ~TDrawLineTool() override;

    TMouseButton Button() const { return m_button; }
    void SetButton(TMouseButton value) { m_button = value; }
    Q_INVOKABLE bool IsButtonStored() const { return m_button != mbLeft; }
    int ClickTolerance() const { return m_clickTolerance; }
    void SetClickTolerance(int value) { m_clickTolerance = value; }
    Q_INVOKABLE bool IsClickToleranceStored() const { return m_clickTolerance != 0; }
    bool EnableDraw() const { return m_enableDraw; }
    void SetEnableDraw(bool value) { m_enableDraw = value; }
    Q_INVOKABLE bool IsEnableDrawStored() const { return !m_enableDraw; }
    bool EnableSelect() const { return m_enableSelect; }
    // Off clears the selection.
    void SetEnableSelect(bool value);
    Q_INVOKABLE bool IsEnableSelectStored() const { return !m_enableSelect; }
    bool SelectNewLines() const { return m_selectNewLines; }
    void SetSelectNewLines(bool value) { m_selectNewLines = value; }
    Q_INVOKABLE bool IsSelectNewLinesStored() const { return !m_selectNewLines; }
    TDrawLines &Lines() { return m_lines; }
    void SetLines(const TDrawLines &value) { m_lines.Assign(value); Repaint(); }
    TDrawLines *linesObject() { return &m_lines; }
    void setLinesObject(const TDrawLines *value)
    {
        if (value)
            SetLines(*value);
    }
    Q_INVOKABLE bool IsLinesStored() const { return m_lines.Count() > 0; }

    TDrawLine *Selected() const { return m_selected; }
    void SetSelected(TDrawLine *line);
    bool Drawing() const { return m_drawing; }

    TDrawLineNotifyEvent OnDraggedLine;
    TDrawLineNotifyEvent OnDragLine;
    TDrawLineNotifyEvent OnNewLine;
    TDrawLineNotifyEvent OnSelect;
    TDrawLineSelecting OnSelecting;

    // The line's points on the screen, through the tool's axes.
    TPoint AxisPoint(double x, double y) const;
    TPoint ScreenStart(const TDrawLine &line) const { return AxisPoint(line.X0(), line.Y0()); }
    TPoint ScreenEnd(const TDrawLine &line) const { return AxisPoint(line.X1(), line.Y1()); }
    // Whether the part of the line lies under the point.
    bool ClickedLine(const TDrawLine &line, int x, int y, TLinePart part) const;
    // The selected line when the part of it is hit, else the first line of the list that is hit.
    TDrawLine *LineAt(int x, int y, TLinePart part) const;
    // The body, then the start handle, then the end handle.
    TDrawLine *AnyLineAt(int x, int y) const;

    void ChartEvent(int kind) override;
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TDrawLineEdit"); }
    void SetActive(bool value) override;
    void SetParentChart(TCustomAxisPanel *value) override;

    // A line going away clears the selection it held.
    void lineDestroyed(const TDrawLine *line);

private:
    // The line being drawn or dragged as the screen shows it.
    struct Band
    {
        TPoint from;
        TPoint to;
        TDrawLineStyle style = dlLine;
        TColor color = 0;
        int width = 1;
        bool in3D = false;
    };

    void drawShape(TCanvas3D &canvas, const TPoint &from, const TPoint &to, TDrawLineStyle style) const;
    void drawHandles(TCanvas3D &canvas, const TDrawLine &line) const;
    TPoint modelPoint(int x, int y) const;
    double valueX(int x) const;
    double valueY(int y) const;
    Band currentBand() const;
    OverlayShape<Band>::Draw bandDraw() const;
    void mouseDown(int x, int y);
    void mouseMove(int x, int y);
    void mouseUp();

    TMouseButton m_button = mbLeft;
    int m_clickTolerance = 0;
    bool m_enableDraw = true;
    bool m_enableSelect = true;
    bool m_selectNewLines = true;
    TDrawLines m_lines{this};
    TDrawLine *m_selected = nullptr; // one of m_lines
    int m_part = lpBody;
    bool m_drawing = false;
    bool m_dragged = false;
    TPoint m_from;
    TPoint m_to;
    TPoint m_last;
    OverlayShape<Band> m_band;
};
