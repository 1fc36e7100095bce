// Test set-up helpers.
#include "ChartTestSetup.h"

#include "PlotLibrary.h"

#include <QFont>
#include <QFontDatabase>

#include <gtest/gtest.h>

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

void registerTestFont()
{
    // The library's own substitutions first, then ours in their place, on every call: a test of
    // the library start may have put the library's back.
    PlotLibraryStart();
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(TENSIMO_TEST_DATA_DIR "/chart/DejaVuSans.ttf"));
        return id >= 0 ? QFontDatabase::applicationFontFamilies(id).value(0) : QString();
    }();
    if (family.isEmpty())
        return;
    for (const QString &name : {QStringLiteral("Arial"), QStringLiteral("Courier New")}) {
        QFont::removeSubstitutions(name);
        QFont::insertSubstitution(name, family);
    }
}

ScreenPass::ScreenPass(int width, int height, bool view3D_)
    : image(whiteImage(width, height))
    , gui(&image)
    , bounds{0, 0, width, height}
    , view3D(view3D_)
{
    registerTestFont();
    canvas.SetBuffered(false);
}

void ScreenPass::begin(int depth)
{
    canvas.InitWindow(&gui, &options, clWhite, view3D, bounds);
    canvas.CalcProjection(depth, bounds);
}

const QImage &ScreenPass::drawn()
{
    canvas.dc().flush();
    return image;
}

int expectSamePixelsWrittenDirectly(int width, int height, QImage::Format format,
                                    const std::function<void(TPlotCanvas3D &)> &draw,
                                    const std::function<int(const PlotDC &)> &count)
{
    QImage images[2];
    int written[2] = {0, 0};
    for (const bool direct : {false, true}) {
        ScreenPass p(width, height, false);
        p.image = p.image.convertToFormat(format);
        p.begin();
        p.canvas.dc().setDirectPixels(direct);
        draw(p.canvas);
        p.canvas.dc().flush();
        written[direct] = count(p.canvas.dc());
        images[direct] = p.image;
    }
    EXPECT_NE(images[0], whiteImage(width, height).convertToFormat(format));
    EXPECT_TRUE(images[0] == images[1]);
    EXPECT_EQ(written[0], 0);
    return written[1];
}
