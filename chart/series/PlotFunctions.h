// The functions over the values of one series or one point index of several: the sum, the highest
// and lowest value and the average.
#pragma once

#include "TPlotFunction.h"

class TAddPlotFunction : public TPlotFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TAddPlotFunction(QObject *owner = nullptr)
        : TPlotFunction(owner)
    {
    }
    double Calculate(TChartSeries &source, int firstIndex, int lastIndex) override;
    double CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex) override;
};

// The highest value (or the lowest, for TLowPlotFunction): the first value seeds the result and a
// later one replaces it only when strictly beyond it.
class THighPlotFunction : public TPlotFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit THighPlotFunction(QObject *owner = nullptr)
        : TPlotFunction(owner)
    {
    }
    double Calculate(TChartSeries &source, int firstIndex, int lastIndex) override;
    double CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex) override;
};

class TLowPlotFunction : public TPlotFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TLowPlotFunction(QObject *owner = nullptr)
        : TPlotFunction(owner)
    {
    }
    double Calculate(TChartSeries &source, int firstIndex, int lastIndex) override;
    double CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex) override;
};

class TAveragePlotFunction : public TPlotFunction
{
    Q_OBJECT
    Q_PROPERTY(bool IncludeNulls READ IncludeNulls WRITE SetIncludeNulls)
public:
    Q_INVOKABLE explicit TAveragePlotFunction(QObject *owner = nullptr)
        : TPlotFunction(owner)
    {
    }
    // False leaves null points out of the sum and the count.
    bool IncludeNulls() const { return m_includeNulls; }
    void SetIncludeNulls(bool value);
    Q_INVOKABLE bool IsIncludeNullsStored() const { return !m_includeNulls; }

    QString GetEditorClassName() const override { return QStringLiteral("TAverageFuncEditor"); }
    double Calculate(TChartSeries &source, int firstIndex, int lastIndex) override;
    double CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex) override;
    void Assign(const TPlotFunction &source) override;

private:
    bool m_includeNulls = true;
};
