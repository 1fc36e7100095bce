// Series utilities of the galleries and editors.
#include "SeriesUtilities.h"

#include "ChartClassRegistry.h"
#include "TCustomChart.h"

#include "GuiCanvas.h"
#include "PlotProcs.h"
#include "TCanvas3D.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TPlotCustomTool.h"
#include "TPlotFunction.h"

#include <QScopeGuard>

#include <memory>
#include <vector>

namespace {

template <class T>
std::unique_ptr<T> make(const ChartClassDescriptor &descriptor)
{
    if (!descriptor.factory)
        return nullptr;
    std::unique_ptr<QObject> object = descriptor.factory();
    if (!qobject_cast<T *>(object.get()))
        return nullptr;
    return std::unique_ptr<T>(static_cast<T *>(object.release()));
}

bool ownsOneOfItsSeries(const TCustomAxisPanel &chart)
{
    for (int i = 0; i < chart.SeriesCount(); ++i)
        if (chart.GetSeries(i)->parent() == &chart)
            return true;
    return false;
}

// Every series that takes its data from the old series takes it from the new one, in the same
// place among its sources.
void moveDependents(TChartSeries &oldSeries, TChartSeries &newSeries)
{
    const std::vector<TChartSeries *> dependents(oldSeries.LinkedSeries().Items());
    for (TChartSeries *dependent : dependents) {
        std::vector<QObject *> sources = dependent->DataSources().Items();
        for (QObject *&source : sources)
            if (source == &oldSeries)
                source = &newSeries;
        dependent->SetDataSource(nullptr);
        for (QObject *source : sources)
            dependent->AddCheckedDataSource(source);
    }
}

} // namespace

TChartSeries *CreateNewSeries(QObject *owner, TCustomAxisPanel *chart, const ChartClassDescriptor &seriesClass,
                              const ChartClassDescriptor *functionClass)
{
    std::unique_ptr<TChartSeries> made = make<TChartSeries>(seriesClass);
    if (!made)
        return nullptr;
    if (!owner || (chart && ownsOneOfItsSeries(*chart)))
        owner = chart;
    made->SetName(PlotProcs::GetUniqueName(owner, QStringLiteral("Series")));
    // Owned by its owner from here on (by the caller when there is neither owner nor chart).
    TChartSeries *series = made.release();
    if (owner)
        series->setParent(owner);
    if (chart)
        chart->AddSeries(series);
    if (functionClass)
        CreateNewPlotFunction(*series, *functionClass);
    return series;
}

TPlotFunction *CreateNewPlotFunction(TChartSeries &series, const ChartClassDescriptor &functionClass)
{
    std::unique_ptr<TPlotFunction> function = make<TPlotFunction>(functionClass);
    if (!function)
        return nullptr;
    function->setObjectName(PlotProcs::GetUniqueName(series.parent(), QStringLiteral("PlotFunction")));
    // The series owns its function.
    TPlotFunction *result = function.release();
    series.SetFunction(result);
    return result;
}

TChartSeries *CloneChartSeries(const TChartSeries &series, TCustomAxisPanel *chart)
{
    const ChartClassDescriptor *seriesClass = ChartClassRegistry::instance().find(*series.metaObject());
    if (!seriesClass)
        return nullptr;
    const TPlotFunction *function = series.FunctionType();
    const ChartClassDescriptor *functionClass =
        function ? ChartClassRegistry::instance().find(*function->metaObject()) : nullptr;
    TChartSeries *copy = CreateNewSeries(series.parent(), chart ? chart : series.ParentChart(), *seriesClass,
                                         functionClass);
    if (copy)
        copy->Assign(series);
    return copy;
}

void AssignSeries(TChartSeries *&oldSeries, TChartSeries *newSeries)
{
    if (!oldSeries || !newSeries || oldSeries == newSeries)
        return;
    newSeries->Assign(*oldSeries);
    newSeries->AfterDrawValues = oldSeries->AfterDrawValues;
    newSeries->BeforeDrawValues = oldSeries->BeforeDrawValues;
    newSeries->OnAfterAdd = oldSeries->OnAfterAdd;
    newSeries->OnBeforeAdd = oldSeries->OnBeforeAdd;
    newSeries->OnClearValues = oldSeries->OnClearValues;
    newSeries->OnClick = oldSeries->OnClick;
    newSeries->OnDblClick = oldSeries->OnDblClick;
    newSeries->OnGetMarkText = oldSeries->OnGetMarkText;
    newSeries->OnMouseEnter = oldSeries->OnMouseEnter;
    newSeries->OnMouseLeave = oldSeries->OnMouseLeave;
    moveDependents(*oldSeries, *newSeries);
    if (TCustomAxisPanel *chart = oldSeries->ParentChart()) {
        for (TPlotCustomTool *tool : std::vector<TPlotCustomTool *>(chart->Tools().Items()))
            if (auto *seriesTool = qobject_cast<TPlotCustomToolSeries *>(tool);
                seriesTool && seriesTool->Series() == oldSeries)
                seriesTool->SetSeries(newSeries);
        if (newSeries->ParentChart() == chart)
            chart->ExchangeSeries(oldSeries, newSeries);
    }
    const QString name = oldSeries->Name();
    std::unique_ptr<TChartSeries>{oldSeries}.reset();
    newSeries->SetName(name);
    oldSeries = newSeries;
}

void ChangeSeriesType(TChartSeries *&series, const ChartClassDescriptor &newClass)
{
    if (!series || QString::fromLatin1(series->metaObject()->className()) == newClass.name)
        return;
    TChartSeries *made = CreateNewSeries(series->parent(), series->ParentChart(), newClass);
    if (made)
        AssignSeries(series, made);
}

void PaintSeriesLegend(TChartSeries &series, GuiCanvas &canvas, const TRect &rect, TCustomAxisPanel *referenceChart)
{
    std::unique_ptr<TCustomChart> made;
    TCustomAxisPanel *chart = series.ParentChart() ? series.ParentChart() : referenceChart;
    if (!chart) {
        made = std::make_unique<TCustomChart>();
        chart = made.get();
    }
    const bool began = !canvas.isPainting() && canvas.beginPaint();
    if (!canvas.isPainting())
        return;
    // The chart draws through the given canvas for the call; the canvas keeps its line smoothing.
    TCanvas3D &chartCanvas = *chart->Canvas();
    GuiCanvas *previous = chartCanvas.ReferenceCanvas();
    const bool antialiased = canvas.dc().antialiasedLines();
    chartCanvas.SetCanvas(&canvas);
    const auto restore = qScopeGuard([&] {
        chartCanvas.SetCanvas(previous);
        canvas.dc().setAntialiasedLines(antialiased);
        if (began)
            canvas.endPaint();
    });
    if (const auto *owner = qobject_cast<TCustomChart *>(chart)) {
        const TCustomChartLegend &legend = *owner->Legend();
        chartCanvas.Brush()->SetStyle(bsSolid);
        chartCanvas.Brush()->SetColor(legend.Color());
        chartCanvas.AssignVisiblePen(*legend.Symbol()->Pen());
    }
    series.DrawLegendThrough(*chart, -1, rect);
}
