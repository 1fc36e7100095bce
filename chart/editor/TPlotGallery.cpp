// The series gallery dialog.
#include "TPlotGallery.h"

#include "ChartTypeRegistries.h"
#include "EditorWidgets.h"
#include "PlotConst.h"
#include "PlotEditorOptions.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "TChartGalleryPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

using EditorWidgets::named;

namespace {

// The gallery pages that hold a type of the kind, in registry order with "Standard" first.
QStringList galleryPages(bool functions)
{
    QStringList pages;
    const TPlotSeriesTypes &types = PlotSeriesTypes();
    for (int i = 0; i < types.Count(); ++i) {
        const TPlotSeriesType &type = types.GetItem(i);
        const bool isFunction = type.FunctionClass != nullptr;
        const QString page = type.GalleryPage.text();
        if (isFunction == functions && (isFunction || type.SeriesClass) && !pages.contains(page))
            pages.append(page);
    }
    const QString standard = PlotConst::message(PlotConst::msgGalleryStandard);
    if (const qsizetype at = pages.indexOf(standard); at > 0)
        pages.move(at, 0);
    return pages;
}

} // namespace

TPlotGallery::TPlotGallery(QWidget *parent)
    : TGalleryDialog(parent)
{
    setObjectName(QStringLiteral("PlotGallery"));
    setWindowTitle(QStringLiteral("Plot Gallery"));
    TabKinds = named(new QTabBar(this), "TabKinds");
    TabKinds->addTab(PlotConst::message(PlotConst::msgSeries));
    TabKinds->addTab(PlotConst::message(PlotConst::msgGalleryFunctions));
    TabPages = named(new QTabBar(this), "TabPages");
    // The tabs carry the library's message texts, which are in the current language already.
    TabKinds->setProperty(PlotTranslate::kUserTextsProperty, true);
    TabPages->setProperty(PlotTranslate::kUserTextsProperty, true);
    ChartGalleryPanel1->setMinimumSize(420, 300);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(CB3D);
    bottom->addWidget(CBSmooth);
    bottom->addStretch(1);
    bottom->addWidget(BOk);
    bottom->addWidget(BCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TabKinds);
    layout->addWidget(TabPages);
    layout->addWidget(ChartGalleryPanel1, 1);
    layout->addLayout(bottom);

    connect(TabKinds, &QTabBar::currentChanged, this, &TPlotGallery::fillPages);
    connect(TabPages, &QTabBar::currentChanged, this, &TPlotGallery::showPage);
    connect(CBSmooth, &QCheckBox::clicked, this, [this](bool checked) {
        ChartGalleryPanel1->SetSmooth(checked);
        PlotProcs::WriteEditorBool(QStringLiteral("SmoothGallery"), checked);
    });
}

void TPlotGallery::SetFunctionsAllowed(bool allowed)
{
    if (!allowed && TabKinds->count() > 1)
        TabKinds->removeTab(1);
}

std::optional<GallerySelection> TPlotGallery::Selection() const
{
    return ChartGalleryPanel1->GetSeriesClass();
}

void TPlotGallery::showEvent(QShowEvent *event)
{
    if (!m_filled) {
        m_filled = true;
        CBSmooth->setChecked(ChartGalleryPanel1->Smooth());
        ChartGalleryPanel1->SetView3D(CB3D->isChecked());
        fillPages();
        PlotProcs::PlotTranslateControl(this);
    }
    QDialog::showEvent(event);
    ChartGalleryPanel1->setFocus();
}

void TPlotGallery::fillPages()
{
    const bool functions = TabKinds->currentIndex() == 1;
    ChartGalleryPanel1->FunctionsMode = functions;
    {
        const QSignalBlocker blocker(TabPages);
        while (TabPages->count() > 0)
            TabPages->removeTab(0);
        for (const QString &page : galleryPages(functions))
            TabPages->addTab(page);
        TabPages->setCurrentIndex(0);
    }
    showPage();
}

void TPlotGallery::showPage()
{
    ChartGalleryPanel1->CreateGalleryPage(TabPages->tabText(TabPages->currentIndex()));
}
