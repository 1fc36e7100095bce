// Start of the chart editor library: installs the translation hook and registers the editor form
// and its Print page. The program calls it once after registerChartLibrary(); calling it again
// registers the same entries again.
#pragma once

void registerChartEditor();
