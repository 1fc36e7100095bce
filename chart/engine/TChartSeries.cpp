// Series base: construction, properties, adding and deleting points, notification of dependents,
// data sources, axis binding, colours and copying.
#include "TChartSeries.h"

#include "ListIndex.h"
#include "PlotExceptions.h"
#include "SampleRandom.h"
#include "TChartAxis.h"
#include "TCustomAxisPanel.h"
#include "TPlotFunction.h"
#include "TPlotSeriesSource.h"

#include "PlotConst.h"
#include "PlotProcs.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <unordered_set>

namespace {

QString componentName(const QObject *component)
{
    return component->objectName().isEmpty() ? QString::fromLatin1(component->metaObject()->className())
                                              : component->objectName();
}

} // namespace

// A search over every data source, not only the first: [B, C] with C fed by this series is a cycle.
bool TChartSeries::DependsOn(const QObject *start, const TChartSeries *target)
{
    std::unordered_set<const QObject *> visited;
    std::vector<const QObject *> pending{start};
    while (!pending.empty()) {
        const QObject *current = pending.back();
        pending.pop_back();
        if (current == target)
            return true;
        if (!visited.insert(current).second)
            continue;
        if (const auto *series = qobject_cast<const TChartSeries *>(current))
            for (const QObject *source : series->DataSources().Items())
                pending.push_back(source);
    }
    return false;
}

TChartSeries::TChartSeries(QObject *owner)
    : TCustomChartSeries(owner)
    , m_labels([this] { Repaint(); })
    , m_dataSources(*this)
    , m_percentFormat(PlotConst::message(PlotConst::msgDefPercentFormat))
    , m_valueFormat(PlotConst::message(PlotConst::msgDefValueFormat))
{
    m_xValues = addValueList(QStringLiteral("X"));
    m_xValues->SetOrder(loAscending);
    m_yValues = addValueList(QStringLiteral("Y"));
    m_marks = new TSeriesMarks(this);
}

TChartSeries::~TChartSeries()
{
    markDestroying();
    if (m_function)
        std::unique_ptr<TPlotFunction> function(m_function.data());
    UnlinkFromSources();
    // A source this series owns dies first, while the series can still tell it is going.
    if (QObject *first = m_dataSources.First(); first && first->parent() == this)
        std::unique_ptr<QObject> owned(first);
    m_dataSources.clearEntries();
    for (TChartSeries *dependent : std::vector<TChartSeries *>(m_linkedSeries.Items()))
        dependent->m_dataSources.remove(this);
    m_linkedSeries.Clear();
    TChartSeries::SetParentChart(nullptr);
}

TChartValueList *TChartSeries::addValueList(const QString &name)
{
    auto *list = new TChartValueList(this, name, this);
    m_valueLists.push_back(list);
    return list;
}

void TChartSeries::SetColorEachPoint(bool value)
{
    SetBooleanProperty(m_colorEachPoint, value);
}

void TChartSeries::SetColorSource(const QString &value)
{
    if (value == m_colorSource)
        return;
    m_colorSource = value;
    CheckDataSource();
    Repaint();
}

bool TChartSeries::IsPercentFormatStored() const
{
    return m_percentFormat != PlotConst::message(PlotConst::msgDefPercentFormat);
}

bool TChartSeries::IsValueFormatStored() const
{
    return m_valueFormat != PlotConst::message(PlotConst::msgDefValueFormat);
}

void TChartSeries::SetMarks(const TSeriesMarks *value)
{
    if (value)
        m_marks->Assign(*value);
}

void TChartSeries::SetSeriesColor(TColor value)
{
    // A colour read from a file is the series' own even where it equals the one the chart's
    // palette gives: the file written again keeps it.
    if (m_seriesColor == clPlotColor && value == m_defaultColor && !IsLoading())
        return;
    const bool changed = value != m_seriesColor;
    m_seriesColor = value;
    m_defaultColor = value;
    if (changed)
        Repaint();
    notifyChart(TPlotSeriesEvent::seColorChanged);
}

// Points.

double TChartSeries::MinZValue() const
{
    return GetZOrder();
}

double TChartSeries::MaxZValue() const
{
    return GetZOrder();
}

