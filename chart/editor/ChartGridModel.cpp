// The chart data grid's model.
#include "ChartGridModel.h"

#include "DateTimeFormat.h"
#include "EditorConvert.h"
#include "EditorSetter.h"
#include "NumberFormat.h"
#include "PlotColor.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "PlotProcs.h"
#include "SeriesUnit.h"
#include "TChartValueList.h"
#include "platform/MessageService.h"

#include <QColor>
#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor kDefaultPointColor = clPlotColor;

// The date-time texts the editor opens with and the readers take back.
QString dateText(double days)
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    const QDate base(1899, 12, 30);
    return QLocale().toString(base.addDays(qint64(std::floor(days))), format);
}

QString fullDateTimeText(double days)
{
    const double whole = std::floor(days);
    const double time = days - whole;
    if (days < 1)
        return EditorConvert::timeText(days);
    if (time == 0)
        return dateText(days);
    return dateText(days) + QLatin1Char(' ') + EditorConvert::timeText(time);
}

// A date, a time, or both joined by a blank; PlotConvertError for anything else.
double textToDateTime(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    if (blank > 0) {
        try {
            return EditorConvert::textToDate(trimmed.left(blank)) + EditorConvert::textToTime(trimmed.mid(blank + 1));
        } catch (const PlotConvertError &) {
            // One of the locale's long forms may hold blanks itself.
        }
    }
    try {
        return EditorConvert::textToDate(trimmed);
    } catch (const PlotConvertError &) {
        return EditorConvert::textToTime(trimmed);
    }
}

} // namespace

ChartGridModel::ChartGridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ChartGridModel::SetChart(TCustomAxisPanel *chart)
{
    m_chart = chart;
    rebuild();
}

void ChartGridModel::SetSeries(TChartSeries *series)
{
    m_series = series;
    if (series)
        m_chart = series->ParentChart();
    rebuild();
}

std::vector<TChartSeries *> ChartGridModel::seriesList() const
{
    std::vector<TChartSeries *> result;
    if (m_series) {
        result.push_back(m_series);
    } else if (m_chart) {
        for (int i = 0; i < m_chart->SeriesCount(); ++i)
            if (TChartSeries *s = m_chart->GetSeries(i); s && static_cast<const TCustomChartSeries *>(s) != m_leaving)
                result.push_back(s);
    }
    return result;
}

bool ChartGridModel::SetGrid3D(bool on)
{
    const auto list = seriesList();
    const bool possible = !list.empty() && HasXYZ(*list.front());
    m_grid3D = on && possible;
    rebuild();
    return m_grid3D == on;
}

void ChartGridModel::rebuildTable(TChartSeries &series)
{
    const TChartValueList &xList = *series.XValues();
    const TChartValueList &zList = *series.ValueLists()[2];
    std::vector<double> xs;
    xs.reserve(std::size_t(series.Count()));
    m_zs.clear();
    m_zs.reserve(std::size_t(series.Count()));
    for (int i = 0; i < series.Count(); ++i) {
        xs.push_back(xList.Value(i));
        m_zs.push_back(zList.Value(i));
    }
    for (std::vector<double> *values : {&xs, &m_zs}) {
        std::sort(values->begin(), values->end());
        values->erase(std::unique(values->begin(), values->end()), values->end());
    }
    for (const double x : xs)
        m_columns.push_back({ValueColumn, &series, 1, x});
    const auto position = [](const std::vector<double> &values, double v) {
        return qint64(std::lower_bound(values.begin(), values.end(), v) - values.begin());
    };
    m_tablePoints.clear();
    m_tablePoints.reserve(std::size_t(series.Count()));
    // Two points on one (X, Z): the cell shows the first.
    for (int i = 0; i < series.Count(); ++i)
        m_tablePoints.emplace(position(xs, xList.Value(i)) * qint64(m_zs.size()) + position(m_zs, zList.Value(i)), i);
    m_rows = std::max(1, int(m_zs.size()));
}

