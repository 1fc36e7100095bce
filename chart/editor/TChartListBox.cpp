// The series list of the chart editor.
#include "TChartListBox.h"

#include "ChartSeriesModel.h"
#include "PlotColorDialog.h"
#include "PlotConst.h"
#include "PlotGalleryHooks.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "SeriesUnit.h"
#include "SeriesUtilities.h"
#include "TChartSeries.h"
#include "TCustomChart.h"
#include "TPlotCanvas3D.h"
#include "platform/DialogService.h"

#include <QApplication>
#include <QComboBox>
#include <QDataStream>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <array>
#include <memory>

namespace {

constexpr std::array<int, TChartListBox::kSectionCount> kSectionWidths{26, 16, 26, 216};

// The class icons, loaded once per class.
const QImage &classIcon(const TChartSeries &series)
{
    static QHash<QByteArray, QImage> icons;
    const QByteArray name(series.metaObject()->className());
    auto found = icons.find(name);
    if (found == icons.end()) {
        QImage icon;
        PlotProcs::LoadClassBitmap(&series, icon);
        found = icons.insert(name, icon);
    }
    return *found;
}

} // namespace

// Draws a row: icon, check box, the series' legend symbol and the title.
class TChartListBox::Delegate : public QStyledItemDelegate
{
public:
    explicit Delegate(TChartListBox &list)
        : QStyledItemDelegate(&list)
        , m_list(list)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        Q_UNUSED(option);
        Q_UNUSED(index);
        int width = 0;
        for (int s = 0; s < kSectionCount; ++s)
            width += kSectionWidths[std::size_t(s)];
        return {width, kItemHeight};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        TChartSeries *series = m_list.SeriesAt(index.row());
        const QRect row = option.rect;
        painter->save();
        painter->fillRect(row, option.palette.base());
        if (!series) {
            painter->restore();
            return;
        }
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        if (m_list.ShowSeriesIcon()) {
            const QImage &icon = classIcon(*series);
            if (!icon.isNull())
                painter->drawImage(row.left() + m_list.SectionLeft(sIcon) + 2, row.top() + (row.height() - icon.height()) / 2,
                                   icon);
        }
        if (m_list.ShowActiveCheck() || (m_list.ShowSeriesColor() && series->HasSingleSeriesColor())) {
            // The canvas leaves its own pen, brush and opaque background mode on the painter.
            painter->save();
            paintThroughCanvas(*painter, *series, row);
            painter->restore();
        }
        if (m_list.ShowSeriesTitle()) {
            const int left = row.left() + m_list.SectionLeft(sTitle);
            const QPalette::ColorGroup group = m_list.hasFocus() ? QPalette::Active : QPalette::Inactive;
            if (selected)
                painter->fillRect(QRect(left - 2, row.top(), row.right() - left + 3, row.height()),
                                  option.palette.brush(group, QPalette::Highlight));
            painter->setBackgroundMode(Qt::TransparentMode);
            painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
            painter->setFont(m_list.font());
            const QFontMetrics metrics(m_list.font());
            const int top = row.top() + (row.height() - metrics.height()) / 2;
            painter->drawText(QPoint(left, top + metrics.ascent()), index.data().toString());
        }
        painter->restore();
    }

private:
    // The check box and the legend symbol are the chart library's drawings, made on a canvas
    // over the view's painter.
    void paintThroughCanvas(QPainter &painter, TChartSeries &series, const QRect &row) const
    {
        GuiCanvas gui;
        gui.attachPainter(&painter);
        {
            TPlotCanvas3D canvas;
            canvas.SetBuffered(false);
            canvas.InitWindow(&gui, nullptr, clWhite, false, {row.left(), row.top(), row.right() + 1, row.bottom() + 1});
            if (m_list.ShowActiveCheck()) {
                const int x = row.left() + m_list.SectionLeft(sCheck) + 2;
                const int y = row.top() + (row.height() - 13) / 2;
                PlotProcs::DrawCheckBox(x, y, canvas, series.Active(), false, m_list.CheckStyle() == cbsCheck);
            }
            gui.dc().flush();
        }
        if (m_list.ShowSeriesColor() && series.HasSingleSeriesColor()) {
            const int left = row.left() + m_list.SectionLeft(sColor);
            const TRect rect{left + 3, row.top() + 3, left + SectionWidth(sColor) - 3, row.bottom() + 1 - 3};
            PaintSeriesLegend(series, gui, rect, m_list.Chart());
        }
        gui.dc().flush();
        gui.attachPainter(nullptr);
    }

    TChartListBox &m_list;
};

