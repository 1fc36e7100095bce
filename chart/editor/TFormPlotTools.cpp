// The Tools page.
#include "TFormPlotTools.h"

#include "ChartClassRegistry.h"
#include "EditorWidgets.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "TCustomAxisPanel.h"
#include "TChartTools.h"
#include "TPlotCustomTool.h"
#include "TPlotToolsGallery.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

using EditorWidgets::named;

namespace {

constexpr int kToolRole = Qt::UserRole + 1;

TPlotCustomTool *toolOf(const QListWidgetItem *item)
{
    return item ? qobject_cast<TPlotCustomTool *>(item->data(kToolRole).value<QObject *>()) : nullptr;
}

} // namespace

TFormPlotTools::TFormPlotTools(TCustomAxisPanel *chart, QWidget *parent)
    : QWidget(parent)
    , m_chart(chart)
{
    setObjectName(QStringLiteral("FormPlotTools"));
    LBTools = named(new QListWidget(this), "LBTools");
    LBTools->setIconSize(QSize(16, 16));
    LBTools->setProperty(PlotTranslate::kUserTextsProperty, true);
    PanelToolEditor = named(new QWidget(this), "PanelToolEditor");
    BAdd = named(new QPushButton(QStringLiteral("&Add..."), this), "BAdd");
    BDelete = named(new QPushButton(QStringLiteral("&Delete"), this), "BDelete");
    CBActive = named(new QCheckBox(QStringLiteral("A&ctive"), this), "CBActive");
    BMoveUp = named(new QToolButton(this), "BMoveUp");
    BMoveUp->setArrowType(Qt::UpArrow);
    BMoveUp->setAutoRaise(true);
    BMoveDown = named(new QToolButton(this), "BMoveDown");
    BMoveDown->setArrowType(Qt::DownArrow);
    BMoveDown->setAutoRaise(true);
    // Tools are never in design state here: the switch and the name stay hidden.
    CBShowInEditor = named(new QCheckBox(QStringLiteral("Show in this editor"), this), "CBShowInEditor");
    CBShowInEditor->hide();
    PBottom = named(new QLabel(this), "PBottom");
    PBottom->setProperty(PlotTranslate::kUserTextsProperty, true);
    PBottom->hide();

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(BAdd);
    buttons->addWidget(BDelete);
    auto *moves = new QHBoxLayout;
    moves->addWidget(BMoveUp);
    moves->addWidget(BMoveDown);
    moves->addStretch(1);
    buttons->addLayout(moves);
    buttons->addStretch(1);
    auto *grid = new QGridLayout(this);
    grid->addWidget(LBTools, 0, 0, 2, 1);
    grid->addLayout(buttons, 0, 1, 2, 1);
    grid->addWidget(CBActive, 0, 2);
    grid->addWidget(CBShowInEditor, 1, 2, Qt::AlignTop);
    grid->addWidget(PanelToolEditor, 2, 0, 1, 3);
    grid->addWidget(PBottom, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);

    connect(LBTools, &QListWidget::currentRowChanged, this, &TFormPlotTools::toolSelected);
    connect(BAdd, &QPushButton::clicked, this, &TFormPlotTools::addFromGallery);
    connect(BDelete, &QPushButton::clicked, this, &TFormPlotTools::deleteSelected);
    connect(BMoveUp, &QToolButton::clicked, this, [this] { moveSelected(-1); });
    connect(BMoveDown, &QToolButton::clicked, this, [this] { moveSelected(1); });
    connect(CBActive, &QCheckBox::clicked, this, [this](bool on) {
        if (TPlotCustomTool *tool = SelectedTool())
            tool->SetActive(on);
    });
    connect(CBShowInEditor, &QCheckBox::clicked, this, [this](bool on) {
        if (TPlotCustomTool *tool = SelectedTool())
            tool->SetShowInEditor(on);
    });
}

QList<TPlotCustomTool *> TFormPlotTools::ListedTools(const TCustomAxisPanel &chart)
{
    QList<TPlotCustomTool *> tools;
    for (TPlotCustomTool *tool : const_cast<TCustomAxisPanel &>(chart).Tools().Items()) {
        if (tool->ShowInEditor())
            tools.append(tool);
    }
    return tools;
}

void TFormPlotTools::FillTools()
{
    const QSignalBlocker blocker(LBTools);
    PBottom->clear();
    LBTools->clear();
    if (m_chart) {
        for (TPlotCustomTool *tool : ListedTools(*m_chart)) {
            auto *item = new QListWidgetItem(tool->Description(), LBTools);
            QImage bitmap;
            if (PlotProcs::LoadClassBitmap(tool, bitmap))
                item->setIcon(QPixmap::fromImage(bitmap));
            item->setData(kToolRole, QVariant::fromValue<QObject *>(tool));
        }
    }
    BDelete->setEnabled(LBTools->count() > 0);
    CBActive->setEnabled(BDelete->isEnabled());
}

