// Calculated functions: grouping of source points, placing of results, refills.
#include "TPlotFunction.h"

#include "PlotExceptions.h"
#include "TChartAxis.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"

#include "PlotConst.h"
#include "PlotProcs.h"

#include <algorithm>
#include <cmath>

TPlotFunction::TPlotFunction(QObject *owner)
    : QObject(owner)
{
}

TPlotFunction::~TPlotFunction() = default;

void TPlotFunction::SetPeriod(double value)
{
    if (value < 0.0)
        throw ChartException(PlotConst::message(PlotConst::msgFunctionPeriod));
    if (value == m_period)
        return;
    m_period = value;
    Recalculate();
}

void TPlotFunction::SetPeriodAlign(TFunctionPeriodAlign value)
{
    if (value == m_periodAlign)
        return;
    m_periodAlign = value;
    Recalculate();
}

void TPlotFunction::SetPeriodStyle(TFunctionPeriodStyle value)
{
    if (value == m_periodStyle)
        return;
    m_periodStyle = value;
    Recalculate();
}

void TPlotFunction::SetParentSeries(TChartSeries *value)
{
    if (value == m_parentSeries)
        return;
    if (m_parentSeries)
        m_parentSeries->m_function = nullptr;
    m_parentSeries = nullptr;
    if (value)
        value->SetFunction(this);
    else
        setParent(nullptr);
}

void TPlotFunction::EndUpdate()
{
    if (!m_updating)
        return;
    m_updating = false;
    Recalculate();
}

void TPlotFunction::Recalculate()
{
    if (!m_updating && m_parentSeries)
        m_parentSeries->CheckDataSource();
}

TChartValueList *TPlotFunction::ValueList(const TChartSeries &source) const
{
    const QString name = m_parentSeries ? m_parentSeries->MandatoryValueList()->ValueSource() : QString();
    return name.isEmpty() ? source.MandatoryValueList() : source.GetValueListByName(name);
}

double TPlotFunction::Calculate(TChartSeries &source, int firstIndex, int lastIndex)
{
    Q_UNUSED(source);
    Q_UNUSED(firstIndex);
    Q_UNUSED(lastIndex);
    return 0.0;
}

double TPlotFunction::CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex)
{
    Q_UNUSED(sources);
    Q_UNUSED(valueIndex);
    return 0.0;
}

void TPlotFunction::PrepareSeriesForGallery(TCustomAxisPanel &chart)
{
    for (TChartSeries *series : std::vector<TChartSeries *>(chart.SeriesList().Items()))
        series->PrepareForGallery(true);
}

void TPlotFunction::AddFunctionPoints(TChartSeries *source)
{
    if (m_updating || !source || !m_parentSeries)
        return;
    if (m_parentSeries->DataSources().Count() > 1)
        calculateMany(*source);
    else if (source->Count() > 0)
        AddPoints(*source, *source->NotMandatoryValueList());
}

void TPlotFunction::AddPoints(TChartSeries &source, const TChartValueList &xList)
{
    if (m_period != 0.0)
        CalculateByPeriod(source, xList);
    else
        CalculateAllPoints(source, xList);
}

void TPlotFunction::AddFunctionXY(bool sourceYMandatory, double result, double position)
{
    if (sourceYMandatory)
        m_parentSeries->AddXY(position, result);
    else
        m_parentSeries->AddXY(result, position);
}

void TPlotFunction::CalculateAllPoints(TChartSeries &source, const TChartValueList &xList)
{
    const double result = Calculate(source, -1, -1);
    const bool parentOrdinary = m_parentSeries->YMandatory();
    if (m_parentSeries->FunctionSinglePoint) {
        const double middle = xList.MinValue() + (xList.MaxValue() - xList.MinValue()) * 0.5;
        if (parentOrdinary)
            m_parentSeries->AddXY(middle, result);
        else
            m_parentSeries->AddXY(result, middle);
        return;
    }
    AddFunctionXY(source.YMandatory(), result, xList.MinValue());
    AddFunctionXY(source.YMandatory(), result, xList.MaxValue());
}

void TPlotFunction::CalculatePeriod(TChartSeries &source, double position, int firstIndex, int lastIndex)
{
    AddFunctionXY(source.YMandatory(), Calculate(source, firstIndex, lastIndex), position);
}

double TPlotFunction::nextRangeStart(double start) const
{
    const TChartAxis *axis = m_parentSeries ? m_parentSeries->GetHorizAxis() : nullptr;
    const int step = PlotProcs::FindTimeStepIndex(m_period);
    if (axis && axis->IsDateTime() && step != PlotProcs::kNoTimeStep) {
        PlotProcs::StepDateTime(true, true, start, step, m_period);
        return start;
    }
    return start + m_period;
}

void TPlotFunction::CalculateByPeriod(TChartSeries &source, const TChartValueList &xList)
{
    const std::span<const double> x = xList.Values();
    const int n = int(x.size());
    if (n == 0)
        return;
    // A period below one point (0.4, or 0.5 rounding to even) made empty groups that never advanced.
    const int groupSize = std::max(1, int(std::nearbyint(m_period)));
    const auto position = [this](double first, double last) {
        switch (m_periodAlign) {
        case paFirst: return first;
        case paLast: return last;
        case paCenter: break;
        }
        return (first + last) * 0.5;
    };
    int i = 0;
    double start = x[0];
    int emptyRanges = 0;
    do {
        if (m_periodStyle == psNumPoints) {
            const long long j = (long long)groupSize + i - 1;
            if (j >= n)
                break; // the incomplete last group adds nothing
            CalculatePeriod(source, position(x[std::size_t(i)], x[std::size_t(j)]), i, int(j));
            i = int(j) + 1;
            continue;
        }
        const double first = start;
        const double next = nextRangeStart(start);
        // A period below the precision of the X values (or a date step that does not move) ends here.
        if (!(next > start))
            break;
        start = next;
        const double last = start - 0.001 * m_period;
        int j = i;
        while (j < n - 1 && x[std::size_t(j) + 1] < start)
            ++j;
        if (x[std::size_t(i)] < start) {
            CalculatePeriod(source, position(first, last), i, j);
            i = j + 1;
        } else {
            AddFunctionXY(source.YMandatory(), 0.0, position(first, last));
            // Sparse X values with a small period would add a result for every empty range.
            if (++emptyRanges >= kMaxEmptyRanges)
                break;
        }
    } while (i <= n - 1);
}

void TPlotFunction::calculateMany(TChartSeries &source)
{
    TChartSeries *reference = &source;
    std::vector<TChartSeries *> sources;
    for (QObject *component : m_parentSeries->DataSources().Items())
        if (auto *series = qobject_cast<TChartSeries *>(component)) {
            sources.push_back(series);
            if (series->Count() > reference->Count())
                reference = series;
        }
    const bool horizontal = !m_parentSeries->YMandatory();
    const std::span<const double> x = reference->NotMandatoryValueList()->Values();
    for (int p = 0; p < reference->Count(); ++p) {
        double px = x[std::size_t(p)];
        double py = CalculateMany(sources, p);
        if (horizontal)
            std::swap(px, py);
        m_parentSeries->AddXY(px, py, reference->Labels().GetLabel(p), clPlotColor);
    }
}

void TPlotFunction::Assign(const TPlotFunction &source)
{
    m_period = source.m_period;
    m_periodStyle = source.m_periodStyle;
    m_periodAlign = source.m_periodAlign;
}
