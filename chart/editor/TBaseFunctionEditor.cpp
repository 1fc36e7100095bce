// The base of the function option forms.
#include "TBaseFunctionEditor.h"

#include "ChartClassRegistry.h"
#include "EditorSetter.h"
#include "PlotProcs.h"

#include <memory>

TBaseFunctionEditor::TBaseFunctionEditor(QWidget *parent, QObject *tag)
    : QWidget(parent)
    , m_series(qobject_cast<TChartSeries *>(tag))
{
    setObjectName(QStringLiteral("BaseFunctionEditor"));
}

void TBaseFunctionEditor::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Showing = true;
    m_function = m_series ? m_series->FunctionType() : nullptr;
    if (m_function)
        ShowFunctionSettings();
    Showing = false;
}

void TBaseFunctionEditor::MarkChanged()
{
    if (!Showing)
        Q_EMIT Changed();
}

bool TBaseFunctionEditor::FormCloseQuery()
{
    if (!m_series)
        return true;
    // A text that does not convert must not leave a function made and not given, nor half stored.
    if (!ValidateSettings())
        return false;
    if (!m_function)
        m_function = m_series->FunctionType();
    std::unique_ptr<TPlotFunction> made;
    if (!m_function && FunctionClass && FunctionClass->factory) {
        std::unique_ptr<QObject> object = FunctionClass->factory();
        if (auto *function = qobject_cast<TPlotFunction *>(object.get())) {
            object.release();
            made.reset(function);
            m_function = function;
        }
    }
    if (!m_function)
        return true;
    TPlotFunction *function = m_function;
    const bool stored = editorSet([&] {
        function->BeginUpdate();
        struct EndUpdate
        {
            TPlotFunction *f;
            ~EndUpdate() { f->EndUpdate(); }
        };
        const EndUpdate ending{function};
        StoreFunctionSettings();
    });
    if (!stored)
        return false;
    if (made && !m_series->FunctionType()) {
        made->setObjectName(PlotProcs::GetUniqueName(m_series->parent(), QStringLiteral("PlotFunction")));
        m_series->SetFunction(made.release());
    }
    return true;
}
