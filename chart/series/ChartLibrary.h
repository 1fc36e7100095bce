// Start-up of the chart component library: registers its classes in the documented order.
#pragma once

// Registers the chart, its titles and walls, then the series, function and tool units of this
// library with the class registry. The program and every test program call it once at start,
// before any chart is made from a class name; later calls register nothing new. A library built
// on this one has its own start-up function, called after this one.
void registerChartLibrary();
