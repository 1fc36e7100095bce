// The General page.
#include "TFormPlotGeneral.h"

#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "PlotCursorNames.h"
#include "PlotTranslate.h"
#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TChartEditForm.h"
#include "TChartPageNavigator.h"
#include "TChartPreview.h"
#include "TCustomChart.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <initializer_list>
#include <memory>

using namespace EditorWidgets;

namespace {

QComboBox *choiceCombo(QWidget *parent, const char *name, std::initializer_list<const char *> items)
{
    auto *combo = named(new QComboBox(parent), name);
    for (const char *item : items)
        combo->addItem(QString::fromLatin1(item));
    return combo;
}

QComboBox *mouseButtonCombo(QWidget *parent, const char *name)
{
    return choiceCombo(parent, name, {"Left", "Right", "Middle"});
}

QSpinBox *marginEdit(QWidget *parent, const char *name)
{
    return spinBox(parent, name, 0, 100, 5);
}

} // namespace

TFormPlotGeneral::TFormPlotGeneral(QWidget *parent, TCustomChart *chart)
    : QWidget(parent)
    , m_chart(chart)
{
    setObjectName(QStringLiteral("FormPlotGeneral"));
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabZoom = named(new QWidget(PageControl1), "TabZoom");
    TabScroll = named(new QWidget(PageControl1), "TabScroll");
    PageControl1->addTab(TabZoom, QStringLiteral("Zoom"));
    PageControl1->addTab(TabScroll, QStringLiteral("Scroll"));
    buildZoomTab();
    buildScrollTab();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(buildSidePanel());
    PageControl1->setCurrentWidget(TabZoom);
    connectControls();
}

void TFormPlotGeneral::buildZoomTab()
{
    CBAllowZoom = named(new QCheckBox(QStringLiteral("&Allow"), TabZoom), "CBAllowZoom");
    CBAnimatedZoom = named(new QCheckBox(QStringLiteral("An&imated"), TabZoom), "CBAnimatedZoom");
    UDAniZoomSteps = spinBox(TabZoom, "UDAniZoomSteps", 0, 100);
    UDAniZoomSteps->setValue(8);
    LabelAniSteps = label(TabZoom, QStringLiteral("&Steps:"), UDAniZoomSteps, "LabelAniSteps");
    BZoomPen = named(new TButtonPen(TabZoom), "BZoomPen");
    BZoomPen->setText(QStringLiteral("P&en..."));
    BZoomColor = named(new QPushButton(QStringLiteral("P&attern..."), TabZoom), "BZoomColor");
    UDMinPix = spinBox(TabZoom, "UDMinPix", 0, 100);
    UDMinPix->setValue(16);
    LabelMinPix = label(TabZoom, QStringLiteral("&Minimum pixels:"), UDMinPix, "LabelMinPix");
    CBDir = choiceCombo(TabZoom, "CBDir", {"Horizontal", "Vertical", "Both"});
    LabelDir = label(TabZoom, QStringLiteral("&Direction:"), CBDir, "LabelDir");
    CBZoomMouse = mouseButtonCombo(TabZoom, "CBZoomMouse");
    LabelZoomMouse = label(TabZoom, QStringLiteral("M&ouse Button:"), CBZoomMouse, "LabelZoomMouse");
    CBUpLeft = named(new QCheckBox(QStringLiteral("Zoom on &Up Left drag"), TabZoom), "CBUpLeft");

    auto *grid = new QGridLayout(TabZoom);
    grid->addWidget(CBAllowZoom, 0, 0);
    grid->addWidget(CBAnimatedZoom, 1, 0);
    grid->addWidget(LabelAniSteps, 1, 1);
    grid->addWidget(UDAniZoomSteps, 1, 2);
    grid->addWidget(BZoomPen, 2, 0);
    grid->addWidget(BZoomColor, 2, 1, 1, 2);
    grid->addWidget(LabelMinPix, 3, 0);
    grid->addWidget(UDMinPix, 3, 1);
    grid->addWidget(LabelDir, 4, 0);
    grid->addWidget(CBDir, 4, 1, 1, 2);
    grid->addWidget(LabelZoomMouse, 5, 0);
    grid->addWidget(CBZoomMouse, 5, 1, 1, 2);
    grid->addWidget(CBUpLeft, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
}

void TFormPlotGeneral::buildScrollTab()
{
    RGPanning = named(new QGroupBox(QStringLiteral("Allow Scroll:"), TabScroll), "RGPanning");
    PanningModes = new QButtonGroup(this);
    auto *modes = new QVBoxLayout(RGPanning);
    const char *const captions[] = {"&None", "&Horizontal", "&Vertical", "&Both"};
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton(QString::fromLatin1(captions[i]), RGPanning);
        radio->setObjectName(QStringLiteral("RBPanning%1").arg(i));
        PanningModes->addButton(radio, i);
        modes->addWidget(radio);
    }
    CBScrollMouse = mouseButtonCombo(TabScroll, "CBScrollMouse");
    LabelScrollMouse = label(TabScroll, QStringLiteral("&Mouse Button:"), CBScrollMouse, "LabelScrollMouse");
    auto *grid = new QGridLayout(TabScroll);
    grid->addWidget(RGPanning, 0, 0, 1, 2);
    grid->addWidget(LabelScrollMouse, 1, 0);
    grid->addWidget(CBScrollMouse, 1, 1);
    grid->setRowStretch(2, 1);
}

