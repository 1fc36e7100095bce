// Pens, brushes, view options, shadows, gradients and chart fonts as attribute objects.
#include "TChartBrush.h"
#include "TChartPen.h"
#include "TCustomPlotGradient.h"
#include "TPicture.h"
#include "TPlotCanvas3D.h"
#include "TPlotFont.h"
#include "TPlotShadow.h"
#include "TView3DOptions.h"

#include <QMetaProperty>
#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

int countChanges(QObject &object, const std::function<void()> &action)
{
    int n = 0;
    // Count through a functor connected to the notification.
    QMetaObject::Connection counting;
    if (auto *pen = qobject_cast<TPen *>(&object))
        counting = QObject::connect(pen, &TPen::changed, [&n] { ++n; });
    else if (auto *brush = qobject_cast<TBrush *>(&object))
        counting = QObject::connect(brush, &TBrush::changed, [&n] { ++n; });
    else if (auto *view = qobject_cast<TView3DOptions *>(&object))
        counting = QObject::connect(view, &TView3DOptions::changed, [&n] { ++n; });
    else if (auto *g = qobject_cast<TCustomPlotGradient *>(&object))
        counting = QObject::connect(g, &TCustomPlotGradient::changed, [&n] { ++n; });
    else if (auto *s = qobject_cast<TPlotShadow *>(&object))
        counting = QObject::connect(s, &TPlotShadow::changed, [&n] { ++n; });
    else if (auto *f = qobject_cast<TFont *>(&object))
        counting = QObject::connect(f, &TFont::changed, [&n] { ++n; });
    action();
    QObject::disconnect(counting);
    return n;
}

} // namespace

TEST(AttributeObjects, WritingTheCurrentValueNotifiesNobody)
{
    TChartPen pen;
    EXPECT_EQ(countChanges(pen, [&] { pen.SetWidth(3); pen.SetWidth(3); pen.SetColor(clRed); pen.SetVisible(true); pen.SetSmallSpace(0); }), 2);
    TChartBrush brush;
    EXPECT_EQ(countChanges(brush, [&] { brush.SetColor(clDefault); brush.SetStyle(bsSolid); brush.SetColor(clBlue); }), 1);
    TView3DOptions view;
    EXPECT_EQ(countChanges(view, [&] { view.SetElevation(345); view.SetZoom(100); view.SetTilt(5); view.SetTilt(5); }), 1);
    TPlotShadow shadow;
    EXPECT_EQ(countChanges(shadow, [&] { shadow.SetSize(0); shadow.SetSize(3); shadow.SetSize(3); }), 2);
    TPlotFont font;
    EXPECT_EQ(countChanges(font, [&] { font.SetInterCharSize(0); font.SetInterCharSize(2); }), 1);
}

TEST(TView3DOptions, ElevationRoundsHalfToEvenAndDefaultsMatch)
{
    TView3DOptions view;
    EXPECT_EQ(view.Elevation(), 345);
    EXPECT_EQ(view.Rotation(), 345);
    EXPECT_TRUE(view.Orthogonal());
    EXPECT_EQ(view.Perspective(), 15);
    const struct { double in; int out; } cases[] = {{30.4, 30}, {30.5, 30}, {31.5, 32}, {-0.5, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.in);
        view.SetElevationFloat(c.in);
        EXPECT_EQ(view.Elevation(), c.out);
    }
    view.SetElevation(30);
    EXPECT_EQ(view.ElevationFloat(), 30.0);
}

TEST(TView3DOptions, OrthoRatioFollowsTheCanvasGuard)
{
    TView3DOptions view;
    const struct { int angle; double ratio; double tolerance; } cases[] = {
        {45, 1.0, 1e-12}, {135, 1.0, 1e-12}, {60, 1.7320508, 1e-7}, {90, 1.0, 0.0}, {0, 0.0, 1e-12}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.angle);
        view.SetOrthoAngle(c.angle);
        EXPECT_NEAR(view.OrthoRatio(), c.ratio, c.tolerance);
    }
    view.SetOrthogonal(false);
    view.SetOrthoAngle(60);
    EXPECT_EQ(view.OrthoRatio(), 1.0);
}

