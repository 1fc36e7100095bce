// Restoring the chart after an export, in the reverse order of the changes.
#include "ExportGuard.h"

#include "TCanvas3D.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TCustomPlotPanel.h"

#include <algorithm>
#include <utility>

ExportGuard::ExportGuard(TCustomPlotPanel &panel)
    : m_panel(&panel)
    , m_autoRepaint(panel.AutoRepaint)
    , m_buffered(panel.BufferedDisplay())
{
}

ExportGuard::~ExportGuard()
{
    m_busy.reset();
    for (const SeriesFlags &flags : m_flags) {
        if (flags.series) {
            flags.series->NeverSaveData = flags.neverSaveData;
            flags.series->ForceSaveData = flags.forceSaveData;
        }
    }
    if (!m_panel)
        return;
    if (m_name)
        m_panel->setObjectName(*m_name);
    if (m_screenCanvas) {
        // Repaint stays off while the screen canvas comes back, so its buffer is kept as it was.
        m_panel->AutoRepaint = false;
        m_panel->ReplaceCanvas(std::move(m_screenCanvas));
    }
    m_panel->SetBufferedDisplay(m_buffered);
    m_panel->AutoRepaint = m_autoRepaint;
}

void ExportGuard::installCanvasBase(std::unique_ptr<TCanvas3D> canvas)
{
    m_panel->AutoRepaint = false;
    std::unique_ptr<TCanvas3D> previous = m_panel->ReplaceCanvas(std::move(canvas));
    // A second canvas in one scope replaces the first; the screen canvas stays the one to restore.
    if (!m_screenCanvas)
        m_screenCanvas = std::move(previous);
}

void ExportGuard::blankName()
{
    if (!m_name)
        m_name = m_panel->objectName();
    m_panel->setObjectName(QString());
}

void ExportGuard::setSaveFlags(bool includeData)
{
    auto *chart = qobject_cast<TCustomAxisPanel *>(m_panel.data());
    if (!chart)
        return;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries *series = chart->GetSeries(i);
        const bool known = std::any_of(m_flags.begin(), m_flags.end(),
                                       [&](const SeriesFlags &f) { return f.series == series; });
        if (!known)
            m_flags.push_back({series, series->NeverSaveData, series->ForceSaveData});
        series->ForceSaveData = includeData;
        series->NeverSaveData = !includeData;
    }
}

void ExportGuard::showBusyCursor()
{
    if (!m_busy)
        m_busy.emplace();
}
