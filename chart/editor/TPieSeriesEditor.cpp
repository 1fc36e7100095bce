// The pie series editor.
#include "TPieSeriesEditor.h"

#include "EditorRegistry.h"
#include "EditorWidgets.h"
#include "NumberFormat.h"
#include "PlotConst.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "TButtonPen.h"
#include "TChartLegend.h"
#include "TCircledSeriesEditor.h"
#include "TCustomAxisPanel.h"
#include "TFormPlotSeries.h"
#include "TPieOtherSlice.h"
#include "TPieSeries.h"
#include "TPlotButton.h"
#include "TPlotGradientEditor.h"
#include "TPlotShadowEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace EditorWidgets;

namespace {

// The legend page's form, registered by the chart editor's legend unit; edits one legend (its tag).
const QString kLegendFormName = QStringLiteral("TFormPlotLegend");
constexpr int kCircledText = 34; // the library's "Circled"

} // namespace

TPieSeriesEditor::TPieSeriesEditor(QWidget *parent, QObject *tag)
    : SeriesFormatForm(parent, tag)
{
    setObjectName(QStringLiteral("PieSeriesEditor"));
    auto series = [this] { return TheSeries(); };
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabOptions = EditorWidgets::tabPage(PageControl1, "TabOptions", QStringLiteral("Options"));
    TabGroup = EditorWidgets::tabPage(PageControl1, "TabGroup", QStringLiteral("Group Slices"));
    TabColors = EditorWidgets::tabPage(PageControl1, "TabColors", QStringLiteral("Colors"));
    (new QVBoxLayout(this))->addWidget(PageControl1);

    SEExplode = addSpin("SEExplode", 0, 100, 5, [series](int value) { series()->SetExplodeBiggest(value); });
    SEAngleSize = addSpin("SEAngleSize", 1, 360, 5, [series](int value) { series()->SetAngleSize(value); });
    CBDark3D = addCheck(QStringLiteral("&Dark 3D"), "CBDark3D", [series](bool on) { series()->SetDark3D(on); });
    SEDarkPen = addSpin("SEDarkPen", 0, 255, 5, [series](int value) { series()->SetDarkPen(value); });
    CBPatterns = addCheck(QStringLiteral("Pa&tterns"), "CBPatterns", [series](bool on) { series()->SetUsePatterns(on); });
    BPiePen = named(new TButtonPen(this), "BPiePen");
    BPiePen->setText(QStringLiteral("&Border..."));
    BShadow = named(new QPushButton(QStringLiteral("S&hadow..."), this), "BShadow");
    CBAutoMarkPos = addCheck(QStringLiteral("&Auto Mark Position"), "CBAutoMarkPos",
                             [series](bool on) { series()->SetAutoMarkPosition(on); });
    BGradient = named(new TButtonGradient(this), "BPieGradient");
    BGradient->setText(QStringLiteral("3D &Gradient..."));
    CBMultiPie = addCombo("CBMultiPie", {QStringLiteral("Automatic"), QStringLiteral("Disable")},
                          [series](int index) { series()->SetMultiPie(TMultiPie(index)); });
    auto *options = new QGridLayout(TabOptions);
    options->addWidget(label(this, QStringLiteral("&Explode biggest:"), SEExplode, "LExplode"), 0, 0);
    options->addWidget(SEExplode, 0, 1);
    options->addWidget(label(this, QStringLiteral("Total angle:"), SEAngleSize, "LAngleSize"), 1, 0);
    options->addWidget(SEAngleSize, 1, 1);
    options->addWidget(label(this, QStringLiteral("Dark Border:"), SEDarkPen, "LDarkPen"), 2, 0);
    options->addWidget(SEDarkPen, 2, 1);
    options->addWidget(label(this, QStringLiteral("&Multiple Pies:"), CBMultiPie, "LMultiPie"), 3, 0);
    options->addWidget(CBMultiPie, 3, 1);
    options->addWidget(CBDark3D, 0, 2);
    options->addWidget(CBPatterns, 1, 2);
    options->addWidget(CBAutoMarkPos, 2, 2);
    options->addWidget(BPiePen, 0, 3);
    options->addWidget(BShadow, 1, 3);
    options->addWidget(BGradient, 2, 3);
    options->setRowStretch(4, 1);
    options->setColumnStretch(4, 1);
    adoptLayoutWidgets(TabOptions);

    CBOther = addCombo("CBOther", {QStringLiteral("None"), QStringLiteral("Below %"), QStringLiteral("Below Value")},
                       [this, series](int index) {
                           series()->OtherSlice()->SetStyle(TPieOtherStyle(index));
                           enableOtherControls();
                       });
    // A text that is no number yet ("-", "1a") keeps the stored value.
    EOtherValue = addNumberEdit("EOtherValue", [series](double value) { series()->OtherSlice()->SetValue(value); });
    EOtherLabel = named(new QLineEdit(this), "EOtherLabel");
    connect(EOtherLabel, &QLineEdit::textEdited, this,
            [this](const QString &text) { Write([&] { TheSeries()->OtherSlice()->SetText(text); }); });
    BLegend = named(new QPushButton(QStringLiteral("Le&gend..."), this), "BLegend");
    auto *group = new QGridLayout(TabGroup);
    group->addWidget(label(this, QStringLiteral("&Style:"), CBOther, "LOtherStyle"), 0, 0);
    group->addWidget(CBOther, 0, 1);
    group->addWidget(label(this, QStringLiteral("&Value:"), EOtherValue, "LOtherValue"), 1, 0);
    group->addWidget(EOtherValue, 1, 1);
    group->addWidget(label(this, QStringLiteral("&Label:"), EOtherLabel, "LOtherLabel"), 2, 0);
    group->addWidget(EOtherLabel, 2, 1);
    group->addWidget(BLegend, 3, 1);
    group->setRowStretch(4, 1);
    group->setColumnStretch(2, 1);
    adoptLayoutWidgets(TabGroup);

    CBColorEach = addCheck(QStringLiteral("Color &Each slice"), "CBColorEach", [this, series](bool on) {
        series()->SetColorEachPoint(on);
        BPieColor->setEnabled(!on);
    });
    BPieColor = addSeriesColorButton("BPieColor");
    auto *colors = new QGridLayout(TabColors);
    colors->addWidget(CBColorEach, 0, 0);
    colors->addWidget(BPieColor, 1, 0);
    colors->setRowStretch(2, 1);
    colors->setColumnStretch(1, 1);
    adoptLayoutWidgets(TabColors);

    connect(BShadow, &QPushButton::clicked, this, [this] {
        if (TheSeries())
            EditShadow(this, *TheSeries()->Shadow());
    });
    connect(BLegend, &QPushButton::clicked, this, &TPieSeriesEditor::editOtherLegend);
}

