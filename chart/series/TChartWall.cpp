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
    setShapeProperty(m_autoHide, value);
}

void TCustomChartWall::SetDark3D(bool value)
{
    setShapeProperty(m_dark3D, value);
}

void TCustomChartWall::SetSize(int value)
{
    setShapeProperty(m_size, value);
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
