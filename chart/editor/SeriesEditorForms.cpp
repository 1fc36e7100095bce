// The per-type series editors, found by the series editor's Format tab through their names.
#include "SeriesEditorForms.h"

#include "EditorRegistry.h"
#include "TAreaSeriesEditor.h"
#include "TArrowSeriesEditor.h"
#include "TBarSeriesEditor.h"
#include "TBubbleSeriesEditor.h"
#include "TChartShapeEditor.h"
#include "TCircledSeriesEditor.h"
#include "TGanttSeriesEditor.h"
#include "TPieSeriesEditor.h"
#include "TCustomSeriesEditor.h"
#include "TFastLineSeriesEditor.h"
#include "TSeriesPointerEditor.h"

namespace {

template <class Form>
EditorFormFactory formFactory()
{
    return [](QWidget *owner, QObject *tag) -> QWidget * { return new Form(owner, tag); };
}

} // namespace

void registerSeriesEditorForms()
{
    RegisterEditorForm(QStringLiteral("TSeriesPointerEditor"), formFactory<TSeriesPointerEditor>());
    RegisterEditorForm(QStringLiteral("TBubbleSeriesEditor"), formFactory<TBubbleSeriesEditor>());
    RegisterEditorForm(QStringLiteral("TCustomSeriesEditor"), formFactory<TCustomSeriesEditor>());
    RegisterEditorForm(QStringLiteral("TFastLineSeriesEditor"), formFactory<TFastLineSeriesEditor>());
    RegisterEditorForm(QStringLiteral("TAreaSeriesEditor"), formFactory<TAreaSeriesEditor>());
    RegisterEditorForm(QStringLiteral("TBarSeriesEditor"), formFactory<TBarSeriesEditor>());
    RegisterEditorForm(QStringLiteral("TStackBarSeriesEditor"), formFactory<TStackBarSeriesEditor>());
    RegisterEditorForm(QStringLiteral("TPieSeriesEditor"), formFactory<TPieSeriesEditor>());
    RegisterEditorForm(QStringLiteral("TCircledSeriesEditor"), formFactory<TCircledSeriesEditor>());
    RegisterEditorForm(QStringLiteral("TArrowSeriesEditor"), formFactory<TArrowSeriesEditor>());
    RegisterEditorForm(QStringLiteral("TGanttSeriesEditor"), formFactory<TGanttSeriesEditor>());
    RegisterEditorForm(QStringLiteral("TChartShapeEditor"), formFactory<TChartShapeEditor>());
}
