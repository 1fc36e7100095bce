// The number of points of each diagram curve: the setting "ABP" and its bounds.
#pragma once

#include <QStringView>

// A curve needs both its ends.
inline constexpr int kMinDiagramPoints = 2;
// Our own bound: 100 000 points per curve still redraw at once. Zooming deep into a curve may
// ask for more one day; the settings dialog's note says the count may have to grow for zooms.
inline constexpr int kMaxDiagramPoints = 100000;
inline constexpr int kDefaultDiagramPoints = 250;

// A whole number from kMinDiagramPoints to kMaxDiagramPoints; blanks around it are allowed.
bool isValidDiagramPoints(QStringView text);

// The count a diagram draws for the stored text: a text that is no whole number gives the
// default, a number outside the bounds the nearer bound.
int diagramPointCount(QStringView text);
