// The exceptions the chart engine raises; each carries only its message.
#pragma once

#include "PlotException.h"

class ChartException : public PlotException
{
public:
    using PlotException::PlotException;
};

class AxisException : public PlotException
{
public:
    using PlotException::PlotException;
};

class LegendException : public PlotException
{
public:
    using PlotException::PlotException;
};
