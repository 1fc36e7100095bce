// Start of the chart editor library: installs the translation hook. The program calls it once
// after registerChartLibrary(); calling it again does nothing more.
#pragma once

void registerChartEditor();
