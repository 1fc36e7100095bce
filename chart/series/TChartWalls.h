// The four walls of a chart, made and freed together.
#pragma once

#include "TChartWall.h"

#include <QObject>

class TChartWalls : public QObject
{
    Q_OBJECT
public:
    explicit TChartWalls(TCustomChart *chart);

    TChartBackWall *Back() const { return m_back; }
    TChartWall *Left() const { return m_left; }
    TChartWall *Bottom() const { return m_bottom; }
    TChartRightWall *Right() const { return m_right; }
    // Gives all four walls one thickness.
    void SetSize(int value);
    void Assign(const TChartWalls &source);

private:
    // Children of the walls object.
    TChartBackWall *m_back = nullptr;
    TChartWall *m_left = nullptr;
    TChartWall *m_bottom = nullptr;
    TChartRightWall *m_right = nullptr;
};
