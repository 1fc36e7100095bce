// The per-type series editors, found by the series editor's Format tab through their names.
#include "SeriesEditorForms.h"

#include "EditorRegistry.h"
#include "TBubbleSeriesEditor.h"
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
}