TEST(TView3DOptions, NotificationsAndAssign)
{
    TView3DOptions view;
    std::vector<QString> events;
    view.onScroll = [&](bool horizontal) { events.push_back(horizontal ? "h" : "v"); };
    view.onZoom = [&](int zoom) { events.push_back(QStringLiteral("zoom %1 was %2").arg(zoom).arg(view.Zoom())); };
    view.SetHorizOffset(5);
    view.SetVertOffset(-2);
    view.SetZoom(150);
    view.SetZoom(150);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0], "h");
    EXPECT_EQ(events[1], "v");
    EXPECT_EQ(events[2], "zoom 150 was 100"); // called before the value is stored
    TView3DOptions copy;
    int repaints = 0;
    QObject::connect(&copy, &TView3DOptions::changed, [&] { ++repaints; });
    copy.Assign(view);
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(copy.Zoom(), 150);
    EXPECT_EQ(copy.VertOffset(), -2);
    EXPECT_FALSE(copy.onZoom);
}

TEST(TChartPen, PresetsAndAssign)
{
    TChartHiddenPen hidden;
    EXPECT_FALSE(hidden.Visible());
    EXPECT_FALSE(hidden.IsVisibleStored());
    hidden.Show();
    EXPECT_TRUE(hidden.IsVisibleStored());
    TDottedGrayPen dotted;
    EXPECT_EQ(dotted.Color(), clGray);
    EXPECT_EQ(dotted.Style(), psDot);
    EXPECT_EQ(TWhitePen().Color(), clWhite);

    TChartPen source;
    source.SetSmallDots(true);
    source.SetSmallSpace(4);
    source.SetEndStyle(esFlat);
    source.SetWidth(5);
    source.SetMode(pmXor);
    hidden.Assign(source);
    EXPECT_TRUE(hidden.SmallDots());
    EXPECT_EQ(hidden.SmallSpace(), 4);
    EXPECT_EQ(hidden.EndStyle(), esFlat);
    EXPECT_TRUE(hidden.IsEndStyleStored());
    EXPECT_EQ(hidden.Width(), 5);
    EXPECT_EQ(hidden.Mode(), pmXor);
    TPen plain;
    plain.Assign(source); // a plain pen takes the plain part only
    EXPECT_EQ(plain.Width(), 5);
}

TEST(TPen, ListenersConnectedAfterSilentChangesHearEveryLaterOne)
{
    // Pens and brushes skip the signal while nobody listens; whoever connects later hears each
    // change, also after another listener left.
    TPen pen;
    TBrush brush;
    pen.SetColor(clRed);
    brush.SetColor(clRed);
    QSignalSpy penSpy(&pen, &TPen::changed);
    QSignalSpy brushSpy(&brush, SIGNAL(changed()));
    int heard = 0;
    const QMetaObject::Connection other = QObject::connect(&pen, &TPen::changed, [&heard] { ++heard; });
    pen.SetColor(clBlue);
    QObject::disconnect(other);
    pen.setValues(PenValues{.color = clGreen, .width = 2});
    brush.SetStyle(bsClear);
    EXPECT_EQ(penSpy.count(), 2);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(brushSpy.count(), 1);
}

TEST(TPen, QtFormFollowsEndStyleAndMode)
{
    // Wide chart pens reach the device through the canvas, which gives them the geometric handle.
    TPlotCanvas3D canvas;
    TChartPen chartPen;
    chartPen.SetWidth(3);
    const struct { TPenEndStyle end; Qt::PenCapStyle cap; Qt::PenJoinStyle join; } cases[] = {
        {esSquare, Qt::SquareCap, Qt::BevelJoin}, {esFlat, Qt::FlatCap, Qt::MiterJoin}, {esRound, Qt::RoundCap, Qt::RoundJoin}};
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.end));
        chartPen.SetEndStyle(c.end);
        canvas.AssignVisiblePen(chartPen);
        const QPen q = canvas.Pen()->toQPen();
        EXPECT_EQ(q.capStyle(), c.cap);
        EXPECT_EQ(q.joinStyle(), c.join);
        EXPECT_EQ(q.width(), 3);
    }
    TPen pen;
    pen.SetWidth(1);
    EXPECT_TRUE(pen.toQPen().isCosmetic());
    EXPECT_EQ(pen.toQPen().capStyle(), Qt::FlatCap);
    EXPECT_EQ(TPen::compositionForMode(pmNotXor), QPainter::RasterOp_NotSourceXorDestination);
    EXPECT_EQ(TPen::compositionForMode(pmXor), QPainter::RasterOp_SourceXorDestination);
    EXPECT_EQ(TPen::compositionForMode(pmCopy), QPainter::CompositionMode_SourceOver);
    pen.SetStyle(psClear);
    EXPECT_EQ(pen.toQPen().style(), Qt::NoPen);
}

