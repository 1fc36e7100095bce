// Points drawn as circles whose radius, a third value of each point, is given in vertical axis units.
#pragma once

#include "ExtraValueLists.h"
#include "TPointSeries.h"

#include <optional>

class TBubbleSeries : public TPointSeries
{
    Q_OBJECT
    Q_PROPERTY(bool ColorEachPoint READ ColorEachPoint WRITE SetColorEachPoint)
    Q_PROPERTY(TChartValueList *RadiusValues READ RadiusValues WRITE SetRadiusValues)
    Q_PROPERTY(bool Squared READ Squared WRITE SetSquared)
public:
    Q_INVOKABLE explicit TBubbleSeries(QObject *owner = nullptr);

    TChartValueList *RadiusValues() const { return m_radiusValues; }
    void SetRadiusValues(const TChartValueList *value) { ExtraValueLists::assignSettings(*m_radiusValues, value); }
    // The horizontal radius equals the vertical one in pixels.
    bool Squared() const { return m_squared; }
    void SetSquared(bool value) { SetBooleanProperty(m_squared, value); }
    Q_INVOKABLE bool IsSquaredStored() const { return !m_squared; }
    Q_INVOKABLE bool IsColorEachPointStored() const { return !ColorEachPoint(); }

    int AddBubble(double x, double y, double radius, const QString &label = {}, TColor color = clPlotColor);

    QString GetEditorClassName() const override { return QStringLiteral("TBubbleSeriesEditor"); }
    void Assign(const TCustomChartElement &source) override;
    bool IsValidSeriesSource(const TChartSeries *source) const override;

    // The vertical range reaches the top and the bottom of every bubble.
    double MaxYValue() const override;
    double MinYValue() const override;
    double MaxZValue() const override;
    double MinZValue() const override;

    void PreparePointer(int valueIndex) const override;
    bool ClickedPointer(int valueIndex, int pointX, int pointY, int x, int y) const override;
    TPlotGradient *GetGradient() const override { return Pointer()->Gradient(); }
    void DrawValue(int valueIndex) override;
    void DrawLegendShape(int valueIndex, const TRect &rect) override;
    void AddSampleValues(int numValues, bool onlyMandatory) override;
    void PrepareForGallery(bool enabled) override;

private:
    // The largest of Y + radius (or the smallest of Y - radius) over the points whose sum is finite.
    double bubbleLimit(bool maximum) const;
    std::optional<double> largestRadius() const;

    TChartValueList *m_radiusValues = nullptr;
    bool m_squared = true;
};
