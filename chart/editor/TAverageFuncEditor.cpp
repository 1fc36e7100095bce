// The average function's options.
#include "TAverageFuncEditor.h"

#include "EditorWidgets.h"
#include "PlotFunctions.h"

#include <QCheckBox>
#include <QGridLayout>

TAverageFuncEditor::TAverageFuncEditor(QWidget *parent, QObject *tag)
    : TPlotFunctionEditor(parent, tag)
{
    setObjectName(QStringLiteral("AverageFuncEditor"));
    CBNulls = EditorWidgets::named(new QCheckBox(QStringLiteral("&Include Null values"), this), "CBNulls");
    grid()->addWidget(CBNulls, 3, 0, 1, 2);
    connect(CBNulls, &QCheckBox::toggled, this, [this] { MarkChanged(); });
}

void TAverageFuncEditor::ShowFunctionSettings()
{
    TPlotFunctionEditor::ShowFunctionSettings();
    if (auto *average = qobject_cast<TAveragePlotFunction *>(TheFunction()))
        CBNulls->setChecked(average->IncludeNulls());
}

void TAverageFuncEditor::StoreFunctionSettings()
{
    TPlotFunctionEditor::StoreFunctionSettings();
    if (auto *average = qobject_cast<TAveragePlotFunction *>(TheFunction()))
        average->SetIncludeNulls(CBNulls->isChecked());
}