void ChartGridModel::rebuild()
{
    beginResetModel();
    m_columns.clear();
    m_columns.push_back({NumberColumn, {}, 0});
    const auto all = seriesList();
    // The table needs its series still to have Z values.
    m_grid3D = m_grid3D && !all.empty() && HasXYZ(*all.front());
    if (m_grid3D) {
        rebuildTable(*all.front());
        endResetModel();
        return;
    }
    m_zs.clear();
    m_tablePoints.clear();
    if (ShowColors)
        m_columns.push_back({ColorColumn, {}, 0});
    if (ShowLabels)
        m_columns.push_back({LabelColumn, {}, 0});
    int longest = 0;
    for (TChartSeries *s : all) {
        const bool x = ShowXValues == cgsYes || (ShowXValues == cgsAuto && PlotEngine::SeriesHasOwnXValues(*s));
        const int lists = int(s->ValueLists().size());
        for (int list = x ? 0 : 1; list < lists; ++list)
            m_columns.push_back({ValueColumn, s, list});
        longest = std::max(longest, s->Count());
    }
    m_rows = std::max(1, longest);
    endResetModel();
}

void ChartGridModel::refreshValues()
{
    if (rowCount() > 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ChartGridModel::dropSeries(const TCustomChartSeries *leaving)
{
    const auto isLeaving = [leaving](const Column &c) { return static_cast<const TCustomChartSeries *>(c.series.data()) == leaving; };
    const auto first = std::find_if(m_columns.begin(), m_columns.end(), isLeaving);
    const bool own = m_series && static_cast<const TCustomChartSeries *>(m_series.data()) == leaving;
    m_leaving = leaving;
    if (own || (m_grid3D && first != m_columns.end())) {
        // The grid's own series or the table's: the layout starts again without it.
        if (own)
            m_series = nullptr;
        rebuild();
    } else if (first != m_columns.end()) {
        // Only its columns go, so an editor open on another series' cell stays open.
        const auto last = std::find_if_not(first, m_columns.end(), isLeaving);
        beginRemoveColumns({}, int(first - m_columns.begin()), int(last - m_columns.begin()) - 1);
        m_columns.erase(first, last);
        endRemoveColumns();
        int longest = 1;
        for (const TChartSeries *s : seriesList())
            longest = std::max(longest, s->Count());
        if (longest < m_rows) {
            beginRemoveRows({}, longest, m_rows - 1);
            m_rows = longest;
            endRemoveRows();
        }
    }
    m_leaving = nullptr;
}

int ChartGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ChartGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

TChartSeries *ChartGridModel::seriesOfColumn(int column) const
{
    // A value column answers its own series, null once that is freed.
    if (column >= 0 && column < columnCount() && m_columns[std::size_t(column)].kind == ValueColumn)
        return m_columns[std::size_t(column)].series;
    const auto list = seriesList();
    return list.empty() ? nullptr : list.front();
}

int ChartGridModel::pointAt(int row, int column) const
{
    if (column < 0 || column >= columnCount() || row < 0 || row >= m_rows)
        return -1;
    const Column &c = m_columns[std::size_t(column)];
    if (m_grid3D) {
        if (c.kind != ValueColumn)
            return -1;
        const qint64 xIndex = column - 1;
        const auto found = m_tablePoints.find(xIndex * qint64(m_zs.size()) + row);
        return found == m_tablePoints.end() ? -1 : found->second;
    }
    TChartSeries *s = seriesOfColumn(column);
    return s && row < s->Count() ? row : -1;
}

QString ChartGridModel::cellText(const Column &c, int row, int column) const
{
    switch (c.kind) {
    case NumberColumn:
        if (m_grid3D && row < int(m_zs.size()))
            return PlotFormat::FormatFloat(seriesList().front()->ValueFormat(), m_zs[std::size_t(row)]);
        return QString::number(row);
    case LabelColumn:
        for (TChartSeries *s : seriesList())
            if (row < s->Count())
                return s->Labels().GetLabel(row);
        return {};
    case ColorColumn:
        return {};
    case ValueColumn:
        break;
    }
    const int point = pointAt(row, column);
    if (!c.series || point < 0 || c.series->IsNull(point))
        return {};
    const TChartValueList &list = *c.series->ValueLists()[std::size_t(c.list)];
    const double value = list.Value(point);
    if (list.DateTime())
        return value >= 1 ? dateText(value) : EditorConvert::timeText(value);
    return PlotFormat::FormatFloat(c.series->ValueFormat(), value);
}

QString ChartGridModel::editText(int row, int column) const
{
    const Column &c = m_columns.at(std::size_t(column));
    if (c.kind == LabelColumn)
        return cellText(c, row, column);
    const int point = pointAt(row, column);
    if (c.kind != ValueColumn || !c.series || point < 0 || c.series->IsNull(point))
        return {};
    const TChartValueList &list = *c.series->ValueLists()[std::size_t(c.list)];
    const double value = list.Value(point);
    return list.DateTime() ? fullDateTimeText(value) : PlotFormat::FloatToStr(value);
}

TColor ChartGridModel::pointColor(int row, int column) const
{
    TChartSeries *s = seriesOfColumn(column);
    const int point = pointAt(row, column);
    if (!s || point < 0)
        return clNone;
    return s->IsNull(point) ? clNone : s->ColorList().empty() ? kDefaultPointColor : s->ColorList()[std::size_t(point)];
}

TColor ChartGridModel::drawnPointColor(int row, int column) const
{
    TChartSeries *s = seriesOfColumn(column);
    const int point = pointAt(row, column);
    return !s || point < 0 || s->IsNull(point) ? clNone : s->GetValueColor(point);
}

QVariant ChartGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Column &c = m_columns.at(std::size_t(index.column()));
    switch (role) {
    case Qt::DisplayRole:
        return cellText(c, index.row(), index.column());
    case Qt::EditRole:
        return editText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return c.kind == ValueColumn || c.kind == NumberColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                               : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (c.kind == ColorColumn) {
            TChartSeries *s = seriesOfColumn(index.column());
            if (!s || index.row() >= s->Count() || s->IsNull(index.row()))
                return {};
            return PlotColor::toQColor(s->GetValueColor(index.row()));
        }
        return {};
    default:
        return {};
    }
}

QVariant ChartGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return {};
    const QString title = headerTitle(section);
    return title.isEmpty() ? headerName(section) : title + QLatin1Char('\n') + headerName(section);
}

