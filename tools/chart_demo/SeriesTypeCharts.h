// The demo's charts of the bubble, Gantt and shape series, with fixed data: the same picture on
// every run and every day.
#pragma once

#include <QString>

class TChart;

namespace SeriesTypeCharts {

// Eight bubbles, squared, on a bottom axis of 0..10 and a left axis of 0..100.
void fillBubbles(TChart &chart);
// Seven tasks from 4 March 2024, joined to their following tasks, over date labels a week apart.
void fillGantt(TChart &chart);
// The fourteen shape styles in a grid, each named inside its shape.
void fillShapes(TChart &chart);

// The charts by name, for the demo's window and its pictures.
struct Scene
{
    const char *name;
    void (*fill)(TChart &chart);
};
inline constexpr Scene kScenes[] = {{"bubble-series", fillBubbles}, {"gantt-series", fillGantt}, {"shape-series", fillShapes}};

} // namespace SeriesTypeCharts
