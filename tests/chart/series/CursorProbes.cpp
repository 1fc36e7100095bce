// Probe points on a cursor tool's lines.
#include "CursorProbes.h"

#include "PlotColor.h"
#include "TChart.h"
#include "TChartPen.h"
#include "TCursorTool.h"

#include <gtest/gtest.h>

#include <cstdlib>

TCursorTool *addRedCursor(TChart &chart)
{
    auto *cursor = new TCursorTool(&chart);
    cursor->SetParentChart(&chart);
    cursor->Pen()->SetColor(clRed);
    cursor->Pen()->SetWidth(5);
    return cursor;
}

std::vector<QPoint> cursorProbes(const QImage &screen, const TCursorTool &cursor, QRgb panelRgb, int count)
{
    constexpr int kLineHalf = 3; // a 5-pixel line and a pixel of slack on each side
    constexpr int kClear = 6; // of panel colour beside the line and along it
    const auto panelAt = [&](int x, int y) {
        return screen.rect().contains(x, y) && (screen.pixel(x, y) & 0xFFFFFF) == (panelRgb & 0xFFFFFF);
    };
    const QRgb pen = PlotColor::toQRgb(cursor.Pen()->Color()) & 0xFFFFFF;
    const int lineX = cursor.VerticalLineX();
    const int lineY = cursor.HorizontalLineY();
    std::vector<QPoint> probes;
    const auto take = [&](bool vertical) {
        int taken = 0;
        const int length = vertical ? screen.height() : screen.width();
        for (int t = kClear; t < length - kClear && taken < count; t += 2) {
            const int x = vertical ? lineX : t;
            const int y = vertical ? t : lineY;
            if (std::abs((vertical ? y - lineY : x - lineX)) < 2 * kClear)
                continue; // away from the crossing
            if ((screen.pixel(x, y) & 0xFFFFFF) != pen)
                continue; // beyond the line's ends, or over a grid line drawn under it
            bool clear = true;
            for (int along = -kClear; along <= kClear && clear; ++along)
                for (int side = kLineHalf + 1; side <= kLineHalf + kClear && clear; ++side)
                    clear = vertical ? panelAt(x - side, y + along) && panelAt(x + side, y + along)
                                     : panelAt(x + along, y - side) && panelAt(x + along, y + side);
            if (!clear)
                continue;
            probes.emplace_back(x, y);
            ++taken;
            t += 4 * kClear;
        }
    };
    take(true);
    take(false);
    return probes;
}

void expectCursorLikeScreen(const QImage &picture, const QImage &screen, const std::vector<QPoint> &probes)
{
    ASSERT_EQ(picture.size(), screen.size());
    ASSERT_GE(probes.size(), 2u);
    expectLikeScreenAt(picture, screen, probes);
}

void expectLikeScreenAt(const QImage &picture, const QImage &screen, const std::vector<QPoint> &probes)
{
    for (const QPoint &p : probes) {
        const QColor want = screen.pixelColor(p);
        const QColor got = picture.pixelColor(p);
        EXPECT_LE(std::abs(want.red() - got.red()), 8) << p.x() << "," << p.y();
        EXPECT_LE(std::abs(want.green() - got.green()), 8) << p.x() << "," << p.y();
        EXPECT_LE(std::abs(want.blue() - got.blue()), 8) << p.x() << "," << p.y();
    }
}
