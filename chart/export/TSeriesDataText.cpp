// Delimited text export.
#include "TSeriesDataText.h"

#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "PlotProcs.h"
#include "SeriesUnit.h"
#include "TChartSeries.h"
#include "TChartValueList.h"
#include "TCustomChart.h"

#include <algorithm>

TSeriesDataText::TSeriesDataText(TCustomChart *chart, TChartSeries *series)
    : TSeriesData(chart, series)
{
}

int TSeriesDataText::GuessSeriesFormat() const
{
    int flags = TSeriesData::GuessSeriesFormat();
    if (!Series() && IncludeLabels) {
        for (const TChartSeries *series : exportedSeries()) {
            if (PlotEngine::SeriesHasLabels(*series))
                flags |= sfLabels;
        }
    }
    return flags;
}

QString TSeriesDataText::quoted(const QString &text) const
{
    if (TextQuotes.isEmpty())
        return text;
    QString inner = text;
    inner.replace(TextQuotes, TextQuotes + TextQuotes);
    return TextQuotes + inner + TextQuotes;
}

QString TSeriesDataText::field(const QString &text) const
{
    // A text already in '"' quotes is a valid quoted field as it stands.
    const bool quotedAlready = TextQuotes == QLatin1String("\"") && text.startsWith(u'"');
    if (quotedAlready || TextDelimiter == u'"')
        return text;
    const bool plain = std::none_of(text.cbegin(), text.cend(), [&](QChar c) {
        return c == TextDelimiter || c == u'\r' || c == u'\n' || c == u'"';
    });
    if (plain)
        return text;
    QString inner = text;
    inner.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + inner + u'"';
}

QString TSeriesDataText::joined(const QStringList &fields) const
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += TextDelimiter;
        line += field(fields[i]);
    }
    return line;
}

QString TSeriesDataText::valueText(const TChartValueList &list, int index) const
{
    if (index >= list.Count())
        return {};
    const double value = list.Value(index);
    if (list.DateTime()) {
        const double range = list.Count() > 1 ? list.MaxValue() - list.MinValue() : 0.0;
        return quoted(PlotFormat::FormatDateTime(PlotProcs::DateTimeDefaultFormat(range), value));
    }
    return ValueFormat.isEmpty() ? PlotFormat::FloatToStr(value) : PlotFormat::FormatFloat(ValueFormat, value);
}

QStringList TSeriesDataText::headerFields() const
{
    const int flags = exportFormat();
    QStringList fields;
    if (IncludeIndex)
        fields << quoted(QStringLiteral("Index"));
    if (flags & sfLabels)
        fields << quoted(QStringLiteral("Text"));
    if (flags & sfColors)
        fields << quoted(QStringLiteral("Colors"));
    for (const TChartSeries *series : exportedSeries()) {
        if (flags & sfXValues)
            fields << quoted(series->NotMandatoryValueList()->Name());
        if (series->ValueLists().size() != 2) {
            for (const TChartValueList *list : valueListsAfterX(*series))
                fields << quoted(list->Name());
        } else {
            fields << quoted(PlotEngine::SeriesTitleOrName(*series));
        }
    }
    return fields;
}

QString TSeriesDataText::PointToString(int index) const
{
    QString line;
    appendRow(line, index, localDecimal());
    return line;
}

void TSeriesDataText::AppendPoint(QString &text, int index) const
{
    appendRow(text, index, m_decimal);
}

char16_t TSeriesDataText::localDecimal()
{
    return PlotProcs::FormatToLocalSeparators(QStringLiteral(",.")).at(1).unicode();
}

void TSeriesDataText::appendRow(QString &line, int index, char16_t decimal) const
{
    const int flags = exportFormat();
    const std::vector<TChartSeries *> &all = exportedSeries();
    // One field per column, appended in place: a row is built millions of times.
    bool first = true;
    const auto separate = [&] {
        if (!first)
            line += TextDelimiter;
        first = false;
    };
    const auto add = [&](const QString &text) {
        separate();
        line += field(text);
    };
    if (IncludeIndex)
        add(QString::number(index));
    if (flags & sfLabels) {
        QString label;
        for (const TChartSeries *series : all) {
            if (index < series->Count() && !series->Labels().GetLabel(index).isEmpty()) {
                label = series->Labels().GetLabel(index);
                break;
            }
        }
        add(label.isEmpty() ? label : quoted(label));
    }
    if (flags & sfColors) {
        const TChartSeries *firstSeries = all.empty() ? nullptr : all.front();
        add(colorText(firstSeries && index < firstSeries->Count() ? firstSeries->GetValueColor(index) : clDefault));
    }
    // Plain numbers are written straight into the row; only one holding the delimiter (a ","
    // decimal separator in a ","-delimited file) takes the quoting path.
    const auto addValue = [&](const TChartValueList &list) {
        if (index >= list.Count() || list.DateTime() || !ValueFormat.isEmpty()) {
            add(valueText(list, index));
            return;
        }
        char16_t buffer[PlotFormat::kFloatTextCapacity];
        const char16_t *end = PlotFormat::FloatToChars(list.Value(index), decimal, buffer);
        const QStringView number(buffer, end - buffer);
        if (TextDelimiter != u'"' && number.contains(TextDelimiter)) {
            add(number.toString());
            return;
        }
        separate();
        line += number;
    };
    for (const TChartSeries *series : all) {
        if (flags & sfXValues)
            addValue(*series->NotMandatoryValueList());
        // Y, then the lists after X and Y, without building the list of them for every row.
        addValue(*series->MandatoryValueList());
        const auto &lists = series->ValueLists();
        for (std::size_t i = 2; i < lists.size(); ++i)
            addValue(*lists[i]);
    }
}

QString TSeriesDataText::AsString() const
{
    prepare();
    m_decimal = localDecimal();
    QString text;
    if (IncludeHeader)
        text += joined(headerFields()) + QStringLiteral("\r\n");
    appendRows(text);
    text += QLatin1String("\r\n");
    return text;
}