TChartValueList *TChartSeries::GetValueListByName(const QString &name) const
{
    for (std::size_t i = 2; i < m_valueLists.size(); ++i)
        if (m_valueLists[i]->Name().compare(name, Qt::CaseInsensitive) == 0)
            return m_valueLists[i];
    return m_yValues;
}

void TChartSeries::SetHorizontal()
{
    m_yMandatory = false;
}

std::vector<TColor> &TChartSeries::ensureColors()
{
    if (int(m_colors.size()) < Count())
        m_colors.resize(std::size_t(Count()), clPlotColor);
    return m_colors;
}

TColor TChartSeries::GetValueColor(int index) const
{
    if (index >= 0 && index < int(m_colors.size()) && m_colors[std::size_t(index)] != clPlotColor)
        return m_colors[std::size_t(index)];
    if (m_colorEachPoint) {
        if (const TCustomAxisPanel *chart = ParentChart())
            return chart->GetDefaultColor(index);
        return PlotProcs::GetDefaultColor(index);
    }
    return Color();
}

void TChartSeries::SetValueColor(int index, TColor color)
{
    m_xValues->Value(index); // checks the index
    if (m_colors.empty() && color == clPlotColor)
        return;
    ensureColors()[std::size_t(index)] = color;
    Repaint();
}

bool TChartSeries::IsNull(int index) const
{
    return index >= 0 && index < int(m_colors.size()) && m_colors[std::size_t(index)] == clNone;
}

void TChartSeries::SwapValueIndex(int a, int b)
{
    m_xValues->Value(a);
    m_xValues->Value(b);
    ++m_updateCount; // one notification for the whole point, not one per list
    for (TChartValueList *list : m_valueLists)
        list->SwapValues(a, b);
    --m_updateCount;
    if (!m_colors.empty())
        std::swap(m_colors[std::size_t(a)], m_colors[std::size_t(b)]);
    m_labels.Swap(a, b);
    NotifyValue(TValueEvent::Modified, a);
    Repaint();
}

void TChartSeries::PermutePoints(const std::vector<int> &order)
{
    for (TChartValueList *list : m_valueLists)
        list->ApplyPermutation(order);
    if (m_colors.size() == order.size()) {
        std::vector<TColor> colors(order.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            colors[i] = m_colors[std::size_t(order[i])];
        m_colors.swap(colors);
    }
    m_labels.Permute(order);
    Repaint();
}

int TChartSeries::AddXY(double x, double y, const QString &label, TColor color)
{
    m_xValues->SetTempValue(x);
    m_yValues->SetTempValue(y);
    if (OnBeforeAdd && !OnBeforeAdd(this))
        return -1;
    const int index = m_xValues->InsertSortedValue();
    m_yValues->InsertValue(index, m_yValues->TempValue());
    for (std::size_t k = 2; k < m_valueLists.size(); ++k)
        m_valueLists[k]->InsertValue(index, m_valueLists[k]->TempValue());
    if (!m_colors.empty())
        m_colors.insert(m_colors.begin() + index, color);
    else if (color != clPlotColor)
        ensureColors()[std::size_t(index)] = color;
    m_labels.InsertLabel(index, label);
    if (m_updateCount == 0)
        NotifyNewValue(this, index);
    return index;
}

int TChartSeries::Add(double value, const QString &label, TColor color)
{
    if (m_yMandatory)
        return AddXY(m_xValues->Count(), value, label, color);
    return AddXY(value, m_yValues->Count(), label, color);
}

void TChartSeries::AddXYArray(std::span<const double> x, std::span<const double> y)
{
    const std::size_t n = std::min(x.size(), y.size());
    if (n == 0)
        return;
    if (OnBeforeAdd) {
        // The event decides point by point.
        UpdateScope update(*this);
        for (std::size_t i = 0; i < n; ++i)
            AddXY(x[i], y[i]);
        update.end();
        return;
    }
    const int before = Count();
    m_xValues->AppendValues(x.first(n));
    m_yValues->AppendValues(y.first(n));
    for (std::size_t k = 2; k < m_valueLists.size(); ++k)
        m_valueLists[k]->AppendValues(std::vector<double>(n, m_valueLists[k]->TempValue()));
    if (!m_colors.empty())
        m_colors.resize(std::size_t(Count()), clPlotColor);
    // Sorted insertion one by one puts each point after the equal ones before it: a stable sort.
    const TChartListOrder order = m_xValues->Order();
    const std::span<const double> values = m_xValues->Values();
    const bool sorted = order == loNone
                        || std::is_sorted(values.begin() + std::max(before - 1, 0), values.end(),
                                          [order](double a, double b) { return order == loAscending ? a < b : a > b; });
    if (!sorted)
        if (const std::vector<int> permutation = m_xValues->InsertionOrder(); !permutation.empty())
            PermutePoints(permutation);
    if (m_updateCount == 0)
        RefreshSeries();
    if (Active())
        Repaint();
}

void TChartSeries::AddArray(std::span<const double> values)
{
    std::vector<double> positions(values.size());
    std::iota(positions.begin(), positions.end(), double(Count()));
    if (m_yMandatory)
        AddXYArray(positions, values);
    else
        AddXYArray(values, positions);
}

void TChartSeries::deletePointEntries(int index)
{
    if (index < int(m_colors.size()))
        m_colors.erase(m_colors.begin() + index);
    m_labels.DeleteLabel(index);
    m_marks->Positions().Delete(index);
    m_marks->Items().Delete(index);
}

void TChartSeries::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw ChartException(
            PlotConst::plotFormat(PlotConst::message(PlotConst::msgSeriesDelete), {index, Count() - 1}));
    for (TChartValueList *list : m_valueLists)
        list->Delete(index);
    deletePointEntries(index);
    NotifyValue(TValueEvent::Delete, index);
    if (Active())
        Repaint();
}

