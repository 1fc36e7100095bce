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

QString TSeriesDataXML::pointLine(const TChartSeries &series, int index) const
{
    const int flags = exportFormat();
    QString line = QStringLiteral("<point ");
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
    for (const TChartValueList *list : valueListsAfterX(series))
        add(*list);
    return line + QStringLiteral("/>\r\n");
}

QString TSeriesDataXML::seriesBlock(const TChartSeries &series) const
{
    QString block = QStringLiteral("<series ") + attribute(QStringLiteral("title"), PlotEngine::SeriesTitleOrName(series))
                    + u' ' + attribute(QStringLiteral("type"), GetGallerySeriesName(series)) + u' '
                    + attribute(QStringLiteral("color"), colorText(series.Color())) + QStringLiteral(">\r\n");
    block += QStringLiteral("<points ") + attribute(QStringLiteral("count"), QString::number(series.Count()))
             + QStringLiteral(">\r\n");
    for (int i = 0; i < series.Count(); ++i)
        block += pointLine(series, i);
    return block + QStringLiteral("</points>\r\n</series>\r\n\r\n");
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
    if (Series())
        return text + seriesBlock(*Series());
    text += QStringLiteral("<chart>\r\n");
    for (const TChartSeries *series : exportedSeries())
        text += seriesBlock(*series);
    return text + QStringLiteral("</chart>");
}
