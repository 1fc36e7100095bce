// Lays out the rows of a value table on printed pages: a header, a frame of six columns, and
// the two fields of each row right-aligned in its column.
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

// Draws the header and the frame of one page and returns the header's bottom.
int printTableHeader(PrintSurface &surface, TableHeaderKind kind, const TableHeaderTexts &texts);

// The whole print job on an open surface: pages, header, rows. Returns the number of pages.
int layOutTable(PrintSurface &surface, const QStringList &rows, TableHeaderKind kind, const TableHeaderTexts &texts);
