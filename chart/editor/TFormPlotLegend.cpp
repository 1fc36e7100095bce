// The Legend page.
#include "TFormPlotLegend.h"

#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "PlotTranslate.h"
#include "TButtonPen.h"
#include "TChartEditForm.h"
#include "TChartLegend.h"
#include "TCustomChart.h"
#include "TFormPlotShape.h"
#include "TLegendTitle.h"
#include "TSymbolEditor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>
#include <vector>

using namespace EditorWidgets;

namespace {

// The memo's lines as title entries: no line feed or carriage return in any of them.
QStringList titleLines(const QPlainTextEdit &memo)
{
    const QString text = memo.toPlainText();
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line.remove(QLatin1Char('\r'));
    return lines;
}

int alignIndex(TAlignment alignment)
{
    return alignment == taLeftJustify ? 0 : alignment == taRightJustify ? 2 : 1;
}

} // namespace

TFormPlotLegend::TFormPlotLegend(QWidget *parent, TChartLegend *legend)
    : QWidget(parent)
    , m_legend(legend)
{
    setObjectName(QStringLiteral("FormPlotLegend"));
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabStyle = named(new QWidget(PageControl1), "TabStyle");
    TabPosition = named(new QWidget(PageControl1), "TabPosition");
    TabSymbols = named(new QWidget(PageControl1), "TabSymbols");
    TabTitle = named(new QWidget(PageControl1), "TabTitle");
    PageControl1->addTab(TabStyle, QStringLiteral("Style"));
    PageControl1->addTab(TabPosition, QStringLiteral("Position"));
    PageControl1->addTab(TabSymbols, QStringLiteral("Symbols"));
    PageControl1->addTab(TabTitle, QStringLiteral("Title"));
    (new QVBoxLayout(this))->addWidget(PageControl1);
    buildStyleTab();
    buildPositionTab();
    SymbolEditor = new TSymbolEditor(TabSymbols, legend ? legend->Symbol() : nullptr);
    (new QVBoxLayout(TabSymbols))->addWidget(SymbolEditor);
    buildTitleTab();
    LegendShape = InsertShapeEditor(*PageControl1);
    TitleShape = InsertShapeEditor(*PageControlTitle);
    PageControl1->setCurrentWidget(TabStyle);
    connectControls();
}

void TFormPlotLegend::buildStyleTab()
{
    CBShow = named(new QCheckBox(QStringLiteral("&Visible"), TabStyle), "CBShow");
    CBInverted = named(new QCheckBox(QStringLiteral("&Inverted"), TabStyle), "CBInverted");
    CBLegendStyle = named(new QComboBox(TabStyle), "CBLegendStyle");
    CBLegendStyle->addItems({QStringLiteral("Automatic"), QStringLiteral("Series Names"), QStringLiteral("Series Values"),
                             QStringLiteral("Last Values")});
    CBLegStyle = named(new QComboBox(TabStyle), "CBLegStyle");
    CBLegStyle->addItems({QStringLiteral("Plain"), QStringLiteral("Left Value"), QStringLiteral("Right Value"),
                          QStringLiteral("Left Percent"), QStringLiteral("Right Percent"), QStringLiteral("X Value"),
                          QStringLiteral("Value"), QStringLiteral("Percent"), QStringLiteral("X and Value"),
                          QStringLiteral("X and Percent")});
    BDivLines = named(new TButtonPen(TabStyle), "BDivLines");
    BDivLines->setText(QStringLiteral("&Dividing Lines..."));
    UDVertSpacing = spinBox(TabStyle, "UDVertSpacing", -10, 100);
    CBFontColor = named(new QCheckBox(QStringLiteral("&Font Series Color"), TabStyle), "CBFontColor");
    CBCheckBoxes = named(new QComboBox(TabStyle), "CBCheckBoxes");
    CBCheckBoxes->addItems({QStringLiteral("No check boxes"), QStringLiteral("Check boxes"), QStringLiteral("Radio buttons")});
    auto *grid = new QGridLayout(TabStyle);
    grid->addWidget(CBShow, 0, 0);
    grid->addWidget(CBInverted, 1, 0);
    grid->addWidget(CBFontColor, 2, 0);
    grid->addWidget(label(TabStyle, QStringLiteral("Legend &Style:"), CBLegendStyle, "LabelLegendStyle"), 0, 1);
    grid->addWidget(CBLegendStyle, 0, 2);
    grid->addWidget(label(TabStyle, QStringLiteral("Text St&yle:"), CBLegStyle, "LabelTextStyle"), 1, 1);
    grid->addWidget(CBLegStyle, 1, 2);
    grid->addWidget(label(TabStyle, QStringLiteral("V&ert. Spacing:"), UDVertSpacing, "LabelVertSpacing"), 2, 1);
    grid->addWidget(UDVertSpacing, 2, 2);
    grid->addWidget(BDivLines, 3, 0);
    grid->addWidget(CBCheckBoxes, 3, 2);
    grid->setRowStretch(4, 1);
}

