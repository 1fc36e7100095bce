// The rows of a series list: each series with the text it is listed under.
#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPointer>

class TChartSeries;

class ChartSeriesModel : public QAbstractListModel
{
    Q_OBJECT
public:
    struct Row {
        QString text;
        QPointer<TChartSeries> series;
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setRows(QList<Row> rows);
    const QList<Row> &rows() const { return m_rows; }
    // The series of a row; none outside the rows or once the series died.
    TChartSeries *series(int row) const;
    int rowOf(const TChartSeries *series) const;
    void removeSeriesRow(int row);
    void setRowText(int row, const QString &text);

private:
    QList<Row> m_rows;
};
