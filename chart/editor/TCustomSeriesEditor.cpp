// The line series editor.
#include "TCustomSeriesEditor.h"

#include "EditorWidgets.h"
#include "PlotConst.h"
#include "PlotPenDlg.h"
#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TCustomSeries.h"
#include "TLineSeries.h"
#include "TPlotButton.h"
#include "TPlotShadowEditor.h"
#include "TSeriesPointerEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace EditorWidgets;

namespace {

constexpr int kMaxLineHeight = 1000;

} // namespace

TCustomSeriesEditor::TCustomSeriesEditor(QWidget *parent, QObject *tag)
    : SeriesFormatForm(parent, tag)
{
    setObjectName(QStringLiteral("CustomSeriesEditor"));
    auto series = [this] { return TheSeries(); };
    BColor = addSeriesColorButton("BLineColor");
    BLinePen = named(new TButtonPen(this), "BLinePen");
    BLinePen->setText(QStringLiteral("&Border..."));
    CBColorEach = addCheck(QStringLiteral("Color &Each"), "CBColorEach", [this, series](bool on) {
        series()->SetColorEachPoint(on);
        BColor->setEnabled(!on);
    });
    CBColorEachLine = addCheck(QStringLiteral("Color Each line"), "CBColorEachLine",
                               [series](bool on) { series()->SetColorEachLine(on); });
    CBStack = addCombo("CBStack",
                       {QStringLiteral("None"), QStringLiteral("Overlap"), QStringLiteral("Stack"),
                        QStringLiteral("Stack 100%")},
                       [series](int index) { series()->SetStacked(TCustomSeriesStack(index)); });
    CBClickable = addCheck(QStringLiteral("Clic&kable"), "CBClickable",
                           [series](bool on) { series()->SetClickableLine(on); });
    GBLineMode = named(new QGroupBox(QStringLiteral("Line Mode:"), this), "GBLineMode");
    CBStairs = addCheck(QStringLiteral("&Stairs"), "CBStairs", [this, series](bool on) {
        series()->SetStairs(on);
        CBInvStairs->setEnabled(on);
    });
    CBInvStairs = addCheck(QStringLiteral("&Inverted"), "CBInvStairs",
                           [series](bool on) { series()->SetInvertedStairs(on); });
    CBStairs->setParent(GBLineMode);
    CBInvStairs->setParent(GBLineMode);
    auto *modes = new QVBoxLayout(GBLineMode);
    modes->addWidget(CBStairs);
    modes->addWidget(CBInvStairs);
    CBDark3D = addCheck(QStringLiteral("&Dark 3D"), "CBDark3D", [series](bool on) { series()->SetDark3D(on); });
    SEHeight3D = addSpin("SEHeight3D", 0, kMaxLineHeight, 1, [series](int value) { series()->SetLineHeight(value); });
    LHeight3D = label(this, QStringLiteral("&Height 3D:"), SEHeight3D, "LHeight3D");
    BOutline = named(new TButtonPen(this), "BOutline");
    BOutline->setText(QStringLiteral("&Outline..."));
    BPattern = named(new QPushButton(QStringLiteral("&Pattern..."), this), "BLinePattern");
    BShadow = named(new QPushButton(QStringLiteral("S&hadow..."), this), "BShadow");

    auto *grid = new QGridLayout(this);
    grid->addWidget(BColor, 0, 0);
    grid->addWidget(BLinePen, 1, 0);
    grid->addWidget(BPattern, 2, 0);
    grid->addWidget(BOutline, 3, 0);
    grid->addWidget(BShadow, 4, 0);
    grid->addWidget(CBColorEach, 0, 1);
    grid->addWidget(CBColorEachLine, 1, 1);
    grid->addWidget(CBClickable, 2, 1);
    grid->addWidget(CBDark3D, 3, 1);
    grid->addWidget(label(this, QStringLiteral("S&tack:"), CBStack, "LStack"), 0, 2);
    grid->addWidget(CBStack, 0, 3);
    grid->addWidget(GBLineMode, 1, 2, 2, 2);
    grid->addWidget(LHeight3D, 3, 2);
    grid->addWidget(SEHeight3D, 3, 3);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(4, 1);

    // The colour and the line pen show in each other's swatch.
    connect(BColor, &TButtonColor::OnClick, BLinePen, qOverload<>(&QWidget::update));
    connect(BLinePen, &TButtonPen::OnClick, BColor, qOverload<>(&QWidget::update));
    connect(BPattern, &QPushButton::clicked, this, [this] {
        if (TheSeries())
            EditChartBrush(this, *TheSeries()->Brush());
    });
    connect(BShadow, &QPushButton::clicked, this, &TCustomSeriesEditor::editShadow);
}

TCustomSeries *TCustomSeriesEditor::TheSeries() const
{
    return qobject_cast<TCustomSeries *>(Tag());
}

void TCustomSeriesEditor::FirstShow()
{
    if (TheSeries())
        InsertPointerEditorTab(this, TheSeries(), PlotConst::message(PlotConst::msgGalleryPoint));
}

void TCustomSeriesEditor::FillControls()
{
    TCustomSeries *series = TheSeries();
    if (!series)
        return;
    const QSignalBlocker blocker(SEHeight3D);
    fillSeriesColorButton(BColor, series);
    BLinePen->LinkPen(series->LinePen());
    BOutline->LinkPen(series->OutLine());
    CBColorEach->setChecked(series->ColorEachPoint());
    CBColorEachLine->setChecked(series->ColorEachLine());
    CBStack->setCurrentIndex(int(series->Stacked()));
    CBClickable->setChecked(series->ClickableLine());
    CBStairs->setChecked(series->Stairs());
    CBInvStairs->setChecked(series->InvertedStairs());
    CBInvStairs->setEnabled(series->Stairs());
    CBDark3D->setChecked(series->Dark3D());
    SEHeight3D->setValue(series->LineHeight());
    const bool line = qobject_cast<TLineSeries *>(series) != nullptr;
    PlotPenDlg::ShowControls(line, {GBLineMode, CBDark3D, LHeight3D, SEHeight3D, BPattern, BOutline});
}

void TCustomSeriesEditor::editShadow()
{
    if (TheSeries())
        EditLineShadow(this, *TheSeries()->Shadow());
}

bool EditLineShadow(QWidget *owner, TPlotShadow &shadow)
{
    const auto editor = PlotPenDlg::CreateEditorForm<TPlotShadowEditor>(owner);
    editor->RefreshControls(&shadow);
    for (const char *name : {"LEShadowTransp", "EShadowTransp", "CBSmooth"})
        if (auto *control = editor->findChild<QWidget *>(QString::fromLatin1(name)))
            control->hide();
    return editor->exec() == QDialog::Accepted;
}
