// Series naming, data-flag tests and class bitmaps.
#include "SeriesUnit.h"

#include "SeriesDataFlags.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"

#include "PlotConst.h"
#include "PlotProcs.h"
#include "TPlotCanvas.h"

#include <QImage>

namespace PlotEngine {

QString SeriesTitleOrName(const TChartSeries &series)
{
    QString title = series.Title();
    if (!title.isEmpty())
        return title.replace(QChar(6), u' ');
    if (!series.Name().isEmpty())
        return series.Name();
    if (const TCustomAxisPanel *chart = series.ParentChart())
        return PlotConst::message(PlotConst::msgSeries) + QString::number(chart->SeriesList().IndexOf(&series) + 1);
    return {};
}

void FillSeriesItems(std::vector<std::pair<QString, TChartSeries *>> &items, const TCustomSeriesList &list,
                     bool useTitles)
{
    for (TChartSeries *series : list)
        if (series->ShowInEditor())
            items.emplace_back(useTitles ? SeriesTitleOrName(*series) : series->Name(), series);
}

namespace {

SeriesDataView dataView(const TChartSeries &series, bool storedOnly = false)
{
    SeriesDataView view;
    if (storedOnly)
        view.isStored = [&series](int index) { return series.IsPointStored(index); };
    view.notMandatoryValues = series.OwnXValues ? series.NotMandatoryValueList() : nullptr;
    view.colors = series.ColorList();
    view.seriesColor = series.SeriesColor();
    view.labels = series.Labels().Items();
    view.customMarkPositions = series.Marks()->Positions().HasCustom();
    return view;
}

} // namespace

bool SeriesHasOwnXValues(const TChartSeries &series)
{
    return GetSeriesDataFlags(dataView(series)) & sdfXValues;
}

bool SeriesHasPointColors(const TChartSeries &series)
{
    return GetSeriesDataFlags(dataView(series)) & sdfColors;
}

bool SeriesHasLabels(const TChartSeries &series)
{
    return GetSeriesDataFlags(dataView(series)) & sdfLabels;
}

int SeriesDataFlags(const TChartSeries &series)
{
    return GetSeriesDataFlags(dataView(series, true));
}

void DrawClassBitmap(TPlotCanvas &canvas, const QObject &object, int x, int y)
{
    QImage bitmap;
    if (PlotProcs::LoadClassBitmap(&object, bitmap))
        canvas.Draw(x, y, &bitmap);
}

} // namespace PlotEngine