void TChartSeries::DeleteRange(int start, int quantity, bool removeGap)
{
    // A range beyond the points used to run past the lists.
    if (start < 0 || quantity <= 0 || start >= Count())
        return;
    quantity = std::min(quantity, Count() - start);
    for (TChartValueList *list : m_valueLists)
        list->DeleteRange(start, quantity);
    PlotEngine::EraseRange(m_colors, start, quantity);
    m_labels.DeleteRange(start, quantity);
    m_marks->Positions().DeleteRange(start, quantity);
    // The formats of the deleted points must not pass to the points that move down.
    m_marks->Items().DeleteRange(start, quantity);
    // Dependents refill: "point removed" with no single index made them delete point -1.
    NotifyValue(TValueEvent::Refresh, -1);
    if (Active())
        Repaint();
    if (removeGap)
        NotMandatoryValueList()->FillSequence();
}

void TChartSeries::ClearLists()
{
    for (TChartValueList *list : m_valueLists)
        list->ClearValues();
    m_colors = std::vector<TColor>();
    m_labels.Clear();
    // The per-point formats stay: a stream reads them before the points.
    m_marks->Positions().Clear();
}

void TChartSeries::Clear()
{
    m_firstValueIndex = -1;
    m_lastValueIndex = -1;
    ClearLists();
    if (OnClearValues)
        OnClearValues(this);
    NotifyValue(TValueEvent::Clear, 0);
    if (m_function)
        m_function->Clear();
    if (Active() && !IsDestroying())
        Repaint();
}

// Notifications.

void TChartSeries::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        RefreshSeries();
}

void TChartSeries::RefreshSeries()
{
    NotifyValue(TValueEvent::Refresh, -1);
    if (TCustomAxisPanel *chart = ParentChart())
        chart->BroadcastSeriesEvent(TPlotSeriesEvent::seDataChanged, this);
}

void TChartSeries::NotifyNewValue(TChartSeries *sender, int index)
{
    if (OnAfterAdd)
        OnAfterAdd(sender, index);
    NotifyValue(TValueEvent::Add, index);
    if (Active())
        Repaint();
}

