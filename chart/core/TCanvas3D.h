// The abstract 3D drawing object: projection of model points and flat faces at a depth.
#pragma once

#include "Projection.h"
#include "TPlotCanvas.h"
#include "TView3DOptions.h"

#include <QPointer>

class TCustomPlotGradient;
class TView3DOptions;

class TCanvas3D : public TPlotCanvas
{
public:
    TCanvas3D();
    ~TCanvas3D() override;

    virtual TColor GetPixel3D(int x, int y, int z) = 0;
    virtual bool ReservedQuery() const = 0;
    virtual void SetPixel3D(int x, int y, int z, TColor color) = 0;
    virtual void InverseCalc3DPos(int &x, int &y, int z) const = 0;
    virtual TPoint Calc3DPoint(int x, int y, int z) const = 0;
    virtual TRect InitWindow(GuiCanvas *destination, TView3DOptions *options, TColor backColor, bool is3D,
                             const TRect &rect) = 0;
    virtual void CalcProjection(int maxDepth, const TRect &rect) = 0;
    virtual void FlushBuffer(GuiCanvas *destination, GuiCanvas *defaultCanvas, const TRect &rect) = 0;
    virtual bool RepaintFromBuffer() = 0;
    // Filled arrow with a body (bodyPercent of the head width) or an outline of three lines.
    virtual void Arrow(bool filled, const TPoint &from, const TPoint &to, int headWidth, int headLength, int z,
                       double bodyPercent) = 0;
    virtual void ClipCube(const TRect &rect, int minZ, int maxZ) = 0;
    // From a full circle at the base end to conePercent of it at the far end (0: a point).
    virtual void Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides,
                      int conePercent) = 0;
    virtual void Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) = 0;
    virtual void Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) = 0;
    virtual void Disable3D() {}
    virtual void EllipseWithZ(int left, int top, int right, int bottom, int z) = 0;
    virtual void Restore3D() {}
    virtual void HorizLine3D(int left, int right, int y, int z) = 0;
    virtual void VertLine3D(int x, int top, int bottom, int z) = 0;
    virtual void ZLine3D(int x, int y, int z0, int z1) = 0;
    virtual void Begin2D();
    virtual void End2D();
    virtual void LineWithZ(int x0, int y0, int x1, int y1, int z) = 0;
    virtual void MoveTo3D(int x, int y, int z) = 0;
    virtual void LineTo3D(int x, int y, int z) = 0;
    // A pie slice from depth z0 to z1; angles in radians; gradient may be none.
    virtual void Pie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                       double endAngle, bool darkSides, bool drawSides, int donutPercent,
                       const TCustomPlotGradient *gradient) = 0;
    virtual void Plane3D(const TPoint &a, const TPoint &b, int z0, int z1) = 0;
    virtual void PlaneWithZ(const TFourPoints &points, int z) = 0;
    virtual void PlaneFour3D(TFourPoints points, int z0, int z1) = 0;
    virtual void PolygonWithZ(TPointArray points, int z) = 0;
    virtual void PolylineWithZ(TPointArray points, int z) = 0;
    virtual void Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides) = 0;
    virtual void TruncatedPyramid(const TRect &rect, int z0, int z1, int topHalfWidth, int topHalfDepth) = 0;
    virtual void RectangleWithZ(const TRect &rect, int z) = 0;
    virtual void RectangleY(int left, int y, int right, int z0, int z1) = 0;
    virtual void RectangleZ(int x, int top, int bottom, int z0, int z1) = 0;
    virtual void RotateLabel3D(int x, int y, int z, const QString &text, double angle) = 0;
    virtual void CircleWithZ(int xCenter, int yCenter, double radius, int z) = 0;
    virtual void ReservedOperation(int, int, int, int, int, int, int) {}
    virtual void TextOut3D(int x, int y, int z, const QString &text) = 0;
    virtual void Triangle3D(const TPoint3D &p0, const TPoint3D &p1, const TPoint3D &p2, TColor color) = 0;
    virtual void TriangleWithZ(const TPoint &p0, const TPoint &p1, const TPoint &p2, int z) = 0;

    void ArrowDefault(bool filled, const TPoint &from, const TPoint &to, int headWidth, int headLength, int z)
    {
        Arrow(filled, from, to, headWidth, headLength, z, 50.0);
    }
    void CubeRect(const TRect &r, int z0, int z1, bool darkSides) { Cube(r.left, r.right, r.top, r.bottom, z0, z1, darkSides); }

    // Conveniences over Calc3DPoint.
    TPoint Calc3DTPoint(const TPoint3D &p) const { return Calc3DPoint(p.x, p.y, p.z); }
    TRect CalcRect3D(const TRect &rect, int z) const;
    TFourPoints FourPointsFromRect(const TRect &rect, int z) const;
    TRect RectFromRectZ(const TRect &rect, int z) const;
    void LineWithZPoints(const TPoint &p0, const TPoint &p1, int z) { LineWithZ(p0.x, p0.y, p1.x, p1.y, z); }
    void PlaneWithZPoints(const TFourPoints &points, int z) { PlaneWithZ(points, z); }
    // A picture lying in the plane at depth z, one projected polygon per pixel.
    void DrawGraphic3D(const TRect &rect, int z, const QImage *graphic);

    // The depth a canvas that draws flat shapes in its own 3D form (IsNonGdiCanvas) gives them.
    int CurrentZ() const { return m_currentZ; }
    void SetCurrentZ(int z) { m_currentZ = z; }

    TView3DOptions *View3DOptions() const { return m_view3DOptions; }
    bool is2DOpen() const { return m_2dCounter > 0; }
    const Projection &projection() const { return m_projection; }
    void setCenterOffsets(double x, double y, double z)
    {
        m_xCenterOffset = x;
        m_yCenterOffset = y;
        m_zCenterOffset = z;
    }

protected:
    void setView3DOptions(TView3DOptions *options) { m_view3DOptions = options; }

    Projection m_projection;
    double m_xCenterOffset = 0.0;
    double m_yCenterOffset = 0.0;
    double m_zCenterOffset = 0.0;

private:
    QPointer<TView3DOptions> m_view3DOptions;
    int m_2dCounter = 0;
    int m_currentZ = 0;
};
