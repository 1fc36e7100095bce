// The Gantt series editor.
#include "TGanttSeriesEditor.h"

#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "PlotConst.h"
#include "TButtonPen.h"
#include "TGanttSeries.h"
#include "TPlotButton.h"
#include "TSeriesPointerEditor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace EditorWidgets;

namespace {

constexpr int kMaxHeight = 1000;

} // namespace

TGanttSeriesEditor::TGanttSeriesEditor(QWidget *parent, QObject *tag)
    : SeriesFormatForm(parent, tag)
{
    setObjectName(QStringLiteral("GanttSeriesEditor"));
    auto series = [this] { return TheSeries(); };
    SEPointVertSize = addSpin("SEPointVertSize", 1, kMaxHeight, 1,
                              [series](int value) { series()->Pointer()->SetVertSize(value); });
    BConnLines = named(new TButtonPen(this), "BConnLines");
    BConnLines->setText(QStringLiteral("Co&nnecting Lines..."));
    SETransparency = addSpin("SETransparency", 0, 100, 5, [series](int value) { series()->SetTransparency(value); });
    CBColorEach = addCheck(QStringLiteral("Color &Each"), "CBColorEach",
                           [series](bool on) { series()->SetColorEachPoint(on); });
    BGanttColor = addSeriesColorButton("BGanttColor");
    auto *grid = new QGridLayout(this);
    grid->addWidget(label(this, QStringLiteral("&Height:"), SEPointVertSize, "LHeight"), 0, 0);
    grid->addWidget(SEPointVertSize, 0, 1);
    grid->addWidget(label(this, QStringLiteral("&Transparency:"), SETransparency, "LTransparency"), 1, 0);
    grid->addWidget(SETransparency, 1, 1);
    grid->addWidget(BConnLines, 0, 2);
    grid->addWidget(CBColorEach, 1, 2);
    grid->addWidget(BGanttColor, 2, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(3, 1);

    // One colour for every bar: the points' own colours give way.
    connect(BGanttColor, &TButtonColor::OnClick, this, [this] {
        if (TheSeries() && editorSet([this] { TheSeries()->SetColorEachPoint(false); }))
            Refill();
    });
}

TGanttSeries *TGanttSeriesEditor::TheSeries() const
{
    return qobject_cast<TGanttSeries *>(Tag());
}

void TGanttSeriesEditor::FirstShow()
{
    if (!TheSeries())
        return;
    if (auto *pointer = qobject_cast<TSeriesPointerEditor *>(
            InsertPointerEditorTab(this, TheSeries(), PlotConst::message(PlotConst::msgGalleryGantt))))
        pointer->HideSizeControls();
}

void TGanttSeriesEditor::FillControls()
{
    TGanttSeries *series = TheSeries();
    if (!series)
        return;
    const QSignalBlocker b1(SEPointVertSize), b2(SETransparency);
    SEPointVertSize->setValue(series->Pointer()->VertSize());
    BConnLines->LinkPen(series->ConnectingPen());
    SETransparency->setValue(series->Transparency());
    CBColorEach->setChecked(series->ColorEachPoint());
    // Unlike the other forms the colour stays available: choosing one ends the points' own colours.
    LinkSeriesColor(*BGanttColor, series);
}