TChartSeries *ChartGridModel::headerSeries(int section) const
{
    return TwoHeaderRows && section >= 0 && section < columnCount() ? m_columns[std::size_t(section)].series.data() : nullptr;
}

QString ChartGridModel::headerTitle(int section) const
{
    const TChartSeries *s = headerSeries(section);
    if (!s)
        return {};
    QString title = PlotEngine::SeriesTitleOrName(*s);
    title.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return title;
}

QString ChartGridModel::headerName(int section) const
{
    const Column &c = m_columns.at(std::size_t(section));
    switch (c.kind) {
    case NumberColumn:
        return QStringLiteral("#");
    case ColorColumn:
        return PlotConst::message(PlotConst::msgColors);
    case LabelColumn:
        return PlotConst::message(PlotConst::msgText);
    case ValueColumn:
        break;
    }
    if (!c.series)
        return {};
    if (m_grid3D)
        return PlotFormat::FormatFloat(c.series->ValueFormat(), c.x);
    return c.series->ValueLists()[std::size_t(c.list)]->Name();
}

Qt::ItemFlags ChartGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!index.isValid())
        return f;
    const Column &c = m_columns.at(std::size_t(index.column()));
    // A series fed by a data source is computed, not typed.
    const bool fed = c.series && c.series->DataSources().Count() > 0;
    if ((c.kind == ValueColumn && c.series && !fed) || c.kind == LabelColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

void ChartGridModel::padTo(TChartSeries &series, int row) const
{
    while (series.Count() <= row)
        series.AddNullXY(series.Count(), 0);
}

bool ChartGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row();
    const QString text = value.toString();
    // Unchanged text writes nothing: the editor opened with the full value.
    if (text == editText(row, index.column()))
        return false;
    const Column &c = m_columns.at(std::size_t(index.column()));
    // The XYZ table writes only the points it shows.
    const int point = m_grid3D ? pointAt(row, index.column()) : row;
    if (point < 0)
        return false;
    const int rowsBefore = m_rows;
    if (c.kind == LabelColumn) {
        for (TChartSeries *s : seriesList()) {
            padTo(*s, row);
            s->Labels().SetLabel(row, text);
            s->Repaint();
        }
    } else {
        TChartSeries &s = *c.series;
        TChartValueList &list = *s.ValueLists()[std::size_t(c.list)];
        const QString trimmed = text.trimmed();
        double number = 0;
        if (!trimmed.isEmpty()) {
            try {
                number = list.DateTime() ? textToDateTime(trimmed) : EditorConvert::textToNumber(trimmed);
            } catch (const PlotException &e) {
                showMessage(EditorConvert::incorrectValueMessage(e.message()), QString(), MbOk | MbIconError);
                return false;
            }
        }
        const bool written = editorSet([&] {
            padTo(s, point);
            if (trimmed.isEmpty()) {
                s.SetValueColor(point, clNone);
            } else {
                list.SetValue(point, number);
                if (s.IsNull(point))
                    s.SetValueColor(point, kDefaultPointColor);
            }
            s.RefreshSeries();
            s.Repaint();
        });
        if (!written)
            return false;
    }
    const int longest = [&] {
        int n = 1;
        for (TChartSeries *s : seriesList())
            n = std::max(n, s->Count());
        return n;
    }();
    if (!m_grid3D && longest != rowsBefore)
        rebuild();
    else
        Q_EMIT dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
    Q_EMIT cellStored(row, index.column());
    return true;
}

