// Base bodies of the 3D canvas: 2D brackets, projected rectangles and pictures in a plane.
#include "TCanvas3D.h"

#include "CanvasStateGuard.h"
#include "GuiCanvas.h"
#include "PlotColor.h"
#include "PlotGeometry.h"
#include "PlotRound.h"
#include "TBrush.h"
#include "TPen.h"
#include "TView3DOptions.h"

#include <QImage>

TCanvas3D::TCanvas3D() = default;

TCanvas3D::~TCanvas3D() = default;

void TCanvas3D::Begin2D()
{
    if (m_2dCounter == 0)
        Disable3D();
    ++m_2dCounter;
}

void TCanvas3D::End2D()
{
    if (m_2dCounter == 0)
        return;
    --m_2dCounter;
    if (m_2dCounter == 0)
        Restore3D();
}

TRect TCanvas3D::CalcRect3D(const TRect &rect, int z) const
{
    const TPoint a = Calc3DPoint(rect.left, rect.top, z);
    const TPoint b = Calc3DPoint(rect.right, rect.bottom, z);
    return {a.x, a.y, b.x, b.y};
}

TFourPoints TCanvas3D::FourPointsFromRect(const TRect &rect, int z) const
{
    return {Calc3DPoint(rect.left, rect.top, z), Calc3DPoint(rect.right, rect.top, z),
            Calc3DPoint(rect.right, rect.bottom, z), Calc3DPoint(rect.left, rect.bottom, z)};
}

TRect TCanvas3D::RectFromRectZ(const TRect &rect, int z) const
{
    const TFourPoints p = FourPointsFromRect(rect, z);
    return PlotGeometry::PolygonBounds(p.data(), 4);
}

void TCanvas3D::DrawGraphic3D(const TRect &rect, int z, const QImage *graphic)
{
    // An empty picture would divide the cell size by zero.
    if (!graphic || graphic->width() <= 0 || graphic->height() <= 0)
        return;
    const CanvasStateGuard saved(*this);
    TBrush *brush = Brush();
    Pen()->SetStyle(psClear);
    brush->SetStyle(bsSolid);
    const QImage image = graphic->convertToFormat(QImage::Format_RGB32);
    const double sx = double(rect.width()) / image.width();
    const double sy = double(rect.height()) / image.height();
    for (int j = 0; j < image.height(); ++j) {
        const int top = rect.top + plotRound(sy * j);
        const int bottom = rect.top + plotRound(sy * (j + 1));
        for (int i = 0; i < image.width(); ++i) {
            const int left = rect.left + plotRound(sx * i);
            const int right = rect.left + plotRound(sx * (i + 1));
            brush->SetColor(PlotColor::fromQRgb(image.pixel(i, j)));
            Polygon({Calc3DPoint(left, top, z), Calc3DPoint(right, top, z), Calc3DPoint(right, bottom, z),
                     Calc3DPoint(left, bottom, z)});
        }
    }
}
