// Registers the data grid: the "Manual" panel of the Data Source tab and the Data tab's page.
#pragma once

void registerChartGridForms();
