// The grouping of a pie's small slices into one "other" slice, with a legend of its own that lists
// the grouped points.
#pragma once

#include "PieSeriesTypes.h"

#include "PlotTypes.h"

#include <QObject>
#include <QString>

class TChartLegend;
class TPieSeries;

class TPieOtherSlice : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TChartLegend *Legend READ Legend WRITE SetLegend)
    Q_PROPERTY(PieSeriesEnums::TPieOtherStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(double Value READ Value WRITE SetValue)
public:
    explicit TPieOtherSlice(TPieSeries *owner);
    ~TPieOtherSlice() override;

    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    Q_INVOKABLE bool IsColorStored() const { return m_color != clPlotColor; }
    // Created hidden on the first read, on the pie's chart.
    TChartLegend *Legend();
    TChartLegend *legendIfAny() const { return m_legend; }
    void SetLegend(const TChartLegend *value);
    Q_INVOKABLE bool IsLegendStored() const { return bool(m_legend); }
    TPieOtherStyle Style() const { return m_style; }
    void SetStyle(TPieOtherStyle value);
    Q_INVOKABLE bool IsStyleStored() const { return m_style != poNone; }
    // Empty reads as the library's "Other".
    QString Text() const;
    void SetText(const QString &value);
    Q_INVOKABLE bool IsTextStored() const { return !m_text.isEmpty(); }
    double Value() const { return m_value; }
    void SetValue(double value);
    Q_INVOKABLE bool IsValueStored() const { return m_value != 0.0; }

    void Assign(const TPieOtherSlice &source);
    // The pie moved to another chart: an existing legend follows it.
    void chartChanged();

private:
    void changed();
    // A new legend on the pie's chart, owned by this object.
    TChartLegend *makeLegend();

    TPieSeries *m_pie = nullptr;
    TColor m_color = clPlotColor;
    TChartLegend *m_legend = nullptr; // a child, made on demand
    TPieOtherStyle m_style = poNone;
    QString m_text;
    double m_value = 0.0;
};
