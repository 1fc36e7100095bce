// A pointer with an arrow line: from a point to where its mark or annotation stands.
#pragma once

#include "SeriesMarkPosition.h"
#include "TSeriesPointer.h"

#include "TChartPen.h"

class TCallout : public TSeriesPointer
{
    Q_OBJECT
    Q_PROPERTY(TWhitePen *Arrow READ Arrow WRITE SetArrow)
    Q_PROPERTY(PlotEngineEnums::TArrowHeadStyle ArrowHead READ ArrowHead WRITE SetArrowHead)
    Q_PROPERTY(int ArrowHeadSize READ ArrowHeadSize WRITE SetArrowHeadSize)
    Q_PROPERTY(int Distance READ Distance WRITE SetDistance)
public:
    explicit TCallout(AxisSeriesView *series = nullptr, PlotPanelHost *parentChart = nullptr, QObject *owner = nullptr);
    ~TCallout() override;

    TWhitePen *Arrow() const { return m_arrow.get(); }
    void SetArrow(const TWhitePen *value);
    TArrowHeadStyle ArrowHead() const { return m_arrowHead; }
    void SetArrowHead(TArrowHeadStyle value);
    int ArrowHeadSize() const { return m_arrowHeadSize; }
    void SetArrowHeadSize(int value);
    // Gap in pixels between the point and the arrow's start.
    int Distance() const { return m_distance; }
    void SetDistance(int value);

    // The arrow from arrowFrom to arrowTo at depth z and, without an arrow head, the marker at arrowFrom.
    void Draw(TColor color, const TPoint &arrowFrom, int z, const TPoint &arrowTo);

    void Assign(const TPlotCustomShapeBrushPen &source) override;

private:
    std::unique_ptr<TWhitePen> m_arrow; // a child
    TArrowHeadStyle m_arrowHead = ahNone;
    int m_arrowHeadSize = 8;
    int m_distance = 0;
};

// The callout of series marks, which keeps a length between a point and its mark.
class TMarksCallout : public TCallout
{
    Q_OBJECT
    Q_PROPERTY(int Length READ Length WRITE SetLength)
public:
    static constexpr int kDefaultLength = 8;

    explicit TMarksCallout(AxisSeriesView *series = nullptr, PlotPanelHost *parentChart = nullptr,
                           QObject *owner = nullptr);

    int Length() const { return m_length; }
    void SetLength(int value);
    Q_INVOKABLE bool IsLengthStored() const { return m_length != kDefaultLength; }
    // Moves the mark's box and the arrow's end up by Length + Distance, the arrow's start by Distance.
    void ApplyLength(TSeriesMarkPosition &position) const;

    void Assign(const TPlotCustomShapeBrushPen &source) override;

private:
    int m_length = kDefaultLength;
};
