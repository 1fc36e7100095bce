// The gallery's side of the series list's hooks: a new series from the gallery, and another type
// for a series. "GalleryMode" 0 shows the tabbed gallery, any other value the alternate one.
#pragma once

class QWidget;
class TChartSeries;
class TCustomAxisPanel;
struct ChartClassDescriptor;

namespace PlotGally {

// Shows the gallery with functions, the series' type preselected (series may be none): the new
// series in the chart, owned by the series' owner or else the chart's; none when cancelled or
// without a chart.
TChartSeries *CreateNewSeriesGallery(QWidget *owner, TCustomAxisPanel *chart, TChartSeries *series);
// Shows the gallery without functions, types that cannot take the series' data disabled: the
// series replaced by one of the chosen type (a chosen sub-style applied); the class afterwards.
const ChartClassDescriptor *ChangeSeriesTypeGallery(TChartSeries *&series);

// Installs both into the series list's hooks.
void InstallGalleryHooks();

} // namespace PlotGally