void TChartSeries::NotifyValue(TValueEvent event, int index)
{
    if (m_updateCount > 0 || m_linkedSeries.IsEmpty())
        return;
    std::vector<QPointer<TChartSeries>> dependents(m_linkedSeries.begin(), m_linkedSeries.end());
    for (const QPointer<TChartSeries> &dependent : dependents) {
        if (!dependent || dependent->IsDestroying())
            continue;
        TChartSeries &d = *dependent;
        const bool calculated = d.m_function != nullptr;
        switch (event) {
        case TValueEvent::Clear:
            if (d.ValueEventMask & veClear)
                d.Clear();
            break;
        case TValueEvent::Add:
            if ((d.ValueEventMask & veAdd) && !calculated)
                d.AddSourcePoint(this, index);
            break;
        case TValueEvent::Delete:
            if ((d.ValueEventMask & veRemove) && !calculated)
                d.DeletedSourceValue(this, index);
            break;
        case TValueEvent::Refresh:
            d.AddValuesFrom(this);
            break;
        case TValueEvent::Modified:
            if (d.ValueEventMask & veModify)
                d.AddValuesFrom(this);
            break;
        }
    }
}

// Data sources.

QObject *TChartSeries::DataSource() const
{
    return m_dataSources.First();
}

bool TChartSeries::IsValidComponentSource(const QObject *component) const
{
    const auto *series = qobject_cast<const TChartSeries *>(component);
    return series && IsValidSeriesSource(series);
}

void TChartSeries::checkCircular(QObject *component) const
{
    if (const TCustomAxisPanel *chart = ParentChart())
        chart->CheckCircularSource(*this, component);
    else if (DependsOn(component, this))
        throw ChartException(PlotConst::message(PlotConst::msgCircularSeries));
}

void TChartSeries::SetDataSource(QObject *value)
{
    if (!value) {
        if (QObject *current = DataSource())
            RemoveDataSource(current);
        return;
    }
    if (m_dataSources.Contains(value))
        return;
    if (const TCustomAxisPanel *chart = ParentChart()) {
        if (!chart->IsValidDataSource(*this, value))
            throw ChartException(PlotConst::plotFormat(PlotConst::message(PlotConst::msgSeriesInvDataSource),
                                                       {componentName(value)}));
    } else if (!IsValidComponentSource(value)) {
        throw ChartException(PlotConst::message(PlotConst::msgSeriesSetDataSource));
    }
    checkCircular(value);
    if (!IsLoading()) {
        UnlinkFromSources();
        m_dataSources.clearEntries();
    }
    AddDataSource(value);
    CheckDataSource();
}

void TChartSeries::AddCheckedDataSource(QObject *component)
{
    if (!component || m_dataSources.Contains(component))
        return;
    if (const TCustomAxisPanel *chart = ParentChart()) {
        if (!chart->IsValidDataSource(*this, component))
            throw ChartException(PlotConst::plotFormat(PlotConst::message(PlotConst::msgSeriesInvDataSource),
                                                       {componentName(component)}));
    } else if (!IsValidComponentSource(component)) {
        throw ChartException(PlotConst::message(PlotConst::msgSeriesSetDataSource));
    }
    checkCircular(component);
    AddDataSource(component);
    CheckDataSource();
}

int TChartSeries::AddDataSource(QObject *component)
{
    const int index = m_dataSources.append(component);
    m_manualData = false;
    if (auto *series = qobject_cast<TChartSeries *>(component)) {
        linkTo(series);
    } else if (auto *source = qobject_cast<TPlotSeriesSource *>(component)) {
        TChartSeries *previous = source->Series();
        const bool wasActive = source->Active();
        if (previous && previous != this) {
            source->Close();
            previous->m_dataSources.remove(source);
            if (source->parent() == previous)
                source->setParent(this);
        }
        source->attach(this);
        if (previous && previous != this && wasActive)
            source->Open();
    }
    return index;
}

void TChartSeries::RemoveDataSource(QObject *component)
{
    if (IsDestroying() || !component)
        return;
    if (TCustomAxisPanel *chart = ParentChart())
        chart->RemovedDataSource(*this, component);
    if (component == DataSource()) {
        UnlinkFromSources();
        m_dataSources.clearEntries();
    } else {
        m_dataSources.remove(component);
        if (auto *series = qobject_cast<TChartSeries *>(component))
            unlinkFrom(series);
    }
    CheckDataSource();
}

void TChartSeries::UnlinkFromSources()
{
    for (QObject *component : m_dataSources.Items())
        if (auto *series = qobject_cast<TChartSeries *>(component))
            unlinkFrom(series);
}

