// The published chart.
#include "TChart.h"

TChart::TChart(QWidget *parent)
    : TCustomChart(parent)
{
}
