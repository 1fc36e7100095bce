// The data grid's column headers in two lines: the series' legend symbol and title above, the value
// list's name (the X value in the XYZ table) below. A press selects the whole column.
#pragma once

#include <QHeaderView>

class TChartGrid;

class ChartGridHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit ChartGridHeader(TChartGrid *grid);

    // The first line is row 0 of the grid, 20 pixels high; the second a data row's height.
    int firstLineHeight() const;
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void paintSymbol(QPainter &painter, int logicalIndex, const QRect &square) const;

    TChartGrid *m_grid;
};
