// The base of calculated functions: a function belongs to a series and fills it with results
// computed from the series' data sources, over all points, over groups of points (a period of N
// points or a range of X units), or point by point across several source series.
#pragma once

#include "EngineTypes.h"

#include <QObject>
#include <QPointer>

#include <vector>

class TChartSeries;
class TChartValueList;
class TCustomAxisPanel;

class TPlotFunction : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double Period READ Period WRITE SetPeriod)
    Q_PROPERTY(PlotEngineEnums::TFunctionPeriodAlign PeriodAlign READ PeriodAlign WRITE SetPeriodAlign)
    Q_PROPERTY(PlotEngineEnums::TFunctionPeriodStyle PeriodStyle READ PeriodStyle WRITE SetPeriodStyle)
public:
    // A range period over sparse X values adds at most this many empty-range results.
    static constexpr int kMaxEmptyRanges = 1000000;

    // Invokable: copying a series makes its function's type from the meta-object.
    Q_INVOKABLE explicit TPlotFunction(QObject *owner = nullptr);
    ~TPlotFunction() override;

    // 0: one result over all points. A negative value raises ChartException and keeps the period.
    double Period() const { return m_period; }
    void SetPeriod(double value);
    TFunctionPeriodAlign PeriodAlign() const { return m_periodAlign; }
    void SetPeriodAlign(TFunctionPeriodAlign value);
    TFunctionPeriodStyle PeriodStyle() const { return m_periodStyle; }
    void SetPeriodStyle(TFunctionPeriodStyle value);
    // Set by the constructor; its meaning belongs to the function types.
    bool TypeFlag = true;
    // The panel refills the series through the function even without a data source.
    bool NoSourceRequired = false;
    // The function editor offers one source series and the choice of its value list, and
    // hides that choice; no function of the library sets them.
    bool SingleSource = false;
    bool HideValueChoice = false;

    // The series the function fills; moving the function moves its ownership.
    TChartSeries *ParentSeries() const { return m_parentSeries; }
    void SetParentSeries(TChartSeries *value);

    void BeginUpdate() { m_updating = true; }
    void EndUpdate();
    bool IsUpdating() const { return m_updating; }
    // Refills the parent series from its sources, unless updating.
    void Recalculate();
    // The list of the source the function reads: the parent's value source list, else the mandatory one.
    TChartValueList *ValueList(const TChartSeries &source) const;

    // The result over points first..last of the source (-1, -1: all); 0 in the base.
    virtual double Calculate(TChartSeries &source, int firstIndex, int lastIndex);
    // The result at one point index over several series; 0 in the base.
    virtual double CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex);
    virtual QString GetEditorClassName() const { return QStringLiteral("TPlotFunctionEditor"); }
    virtual void PrepareSeriesForGallery(TCustomAxisPanel &chart);
    // The parent series was cleared; nothing in the base.
    virtual void Clear() {}

    // The parent series refills from a source (after its Clear, inside its update bracket); none
    // when the function needs no source, which adds nothing in the base.
    virtual void AddFunctionPoints(TChartSeries *source);

    virtual void Assign(const TPlotFunction &source);

protected:
    virtual void CalculatePeriod(TChartSeries &source, double position, int firstIndex, int lastIndex);
    virtual void CalculateAllPoints(TChartSeries &source, const TChartValueList &xList);
    virtual void CalculateByPeriod(TChartSeries &source, const TChartValueList &xList);
    virtual void AddPoints(TChartSeries &source, const TChartValueList &xList);
    // One result point on the parent, X and Y exchanged for a horizontal source.
    void AddFunctionXY(bool sourceYMandatory, double result, double position);

private:
    friend class TChartSeries;
    void calculateMany(TChartSeries &source);
    // The next range start after start: one period along the parent's horizontal axis.
    double nextRangeStart(double start) const;

    double m_period = 0.0;
    TFunctionPeriodStyle m_periodStyle = psNumPoints;
    TFunctionPeriodAlign m_periodAlign = paCenter;
    QPointer<TChartSeries> m_parentSeries;
    bool m_updating = false;
};
