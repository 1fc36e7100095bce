// Wall settings and the rules the chart asks when it draws them.
#include "TChartWall.h"

#include "TCustomChart.h"

#include "TPicture.h"

TCustomChartWall::TCustomChartWall(TCustomChart *chart, QObject *owner)
    : TPlotCustomShape(chart, owner ? owner : chart)
    , m_chart(chart)
{
    SetColor(clPlotColor);
}

TChartBackWall::TChartBackWall(TCustomChart *chart, QObject *owner)
    : TChartWall(chart, owner)
{
    setDefaultColor(clSilver);
    setDefaultTransparent(true);
}

void TCustomChartWall::SetAutoHide(bool value)
{
    if (value == m_autoHide)
        return;
    m_autoHide = value;
    Repaint();
}

void TCustomChartWall::SetDark3D(bool value)
{
    if (value == m_dark3D)
        return;
    m_dark3D = value;
    Repaint();
}

void TCustomChartWall::SetSize(int value)
{
    if (value == m_size)
        return;
    m_size = value;
    Repaint();
}

bool TCustomChartWall::ShouldDraw() const
{
    return m_chart && m_chart->View3DWalls() && Visible() && !m_autoHide;
}

bool TCustomChartWall::ShadedSides() const
{
    const TPicture *image = Brush()->imageIfAny();
    return Brush()->Style() != bsClear && (!image || image->IsEmpty()) && m_dark3D;
}

void TCustomChartWall::Assign(const TPlotCustomShapeBrushPen &source)
{
    if (const auto *wall = qobject_cast<const TCustomChartWall *>(&source); wall && wall != this) {
        m_autoHide = wall->m_autoHide;
        m_dark3D = wall->m_dark3D;
        m_size = wall->m_size;
    }
    TPlotCustomShape::Assign(source);
}
