// The zoom settings of a panel (used by the chart's mouse handling) and its rubber band's pen and brush.
#pragma once

#include "OptionalChild.h"
#include "TChartBrush.h"
#include "TChartPen.h"
#include "TZoomPanning.h"

#include <memory>

// The band's outline: white, stored only when another colour is set.
class TPlotZoomPen : public TChartPen
{
    Q_OBJECT
public:
    explicit TPlotZoomPen(QObject *owner = nullptr);
    Q_INVOKABLE bool IsColorStored() const { return Color() != clWhite; }
};

// The band's fill: white and clear unless set otherwise.
class TPlotZoomBrush : public TChartBrush
{
    Q_OBJECT
public:
    explicit TPlotZoomBrush(QObject *owner = nullptr);
};

class TPlotZoom : public TZoomPanning
{
    Q_OBJECT
    Q_PROPERTY(bool Allow READ Allow WRITE SetAllow)
    Q_PROPERTY(bool Animated READ Animated WRITE SetAnimated)
    Q_PROPERTY(int AnimatedSteps READ AnimatedSteps WRITE SetAnimatedSteps)
    Q_PROPERTY(TPlotZoomBrush *Brush READ brushIfAny WRITE SetBrush)
    Q_PROPERTY(PlotEnums::TPlotZoomDirection Direction READ Direction WRITE SetDirection)
    Q_PROPERTY(PlotEnums::TShiftState KeyShift READ KeyShift WRITE SetKeyShift)
    Q_PROPERTY(int MinimumPixels READ MinimumPixels WRITE SetMinimumPixels)
    Q_PROPERTY(PlotEnums::TMouseButton MouseButton READ MouseButton WRITE SetMouseButton)
    Q_PROPERTY(TPlotZoomPen *Pen READ penIfAny WRITE SetPen)
    Q_PROPERTY(bool UpLeftZooms READ UpLeftZooms WRITE SetUpLeftZooms)
public:
    explicit TPlotZoom(QObject *owner = nullptr);
    ~TPlotZoom() override;

    bool Allow() const { return m_allow; }
    void SetAllow(bool value) { m_allow = value; }
    bool Animated() const { return m_animated; }
    void SetAnimated(bool value) { m_animated = value; }
    int AnimatedSteps() const { return m_animatedSteps; }
    void SetAnimatedSteps(int value) { m_animatedSteps = value; }
    // Created on first read; writing none frees them.
    TPlotZoomBrush *Brush();
    TPlotZoomBrush *brushIfAny() const { return m_brush.get(); }
    void SetBrush(const TPlotZoomBrush *value);
    TPlotZoomPen *Pen();
    TPlotZoomPen *penIfAny() const { return m_pen.get(); }
    void SetPen(const TPlotZoomPen *value);
    TPlotZoomDirection Direction() const { return m_direction; }
    void SetDirection(TPlotZoomDirection value) { m_direction = value; }
    TShiftState KeyShift() const { return m_keyShift; }
    void SetKeyShift(TShiftState value) { m_keyShift = value; }
    int MinimumPixels() const { return m_minimumPixels; }
    void SetMinimumPixels(int value) { m_minimumPixels = value; }
    TMouseButton MouseButton() const { return m_mouseButton; }
    void SetMouseButton(TMouseButton value) { m_mouseButton = value; }
    bool UpLeftZooms() const { return m_upLeftZooms; }
    void SetUpLeftZooms(bool value) { m_upLeftZooms = value; }

    // Copies everything but MinimumPixels and UpLeftZooms, which belong to the chart they were set on.
    void Assign(const TPlotZoom &source);

private:
    bool m_allow = true;
    bool m_animated = false;
    int m_animatedSteps = 8;
    OptionalChild<TPlotZoomBrush> m_brush{this};
    TPlotZoomDirection m_direction = tzdBoth;
    TShiftState m_keyShift;
    int m_minimumPixels = 16;
    TMouseButton m_mouseButton = mbLeft;
    OptionalChild<TPlotZoomPen> m_pen{this};
    bool m_upLeftZooms = false;
};