void TFormPlotLegend::buildPositionTab()
{
    RGPosition = named(new QGroupBox(QStringLiteral("Position"), TabPosition), "RGPosition");
    PositionButtons = new QButtonGroup(this);
    auto *radios = new QVBoxLayout(RGPosition);
    const char *const captions[] = {"&Left", "&Right", "&Top", "&Bottom"};
    const char *const names[] = {"RBLeft", "RBRight", "RBTop", "RBBottom"};
    for (int i = 0; i < 4; ++i) {
        auto *radio = named(new QRadioButton(QString::fromLatin1(captions[i]), RGPosition), names[i]);
        PositionButtons->addButton(radio, i);
        radios->addWidget(radio);
    }
    CBResizeChart = named(new QCheckBox(QStringLiteral("Resi&ze Chart"), TabPosition), "CBResizeChart");
    UDTopPos = spinBox(TabPosition, "UDTopPos", -100, 100);
    LabelTopPos = label(TabPosition, QStringLiteral("&Position Offset %:"), UDTopPos, "LabelTopPos");
    UDMargin = spinBox(TabPosition, "UDMargin", -1000, 1000);
    LabelMargin = label(TabPosition, QStringLiteral("&Margin:"), UDMargin, "LabelMargin");
    CBCustPos = named(new QCheckBox(QStringLiteral("&Custom:"), TabPosition), "CBCustPos");
    UDLeft = spinBox(TabPosition, "UDLeft", -100, 1000, 5);
    LabelLeft = label(TabPosition, QStringLiteral("L&eft:"), UDLeft, "LabelLeft");
    UDTop = spinBox(TabPosition, "UDTop", -100, 1000, 5);
    LabelTop = label(TabPosition, QStringLiteral("T&op:"), UDTop, "LabelTop");
    CBPosPercent = named(new QCheckBox(QStringLiteral("Percent"), TabPosition), "CBPosPercent");
    auto *grid = new QGridLayout(TabPosition);
    grid->addWidget(RGPosition, 0, 0, 4, 1);
    grid->addWidget(CBResizeChart, 0, 1, 1, 2);
    grid->addWidget(LabelTopPos, 1, 1);
    grid->addWidget(UDTopPos, 1, 2);
    grid->addWidget(LabelMargin, 2, 1);
    grid->addWidget(UDMargin, 2, 2);
    grid->addWidget(CBCustPos, 0, 3, 1, 2);
    grid->addWidget(LabelLeft, 1, 3);
    grid->addWidget(UDLeft, 1, 4);
    grid->addWidget(LabelTop, 2, 3);
    grid->addWidget(UDTop, 2, 4);
    grid->addWidget(CBPosPercent, 3, 3, 1, 2);
    grid->setRowStretch(4, 1);
}

