// Framed shapes: bounds, rotation, shadow rules, legacy stream properties, whole-pass picture.
#include "ChartTestSetup.h"
#include "GoldenFiles.h"
#include "PlotException.h"
#include "RecordingCanvas.h"
#include "TPlotCustomShape.h"
#include "TestPropertyFiler.h"

#include <gtest/gtest.h>

namespace {

struct ShapeOnRecorder
{
    ShapeOnRecorder()
        : host(&pass.canvas)
        , shape(&host)
    {
        shape.Brush()->SetColor(clYellow);
        shape.Brush()->SetStyle(bsSolid);
    }
    RecordingPass pass;
    StubPanelHost host;
    TPlotShape shape;
};

// Whether a call belongs to a shadow: its strips, corner pixels and hard rectangles.
bool shadowCall(const RecordedCall &c)
{
    return c.op == "HorizLine" || c.op == "VertLine" || c.op == "SetPixel" || (c.op == "Rectangle" && !c.penVisible());
}

} // namespace

TEST(TPlotShape, WidthAndHeightCountBothEdges)
{
    TPlotShape shape;
    shape.SetShapeBounds({10, 10, 19, 19});
    EXPECT_EQ(shape.Width(), 10);
    EXPECT_EQ(shape.Height(), 10);
    shape.SetWidth(5);
    EXPECT_EQ(shape.ShapeBounds().right, 14);
    shape.SetHeight(1);
    EXPECT_EQ(shape.ShapeBounds().bottom, 10);
}

TEST(TPlotShape, RotatedBoxIsAPolygonWithoutBevel)
{
    ShapeOnRecorder s;
    s.shape.SetBevel(bvRaised);
    s.shape.DrawRectRotated({0, 0, 100, 50}, 90, 0);
    const auto polygons = s.pass.canvas.calls("Polygon");
    ASSERT_EQ(polygons.size(), 1u);
    TPointArray corners = polygons[0].points;
    const TPointArray expected{{25, 75}, {25, -25}, {75, -25}, {75, 75}};
    // In cyclic order: some rotation of the expected sequence.
    const auto start = std::find(corners.begin(), corners.end(), expected[0]);
    ASSERT_NE(start, corners.end());
    std::rotate(corners.begin(), start, corners.end());
    EXPECT_EQ(corners, expected);
    EXPECT_EQ(s.pass.canvas.count("Polyline"), 0); // a bevel is a Frame3D of polylines
    EXPECT_EQ(s.pass.canvas.count("Rectangle"), 0);

    s.pass.canvas.clear();
    s.shape.DrawRectRotated({0, 0, 100, 50}, 0, 0);
    EXPECT_EQ(s.pass.canvas.count("Polyline"), 4); // the raised bevel, two wide
}

TEST(TPlotShape, WhenThereIsNoShadow)
{
    ShapeOnRecorder s;
    s.shape.DrawRectRotated({10, 10, 60, 40}, 0, 0);
    const auto &calls = s.pass.canvas.calls();
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), shadowCall)); // the default shadow, for contrast

    s.pass.canvas.clear();
    s.shape.SetTransparent(true);
    s.shape.DrawRectRotated({10, 10, 60, 40}, 0, 0);
    EXPECT_TRUE(s.pass.canvas.calls().empty());
    s.shape.SetTransparent(false);

    const struct { const char *name; std::function<void(TPlotShape &)> setUp; } cases[] = {
        {"clear brush", [](TPlotShape &shape) { shape.Brush()->SetStyle(bsClear); }},
        {"rounded, opaque", [](TPlotShape &shape) { shape.SetShapeStyle(fosRoundRectangle); }}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ShapeOnRecorder fresh;
        c.setUp(fresh.shape);
        fresh.shape.DrawRectRotated({10, 10, 60, 40}, 0, 0);
        const auto &drawn = fresh.pass.canvas.calls();
        EXPECT_FALSE(drawn.empty());
        EXPECT_TRUE(std::none_of(drawn.begin(), drawn.end(), shadowCall));
    }
}

