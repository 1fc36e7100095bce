// Giving a chart file's linked components their names for one save.
#include "ChartFileNames.h"

#include "ChartStreamText.h"
#include "ChartStreamWriter.h"
#include "PlotProcs.h"
#include "TChartSeries.h"
#include "TCustomAxisPanel.h"
#include "TPlotCustomTool.h"
#include "TPlotFunction.h"

namespace {

// The components a chart file holds, in the order it writes them: the series, each followed by
// its function, then the tools.
std::vector<QObject *> fileComponents(TCustomAxisPanel &chart)
{
    std::vector<QObject *> components;
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        TChartSeries *series = chart.GetSeries(i);
        components.push_back(series);
        if (series->FunctionType())
            components.push_back(series->FunctionType());
    }
    for (TPlotCustomTool *tool : chart.Tools().Items())
        components.push_back(tool);
    return components;
}

} // namespace

ChartFileNames::ChartFileNames(TCustomAxisPanel &chart)
{
    const std::vector<QObject *> components = fileComponents(chart);
    QSet<const QObject *> linked;
    // The chart keeps its name in the file in design state.
    QSet<QString> taken;
    if (!chart.objectName().isEmpty())
        taken.insert(chart.objectName());
    QSet<QString> claimed = taken;
    for (QObject *component : components) {
        m_components.insert(component);
        if (!component->objectName().isEmpty())
            taken.insert(component->objectName());
        for (const QObject *target : linkedComponents(*component))
            linked.insert(target);
    }
    for (QObject *component : components) {
        const QString name = component->objectName();
        // A name the file cannot hold (set by code) is replaced for the save, as a missing one.
        const bool holdable = isStreamIdentifier(name.toLatin1()) && name.toLatin1() == name.toUtf8();
        if (holdable && !claimed.contains(name)) {
            claimed.insert(name);
            continue;
        }
        if (name.isEmpty() && !linked.contains(component))
            continue;
        const QString given = PlotProcs::GetUniqueName([&taken](const QString &n) { return taken.contains(n); },
                                                       PlotProcs::componentNameBase(*component));
        taken.insert(given);
        claimed.insert(given);
        m_liveNames.emplace_back(component, name);
        component->setObjectName(given);
    }
}

ChartFileNames::~ChartFileNames()
{
    for (auto it = m_liveNames.rbegin(); it != m_liveNames.rend(); ++it)
        if (it->first)
            it->first->setObjectName(it->second);
}
