// The bar and stack bar series editors.
#include "TBarSeriesEditor.h"

#include "EditorWidgets.h"
#include "NumberFormat.h"
#include "SeriesGalleryTexts.h"
#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TCustomBarSeries.h"
#include "TFormPlotSeries.h"
#include "TPlotButton.h"
#include "TPlotGradientEditor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace EditorWidgets;

namespace {

constexpr int kMaxBevel = 100;
constexpr int kMaxStackGroup = 1000;

const char *const kBarStyles[] = {"Rectangle", "Pyramid",    "Invert. Pyramid", "Cylinder", "Ellipse",
                                  "Arrow",     "Rect. Gradient", "Cone",        "Bevel",    "Slant Cube",
                                  "Diamond",   "Invert. Arrow",  "Invert. Cone"};

const char *const kMultiBars[] = {"None", "Side", "Stacked", "Stacked 100%", "Side All", "Self Stack"};
} // namespace

TBarSeriesEditor::TBarSeriesEditor(QWidget *parent, QObject *tag)
    : SeriesFormatForm(parent, tag)
{
    setObjectName(QStringLiteral("BarSeriesEditor"));
    auto series = [this] { return TheSeries(); };
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabFormat = EditorWidgets::tabPage(PageControl1, "TabBarFormat", QStringLiteral("Format"));
    TabSize = EditorWidgets::tabPage(PageControl1, "TabBarSize", QStringLiteral("Size"));
    (new QVBoxLayout(this))->addWidget(PageControl1);

    CBBarStyle = addCombo("CBBarStyle", {}, [this, series](int index) {
        series()->SetBarStyle(TBarStyle(index));
        enableStyleControls();
    });
    for (const char *style : kBarStyles)
        CBBarStyle->addItem(QString::fromLatin1(style));
    CBBarStyle->setMaxVisibleItems(13);
    BBarPen = named(new TButtonPen(this), "BBarPen");
    BBarPen->setText(QStringLiteral("&Border..."));
    BBarBrush = named(new QPushButton(QStringLiteral("&Pattern..."), this), "BBarBrush");
    CBColorEach = addCheck(QStringLiteral("Color &Each"), "CBColorEach", [this, series](bool on) {
        series()->SetColorEachPoint(on);
        BBarColor->setEnabled(!on);
    });
    BBarColor = addSeriesColorButton("BBarColor");
    BGradient = named(new QPushButton(QStringLiteral("&Gradient..."), this), "BGradient");
    BTickLines = named(new TButtonPen(this), "BTickLines");
    BTickLines->setText(QStringLiteral("&Tick lines..."));
    SEBevel = addSpin("SEBevel", 0, kMaxBevel, 1, [series](int value) { series()->SetBevelSize(value); });
    LBevel = label(this, QStringLiteral("Be&vel size:"), SEBevel, "LBevel");
    CBDarkBar = addCheck(QStringLiteral("&Dark Bar 3D Sides"), "CBDarkBar", [series](bool on) { series()->SetDark3D(on); });
    auto *format = new QGridLayout(TabFormat);
    format->addWidget(label(this, QStringLiteral("St&yle:"), CBBarStyle, "LStyle"), 0, 0);
    format->addWidget(CBBarStyle, 0, 1);
    format->addWidget(BBarColor, 1, 0);
    format->addWidget(CBColorEach, 1, 1);
    format->addWidget(BBarPen, 2, 0);
    format->addWidget(BBarBrush, 2, 1);
    format->addWidget(BGradient, 3, 0);
    format->addWidget(BTickLines, 3, 1);
    format->addWidget(LBevel, 4, 0);
    format->addWidget(SEBevel, 4, 1);
    format->addWidget(CBDarkBar, 5, 0, 1, 2);
    format->setRowStretch(6, 1);
    format->setColumnStretch(2, 1);

    SEBarWidth = addSpin("SEBarWidth", 1, 100, 5, [series](int value) { series()->SetBarWidthPercent(value); });
    SEBarOffset = addSpin("SEBarOffset", -100, 100, 5, [series](int value) { series()->SetOffsetPercent(value); });
    SEBarDepth = addSpin("SEBarDepth", 1, 100, 5, [series](int value) { series()->SetDepthPercent(value); });
    CBBarSideMargins = addCheck(QStringLiteral("Bar S&ide Margins"), "CBBarSideMargins",
                                [series](bool on) { series()->SetSideMargins(on); });
    CBAutoMarkPos = addCheck(QStringLiteral("&Auto Mark Position"), "CBAutoMarkPos",
                             [series](bool on) { series()->SetAutoMarkPosition(on); });
    auto *size = new QGridLayout(TabSize);
    size->addWidget(label(this, QStringLiteral("% Bar &Width:"), SEBarWidth, "LBarWidth"), 0, 0);
    size->addWidget(SEBarWidth, 0, 1);
    size->addWidget(label(this, QStringLiteral("% Bar O&ffset:"), SEBarOffset, "LBarOffset"), 1, 0);
    size->addWidget(SEBarOffset, 1, 1);
    size->addWidget(label(this, QStringLiteral("% Bar &Depth:"), SEBarDepth, "LBarDepth"), 2, 0);
    size->addWidget(SEBarDepth, 2, 1);
    size->addWidget(CBBarSideMargins, 3, 0, 1, 2);
    size->addWidget(CBAutoMarkPos, 4, 0, 1, 2);
    size->setRowStretch(5, 1);
    size->setColumnStretch(2, 1);
    adoptLayoutWidgets(TabFormat);
    adoptLayoutWidgets(TabSize);

    connect(BBarBrush, &QPushButton::clicked, this, [this] {
        if (TheSeries())
            EditChartBrush(this, *TheSeries()->BarBrush());
    });
    connect(BGradient, &QPushButton::clicked, this, &TBarSeriesEditor::editGradient);
}

