// The library texts that the chart editor form and the series editor read, by their numbers in
// the library's table, so that a language unit renames them.
#pragma once

#include "PlotConst.h"

namespace ChartEditorTexts {

enum Number : int {
    msgStack = 32,
    msgEditingChart = 46, // "Editing %s"
    msgChangeSeriesTitle = 70,
    msgNewSeriesTitle = 71,
    msgTopAxis = 73,
    msgBottomAxis = 74,
    msgLeftAxis = 75,
    msgRightAxis = 76,
    msgDeleteName = 77, // "Delete %s ?"
    msgApplyChanges = 86,
    msgEditorWidth = 90, // "414"
    msgEditorHeight = 91, // "347"
    msgCustomAxis = 152, // "Custom "
    msgAll = 166, // "(all)"
    msgAddNewGroup = 245,
    msgChangeGroupName = 246,
    msgGroupName = 247,
};

inline QString text(Number number)
{
    return PlotConst::message(number);
}

} // namespace ChartEditorTexts
