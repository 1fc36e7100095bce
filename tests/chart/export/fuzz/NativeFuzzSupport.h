// Shared part of the native chart file fuzz targets: the libraries started once, offscreen, and
// the oracles beyond the sanitizers.
#pragma once

#include <QByteArray>

// Makes the offscreen application and starts the chart, editor and export libraries.
void startChartLibraries(int *argc, char ***argv);

// Reads a native file's bytes under a parent widget. Only a PlotException may leave the reader;
// after one nothing is left under the parent; an accepted file gives a chart whose own save reads
// again. A broken oracle aborts, which libFuzzer reports as a finding.
void readNativeChecked(const QByteArray &bytes);
// The same, and an accepted chart is drawn on a 400 x 300 picture; an exception there aborts.
void readAndDrawChecked(const QByteArray &bytes);