TChartListBox::TChartListBox(QWidget *parent)
    : QListView(parent)
    , m_model(new ChartSeriesModel(this))
{
    setObjectName(QStringLiteral("LBSeries"));
    setModel(m_model);
    setItemDelegate(new Delegate(*this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDragEnabled(m_enableDrag);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
}

TChartListBox::~TChartListBox()
{
    if (m_chart)
        m_chart->Listeners().Remove(this);
}

TCustomChart *TChartListBox::Chart() const
{
    return m_chart;
}

void TChartListBox::SetChart(TCustomChart *chart)
{
    if (chart == m_chart)
        return;
    if (m_chart) {
        m_chart->Listeners().Remove(this);
        disconnect(m_chart, &QObject::destroyed, this, nullptr);
    }
    m_chart = chart;
    if (m_chart) {
        m_chart->Listeners().Add(this);
        connect(m_chart, &QObject::destroyed, this, &TChartListBox::forgetChart);
    }
    Refill();
}

void TChartListBox::forgetChart()
{
    m_chart = nullptr;
    m_model->setRows({});
    fillOtherItems();
}

void TChartListBox::SetCheckStyle(TCheckBoxesStyle value)
{
    if (value == m_checkStyle)
        return;
    m_checkStyle = value;
    if (m_checkStyle == cbsRadio) {
        bool first = true;
        for (int row = 0; row < ItemCount(); ++row) {
            TChartSeries *series = SeriesAt(row);
            if (series && series->Active()) {
                if (!first)
                    series->SetActive(false);
                first = false;
            }
        }
    }
    viewport()->update();
}

void TChartListBox::SetEnableDragSeries(bool value)
{
    m_enableDrag = value;
    setDragEnabled(value);
}

void TChartListBox::SetShowNames(bool value)
{
    if (value == m_showNames)
        return;
    m_showNames = value;
    Refill();
}

void TChartListBox::setSectionVisible(Section section, bool visible)
{
    if (m_showSection[section] == visible)
        return;
    m_showSection[section] = visible;
    viewport()->update();
}

void TChartListBox::SetOtherItems(QComboBox *combo)
{
    m_otherItems = combo;
    fillOtherItems();
}

int TChartListBox::SectionWidth(Section section)
{
    return section >= 0 && section < kSectionCount ? kSectionWidths[std::size_t(section)] : 0;
}

int TChartListBox::SectionLeft(Section section) const
{
    int left = 0;
    for (int s = 0; s < section; ++s) {
        if (m_showSection[s])
            left += kSectionWidths[std::size_t(s)];
    }
    return left;
}

TChartListBox::Section TChartListBox::SectionAt(int x) const
{
    int left = 0;
    for (int s = 0; s < kSectionCount; ++s) {
        if (!m_showSection[s])
            continue;
        const int width = kSectionWidths[std::size_t(s)];
        if (x >= left && x < left + width)
            return Section(s);
        left += width;
    }
    return sNone;
}

int TChartListBox::ItemCount() const
{
    return m_model->rowCount();
}

TChartSeries *TChartListBox::SeriesAt(int row) const
{
    return m_model->series(row);
}

int TChartListBox::ItemIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TChartListBox::SetItemIndex(int row)
{
    if (row < 0 || row >= ItemCount()) {
        clearSelection();
        setCurrentIndex({});
        return;
    }
    setCurrentIndex(m_model->index(row));
    selectionModel()->select(m_model->index(row), QItemSelectionModel::ClearAndSelect);
}

TChartSeries *TChartListBox::SelectedSeries() const
{
    return SeriesAt(ItemIndex());
}

QList<TChartSeries *> TChartListBox::SelectedSeriesList() const
{
    QList<TChartSeries *> result;
    for (int row = 0; row < ItemCount(); ++row) {
        if (selectionModel()->isRowSelected(row, {}) && SeriesAt(row))
            result.append(SeriesAt(row));
    }
    return result;
}

void TChartListBox::SelectSeries(TChartSeries *series)
{
    SetItemIndex(m_model->rowOf(series));
}

void TChartListBox::Refill()
{
    TChartSeries *const current = SelectedSeries();
    QList<ChartSeriesModel::Row> rows;
    if (m_chart) {
        std::vector<std::pair<QString, TChartSeries *>> items;
        PlotEngine::FillSeriesItems(items, m_chart->SeriesList(), !m_showNames);
        for (const auto &[text, series] : items)
            rows.append({text, series});
    }
    m_model->setRows(std::move(rows));
    fillOtherItems();
    const int row = m_model->rowOf(current);
    SetItemIndex(row >= 0 ? row : (ItemCount() > 0 ? 0 : -1));
    Q_EMIT OnOtherItemsChange();
    Q_EMIT OnRefresh();
}

void TChartListBox::fillOtherItems()
{
    if (!m_otherItems)
        return;
    const QSignalBlocker blocker(m_otherItems);
    m_otherItems->clear();
    for (const ChartSeriesModel::Row &row : m_model->rows())
        m_otherItems->addItem(row.text, QVariant::fromValue(static_cast<QObject *>(row.series.data())));
}

void TChartListBox::removeSeriesRow(const TCustomChartSeries *series)
{
    int row = -1;
    for (int r = 0; r < ItemCount(); ++r) {
        const QPointer<TChartSeries> &listed = m_model->rows().at(r).series;
        // A series being destroyed may have left its QPointer already.
        if (!listed || static_cast<const TCustomChartSeries *>(listed.data()) == series) {
            row = r;
            break;
        }
    }
    if (row < 0)
        return;
    const int current = ItemIndex();
    m_model->removeSeriesRow(row);
    if (m_otherItems && row < m_otherItems->count()) {
        const QSignalBlocker blocker(m_otherItems);
        m_otherItems->removeItem(row);
    }
    if (current == row && ItemCount() > 0)
        SetItemIndex(std::min(row, ItemCount() - 1));
}

void TChartListBox::PlotEvent(TPlotEvent &event)
{
    if (auto *seriesEvent = dynamic_cast<TPlotSeriesEvent *>(&event)) {
        switch (seriesEvent->Event) {
        case TPlotSeriesEvent::seAdd:
        case TPlotSeriesEvent::seSwap:
            Refill();
            break;
        case TPlotSeriesEvent::seRemove:
            removeSeriesRow(seriesEvent->Series);
            Q_EMIT OnRemovedSeries(seriesEvent->Series);
            break;
        case TPlotSeriesEvent::seTitleChanged: {
            auto *series = qobject_cast<TChartSeries *>(seriesEvent->Series);
            const int row = m_model->rowOf(series);
            if (row >= 0) {
                const QString text = m_showNames ? series->objectName() : PlotEngine::SeriesTitleOrName(*series);
                m_model->setRowText(row, text);
                if (m_otherItems && row < m_otherItems->count())
                    m_otherItems->setItemText(row, text);
            }
            break;
        }
        case TPlotSeriesEvent::seColorChanged:
        case TPlotSeriesEvent::seActiveChanged:
            viewport()->update();
            break;
        case TPlotSeriesEvent::seDataChanged:
            break; // the rows show nothing of the points
        }
    } else if (dynamic_cast<TPlotView3DEvent *>(&event)) {
        viewport()->update();
    }
}

void TChartListBox::toggleActive(TChartSeries &series)
{
    if (m_checkStyle == cbsRadio) {
        for (int row = 0; row < ItemCount(); ++row) {
            if (TChartSeries *other = SeriesAt(row); other && other != &series)
                other->SetActive(false);
        }
        series.SetActive(true);
    } else {
        series.SetActive(!series.Active());
    }
    if (!series.ParentChart() && m_chart)
        m_chart->Invalidate();
    viewport()->update();
    Q_EMIT OnChangeActive(&series);
}

void TChartListBox::mousePressEvent(QMouseEvent *event)
{
    if (m_titleEditor && m_titleEditor->isVisible())
        finishTitleEdit(true);
    m_dragAllowed = false;
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    const Section section = SectionAt(pos.x());
    TChartSeries *series = index.isValid() ? SeriesAt(index.row()) : nullptr;
    if (series && section == sCheck && event->button() == Qt::LeftButton) {
        // A click on the check switches the series without changing the selection.
        toggleActive(*series);
        Q_EMIT OnRefresh();
        event->accept();
        return;
    }
    m_dragAllowed = m_enableDrag && series && section == sTitle
        && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    QListView::mousePressEvent(event);
    Q_EMIT OnRefresh();
}

void TChartListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_dragAllowed = false;
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    TChartSeries *series = index.isValid() ? SeriesAt(index.row()) : nullptr;
    if (!series) {
        QListView::mouseDoubleClickEvent(event);
        return;
    }
    switch (SectionAt(pos.x())) {
    case sIcon:
        if (m_enableChangeType)
            ChangeTypeSeries();
        break;
    case sColor:
        if (m_enableChangeColor && series->HasSingleSeriesColor()) {
            TColor color = series->Color(); // the drawn one, a palette colour included
            if (PlotColorDialog::EditColorDialog(this, color)) {
                series->SetSeriesColor(color);
                series->Repaint();
                viewport()->update();
                Q_EMIT OnChangeColor(series);
            }
        }
        break;
    case sTitle:
        Q_EMIT OnDblClickSeries(index.row());
        break;
    default:
        break;
    }
    event->accept();
}

void TChartListBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Insert:
        if (m_allowAdd)
            AddSeries();
        event->accept();
        return;
    case Qt::Key_Delete:
        if (m_allowDelete)
            DeleteSeries();
        event->accept();
        return;
    case Qt::Key_F2:
        StartTitleEdit();
        event->accept();
        return;
    default:
        QListView::keyPressEvent(event);
    }
}

