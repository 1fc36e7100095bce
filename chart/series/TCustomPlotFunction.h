// y = f(x): a function without sources whose points a handler computes at evenly spaced X values.
#pragma once

#include "TPlotFunction.h"

#include <functional>

class TCustomPlotFunction;
// The handler writes y for x; y holds 0 before the call.
using TCalculateEvent = std::function<void(TCustomPlotFunction *sender, double x, double &y)>;

class TCustomPlotFunction : public TPlotFunction
{
    Q_OBJECT
    Q_PROPERTY(int NumPoints READ NumPoints WRITE SetNumPoints)
    Q_PROPERTY(double StartX READ StartX WRITE SetStartX)
public:
    // Points made at most: a count read from a file or typed into a dialog must not take minutes
    // and gigabytes. The property keeps the value given.
    static constexpr int kMaxPoints = TPlotFunction::kMaxEmptyRanges;

    Q_INVOKABLE explicit TCustomPlotFunction(QObject *owner = nullptr);

    int NumPoints() const { return m_numPoints; }
    void SetNumPoints(int value);
    double StartX() const { return m_startX; }
    void SetStartX(double value);
    Q_INVOKABLE bool IsStartXStored() const { return m_startX != 0.0; }
    // The X of the point being computed.
    double X() const { return m_x; }

    TCalculateEvent OnCalculate;

    QString GetEditorClassName() const override { return QStringLiteral("TCustomFunctionEditor"); }
    // Without a source: refills the parent from the handler, from StartX in steps of Period.
    void AddFunctionPoints(TChartSeries *source) override;
    void Assign(const TPlotFunction &source) override;

private:
    int m_numPoints = 100;
    double m_startX = 0.0;
    double m_x = 0.0;
};
