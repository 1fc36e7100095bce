// Faces, curves and solids built from the canvas primitives, seen on the recording canvas.
#include "RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> args(std::initializer_list<int> values) { return values; }

// A rotated (not orthogonal) 3D pass.
struct RotatedPass : RecordingPass
{
    RotatedPass()
        : RecordingPass(true)
    {
        options.SetOrthogonal(false);
        begin();
    }
};

} // namespace

TEST(Curves, EllipseWithZInARotatedViewIsATriangleFanAndARing)
{
    RotatedPass r;
    r.canvas.EllipseWithZ(100, 50, 200, 150, 10);
    const auto polygons = r.canvas.calls("Polygon");
    ASSERT_EQ(polygons.size(), 63u);
    for (const RecordedCall &c : polygons) {
        EXPECT_EQ(c.points.size(), 3u);
        EXPECT_FALSE(c.penVisible());
    }
    const auto rings = r.canvas.calls("Polyline");
    ASSERT_EQ(rings.size(), 1u);
    ASSERT_EQ(rings[0].points.size(), 64u);
    EXPECT_TRUE(rings[0].penVisible());
    EXPECT_EQ(r.canvas.opNames().last(), "Polyline");
    EXPECT_EQ(polygons[0].points[1], rings[0].points[0]); // the fan follows the ring

    r.canvas.clear();
    r.canvas.Brush()->SetStyle(bsClear);
    r.canvas.EllipseWithZ(100, 50, 200, 150, 10);
    EXPECT_EQ(r.canvas.opNames(), QStringList{"Polyline"});
}

TEST(Curves, CircleRectangleAndDonutGoThroughTheGeneralPrimitives)
{
    RecordingPass flat;
    flat.canvas.CircleWithZ(100, 100, 10.5, 0); // the radius rounds half to even
    ASSERT_EQ(flat.canvas.opNames(), QStringList{"Ellipse"});
    EXPECT_EQ(flat.canvas.calls("Ellipse")[0].args, args({90, 90, 111, 111}));

    flat.canvas.clear();
    flat.canvas.RectangleWithZ({10, 20, 30, 40}, 0);
    ASSERT_EQ(flat.canvas.opNames(), QStringList{"PolygonFourPoints"});
    EXPECT_EQ(flat.canvas.calls()[0].points, (TPointArray{{10, 20}, {30, 20}, {30, 40}, {10, 40}}));

    flat.canvas.clear();
    flat.canvas.Donut(100, 100, 50, 40, 0.0, M_PI / 2, 50.0);
    ASSERT_EQ(flat.canvas.opNames(), QStringList{"Polygon"});
    const TPointArray &ring = flat.canvas.calls()[0].points;
    ASSERT_EQ(ring.size(), 2u * 91u); // one point per degree on each arc, both ends included
    EXPECT_EQ(ring.front(), (TPoint{150, 100}));
    EXPECT_EQ(ring[90], (TPoint{100, 60}));
    EXPECT_EQ(ring[91], (TPoint{100, 80}));
    EXPECT_EQ(ring.back(), (TPoint{125, 100}));

    flat.canvas.clear();
    flat.canvas.Donut(100, 100, 50, 40, 0.0, 0.001, 0.0); // a sliver without a hole
    ASSERT_EQ(flat.canvas.count("Polygon"), 1);
    EXPECT_EQ(flat.canvas.calls()[0].points, (TPointArray{{150, 100}, {150, 100}, {100, 100}}));
}

namespace {

// A canvas without a device that clips only rectangles, as a simple export format would.
class RectangleClipCanvas : public TPlotCanvas3D
{
public:
    void ClipRectangle(const TRect &rect) override { clips.push_back(rect); }
    std::vector<TRect> clips;
};

} // namespace

TEST(Clipping, WithoutAPainterShapedClipsFallBackToTheirBoundingRectangle)
{
    RectangleClipCanvas canvas;
    canvas.ClipRoundRectangle({1, 2, 30, 40}, 8);
    canvas.ClipEllipse({5, 6, 50, 60}, false);
    const TPoint triangle[] = {{10, 10}, {40, 12}, {20, 30}};
    canvas.ClipPolygon(triangle, 3);
    EXPECT_EQ(canvas.clips, (std::vector<TRect>{{1, 2, 30, 40}, {5, 6, 50, 60}, {10, 10, 41, 31}}));
}