void TChartSeries::CheckDataSource()
{
    if (m_updateCount > 0 || IsDestroying())
        return;
    if (TCustomAxisPanel *chart = ParentChart())
        chart->RefreshDataSource(*this);
}

int TChartSeries::AddSourceValues(TChartSeries *source, int index)
{
    double x = source->m_xValues->Values()[std::size_t(index)];
    double y = source->m_yValues->Values()[std::size_t(index)];
    if (source->m_yMandatory != m_yMandatory)
        std::swap(x, y);
    const int i = m_xValues->AddValue(x);
    m_yValues->InsertValue(i, y);
    for (std::size_t k = 2; k < m_valueLists.size(); ++k) {
        const double value =
            k < source->m_valueLists.size() ? source->m_valueLists[k]->Values()[std::size_t(index)] : 0.0;
        m_valueLists[k]->InsertValue(i, value);
    }
    return i;
}

void TChartSeries::AddSourcePoint(TChartSeries *source, int index)
{
    const int i = AddSourceValues(source, index);
    const bool sourceColor = index < int(source->m_colors.size());
    if (sourceColor || !m_colors.empty()) {
        // Every point keeps an entry once the list exists.
        if (int(m_colors.size()) < Count() - 1)
            m_colors.resize(std::size_t(Count() - 1), clPlotColor);
        m_colors.insert(m_colors.begin() + i, sourceColor ? source->m_colors[std::size_t(index)] : clPlotColor);
    }
    m_labels.InsertLabel(i, source->m_labels.GetLabel(index));
    NotifyNewValue(this, i);
}

void TChartSeries::AddValuesFrom(TChartSeries *source)
{
    UpdateScope update(*this);
    Clear();
    if (m_function) {
        m_xValues->SetDateTime(source->m_xValues->DateTime());
        m_yValues->SetDateTime(source->m_yValues->DateTime());
        m_function->AddFunctionPoints(source);
    } else if (IsValidSeriesSource(source)) {
        for (int i = 0; i < source->Count(); ++i)
            AddSourcePoint(source, i);
    }
    update.end();
}

void TChartSeries::DeletedSourceValue(TChartSeries *source, int index)
{
    Q_UNUSED(source);
    Delete(index);
}

void TChartSeries::SetFunction(TPlotFunction *value)
{
    if (value == m_function)
        return;
    TPlotFunction *old = m_function;
    m_function = value;
    if (value) {
        value->m_parentSeries = this;
        value->setParent(this);
        m_manualData = false;
    }
    if (old)
        std::unique_ptr<TPlotFunction> freed(old);
    CheckDataSource();
}

// Axes.

bool TChartSeries::AssociatedToAxis(const TChartAxis &axis) const
{
    if (!UseAxis())
        return false;
    if (axis.Horizontal())
        return m_horizAxis == aBothHorizAxis || &axis == m_horizAxisObject;
    return m_vertAxis == aBothVertAxis || &axis == m_vertAxisObject;
}

void TChartSeries::BindAxes()
{
    const TCustomAxisPanel *chart = ParentChart();
    if (!chart) {
        m_horizAxisObject = nullptr;
        m_vertAxisObject = nullptr;
        return;
    }
    if (m_horizAxis == aTopAxis)
        m_horizAxisObject = chart->TopAxis();
    else if (m_horizAxis == aCustomHorizAxis && m_customHorizAxis)
        m_horizAxisObject = m_customHorizAxis;
    else
        m_horizAxisObject = chart->BottomAxis();
    if (m_vertAxis == aRightAxis)
        m_vertAxisObject = chart->RightAxis();
    else if (m_vertAxis == aCustomVertAxis && m_customVertAxis)
        m_vertAxisObject = m_customVertAxis;
    else
        m_vertAxisObject = chart->LeftAxis();
}

