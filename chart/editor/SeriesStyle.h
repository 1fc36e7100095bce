// The meaning the editors give to a series' six style bits, and which series have one colour.
#pragma once

class TChartSeries;

enum SeriesStyleBit : int {
    ssIsTemplate = 1,
    ssDenyChangeType = 2,
    ssDenyDelete = 4,
    ssDenyClone = 8,
    ssIsPersistent = 16,
    ssHideDataSource = 32,
};

// False for series that colour each point by themselves (a pie): no series colour to edit.
bool SeriesHasSingleColor(const TChartSeries &series);
