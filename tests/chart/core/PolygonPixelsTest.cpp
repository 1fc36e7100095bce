// Small polygons written straight into an image set the pixels the painter sets.
#include "ChartTestSetup.h"
#include "PlotColor.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

// The first pixel where the two images differ, for the failure message.
QString firstDifference(const QImage &a, const QImage &b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 vs %4").arg(x).arg(y).arg(a.pixel(x, y), 0, 16).arg(b.pixel(x, y), 0, 16);
    return {};
}

// Draws the polygon on white with the direct writes off and on; returns the difference found, if
// any, and how many polygons went straight into the image.
std::pair<QString, int> compare(const TPointArray &corners, QImage::Format format,
                                const std::function<void(TPlotCanvas3D &)> &setUp)
{
    QImage images[2];
    int written = 0;
    for (const bool direct : {false, true}) {
        ScreenPass p(kWidth, kHeight, false);
        p.image = p.image.convertToFormat(format);
        p.begin();
        p.canvas.dc().setDirectPixels(direct);
        p.canvas.Brush()->SetColor(clYellow);
        p.canvas.Pen()->SetColor(clNavy);
        setUp(p.canvas);
        p.canvas.Polygon(corners);
        p.canvas.dc().flush();
        if (direct)
            written = p.canvas.dc().polygonsWritten();
        images[direct] = p.image;
    }
    return {firstDifference(images[0], images[1]), written};
}

QString describe(const TPointArray &corners)
{
    QString text;
    for (const TPoint &p : corners)
        text += QStringLiteral("(%1,%2) ").arg(p.x).arg(p.y);
    return text;
}

void noSetUp(TPlotCanvas3D &) {}

} // namespace

// The faces of a 3D line: a segment swept along the depth, every short segment in all directions.
TEST(PolygonPixels, ParallelogramsAreThePaintersPixels)
{
    const TPoint depths[] = {{10, -10}, {3, -7}, {0, -5}, {-4, 4}, {15, -8}, {1, -1}, {7, 0}, {2, 9}, {-12, -5}};
    int failures = 0;
    for (const TPoint &d : depths)
        for (int sx = -7; sx <= 7; ++sx)
            for (int sy = -7; sy <= 7; ++sy) {
                if ((sx == 0 && sy == 0) || failures > 10)
                    continue;
                const TPoint a{70, 60};
                const TPoint b{a.x + sx, a.y + sy};
                const TPointArray corners{b, a, {a.x + d.x, a.y + d.y}, {b.x + d.x, b.y + d.y}};
                const auto [difference, written] = compare(corners, QImage::Format_RGB32, noSetUp);
                EXPECT_EQ(written, 1) << describe(corners).toStdString();
                if (!difference.isEmpty()) {
                    ++failures;
                    ADD_FAILURE() << describe(corners).toStdString() << difference.toStdString();
                }
            }
}

// Random triangles, quadrilaterals (crossed ones too) and octagons, thin, long and flat.
TEST(PolygonPixels, RandomPolygonsAreThePaintersPixels)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> size(0, 3);
    const int spans[] = {2, 6, 20, 70};
    int failures = 0;
    for (int i = 0; i < 3000 && failures < 10; ++i) {
        const int span = spans[size(random)];
        std::uniform_int_distribution<int> offset(-span, span);
        const int count = i % 3 == 0 ? 3 : (i % 3 == 1 ? 4 : 8);
        TPointArray corners;
        for (int k = 0; k < count; ++k)
            corners.push_back({80 + offset(random), 60 + (k % 2 ? offset(random) : offset(random) / 4)});
        const auto [difference, written] = compare(corners, QImage::Format_RGB32, noSetUp);
        if (!difference.isEmpty()) {
            ++failures;
            ADD_FAILURE() << describe(corners).toStdString() << difference.toStdString() << " written " << written;
        }
    }
}

// Overlapping faces in changing colours under every pen, brush, clip and image the direct writes
// must either match or leave to the painter: cut by the clip or the image's edge, of one pixel.
TEST(PolygonPixels, OverlappingFacesUnderEachSettingAreThePaintersPixels)
{
    const auto faces = [](TPlotCanvas3D &canvas) {
        std::mt19937 random(3);
        std::uniform_int_distribution<int> at(-12, kWidth + 12);
        std::uniform_int_distribution<int> step(-3, 3);
        for (int i = 0; i < 500; ++i) {
            if (i % 7 == 0)
                canvas.Brush()->SetColor(PlotColor::makeColor(i * 37 % 256, i * 91 % 256, i * 13 % 256));
            const TPoint a{at(random), at(random) * kHeight / kWidth};
            const TPoint b{a.x + step(random), a.y + step(random)};
            const TPoint d = i % 5 == 0 ? TPoint{1, 0} : TPoint{9, -7}; // one-pixel faces too
            canvas.Polygon({b, a, {a.x + d.x, a.y + d.y}, {b.x + d.x, b.y + d.y}});
        }
    };
    const QRegion cube = QRegion(QPolygon({QPoint(20, 30), QPoint(40, 10), QPoint(140, 10), QPoint(140, 90),
                                           QPoint(120, 110), QPoint(20, 110)}));
    struct Setting
    {
        const char *name;
        QImage::Format format;
        std::function<void(TPlotCanvas3D &)> setUp;
        bool written;
    };
    const Setting settings[] = {
        {"solid brush", QImage::Format_RGB32, [](TPlotCanvas3D &) {}, true},
        {"premultiplied", QImage::Format_ARGB32_Premultiplied, [](TPlotCanvas3D &) {}, true},
        {"clear brush", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Brush()->SetStyle(bsClear); }, true},
        {"clear pen", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Pen()->SetStyle(psClear); }, true},
        {"rectangle clip", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.ClipRectangle({20, 10, 120, 90}); }, true},
        {"cube clip", QImage::Format_RGB32, [&cube](TPlotCanvas3D &c) { c.dc().intersectClip(cube); }, true},
        {"wide pen", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Pen()->SetWidth(3); }, false},
        {"dotted pen", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Pen()->SetStyle(psDot); }, false},
        {"hatched brush", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Brush()->SetStyle(bsDiagCross); }, false},
        {"xor pen", QImage::Format_RGB32, [](TPlotCanvas3D &c) { c.Pen()->SetMode(pmXor); }, false},
        {"16-bit image", QImage::Format_RGB16, [](TPlotCanvas3D &) {}, false},
    };
    for (const Setting &setting : settings) {
        SCOPED_TRACE(setting.name);
        const auto draw = [&](TPlotCanvas3D &canvas) {
            canvas.Brush()->SetColor(clYellow);
            setting.setUp(canvas);
            faces(canvas);
        };
        const int written = expectSamePixelsWrittenDirectly(kWidth, kHeight, setting.format, draw,
                                                            [](const PlotDC &dc) { return dc.polygonsWritten(); });
        EXPECT_EQ(written > 0, setting.written);
        if (setting.written) {
            EXPECT_LT(written, 500); // those the clip or the image's edge cuts go to the painter
        }
    }
}
