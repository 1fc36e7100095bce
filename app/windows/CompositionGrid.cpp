// The composition grid of the mixture and solution dialogs.
#include "app/windows/CompositionGrid.h"

#include "app/core/Rounding.h"
#include "app/core/SingleValue.h"

#include <QHeaderView>
#include <QSignalBlocker>

namespace {

constexpr int kColumns = 3;
constexpr int kRowHeight = 20;
constexpr int kPrintedComponents = 3;

} // namespace

CompositionGrid::CompositionGrid(int componentRows, QWidget *parent)
    : QTableWidget(componentRows, kColumns, parent)
{
    setObjectName(QStringLiteral("StringGrid1"));
    for (int column = 0; column < kColumns; ++column)
        setHorizontalHeaderItem(column, new QTableWidgetItem);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A double click removes a component; typing or a second click edits a percentage.
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    for (int row = 1; row <= componentRows; ++row) {
        for (int column = 0; column < kColumns; ++column)
            setCells(column, row, QString());
    }
    setFixedHeight(horizontalHeader()->sizeHint().height() + componentRows * kRowHeight + 2 * frameWidth());
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->column() == kPercentColumn)
            Q_EMIT percentEdited();
    });
}

QString CompositionGrid::Cells(int column, int row) const
{
    const QTableWidgetItem *cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell ? cell->text() : QString();
}

void CompositionGrid::setCells(int column, int row, const QString &text)
{
    if (row == 0) {
        horizontalHeaderItem(column)->setText(text);
        return;
    }
    // Only the user's changes of a percentage are edits.
    const QSignalBlocker blocker(this);
    QTableWidgetItem *cell = item(row - 1, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        if (column != kPercentColumn)
            cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        setItem(row - 1, column, cell);
    }
    cell->setText(text);
    viewport()->update();
}

int CompositionGrid::Row() const
{
    return currentRow() + 1;
}

int CompositionGrid::usedRows() const
{
    int rows = 0;
    while (rows + 1 < RowCount() && isUsed(rows + 1))
        ++rows;
    return rows;
}

std::optional<long double> CompositionGrid::percent(int row) const
{
    const QString text = Cells(kPercentColumn, row).trimmed();
    return text.isEmpty() ? std::optional<long double>(0.0L) : parseInputValue(text);
}

int CompositionGrid::firstFreeRow() const
{
    for (int row = 1; row < RowCount(); ++row) {
        if (!isUsed(row))
            return row;
    }
    return 0;
}

void CompositionGrid::deleteRow(int row)
{
    if (row < 1 || row >= RowCount())
        return;
    for (int below = row; below + 1 < RowCount(); ++below) {
        for (int column = 0; column < kColumns; ++column)
            setCells(column, below, Cells(column, below + 1));
    }
    for (int column = 0; column < kColumns; ++column)
        setCells(column, RowCount() - 1, QString());
}

void CompositionGrid::clearCells()
{
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < kColumns; ++column)
            setCells(column, row, QString());
    }
}

void CompositionGrid::setColumnWidths(int gridWidth)
{
    const int name = roundHalfEven(gridWidth * 0.5);
    const int percent = roundHalfEven(gridWidth * 0.25);
    setColumnWidth(0, name);
    setColumnWidth(1, gridWidth - name - percent - 9);
    setColumnWidth(kPercentColumn, percent);
    setFixedWidth(gridWidth);
}

void CompositionGrid::copyFrom(const CompositionGrid &other)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < std::min(RowCount(), other.RowCount()); ++row) {
        for (int column = 0; column < kColumns; ++column)
            setCells(column, row, other.Cells(column, row));
    }
}

QString CompositionGrid::compositionLine() const
{
    QStringList parts;
    for (int row = 1; row <= kPrintedComponents && row < RowCount(); ++row) {
        if (isUsed(row))
            parts << Cells(kNameColumn, row) + u' ' + Cells(kPercentColumn, row) + QStringLiteral(" Ma.%");
    }
    QString line = parts.join(QStringLiteral("; "));
    if (kPrintedComponents + 1 < RowCount() && isUsed(kPrintedComponents + 1))
        line += QStringLiteral(" ...");
    return line;
}
