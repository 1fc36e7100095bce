// XML export: numbers always with ".", texts escaped.
#include "TSeriesDataXML.h"

#include "ChartTypeRegistries.h"
#include "MarkupText.h"
#include "NumberFormat.h"
#include "SeriesUnit.h"
#include "TChartSeries.h"
#include "TChartValueList.h"

namespace {

QString attribute(const QString &name, const QString &value)
{
    return name + QStringLiteral("=\"") + MarkupText::escaped(value, true) + u'"';
}

} // namespace

TSeriesDataXML::TSeriesDataXML(TCustomChart *chart, TChartSeries *series)
    : TSeriesData(chart, series)
{
    IncludeHeader = true;
}

void TSeriesDataXML::appendPointLine(QString &line, const TChartSeries &series, int index) const
{
    const int flags = exportFormat();
    line += QLatin1String("<point ");
    if (IncludeIndex)
        line += attribute(QStringLiteral("index"), QString::number(index));
    if (flags & sfLabels)
        line += u' ' + attribute(QStringLiteral("text"), series.Labels().GetLabel(index));
    if (flags & sfColors)
        line += u' ' + attribute(QStringLiteral("color"), colorText(series.GetValueColor(index)));
    // A number needs no escaping: its digits go straight into the line.
    const auto add = [&](const TChartValueList &list) {
        char16_t buffer[PlotFormat::kFloatTextCapacity];
        const char16_t *end = PlotFormat::FloatToChars(list.Value(index), u'.', buffer);
        line += u' ';
        line += list.Name();
        line += QLatin1String("=\"");
        line += QStringView(buffer, end - buffer);
        line += u'"';
    };
    if (flags & sfXValues)
        add(*series.NotMandatoryValueList());
    add(*series.MandatoryValueList());
    const auto &lists = series.ValueLists();
    for (std::size_t i = 2; i < lists.size(); ++i)
        add(*lists[i]);
    line += QLatin1String("/>\r\n");
}

void TSeriesDataXML::appendSeriesBlock(QString &text, const TChartSeries &series) const
{
    text += QStringLiteral("<series ") + attribute(QStringLiteral("title"), PlotEngine::SeriesTitleOrName(series))
            + u' ' + attribute(QStringLiteral("type"), GetGallerySeriesName(series)) + u' '
            + attribute(QStringLiteral("color"), colorText(series.Color())) + QStringLiteral(">\r\n");
    text += QStringLiteral("<points ") + attribute(QStringLiteral("count"), QString::number(series.Count()))
            + QStringLiteral(">\r\n");
    const qsizetype start = text.size();
    for (int i = 0; i < series.Count(); ++i) {
        appendPointLine(text, series, i);
        // The first line tells the size of the others closely enough to allocate once.
        if (i == 0) {
            const qsizetype line = text.size() - start;
            text.reserve(start + qsizetype(series.Count()) * (line + line / 4 + 4) + 64);
        }
    }
    text += QLatin1String("</points>\r\n</series>\r\n\r\n");
}

QString TSeriesDataXML::AsString() const
{
    prepare();
    QString text;
    if (IncludeHeader) {
        text += QStringLiteral("<?xml version=\"1.0\"");
        if (!Encoding.isEmpty())
            text += QStringLiteral(" encoding=\"") + MarkupText::escaped(Encoding, true) + u'"';
        text += QStringLiteral("?>\r\n");
    }
    if (Series()) {
        appendSeriesBlock(text, *Series());
        return text;
    }
    text += QStringLiteral("<chart>\r\n");
    for (const TChartSeries *series : exportedSeries())
        appendSeriesBlock(text, *series);
    text += QLatin1String("</chart>");
    return text;
}
