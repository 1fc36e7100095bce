// HTML table export: cells escaped, numbers in the locale's form.
#include "TSeriesDataHTML.h"

#include "MarkupText.h"
#include "NumberFormat.h"
#include "SeriesUnit.h"
#include "TChartSeries.h"
#include "TChartValueList.h"

namespace {

QString cell(const QString &text)
{
    return QStringLiteral("<td>") + MarkupText::escaped(text, false) + QStringLiteral("</td>");
}

const QString kEmptyCell = QStringLiteral("<td></td>");

} // namespace

QString TSeriesDataHTML::headerRow() const
{
    const int flags = exportFormat();
    QString row = QStringLiteral("<tr>");
    if (IncludeIndex)
        row += cell(QStringLiteral("Index"));
    for (const TChartSeries *series : exportedSeries()) {
        if (flags & sfLabels)
            row += cell(QStringLiteral("Text"));
        if (flags & sfColors)
            row += cell(QStringLiteral("Colors"));
        if (flags & sfXValues)
            row += cell(series->NotMandatoryValueList()->Name());
        if (series->ValueLists().size() != 2) {
            for (const TChartValueList *list : valueListsAfterX(*series))
                row += cell(list->Name());
        } else {
            row += cell(PlotEngine::SeriesTitleOrName(*series));
        }
    }
    return row + QStringLiteral("</tr>");
}

QString TSeriesDataHTML::PointToString(int index) const
{
    const int flags = exportFormat();
    QString row = QStringLiteral("<tr>");
    if (IncludeIndex)
        row += cell(QString::number(index));
    for (const TChartSeries *series : exportedSeries()) {
        const bool has = index < series->Count();
        if (flags & sfLabels)
            row += has ? cell(series->Labels().GetLabel(index)) : kEmptyCell;
        if (flags & sfColors)
            row += has ? cell(colorText(series->GetValueColor(index))) : kEmptyCell;
        if (flags & sfXValues)
            row += has ? cell(PlotFormat::FloatToStr(series->NotMandatoryValueList()->Value(index))) : kEmptyCell;
        for (const TChartValueList *list : valueListsAfterX(*series))
            row += has ? cell(PlotFormat::FloatToStr(list->Value(index))) : kEmptyCell;
    }
    return row + QStringLiteral("</tr>");
}

QString TSeriesDataHTML::AsString() const
{
    prepare();
    QString text = QStringLiteral("<table border=\"1\">\r\n");
    if (IncludeHeader)
        text += headerRow() + QStringLiteral("\r\n");
    appendRows(text);
    text += QLatin1String("\r\n</table>");
    return text;
}
