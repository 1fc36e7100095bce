// What a chart stream may make its reader allocate. The limits lie far beyond any real chart;
// a stream beyond one is refused as damaged, since a few bytes of it (an empty object or item, a
// long run of characters) could otherwise ask for gigabytes. Together they keep what a file of N
// bytes costs to read within 256 MB + 20 N (a series takes up to about 26 KB, a tool 8 KB, an
// axis 12 KB and a mark format 5 KB). docs/export.md lists them.
#pragma once

#include <QtGlobal>

namespace StreamLimits {

// Per file.
inline constexpr int kMaxCustomAxes = 1000;
inline constexpr int kMaxSeries = 5000;
inline constexpr int kMaxTools = 5000;
// Items of the other collections together (the lines of the draw line tools).
inline constexpr int kMaxCollectionItems = 10000;
// Per-point mark formats of all series together.
inline constexpr int kMaxMarkFormats = 5000;
// UTF-8 bytes of one text; the lines of a text list count together, one more byte per line,
// and so do the names of a set.
inline constexpr int kMaxTextBytes = 64 * 1024;
// Points of one series ("Data" is a signed 32-bit length, so its records cannot reach this).
inline constexpr qint32 kMaxSeriesPoints = qint32(1) << 28;

} // namespace StreamLimits
