// The composition grid of the mixture and solution dialogs and their table windows: name, formula
// or key, and mass percentage of each component. Cells are numbered as the string grid numbers
// them: row 0 is the heading (the table's header), rows 1.. hold the components from the top.
#pragma once

#include <QTableWidget>

#include <optional>

class CompositionGrid : public QTableWidget
{
    Q_OBJECT
public:
    static constexpr int kNameColumn = 0;
    static constexpr int kPercentColumn = 2;

    // A grid of three columns with componentRows rows below the heading. Only the percentage
    // column can be edited.
    CompositionGrid(int componentRows, QWidget *parent);

    QString Cells(int column, int row) const;
    void setCells(int column, int row, const QString &text);
    // Rows with the heading, as the string grid counts them.
    int RowCount() const { return rowCount() + 1; }
    // The selected component row (1..), 0 when none.
    int Row() const;

    // Whether a component row holds a name, and how many do from the top.
    bool isUsed(int row) const { return !Cells(kNameColumn, row).isEmpty(); }
    int usedRows() const;
    // A row's mass percentage as typed, ',' or '.' as the decimal point and blanks around it
    // ignored: an empty cell is 0 %, a cell that is no number has no value.
    std::optional<long double> percent(int row) const;
    // The first component row without a name; 0 when the grid is full.
    int firstFreeRow() const;
    // Deletes a component row: the rows below move up, the last one is emptied.
    void deleteRow(int row);
    // Empties every cell, the heading too.
    void clearCells();
    // Column 0 half of the width, column 2 a quarter (both rounded half to even), column 1 the rest
    // less 9 pixels.
    void setColumnWidths(int gridWidth);
    // The cells of another grid, heading included; this grid shows them read-only.
    void copyFrom(const CompositionGrid &other);

    // The print line of the first three components: "name percentage Ma.%", joined by "; ",
    // and " ..." when a fourth follows.
    QString compositionLine() const;

Q_SIGNALS:
    // The user changed a percentage.
    void percentEdited();
};
