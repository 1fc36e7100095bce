// The diagram window.
#include "app/diagram/TKurveDlg.h"

#include "app/core/DiagramPoints.h"
#include "app/core/PressureUnits.h"
#include "app/core/TemperatureUnits.h"
#include "app/data/LanguageTables.h"
#include "app/diagram/NamedControl.h"
#include "app/diagram/DiagramContent.h"
#include "app/diagram/TMeddazuDlg.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TForm1.h"
#include "app/windows/UnitComboBox.h"
#include "chart/core/PlotConst.h"
#include "chart/core/PlotException.h"
#include "chart/core/PlotProcs.h"
#include "chart/editor/PlotGerman.h"
#include "chart/editor/TChartEditor.h"
#include "chart/editor/TChartPreviewer.h"
#include "chart/engine/PlotEngine.h"
#include "chart/engine/TChartAxis.h"
#include "chart/engine/TChartAxisTitle.h"
#include "chart/series/TChart.h"
#include "chart/series/TChartLegend.h"
#include "chart/series/TChartTitle.h"
#include "chart/series/TChartWall.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPageNumTool.h"
#include "platform/BusyCursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 692;
constexpr int kClientHeight = 472;
constexpr int kPanelHeight = 72;
constexpr int kChartMarginPercent = 2;
constexpr int kPrintMargin = 10;
constexpr int kTitlePixelHeight = -13; // negative: pixels, not points
constexpr int kFootPixelHeight = -9;
// A logarithmic pressure axis labels its decades as plain numbers down to 1e-10; the usual
// "#,##0.###" would write every decade below 1e-3 as "0".
const char *const kLogPressureFormat = "#,##0.##########";

} // namespace

