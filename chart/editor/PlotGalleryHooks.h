// The two hooks through which the series list asks the series gallery for a new series or for
// another type of a series. Empty until the gallery installs them; while empty, the list offers
// neither.
#pragma once

#include <functional>

class QWidget;
class TChartSeries;
class TCustomAxisPanel;
struct ChartClassDescriptor;

namespace PlotGalleryHooks {

// The dialog's owner, the chart and a series whose type to preselect (may be none): the new
// series in the chart, or none when the user cancelled.
using CreateNewSeriesHook = std::function<TChartSeries *(QWidget *owner, TCustomAxisPanel *chart, TChartSeries *series)>;
// The series by reference (a new series may take its place): its class afterwards.
using ChangeSeriesTypeHook = std::function<const ChartClassDescriptor *(TChartSeries *&series)>;

CreateNewSeriesHook &CreateNewSeriesGallery();
ChangeSeriesTypeHook &ChangeSeriesTypeGallery();

} // namespace PlotGalleryHooks
