// The chart component: construction, the abstract steps of the axis panel, zoom undo and colours.
#include "TCustomChart.h"

#include "TChartAxis.h"
#include "TChartSeries.h"

#include <QScopeGuard>

TCustomChart::TCustomChart(QWidget *parent)
    : TCustomAxisPanel(parent)
{
    const bool autoRepaint = std::exchange(AutoRepaint, false);
    AutoRepaint = autoRepaint;
}

TCustomChart::~TCustomChart()
{
    m_savedAxes.clear();
    AutoRepaint = false;
}

void TCustomChart::CalcWallsRect()
{
    CalcSize3D();
}

int TCustomChart::GetAxisWallSize(const TChartAxis &axis) const
{
    Q_UNUSED(axis);
    return 0;
}

void TCustomChart::DrawTitlesAndLegend(bool beforeAxes)
{
    Q_UNUSED(beforeAxes);
}

void TCustomChart::DrawWalls()
{
}

bool TCustomChart::IsFreeSeriesColor(TColor color, bool checkBackground, const TChartSeries *series)
{
    for (const TChartSeries *other : SeriesList())
        if (other != series && other->SeriesColor() == color)
            return false;
    return !checkBackground || color != Color();
}

void TCustomChart::SaveAxesState()
{
    m_savedAxes.clear();
    for (TChartAxis *axis : Axes().Items()) {
        if (axis->IsDepthAxis())
            continue;
        m_savedAxes.push_back({axis, axis->Automatic(), axis->AutomaticMinimum(), axis->AutomaticMaximum(),
                               axis->Minimum(), axis->Maximum()});
    }
    m_axesRestored = false;
}

void TCustomChart::UndoZoom()
{
    if (!m_axesRestored) {
        const std::vector<SavedAxis> saved = std::exchange(m_savedAxes, {});
        m_axesRestored = true;
        for (const SavedAxis &state : saved) {
            TChartAxis *axis = state.axis;
            if (!axis)
                continue; // removed during the zoom
            axis->SetAutomatic(state.automatic);
            axis->SetAutomaticMinimum(state.automaticMinimum);
            axis->SetAutomaticMaximum(state.automaticMaximum);
            // The order keeps minimum <= maximum at every step, so neither setter refuses.
            if (state.minimum > axis->Maximum()) {
                axis->SetMaximum(state.maximum);
                axis->SetMinimum(state.minimum);
            } else {
                axis->SetMinimum(state.minimum);
                axis->SetMaximum(state.maximum);
            }
        }
    }
    TCustomAxisPanel::UndoZoom();
}

bool TCustomChart::WallsDrawn() const
{
    bool anyActive = false;
    for (const TChartSeries *series : SeriesList()) {
        if (!series->Active())
            continue;
        if (series->UseAxis())
            return true;
        anyActive = true;
    }
    return !anyActive;
}

TChartSeries *TCustomChart::GetFirstActiveSeries() const
{
    for (TChartSeries *series : SeriesList())
        if (series->Active())
            return series;
    return nullptr;
}

void TCustomChart::RemoveAllSeries()
{
    while (SeriesCount() > 0)
        RemoveSeriesAt(0);
}

void TCustomChart::Assign(const TCustomPlotPanel &source)
{
    if (const auto *chart = qobject_cast<const TCustomChart *>(&source); chart && chart != this) {
        m_colorPaletteIndex = chart->m_colorPaletteIndex;
        m_scrollMouseButton = chart->m_scrollMouseButton;
    }
    TCustomAxisPanel::Assign(source);
}
