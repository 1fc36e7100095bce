// The Panel page.
#include "TFormPlotPanel.h"

#include "EditorSetter.h"
#include "EditorShownPage.h"
#include "EditorWidgets.h"
#include "PlotBrushDlg.h"
#include "PlotConst.h"
#include "PlotPictures.h"
#include "TButtonPen.h"
#include "TChartEditForm.h"
#include "TCustomChart.h"
#include "TPlotButton.h"
#include "TPlotGradientEditor.h"
#include "TPlotShadowEditor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>
#include <vector>

using namespace EditorWidgets;

namespace {

// Loads a picture file into the back image. The picture of the format registered for its extension
// is preferred, so that an animated picture keeps playing; Qt's reader checks the file first and a
// file it cannot read is reported once and leaves the image as it was.
void loadBackImage(QWidget *owner, TPicture &picture)
{
    const QString fileName = PlotBrushDlg::GetPictureFileName(owner);
    QImage image;
    if (fileName.isEmpty() || !PlotBrushDlg::LoadPictureFile(fileName, image))
        return;
    const QString extension = QLatin1Char('.') + QFileInfo(fileName).suffix().toUpper();
    if (const auto &lookup = PlotPictures::PlotGraphicClassForExtension()) {
        std::shared_ptr<TGraphic> graphic = lookup(extension);
        QFile file(fileName);
        if (graphic && file.open(QIODevice::ReadOnly) && graphic->LoadFromData(file.readAll())) {
            picture.SetGraphic(std::move(graphic));
            return;
        }
    }
    picture.SetGraphic(image);
}

QComboBox *bevelCombo(QWidget *parent, const char *name)
{
    auto *combo = named(new QComboBox(parent), name);
    combo->addItems({QStringLiteral("None"), QStringLiteral("Lowered"), QStringLiteral("Raised")});
    return combo;
}

} // namespace

TFormPlotPanel::TFormPlotPanel(QWidget *parent, TCustomChart *chart)
    : QWidget(parent)
    , m_chart(chart)
{
    setObjectName(QStringLiteral("FormPlotPanel"));
    setWindowTitle(QStringLiteral("Panel Editor"));
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabBack = named(new QWidget(PageControl1), "TabBack");
    TabBorders = named(new QWidget(PageControl1), "TabBorders");
    TabGradient = named(new EditorShownPage(PageControl1), "TabGradient");
    TabShadow = named(new QWidget(PageControl1), "TabShadow");
    PageControl1->addTab(TabBack, QStringLiteral("Background"));
    PageControl1->addTab(TabBorders, QStringLiteral("Borders"));
    PageControl1->addTab(TabGradient, QStringLiteral("Gradient"));
    PageControl1->addTab(TabShadow, QStringLiteral("Shadow"));
    (new QVBoxLayout(this))->addWidget(PageControl1);
    buildBackgroundTab();
    buildBordersTab();

    GradientEditor = InsertGradientEditor(*TabGradient, nullptr);
    (new QVBoxLayout(TabGradient))->addWidget(GradientEditor);
    // The panel's gradient is made when the user opens its tab, not when the page shows.
    TabGradient->onShow = [this] {
        if (m_chart && GradientEditor->Gradient() != m_chart->Gradient())
            GradientEditor->LinkGradient(m_chart->Gradient());
    };
    ShadowEditor = InsertShadowEditor(*TabShadow);
    (new QVBoxLayout(TabShadow))->addWidget(ShadowEditor);
    PageControl1->setCurrentWidget(TabBack);
    connectControls();
}

