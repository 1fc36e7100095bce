// The chart data grid.
#include "TChartGrid.h"

#include "ChartGridHeader.h"
#include "PlotColorDialog.h"
#include "PlotProcs.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// Opens the cell editor with the cell's full value; a commit only goes through the model.
class GridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            model->setData(index, line->text(), Qt::EditRole);
    }
};

} // namespace

TChartGrid::TChartGrid(QWidget *parent)
    : QTableView(parent)
    , m_model(new ChartGridModel(this))
{
    setObjectName(QStringLiteral("ChartGrid1"));
    setHorizontalHeader(new ChartGridHeader(this));
    setModel(m_model);
    setMouseTracking(true);
    setItemDelegate(new GridDelegate(this));
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked);
    verticalHeader()->hide();
    // The style's minimum would overrule the row height of 16 and the one a font sets.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(16);
    horizontalHeader()->setMinimumSectionSize(30);
    setColumnWidth(0, 30);
    connect(m_model, &ChartGridModel::cellStored, this, [this](int row, int column) {
        if (OnSetEditText)
            OnSetEditText(column, row);
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        setColumnWidth(0, 30);
        changed();
    });
}

TChartGrid::~TChartGrid()
{
    listenTo(nullptr);
}

void TChartGrid::listenTo(TCustomAxisPanel *chart)
{
    if (m_listened == chart)
        return;
    if (m_listened)
        m_listened->RemoveListener(this);
    disconnect(m_chartGone);
    m_listened = chart;
    if (!chart)
        return;
    chart->Listeners().Add(this);
    // A dying chart frees its series without telling its listeners: let go of both at once.
    m_chartGone = connect(chart, &QObject::destroyed, this, [this] {
        m_listened = nullptr;
        m_model->SetChart(nullptr);
        m_model->SetSeries(nullptr);
    });
}

void TChartGrid::changed()
{
    if (OnChanged)
        OnChanged();
}

void TChartGrid::SetChart(TCustomAxisPanel *chart)
{
    m_model->SetSeries(nullptr);
    m_model->SetChart(chart);
    listenTo(chart);
}

void TChartGrid::SetSeries(TChartSeries *series)
{
    m_model->SetSeries(series);
    listenTo(series ? series->ParentChart() : nullptr);
}

void TChartGrid::SetShowColors(bool value)
{
    m_model->ShowColors = value;
    RecalcDimensions();
}

void TChartGrid::SetShowLabels(bool value)
{
    m_model->ShowLabels = value;
    RecalcDimensions();
}

void TChartGrid::SetShowXValues(TChartGridShow value)
{
    m_model->ShowXValues = value;
    RecalcDimensions();
}

void TChartGrid::SetGrid3D(bool value)
{
    m_model->SetGrid3D(value);
    changed();
}

void TChartGrid::RecalcDimensions()
{
    const QModelIndex current = currentIndex();
    m_model->rebuild();
    if (current.isValid())
        setCurrentIndex(m_model->index(std::min(current.row(), m_model->rowCount() - 1),
                                       std::min(current.column(), m_model->columnCount() - 1)));
}

void TChartGrid::PlotEvent(TPlotEvent &event)
{
    auto *seriesEvent = dynamic_cast<TPlotSeriesEvent *>(&event);
    if (!seriesEvent)
        return;
    if (seriesEvent->Event == TPlotSeriesEvent::seRemove) {
        // The series may be freed right after this, while a cell is edited or before a queued
        // rebuild runs: its columns go now, and an editor on one of them writes nothing.
        const QModelIndex current = currentIndex();
        if (Editing() && current.isValid() && m_model->column(current.column()).kind == ChartGridModel::ValueColumn &&
            static_cast<TCustomChartSeries *>(m_model->seriesOfColumn(current.column())) == seriesEvent->Series)
            Cancel();
        const bool editing = Editing();
        m_model->dropSeries(seriesEvent->Series);
        // Taking out columns or rows ends the view's editing state, though the editor stays open.
        if (editing && openEditor())
            setState(QAbstractItemView::EditingState);
        return;
    }
    if (Editing())
        return;
    if (seriesEvent->Event == TPlotSeriesEvent::seDataChanged)
        m_model->refreshValues();
    else
        QMetaObject::invokeMethod(this, [this] { RecalcDimensions(); }, Qt::QueuedConnection);
}

bool TChartGrid::onColorColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && m_model->column(current.column()).kind == ChartGridModel::ColorColumn;
}

