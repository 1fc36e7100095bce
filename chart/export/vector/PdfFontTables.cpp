// TrueType table fields, read big-endian with every offset checked against the table length.
#include "PdfFontTables.h"

#include <cstdint>

namespace PdfFontTables {

namespace {

bool fits(QByteArrayView table, qsizetype offset, qsizetype size)
{
    return offset >= 0 && size >= 0 && offset <= table.size() - size;
}

std::uint16_t u16(QByteArrayView t, qsizetype at)
{
    return std::uint16_t((std::uint8_t(t[at]) << 8) | std::uint8_t(t[at + 1]));
}

int s16(QByteArrayView t, qsizetype at)
{
    return std::int16_t(u16(t, at));
}

} // namespace

std::optional<Head> readHead(QByteArrayView table)
{
    if (!fits(table, 36, 8))
        return std::nullopt;
    Head head;
    head.unitsPerEm = u16(table, 18);
    head.xMin = s16(table, 36);
    head.yMin = s16(table, 38);
    head.xMax = s16(table, 40);
    head.yMax = s16(table, 42);
    // The standard allows 16 to 16384 units per em.
    if (head.unitsPerEm < 16 || head.unitsPerEm > 16384)
        return std::nullopt;
    return head;
}

std::optional<HorizontalHeader> readHorizontalHeader(QByteArrayView table)
{
    if (!fits(table, 4, 4))
        return std::nullopt;
    return HorizontalHeader{s16(table, 4), s16(table, 6)};
}

std::optional<OS2> readOS2(QByteArrayView table)
{
    if (!fits(table, 0, 4))
        return std::nullopt;
    OS2 os2;
    os2.averageWidth = s16(table, 2);
    if (u16(table, 0) >= 2 && fits(table, 88, 2))
        os2.capHeight = s16(table, 88);
    return os2;
}

std::optional<double> readItalicAngle(QByteArrayView table)
{
    if (!fits(table, 4, 4))
        return std::nullopt;
    const auto fixed = std::int32_t((std::uint32_t(u16(table, 4)) << 16) | u16(table, 6));
    return fixed / 65536.0;
}

} // namespace PdfFontTables
