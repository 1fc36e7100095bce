// What every series has beyond a chart element: a title, the legend switch, an identifier and six
// opaque style flags, and the margins it needs around its points.
#pragma once

#include "TCustomChartElement.h"

class TCustomChartSeries : public TCustomChartElement
{
    Q_OBJECT
    Q_PROPERTY(bool ShowInLegend READ ShowInLegend WRITE SetShowInLegend)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
public:
    // Style bits the series types and editors give meaning to; kept, stored and copied as they are.
    static constexpr int kStyleMask = 0x3F;
    static constexpr int kStyleTemplate = 1;
    static constexpr int kStyleDenyDelete = 2;
    static constexpr int kStyleDenyChangeType = 4;
    static constexpr int kStyleDenyClone = 8;
    static constexpr int kStylePersistent = 16;
    static constexpr int kStyleHideDataSource = 32;

    explicit TCustomChartSeries(QObject *owner = nullptr);

    bool ShowInLegend() const { return m_showInLegend; }
    void SetShowInLegend(bool value) { SetBooleanProperty(m_showInLegend, value); }
    QString Title() const { return m_title; }
    virtual void SetTitle(const QString &value);
    QString Identifier() const { return m_identifier; }
    void SetIdentifier(const QString &value) { m_identifier = value; }
    int Style() const { return m_style; }
    void SetStyle(int value) { m_style = value & kStyleMask; }

    // Tells the chart (series event 5) and its change listener.
    void SetActive(bool value) override;

    // True when either series is an instance of the other's class. The class may be one known only
    // at run time (a stacked line series asks which other series follow its setting), so this asks
    // the meta-objects rather than the compiler.
    bool SameClass(const TCustomChartSeries &other) const;
    // Sets the parent chart's View3D; nothing without a chart.
    void SetChartView3D(bool value);

    // Pixels the series needs beyond its first and last point along each axis; 0 in the base.
    virtual void CalcHorizMargins(int &left, int &right)
    {
        left = 0;
        right = 0;
    }
    virtual void CalcVerticalMargins(int &top, int &bottom)
    {
        top = 0;
        bottom = 0;
    }
    // Called for every active series at the start of each chart draw.
    virtual void PrepareForDraw() {}

    void Assign(const TCustomChartElement &source) override;
    // "Identifier" (written when not empty) and "Style" (the sum of the set bits, written when any).
    void defineProperties(PropertyFiler &filer) override;

protected:
    // Series event of the given kind to the chart, then its change listener.
    void notifyChart(int eventKind);

private:
    bool m_showInLegend = true;
    QString m_title;
    QString m_identifier;
    int m_style = 0;
};