void TFormPlotPanel::buildBackgroundTab()
{
    BPanelColor = named(new TButtonColor(TabBack), "BPanelColor");
    BPanelColor->setText(QStringLiteral("&Color..."));
    CBColorDef = named(new QCheckBox(QStringLiteral("&Default"), TabBack), "CBColorDef");
    auto *group = named(new QGroupBox(QStringLiteral("Back Image:"), TabBack), "GBImage");
    RGBitmap = named(new QGroupBox(QStringLiteral("St&yle"), group), "RGBitmap");
    BitmapModes = new QButtonGroup(this);
    auto *modes = new QVBoxLayout(RGBitmap);
    const char *const captions[] = {"Stretch", "Tile", "Center", "C&ustom"};
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton(QString::fromLatin1(captions[i]), RGBitmap);
        radio->setObjectName(QStringLiteral("RBMode%1").arg(i));
        BitmapModes->addButton(radio, i);
        modes->addWidget(radio);
    }
    BBrowseImage = named(new QPushButton(QStringLiteral("B&rowse..."), group), "BBrowseImage");
    CBImageInside = named(new QCheckBox(QStringLiteral("I&nside"), group), "CBImageInside");
    CBTransp = named(new QCheckBox(QStringLiteral("&Transparent"), group), "CBTransp");
    UDLeft = spinBox(group, "UDLeft", 0, 100);
    LabelLeft = label(group, QStringLiteral("&Left:"), UDLeft, "LabelLeft");
    UDTop = spinBox(group, "UDTop", 0, 100);
    LabelTop = label(group, QStringLiteral("T&op:"), UDTop, "LabelTop");
    auto *image = new QGridLayout(group);
    image->addWidget(RGBitmap, 0, 0, 4, 1);
    image->addWidget(BBrowseImage, 0, 1, 1, 2);
    image->addWidget(CBImageInside, 1, 1, 1, 2);
    image->addWidget(CBTransp, 2, 1, 1, 2);
    image->addWidget(LabelLeft, 3, 1);
    image->addWidget(UDLeft, 3, 2);
    image->addWidget(LabelTop, 4, 1);
    image->addWidget(UDTop, 4, 2);
    auto *grid = new QGridLayout(TabBack);
    grid->addWidget(BPanelColor, 0, 0);
    grid->addWidget(CBColorDef, 0, 1);
    grid->addWidget(group, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
}

void TFormPlotPanel::buildBordersTab()
{
    CBInner = bevelCombo(TabBorders, "CBInner");
    CBOuter = bevelCombo(TabBorders, "CBOuter");
    UDPanelWi = spinBox(TabBorders, "UDPanelWi", 1, 100);
    UDPanelBor = spinBox(TabBorders, "UDPanelBor", 0, 100);
    UDRound = spinBox(TabBorders, "UDRound", 0, 10000);
    BBorder = named(new TButtonPen(TabBorders), "BBorder");
    BBorder->setText(QStringLiteral("&Border..."));
    auto *grid = new QGridLayout(TabBorders);
    grid->addWidget(label(TabBorders, QStringLiteral("Bevel &inner:"), CBInner, "LabelInner"), 0, 0);
    grid->addWidget(CBInner, 0, 1);
    grid->addWidget(label(TabBorders, QStringLiteral("Bevel &outer:"), CBOuter, "LabelOuter"), 1, 0);
    grid->addWidget(CBOuter, 1, 1);
    grid->addWidget(label(TabBorders, QStringLiteral("Widt&h:"), UDPanelWi, "LabelPanelWi"), 2, 0);
    grid->addWidget(UDPanelWi, 2, 1);
    grid->addWidget(label(TabBorders, QStringLiteral("&Separation:"), UDPanelBor, "LabelPanelBor"), 3, 0);
    grid->addWidget(UDPanelBor, 3, 1);
    grid->addWidget(label(TabBorders, QStringLiteral("&Round border:"), UDRound, "LabelRound"), 4, 0);
    grid->addWidget(UDRound, 4, 1);
    grid->addWidget(BBorder, 5, 0);
    grid->setRowStretch(6, 1);
}

void TFormPlotPanel::write(const std::function<void(TCustomChart &)> &change)
{
    if (m_chart && !m_filling)
        editorSet([&] { change(*m_chart); }, [this] { fill(); });
}

