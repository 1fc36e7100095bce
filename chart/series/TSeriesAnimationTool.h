// The series animation tool: the values of a series grow from a start value to their real values
// in steps, the chart repainted after each, once or in a loop.
#pragma once

#include "ToolTypes.h"

#include "TPlotCustomTool.h"

#include <algorithm>
#include <functional>
#include <memory>

class TSeriesAnimationTool;

using TSeriesAnimationStep = std::function<void(TSeriesAnimationTool *sender, int step)>;

class TSeriesAnimationTool : public TPlotCustomToolSeries
{
    Q_OBJECT
    Q_PROPERTY(int DrawEvery READ DrawEvery WRITE SetDrawEvery)
    Q_PROPERTY(ToolEnums::TSeriesAnimationLoop Loop READ Loop WRITE SetLoop)
    Q_PROPERTY(bool StartAtMin READ StartAtMin WRITE SetStartAtMin)
    Q_PROPERTY(double StartValue READ StartValue WRITE SetStartValue)
    Q_PROPERTY(int Steps READ Steps WRITE SetSteps)
public:
    Q_INVOKABLE explicit TSeriesAnimationTool(QObject *owner = nullptr);
    ~TSeriesAnimationTool() override;

    // Points animated together; 0 (or less) animates all at once.
    int DrawEvery() const { return m_drawEvery; }
    void SetDrawEvery(int value) { m_drawEvery = std::max(value, 0); }
    Q_INVOKABLE bool IsDrawEveryStored() const { return m_drawEvery != 0; }
    TSeriesAnimationLoop Loop() const { return m_loop; }
    void SetLoop(TSeriesAnimationLoop value) { m_loop = value; }
    Q_INVOKABLE bool IsLoopStored() const { return m_loop != salNo; }
    bool StartAtMin() const { return m_startAtMin; }
    void SetStartAtMin(bool value) { m_startAtMin = value; }
    Q_INVOKABLE bool IsStartAtMinStored() const { return !m_startAtMin; }
    double StartValue() const { return m_startValue; }
    void SetStartValue(double value) { m_startValue = value; }
    Q_INVOKABLE bool IsStartValueStored() const { return m_startValue != 0; }
    int Steps() const { return m_steps; }
    // Below 1 raises ChartException and keeps the steps.
    void SetSteps(int value);
    Q_INVOKABLE bool IsStepsStored() const { return m_steps != 100; }

    bool Running() const { return !m_stopped; }
    // Ends a running animation after its current step.
    void Stop() { m_stopped = true; }

    TSeriesAnimationStep OnStep;

    // Runs the animation on the series; nothing without a series or while one runs. The series
    // has its real values again when it returns, also when a step handler throws.
    virtual void Execute();
    QString Description() const override;
    QString GetEditorClassName() const override { return QStringLiteral("TSeriesAnimToolEditor"); }

private:
    int m_drawEvery = 0;
    TSeriesAnimationLoop m_loop = salNo;
    bool m_startAtMin = true;
    double m_startValue = 0;
    int m_steps = 100;
    bool m_stopped = true;
    // Tells a run in progress that the tool is gone.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