void TChartSeries::SetHorizAxis(THorizAxis value)
{
    if (value != aCustomHorizAxis && !IsLoading())
        m_customHorizAxis = nullptr;
    m_horizAxis = value;
    BindAxes();
    Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    if (value != aCustomVertAxis && !IsLoading())
        m_customVertAxis = nullptr;
    m_vertAxis = value;
    BindAxes();
    Repaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis *value)
{
    m_customHorizAxis = value;
    m_horizAxis = value ? aCustomHorizAxis : aBottomAxis;
    BindAxes();
    Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis *value)
{
    m_customVertAxis = value;
    m_vertAxis = value ? aCustomVertAxis : aLeftAxis;
    BindAxes();
    Repaint();
}

TChartValueList *TChartSeries::GetAxisValueList(const TChartAxis &axis) const
{
    if (!AssociatedToAxis(axis))
        return nullptr;
    return axis.Horizontal() ? m_xValues : m_yValues;
}

bool TChartSeries::HasPointLabels() const
{
    const std::span<const QString> labels = m_labels.Items();
    return std::any_of(labels.begin(), labels.end(), [](const QString &label) { return !label.isEmpty(); });
}

// Joining and leaving a chart.

void TChartSeries::SetParentChart(TCustomAxisPanel *value)
{
    TCustomAxisPanel *old = ParentChart();
    if (old == value)
        return;
    if (old)
        old->RemoveSeries(this);
    storeParentChart(value);
    m_marks->SetParentChart(value ? static_cast<TCustomPlotPanel *>(value) : nullptr);
    if (value) {
        // Series are children of their owner, the chart when none was given.
        if (!parent())
            setParent(value);
        value->InternalAddSeries(this);
    }
}

void TChartSeries::Added()
{
    TCustomAxisPanel *chart = ParentChart();
    if (m_seriesColor == clPlotColor && chart) {
        m_defaultColor = chart->GetFreeSeriesColor(true, nullptr);
        notifyChart(TPlotSeriesEvent::seColorChanged);
    }
    BindAxes();
    for (QObject *component : m_dataSources.Items())
        if (auto *series = qobject_cast<TChartSeries *>(component))
            linkTo(series);
    CheckDataSource();
}

void TChartSeries::Removed()
{
    TCustomAxisPanel *chart = ParentChart();
    if (chart && m_mouseInside && m_cursor != 0)
        chart->RestoreCursor();
    m_mouseInside = false;
    UnlinkFromSources();
    storeParentChart(nullptr);
    m_marks->SetParentChart(nullptr);
    BindAxes();
}

// Copying.

void TChartSeries::Assign(const TCustomChartElement &source)
{
    TCustomChartSeries::Assign(source);
    const auto *s = qobject_cast<const TChartSeries *>(&source);
    if (!s || s == this)
        return;
    SetDataSource(nullptr);
    const bool crosswise = s->m_yMandatory != m_yMandatory;
    m_xValues->Assign(crosswise ? *s->m_yValues : *s->m_xValues);
    m_yValues->Assign(crosswise ? *s->m_xValues : *s->m_yValues);
    m_xLabelsSource = s->m_xLabelsSource;
    m_colorSource = s->m_colorSource;
    for (std::size_t k = 2; k < std::min(m_valueLists.size(), s->m_valueLists.size()); ++k)
        m_valueLists[k]->Assign(*s->m_valueLists[k]);
    m_marks->Assign(*s->m_marks);
    SetSeriesColor(s->m_seriesColor);
    m_defaultColor = s->m_defaultColor;
    m_colorEachPoint = s->m_colorEachPoint;
    m_valueFormat = s->m_valueFormat;
    m_percentFormat = s->m_percentFormat;
    m_customHorizAxis = s->m_customHorizAxis;
    m_horizAxis = s->m_horizAxis;
    m_customVertAxis = s->m_customVertAxis;
    m_vertAxis = s->m_vertAxis;
    ValueEventMask = s->ValueEventMask;
    m_cursor = s->m_cursor;
    m_depth = s->m_depth;
    TypeFlag = s->TypeFlag;
    BindAxes();
    if (s->m_function && !m_function) {
        // A copy of the source's function, when its type can be made from its meta-object.
        QObject *made = s->m_function->metaObject()->newInstance(Q_ARG(QObject *, nullptr));
        if (auto *function = qobject_cast<TPlotFunction *>(made)) {
            function->Assign(*s->m_function);
            SetFunction(function);
        } else {
            std::unique_ptr<QObject> unused(made);
        }
    }
    m_manualData = s->m_manualData;
    if (s->DataSource() && !s->m_manualData) {
        for (QObject *component : s->m_dataSources.Items())
            AddCheckedDataSource(component);
        CheckDataSource();
        return;
    }
    AssignValues(const_cast<TChartSeries *>(s));
    m_manualData = s->m_manualData;
    CheckDataSource();
}

