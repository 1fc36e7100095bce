// The chart editor's series list page: its buttons by option, selection and series style, and
// the operations that run through the series list box.
#include "TChartEditForm.h"

#include "PlotGalleryHooks.h"
#include "SeriesUnit.h"
#include "TChartListBox.h"

#include <QItemSelectionModel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

void TChartEditForm::connectSeriesList()
{
    connect(BAddSeries, &QPushButton::clicked, this, [this] {
        TChartSeries *added = LBSeries->AddSeries();
        if (added && added->FunctionType()) {
            EditSeriesPage(added);
            if (m_seriesForm)
                m_seriesForm->ActivateTab(m_seriesForm->TabDataSource);
        }
        if (LBSeries->isVisible())
            LBSeries->setFocus();
        seriesListChanged();
    });
    connect(BDeleteSeries, &QPushButton::clicked, this, [this] {
        LBSeries->DeleteSeries();
        if (m_seriesForm && !m_seriesForm->TheSeries())
            m_seriesForm->SelectSeries(LBSeries->SelectedSeries());
        seriesListChanged();
    });
    connect(BRenameSeries, &QPushButton::clicked, this, [this] {
        LBSeries->RenameSeries();
        if (!m_treeMode && LBSeries->isVisible())
            LBSeries->setFocus();
        seriesListChanged();
    });
    connect(BCloneSeries, &QPushButton::clicked, this, [this] {
        LBSeries->CloneSeries();
        seriesListChanged();
    });
    connect(BChangeTypeSeries, &QPushButton::clicked, this, [this] {
        LBSeries->ChangeTypeSeries();
        if (m_seriesForm)
            m_seriesForm->SelectSeries(LBSeries->SelectedSeries());
        seriesListChanged();
    });
    connect(BMoveUP, &QToolButton::clicked, this, [this] {
        LBSeries->MoveCurrentUp();
        seriesListChanged();
    });
    connect(BMoveDown, &QToolButton::clicked, this, [this] {
        LBSeries->MoveCurrentDown();
        seriesListChanged();
    });
    connect(LBSeries, &TChartListBox::OnChangeOrder, this, [this](TChartSeries *a, TChartSeries *b) {
        if (OnChangeSeriesOrder)
            OnChangeSeriesOrder(a, b);
    });
    connect(LBSeries, &TChartListBox::OnDblClickSeries, this, [this](int index) {
        if (TChartSeries *series = LBSeries->SeriesAt(index))
            EditSeriesPage(series);
    });
    connect(LBSeries, &TChartListBox::OnRefresh, this, [this] { RefreshButtons(); });
    connect(LBSeries->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { RefreshButtons(); });
    connect(LBSeries->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { RefreshButtons(); });
}

void TChartEditForm::seriesListChanged()
{
    if (m_seriesForm)
        m_seriesForm->FillSeriesCombo();
    if (m_treeMode && m_seriesNode) {
        const QSignalBlocker blocker(Tree);
        TChartSeries *current = LBSeries->SelectedSeries();
        const bool onRoot = Tree->currentItem() == m_seriesNode;
        // Titles and places may have changed: the nodes again, in list order.
        m_buildingTree = true;
        qDeleteAll(m_seriesNode->takeChildren());
        m_buildingTree = false;
        RefreshButtons();
        if (!onRoot && current)
            selectTreeNodeFor(current);
        else
            Tree->setCurrentItem(m_seriesNode);
        return;
    }
    RefreshButtons();
}

bool TChartEditForm::listHasSelection() const
{
    return m_chart && m_chart->SeriesCount() > 0 && LBSeries->isEnabled() && LBSeries->SelectedSeries();
}

void TChartEditForm::RefreshButtons()
{
    const bool selected = listHasSelection();
    TChartSeries *series = selected ? LBSeries->SelectedSeries() : nullptr;
    const int style = series ? series->Style() : 0;
    const int count = int(LBSeries->SelectedSeriesList().size());
    // Adding and changing the type need the gallery; until it is installed they stay off.
    BAddSeries->setEnabled(Options.testFlag(ceAdd) && bool(PlotGalleryHooks::CreateNewSeriesGallery()));
    BDeleteSeries->setEnabled(selected && Options.testFlag(ceDelete) &&
                              !(style & (TCustomChartSeries::kStyleTemplate | TCustomChartSeries::kStyleDenyDelete)));
    BRenameSeries->setEnabled(selected && count <= 1 && Options.testFlag(ceTitle));
    const bool change = selected && Options.testFlag(ceChange) && bool(PlotGalleryHooks::ChangeSeriesTypeGallery()) &&
                        !(style & TCustomChartSeries::kStyleDenyChangeType);
    BChangeTypeSeries->setEnabled(change);
    if (!change && LBSeries->ShowSeriesIcon())
        LBSeries->SetEnableChangeType(false);
    BCloneSeries->setEnabled(selected && count <= 1 && Options.testFlag(ceClone) &&
                             !(style & (TCustomChartSeries::kStyleTemplate | TCustomChartSeries::kStyleDenyClone)));
    const bool order = Options.testFlag(ceOrderSeries);
    BMoveUP->setVisible(order);
    BMoveDown->setVisible(order);
    LBSeries->SetEnableDragSeries(order);
    const int row = LBSeries->ItemIndex();
    BMoveUP->setEnabled(count == 1 && row > 0);
    BMoveDown->setEnabled(count == 1 && row >= 0 && row < LBSeries->ItemCount() - 1);
    if (m_treeMode && m_seriesNode && m_chart && m_seriesNode->childCount() != LBSeries->ItemCount()) {
        const QSignalBlocker blocker(Tree);
        m_buildingTree = true;
        addSeriesNodes(m_seriesNode);
        m_buildingTree = false;
    }
}