TEST(TChartBrush, ImageIsCreatedOnFirstReadAndFreedByAssign)
{
    TChartBrush brush;
    EXPECT_EQ(brush.Color(), clDefault);
    EXPECT_FALSE(brush.HasImage());
    brush.Image()->SetGraphic(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_TRUE(brush.HasImage());
    TChartBrush other;
    brush.Assign(other); // other never read its image
    EXPECT_FALSE(brush.HasImage());
    other.Image()->SetGraphic(QImage(2, 3, QImage::Format_RGB32));
    brush.Assign(other);
    ASSERT_TRUE(brush.HasImage());
    EXPECT_EQ(brush.imageIfAny()->Graphic().height(), 3);
}

TEST(TCustomPlotGradient, MidColorSwitchesThreeColourMode)
{
    TPlotGradient g;
    int n = 0;
    QObject::connect(&g, &TCustomPlotGradient::changed, [&] { ++n; });
    EXPECT_EQ(g.MidColor(), clNone);
    g.SetMidColor(0x00FF00);
    EXPECT_EQ(g.MidColor(), 0x00FF00u);
    EXPECT_EQ(n, 1);
    g.SetMidColor(clNone);
    EXPECT_EQ(g.MidColor(), clNone);
    EXPECT_EQ(n, 2);
    g.SetMidColor(clNone);
    EXPECT_EQ(n, 2);
    g.UseMidColor(); // the stored colour comes back
    EXPECT_EQ(g.MidColor(), 0x00FF00u);
    TPlotGradient copy;
    copy.Assign(g);
    EXPECT_EQ(copy.MidColor(), 0x00FF00u);
}

TEST(TPlotFont, DefaultsAndAttributeObjectsOnDemand)
{
    TPlotFont font;
    EXPECT_EQ(font.Name(), QStringLiteral("Arial"));
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11); // 8 pt at 96 dpi, multiply-divide rounding
    EXPECT_EQ(font.shadowIfAny(), nullptr);
    font.Shadow()->SetHorizSize(2);
    font.OutLine()->Show();
    TPlotFont copy;
    copy.Assign(font);
    ASSERT_NE(copy.shadowIfAny(), nullptr);
    EXPECT_EQ(copy.shadowIfAny()->HorizSize(), 2);
    EXPECT_TRUE(copy.outLineIfAny()->Visible());
    EXPECT_EQ(copy.gradientIfAny(), nullptr);
    int n = 0;
    QObject::connect(&copy, &TFont::changed, [&] { ++n; });
    copy.Shadow()->SetColor(clRed); // a sub-object's change repaints through the font
    EXPECT_EQ(n, 1);
}

TEST(AttributeObjects, ReadingPropertiesCreatesNothingAndSubObjectsAreChildren)
{
    TPlotFont font;
    TChartBrush brush;
    for (QObject *object : std::initializer_list<QObject *>{&font, &brush}) {
        SCOPED_TRACE(object->metaObject()->className());
        const QMetaObject *meta = object->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i)
            meta->property(i).read(object);
        EXPECT_TRUE(object->children().isEmpty());
    }
    QPointer<QObject> shadow = font.Shadow();
    QPointer<QObject> image = brush.Image();
    EXPECT_TRUE(font.children().contains(shadow.data()));
    EXPECT_TRUE(brush.children().contains(image.data()));
    EXPECT_EQ(font.property("Shadow").value<TPlotShadow *>(), shadow.data());
    {
        TPlotFont scoped;
        shadow = scoped.Shadow();
    }
    EXPECT_TRUE(shadow.isNull());
    font.SetShadow(nullptr);
    EXPECT_TRUE(font.children().isEmpty());
}

