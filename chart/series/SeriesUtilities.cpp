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

#include <QMetaProperty>
#include <QScopeGuard>

#include <map>
#include <memory>
#include <optional>
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

// The published values of an object and of the objects it owns (pens, brushes, marks), under
// dotted names; references to objects it does not own (axes, sources) are left out.
using PropertyValues = std::map<QByteArray, QVariant>;

void collectValues(const QObject &object, const QByteArray &prefix, PropertyValues &values)
{
    const QMetaObject *meta = object.metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isReadable())
            continue;
        const QVariant value = property.read(&object);
        const QByteArray name = prefix + property.name();
        if (value.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
            const QObject *child = value.value<QObject *>();
            if (child && child->parent() == &object)
                collectValues(*child, name + '.', values);
            continue;
        }
        if (property.isWritable())
            values.emplace(name, value);
    }
}

PropertyValues valuesOf(const QObject &object)
{
    PropertyValues values;
    collectValues(object, {}, values);
    return values;
}

// Writes a value under its dotted name; false when the object has no such owned property.
bool writeValue(QObject &object, const QByteArray &name, const QVariant &value)
{
    const qsizetype dot = name.indexOf('.');
    if (dot < 0) {
        const int index = object.metaObject()->indexOfProperty(name.constData());
        return index >= 0 && object.metaObject()->property(index).write(&object, value);
    }
    const QVariant held = object.property(name.left(dot).constData());
    QObject *child = held.metaType().flags().testFlag(QMetaType::PointerToQObject) ? held.value<QObject *>() : nullptr;
    return child && child->parent() == &object && writeValue(*child, name.mid(dot + 1), value);
}

// What a series made by a type change remembers of the series it replaced: its class, its values,
// and its own values right after the change. Changing the type back restores every value the
// user did not change in between, including those the other type cannot hold or forces (the
// pie colours each point, a line has a pointer and a line pen).
class SeriesTypeOrigin : public QObject
{
public:
    SeriesTypeOrigin(TChartSeries &made, QString className, PropertyValues before)
        : QObject(&made)
        , m_className(std::move(className))
        , m_before(std::move(before))
        , m_after(valuesOf(made))
    {
    }
    const QString &className() const { return m_className; }
    const PropertyValues &before() const { return m_before; }
    const PropertyValues &after() const { return m_after; }

private:
    QString m_className;
    PropertyValues m_before;
    PropertyValues m_after;
};

const SeriesTypeOrigin *originOf(const TChartSeries &series)
{
    for (const QObject *child : series.children())
        if (const auto *origin = dynamic_cast<const SeriesTypeOrigin *>(child))
            return origin;
    return nullptr;
}

// The series turned back into the type it was made from: the values of its origin where the
// series still holds what the change gave it, or does not hold the value at all.
void restoreOrigin(TChartSeries &series, const PropertyValues &original, const PropertyValues &given,
                   const PropertyValues &changed)
{
    for (const auto &[name, value] : valuesOf(series)) {
        const auto was = original.find(name);
        if (was == original.end() || was->second == value)
            continue;
        const auto now = changed.find(name);
        const auto gave = given.find(name);
        const bool userChanged = now != changed.end() && gave != given.end() && now->second != gave->second;
        if (!userChanged)
            writeValue(series, name, was->second);
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
    const QString className = series ? QString::fromLatin1(series->metaObject()->className()) : QString();
    if (!series || className == newClass.name)
        return;
    TChartSeries *made = CreateNewSeries(series->parent(), series->ParentChart(), newClass);
    if (!made)
        return;
    PropertyValues before = valuesOf(*series);
    // The origin goes with the old series: what a change back needs is copied first.
    std::optional<std::pair<PropertyValues, PropertyValues>> back;
    if (const SeriesTypeOrigin *origin = originOf(*series); origin && origin->className() == newClass.name)
        back.emplace(origin->before(), origin->after());
    AssignSeries(series, made);
    if (back)
        restoreOrigin(*made, back->first, back->second, before);
    new SeriesTypeOrigin(*made, className, std::move(before));
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