QWidget *TFormPlotGeneral::buildSidePanel()
{
    auto *side = named(new QWidget(this), "PanelSide");
    CBCursor = named(new QComboBox(side), "CBCursor");
    // The cursor names are identifiers, the same in every language.
    CBCursor->setProperty(PlotTranslate::kUserTextsProperty, true);
    BPrint = named(new QPushButton(QStringLiteral("Print &Preview..."), side), "BPrint");
    GBMargins = named(new QGroupBox(QStringLiteral("Margins (%)"), side), "GBMargins");
    SETopMa = marginEdit(GBMargins, "SETopMa");
    SELeftMa = marginEdit(GBMargins, "SELeftMa");
    SERightMa = marginEdit(GBMargins, "SERightMa");
    SEBotMa = marginEdit(GBMargins, "SEBotMa");
    for (QSpinBox *edit : {SETopMa, SELeftMa, SERightMa, SEBotMa})
        edit->setValue(3);
    CBMarUnits = choiceCombo(GBMargins, "CBMarUnits", {"Percent", "Pixels"});
    // The four edits stand where their sides are.
    auto *margins = new QGridLayout(GBMargins);
    margins->addWidget(SETopMa, 0, 1);
    margins->addWidget(SELeftMa, 1, 0);
    margins->addWidget(SERightMa, 1, 2);
    margins->addWidget(SEBotMa, 2, 1);
    margins->addWidget(label(GBMargins, QStringLiteral("&Units:"), CBMarUnits, "LabelMarUnits"), 3, 0);
    margins->addWidget(CBMarUnits, 3, 1, 1, 2);

    auto *column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(label(side, QStringLiteral("&Cursor:"), CBCursor, "LabelCursor"));
    column->addWidget(CBCursor);
    column->addWidget(BPrint);
    column->addWidget(GBMargins);
    column->addStretch(1);
    return side;
}

void TFormPlotGeneral::write(const std::function<void(TCustomChart &)> &change)
{
    if (m_chart && !m_filling)
        editorSet([&] { change(*m_chart); }, [this] { fill(); });
}

void TFormPlotGeneral::connectControls()
{
    connect(CBAllowZoom, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TCustomChart &c) { c.Zoom()->SetAllow(on); });
        enableZoomControls();
    });
    connect(CBAnimatedZoom, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TCustomChart &c) { c.Zoom()->SetAnimated(on); }); });
    connect(UDAniZoomSteps, &QSpinBox::valueChanged, this,
            [this](int v) { write([v](TCustomChart &c) { c.Zoom()->SetAnimatedSteps(v); }); });
    connect(UDMinPix, &QSpinBox::valueChanged, this,
            [this](int v) { write([v](TCustomChart &c) { c.Zoom()->SetMinimumPixels(v); }); });
    connect(CBDir, &QComboBox::activated, this,
            [this](int i) { write([i](TCustomChart &c) { c.Zoom()->SetDirection(TPlotZoomDirection(i)); }); });
    connect(CBZoomMouse, &QComboBox::activated, this,
            [this](int i) { write([i](TCustomChart &c) { c.Zoom()->SetMouseButton(TMouseButton(i)); }); });
    connect(CBUpLeft, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TCustomChart &c) { c.Zoom()->SetUpLeftZooms(on); }); });
    connect(BZoomColor, &QPushButton::clicked, this, [this] {
        if (m_chart)
            EditChartBrush(this, *m_chart->Zoom()->Brush());
    });
    connect(PanningModes, &QButtonGroup::idClicked, this, [this](int mode) {
        write([mode](TCustomChart &c) { c.SetAllowPanning(TPanningMode(mode)); });
        CBScrollMouse->setEnabled(mode != pmNone);
    });
    connect(CBScrollMouse, &QComboBox::activated, this,
            [this](int i) { write([i](TCustomChart &c) { c.SetScrollMouseButton(TMouseButton(i)); }); });
    connect(CBMarUnits, &QComboBox::activated, this, [this](int i) {
        write([i](TCustomChart &c) { c.SetMarginUnits(TPlotUnits(i)); });
        setMarginRanges();
    });
    connectMargin(SETopMa, TCustomPlotPanel::mTop, TCustomPlotPanel::mBottom);
    connectMargin(SEBotMa, TCustomPlotPanel::mBottom, TCustomPlotPanel::mTop);
    connectMargin(SELeftMa, TCustomPlotPanel::mLeft, TCustomPlotPanel::mRight);
    connectMargin(SERightMa, TCustomPlotPanel::mRight, TCustomPlotPanel::mLeft);
    connect(CBCursor, &QComboBox::activated, this, [this](int index) {
        if (!m_chart)
            return;
        const int cursor = PlotPenDlg::CursorFromName(m_chart->Cursor(), CBCursor->itemText(index));
        write([cursor](TCustomChart &c) { c.SetCursor(cursor); });
    });
    connect(BPrint, &QPushButton::clicked, this, &TFormPlotGeneral::printPreview);
}

