// The walls' defaults: a silver, see-through back wall, a pale yellow left wall, a white floor
// and a hidden right wall.
#include "TChartWalls.h"

#include "TCustomChart.h"

TChartWalls::TChartWalls(TCustomChart *chart)
    : QObject(chart)
    , m_back(new TChartBackWall(chart, this))
    , m_left(new TChartWall(chart, this))
    , m_bottom(new TChartWall(chart, this))
    , m_right(new TChartRightWall(chart, this))
{
    m_left->SetColor(0x80FFFF);
    m_bottom->SetColor(clWhite);
    m_right->SetColor(clSilver);
    m_right->SetVisible(false);
}

void TChartWalls::SetSize(int value)
{
    m_back->SetSize(value);
    m_left->SetSize(value);
    m_bottom->SetSize(value);
    m_right->SetSize(value);
}

void TChartWalls::Assign(const TChartWalls &source)
{
    m_back->Assign(*source.m_back);
    m_left->Assign(*source.m_left);
    m_bottom->Assign(*source.m_bottom);
    m_right->Assign(*source.m_right);
}
