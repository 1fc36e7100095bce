// Series data as delimited text (tab, comma, ...), one line per point, UTF-8.
#pragma once

#include "TSeriesData.h"

#include <QStringList>

class TSeriesDataText : public TSeriesData
{
public:
    explicit TSeriesDataText(TCustomChart *chart, TChartSeries *series = nullptr);

    QChar TextDelimiter = u'\t';
    // Put around every text (labels, header, dates), and doubled inside it.
    QString TextQuotes;
    // A number format for the values; empty: the shortest decimal text.
    QString ValueFormat;

    // Header line (when asked), the rows, then one more CR LF.
    QString AsString() const override;

protected:
    int GuessSeriesFormat() const override;
    QString PointToString(int index) const override;
    void AppendPoint(QString &text, int index) const override;

private:
    QStringList headerFields() const;
    QString quoted(const QString &text) const;
    // One field: wrapped in '"' (inner quotes doubled) when it holds the delimiter, a line end or
    // a '"', so that a CSV reader keeps the columns.
    QString field(const QString &text) const;
    QString joined(const QStringList &fields) const;
    QString valueText(const TChartValueList &list, int index) const;
    void appendRow(QString &line, int index, char16_t decimal) const;
    // The decimal separator of number texts in the locale's form.
    static char16_t localDecimal();

    // Looked up once per export, not per row.
    mutable char16_t m_decimal = u'.';
};