TEST(TPlotShape, LegacyShadowPropertiesAndWrongTypes)
{
    TPlotShape shape;
    MapPropertyFiler filer;
    filer.load(shape, {{QStringLiteral("ShadowColor"), QStringLiteral("clRed")}, {QStringLiteral("ShadowSize"), 5}});
    EXPECT_EQ(shape.Shadow()->Color(), clRed);
    EXPECT_EQ(shape.Shadow()->HorizSize(), 5);
    EXPECT_EQ(shape.Shadow()->VertSize(), 5);
    filer.load(shape, {{QStringLiteral("ShadowColor"), 255 << 8}});
    EXPECT_EQ(shape.Shadow()->Color(), clLime);
    EXPECT_THROW(filer.load(shape, {{QStringLiteral("ShadowSize"), QStringLiteral("big")}}), PlotException);
    EXPECT_EQ(shape.Shadow()->HorizSize(), 5);
    EXPECT_TRUE(filer.save(shape).isEmpty()); // read-only legacy properties
}

TEST(TPlotShape, AssignCopiesAllButTheBoundsAndRepaintsThePanel)
{
    StubPanelHost host;
    TPlotShape source;
    source.SetBevel(bvLowered);
    source.SetColor(clAqua);
    source.Gradient()->SetVisible(true);
    source.Shadow()->SetSize(7);
    source.SetTransparency(30);
    source.Font()->SetSize(14);
    source.SetShapeBounds({1, 2, 3, 4});
    TPlotShape target(&host);
    target.Assign(source);
    EXPECT_EQ(target.Bevel(), bvLowered);
    EXPECT_EQ(target.Color(), clAqua);
    ASSERT_NE(target.gradientIfAny(), nullptr);
    EXPECT_TRUE(target.gradientIfAny()->Visible());
    EXPECT_EQ(target.Shadow()->HorizSize(), 7);
    EXPECT_EQ(target.Transparency(), 30);
    EXPECT_EQ(target.Font()->Size(), 14);
    EXPECT_EQ(target.ShapeBounds(), TRect{});
    EXPECT_GT(host.invalidations, 0);
    const int before = host.invalidations;
    target.SetColor(clAqua);
    EXPECT_EQ(host.invalidations, before);

    const QMetaObject *meta = target.metaObject();
    const QMetaProperty transparent = meta->property(meta->indexOfProperty("Transparent"));
    EXPECT_FALSE(IsPropertyStored(target, transparent));
    target.SetTransparent(true);
    EXPECT_TRUE(IsPropertyStored(target, transparent));
}

TEST(WholePass, ShapeWithHardShadowGradientAndBevel)
{
    ScreenPass p(200, 120, false);
    p.begin();
    p.canvas.Brush()->SetColor(clSilver);
    p.canvas.FillRect({0, 0, 200, 120});
    StubPanelHost host(&p.canvas);
    TPlotShape shape(&host);
    shape.SetColor(clYellow);
    shape.Shadow()->SetSmooth(false);
    shape.Shadow()->SetSize(6);
    shape.SetBevel(bvRaised);
    shape.Pen()->SetColor(clNavy);
    shape.SetShapeBounds({20, 15, 150, 85});
    shape.Draw();
    TPlotShape rounded(&host);
    rounded.Gradient()->SetVisible(true);
    rounded.Gradient()->SetStartColor(clYellow);
    rounded.Gradient()->SetEndColor(clRed);
    rounded.SetShapeStyle(fosRoundRectangle);
    rounded.SetTransparency(40);
    rounded.Shadow()->SetColor(clGray);
    rounded.DrawRectRotated({110, 50, 190, 110}, 0, 0);
    expectMatchesGoldenImage(p.image, QStringLiteral("shape_hard_shadow.png"));
}
