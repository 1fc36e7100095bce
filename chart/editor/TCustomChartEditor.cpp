// Base of the chart editor components.
#include "TCustomChartEditor.h"

TCustomChartEditor::TCustomChartEditor(QObject *parent)
    : QObject(parent)
{
}
