// Lays out the rows of a value table on printed pages: a header, a frame of six columns (fewer
// when the rows' fields would run into each other), and the two fields of each row
// right-aligned in its column.
#pragma once

#include <QString>
#include <QStringList>

class PrintSurface;

// Which header the pages carry: pure substance, liquid mixture or aqueous solution, solid in a
// liquid.
enum class TableHeaderKind { PureSubstance, Mixture, SolidInLiquid };

struct TableHeaderTexts
{
    QString title; // the first line: program title, " - ", the print header text
    QString s1;
    QString s2;
    QString s3;
    QString s4;
};

// The columns of a page and the right edges of the two fields in the first one, in the surface's
// units from the left margin.
struct TableColumns
{
    int count = 6;
    int width = 0;
    int firstRight = 0;
    int secondRight = 0;
};

// Six columns with the first field's edge at half a column less 50 and the second's 30 before
// the column's end, when on every row the first field starts inside its column and a blank parts
// the two. Otherwise the most equal columns (at least one) that hold the widest first field, a
// blank, the widest second field and 40 units; the second field then ends 30 before the
// column's end and the first a blank before the widest second field starts. Measured at the
// surface's current font size.
TableColumns tableColumns(const PrintSurface &surface, const QStringList &rows);

// Draws the header and the frame of one page with its column lines and returns the header's
// bottom.
int printTableHeader(PrintSurface &surface, TableHeaderKind kind, const TableHeaderTexts &texts, int columns = 6);

// The whole print job on an open surface: pages, header, rows. Returns the number of pages.
int layOutTable(PrintSurface &surface, const QStringList &rows, TableHeaderKind kind, const TableHeaderTexts &texts);
