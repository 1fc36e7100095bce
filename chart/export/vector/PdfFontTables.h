// Readers of the few TrueType table fields a PDF font descriptor needs, over the table bytes.
#pragma once

#include <QByteArrayView>

#include <optional>

namespace PdfFontTables {

struct Head
{
    int unitsPerEm = 0;
    int xMin = 0;
    int yMin = 0;
    int xMax = 0;
    int yMax = 0;
};
struct HorizontalHeader
{
    int ascent = 0;
    int descent = 0; // negative below the baseline
};
struct OS2
{
    int averageWidth = 0;
    std::optional<int> capHeight; // version 2 and later only
};

// Each gives nothing when the table is too short for the fields or holds impossible values.
std::optional<Head> readHead(QByteArrayView table);
std::optional<HorizontalHeader> readHorizontalHeader(QByteArrayView table);
std::optional<OS2> readOS2(QByteArrayView table);
// The italic angle in degrees, from the 16.16 fixed-point field.
std::optional<double> readItalicAngle(QByteArrayView table);

} // namespace PdfFontTables