void TFormPlotGeneral::connectMargin(QSpinBox *edit, TCustomPlotPanel::MarginSide side,
                                     TCustomPlotPanel::MarginSide opposite)
{
    connect(edit, &QSpinBox::valueChanged, this,
            [=, this](int value) { marginChanged(edit, side, opposite, value); });
}

void TFormPlotGeneral::marginChanged(QSpinBox *edit, TCustomPlotPanel::MarginSide side,
                                     TCustomPlotPanel::MarginSide opposite, int value)
{
    if (m_filling || !m_chart)
        return;
    // Two opposite margins of 100 % or more leave the chart no room: the edit goes back.
    if (m_chart->MarginUnits() == muPercent && value + m_chart->Margin(opposite) >= 100) {
        const QSignalBlocker block(edit);
        edit->setValue(m_chart->Margin(side));
        return;
    }
    write([side, value](TCustomChart &c) { c.SetMargin(side, value); });
}

void TFormPlotGeneral::printPreview()
{
    if (!m_chart)
        return;
    const QPointer<TCustomChart> chart = m_chart;
    const auto preview = std::make_unique<TChartPreview>(this);
    preview->TagPanel = chart.data();
    preview->NavigatorFactory = [](QWidget *parent) -> TCustomPlotNavigator * { return new TChartPageNavigator(parent); };
    preview->exec();
    if (chart)
        chart->Invalidate();
}

void TFormPlotGeneral::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fill();
}

void TFormPlotGeneral::fill()
{
    if (!m_chart)
        return;
    m_filling = true;
    const TCustomChart &c = *m_chart;
    if (QAbstractButton *mode = PanningModes->button(int(c.AllowPanning())))
        mode->setChecked(true);
    CBMarUnits->setCurrentIndex(int(c.MarginUnits()));
    setMarginRanges();
    TPlotZoom &zoom = *c.Zoom();
    CBAllowZoom->setChecked(zoom.Allow());
    CBAnimatedZoom->setChecked(zoom.Animated());
    UDAniZoomSteps->setValue(zoom.AnimatedSteps());
    enableZoomControls();
    UDMinPix->setValue(zoom.MinimumPixels());
    CBDir->setCurrentIndex(int(zoom.Direction()));
    CBZoomMouse->setCurrentIndex(int(zoom.MouseButton()));
    CBUpLeft->setChecked(zoom.UpLeftZooms());
    // The pen is made when the user edits it, not when the page shows.
    const QPointer<TPlotZoom> zoomOf(&zoom);
    BZoomPen->LinkPenSource([zoomOf]() -> TPen * { return zoomOf ? zoomOf->Pen() : nullptr; }, zoom.penIfAny());
    CBScrollMouse->setCurrentIndex(int(c.ScrollMouseButton()));
    CBScrollMouse->setEnabled(c.AllowPanning() != pmNone);
    PlotPenDlg::FillCursorList(*CBCursor, c.Cursor());
    m_filling = false;
}

void TFormPlotGeneral::fillMargins()
{
    if (!m_chart)
        return;
    const QSignalBlocker top(SETopMa), left(SELeftMa), bottom(SEBotMa), right(SERightMa);
    SETopMa->setValue(m_chart->MarginTop());
    SELeftMa->setValue(m_chart->MarginLeft());
    SEBotMa->setValue(m_chart->MarginBottom());
    SERightMa->setValue(m_chart->MarginRight());
}

void TFormPlotGeneral::enableZoomControls()
{
    const bool allowed = CBAllowZoom->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{CBAnimatedZoom, LabelAniSteps, UDAniZoomSteps, LabelMinPix, UDMinPix,
                                                      BZoomPen, BZoomColor, LabelDir, CBDir, LabelZoomMouse,
                                                      CBZoomMouse, CBUpLeft})
        w->setEnabled(allowed);
}

void TFormPlotGeneral::setMarginRanges()
{
    const bool pixels = m_chart && m_chart->MarginUnits() == muPixels;
    for (QSpinBox *edit : {SETopMa, SELeftMa, SEBotMa, SERightMa}) {
        // Quietly: a narrower range clips what an edit shows, never the stored margin.
        const QSignalBlocker block(edit);
        edit->setRange(pixels ? -2000 : 0, pixels ? 2000 : 100);
    }
    fillMargins();
}

EditorPage generalEditorPage()
{
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        return form.TheChart() ? new TFormPlotGeneral(host, form.TheChart()) : nullptr;
    };
    return page;
}