TPieSeries *TPieSeriesEditor::TheSeries() const
{
    return qobject_cast<TPieSeries *>(Tag());
}

void TPieSeriesEditor::FirstShow()
{
    if (!TheSeries())
        return;
    auto *circled = qobject_cast<TCircledSeriesEditor *>(InsertEditorTab(
        this, [](QWidget *owner, QObject *edited) -> QWidget * { return new TCircledSeriesEditor(owner, edited); },
        TheSeries(), PlotConst::message(kCircledText), 1));
    if (circled)
        circled->HideBackgroundControls();
}

void TPieSeriesEditor::FillControls()
{
    TPieSeries *series = TheSeries();
    if (!series)
        return;
    const QSignalBlocker b1(SEExplode), b2(SEAngleSize), b3(SEDarkPen);
    SEExplode->setValue(series->ExplodeBiggest());
    SEAngleSize->setValue(series->AngleSize());
    CBDark3D->setChecked(series->Dark3D());
    CBDark3D->setEnabled(series->ParentChart() && series->ParentChart()->View3D());
    SEDarkPen->setValue(series->DarkPen());
    CBPatterns->setChecked(series->UsePatterns());
    BPiePen->LinkPen(series->PiePen());
    CBAutoMarkPos->setChecked(series->AutoMarkPosition());
    BGradient->LinkGradient(series->Gradient());
    CBMultiPie->setCurrentIndex(series->MultiPie() == mpAutomatic ? 0 : 1);
    const TPieOtherSlice &other = *series->OtherSlice();
    CBOther->setCurrentIndex(int(other.Style()));
    // The field being typed into keeps the user's text.
    if (!EOtherValue->hasFocus())
        EOtherValue->setText(PlotFormat::FloatToStr(other.Value()));
    if (!EOtherLabel->hasFocus())
        EOtherLabel->setText(other.Text());
    BLegend->setVisible(bool(FindEditorForm(kLegendFormName)));
    enableOtherControls();
    CBColorEach->setChecked(series->ColorEachPoint());
    fillSeriesColorButton(BPieColor, series);
}

void TPieSeriesEditor::enableOtherControls()
{
    const bool grouping = TheSeries() && TheSeries()->OtherSlice()->Style() != poNone;
    for (QWidget *w : {static_cast<QWidget *>(EOtherValue), static_cast<QWidget *>(EOtherLabel)})
        w->setEnabled(grouping);
}

void TPieSeriesEditor::editOtherLegend()
{
    const EditorFormFactory legendForm = FindEditorForm(kLegendFormName);
    TPieSeries *series = TheSeries();
    if (!legendForm || !series)
        return;
    const auto dialog = PlotPenDlg::CreateEditorForm<QDialog>(this);
    dialog->setObjectName(QStringLiteral("OtherSliceLegendDialog"));
    dialog->setWindowTitle(BLegend->text().remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    if (QWidget *page = legendForm(dialog.get(), series->OtherSlice()->Legend())) {
        (new QVBoxLayout(dialog.get()))->addWidget(page);
        PlotProcs::PlotTranslateControl(dialog.get());
        dialog->exec();
    }
}