QMimeData *TChartListBox::seriesMimeData(int row) const
{
    auto data = std::make_unique<QMimeData>();
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << quint64(quintptr(this)) << qint32(row);
    data->setData(QString::fromLatin1(kSeriesMimeType), bytes);
    return data.release();
}

namespace {

struct DragPayload {
    const TChartListBox *list = nullptr;
    int row = -1;
};

DragPayload readPayload(const QMimeData *data)
{
    if (!data || !data->hasFormat(QString::fromLatin1(TChartListBox::kSeriesMimeType)))
        return {};
    QDataStream stream(data->data(QString::fromLatin1(TChartListBox::kSeriesMimeType)));
    quint64 address = 0;
    qint32 row = -1;
    stream >> address >> row;
    if (stream.status() != QDataStream::Ok)
        return {};
    return {reinterpret_cast<const TChartListBox *>(quintptr(address)), row};
}

} // namespace

int TChartListBox::draggedRow(const QMimeData *data) const
{
    // Only rows of this very list are taken; the address is compared, never followed.
    const DragPayload payload = readPayload(data);
    return payload.list == this && payload.row >= 0 && payload.row < ItemCount() ? payload.row : -1;
}

TChartSeries *TChartListBox::DraggedSeries(const QMimeData *data)
{
    const DragPayload payload = readPayload(data);
    if (!payload.list)
        return nullptr;
    // The list must still be one of the program's: look for it among the living widgets.
    for (QWidget *widget : QApplication::allWidgets()) {
        if (widget == payload.list)
            return payload.list->SeriesAt(payload.row);
    }
    return nullptr;
}

