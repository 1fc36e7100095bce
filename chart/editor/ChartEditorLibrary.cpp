// Start of the chart editor library.
#include "ChartEditorLibrary.h"

#include "PlotProcs.h"
#include "PlotTranslate.h"

void registerChartEditor()
{
    PlotProcs::PlotTranslateHook() = PlotTranslate::TranslateControlTexts;
}
