// The gallery hooks.
#include "PlotGally.h"

#include "ChartClassRegistry.h"
#include "PlotEditorOptions.h"
#include "PlotGalleryHooks.h"
#include "SeriesUtilities.h"
#include "TChartGalleryPanel.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TPlotGallery.h"
#include "TPlotGalleryForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QPointer>

#include <memory>
#include <optional>

namespace PlotGally {

namespace {

struct GalleryChoice
{
    GallerySelection selection;
    bool view3D = false;
};

// Shows the gallery of the stored mode over the owner; none when cancelled or nothing chosen.
std::optional<GalleryChoice> runGallery(QWidget *owner, TCustomAxisPanel *chart, TChartSeries *series,
                                        bool functions, bool checkSeries)
{
    std::unique_ptr<TGalleryDialog> dialog;
    if (PlotProcs::ReadEditorInteger(QStringLiteral("GalleryMode"), 0) != 0) {
        auto alternate = std::make_unique<TPlotGalleryForm>(owner);
        alternate->SetPreselected(series);
        dialog = std::move(alternate);
    } else {
        auto tabbed = std::make_unique<TPlotGallery>(owner);
        tabbed->SetFunctionsAllowed(functions);
        tabbed->ChartGalleryPanel1->CheckSeries = checkSeries;
        tabbed->ChartGalleryPanel1->SetChangingSeries(series);
        dialog = std::move(tabbed);
    }
    dialog->CB3D->setChecked(chart && chart->View3D());
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    if (std::optional<GallerySelection> selection = dialog->Selection())
        return GalleryChoice{*selection, dialog->View3D()};
    return std::nullopt;
}

const ChartClassDescriptor *classOf(const TChartSeries &series)
{
    return ChartClassRegistry::instance().find(*series.metaObject());
}

} // namespace

TChartSeries *CreateNewSeriesGallery(QWidget *owner, TCustomAxisPanel *chart, TChartSeries *series)
{
    if (!chart)
        return nullptr;
    // The dialog runs its own loop: the chart or the series may go meanwhile.
    QPointer<TCustomAxisPanel> target(chart);
    QPointer<TChartSeries> preselected(series);
    const std::optional<GalleryChoice> choice = runGallery(owner, chart, series, true, false);
    if (!choice || !target || !choice->selection.seriesClass)
        return nullptr;
    target->SetView3D(choice->view3D);
    QObject *seriesOwner = preselected ? preselected->parent() : target->parent();
    TChartSeries *made = CreateNewSeries(seriesOwner, target, *choice->selection.seriesClass,
                                         choice->selection.functionClass);
    if (made && choice->selection.subIndex >= 0)
        made->SetSubGallery(choice->selection.subIndex);
    return made;
}

const ChartClassDescriptor *ChangeSeriesTypeGallery(TChartSeries *&series)
{
    if (!series)
        return nullptr;
    QPointer<TChartSeries> changing(series);
    QWidget *owner = QApplication::activeWindow();
    const std::optional<GalleryChoice> choice = runGallery(owner, series->ParentChart(), series, false, true);
    if (!changing) {
        series = nullptr;
        return nullptr;
    }
    if (choice && choice->selection.seriesClass) {
        // A series of the chosen class stays itself: then only a chosen sub-style changes it.
        ChangeSeriesType(series, *choice->selection.seriesClass);
        if (choice->selection.subIndex >= 0)
            series->SetSubGallery(choice->selection.subIndex);
    }
    return classOf(*series);
}

void InstallGalleryHooks()
{
    PlotGalleryHooks::CreateNewSeriesGallery() = &CreateNewSeriesGallery;
    PlotGalleryHooks::ChangeSeriesTypeGallery() = &ChangeSeriesTypeGallery;
}

} // namespace PlotGally
