// The golden-image tolerance of whole charts: how much a rendering may stray and still match.
#include "GoldenFiles.h"

#include <gtest/gtest.h>

TEST(GoldenImageTolerance, GlyphEdgesPassWhileLinesAndSizesFail)
{
    const QImage base = [] {
        QImage image(400, 250, QImage::Format_RGB32);
        image.fill(qRgb(200, 200, 200));
        return image;
    }();
    const int allowed = int(0.002 * 400 * 250); // 200 pixels
    const auto changed = [&](int pixels, int delta) {
        QImage image = base;
        for (int i = 0; i < pixels; ++i)
            image.setPixel(i % 400, i / 400, qRgb(200, 200 + delta, 200));
        return image;
    };
    struct Case { QImage actual; int differing; bool matches; const char *what; };
    const Case cases[] = {
        {base, 0, true, "the same picture"},
        {changed(1000, 48), 0, true, "every channel within 48"},
        {changed(1, 49), 1, true, "one pixel beyond"},
        {changed(allowed, 49), allowed, true, "0.2 % of the pixels"},
        {changed(allowed + 1, -120), allowed + 1, false, "one pixel more than 0.2 %"},
        {changed(400, -200), 400, false, "a missing line"},
        {base.copy(0, 0, 400, 249), -1, false, "another size"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(countDifferingPixels(c.actual, base, kChartImageTolerance.channel), c.differing);
        EXPECT_EQ(imagesMatch(c.actual, base, kChartImageTolerance), c.matches);
    }
    // Without a tolerance the comparison stays bit for bit.
    EXPECT_FALSE(imagesMatch(changed(1, 1), base, {}));
}