namespace {

// Assigns a source equal to the target, then one that differs in the given way; counts notifications.
template <class T, class Assign>
void expectOneNotificationPerRealChange(const std::function<void(T &)> &makeDifferent, Assign assign)
{
    T target;
    T same;
    T different;
    makeDifferent(different);
    QSignalSpy spy(&target, &T::changed);
    assign(target, same);
    EXPECT_EQ(spy.count(), 0);
    assign(target, different);
    EXPECT_EQ(spy.count(), 1);
    assign(target, different);
    EXPECT_EQ(spy.count(), 1);
}

} // namespace

TEST(AttributeObjects, AssignNotifiesOnceForAChangeAndNeverOtherwise)
{
    const auto assign = [](auto &target, const auto &source) { target.Assign(source); };
    {
        SCOPED_TRACE("TPen");
        expectOneNotificationPerRealChange<TPen>([](TPen &p) { p.SetWidth(4); p.SetColor(clRed); }, assign);
    }
    {
        SCOPED_TRACE("TChartPen, chart part only");
        expectOneNotificationPerRealChange<TChartPen>([](TChartPen &p) { p.SetSmallDots(true); }, assign);
    }
    {
        SCOPED_TRACE("TBrush");
        expectOneNotificationPerRealChange<TBrush>([](TBrush &b) { b.SetStyle(bsCross); }, assign);
    }
    {
        SCOPED_TRACE("TChartBrush, picture only");
        expectOneNotificationPerRealChange<TChartBrush>(
            [](TChartBrush &b) { b.Image()->SetGraphic(QImage(2, 2, QImage::Format_RGB32)); }, assign);
    }
    {
        SCOPED_TRACE("TFont");
        expectOneNotificationPerRealChange<TFont>([](TFont &f) { f.SetName(QStringLiteral("Courier New")); }, assign);
    }
    {
        SCOPED_TRACE("TPlotFont, shadow and outline");
        expectOneNotificationPerRealChange<TPlotFont>(
            [](TPlotFont &f) { f.Shadow()->SetSize(2); f.OutLine()->Show(); f.SetSize(12); }, assign);
    }
    {
        SCOPED_TRACE("TPlotShadow");
        expectOneNotificationPerRealChange<TPlotShadow>([](TPlotShadow &s) { s.SetTransparency(40); }, assign);
    }
    {
        SCOPED_TRACE("TPlotGradient");
        expectOneNotificationPerRealChange<TPlotGradient>([](TPlotGradient &g) { g.SetMidColor(clRed); }, assign);
    }
    {
        SCOPED_TRACE("TPlotFontGradient, outline only");
        expectOneNotificationPerRealChange<TPlotFontGradient>([](TPlotFontGradient &g) { g.SetOutline(true); }, assign);
    }
    {
        SCOPED_TRACE("TPlotFont, writing none");
        TPlotFont font;
        font.Gradient();
        font.OutLine();
        QSignalSpy spy(&font, &TFont::changed);
        font.SetGradient(nullptr);
        font.SetGradient(nullptr);
        font.SetShadow(nullptr);
        EXPECT_EQ(spy.count(), 1);
        font.SetOutLine(nullptr);
        font.SetOutLine(nullptr);
        EXPECT_EQ(spy.count(), 2);
    }
}

TEST(TFont, StyleIsAFlagSetThatStreamsAsText)
{
    TPlotFont font;
    const QMetaProperty style = font.metaObject()->property(font.metaObject()->indexOfProperty("Style"));
    ASSERT_TRUE(style.isValid());
    EXPECT_TRUE(style.isFlagType());
    EXPECT_TRUE(style.write(&font, QStringLiteral("fsBold|fsItalic")));
    EXPECT_EQ(font.Style(), TFontStyles(fsBold | fsItalic));
    EXPECT_EQ(style.enumerator().valueToKeys(int(font.Style())), "fsBold|fsItalic");
}
