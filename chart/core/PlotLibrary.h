// What the chart library sets up once when it starts: font substitutions and the default font.
#pragma once

#include <QString>

// Idempotent; every TPlotCanvas3D constructor runs it, so no caller can forget it.
void PlotLibraryStart();

// Charts name the Windows fonts Arial and Courier New. Qt consults these substitutes only where
// the family itself is not installed: Liberation Sans and Liberation Mono have the same metrics.
void PlotInstallFontSubstitutions();

// The library's default font, computed at start from the library's texts ("Arial", 8 points);
// under a Japanese user locale the system font takes its place, its size as a pixel height.
QString PlotDefaultFontName();
int PlotDefaultFontSize();
