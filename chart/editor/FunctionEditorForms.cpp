// The function editors, found by the names the functions answer.
#include "FunctionEditorForms.h"

#include "EditorRegistry.h"
#include "TAverageFuncEditor.h"
#include "TCustomFunctionEditor.h"
#include "TPlotFuncEditor.h"
#include "TPlotFunctionEditor.h"

namespace {

template <class Form>
EditorFormFactory optionsFactory()
{
    return [](QWidget *owner, QObject *tag) -> QWidget * { return new Form(owner, tag); };
}

} // namespace

void registerFunctionEditorForms()
{
    RegisterEditorForm(QStringLiteral("TPlotFuncEditor"), [](QWidget *owner, QObject *tag) -> QWidget * {
        auto *form = new TPlotFuncEditor(owner);
        form->SetTag(tag);
        return form;
    });
    RegisterEditorForm(QStringLiteral("TBaseFunctionEditor"), optionsFactory<TBaseFunctionEditor>());
    RegisterEditorForm(QStringLiteral("TPlotFunctionEditor"), optionsFactory<TPlotFunctionEditor>());
    RegisterEditorForm(QStringLiteral("TAverageFuncEditor"), optionsFactory<TAverageFuncEditor>());
    RegisterEditorForm(QStringLiteral("TCustomFunctionEditor"), optionsFactory<TCustomFunctionEditor>());
}