void TFormPlotLegend::buildTitleTab()
{
    PageControlTitle = named(new QTabWidget(TabTitle), "PageControlTitle");
    auto *options = named(new QWidget(PageControlTitle), "TabTitleOptions");
    PageControlTitle->addTab(options, QStringLiteral("Options"));
    (new QVBoxLayout(TabTitle))->addWidget(PageControlTitle);
    MemoText = named(new QPlainTextEdit(options), "MemoText");
    MemoText->setProperty(PlotTranslate::kUserTextsProperty, true);
    CBTextAlign = named(new QComboBox(options), "CBTextAlign");
    CBTextAlign->addItems({QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")});
    CBTitleVisible = named(new QCheckBox(QStringLiteral("&Visible"), options), "CBTitleVisible");
    textBesideOptions(
        options, label(options, QStringLiteral("&Text:"), MemoText, "LabelTitleText"), MemoText,
        {CBTitleVisible, label(options, QStringLiteral("Text &alignment:"), CBTextAlign, "LabelTextAlign"), CBTextAlign});
}

void TFormPlotLegend::write(const std::function<void(TChartLegend &)> &change)
{
    if (m_legend && !m_filling)
        editorSet([&] { change(*m_legend); }, [this] { fill(); });
}

void TFormPlotLegend::connectControls()
{
    connect(CBShow, &QCheckBox::clicked, this, [this](bool on) { write([on](TChartLegend &l) { l.SetVisible(on); }); });
    connect(CBInverted, &QCheckBox::clicked, this, [this](bool on) { write([on](TChartLegend &l) { l.SetInverted(on); }); });
    connect(CBLegendStyle, &QComboBox::activated, this,
            [this](int i) { write([i](TChartLegend &l) { l.SetLegendStyle(TLegendStyle(i)); }); });
    connect(CBLegStyle, &QComboBox::activated, this,
            [this](int i) { write([i](TChartLegend &l) { l.SetTextStyle(TLegendTextStyle(i)); }); });
    connect(UDVertSpacing, &QSpinBox::valueChanged, this,
            [this](int v) { write([v](TChartLegend &l) { l.SetVertSpacing(v); }); });
    connect(CBFontColor, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TChartLegend &l) { l.SetFontSeriesColor(on); }); });
    connect(CBCheckBoxes, &QComboBox::activated, this, [this](int i) {
        write([i](TChartLegend &l) {
            l.SetCheckBoxes(i > 0);
            l.SetCheckBoxesStyle(i == 1 ? cbsCheck : cbsRadio);
        });
    });
    connect(PositionButtons, &QButtonGroup::idClicked, this, [this](int i) {
        write([i](TChartLegend &l) { l.SetAlignment(TLegendAlignment(i)); });
        fillMargin();
    });
    connect(CBResizeChart, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TChartLegend &l) { l.SetResizeChart(on); }); });
    connect(UDTopPos, &QSpinBox::valueChanged, this, [this](int v) { write([v](TChartLegend &l) { l.SetTopPos(v); }); });
    connect(UDMargin, &QSpinBox::valueChanged, this, [this](int v) {
        write([v](TChartLegend &l) { l.IsVertical() ? l.SetHorizMargin(v) : l.SetVertMargin(v); });
    });
    connect(CBCustPos, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TChartLegend &l) {
            l.SetCustomPosition(on);
            if (on)
                l.SetResizeChart(false);
        });
        if (on) {
            const QSignalBlocker block(CBResizeChart);
            CBResizeChart->setChecked(false);
        }
        enablePosition();
    });
    const auto move = [this](bool left, int v) {
        if (!m_legend || !m_legend->CustomPosition())
            return;
        write([left, v](TChartLegend &l) {
            const bool percent = l.PositionUnits() == muPercent;
            if (left)
                percent ? l.SetLeftPercent(v) : l.SetLeft(v);
            else
                percent ? l.SetTopPercent(v) : l.SetTop(v);
        });
    };
    connect(UDLeft, &QSpinBox::valueChanged, this, [move](int v) { move(true, v); });
    connect(UDTop, &QSpinBox::valueChanged, this, [move](int v) { move(false, v); });
    connect(CBPosPercent, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TChartLegend &l) { l.SetPositionUnits(on ? muPercent : muPixels); });
        fillCustomPosition();
    });
    connect(MemoText, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_legend || m_filling)
            return;
        const QStringList lines = titleLines(*MemoText);
        if (lines != m_legend->Title()->Text())
            editorSet([&] { m_legend->Title()->SetText(lines); });
    });
    connect(CBTextAlign, &QComboBox::activated, this, [this](int i) {
        const TAlignment alignment = i == 0 ? taLeftJustify : i == 2 ? taRightJustify : taCenter;
        write([alignment](TChartLegend &l) { l.Title()->SetTextAlignment(alignment); });
    });
    connect(CBTitleVisible, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TChartLegend &l) { l.Title()->SetVisible(on); }); });
}