void TChartGrid::Append()
{
    const int column = std::max(currentIndex().column(), 1);
    const int row = m_model->appendRow();
    setCurrentIndex(m_model->index(row, std::min(column, m_model->columnCount() - 1)));
    changed();
}

void TChartGrid::Delete()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    m_model->deleteRow(current.row(), current.column());
    setCurrentIndex(m_model->index(std::min(current.row(), m_model->rowCount() - 1), current.column()));
    changed();
}

void TChartGrid::StartEditing()
{
    if (!AllowEditing || Editing())
        return;
    QModelIndex current = currentIndex();
    if (!current.isValid())
        current = m_model->index(0, std::min(1, m_model->columnCount() - 1));
    setCurrentIndex(current);
    if (!(m_model->flags(current) & Qt::ItemIsEditable))
        return;
    QTableView::edit(current);
    changed();
}

QWidget *TChartGrid::openEditor() const
{
    for (QLineEdit *line : viewport()->findChildren<QLineEdit *>())
        if (line->isVisible())
            return line;
    return nullptr;
}

void TChartGrid::Post()
{
    if (QWidget *editor = openEditor(); editor && Editing()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    changed();
}

void TChartGrid::Cancel()
{
    // Nothing is written back: the series keeps its value, unrounded.
    if (QWidget *editor = openEditor(); editor && Editing())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    changed();
}

void TChartGrid::EditColor()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    // The dialog opens on the colour the point shows, not on the "default colour" placeholder.
    TColor color = m_model->drawnPointColor(current.row(), current.column());
    if (!PlotColorDialog::EditColorDialog(this, color))
        return;
    m_model->setPointColor(current.row(), current.column(), color);
    if (OnChangeColor)
        OnChangeColor();
}

bool TChartGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (!AllowEditing || !index.isValid() || index.column() == 0)
        return false;
    if (m_model->column(index.column()).kind == ChartGridModel::ColorColumn)
        return false;
    if (OnEditingCell && trigger != QAbstractItemView::NoEditTriggers) {
        bool allow = true;
        OnEditingCell(index.column(), index.row(), allow);
        if (!allow)
            return false;
    }
    const bool opened = QTableView::edit(index, trigger, event);
    if (opened)
        changed();
    return opened;
}

void TChartGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    changed();
}

void TChartGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (OnMoved)
        OnMoved();
}

void TChartGrid::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (Editing() && enter) {
        // The cell editor passes Enter on after it has stored its text; left to the view, the
        // key would go on to the dialog, whose default button closed the whole editor.
        event->accept();
        return;
    }
    if (event->modifiers() & Qt::ControlModifier || Editing()) {
        QTableView::keyPressEvent(event);
        return;
    }
    const bool lastRow = currentIndex().row() == m_model->rowCount() - 1;
    switch (event->key()) {
    case Qt::Key_Insert:
        Append();
        return;
    case Qt::Key_F2:
        if (onColorColumn())
            EditColor();
        else
            StartEditing();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (onColorColumn()) {
            EditColor();
            return;
        }
        if (enter) {
            // Starts editing; never the dialog's default button.
            StartEditing();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Delete:
        // Opens the cell's editor, its text selected; the next key replaces or deletes it.
        if (AllowEditing && currentIndex().isValid() && (m_model->flags(currentIndex()) & Qt::ItemIsEditable)) {
            StartEditing();
            return;
        }
        break;
    case Qt::Key_Down:
        if (lastRow && AllowEditing && !Grid3D()) {
            Append();
            return;
        }
        break;
    case Qt::Key_Up:
        if (lastRow && m_model->removeTrailingEmptyRow()) {
            setCurrentIndex(m_model->index(m_model->rowCount() - 1, std::max(currentIndex().column(), 0)));
            changed();
            return;
        }
        break;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

void TChartGrid::mousePressEvent(QMouseEvent *event)
{
    QTableView::mousePressEvent(event);
    if (OnMoved)
        OnMoved();
}

void TChartGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && m_model->column(index.column()).kind == ChartGridModel::ColorColumn) {
        setCurrentIndex(index);
        EditColor();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void TChartGrid::mouseMoveEvent(QMouseEvent *event)
{
    QTableView::mouseMoveEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (AllowEditing && index.isValid() && m_model->column(index.column()).kind == ChartGridModel::ColorColumn)
        viewport()->setCursor(PlotProcs::PlotCursor(PlotProcs::crPlotHand));
    else
        viewport()->unsetCursor();
}