void TFormPlotPanel::connectControls()
{
    connect(BPanelColor, &TButtonColor::OnClick, this, [this] {
        if (m_chart)
            m_chart->Invalidate();
        fillDefaultColor();
    });
    connect(CBColorDef, &QCheckBox::clicked, this, [this] {
        // The button face itself, never its RGB value, so the chart follows the system colour.
        write([](TCustomChart &c) { c.SetColor(clBtnFace); });
        fillDefaultColor();
        BPanelColor->update();
    });
    connect(BitmapModes, &QButtonGroup::idClicked, this, [this](int mode) {
        write([mode](TCustomChart &c) { c.BackImage()->SetMode(TPlotBackImageMode(mode)); });
        fillImageControls();
    });
    connect(BBrowseImage, &QPushButton::clicked, this, [this] {
        if (!m_chart)
            return;
        if (m_chart->HasBackImage())
            m_chart->BackImage()->SetGraphic(QImage());
        else
            loadBackImage(this, *m_chart->BackImage());
        fillImageControls();
    });
    connect(CBImageInside, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TCustomChart &c) { c.BackImage()->SetInside(on); }); });
    connect(CBTransp, &QCheckBox::clicked, this, [this](bool on) {
        if (CBTransp->isEnabled())
            write([on](TCustomChart &c) { c.SetBackImageTransp(on); });
    });
    connect(UDLeft, &QSpinBox::valueChanged, this,
            [this](int v) { write([v](TCustomChart &c) { c.BackImage()->SetLeft(v); }); });
    connect(UDTop, &QSpinBox::valueChanged, this,
            [this](int v) { write([v](TCustomChart &c) { c.BackImage()->SetTop(v); }); });
    connect(CBInner, &QComboBox::activated, this, [this](int i) {
        if (m_chart && m_chart->BevelInner() != TBevelCut(i))
            write([i](TCustomChart &c) { c.SetBevelInner(TBevelCut(i)); });
    });
    connect(CBOuter, &QComboBox::activated, this, [this](int i) {
        if (m_chart && m_chart->BevelOuter() != TBevelCut(i))
            write([i](TCustomChart &c) { c.SetBevelOuter(TBevelCut(i)); });
    });
    connect(UDPanelWi, &QSpinBox::valueChanged, this, [this](int v) {
        if (m_chart && m_chart->BevelWidth() != v)
            write([v](TCustomChart &c) { c.SetBevelWidth(v); });
    });
    connect(UDPanelBor, &QSpinBox::valueChanged, this, [this](int v) {
        if (m_chart && m_chart->BorderWidth() != v)
            write([v](TCustomChart &c) { c.SetBorderWidth(v); });
    });
    connect(UDRound, &QSpinBox::valueChanged, this, [this](int v) { write([v](TCustomChart &c) { c.SetBorderRound(v); }); });
}

void TFormPlotPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fill();
    PageControl1->setCurrentWidget(TabBack);
}

void TFormPlotPanel::fill()
{
    if (!m_chart)
        return;
    m_filling = true;
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QSpinBox *spin : {UDLeft, UDTop, UDPanelWi, UDPanelBor, UDRound})
        blockers.push_back(std::make_unique<QSignalBlocker>(spin));
    TCustomChart &c = *m_chart;
    CBInner->setCurrentIndex(int(c.BevelInner()));
    CBOuter->setCurrentIndex(int(c.BevelOuter()));
    BBorder->LinkPen(c.Border());
    UDRound->setValue(c.BorderRound());
    UDPanelWi->setValue(c.BevelWidth());
    UDPanelBor->setValue(c.BorderWidth());
    // Read without creating: showing the page gives the chart no back image.
    const TBackImage *image = c.backImageIfAny();
    UDLeft->setValue(image ? image->Left() : 0);
    UDTop->setValue(image ? image->Top() : 0);
    CBImageInside->setChecked(c.BackImageInside());
    fillImageControls();
    fillDefaultColor();
    BPanelColor->LinkProperty(&c, QStringLiteral("Color"));
    ShadowEditor->RefreshControls(c.Shadow());
    if (TabGradient->isVisible() && TabGradient->onShow)
        TabGradient->onShow();
    m_filling = false;
}

void TFormPlotPanel::fillImageControls()
{
    if (!m_chart)
        return;
    const bool hasImage = m_chart->HasBackImage();
    if (QAbstractButton *mode = BitmapModes->button(int(m_chart->BackImageMode())))
        mode->setChecked(true);
    RGBitmap->setEnabled(hasImage);
    CBImageInside->setEnabled(hasImage);
    BBrowseImage->setText(PlotConst::message(hasImage ? PlotConst::msgClear : PlotConst::msgBrowse));
    CBTransp->setEnabled(hasImage);
    CBTransp->setChecked(hasImage && m_chart->BackImageTransp());
    const bool custom = m_chart->BackImageMode() == pbmCustom;
    for (QWidget *w : std::initializer_list<QWidget *>{LabelLeft, UDLeft, LabelTop, UDTop})
        w->setEnabled(custom);
}

void TFormPlotPanel::fillDefaultColor()
{
    if (!m_chart)
        return;
    const QSignalBlocker block(CBColorDef);
    const bool isDefault = m_chart->paintColor() == clBtnFace;
    CBColorDef->setChecked(isDefault);
    CBColorDef->setEnabled(!isDefault);
}

EditorPage panelEditorPage()
{
    EditorPage page;
    page.create = [](TChartEditForm &form, QWidget *host) -> QWidget * {
        return form.TheChart() ? new TFormPlotPanel(host, form.TheChart()) : nullptr;
    };
    return page;
}