void TChartListBox::startDrag(Qt::DropActions supportedActions)
{
    Q_UNUSED(supportedActions);
    const int row = ItemIndex();
    if (!m_dragAllowed || row < 0)
        return;
    m_dragAllowed = false;
    auto *drag = new QDrag(this);
    drag->setMimeData(seriesMimeData(row));
    drag->exec(Qt::MoveAction);
}

void TChartListBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_enableDrag && draggedRow(event->mimeData()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TChartListBox::dragMoveEvent(QDragMoveEvent *event)
{
    const int from = m_enableDrag ? draggedRow(event->mimeData()) : -1;
    const QModelIndex target = indexAt(event->position().toPoint());
    if (from >= 0 && target.isValid() && target.row() != from)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TChartListBox::dropEvent(QDropEvent *event)
{
    const int from = m_enableDrag ? draggedRow(event->mimeData()) : -1;
    const QModelIndex target = indexAt(event->position().toPoint());
    if (from < 0 || !target.isValid() || target.row() == from) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    exchangeRows(from, target.row());
}

void TChartListBox::exchangeRows(int from, int to)
{
    TChartSeries *first = SeriesAt(from);
    TChartSeries *second = SeriesAt(to);
    if (!first || !second || !m_chart)
        return;
    m_chart->ExchangeSeries(first, second); // the chart's swap event refills the rows
    Q_EMIT OnChangeOrder(first, second);
    setFocus();
    SetItemIndex(m_model->rowOf(first));
}

void TChartListBox::MoveCurrentUp()
{
    const int row = ItemIndex();
    if (row > 0)
        exchangeRows(row, row - 1);
}

void TChartListBox::MoveCurrentDown()
{
    const int row = ItemIndex();
    if (row >= 0 && row + 1 < ItemCount())
        exchangeRows(row, row + 1);
}

TChartSeries *TChartListBox::AddSeries()
{
    const PlotGalleryHooks::CreateNewSeriesHook &hook = PlotGalleryHooks::CreateNewSeriesGallery();
    if (!hook || !m_chart)
        return nullptr;
    TChartSeries *series = hook(window(), m_chart, SelectedSeries());
    if (series)
        SelectSeries(series);
    return series;
}

void TChartListBox::DeleteSeries()
{
    QList<TChartSeries *> chosen = SelectedSeriesList();
    if (chosen.isEmpty() && SelectedSeries())
        chosen.append(SelectedSeries());
    // The delete button is disabled for these; the key must keep them just as well.
    chosen.removeIf([](const TChartSeries *series) {
        return series->Style() & (TCustomChartSeries::kStyleTemplate | TCustomChartSeries::kStyleDenyDelete);
    });
    if (chosen.isEmpty())
        return;
    if (m_askDelete) {
        const QString name = chosen.size() == 1 ? PlotEngine::SeriesTitleOrName(*chosen.first())
                                                : PlotConst::message(PlotConst::msgSelectedSeries);
        if (!PlotPenDlg::PlotYesNoDelete(name, this))
            return;
    }
    QList<QPointer<TChartSeries>> doomed;
    for (TChartSeries *series : chosen)
        doomed.append(series);
    for (const QPointer<TChartSeries> &series : doomed) {
        if (series)
            std::unique_ptr<TChartSeries> freed(series.data()); // its destructor takes it out of the chart
    }
    SetItemIndex(ItemCount() > 0 ? 0 : -1);
    Q_EMIT OnRefresh();
}

TChartSeries *TChartListBox::CloneSeries()
{
    TChartSeries *series = SelectedSeries();
    return series ? CloneChartSeries(*series) : nullptr;
}

void TChartListBox::ChangeTypeSeries()
{
    const PlotGalleryHooks::ChangeSeriesTypeHook &hook = PlotGalleryHooks::ChangeSeriesTypeGallery();
    if (!hook)
        return;
    QList<TChartSeries *> changed;
    for (TChartSeries *series : SelectedSeriesList()) {
        if (series->Style() & TCustomChartSeries::kStyleDenyChangeType)
            continue;
        TChartSeries *replaced = series;
        hook(replaced);
        if (replaced)
            changed.append(replaced);
    }
    clearSelection();
    for (TChartSeries *series : changed) {
        const int row = m_model->rowOf(series);
        if (row >= 0)
            selectionModel()->select(m_model->index(row), QItemSelectionModel::Select);
    }
}

bool TChartListBox::RenameSeries()
{
    TChartSeries *series = SelectedSeries();
    if (!series)
        return false;
    const QString old = m_showNames ? series->objectName() : PlotEngine::SeriesTitleOrName(*series);
    const std::optional<QString> answer = DialogService::instance().inputText(
        this, PlotConst::message(PlotConst::msgChangeSeriesTitle), PlotConst::message(PlotConst::msgNewSeriesTitle), old);
    if (!answer || answer->isEmpty() || *answer == old)
        return false;
    if (m_showNames)
        series->setObjectName(*answer);
    else
        series->SetTitle(*answer == series->objectName() ? QString() : *answer);
    // A name change sends no series event; the row follows here.
    m_model->setRowText(m_model->rowOf(series), m_showNames ? series->objectName() : PlotEngine::SeriesTitleOrName(*series));
    return true;
}

void TChartListBox::StartTitleEdit()
{
    const int row = ItemIndex();
    TChartSeries *series = SeriesAt(row);
    if (!series || !ShowSeriesTitle())
        return;
    if (!m_titleEditor) {
        m_titleEditor = new QLineEdit(viewport());
        m_titleEditor->setObjectName(QStringLiteral("SeriesTitleEditor"));
        m_titleEditor->installEventFilter(this);
    }
    const QRect rect = visualRect(m_model->index(row));
    const int left = SectionLeft(sTitle);
    m_titleEditor->setGeometry(left, rect.top(), std::max(rect.right() - left, SectionWidth(sTitle)), rect.height());
    m_titleEditor->setText(PlotEngine::SeriesTitleOrName(*series));
    m_titleEditor->selectAll();
    m_titleEditor->show();
    m_titleEditor->setFocus();
}

void TChartListBox::finishTitleEdit(bool store)
{
    if (!m_titleEditor || !m_titleEditor->isVisible())
        return;
    m_titleEditor->hide();
    if (store) {
        if (TChartSeries *series = SelectedSeries())
            series->SetTitle(m_titleEditor->text());
    }
    setFocus();
}

bool TChartListBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_titleEditor && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_F2:
            finishTitleEdit(true);
            return true;
        case Qt::Key_Escape:
            finishTitleEdit(false);
            return true;
        default:
            break;
        }
    }
    return QListView::eventFilter(watched, event);
}

void TChartListBox::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    if (ItemCount() > 0 && !selectionModel()->hasSelection())
        SetItemIndex(0);
}
