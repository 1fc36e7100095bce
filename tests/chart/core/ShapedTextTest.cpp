// Texts drawn from the glyph runs kept per font set the pixels QPainter::drawText sets.
#include "ChartTestSetup.h"
#include "PlotColor.h"
#include "TFont.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Label
{
    const char *name;
    QString text;
    std::function<void(TPlotCanvas3D &)> setUp;
    double angle = 0.0;
};

// Draws every label of the table at a few places and alignments; the text colour changes per label.
void drawLabels(TPlotCanvas3D &canvas, const Label &label)
{
    label.setUp(canvas);
    const int aligns[] = {TA_LEFT | TA_TOP, TA_CENTER | TA_BASELINE, TA_RIGHT | TA_BOTTOM};
    int y = 30;
    for (const int align : aligns) {
        canvas.SetTextAlign(align);
        for (const int x : {5, 150, 297}) {
            if (label.angle == 0.0)
                canvas.TextOut(x, y, label.text);
            else
                canvas.RotateLabel(x, y, label.text, label.angle);
        }
        y += 80;
    }
}

} // namespace

TEST(ShapedText, GlyphRunsKeptPerFontDrawThePaintersPixels)
{
    registerTestFont();
    const auto none = [](TPlotCanvas3D &) {};
    const Label labels[] = {
        {"value label", QStringLiteral("-1,100.5"), none},
        {"title", QStringLiteral("Vapour pressure / kPa"), [](TPlotCanvas3D &c) {
             c.Font()->SetStyle(TFontStyles(fsBold));
             c.Font()->SetSize(14);
         }},
        {"accents, minus sign and degrees", QStringLiteral("Température −40 °C µ ½ Å"), none},
        {"italic underlined", QStringLiteral("Legend entry 4"), [](TPlotCanvas3D &c) {
             c.Font()->SetStyle(TFontStyles(fsItalic) | fsUnderline);
         }},
        {"opaque background", QStringLiteral("1E-5"), [](TPlotCanvas3D &c) {
             c.SetBackMode(cbmOpaque);
             c.SetBackColor(PlotColor::makeColor(250, 230, 10));
         }},
        {"letter spacing", QStringLiteral("spaced out"), [](TPlotCanvas3D &c) { c.dc().setCharExtra(3); }},
        {"courier, large", QStringLiteral("x = 12.75"), [](TPlotCanvas3D &c) {
             c.Font()->SetName(QStringLiteral("Courier New"));
             c.Font()->SetSize(20);
         }},
        {"rotated: drawn by the painter", QStringLiteral("Temperature 300 K"), none, 33.5},
        {"two lines: drawn by the painter", QStringLiteral("first\nsecond"), none},
        {"right to left: drawn by the painter", QStringLiteral("\u05E9\u05DC\u05D5\u05DD 12"), none},
    };
    for (const Label &label : labels) {
        SCOPED_TRACE(label.name);
        QImage images[2];
        int shapings[2] = {0, 0};
        for (const bool kept : {false, true}) {
            ScreenPass p(320, 260, false);
            p.begin();
            p.canvas.dc().setShapedTexts(kept);
            p.canvas.Font()->SetColor(PlotColor::makeColor(20, 60, 160));
            drawLabels(p.canvas, label);
            shapings[kept] = p.canvas.dc().textShapings();
            images[kept] = p.drawn();
        }
        EXPECT_NE(images[0], whiteImage(320, 260));
        EXPECT_TRUE(images[0] == images[1]);
        EXPECT_EQ(shapings[0], 0);
        // Nine labels of one text and font: shaped once, or never where the painter draws it.
        const bool cacheable = !label.text.contains(u'\n') && !label.text.isRightToLeft() && label.angle == 0.0;
        EXPECT_EQ(shapings[1], cacheable ? 1 : 0);
    }
}
