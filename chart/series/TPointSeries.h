// Points without a line: a pointer at every point.
#pragma once

#include "TCustomSeries.h"

class TPointSeries : public TCustomSeries
{
    Q_OBJECT
    Q_PROPERTY(bool ClickableLine READ ClickableLine WRITE SetClickableLine)
    Q_PROPERTY(TSeriesPointer *Pointer READ Pointer WRITE SetPointer)
    Q_PROPERTY(SeriesEnums::TCustomSeriesStack Stacked READ Stacked WRITE SetStacked)
    Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
public:
    Q_INVOKABLE explicit TPointSeries(QObject *owner = nullptr);

    QString GetEditorClassName() const override { return QStringLiteral("TSeriesPointerEditor"); }
    void Assign(const TCustomChartElement &source) override;
    // With a colour per point the markers take their points' colours.
    void SetColorEachPoint(bool value) override;
    // The transparency of a point series is its pointer's.
    int GetTransparency() const override;
    void SetTransparency(int value) override;
    // Whether the gallery offers the pointer styles.
    virtual bool HasPointerStyleGallery() const { return true; }
    void CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const override;
    void SetSubGallery(int index) override;
    void PrepareForGallery(bool enabled) override;

private:
    void applyPointDefaults();
};