TCustomBarSeries *TBarSeriesEditor::TheSeries() const
{
    return qobject_cast<TCustomBarSeries *>(Tag());
}

void TBarSeriesEditor::FirstShow()
{
    if (TheSeries())
        InsertEditorTab(
            this, [](QWidget *owner, QObject *edited) -> QWidget * { return new TStackBarSeriesEditor(owner, edited); },
            TheSeries(), SeriesGalleryTexts::text(SeriesGalleryTexts::msgGalleryStack), 1);
}

void TBarSeriesEditor::FillControls()
{
    TCustomBarSeries *series = TheSeries();
    if (!series)
        return;
    const QSignalBlocker b1(SEBevel), b2(SEBarWidth), b3(SEBarOffset), b4(SEBarDepth);
    CBBarStyle->setCurrentIndex(int(series->BarStyle()));
    BBarPen->LinkPen(series->BarPen());
    CBColorEach->setChecked(series->ColorEachPoint());
    fillSeriesColorButton(BBarColor, series);
    BTickLines->LinkPen(series->TickLines());
    SEBevel->setValue(series->BevelSize());
    CBDarkBar->setChecked(series->Dark3D());
    SEBarWidth->setValue(series->BarWidthPercent());
    SEBarOffset->setValue(series->OffsetPercent());
    SEBarDepth->setValue(series->DepthPercent());
    CBBarSideMargins->setChecked(series->SideMargins());
    CBAutoMarkPos->setChecked(series->AutoMarkPosition());
    enableStyleControls();
}

void TBarSeriesEditor::enableStyleControls()
{
    const TBarStyle style = TheSeries() ? TheSeries()->BarStyle() : bsRectangle;
    BGradient->setEnabled(style == bsRectangle || style == bsRectGradient);
    for (QWidget *bevel : {static_cast<QWidget *>(LBevel), static_cast<QWidget *>(SEBevel)})
        bevel->setEnabled(style == bsBevel);
}

void TBarSeriesEditor::editGradient()
{
    TCustomBarSeries *series = TheSeries();
    if (!series)
        return;
    const TBarStyle before = series->BarStyle();
    const auto showStyle = [this, series] {
        const QSignalBlocker blocker(CBBarStyle);
        CBBarStyle->setCurrentIndex(int(series->BarStyle()));
        enableStyleControls();
    };
    Write([series] { series->SetBarStyle(bsRectGradient); });
    showStyle();
    // A cancelled editor gives the gradient back itself; the style it switched to goes back here.
    if (!EditPlotGradient(this, *series->Gradient()) && series->BarStyle() != before) {
        Write([series, before] { series->SetBarStyle(before); });
        showStyle();
    }
}

TStackBarSeriesEditor::TStackBarSeriesEditor(QWidget *parent, QObject *tag)
    : SeriesFormatForm(parent, tag)
{
    setObjectName(QStringLiteral("StackBarSeriesEditor"));
    QStringList multiBars;
    for (const char *item : kMultiBars)
        multiBars.append(QString::fromLatin1(item));
    RGMultiBar = addRadioGroup(QStringLiteral("&Multiple Bar:"), "RGMultiBar", multiBars, MultiBarButtons,
                               [this](int id) {
                                   TheSeries()->SetMultiBar(TMultiBar(id));
                                   enableStackGroup();
                               });
    SEStackGroup = addSpin("SEStackGroup", 0, kMaxStackGroup, 1, [this](int value) { TheSeries()->SetStackGroup(value); });
    LStackGroup = label(this, QStringLiteral("&Stack Group:"), SEStackGroup, "LStackGroup");
    EYOrigin = addNumberEdit("EYOrigin", [this](double value) { TheSeries()->SetYOrigin(value); });
    CBYOrigin = addCheck(QStringLiteral("Use &Origin:"), "CBYOrigin", [this](bool on) {
        TheSeries()->SetUseYOrigin(on);
        EYOrigin->setEnabled(on);
        if (on && EYOrigin->isVisible())
            EYOrigin->setFocus();
    });
    auto *grid = new QGridLayout(this);
    grid->addWidget(RGMultiBar, 0, 0, 3, 1);
    grid->addWidget(LStackGroup, 0, 1);
    grid->addWidget(SEStackGroup, 0, 2);
    grid->addWidget(CBYOrigin, 1, 1);
    grid->addWidget(EYOrigin, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(3, 1);
}

TCustomBarSeries *TStackBarSeriesEditor::TheSeries() const
{
    return qobject_cast<TCustomBarSeries *>(Tag());
}

void TStackBarSeriesEditor::FillControls()
{
    TCustomBarSeries *series = TheSeries();
    if (!series)
        return;
    const QSignalBlocker blocker(SEStackGroup);
    if (QAbstractButton *button = MultiBarButtons->button(int(series->MultiBar())))
        button->setChecked(true);
    SEStackGroup->setValue(series->StackGroup());
    CBYOrigin->setChecked(series->UseYOrigin());
    EYOrigin->setText(PlotFormat::FloatToStr(series->YOrigin()));
    EYOrigin->setEnabled(series->UseYOrigin());
    enableStackGroup();
}

void TStackBarSeriesEditor::enableStackGroup()
{
    const TMultiBar multi = TheSeries() ? TheSeries()->MultiBar() : mbNone;
    const bool stacked = multi == mbStacked || multi == mbStacked100;
    LStackGroup->setEnabled(stacked);
    SEStackGroup->setEnabled(stacked);
}
