// The rows and columns of the chart data grid: one row per point index; the point number, the
// optional colour and label columns, then per series its X column (when shown) and one column per
// further value list. No cell objects: the cells are read from the series when drawn. The XYZ
// table instead shows one series with X, Y and Z values as X columns by Z rows of Y values.
#pragma once

#include "TChartSeries.h"
#include "TCustomAxisPanel.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <unordered_map>
#include <vector>

enum TChartGridShow { cgsAuto, cgsNo, cgsYes };

class ChartGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum ColumnKind { NumberColumn, ColorColumn, LabelColumn, ValueColumn };
    struct Column
    {
        ColumnKind kind = NumberColumn;
        // Null once the series is freed: a dead column draws and stores nothing.
        QPointer<TChartSeries> series;
        int list = 0; // index in the series' value lists
        double x = 0; // the X value of the column in the XYZ table
    };
    // A series the XYZ table can show: three values per point, the third being Z.
    static bool HasXYZ(const TChartSeries &series) { return series.ValueLists().size() == 3; }

    explicit ChartGridModel(QObject *parent = nullptr);

    TCustomAxisPanel *Chart() const { return m_chart; }
    TChartSeries *Series() const { return m_series; }
    void SetChart(TCustomAxisPanel *chart);
    void SetSeries(TChartSeries *series);
    bool ShowColors = false;
    bool ShowLabels = true;
    TChartGridShow ShowXValues = cgsAuto;
    // Row 0 holds the series' symbols and titles, row 1 the value lists' names.
    bool TwoHeaderRows = true;
    bool Grid3D() const { return m_grid3D; }
    // Switches the XYZ table on the first series; refused (false) when it has no Z values.
    bool SetGrid3D(bool on);

    // The series concerned: the one series, or every series of the chart.
    std::vector<TChartSeries *> seriesList() const;
    const Column &column(int index) const { return m_columns.at(std::size_t(index)); }
    // Recomputes the columns and rows (after a change of the series or of the switches).
    void rebuild();
    // Repaints every cell (the values changed).
    void refreshValues();
    // Takes a leaving series' columns and rows out at once: it may be freed before any queued
    // rebuild runs, and the grid must not keep pointing at it.
    void dropSeries(const TCustomChartSeries *leaving);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Converts the text first: a refused text shows the message once and leaves the series as it
    // was. An empty text makes the point null. Padding with null points follows the conversion.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // The full value of a cell as its editor opens with it; empty for a missing or null point.
    QString editText(int row, int column) const;
    // Stores a colour at the row (padding the series first).
    void setPointColor(int row, int column, TColor color);
    // Appends a null point to every series concerned; the new last row.
    int appendRow();
    // Deletes the row's point from every series concerned; in the XYZ table the cell's point.
    void deleteRow(int row, int column);
    // Removes the last row when its point is null and has no label; true when removed.
    bool removeTrailingEmptyRow();
    // The colour of the row's point in the column's series (or the first series); clNone when null.
    TColor pointColor(int row, int column) const;
    // The colour the point is drawn in (its own, else the series'); none for a null or absent one.
    TColor drawnPointColor(int row, int column) const;
    TChartSeries *seriesOfColumn(int column) const;
    // The point a cell shows: the row, or in the XYZ table the point with the column's X and the
    // row's Z; -1 when there is none.
    int pointAt(int row, int column) const;

    // The header's two lines: the series' title (the symbol's series, none for the other
    // columns) and the value list's name, the X value in the XYZ table.
    QString headerTitle(int section) const;
    QString headerName(int section) const;
    TChartSeries *headerSeries(int section) const;

Q_SIGNALS:
    void cellStored(int row, int column);

private:
    void padTo(TChartSeries &series, int row) const;
    QString cellText(const Column &c, int row, int column) const;
    void rebuildTable(TChartSeries &series);

    QPointer<TCustomAxisPanel> m_chart;
    QPointer<TChartSeries> m_series;
    // The series being removed: still listed by its chart while the removal is announced.
    const TCustomChartSeries *m_leaving = nullptr;
    std::vector<Column> m_columns;
    int m_rows = 1;
    bool m_grid3D = false;
    // The XYZ table: the distinct Z values by row, and the point at each (X column, Z row).
    std::vector<double> m_zs;
    std::unordered_map<qint64, int> m_tablePoints;
};
