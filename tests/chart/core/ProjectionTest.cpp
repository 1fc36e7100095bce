// Orthogonal and rotated projection, its inverse, and the 2D brackets.
#include "ChartTestSetup.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    TPoint3D model;
    TPoint screen;
};

void expectProjections(const TPlotCanvas3D &canvas, std::initializer_list<Case> cases)
{
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.model.x << "," << c.model.y << "," << c.model.z);
        const TPoint p = canvas.Calc3DPoint(c.model.x, c.model.y, c.model.z);
        EXPECT_EQ(p.x, c.screen.x);
        EXPECT_EQ(p.y, c.screen.y);
    }
}

} // namespace

TEST(Projection, OrthogonalDefaultsAndAngles)
{
    ScreenPass pass;
    pass.begin();
    EXPECT_EQ(pass.canvas.projection().xCenter, 200);
    EXPECT_EQ(pass.canvas.projection().yCenter, 150);
    EXPECT_EQ(pass.canvas.projection().zCenter, 50);
    expectProjections(pass.canvas, {{{100, 50, 20}, {120, 30}}, {{300, 250, 100}, {400, 150}}});

    pass.options.SetOrthoAngle(135);
    pass.begin();
    expectProjections(pass.canvas, {{{100, 50, 20}, {80, 30}}});

    pass.options.SetOrthoAngle(60);
    pass.begin();
    expectProjections(pass.canvas, {{{100, 50, 20}, {120, 15}}, {{300, 250, 100}, {400, 77}}});

    pass.options.SetOrthoAngle(90);
    pass.begin();
    EXPECT_EQ(pass.canvas.projection().yFactor, 1.0);

    pass.options.SetOrthoAngle(45);
    pass.options.SetHorizOffset(10);
    pass.options.SetVertOffset(-5);
    pass.begin();
    expectProjections(pass.canvas, {{{100, 50, 20}, {130, 25}}});
}

TEST(Projection, ZoomRoundsHalvesToEven)
{
    ScreenPass pass;
    pass.options.SetZoom(150);
    pass.begin();
    expectProjections(pass.canvas, {{{201, 150, 0}, {202, 150}}, {{203, 150, 0}, {204, 150}},
                                    {{205, 150, 0}, {208, 150}}, {{197, 150, 0}, {196, 150}}});
}

TEST(Projection, CentreTruncatesAndUsesHalfTheDepth)
{
    ScreenPass pass;
    pass.begin();
    pass.canvas.CalcProjection(101, {10, 20, 411, 321});
    EXPECT_EQ(pass.canvas.projection().xCenter, 210);
    EXPECT_EQ(pass.canvas.projection().yCenter, 170);
    EXPECT_EQ(pass.canvas.projection().zCenter, 50); // 50.5 to even
    pass.canvas.CalcProjection(103, {10, 20, 411, 321});
    EXPECT_EQ(pass.canvas.projection().zCenter, 52);
    pass.canvas.CalcProjection(100, {-5, -7, 0, 0});
    EXPECT_EQ(pass.canvas.projection().xCenter, -2); // toward zero, not -3
    EXPECT_EQ(pass.canvas.projection().yCenter, -3);
}

TEST(Projection, RotatedVariants)
{
    ScreenPass pass;
    pass.options.SetOrthogonal(false);
    pass.options.SetPerspective(0);
    pass.begin();
    expectProjections(pass.canvas, {{{100, 50, 0}, {90, 59}}, {{300, 250, 100}, {310, 241}},
                                    {{250, 100, 80}, {256, 98}}, {{200, 150, 50}, {200, 150}}});
    pass.options.SetPerspective(15);
    pass.begin();
    EXPECT_NEAR(pass.canvas.projection().perspectiveFactor, 0.00025, 1e-12);
    expectProjections(pass.canvas, {{{100, 50, 0}, {89, 58}}, {{300, 250, 100}, {308, 240}}, {{250, 100, 80}, {256, 98}}});
    pass.options.SetPerspective(0);
    pass.options.SetTilt(10);
    pass.begin();
    expectProjections(pass.canvas, {{{100, 50, 0}, {108, 42}}, {{300, 250, 100}, {292, 258}}, {{250, 100, 80}, {264, 108}}});
    pass.options.SetTilt(0);
    pass.options.SetRotation(90);
    pass.options.SetElevation(0);
    pass.begin();
    expectProjections(pass.canvas, {{{100, 50, 0}, {250, 50}}});
}

TEST(Projection, ZeroWidthRectangleUsesWidthOneForPerspective)
{
    ScreenPass pass;
    pass.options.SetOrthogonal(false);
    pass.begin();
    pass.canvas.CalcProjection(100, {10, 10, 10, 50});
    EXPECT_NEAR(pass.canvas.projection().perspectiveFactor, 15 / 150.0, 1e-12);
}

TEST(Projection, InverseReturnsTheModelPoint)
{
    ScreenPass pass;
    pass.begin();
    int x = 120;
    int y = 30;
    pass.canvas.InverseCalc3DPos(x, y, 20);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);

    // The rotated inverse used to give (73,76) back for (90,59).
    pass.options.SetOrthogonal(false);
    pass.options.SetPerspective(0);
    for (int tilt : {0, 10}) {
        pass.options.SetTilt(tilt);
        pass.begin();
        for (const TPoint3D m : {TPoint3D{100, 50, 0}, TPoint3D{300, 250, 100}, TPoint3D{250, 100, 80}, TPoint3D{200, 150, 50}}) {
            SCOPED_TRACE(testing::Message() << "tilt " << tilt << " at " << m.x << "," << m.y << "," << m.z);
            const TPoint s = pass.canvas.Calc3DPoint(m.x, m.y, m.z);
            int bx = s.x;
            int by = s.y;
            pass.canvas.InverseCalc3DPos(bx, by, m.z);
            EXPECT_LE(std::abs(bx - m.x), 1);
            EXPECT_LE(std::abs(by - m.y), 1);
        }
    }
}

TEST(Projection, Begin2DNestsAndOrthogonalIgnoresIt)
{
    ScreenPass pass;
    pass.options.SetOrthogonal(false);
    pass.options.SetPerspective(0);
    pass.begin();
    auto at = [&] { return pass.canvas.Calc3DPoint(100, 50, 0); };
    EXPECT_EQ(at(), (TPoint{90, 59}));
    pass.canvas.Begin2D();
    pass.canvas.Begin2D();
    pass.canvas.End2D();
    EXPECT_EQ(at(), (TPoint{100, 50}));
    pass.canvas.End2D();
    EXPECT_EQ(at(), (TPoint{90, 59}));

    pass.options.SetOrthogonal(true);
    pass.begin();
    const TPoint before = pass.canvas.Calc3DPoint(100, 50, 20);
    pass.canvas.Begin2D();
    EXPECT_EQ(pass.canvas.Calc3DPoint(100, 50, 20), before);
    pass.canvas.End2D();
}

