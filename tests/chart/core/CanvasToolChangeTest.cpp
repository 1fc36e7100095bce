// Every change of the canvas's own pen and brush reaches the painter before the next primitive,
// however it is made: the device layer counts the changes without a signal connection.
#include "ChartTestSetup.h"
#include "PlotColor.h"

#include <gtest/gtest.h>

#include <functional>

TEST(CanvasToolChanges, EveryPenAndBrushChangeReachesThePainter)
{
    struct Change
    {
        const char *name;
        std::function<void(TPlotCanvas3D &)> apply;
        TColor outline; // the second rectangle's left edge
        TColor fill;    // and its middle
    };
    const Change changes[] = {
        {"pen colour", [](TPlotCanvas3D &c) { c.Pen()->SetColor(clRed); }, clRed, clYellow},
        {"brush colour", [](TPlotCanvas3D &c) { c.Brush()->SetColor(clBlue); }, clBlack, clBlue},
        {"clear brush", [](TPlotCanvas3D &c) { c.Brush()->SetStyle(bsClear); }, clBlack, clWhite},
        {"pen values at once",
         [](TPlotCanvas3D &c) {
             PenValues values = c.Pen()->values();
             values.color = clGreen;
             c.Pen()->setValues(values);
         },
         clGreen, clYellow},
        {"brush values at once",
         [](TPlotCanvas3D &c) {
             BrushValues values = c.Brush()->values();
             values.color = clFuchsia;
             c.Brush()->setValues(values);
         },
         clBlack, clFuchsia},
        {"pen assigned from another",
         [](TPlotCanvas3D &c) {
             TPen other;
             other.SetColor(clNavy);
             c.Pen()->Assign(other);
         },
         clNavy, clYellow},
    };
    for (const Change &change : changes) {
        SCOPED_TRACE(change.name);
        for (const bool direct : {false, true}) {
            SCOPED_TRACE(direct);
            ScreenPass p(80, 40, false);
            p.begin();
            p.canvas.dc().setDirectPixels(direct);
            p.canvas.Pen()->SetColor(clBlack);
            p.canvas.Brush()->SetColor(clYellow);
            p.canvas.Rectangle(5, 5, 30, 30);
            change.apply(p.canvas);
            p.canvas.Rectangle(45, 5, 70, 30);
            const QImage &image = p.drawn();
            EXPECT_EQ(image.pixel(5, 15), PlotColor::toQRgb(clBlack));
            EXPECT_EQ(image.pixel(17, 15), PlotColor::toQRgb(clYellow));
            EXPECT_EQ(image.pixel(45, 15), PlotColor::toQRgb(change.outline));
            EXPECT_EQ(image.pixel(57, 15), PlotColor::toQRgb(change.fill));
        }
    }
}
