// The user-computed function.
#include "TCustomPlotFunction.h"

#include "TChartSeries.h"

#include <algorithm>

TCustomPlotFunction::TCustomPlotFunction(QObject *owner)
    : TPlotFunction(owner)
{
    NoSourceRequired = true;
    SetPeriod(1.0);
}

void TCustomPlotFunction::SetNumPoints(int value)
{
    if (value == m_numPoints)
        return;
    m_numPoints = value;
    Recalculate();
}

void TCustomPlotFunction::SetStartX(double value)
{
    if (value == m_startX)
        return;
    m_startX = value;
    Recalculate();
}

void TCustomPlotFunction::AddFunctionPoints(TChartSeries *source)
{
    if (source) {
        TPlotFunction::AddFunctionPoints(source);
        return;
    }
    TChartSeries *parent = ParentSeries();
    if (!OnCalculate || !parent || IsUpdating())
        return;
    parent->Clear();
    const bool yMandatory = parent->YMandatory();
    double x = m_startX;
    for (int i = 0; i < std::min(m_numPoints, kMaxPoints); ++i) {
        m_x = x;
        double y = 0.0;
        OnCalculate(this, x, y);
        if (yMandatory)
            parent->AddXY(x, y);
        else
            parent->AddXY(y, x);
        x += Period();
    }
}

void TCustomPlotFunction::Assign(const TPlotFunction &source)
{
    TPlotFunction::Assign(source);
    if (const auto *custom = qobject_cast<const TCustomPlotFunction *>(&source)) {
        m_numPoints = custom->m_numPoints;
        m_startX = custom->m_startX;
    }
}
