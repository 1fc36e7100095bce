// The print preview dialog.
#include "TChartPreview.h"

#include "PlotProcs.h"
#include "RangeSpinBox.h"
#include "ReportException.h"
#include "TComboFlat.h"
#include "TCustomPlotNavigator.h"
#include "TPlotPreviewPanel.h"
#include "platform/BusyCursor.h"
#include "platform/PrinterService.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <exception>

namespace {

QFrame *panelFrame(const char *name, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

QSpinBox *marginEdit(const char *name, QWidget *parent)
{
    auto *edit = new RangeSpinBox(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setRange(0, 99);
    edit->setSingleStep(5);
    // A typed margin counts when the user leaves the field: typing "60" must not first try 6.
    edit->setKeyboardTracking(false);
    return edit;
}

} // namespace

TChartPreview::TChartPreview(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChartPreview"));
    setWindowTitle(QStringLiteral("Plot Print Preview"));
    resize(502, 392);

    Panel1 = panelFrame("Panel1", this);
    Panel1->setFixedHeight(38);
    Label1 = new QLabel(QStringLiteral("P&rinter:"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    CBPrinters = new TComboFlat(Panel1);
    CBPrinters->setObjectName(QStringLiteral("CBPrinters"));
    // Printer names are the system's, never interface texts to translate.
    CBPrinters->setProperty("plotUserTexts", true);
    Label1->setBuddy(CBPrinters);
    Panel3 = panelFrame("Panel3", Panel1);
    BSetupPrinter = new QPushButton(QStringLiteral("&Setup..."), Panel3);
    BSetupPrinter->setObjectName(QStringLiteral("BSetupPrinter"));
    BPrint = new QPushButton(QStringLiteral("&Print"), Panel3);
    BPrint->setObjectName(QStringLiteral("BPrint"));
    PanelClose = panelFrame("PanelClose", Panel1);
    BClose = new QPushButton(QStringLiteral("Close"), PanelClose);
    BClose->setObjectName(QStringLiteral("BClose"));
    BClose->setDefault(true);

    Panel2 = panelFrame("Panel2", this);
    // At least the form's width; German captions are longer and widen it rather than being cut.
    Panel2->setMinimumWidth(112);
    Panel2->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    Orientation = new QGroupBox(QStringLiteral("Orien&tation:"), Panel2);
    Orientation->setObjectName(QStringLiteral("Orientation"));
    OrientationItems = new QButtonGroup(Orientation);
    auto *portrait = new QRadioButton(QStringLiteral("P&ortrait"), Orientation);
    auto *landscape = new QRadioButton(QStringLiteral("&Landscape"), Orientation);
    OrientationItems->addButton(portrait, 0);
    OrientationItems->addButton(landscape, 1);
    GBMargins = new QGroupBox(QStringLiteral("Margins (%)"), Panel2);
    GBMargins->setObjectName(QStringLiteral("GBMargins"));
    SETopMa = marginEdit("SETopMa", GBMargins);
    SELeftMa = marginEdit("SELeftMa", GBMargins);
    SEBotMa = marginEdit("SEBotMa", GBMargins);
    SERightMa = marginEdit("SERightMa", GBMargins);
    PanelMargins = panelFrame("PanelMargins", Panel2);
    BReset = new QPushButton(QStringLiteral("Reset &Margins"), PanelMargins);
    BReset->setObjectName(QStringLiteral("BReset"));
    BReset->setEnabled(false);
    ShowMargins = new QCheckBox(QStringLiteral("&View Margins"), PanelMargins);
    ShowMargins->setObjectName(QStringLiteral("ShowMargins"));
    ShowMargins->setChecked(true);
    ChangeDetailGroup = new QGroupBox(QStringLiteral("Detail:"), Panel2);
    ChangeDetailGroup->setObjectName(QStringLiteral("ChangeDetailGroup"));
    Resolution = new QSlider(Qt::Horizontal, ChangeDetailGroup);
    Resolution->setObjectName(QStringLiteral("Resolution"));
    Resolution->setRange(0, 100);
    Resolution->setSingleStep(2);
    Resolution->setTickInterval(10);
    Resolution->setTickPosition(QSlider::TicksBelow);
    LabelMore = new QLabel(QStringLiteral("More"), ChangeDetailGroup);
    LabelNormal = new QLabel(QStringLiteral("Normal"), ChangeDetailGroup);
    Panel4 = panelFrame("Panel4", Panel2);
    CBProp = new QCheckBox(QStringLiteral("Proport&ional"), Panel4);
    CBProp->setObjectName(QStringLiteral("CBProp"));
    CBProp->setChecked(true);
    CheckBox1 = new QCheckBox(QStringLiteral("S&mooth"), Panel4);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    PlotPreviewPanel1 = new TPlotPreviewPanel(this);
    PlotPreviewPanel1->setObjectName(QStringLiteral("PlotPreviewPanel1"));
    PlotPreviewPanel1->Shadow()->SetColor(clGray);
    PlotPreviewPanel1->Shadow()->SetSize(4);
    PlotPreviewPanel1->Gradient()->SetDirection(gdFromTopLeft);
    PlotPreviewPanel1->Gradient()->SetEndColor(clGray);
    PlotPreviewPanel1->Gradient()->SetVisible(true);

    // Layout: the tool bar on top, the side bar on the left, the sheet in the rest.
    auto *toolBar = new QHBoxLayout(Panel1);
    toolBar->setContentsMargins(6, 4, 6, 4);
    toolBar->addWidget(Label1);
    toolBar->addWidget(CBPrinters, 1);
    auto *printButtons = new QHBoxLayout(Panel3);
    printButtons->setContentsMargins(0, 0, 0, 0);
    printButtons->addWidget(BSetupPrinter);
    printButtons->addWidget(BPrint);
    toolBar->addWidget(Panel3);
    auto *closeButton = new QHBoxLayout(PanelClose);
    closeButton->setContentsMargins(0, 0, 0, 0);
    closeButton->addWidget(BClose);
    toolBar->addWidget(PanelClose);

    auto *orientationItems = new QVBoxLayout(Orientation);
    orientationItems->addWidget(portrait);
    orientationItems->addWidget(landscape);
    auto *margins = new QGridLayout(GBMargins);
    margins->addWidget(SETopMa, 0, 0, 1, 2, Qt::AlignHCenter);
    margins->addWidget(SELeftMa, 1, 0);
    margins->addWidget(SERightMa, 1, 1);
    margins->addWidget(SEBotMa, 2, 0, 1, 2, Qt::AlignHCenter);
    auto *marginButtons = new QVBoxLayout(PanelMargins);
    marginButtons->setContentsMargins(0, 0, 0, 0);
    marginButtons->addWidget(BReset);
    marginButtons->addWidget(ShowMargins);
    auto *detail = new QGridLayout(ChangeDetailGroup);
    detail->addWidget(Resolution, 0, 0, 1, 2);
    detail->addWidget(LabelMore, 1, 0, Qt::AlignLeft);
    detail->addWidget(LabelNormal, 1, 1, Qt::AlignRight);
    auto *switches = new QVBoxLayout(Panel4);
    switches->setContentsMargins(0, 0, 0, 0);
    switches->addWidget(CBProp);
    switches->addWidget(CheckBox1);
    auto *sideBar = new QVBoxLayout(Panel2);
    sideBar->setContentsMargins(4, 4, 4, 4);
    for (QWidget *w : {static_cast<QWidget *>(Orientation), static_cast<QWidget *>(GBMargins),
                       static_cast<QWidget *>(PanelMargins), static_cast<QWidget *>(ChangeDetailGroup),
                       static_cast<QWidget *>(Panel4)})
        sideBar->addWidget(w);
    sideBar->addStretch(1);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(Panel2);
    body->addWidget(PlotPreviewPanel1, 1);
    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setSpacing(0);
    form->addWidget(Panel1);
    form->addLayout(body, 1);

    connect(BClose, &QPushButton::clicked, this, [this] { done(1); });
    connect(BPrint, &QPushButton::clicked, this, &TChartPreview::BPrintClick);
    connect(BSetupPrinter, &QPushButton::clicked, this, &TChartPreview::BSetupPrinterClick);
    connect(BReset, &QPushButton::clicked, this, &TChartPreview::BResetClick);
    connect(ShowMargins, &QCheckBox::toggled, this, [this](bool on) { PlotPreviewPanel1->Margins()->SetVisible(on); });
    connect(CheckBox1, &QCheckBox::toggled, PlotPreviewPanel1, &TPlotPreviewPanel::SetAsBitmap);
    connect(CBProp, &QCheckBox::toggled, this, &TChartPreview::CBPropClick);
    connect(CBPrinters, &QComboBox::activated, this, &TChartPreview::CBPrintersChange);
    connect(OrientationItems, &QButtonGroup::idClicked, this, &TChartPreview::OrientationClick);
    connect(Resolution, &QSlider::valueChanged, this, [this](int position) {
        if (TCustomPlotPanel *p = panel())
            p->SetPrintResolution(position - 100); // -100 at "More", 0 at "Normal"
        PlotPreviewPanel1->Invalidate();
    });
    connect(PlotPreviewPanel1, &TPlotPreviewPanel::OnChangeMargins, this, &TChartPreview::PlotPreviewPanel1ChangeMargins);
    const auto margin = [this](QSpinBox *edit, int side, int opposite) {
        connect(edit, &QSpinBox::valueChanged, this, [=, this] { marginChanged(edit, side, opposite); });
    };
    margin(SETopMa, TCustomPlotPanel::mTop, TCustomPlotPanel::mBottom);
    margin(SEBotMa, TCustomPlotPanel::mBottom, TCustomPlotPanel::mTop);
    margin(SELeftMa, TCustomPlotPanel::mLeft, TCustomPlotPanel::mRight);
    margin(SERightMa, TCustomPlotPanel::mRight, TCustomPlotPanel::mLeft);
}

TChartPreview::~TChartPreview() = default;

void TChartPreview::HideCloseButton()
{
    PanelClose->hide();
}

TCustomPlotPanel *TChartPreview::panel() const
{
    return PlotPreviewPanel1->Panel();
}

void TChartPreview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TChartPreview::FormShow()
{
    if (NavigatorFactory && !m_navigator) {
        m_navigator = NavigatorFactory(Panel2);
        Panel2->layout()->addWidget(m_navigator);
        connect(m_navigator, &TCustomPlotNavigator::OnButtonClicked, PlotPreviewPanel1, &TPlotPreviewPanel::Invalidate);
    }
    if (TagPanel)
        PlotPreviewPanel1->SetPanel(TagPanel);

    PrinterService &printer = PrinterService::instance();
    fillPrinters();
    if (!printer.hasPrinter()) {
        PlotProcs::EnableControls(false, {BPrint, BSetupPrinter, Orientation});
    } else {
        if (LandscapeDefault)
            printer.setOrientation(QPageLayout::Landscape);
        showOrientation();
    }

    if (TCustomPlotPanel *p = panel()) {
        const QSignalBlocker blockProportional(CBProp);
        CBProp->setChecked(p->PrintProportional());
        const QSignalBlocker blockResolution(Resolution);
        Resolution->setValue(p->PrintResolution() + 100);
        m_savedMargins = p->PrintMargins();
        updateMargins();
        if (m_navigator)
            m_navigator->SetPanel(p);
    } else {
        PlotProcs::EnableControls(false, {CBProp, Resolution, GBMargins, BPrint});
    }
    {
        const QSignalBlocker block(CheckBox1);
        CheckBox1->setChecked(PlotPreviewPanel1->AsBitmap());
    }
    PlotProcs::PlotTranslateControl(this);
}

void TChartPreview::fillPrinters()
{
    const QSignalBlocker block(CBPrinters);
    PrinterService &printer = PrinterService::instance();
    CBPrinters->clear();
    CBPrinters->addItems(printer.printerNames());
    CBPrinters->setCurrentIndex(printer.printerIndex());
}

void TChartPreview::showOrientation()
{
    const bool landscape = PrinterService::instance().orientation() == QPageLayout::Landscape;
    OrientationItems->button(landscape ? 1 : 0)->setChecked(true);
}

void TChartPreview::updateMargins()
{
    TCustomPlotPanel *p = panel();
    if (!p)
        return;
    if (p->PrintProportional() && PrinterService::instance().hasPrinter()) {
        p->SetPrintMargins(p->CalcProportionalMargins());
        m_savedMargins = p->PrintMargins();
    }
    PlotPreviewPanel1ChangeMargins(false, p->PrintMargins());
    PlotPreviewPanel1->Invalidate();
}

void TChartPreview::PlotPreviewPanel1ChangeMargins(bool disableProportional, const std::array<int, 4> &newMargins)
{
    m_changing = true;
    SELeftMa->setValue(newMargins[TCustomPlotPanel::mLeft]);
    SERightMa->setValue(newMargins[TCustomPlotPanel::mRight]);
    SETopMa->setValue(newMargins[TCustomPlotPanel::mTop]);
    SEBotMa->setValue(newMargins[TCustomPlotPanel::mBottom]);
    if (disableProportional) {
        if (TCustomPlotPanel *p = panel())
            p->SetPrintProportional(false);
        m_updatingProportional = true;
        CBProp->setChecked(false);
        m_updatingProportional = false;
    }
    m_changing = false;
}

void TChartPreview::marginChanged(QSpinBox *edit, int side, int opposite)
{
    TCustomPlotPanel *p = panel();
    if (!isVisible() || !p)
        return;
    std::array<int, 4> margins = p->PrintMargins();
    const int value = edit->value();
    if (value + margins[opposite] >= 100) {
        // Refused: the old value goes back without running this again.
        const QSignalBlocker block(edit);
        edit->setValue(margins[side]);
        return;
    }
    margins[side] = value;
    p->SetPrintMargins(margins);
    if (m_changing)
        return;
    PlotPreviewPanel1->Invalidate();
    BReset->setEnabled(margins != m_savedMargins);
    p->SetPrintProportional(false);
    m_updatingProportional = true;
    CBProp->setChecked(false);
    m_updatingProportional = false;
}

void TChartPreview::BResetClick()
{
    if (TCustomPlotPanel *p = panel()) {
        p->SetPrintMargins(m_savedMargins);
        PlotPreviewPanel1ChangeMargins(false, m_savedMargins);
    }
    PlotPreviewPanel1->Invalidate();
    BReset->setEnabled(false);
}

void TChartPreview::CBPropClick(bool checked)
{
    if (m_updatingProportional)
        return;
    if (TCustomPlotPanel *p = panel())
        p->SetPrintProportional(checked);
    updateMargins();
}

void TChartPreview::CBPrintersChange(int index)
{
    PrinterService::instance().usePrinter(index);
    showOrientation();
    OrientationClick(OrientationItems->checkedId());
}

void TChartPreview::OrientationClick(int index)
{
    PrinterService::instance().setOrientation(index == 0 ? QPageLayout::Portrait : QPageLayout::Landscape);
    updateMargins();
    PlotPreviewPanel1->Invalidate();
}

void TChartPreview::BSetupPrinterClick()
{
    PrinterService::instance().setupDialog(this);
    fillPrinters();
    showOrientation();
    PlotPreviewPanel1->Invalidate();
}

void TChartPreview::BPrintClick()
{
    QString failure;
    {
        const BusyCursor busy;
        // The printer the box shows, whatever a table's print dialog chose before.
        PrinterService::instance().usePrinter(CBPrinters->currentIndex());
        failure = printFailure([this] {
            if (m_navigator && m_navigator->PageCount() > 1)
                m_navigator->Print();
            else
                PlotPreviewPanel1->Print();
        });
    }
    // Reported once the hourglass is gone; the dialog stays usable.
    if (!failure.isEmpty())
        reportEditorException(failure);
}
