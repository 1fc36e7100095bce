// The ranges of published numbers that drawing can take: a larger zoom or offset overflows the
// projection, a wider bevel or shadow takes one drawing step per pixel. The chart file reader
// refuses a value outside them; setters that clamp use the same bounds.
#pragma once

#include <QByteArray>

class QMetaProperty;
struct QMetaObject;

struct PropertyLimit
{
    const char *className; // the class that publishes the property; its descendants share it
    const char *property;
    double minimum;
    double maximum;
};

namespace PropertyLimits {

// The 3D view's scales (percent) and offsets (pixels): projected points stay within ±2^30 for
// any model point the chart engine sends.
inline constexpr int kMinZoomPercent = 1;
inline constexpr int kMaxZoomPercent = 10000;
inline constexpr int kMaxPerspectivePercent = 1000;
inline constexpr int kMaxOffsetPx = 100000;

// The largest font the editor's font field takes, in points: a title of 200 pt left the diagram
// window's plot a few pixels and stood its bottom labels above their axis.
inline constexpr int kMaxFontPoints = 100;

// Integer properties the table leaves free (positions, margins, pen, font and symbol sizes, counts):
// no real chart comes near a million of them, and sums and products of a few such numbers stay far
// from the ends of int.
inline constexpr int kMaxPlainInteger = 1000000;

// The table's limit on the property of an object of this class or one of its bases; none when free.
const PropertyLimit *find(const QMetaObject &meta, const QByteArray &property);
// The limit a chart file's value must keep: the table's, else the plain integer limit for an int
// property (but a Tag, which is the caller's own number); none for other types.
const PropertyLimit *forFile(const QMetaObject &meta, const QMetaProperty &property);
// Whether the value lies within the limit (NaN does not).
bool allows(const PropertyLimit &limit, double value);

} // namespace PropertyLimits