// Sample values.

int TChartSeries::RandomInt(int limit)
{
    return PlotEngine::RandomInt(limit);
}

void TChartSeries::FillSampleValues(int numValues)
{
    if (numValues < 0)
        throw ChartException(PlotConst::message(PlotConst::msgFillSample));
    if (numValues == 0)
        numValues = DefaultSampleCount();
    Clear();
    PlotEngine::RandomSeed(unsigned(RandomInt(7774444)));
    UpdateScope update(*this);
    AddSampleValues(numValues, false);
    CheckOrder();
    update.end();
    m_manualData = false;
}

TChartSeries::RandomBounds TChartSeries::CalcRandomBounds(int numValues) const
{
    double minX = 0.0;
    double rangeX = numValues - 1;
    double minY = 0.0;
    double rangeY = 1000.0;
    const TCustomAxisPanel *chart = ParentChart();
    const TChartAxis *horiz = GetHorizAxis();
    const TChartAxis *vert = GetVertAxis();
    if (chart && horiz && vert && chart->CountActiveSeries() > 0) {
        const auto range = [](const TChartAxis &axis, double &minimum, double &extent) {
            minimum = axis.Minimum();
            extent = axis.Maximum() - axis.Minimum();
            if (extent == 0.0)
                extent = minimum == 0.0 ? 1000.0 : 2.0 * std::fabs(minimum);
        };
        range(*horiz, minX, rangeX);
        range(*vert, minY, rangeY);
        if (!m_yMandatory) {
            std::swap(minX, minY);
            std::swap(rangeX, rangeY);
        }
    } else if (m_xValues->DateTime()) {
        minX = PlotProcs::toDateValue(QDateTime(QDate::currentDate(), QTime()));
    }
    RandomBounds bounds;
    bounds.stepX = numValues > 1 ? rangeX / (numValues - 1) : 0.0;
    bounds.rangeY = std::clamp(rangeY, -2147483647.0, 2147483647.0);
    bounds.startX = minX;
    bounds.startY = minY + RandomInt(100) * 0.01 * bounds.rangeY;
    return bounds;
}

void TChartSeries::AddSampleValues(int numValues, bool onlyMandatory)
{
    const RandomBounds bounds = CalcRandomBounds(numValues);
    double x = bounds.startX;
    double y = bounds.startY;
    const double rangeY = bounds.rangeY;
    for (int i = 0; i < numValues; ++i) {
        y = std::fabs(RandomInt(100) / 100.0 * rangeY / 4.0 + y - rangeY / 8.0);
        if (onlyMandatory)
            Add(y);
        else if (m_yMandatory)
            AddXY(x, y);
        else
            AddXY(y, x);
        x += bounds.stepX;
    }
}

void TChartSeries::CheckOrder()
{
    TChartValueList *mandatory = MandatoryValueList();
    if (mandatory->Order() == loNone)
        return;
    mandatory->Sort();
    if (NotMandatoryValueList()->ValueSource().isEmpty())
        NotMandatoryValueList()->FillSequence();
    Repaint();
}

void TChartSeries::PrepareForGallery(bool enabled)
{
    FillSampleValues(4);
    m_marks->SetVisible(false);
    m_marks->Font()->SetSize(7);
    m_marks->Callout()->SetLength(4);
    m_marks->SetDrawEvery(2);
    m_colorEachPoint = false;
    const TCustomAxisPanel *chart = ParentChart();
    if (!enabled)
        SetSeriesColor(clSilver);
    else if (chart)
        SetSeriesColor(chart->GetDefaultColor(chart->SeriesList().IndexOf(this) == 0 ? 0 : 3));
}

void TChartSeries::CreateSubGallery(const std::function<void(const QString &)> &addSubChart) const
{
    addSubChart(QStringLiteral("Normal"));
}
