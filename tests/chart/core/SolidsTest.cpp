// Faces, curves and solids built from the canvas primitives, seen on the recording canvas.
#include "GoldenFiles.h"
#include "RecordingCanvas.h"
#include "TChartPen.h"
#include "TCustomPlotGradient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

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

namespace {

// An orthogonal 3D pass with a solid grey brush: depth moves points right and up at 45 degrees.
struct OrthoPass : RecordingPass
{
    explicit OrthoPass(int orthoAngle = 45)
        : RecordingPass(true)
    {
        options.SetOrthoAngle(orthoAngle);
        begin();
        canvas.Brush()->SetColor(0xC0C0C0);
    }
};

} // namespace

TEST(Solids, CubeShowsTheFacesTurnedToTheViewerShadedAsSides)
{
    OrthoPass r;
    r.canvas.Cube(100, 200, 100, 200, 0, 50, true);
    const auto faces = r.canvas.calls("PolygonFourPoints");
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_EQ(faces[0].points, (TPointArray{{100, 100}, {200, 100}, {200, 200}, {100, 200}}));
    EXPECT_EQ(faces[0].brushColor, 0xC0C0C0u);
    EXPECT_EQ(faces[1].points, (TPointArray{{200, 100}, {250, 50}, {250, 150}, {200, 200}}));
    EXPECT_EQ(faces[1].brushColor, 0x404040u);
    EXPECT_EQ(faces[2].points, (TPointArray{{100, 100}, {200, 100}, {250, 50}, {150, 50}}));
    EXPECT_EQ(faces[2].brushColor, 0x808080u);

    OrthoPass left(135);
    left.canvas.CubeRect({100, 100, 200, 200}, 0, 50, true);
    const auto leftFaces = left.canvas.calls("PolygonFourPoints");
    ASSERT_EQ(leftFaces.size(), 3u);
    EXPECT_EQ(leftFaces[0].points, faces[0].points); // the front first
    EXPECT_EQ(leftFaces[1].points, (TPointArray{{100, 100}, {50, 50}, {50, 150}, {100, 200}}));
    EXPECT_EQ(leftFaces[2].points, (TPointArray{{100, 100}, {200, 100}, {150, 50}, {50, 50}}));

    // A clear brush hides nothing; without dark sides nothing is shaded.
    OrthoPass clear;
    clear.canvas.Brush()->SetStyle(bsClear);
    clear.canvas.Cube(100, 200, 100, 200, 0, 50, false);
    EXPECT_EQ(clear.canvas.count("PolygonFourPoints"), 5);
    EXPECT_EQ(clear.canvas.brushColors("PolygonFourPoints"), std::vector<TColor>(5, 0xC0C0C0));
}

TEST(Solids, Pie3DTakesOnePointEveryTwoDegrees)
{
    const struct { double span; std::size_t points; } cases[] = {{0.01, 2}, {M_PI / 2, 47}, {M_PI, 92}, {2 * M_PI, 96}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.span);
        OrthoPass r;
        r.canvas.Pie3D(200, 150, 80, 60, 0, 20, 0.0, c.span, false, false, 0, nullptr);
        // The flat face: the arc closed through the centre.
        const auto polygons = r.canvas.calls("Polygon");
        ASSERT_FALSE(polygons.empty());
        EXPECT_EQ(polygons[0].points.size(), c.points + 1);
        EXPECT_EQ(polygons[0].points.back(), r.canvas.Calc3DPoint(200, 150, 20));
    }
}

TEST(Solids, ArrowDefaultBodyAndHeadInTheFrameOfTheLine)
{
    RecordingPass r;
    r.canvas.ArrowDefault(true, {10, 10}, {110, 10}, 20, 30, 0);
    const auto polygons = r.canvas.calls("Polygon");
    ASSERT_EQ(polygons.size(), 1u);
    TPointArray points = polygons[0].points;
    TPointArray expected{{10, 5}, {80, 5}, {80, 0}, {110, 10}, {80, 20}, {80, 15}, {10, 15}};
    const auto order = [](const TPoint &a, const TPoint &b) { return std::pair(a.x, a.y) < std::pair(b.x, b.y); };
    std::sort(points.begin(), points.end(), order);
    std::sort(expected.begin(), expected.end(), order);
    EXPECT_EQ(points, expected);

    r.canvas.clear();
    r.canvas.ArrowDefault(true, {10, 10}, {110, 10}, 20, 200, 0); // the head is as long as the line at most
    ASSERT_EQ(r.canvas.count("Polygon"), 1);
    const TPointArray head = r.canvas.calls("Polygon")[0].points;
    EXPECT_EQ(head[2], (TPoint{10, 0}));
    EXPECT_EQ(head[4], (TPoint{10, 20}));

    r.canvas.clear();
    r.canvas.ArrowDefault(false, {10, 10}, {110, 10}, 20, 30, 0);
    ASSERT_EQ(r.canvas.count("LineWithZ"), 1);
    EXPECT_EQ(r.canvas.calls("LineWithZ")[0].args, args({10, 10, 110, 10, 0}));
    const auto moves = r.canvas.calls("MoveTo");
    const auto lines = r.canvas.calls("LineTo");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(moves[0].args, args({110, 10}));
    EXPECT_EQ(lines[0].args, args({80, 0}));
    EXPECT_EQ(lines[1].args, args({80, 20}));

    r.canvas.clear();
    r.canvas.ArrowDefault(true, {10, 10}, {10, 10}, 20, 30, 0);
    EXPECT_TRUE(r.canvas.calls().empty());
}