void TFormPlotTools::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_filled)
        return;
    m_filled = true;
    FillTools();
    if (LBTools->count() > 0) {
        LBTools->setCurrentRow(0);
        toolSelected();
    } else {
        refreshMoveButtons();
    }
    PlotProcs::PlotTranslateControl(this);
}

void TFormPlotTools::RefreshOnShow()
{
    if (!m_chart)
        return;
    if (LBTools->count() != m_chart->Tools().Count())
        FillTools();
    if (LBTools->currentRow() >= 0)
        toolSelected();
    else
        refreshMoveButtons();
}

TPlotCustomTool *TFormPlotTools::SelectedTool() const
{
    return toolOf(LBTools->currentItem());
}

void TFormPlotTools::SelectTool(TPlotCustomTool *tool)
{
    for (int i = 0; i < LBTools->count(); ++i) {
        if (toolOf(LBTools->item(i)) == tool) {
            LBTools->setCurrentRow(i);
            toolSelected();
            return;
        }
    }
}

void TFormPlotTools::toolSelected()
{
    TPlotCustomTool *tool = SelectedTool();
    if (!tool) {
        refreshMoveButtons();
        return;
    }
    CBActive->setChecked(tool->Active());
    // No tool editor form is registered: the panel stays empty.
    refreshMoveButtons();
    if (PBottom->isVisible())
        PBottom->setText(tool->Name());
}

void TFormPlotTools::refreshMoveButtons()
{
    const int row = LBTools->currentRow();
    BMoveUp->setEnabled(row > 0);
    BMoveDown->setEnabled(row >= 0 && row < LBTools->count() - 1);
}

TPlotCustomTool *TFormPlotTools::AddTool(const ChartClassDescriptor &toolClass)
{
    if (!m_chart || !toolClass.factory)
        return nullptr;
    // Owned as the chart's other tools are: by the chart when it owns one, else by its owner.
    QObject *owner = m_chart->parent();
    for (const TPlotCustomTool *existing : m_chart->Tools().Items()) {
        if (existing->parent() == m_chart)
            owner = m_chart;
    }
    if (!owner)
        owner = m_chart;
    std::unique_ptr<QObject> made = toolClass.factory();
    auto *tool = qobject_cast<TPlotCustomTool *>(made.get());
    if (!tool)
        return nullptr;
    made.release();
    tool->setParent(owner);
    tool->SetParentChart(m_chart);
    tool->SetName(PlotProcs::GetUniqueName(owner, QStringLiteral("ChartTool")));
    if (OnAdded)
        OnAdded(tool);
    FillTools();
    LBTools->setCurrentRow(LBTools->count() - 1);
    LBTools->setFocus();
    toolSelected();
    return tool;
}

void TFormPlotTools::addFromGallery()
{
    TPlotToolsGallery gallery(window());
    if (gallery.exec() != QDialog::Accepted)
        return;
    if (const ChartClassDescriptor *chosen = gallery.SelectedClass())
        AddTool(*chosen);
}

void TFormPlotTools::deleteSelected()
{
    TPlotCustomTool *tool = SelectedTool();
    if (!tool || !PlotPenDlg::PlotYesNoDelete(tool->Description(), this))
        return;
    const int deleted = LBTools->currentRow();
    if (OnDeleted)
        OnDeleted(tool);
    delete tool;
    FillTools();
    // As the editor always did: the one before from the third on, else the last.
    const int count = LBTools->count();
    if (count > 0)
        LBTools->setCurrentRow(deleted >= 2 ? deleted - 1 : count - 1);
    BDelete->setEnabled(LBTools->currentRow() >= 0);
    toolSelected();
}

void TFormPlotTools::moveSelected(int step)
{
    const int row = LBTools->currentRow();
    const int other = row + step;
    if (!m_chart || row < 0 || other < 0 || other >= LBTools->count())
        return;
    TChartTools &tools = m_chart->Tools();
    tools.Exchange(tools.IndexOf(toolOf(LBTools->item(row))), tools.IndexOf(toolOf(LBTools->item(other))));
    {
        const QSignalBlocker blocker(LBTools);
        QListWidgetItem *moved = LBTools->takeItem(row);
        LBTools->insertItem(other, moved);
        LBTools->setCurrentRow(other);
    }
    m_chart->Invalidate();
    refreshMoveButtons();
}
