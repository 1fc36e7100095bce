// The gallery, function, tool and menu texts of the chart library: English at start, replaced by a
// language unit. Registry records refer to them by number, so a translation renames every entry.
#pragma once

#include <QString>

namespace PlotProCo {

// Numbers of the texts the library itself reads (1-based, in table order).
enum Text : int {
    txtCursorSeries = 10,
    txtCursor = 97,
    txtDragMarks = 98,
    txtAxisArrows = 99,
    txtDrawLine = 100,
    txtNearestPoint = 101,
    txtColorBand = 102,
    txtColorLine = 103,
    txtRotate = 104,
    txtImage = 105,
    txtMarkTips = 106,
    txtAnnotation = 107,
    txtPageNumber = 169,
    txtSeriesAnimation = 183,
    txtGridBand = 189,
    txtAxisScroll = 212,
    txtRectangle = 213,
    txtClipSeries = 217,
};

inline constexpr int kGalleryTextCount = 223;

// Assigns every text its English value (again); the first read runs it by itself.
void SetGalleryTexts();
// Text number 1..kGalleryTextCount; an empty text for any other number.
QString text(int number);
// A language unit replaces a text; numbers outside the table are ignored.
void setText(int number, const QString &value);

} // namespace PlotProCo
