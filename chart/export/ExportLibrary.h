// Start of the export library: the export formats in their list order, the picture lookup of the
// text markup, and the chart classes saved files may name. The program calls it once after
// registerChartEditor(); calling it again does nothing more.
#pragma once

void registerExportFormats();
