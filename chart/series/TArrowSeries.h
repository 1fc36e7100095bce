// Arrows from a start point (X, Y) to an end point (EndX, EndY), both in axis values; the pointer
// holds the size of the head.
#pragma once

#include "ExtraValueLists.h"
#include "TPointSeries.h"

class TArrowSeries : public TPointSeries
{
    Q_OBJECT
    Q_PROPERTY(int ArrowHeight READ ArrowHeight WRITE SetArrowHeight STORED false)
    Q_PROPERTY(int ArrowPercent READ ArrowPercent WRITE SetArrowPercent)
    Q_PROPERTY(int ArrowWidth READ ArrowWidth WRITE SetArrowWidth STORED false)
    Q_PROPERTY(bool ColorEachPoint READ ColorEachPoint WRITE SetColorEachPoint)
    Q_PROPERTY(TChartValueList *EndXValues READ EndXValues WRITE SetEndXValues)
    Q_PROPERTY(TChartValueList *EndYValues READ EndYValues WRITE SetEndYValues)
    Q_PROPERTY(TChartValueList *StartXValues READ XValues WRITE SetStartXValues STORED false)
    Q_PROPERTY(TChartValueList *StartYValues READ YValues WRITE SetStartYValues STORED false)
public:
    Q_INVOKABLE explicit TArrowSeries(QObject *owner = nullptr);

    // The pointer's sizes: the head's width and length.
    int ArrowWidth() const { return Pointer()->HorizSize(); }
    void SetArrowWidth(int value) { Pointer()->SetHorizSize(value); }
    int ArrowHeight() const { return Pointer()->VertSize(); }
    void SetArrowHeight(int value) { Pointer()->SetVertSize(value); }
    // Width of the body in percent of the head's, on a 3D chart.
    int ArrowPercent() const { return m_arrowPercent; }
    void SetArrowPercent(int value) { SetIntegerProperty(m_arrowPercent, value); }
    Q_INVOKABLE bool IsArrowPercentStored() const { return m_arrowPercent != 50; }
    Q_INVOKABLE bool IsColorEachPointStored() const { return ColorEachPoint(); }
    TChartValueList *EndXValues() const { return m_endXValues; }
    TChartValueList *EndYValues() const { return m_endYValues; }
    void SetEndXValues(const TChartValueList *value) { ExtraValueLists::assignSettings(*m_endXValues, value); }
    void SetEndYValues(const TChartValueList *value) { ExtraValueLists::assignSettings(*m_endYValues, value); }
    void SetStartXValues(const TChartValueList *value) { ExtraValueLists::assignSettings(*XValues(), value); }
    void SetStartYValues(const TChartValueList *value) { ExtraValueLists::assignSettings(*YValues(), value); }

    int AddArrow(double x0, double y0, double x1, double y1, const QString &label = {}, TColor color = clPlotColor);

    QString GetEditorClassName() const override { return QStringLiteral("TArrowSeriesEditor"); }
    void Assign(const TCustomChartElement &source) override;
    bool IsValidSeriesSource(const TChartSeries *source) const override;
    bool HasPointerStyleGallery() const override { return false; }

    // The ranges hold the end points too.
    double MaxXValue() const override;
    double MinXValue() const override;
    double MaxYValue() const override;
    double MinYValue() const override;

    void DrawValue(int valueIndex) override;
    // The first arrow, in index order, that passes within the pen's width of the point.
    int Clicked(int x, int y) const override;
    void AddSampleValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;

private:
    // The screen ends of an arrow; false when one of its values cannot be drawn.
    bool arrowPoints(int valueIndex, TPoint &from, TPoint &to) const;

    TChartValueList *m_endXValues = nullptr;
    TChartValueList *m_endYValues = nullptr;
    int m_arrowPercent = 50;
};
