// The options of the custom function.
#include "TCustomFunctionEditor.h"

#include "EditorConvert.h"
#include "EditorWidgets.h"
#include "NumberFormat.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "TCustomPlotFunction.h"
#include "platform/MessageService.h"

#include <QGridLayout>
#include <QLineEdit>

#include <cmath>
#include <limits>

using EditorWidgets::named;

TCustomFunctionEditor::TCustomFunctionEditor(QWidget *parent, QObject *tag)
    : TBaseFunctionEditor(parent, tag)
{
    setObjectName(QStringLiteral("CustomFunctionEditor"));
    auto *grid = new QGridLayout(this);
    EStartX = named(new QLineEdit(QStringLiteral("0"), this), "EStartX");
    EStep = named(new QLineEdit(QStringLiteral("1"), this), "EStep");
    ENumPoints = named(new QLineEdit(QStringLiteral("100"), this), "ENumPoints");
    grid->addWidget(EditorWidgets::label(this, QStringLiteral("&Start X:"), EStartX, "LabelStartX"), 0, 0);
    grid->addWidget(EStartX, 0, 1);
    grid->addWidget(EditorWidgets::label(this, QStringLiteral("S&tep:"), EStep, "LabelStep"), 1, 0);
    grid->addWidget(EStep, 1, 1);
    grid->addWidget(EditorWidgets::label(this, QStringLiteral("&Num. points:"), ENumPoints, "LabelNumPoints"), 2, 0);
    grid->addWidget(ENumPoints, 2, 1);
    grid->setRowStretch(3, 1);
    for (QLineEdit *edit : {EStartX, EStep, ENumPoints})
        connect(edit, &QLineEdit::textChanged, this, [this] { MarkChanged(); });
}

void TCustomFunctionEditor::ShowFunctionSettings()
{
    auto *custom = qobject_cast<TCustomPlotFunction *>(TheFunction());
    if (!custom)
        return;
    EStartX->setText(PlotFormat::FloatToStr(custom->StartX()));
    EStep->setText(PlotFormat::FloatToStr(custom->Period()));
    ENumPoints->setText(QString::number(custom->NumPoints()));
}

TCustomFunctionEditor::Values TCustomFunctionEditor::read() const
{
    Values v;
    v.startX = EditorConvert::textToNumber(EStartX->text());
    v.step = EditorConvert::textToNumber(EStep->text());
    // The function refuses a negative period; say so before anything is made.
    if (v.step < 0)
        throw PlotConvertError(PlotConst::message(PlotConst::msgFunctionPeriod));
    const double count = EditorConvert::textToNumber(ENumPoints->text());
    if (count < 0 || count != std::floor(count) || count > std::numeric_limits<int>::max())
        throw PlotConvertError(PlotConst::plotFormat(PlotConst::message(PlotConst::msgNotANumberOfPoints), {ENumPoints->text().trimmed()}));
    v.numPoints = int(count);
    return v;
}

bool TCustomFunctionEditor::ValidateSettings()
{
    try {
        read();
        return true;
    } catch (const PlotException &e) {
        showMessage(EditorConvert::incorrectValueMessage(e.message()), QString(), MbOk | MbIconError);
        return false;
    }
}

void TCustomFunctionEditor::StoreFunctionSettings()
{
    auto *custom = qobject_cast<TCustomPlotFunction *>(TheFunction());
    if (!custom)
        return;
    const Values v = read();
    custom->SetStartX(v.startX);
    custom->SetPeriod(v.step);
    custom->SetNumPoints(v.numPoints);
}
