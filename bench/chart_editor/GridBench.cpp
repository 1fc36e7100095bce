// The chart data grid on a chart of one line series of 1 000 and 1 000 000 points: opened up to its
// first painted frame, scrolled to the last row and one cell of it edited, each step painted; as
// the floor, a plain table view over a minimal model of as many rows that formats its cells with
// QString::number, with the same steps. The grid must never walk the points.
#include "ChartLibrary.h"
#include "TChart.h"
#include "TChartGrid.h"
#include "TLineSeries.h"

#include <QAbstractTableModel>
#include <QImage>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace {

constexpr QSize kGridSize(480, 360);

// As many rows as the series has points and its three columns: number, label, Y; one edited cell.
class NumberModel : public QAbstractTableModel
{
public:
    explicit NumberModel(int rows)
        : m_rows(rows)
    {
    }
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        if (index.row() == m_editedRow && index.column() == 2)
            return m_edited;
        return index.column() == 1 ? QString() : QString::number(index.column() == 0 ? index.row() : 0.5 * index.row());
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::EditRole)
            return false;
        m_editedRow = index.row();
        m_edited = QString::number(value.toString().toDouble());
        Q_EMIT dataChanged(index, index);
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }

private:
    int m_rows;
    int m_editedRow = -1;
    QString m_edited;
};

// Opens, paints, scrolls to the end, paints, edits the last row's Y, paints.
void openScrollEdit(QTableView &view, QAbstractItemModel &model, int yColumn, QImage &frame)
{
    view.resize(kGridSize);
    view.show();
    view.render(&frame);
    view.scrollToBottom();
    view.render(&frame);
    model.setData(model.index(model.rowCount() - 1, yColumn), QStringLiteral("1.25"), Qt::EditRole);
    view.render(&frame);
}

struct GridScene
{
    explicit GridScene(int points)
    {
        registerChartLibrary();
        auto *series = chart.AddSeriesOfClass<TLineSeries>();
        std::vector<double> x(static_cast<std::size_t>(points));
        std::iota(x.begin(), x.end(), 0.0);
        std::vector<double> y(x.size());
        std::transform(x.begin(), x.end(), y.begin(), [](double v) { return 0.5 * v; });
        series->AddXYArray(x, y);
    }

    TChart chart;
    QImage frame{kGridSize, QImage::Format_RGB32};
};

// Argument: points of the series.
void GridOpenScrollEdit(benchmark::State &state)
{
    GridScene scene(int(state.range(0)));
    for (auto _ : state) {
        auto grid = std::make_unique<TChartGrid>();
        grid->SetChart(&scene.chart);
        QAbstractItemModel &model = *grid->model();
        openScrollEdit(*grid, model, model.columnCount() - 1, scene.frame);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(GridOpenScrollEdit)->ArgName("points")->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void PlainTableOpenScrollEdit(benchmark::State &state)
{
    const int rows = int(state.range(0));
    QImage frame(kGridSize, QImage::Format_RGB32);
    for (auto _ : state) {
        NumberModel model(rows);
        auto view = std::make_unique<QTableView>();
        view->setModel(&model);
        openScrollEdit(*view, model, 2, frame);
        benchmark::DoNotOptimize(view->model()->rowCount());
    }
}
BENCHMARK(PlainTableOpenScrollEdit)->ArgName("rows")->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
