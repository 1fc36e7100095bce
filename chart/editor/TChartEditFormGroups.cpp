// The chart editor's series groups: the check list with "(all)", adding, renaming and deleting
// groups, switching them, and dropping a series from the list onto a group.
#include "TChartEditForm.h"

#include "PlotConst.h"
#include "PlotPenDlg.h"
#include "TChartListBox.h"
#include "TSeriesGroup.h"
#include "platform/DialogService.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QToolButton>

namespace {

// "(all)" holds -1, a group its index.
constexpr int kGroupRole = Qt::UserRole;

Qt::CheckState checkStateOf(TSeriesGroupActive active)
{
    return active == gaYes ? Qt::Checked : active == gaNo ? Qt::Unchecked : Qt::PartiallyChecked;
}

std::optional<QString> askGroupName(QWidget *owner, PlotConst::Message caption, const QString &name)
{
    const std::optional<QString> answer = DialogService::instance().inputText(
        owner, PlotConst::message(caption), PlotConst::message(PlotConst::msgGroupName), name);
    if (!answer || answer->trimmed().isEmpty())
        return std::nullopt;
    return answer->trimmed();
}

} // namespace

void TChartEditForm::connectGroups()
{
    Groups->setAcceptDrops(true);
    Groups->viewport()->setAcceptDrops(true);
    Groups->viewport()->installEventFilter(this);
    connect(Groups, &QListWidget::currentRowChanged, this, [this] { groupChosen(); });
    connect(Groups, &QListWidget::itemChanged, this, &TChartEditForm::groupChecked);
    connect(LBSeries, &TChartListBox::OnChangeActive, this, [this] {
        if (Options.testFlag(ceGroups))
            fillGroups();
    });
    connect(BAddGroup, &QToolButton::clicked, this, [this] {
        if (!m_chart)
            return;
        if (const std::optional<QString> name = askGroupName(this, PlotConst::msgAddNewGroup, QString())) {
            m_chart->SeriesList().AddGroup(*name);
            fillGroups();
        }
    });
    connect(BRenameGroup, &QToolButton::clicked, this, [this] {
        if (TSeriesGroup *group = selectedGroup()) {
            if (const std::optional<QString> name = askGroupName(this, PlotConst::msgChangeGroupName, group->Name())) {
                group->SetName(*name);
                fillGroups();
            }
        }
    });
    connect(BDeleteGroup, &QToolButton::clicked, this, [this] {
        TSeriesGroup *group = selectedGroup();
        if (!group || !PlotPenDlg::PlotYesNoDelete(group->Name(), this))
            return;
        m_chart->SeriesList().DeleteGroup(Groups->currentItem()->data(kGroupRole).toInt());
        fillGroups();
    });
}

void TChartEditForm::fillGroups()
{
    if (!m_chart)
        return;
    const int previous = Groups->currentRow();
    m_fillingGroups = true;
    Groups->clear();
    const TChartSeriesList &list = m_chart->SeriesList();
    const auto addItem = [this](const QString &text, int group, Qt::CheckState state) {
        auto *item = new QListWidgetItem(text, Groups);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(state);
        item->setData(kGroupRole, group);
    };
    if (Options.testFlag(ceGroupAll))
        addItem(PlotConst::message(PlotConst::msgAll), -1, list.AllActive() ? Qt::Checked : Qt::Unchecked);
    for (int i = 0; i < list.GroupCount(); ++i)
        addItem(list.Group(i)->Name(), i, checkStateOf(list.Group(i)->Active()));
    Groups->setCurrentRow(previous >= 0 && previous < Groups->count() ? previous : -1);
    m_fillingGroups = false;
    groupChosen();
}

TSeriesGroup *TChartEditForm::selectedGroup() const
{
    const QListWidgetItem *item = Groups->currentItem();
    const int index = item ? item->data(kGroupRole).toInt() : -1;
    return m_chart && index >= 0 && index < m_chart->SeriesList().GroupCount() ? m_chart->SeriesList().Group(index)
                                                                              : nullptr;
}

void TChartEditForm::groupChosen()
{
    TSeriesGroup *group = selectedGroup();
    BDeleteGroup->setEnabled(group);
    BRenameGroup->setEnabled(group);
    // The list shows the chosen group's series, or all of them.
    for (int row = 0; row < LBSeries->ItemCount(); ++row)
        LBSeries->setRowHidden(row, group && !group->Series().Contains(LBSeries->SeriesAt(row)));
}

void TChartEditForm::groupChecked(QListWidgetItem *item)
{
    if (m_fillingGroups || !m_chart)
        return;
    const int index = item->data(kGroupRole).toInt();
    const Qt::CheckState state = item->checkState();
    if (index < 0) {
        m_chart->SeriesList().SetAllActive(state == Qt::Checked);
    } else if (index < m_chart->SeriesList().GroupCount()) {
        m_chart->SeriesList().Group(index)->SetActive(state == Qt::Unchecked ? gaNo
                                                      : state == Qt::Checked ? gaYes
                                                                             : gaSome);
    }
    LBSeries->viewport()->update();
    fillGroups();
}

bool TChartEditForm::dropOnGroup(QDropEvent *event, bool drop)
{
    TChartSeries *series = TChartListBox::DraggedSeries(event->mimeData());
    QListWidgetItem *target = Groups->itemAt(event->position().toPoint());
    if (!series || !target || !m_chart)
        return false;
    const int index = target->data(kGroupRole).toInt();
    TChartSeriesList &list = m_chart->SeriesList();
    if (index >= 0 && list.Group(index)->Series().Contains(series))
        return false;
    if (!drop)
        return true;
    TSeriesGroup *selected = selectedGroup();
    if (index >= 0)
        list.Group(index)->Series().Add(series);
    // Onto another group or onto "(all)", the series leaves the group it was shown in.
    if (selected && (index < 0 || list.Group(index) != selected))
        selected->Series().Remove(series);
    const int targetRow = Groups->row(target);
    fillGroups();
    Groups->setCurrentRow(targetRow);
    return true;
}

bool TChartEditForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Groups->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDropEvent *>(event);
            if (dropOnGroup(drag, false))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            if (dropOnGroup(drop, true))
                drop->acceptProposedAction();
            return true;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