TEST(Solids, Triangle3DTakesItsColourUnlessTheBrushIsClear)
{
    OrthoPass r;
    r.canvas.Triangle3D({0, 0, 0}, {10, 0, 10}, {0, 10, 0}, clRed);
    ASSERT_EQ(r.canvas.count("Polygon"), 1);
    EXPECT_EQ(r.canvas.calls("Polygon")[0].brushColor, clRed);
    EXPECT_EQ(r.canvas.calls("Polygon")[0].points[1], r.canvas.Calc3DPoint(10, 0, 10));
    r.canvas.Brush()->SetStyle(bsClear);
    r.canvas.Triangle3D({0, 0, 0}, {10, 0, 10}, {0, 10, 0}, clBlue);
    EXPECT_EQ(r.canvas.Brush()->Color(), clRed);
}

TEST(GoldenLogs, Solids)
{
    const struct { const char *name; int orthoAngle; std::function<void(TPlotCanvas3D &)> draw; } scenes[] = {
        {"cube_ortho45.log", 45, [](TPlotCanvas3D &c) { c.Cube(100, 200, 100, 200, 0, 50, true); }},
        {"cube_ortho135.log", 135, [](TPlotCanvas3D &c) { c.Cube(100, 200, 100, 200, 0, 50, true); }},
        {"cylinder.log", 45, [](TPlotCanvas3D &c) { c.Cylinder(true, 100, 50, 200, 250, 0, 60, true); }},
        {"cone_pointed.log", 45, [](TPlotCanvas3D &c) { c.Cone(true, 100, 50, 200, 250, 0, 60, true, 0); }},
        {"pyramid_vertical.log", 45, [](TPlotCanvas3D &c) { c.Pyramid(true, 40, 50, 140, 250, 0, 60, true); }},
        {"pyramid_horizontal.log", 135, [](TPlotCanvas3D &c) { c.Pyramid(false, 280, 100, 390, 180, 0, 40, true); }},
        {"truncated_pyramid.log", 45, [](TPlotCanvas3D &c) { c.TruncatedPyramid({100, 80, 260, 240}, 0, 80, 30, 15); }},
        {"pie3d_plain.log", 45, [](TPlotCanvas3D &c) { c.Pie3D(200, 150, 90, 70, 0, 30, 2.2, 5.5, true, false, 0, nullptr); }},
        {"pie3d_donut.log", 45, [](TPlotCanvas3D &c) { c.Pie3D(200, 150, 90, 70, 0, 30, 4.0, 7.0, true, false, 40, nullptr); }},
        {"pie3d_gradient.log", 45, [](TPlotCanvas3D &c) {
             TPlotGradient g;
             g.SetVisible(true);
             g.SetStartColor(clRed);
             g.SetEndColor(clLime);
             c.Pie3D(200, 150, 90, 70, 0, 30, 0.3, 2.2, false, false, 0, &g);
         }},
        {"pie3d_sides.log", 45, [](TPlotCanvas3D &c) { c.Pie3D(200, 150, 90, 70, 0, 30, 0.3, 2.2, true, true, 0, nullptr); }},
    };
    for (const auto &scene : scenes) {
        SCOPED_TRACE(scene.name);
        OrthoPass r(scene.orthoAngle);
        scene.draw(r.canvas);
        expectMatchesGolden(r.canvas.dump(), QString::fromLatin1(scene.name));
    }
}

TEST(RecordingCanvas, LogsSolidsAsOneCallWhenAskedAndAnswersTheNonGdiQuery)
{
    OrthoPass r;
    r.canvas.setLogSolids(true);
    r.canvas.Cube(1, 2, 3, 4, 5, 6, true);
    r.canvas.Cylinder(false, 1, 2, 3, 4, 5, 6, false);
    r.canvas.Cone(true, 1, 2, 3, 4, 5, 6, false, 30);
    r.canvas.Pyramid(true, 1, 2, 3, 4, 5, 6, false);
    r.canvas.TruncatedPyramid({1, 2, 3, 4}, 5, 6, 7, 8);
    r.canvas.Pie3D(1, 2, 3, 4, 5, 6, 0.5, 1.25, true, false, 30, nullptr);
    r.canvas.ArrowDefault(true, {1, 2}, {3, 4}, 5, 6, 7);
    EXPECT_EQ(r.canvas.opNames(), QStringList({"Cube", "Cylinder", "Cone", "Pyramid", "TruncatedPyramid", "Pie3D", "Arrow"}));
    EXPECT_EQ(r.canvas.calls("Cube")[0].args, args({1, 2, 3, 4, 5, 6, 1}));
    EXPECT_EQ(r.canvas.calls("Pie3D")[0].args, args({1, 2, 3, 4, 5, 6, 500, 1250, 1, 0, 30, 0}));
    EXPECT_EQ(r.canvas.calls("Arrow")[0].args, args({1, 1, 2, 3, 4, 5, 6, 7, 50}));

    // A wide chart pen on a canvas that is no GDI canvas keeps the plain pen.
    TChartPen wide;
    wide.SetWidth(3);
    r.canvas.AssignVisiblePen(wide);
    EXPECT_EQ(r.canvas.Pen()->handle().kind, TPen::Handle::Geometric);
    r.canvas.setNonGdi(true);
    EXPECT_TRUE(r.canvas.IsNonGdiCanvas());
    r.canvas.AssignVisiblePen(wide);
    EXPECT_EQ(r.canvas.Pen()->handle().kind, TPen::Handle::Cosmetic);
}
