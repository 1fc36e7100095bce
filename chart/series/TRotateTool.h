// The rotate tool: horizontal drags turn a 3D chart, vertical drags change its elevation; with a
// visible pen only an outline of the chart's box moves until the mouse is released.
#pragma once

#include "OverlayShape.h"
#include "ToolTypes.h"

#include "TPlotCustomTool.h"

#include <array>
#include <functional>
#include <optional>

class TRotateTool;

using TRotateToolNotifyEvent = std::function<void(TRotateTool *sender)>;

class TRotateTool : public TPlotCustomTool
{
    Q_OBJECT
    Q_PROPERTY(PlotEnums::TMouseButton Button READ Button WRITE SetButton)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(bool Inverted READ Inverted WRITE SetInverted)
    Q_PROPERTY(ToolEnums::TRotateToolStyles Style READ Style WRITE SetStyle)
public:
    Q_INVOKABLE explicit TRotateTool(QObject *owner = nullptr);
    ~TRotateTool() override;

    TMouseButton Button() const { return m_button; }
    void SetButton(TMouseButton value) { m_button = value; }
    Q_INVOKABLE bool IsButtonStored() const { return m_button != mbLeft; }
    bool Inverted() const { return m_inverted; }
    void SetInverted(bool value) { m_inverted = value; }
    Q_INVOKABLE bool IsInvertedStored() const { return m_inverted; }
    TRotateToolStyles Style() const { return m_style; }
    void SetStyle(TRotateToolStyles value) { m_style = value; }
    Q_INVOKABLE bool IsStyleStored() const { return m_style != rsAll; }
    bool Dragging() const { return m_dragging; }

    TRotateToolNotifyEvent OnRotate;

    // A drag ends with the tool switched off or moved: the chart repaints again.
    void SetActive(bool value) override;
    void SetParentChart(TCustomAxisPanel *value) override;
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TRotateToolEditor"); }

private:
    // The projected corners of the chart's box: the front face, then the back face.
    using Outline = std::array<TPoint, 8>;

    void rotateStep(int x, int y);
    Outline currentOutline() const;
    OverlayShape<Outline>::Draw outlineDraw() const;
    // Ends a drag on every path: the saved repaint switch comes back, and with it a repaint.
    void endDrag();

    TMouseButton m_button = mbLeft;
    bool m_inverted = false;
    TRotateToolStyles m_style = rsAll;
    bool m_dragging = false;
    bool m_firstMove = true;
    int m_lastX = 0;
    int m_lastY = 0;
    std::optional<bool> m_savedAutoRepaint;
    OverlayShape<Outline> m_outline;
};
