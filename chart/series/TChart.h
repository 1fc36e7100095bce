// The chart as applications place it: publishes what the chart component has.
#pragma once

#include "TCustomChart.h"

class TChart : public TCustomChart
{
    Q_OBJECT
    Q_PROPERTY(TChartBackWall *BackWall READ BackWall WRITE SetBackWall)
    Q_PROPERTY(TChartWall *BottomWall READ BottomWall WRITE SetBottomWall)
    Q_PROPERTY(TChartFootTitle *Foot READ Foot WRITE SetFoot)
    Q_PROPERTY(TChartPen *Frame READ Frame WRITE SetFrame)
    Q_PROPERTY(TChartLegend *Legend READ Legend WRITE SetLegend)
    Q_PROPERTY(TChartWall *LeftWall READ LeftWall WRITE SetLeftWall)
    Q_PROPERTY(TChartRightWall *RightWall READ RightWall WRITE SetRightWall)
    Q_PROPERTY(PlotEnums::TMouseButton ScrollMouseButton READ ScrollMouseButton WRITE SetScrollMouseButton)
    Q_PROPERTY(TChartFootTitle *SubFoot READ SubFoot WRITE SetSubFoot)
    Q_PROPERTY(TChartTitle *SubTitle READ SubTitle WRITE SetSubTitle)
    Q_PROPERTY(TChartTitle *Title READ Title WRITE SetTitle)
public:
    explicit TChart(QWidget *parent = nullptr);
};