void TFormPlotLegend::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fill();
}

void TFormPlotLegend::fill()
{
    if (!m_legend)
        return;
    m_filling = true;
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QSpinBox *spin : {UDTopPos, UDVertSpacing, UDMargin, UDLeft, UDTop})
        blockers.push_back(std::make_unique<QSignalBlocker>(spin));
    TChartLegend &l = *m_legend;
    UDTopPos->setValue(l.TopPos());
    CBCustPos->setChecked(l.CustomPosition());
    CBPosPercent->setChecked(l.PositionUnits() == muPercent);
    fillCustomPosition();
    CBFontColor->setChecked(l.FontSeriesColor());
    CBResizeChart->setChecked(l.ResizeChart());
    CBLegendStyle->setCurrentIndex(int(l.LegendStyle()));
    CBLegStyle->setCurrentIndex(int(l.TextStyle()));
    CBShow->setChecked(l.Visible());
    CBInverted->setChecked(l.Inverted());
    CBCheckBoxes->setCurrentIndex(!l.CheckBoxes() ? 0 : l.CheckBoxesStyle() == cbsRadio ? 2 : 1);
    if (QAbstractButton *button = PositionButtons->button(int(l.Alignment())))
        button->setChecked(true);
    UDVertSpacing->setValue(l.VertSpacing());
    BDivLines->LinkPen(l.DividingLines());
    fillMargin();
    enablePosition();
    SymbolEditor->SetSymbol(l.Symbol());
    MemoText->setPlainText(l.Title()->Text().join(QLatin1Char('\n')));
    CBTextAlign->setCurrentIndex(alignIndex(l.Title()->TextAlignment()));
    CBTitleVisible->setChecked(l.Title()->Visible());
    LegendShape->RefreshControls(&l);
    TitleShape->RefreshControls(l.Title());
    m_filling = false;
}

void TFormPlotLegend::fillMargin()
{
    if (!m_legend)
        return;
    const QSignalBlocker block(UDMargin);
    UDMargin->setValue(m_legend->IsVertical() ? m_legend->HorizMargin() : m_legend->VertMargin());
}

void TFormPlotLegend::fillCustomPosition()
{
    if (!m_legend)
        return;
    const QSignalBlocker blockLeft(UDLeft), blockTop(UDTop);
    const bool percent = m_legend->PositionUnits() == muPercent;
    UDLeft->setValue(percent ? m_legend->LeftPercent() : m_legend->Left());
    UDTop->setValue(percent ? m_legend->TopPercent() : m_legend->Top());
}

void TFormPlotLegend::enablePosition()
{
    fillCustomPosition();
    const bool custom = m_legend && m_legend->CustomPosition();
    for (QWidget *w : std::initializer_list<QWidget *>{LabelLeft, UDLeft, LabelTop, UDTop, CBPosPercent})
        w->setEnabled(custom);
    for (QWidget *w : std::initializer_list<QWidget *>{CBResizeChart, LabelMargin, UDMargin, LabelTopPos, UDTopPos})
        w->setEnabled(!custom);
}

EditorPage legendEditorPage()
{
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        TCustomChart *chart = form.TheChart();
        return chart ? new TFormPlotLegend(host, chart->Legend()) : nullptr;
    };
    return page;
}
