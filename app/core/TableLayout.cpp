// Lays out the rows of a value table on printed pages.
#include "app/core/TableLayout.h"

#include "app/core/PrintSurface.h"
#include "app/core/RecordFields.h"
#include "app/core/Rounding.h"

#include <algorithm>

namespace {

constexpr int kRowFontPoints = 9;
constexpr int kRowStep = 30;
constexpr int kGapUnderHeader = 20;
constexpr int kBottomReserve = 40;
constexpr int kColumns = 6;
// Room a column keeps beside its two fields: 10 before the first, 30 after the second.
constexpr int kColumnPadding = 40;
constexpr int kSecondFieldToColumnEnd = 30;

int columnWidth(const PrintSurface &surface, int columns)
{
    return roundHalfEven(surface.pageWidth() / double(columns));
}

} // namespace

TableColumns tableColumns(const PrintSurface &surface, const QStringList &rows)
{
    int widestFirst = 0;
    int widestSecond = 0;
    for (const QString &row : rows) {
        widestFirst = std::max(widestFirst, surface.textWidth(getField(row, 1).toString()));
        widestSecond = std::max(widestSecond, surface.textWidth(getField(row, 2).toString()));
    }
    const int blank = surface.textWidth(QStringLiteral(" "));

    TableColumns columns;
    columns.width = columnWidth(surface, kColumns);
    columns.firstRight = roundHalfEven(columns.width / 2.0) - 50;
    columns.secondRight = columns.width - kSecondFieldToColumnEnd;
    if (widestFirst <= columns.firstRight && columns.secondRight - widestSecond >= columns.firstRight + blank)
        return columns;

    // Fixed edges overprint long fields ("%9.5e" pressures, pressures in Pa): fewer, wider columns.
    const int needed = widestFirst + blank + widestSecond + kColumnPadding;
    columns.count = 1;
    for (int count = kColumns - 1; count > 1; --count) {
        if (needed <= columnWidth(surface, count)) {
            columns.count = count;
            break;
        }
    }
    columns.width = columnWidth(surface, columns.count);
    columns.secondRight = columns.width - kSecondFieldToColumnEnd;
    columns.firstRight = columns.secondRight - widestSecond - blank;
    return columns;
}

int printTableHeader(PrintSurface &surface, TableHeaderKind kind, const TableHeaderTexts &texts, int columns)
{
    surface.setFontSize(12);
    surface.drawText(0, 0, texts.title);
    int bottom = 170;
    switch (kind) {
    case TableHeaderKind::PureSubstance:
        surface.drawText(0, 70, texts.s4);
        surface.setFontSize(8);
        surface.drawText(0, 140, texts.s3);
        bottom = 170;
        break;
    case TableHeaderKind::Mixture:
        surface.drawText(0, 70, texts.s4);
        surface.setFontSize(8);
        surface.drawText(0, 140, texts.s3);
        surface.drawText(0, 190, texts.s2);
        surface.drawText(0, 220, texts.s1);
        bottom = 250;
        break;
    case TableHeaderKind::SolidInLiquid:
        surface.setFontSize(10);
        surface.drawText(0, 70, texts.s4);
        surface.setFontSize(8);
        surface.drawText(0, 140, texts.s3);
        surface.drawText(0, 170, texts.s2);
        bottom = 200;
        break;
    }

    const int width = surface.pageWidth();
    const int height = surface.pageHeight();
    surface.drawLine(0, bottom, width, bottom);
    surface.drawLine(width, bottom, width, height);
    surface.drawLine(width, height, 0, height);
    surface.drawLine(0, height, 0, bottom);
    const int column = columnWidth(surface, columns);
    for (int i = 1; i < columns; ++i)
        surface.drawLine(i * column, bottom, i * column, height);
    return bottom;
}

int layOutTable(PrintSurface &surface, const QStringList &rows, TableHeaderKind kind, const TableHeaderTexts &texts)
{
    surface.setFontSize(kRowFontPoints);
    const TableColumns columns = tableColumns(surface, rows);
    const int column = columns.width;
    const int firstRight = columns.firstRight;
    const int secondRight = columns.secondRight;
    int pages = 1;
    int bottom = printTableHeader(surface, kind, texts, columns.count);
    // The header leaves a smaller font behind; the rows are printed at their own size on every page.
    surface.setFontSize(kRowFontPoints);
    int x1 = firstRight;
    int x2 = secondRight;
    int y = bottom + kGapUnderHeader;

    bool first = true;
    for (const QString &row : rows) {
        // A new column or page only when a row is waiting for it, so that rows that exactly
        // fill the last page leave no page with a header and nothing else.
        if (!first && y > surface.pageHeight() - kBottomReserve) {
            x1 += column;
            x2 += column;
            y = bottom + kGapUnderHeader;
            if (surface.pageWidth() < x2) {
                x1 = firstRight;
                x2 = secondRight;
                surface.newPage();
                ++pages;
                bottom = printTableHeader(surface, kind, texts, columns.count);
                surface.setFontSize(kRowFontPoints);
                y = bottom + kGapUnderHeader;
            }
        }
        first = false;
        const QString field1 = getField(row, 1).toString();
        const QString field2 = getField(row, 2).toString();
        surface.drawText(x1 - surface.textWidth(field1), y, field1);
        surface.drawText(x2 - surface.textWidth(field2), y, field2);
        y += kRowStep;
    }
    return pages;
}
