// Functions that combine the sources point by point, from the first source that has a value:
// the difference, the product and the quotient.
#pragma once

#include "TPlotFunction.h"

class TManySeriesPlotFunction : public TPlotFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TManySeriesPlotFunction(QObject *owner = nullptr)
        : TPlotFunction(owner)
    {
    }
    // No source with a value at the index gives 0.
    double CalculateMany(const std::vector<TChartSeries *> &sources, int valueIndex) override;
    // The result so far combined with the next source's value; 0 here.
    virtual double CalculateValue(double result, double value) const;
};

class TSubtractPlotFunction : public TManySeriesPlotFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TSubtractPlotFunction(QObject *owner = nullptr)
        : TManySeriesPlotFunction(owner)
    {
    }
    double CalculateValue(double result, double value) const override { return result - value; }
};

class TMultiplyPlotFunction : public TManySeriesPlotFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TMultiplyPlotFunction(QObject *owner = nullptr)
        : TManySeriesPlotFunction(owner)
    {
    }
    double CalculateValue(double result, double value) const override { return result * value; }
};

// A divisor of 0 is skipped: the result stays as it was.
class TDividePlotFunction : public TManySeriesPlotFunction
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TDividePlotFunction(QObject *owner = nullptr)
        : TManySeriesPlotFunction(owner)
    {
    }
    double CalculateValue(double result, double value) const override { return value == 0.0 ? result : result / value; }
};
