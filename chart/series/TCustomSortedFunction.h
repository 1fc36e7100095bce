// Functions over the sorted values of a range or of one index across sources: the median and the
// most frequent value.
#pragma once

#include "TPlotFunction.h"

#include <span>
#include <vector>

class TCustomSortedFunction : public TPlotFunction
{
    Q_OBJECT
    Q_PROPERTY(bool IncludeNulls READ IncludeNulls WRITE SetIncludeNulls)
public:
    Q_INVOKABLE explicit TCustomSortedFunction(QObject *owner = nullptr)
        : TPlotFunction(owner)
    {
    }
    // False leaves null points out.
    bool IncludeNulls() const { return m_includeNulls; }
    void SetIncludeNulls(bool value);
    Q_INVOKABLE bool IsIncludeNullsStored() const { return !m_includeNulls; }

    // Over the source's own values (its mandatory list); an empty range gives 0.
    double Calculate(TChartSeries &source, int firstIndex, int lastIndex) override;
    double CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex) override;
    // The result over the values in ascending order, equal values in the order they came; 0 here.
    virtual double SortedResult(std::span<const double> sorted) const;
    void Assign(const TPlotFunction &source) override;

private:
    // Sorts the collected values (NaN is left out: it has no place in an order) and asks SortedResult.
    double sortedResult();

    bool m_includeNulls = true;
    // The collected values; the capacity stays from one calculation to the next.
    std::vector<double> m_values;
};

// The middle value; for an even count the mean of the two middle values.
class TMedianPlotFunction : public TCustomSortedFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TMedianPlotFunction(QObject *owner = nullptr)
        : TCustomSortedFunction(owner)
    {
    }
    double SortedResult(std::span<const double> sorted) const override;
};

// The value of the longest run of equal values; among equally long runs the smallest value.
class TModePlotFunction : public TCustomSortedFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TModePlotFunction(QObject *owner = nullptr)
        : TCustomSortedFunction(owner)
    {
    }
    double SortedResult(std::span<const double> sorted) const override;
};
