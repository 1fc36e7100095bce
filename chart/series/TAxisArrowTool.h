// The axis arrow tool: arrows at the ends of an axis that scroll it by a share of its range.
#pragma once

#include "ToolTypes.h"

#include "TPlotCustomTool.h"

#include <functional>

class TAxisArrowTool;

using TAxisArrowClickEvent = std::function<void(TAxisArrowTool *sender, bool atStart)>;

class TAxisArrowTool : public TPlotCustomToolAxis
{
    Q_OBJECT
    Q_PROPERTY(TChartBrush *Brush READ Brush WRITE SetBrush)
    Q_PROPERTY(TChartPen *Pen READ Pen WRITE SetPen)
    Q_PROPERTY(int HeadWidth READ HeadWidth WRITE SetHeadWidth)
    Q_PROPERTY(int Length READ Length WRITE SetLength)
    Q_PROPERTY(ToolEnums::TAxisArrowToolPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(bool ScrollInverted READ ScrollInverted WRITE SetScrollInverted)
    Q_PROPERTY(int ScrollPercent READ ScrollPercent WRITE SetScrollPercent)
    Q_PROPERTY(int SizePercent READ SizePercent WRITE SetSizePercent)
public:
    // The part of the axis under a point.
    enum TArrowHit { ahNone = -1, ahStart = 0, ahEnd = 1 };

    Q_INVOKABLE explicit TAxisArrowTool(QObject *owner = nullptr);

    int HeadWidth() const { return m_headWidth; }
    void SetHeadWidth(int value) { SetIntegerProperty(m_headWidth, value); }
    Q_INVOKABLE bool IsHeadWidthStored() const { return m_headWidth != 8; }
    int Length() const { return m_length; }
    void SetLength(int value) { SetIntegerProperty(m_length, value); }
    Q_INVOKABLE bool IsLengthStored() const { return m_length != 16; }
    TAxisArrowToolPosition Position() const { return m_position; }
    void SetPosition(TAxisArrowToolPosition value) { setProperty(m_position, value); }
    Q_INVOKABLE bool IsPositionStored() const { return m_position != aaBoth; }
    bool ScrollInverted() const { return m_scrollInverted; }
    void SetScrollInverted(bool value) { m_scrollInverted = value; }
    Q_INVOKABLE bool IsScrollInvertedStored() const { return m_scrollInverted; }
    int ScrollPercent() const { return m_scrollPercent; }
    void SetScrollPercent(int value) { m_scrollPercent = value; }
    Q_INVOKABLE bool IsScrollPercentStored() const { return m_scrollPercent != 10; }
    int SizePercent() const { return m_sizePercent; }
    void SetSizePercent(int value) { SetIntegerProperty(m_sizePercent, value); }
    Q_INVOKABLE bool IsSizePercentStored() const { return m_sizePercent != 50; }

    TAxisArrowClickEvent OnClick;

    // Which arrow lies under the point: less than 3 pixels across the axis line, inside the arrow
    // along it.
    TArrowHit ClickedArrow(int x, int y) const;

    void ChartEvent(int kind) override;
    void ChartMouseEvent(TChartMouseEventKind kind, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TAxisArrowToolEditor"); }

private:
    void drawArrow(int position, int length, int z);
    // Scrolls the axis (and its opposite when a series uses both) unless OnAllowScroll refuses.
    void scrollAxis(double delta);

    int m_headWidth = 8;
    int m_length = 16;
    TAxisArrowToolPosition m_position = aaBoth;
    bool m_scrollInverted = false;
    int m_scrollPercent = 10;
    int m_sizePercent = 50;
};