TKurveDlg::TKurveDlg(const DiagramHost &host, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
    , m_ownLook(std::make_unique<TChart>())
{
    setObjectName(QStringLiteral("KurveDlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("Tensimo-Diagramm"));
    resize(kClientWidth, kClientHeight);

    Chart1 = named(new TChart(this), "Chart1");
    applyOwnLook(*Chart1);
    applyOwnLook(*m_ownLook);
    ChartTool1 = new TPageNumTool(Chart1);
    ChartTool1->setObjectName(QStringLiteral("ChartTool1"));
    ChartTool1->SetParentChart(Chart1);
    ChartTool1->SetActive(false);
    ChartTool1->Callout()->Arrow()->SetVisible(false);
    Panel2 = named(new QFrame(this), "Panel2");
    Panel2->setFixedHeight(kPanelHeight);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Logarithmische Achse"), Panel2), "CheckBox1");
    Label1 = named(new QLabel(QStringLiteral("Temperatur"), Panel2), "Label1");
    ComboBox1 = named(new QComboBox(Panel2), "ComboBox1");
    Label2 = named(new QLabel(QStringLiteral("Dampfdruck"), Panel2), "Label2");
    ComboBox2 = named(new QComboBox(Panel2), "ComboBox2");
    BitBtn1 = named(new QPushButton(QStringLiteral("Diagramm drucken"), Panel2), "BitBtn1");
    BitBtn2 = named(new QPushButton(QStringLiteral("Medium hinzufügen"), Panel2), "BitBtn2");
    BitBtn3 = named(new QPushButton(QStringLiteral("&Schließen"), Panel2), "BitBtn3");
    BitBtn4 = named(new QPushButton(QStringLiteral("Diagramm bearbeiten"), Panel2), "BitBtn4");
    ChartPreviewer1 = new TChartPreviewer(this);
    ChartPreviewer1->setObjectName(QStringLiteral("ChartPreviewer1"));
    ChartPreviewer1->SetChart(Chart1);
    ChartEditor1 = new TChartEditor(this);
    ChartEditor1->setObjectName(QStringLiteral("ChartEditor1"));
    ChartEditor1->SetChart(Chart1);
    ChartEditor1->DefaultTab = cetAllSeries;
    ChartEditor1->HideTabs = {cetMain, cetGeneral, cetSeriesData, cetExportNative, cetTools};
    ChartEditor1->Options = TChartEditorOptions(ceChange | ceTitle | ceGroupAll | ceOrderSeries);
    ChartEditor1->RememberPosition = true;
    ChartEditor1->TreeView = true;

    auto *strip = new QGridLayout(Panel2);
    strip->addWidget(CheckBox1, 0, 0, 1, 2);
    strip->addWidget(Label1, 1, 0);
    strip->addWidget(ComboBox1, 1, 1);
    strip->addWidget(Label2, 1, 2);
    strip->addWidget(ComboBox2, 1, 3);
    strip->addWidget(BitBtn2, 0, 4);
    strip->addWidget(BitBtn1, 1, 4);
    strip->addWidget(BitBtn4, 0, 5);
    strip->addWidget(BitBtn3, 1, 5);
    strip->setColumnStretch(3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Chart1, 1);
    layout->addWidget(Panel2);

    connect(CheckBox1, &QCheckBox::clicked, this, &TKurveDlg::CheckBox1Click);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TKurveDlg::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TKurveDlg::ComboBox2Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TKurveDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TKurveDlg::BitBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TKurveDlg::BitBtn4Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
}

TKurveDlg::~TKurveDlg() = default;

void TKurveDlg::applyOwnLook(TChart &chart)
{
    chart.SetColor(clSilver);
    chart.SetView3D(false);
    for (const auto side : {TChart::mLeft, TChart::mTop, TChart::mRight, TChart::mBottom})
        chart.SetMargin(side, kChartMarginPercent);
    chart.SetPrintProportional(false);
    chart.SetPrintMargins({kPrintMargin, kPrintMargin, kPrintMargin, kPrintMargin});
    chart.BackWall()->Brush()->SetColor(clWhite);
    chart.BackWall()->Brush()->SetStyle(bsClear);
    chart.Title()->Font()->SetHeight(kTitlePixelHeight);
    chart.Foot()->Font()->SetColor(clBlack);
    chart.Foot()->Font()->SetHeight(kFootPixelHeight);
    chart.Foot()->Font()->SetStyle({});
    chart.Legend()->SetAlignment(laTop);
    chart.Legend()->SetLegendStyle(lsSeries);
}

TMeddazuDlg &TKurveDlg::picker() const
{
    return m_host.mediumPicker();
}

void TKurveDlg::showEvent(QShowEvent *event)
{
    // Restoring a minimised window is no new show: the diagram stays as it is.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TKurveDlg::FormShow()
{
    LoadCaptions();
    // The chart library's dialogs opened from here speak the program's language.
    if (m_host.form().languageLetter() == u'D')
        PlotGerman::SelectGermanLanguage();
    ChartEditor1->Title = m_host.texts().globalText(GlobalText::ChartEditorCaption);
    // The picker, created after this window, redraws this diagram while it is open.
    picker().setOnRedraw([this] { DrawDiagram(); });
    // A stored count that is no number or out of bounds draws the default or the nearer bound.
    m_pointCount = diagramPointCount(m_host.diagramPointsText());
    // Without a selected substance there is no current medium to add.
    const QString medium = m_host.currentMedium();
    if (!medium.isEmpty())
        picker().ListBox2->addItem(medium);
    SetupUnitCombos();
    DrawDiagram();
    Chart1->UndoZoom();
}

void TKurveDlg::LoadCaptions()
{
    FormTextReader reader = m_host.texts().block(u"KurveDlg");
    CheckBox1->setText(reader.next(CheckBox1->text()));
    BitBtn2->setText(reader.next(BitBtn2->text()));
    BitBtn1->setText(reader.next(BitBtn1->text()));
    BitBtn4->setText(reader.next(BitBtn4->text()));
    // The notice text and two further lines follow; no control of the window shows them.
    BitBtn3->setText(m_host.texts().globalText(GlobalText::CloseCaption));
}

void TKurveDlg::SetupUnitCombos()
{
    // The list under the abscissa's heading holds the abscissa's unit.
    const int temperatureIndex = m_host.temperatureUnitIndex();
    const int pressureIndex = m_host.pressureUnitIndex();
    if (m_host.mode() == CalculationMode::VapourPressure) {
        fillUnitComboBox(ComboBox1, temperatureUnitTexts(), temperatureIndex);
        fillUnitComboBox(ComboBox2, pressureUnitTexts(), pressureIndex);
    } else {
        fillUnitComboBox(ComboBox1, pressureUnitTexts(), pressureIndex);
        fillUnitComboBox(ComboBox2, temperatureUnitTexts(), temperatureIndex);
    }
}

void TKurveDlg::DrawDiagram()
{
    const BusyCursor busy;
    const CalculationMode mode = m_host.mode();
    QStringList media;
    for (int row = 0; row < picker().ListBox2->count(); ++row)
        media.append(picker().ListBox2->item(row)->text());
    showContent(buildDiagram(m_host, media, diagramUnits(mode, ComboBox1->currentText(), ComboBox2->currentText()),
                             m_pointCount));
}

void TKurveDlg::showContent(const DiagramContent &content)
{
    setWindowTitle(content.caption);
    Label1->setText(content.label1);
    Label2->setText(content.label2);
    // Substances only can be added; a mixture or solution is the dialog's.
    BitBtn2->setVisible(content.system == DiagramSystem::Substances);

    Chart1->FreeAllSeries();
    // Edits last until the next rebuild: a legend of last values would otherwise show the new
    // curves without their names, and the user's wall colours and formats would stay on them.
    Chart1->Assign(*m_ownLook);
    {
        const QSignalBlocker blocker(CheckBox1);
        CheckBox1->setChecked(false);
    }
    for (TChartAxis *axis : {Chart1->LeftAxis(), Chart1->BottomAxis()}) {
        axis->SetLogarithmic(false);
        axis->SetAxisValuesFormat(PlotConst::message(PlotConst::msgDefValueFormat));
    }
    for (const DiagramSeries &curve : content.series) {
        auto *series = new TLineSeries(this);
        // Named as the library names new components, so that links made to a curve in the chart
        // editor (a tool's series, a function's source) are kept in a saved chart.
        series->SetName(PlotProcs::newComponentName(this, *series));
        series->Marks()->SetVisible(false);
        series->Pointer()->SetVisible(false);
        series->SetTitle(curve.title);
        series->AddXYArray(curve.x, curve.y);
        Chart1->AddSeries(series);
    }
    Chart1->BottomAxis()->Title()->SetCaption(content.bottomAxisTitle);
    Chart1->LeftAxis()->Title()->SetCaption(content.leftAxisTitle);
    Chart1->Title()->Font()->SetSize(content.titleFontSize);
    Chart1->Title()->SetText(content.titleLines);
    Chart1->Foot()->SetText(content.footLines);
    Chart1->Legend()->SetVisible(content.legendVisible);
}

void TKurveDlg::CheckBox1Click()
{
    Chart1->UndoZoom();
    // The pressure axis: the left one of vapour pressures, the bottom one of boiling points.
    TChartAxis *axis = m_host.mode() == CalculationMode::VapourPressure ? Chart1->LeftAxis() : Chart1->BottomAxis();
    const bool logarithmic = CheckBox1->isChecked();
    try {
        axis->SetLogarithmic(logarithmic);
        axis->SetAxisValuesFormat(logarithmic ? QString::fromLatin1(kLogPressureFormat)
                                              : PlotConst::message(PlotConst::msgDefValueFormat));
    } catch (const PlotException &refused) {
        // An axis with values below zero cannot be logarithmic; it stays linear.
        const QSignalBlocker blocker(CheckBox1);
        CheckBox1->setChecked(false);
        PlotEngine::ShowErrorBox(refused.message());
    }
}

void TKurveDlg::ComboBox1Change()
{
    DrawDiagram();
}

void TKurveDlg::ComboBox2Change()
{
    DrawDiagram();
}

void TKurveDlg::BitBtn1Click()
{
    ChartPreviewer1->Execute();
}

void TKurveDlg::BitBtn4Click()
{
    ChartEditor1->Execute();
}

void TKurveDlg::BitBtn2Click()
{
    picker().exec();
}

void TKurveDlg::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TKurveDlg::FormClose()
{
    // The next showing starts with the then current medium only.
    picker().ListBox1->clear();
    picker().ListBox2->clear();
    picker().close();
}
