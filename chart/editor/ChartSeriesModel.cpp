// The rows of a series list.
#include "ChartSeriesModel.h"

#include "TChartSeries.h"

int ChartSeriesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ChartSeriesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return m_rows.at(index.row()).text;
    return {};
}

Qt::ItemFlags ChartSeriesModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

void ChartSeriesModel::setRows(QList<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

TChartSeries *ChartSeriesModel::series(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).series.data() : nullptr;
}

int ChartSeriesModel::rowOf(const TChartSeries *series) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).series == series)
            return row;
    }
    return -1;
}

void ChartSeriesModel::removeSeriesRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void ChartSeriesModel::setRowText(int row, const QString &text)
{
    if (row < 0 || row >= m_rows.size() || m_rows.at(row).text == text)
        return;
    m_rows[row].text = text;
    Q_EMIT dataChanged(index(row), index(row), {Qt::DisplayRole});
}
