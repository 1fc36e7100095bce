// Series data as XML: one <series> block per series, its points as attributes, ASCII bytes.
#pragma once

#include "TSeriesData.h"

class TSeriesDataXML : public TSeriesData
{
public:
    // IncludeHeader on, Encoding "ISO-8859-1" (the bytes are ASCII, so any such declaration holds).
    explicit TSeriesDataXML(TCustomChart *chart, TChartSeries *series = nullptr);

    QString Encoding = QStringLiteral("ISO-8859-1");

    QString AsString() const override;

private:
    void appendSeriesBlock(QString &text, const TChartSeries &series) const;
    void appendPointLine(QString &line, const TChartSeries &series, int index) const;
};
