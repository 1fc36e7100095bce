// The chart library's place in the program, set up once at start, before any window exists.
#pragma once

// Registers the chart library's classes, and sends its error boxes through the program's message
// service, with the error icon, under the program's name.
void setUpChartLibrary();