void ChartGridModel::setPointColor(int row, int column, TColor color)
{
    TChartSeries *s = seriesOfColumn(column);
    const int point = m_grid3D ? pointAt(row, column) : row;
    if (!s || point < 0)
        return;
    editorSet([&] {
        padTo(*s, point);
        s->SetValueColor(point, color);
        s->Repaint();
    });
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int ChartGridModel::appendRow()
{
    for (TChartSeries *s : seriesList())
        editorSet([&] { s->AddNullXY(s->Count(), 0); });
    rebuild();
    return m_rows - 1;
}

void ChartGridModel::deleteRow(int row, int column)
{
    // A table row holds many points: only the one of the cell goes.
    if (m_grid3D) {
        const int point = pointAt(row, column);
        if (TChartSeries *s = seriesOfColumn(column); s && point >= 0)
            editorSet([&] {
                s->Delete(point);
                s->Repaint();
            });
        rebuild();
        return;
    }
    for (TChartSeries *s : seriesList()) {
        if (row >= s->Count())
            continue;
        const bool ownX = PlotEngine::SeriesHasOwnXValues(*s);
        editorSet([&] {
            s->Delete(row);
            // Series numbered 0, 1, 2... stay so.
            if (!ownX)
                for (int i = row; i < s->Count(); ++i)
                    s->XValues()->SetValue(i, i);
            s->Repaint();
        });
    }
    rebuild();
}

bool ChartGridModel::removeTrailingEmptyRow()
{
    const int row = m_rows - 1;
    if (m_grid3D)
        return false;
    bool any = false;
    for (TChartSeries *s : seriesList()) {
        if (row >= s->Count())
            continue;
        if (!s->IsNull(row) || !s->Labels().GetLabel(row).isEmpty())
            return false;
        any = true;
    }
    if (!any || row == 0)
        return false;
    for (TChartSeries *s : seriesList())
        if (row < s->Count())
            editorSet([&] { s->Delete(row); });
    rebuild();
    return true;
}
