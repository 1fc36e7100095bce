// The alternate series gallery.
#include "TPlotGalleryForm.h"

#include "ChartClassRegistry.h"
#include "ChartTypeRegistries.h"
#include "EditorWidgets.h"
#include "PlotConst.h"
#include "PlotEditorOptions.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "SeriesUtilities.h"
#include "TChart.h"
#include "TChartGalleryPanel.h"
#include "TChartListBox.h"
#include "TChartSeries.h"
#include "TGalleryChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QVBoxLayout>

using EditorWidgets::named;

TPlotGalleryForm::TPlotGalleryForm(QWidget *parent)
    : TGalleryDialog(parent)
    , m_types(std::make_unique<TChart>())
{
    setObjectName(QStringLiteral("PlotGalleryForm"));
    setWindowTitle(QStringLiteral("Plot Library Gallery"));
    m_types->setObjectName(QStringLiteral("GalleryTypes"));
    LBSeries = named(new TChartListBox(this), "LBSeries");
    LBSeries->SetAllowAddSeries(false);
    LBSeries->SetAllowDeleteSeries(false);
    LBSeries->SetEnableDragSeries(false);
    LBSeries->SetEnableChangeType(false);
    LBSeries->SetEnableChangeColor(false);
    LBSeries->SetShowActiveCheck(false);
    LBSeries->SetShowSeriesColor(false);
    LBSeries->setProperty(PlotTranslate::kUserTextsProperty, true);
    LBSeries->SetChart(m_types.get());
    CBGalleries = named(new QComboBox(this), "CBGalleries");
    CBGalleries->setProperty(PlotTranslate::kUserTextsProperty, true);
    ChartGalleryPanel1->DisplaySub = false;
    ChartGalleryPanel1->setMinimumSize(360, 280);
    CB3D->setChecked(true);
    CBSmooth->setChecked(true);
    ChartGalleryPanel1->SetSmooth(true);

    auto *left = new QVBoxLayout;
    left->addWidget(CBGalleries);
    left->addWidget(LBSeries, 1);
    left->addWidget(CB3D);
    left->addWidget(CBSmooth);
    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(ChartGalleryPanel1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BOk);
    buttons->addWidget(BCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(CBGalleries, &QComboBox::currentIndexChanged, this, &TPlotGalleryForm::fillTypes);
    connect(LBSeries->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TPlotGalleryForm::showSubStyles);
    connect(CBSmooth, &QCheckBox::toggled, ChartGalleryPanel1, &TChartGalleryPanel::SetSmooth);
}

TPlotGalleryForm::~TPlotGalleryForm()
{
    // The list lets go of the type chart before the chart goes.
    LBSeries->SetChart(nullptr);
}

void TPlotGalleryForm::SetPreselected(const TChartSeries *series)
{
    m_preselected = series ? ChartClassRegistry::instance().find(*series->metaObject()) : nullptr;
}

std::optional<GallerySelection> TPlotGalleryForm::Selection() const
{
    const TChartSeries *listed = LBSeries->SelectedSeries();
    if (!listed)
        return std::nullopt;
    GallerySelection selection;
    selection.seriesClass = ChartClassRegistry::instance().find(*listed->metaObject());
    if (const TGalleryChart *sample = ChartGalleryPanel1->SelectedChart())
        selection.subIndex = sample->SubStyle;
    return selection;
}

void TPlotGalleryForm::showEvent(QShowEvent *event)
{
    if (!m_filled) {
        m_filled = true;
        QStringList pages;
        const TPlotSeriesTypes &types = PlotSeriesTypes();
        for (int i = 0; i < types.Count(); ++i) {
            const TPlotSeriesType &type = types.GetItem(i);
            if (type.SeriesClass && !type.FunctionClass && !pages.contains(type.GalleryPage.text()))
                pages.append(type.GalleryPage.text());
        }
        pages.sort(Qt::CaseInsensitive);
        const QSignalBlocker blocker(CBGalleries);
        CBGalleries->addItem(PlotConst::message(PlotConst::msgAll));
        CBGalleries->addItems(pages);
        CBGalleries->setCurrentIndex(0);
        fillTypes();
        PlotProcs::PlotTranslateControl(this);
    }
    QDialog::showEvent(event);
}

void TPlotGalleryForm::fillTypes()
{
    const bool all = CBGalleries->currentIndex() <= 0;
    const QString page = CBGalleries->currentText();
    m_types->FreeAllSeries();
    m_shownClass = nullptr;
    TChartSeries *preselected = nullptr;
    const TPlotSeriesTypes &types = PlotSeriesTypes();
    for (int i = 0; i < types.Count(); ++i) {
        const TPlotSeriesType &type = types.GetItem(i);
        if (!type.SeriesClass || type.FunctionClass || (!all && type.GalleryPage.text() != page))
            continue;
        if (TChartSeries *series = CreateNewSeries(m_types.get(), m_types.get(), *type.SeriesClass)) {
            series->SetTitle(type.Description.text().replace(QChar(13), QLatin1Char(' ')));
            if (!preselected && type.SeriesClass == m_preselected)
                preselected = series;
        }
    }
    LBSeries->Refill();
    if (preselected)
        LBSeries->SelectSeries(preselected);
    else if (LBSeries->ItemCount() > 0)
        LBSeries->SetItemIndex(0);
    showSubStyles();
}

void TPlotGalleryForm::showSubStyles()
{
    const TChartSeries *listed = LBSeries->SelectedSeries();
    const ChartClassDescriptor *listedClass =
        listed ? ChartClassRegistry::instance().find(*listed->metaObject()) : nullptr;
    if (listedClass == m_shownClass)
        return;
    m_shownClass = listedClass;
    if (!listed) {
        ChartGalleryPanel1->ClearCharts();
        return;
    }
    const TPlotSeriesType *type = PlotSeriesTypes().FindSeriesType(listedClass);
    ChartGalleryPanel1->CreateSubGalleryPage(*listed, type ? type->NumGallerySeries : 1);
}
