// The gradient editor and the gradient button.
#include "TPlotGradientEditor.h"

#include "NumberFormat.h"
#include "PlotConst.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "PlotTranslate.h"
#include "TCanvas3D.h"
#include "TChartPen.h"
#include "TChartGalleryPanel.h"
#include "TChartTitle.h"
#include "TChartWalls.h"
#include "TGalleryChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

const TPlotGradientEditor::Preset kPresets[] = {
    {"Caribe Sun", 0xDDDFD2, 0xF50A97, 0x0B80F4, gdTopBottom, 50},
    {"Business", 0xC0C0C0, 0xFFFFFF, 0x808080, gdTopBottom, 50},
    {"Hot", 0x0000FF, clNone, 0x00FFFF, gdTopBottom, 50},
    {"Ace", 0x000000, 0xFF8080, 0x000000, gdBottomTop, 74},
    {"Farm", 0x006AD5, 0xFFFFFF, 0x0062C4, gdBottomTop, 4},
    {"Sea", 0xFFFF80, 0xFF8080, 0x800000, gdBottomTop, 55},
    {"Night", 0xFFFFFF, 0x800040, 0x000000, gdTopBottom, 40},
    {"Space", 0xA50320, 0x800040, 0xFFFFFF, gdFromTopLeft, 50},
    {"Golf", 0x159902, 0xC0C0C0, 0xD9F986, gdTopBottom, 50},
    {"Funky", 0xBD3881, 0x87607A, 0x52EB85, gdTopBottom, 50},
    {"Sunset", 0xB85A06, 0xA7D8AF, 0x001042, gdTopBottom, 50},
    {"Rainbow", 0xA11EE8, 0x0F8355, 0xDD011A, gdTopBottom, 50},
    {"Pastel", 0x247489, 0x9491F6, 0xFD8B9D, gdTopBottom, 50},
    {"Tropical", 0x9A414B, 0x732FF3, 0x20D761, gdTopBottom, 50},
    {"Sea 2", 0x4C031C, 0xBACBE1, 0x291EF9, gdTopBottom, 50},
    {"Desert", 0x265FB7, 0xCE7185, 0x604457, gdTopBottom, 50},
    {"Clear day", 0xFFF3EA, 0xE0E6E9, 0xCEDBFF, gdTopBottom, 50},
};

constexpr int kSpacePreset = 7;

const char *const kDirectionNames[] = {"Top Bottom",       "Bottom Top", "Left Right", "Right Left",   "From Center",
                                       "From Top Left",    "From Bottom Left", "Radial", "Diagonal Up", "Diagonal Down"};

bool isStraight(TGradientDirection direction)
{
    return direction == gdTopBottom || direction == gdBottomTop || direction == gdLeftRight ||
           direction == gdRightLeft;
}

bool hasMiddle(TGradientDirection direction)
{
    return direction != gdFromCenter && direction != gdFromTopLeft && direction != gdFromBottomLeft &&
           direction != gdRadial;
}

template <class Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QSlider *radialSlider(QWidget *parent, const char *name)
{
    auto *slider = named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(-300, 300);
    return slider;
}

void prepareDirectionSample(TGalleryChart &sample, int direction)
{
    sample.Title()->SetText({});
    sample.ApplyView3D(false);
    sample.SetAxisVisible(false);
    TChartBackWall &wall = *sample.BackWall();
    wall.SetTransparent(false);
    wall.Gradient()->SetDirection(TGradientDirection(direction));
    wall.Gradient()->SetVisible(true);
    sample.SetMarginLeft(16);
    sample.SetMarginRight(16);
    sample.SetMarginTop(22);
    sample.SetMarginBottom(22);
    sample.setToolTip(QString::fromLatin1(kDirectionNames[direction]));
}

} // namespace

TPreviewGradient::TPreviewGradient(QWidget *parent)
    : TCustomPlotPanelExtended(parent)
{
    setObjectName(QStringLiteral("PreviewGradient"));
    SetBevelOuter(bvNone);
}

TPlotGradientEditor::TPlotGradientEditor(QWidget *parent, bool hideColors, bool hideVisible)
    : QDialog(parent)
    , m_hideColors(hideColors)
{
    setObjectName(QStringLiteral("PlotGradientEditor"));
    setWindowTitle(QStringLiteral("Gradient Editor"));
    m_visible = named(new QCheckBox(QStringLiteral("&Visible"), this), "CBVisible");
    m_visible->setVisible(!hideVisible);
    m_direction = named(new QComboBox(this), "CBDirection");
    for (const char *name : kDirectionNames)
        m_direction->addItem(QString::fromLatin1(name));
    auto *directionLabel = named(new QLabel(QStringLiteral("&Direction:"), this), "LDirection");
    directionLabel->setBuddy(m_direction);
    auto *top = new QHBoxLayout;
    top->addWidget(m_visible);
    top->addWidget(directionLabel);
    top->addWidget(m_direction, 1);

    m_pages = named(new QTabWidget(this), "PageControl1");
    auto *defaultPage = named(new QWidget, "TabSheet3");
    m_gallery = named(new QListWidget(defaultPage), "Gallery");
    for (int i = 0; i < PresetCount(); ++i) {
        // "Space" is the delimiter's word in the language list: this preset's name is a text of its own.
        const bool space = i == kSpacePreset;
        auto *item = new QListWidgetItem(space ? PlotConst::message(PlotConst::msgGradientSpace)
                                               : QString::fromLatin1(kPresets[i].name),
                                         m_gallery);
        item->setData(Qt::UserRole, i);
        item->setData(PlotTranslate::kKeepTextRole, space);
    }
    m_gallery->sortItems();
    m_gallery->setSortingEnabled(true);
    m_gallery->setProperty(PlotTranslate::kSortedProperty, true);
    m_preview = new TPreviewGradient(defaultPage);
    auto *defaultLayout = new QHBoxLayout(defaultPage);
    defaultLayout->addWidget(m_gallery);
    defaultLayout->addWidget(m_preview, 1);

    auto *colorsPage = named(new QWidget, "TabSheet1");
    m_swap = named(new QPushButton(QStringLiteral("S&wap"), colorsPage), "BSwap");
    m_start = named(new TButtonColor(colorsPage), "BStart");
    m_start->setText(QStringLiteral("&Start..."));
    m_mid = named(new TButtonColor(colorsPage), "BMid");
    m_mid->setText(QStringLiteral("&Middle..."));
    m_end = named(new TButtonColor(colorsPage), "BEnd");
    m_end->setText(QStringLiteral("&End..."));
    m_noMid = named(new QCheckBox(QStringLiteral("&No Middle"), colorsPage), "CBMid");
    auto *colors = new QGridLayout(colorsPage);
    colors->addWidget(m_start, 0, 0);
    colors->addWidget(m_swap, 0, 1);
    colors->addWidget(m_mid, 1, 0);
    colors->addWidget(m_noMid, 1, 1);
    colors->addWidget(m_end, 2, 0);
    m_end->setVisible(!hideColors);
    m_swap->setVisible(!hideColors);

    auto *optionsPage = named(new QWidget, "TabSheet2");
    m_balance = named(new QSlider(Qt::Horizontal, optionsPage), "SBBalance");
    m_balance->setRange(0, 100);
    auto *balanceCaption = named(new QLabel(QStringLiteral("&Balance:"), optionsPage), "LBalance");
    balanceCaption->setBuddy(m_balance);
    m_balanceLabel = named(new QLabel(QStringLiteral("50 %"), optionsPage), "LabelBalance");
    m_radialX = radialSlider(optionsPage, "TrackBar1");
    m_radialY = radialSlider(optionsPage, "TrackBar2");
    m_horizLabel = named(new QLabel(QStringLiteral("&Horiz:"), optionsPage), "LHoriz");
    m_horizLabel->setBuddy(m_radialX);
    m_vertLabel = named(new QLabel(QStringLiteral("&Vert:"), optionsPage), "LVert");
    m_vertLabel->setBuddy(m_radialY);
    m_radialXLabel = named(new QLabel(optionsPage), "LRadialX");
    m_radialYLabel = named(new QLabel(optionsPage), "LRadialY");
    auto *options = new QGridLayout(optionsPage);
    options->addWidget(balanceCaption, 0, 0);
    options->addWidget(m_balance, 0, 1);
    options->addWidget(m_balanceLabel, 0, 2);
    options->addWidget(named(new QLabel(QStringLiteral("Radial offset:"), optionsPage), "LRadial"), 1, 0, 1, 3);
    options->addWidget(m_horizLabel, 2, 0);
    options->addWidget(m_radialX, 2, 1);
    options->addWidget(m_radialXLabel, 2, 2);
    options->addWidget(m_vertLabel, 3, 0);
    options->addWidget(m_radialY, 3, 1);
    options->addWidget(m_radialYLabel, 3, 2);

    auto *directionsPage = named(new QWidget, "TabSheet4");
    m_directions = named(new TChartGalleryPanel(directionsPage), "Directions");
    m_directions->SetNumRows(2);
    m_directions->SetNumCols(5);
    m_directions->FocusRotation = false;
    m_directions->DisplaySub = false;
    for (int i = 0; i < int(std::size(kDirectionNames)); ++i)
        prepareDirectionSample(*m_directions->AddChart(), i);
    (new QVBoxLayout(directionsPage))->addWidget(m_directions);

    m_pages->addTab(defaultPage, QStringLiteral("Default"));
    m_pages->addTab(colorsPage, QStringLiteral("Colors"));
    m_pages->addTab(optionsPage, QStringLiteral("Options"));
    m_pages->addTab(directionsPage, QStringLiteral("Directions"));
    m_pages->setCurrentWidget(colorsPage);

    m_buttons = named(new QWidget(this), "Panel1");
    auto *ok = named(new QPushButton(QStringLiteral("OK"), m_buttons), "BOk");
    ok->setDefault(true);
    auto *cancel = named(new QPushButton(QStringLiteral("Cancel"), m_buttons), "BCancel");
    auto *buttons = new QHBoxLayout(m_buttons);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_buttons);
    resize(440, 300);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_visible, &QCheckBox::clicked, this, [this](bool checked) {
        write([checked](TCustomPlotGradient &g) { g.SetVisible(checked); });
        enableVisible();
        updatePreview();
    });
    connect(m_direction, &QComboBox::activated, this, [this](int index) {
        write([index](TCustomPlotGradient &g) { g.SetDirection(TGradientDirection(index)); });
        enableDirection();
        if (!isStraight(TGradientDirection(index)))
            m_gallery->clearSelection();
        updatePreview();
        selectDirectionSample();
    });
    connect(m_directions, &TChartGalleryPanel::OnChangeChart, this, [this] {
        const int index = m_directions->SelectedIndex();
        if (m_setting || index < 0 || !m_gradient)
            return;
        write([index](TCustomPlotGradient &g) { g.SetDirection(TGradientDirection(index)); });
        const QSignalBlocker block(m_direction);
        m_direction->setCurrentIndex(index);
        enableDirection();
        updatePreview();
    });
    connect(m_gallery, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { applyPreset(item->data(Qt::UserRole).toInt()); });
    connect(m_swap, &QPushButton::clicked, this, [this] {
        write([](TCustomPlotGradient &g) {
            const TColor start = g.StartColor();
            g.SetStartColor(g.EndColor());
            g.SetEndColor(start);
        });
        m_start->update();
        m_end->update();
        updatePreview();
    });
    connect(m_noMid, &QCheckBox::clicked, this, [this](bool checked) {
        write([checked](TCustomPlotGradient &g) {
            if (checked)
                g.SetMidColor(clNone);
            else if (g.MidColor() == clNone)
                g.SetMidColor(clWhite);
        });
        m_mid->update();
        updatePreview();
    });
    connect(m_mid, &TButtonColor::OnClick, this, [this] {
        const QSignalBlocker block(m_noMid);
        m_noMid->setChecked(m_gradient && m_gradient->MidColor() == clNone);
        updatePreview();
    });
    connect(m_start, &TButtonColor::OnClick, this, &TPlotGradientEditor::updatePreview);
    connect(m_end, &TButtonColor::OnClick, this, &TPlotGradientEditor::updatePreview);
    connect(m_balance, &QSlider::valueChanged, this, [this](int value) {
        write([value](TCustomPlotGradient &g) { g.SetBalance(value); });
        m_balanceLabel->setText(
            PlotFormat::FormatFloat(PlotConst::message(PlotConst::msgDefPercentFormat), value));
    });
    connect(m_radialX, &QSlider::valueChanged, this, [this](int value) {
        write([value](TCustomPlotGradient &g) { g.SetRadialX(value); });
        m_radialXLabel->setText(QString::number(value));
    });
    connect(m_radialY, &QSlider::valueChanged, this, [this](int value) {
        write([value](TCustomPlotGradient &g) { g.SetRadialY(value); });
        m_radialYLabel->setText(QString::number(value));
    });
}

const TPlotGradientEditor::Preset &TPlotGradientEditor::PresetAt(int number)
{
    return kPresets[number];
}

int TPlotGradientEditor::PresetCount()
{
    return int(std::size(kPresets));
}

void TPlotGradientEditor::SetEmbedded()
{
    m_buttons->hide();
}

void TPlotGradientEditor::write(const std::function<void(TCustomPlotGradient &)> &change)
{
    if (m_gradient && !m_setting)
        change(*m_gradient);
}

void TPlotGradientEditor::LinkGradient(TCustomPlotGradient *gradient)
{
    m_setting = true;
    m_gradient = gradient;
    if (gradient) {
        m_copy.Assign(*gradient);
        m_start->LinkProperty(gradient, QStringLiteral("StartColor"));
        m_mid->LinkProperty(gradient, QStringLiteral("MidColor"));
        m_end->LinkProperty(gradient, QStringLiteral("EndColor"));
        refreshControls();
        enableVisible();
        enableDirection();
        updatePreview();
    }
    selectDirectionSample();
    m_setting = false;
}

void TPlotGradientEditor::refreshControls()
{
    if (!m_gradient)
        return;
    const bool wasSetting = std::exchange(m_setting, true);
    const TCustomPlotGradient &g = *m_gradient;
    m_balance->setValue(g.Balance());
    m_balanceLabel->setText(PlotFormat::FormatFloat(PlotConst::message(PlotConst::msgDefPercentFormat), g.Balance()));
    m_visible->setChecked(g.Visible());
    m_direction->setCurrentIndex(int(g.Direction()));
    m_noMid->setChecked(g.MidColor() == clNone);
    m_radialX->setValue(g.RadialX());
    m_radialY->setValue(g.RadialY());
    m_radialXLabel->setText(QString::number(g.RadialX()));
    m_radialYLabel->setText(QString::number(g.RadialY()));
    m_start->update();
    m_mid->update();
    m_end->update();
    m_setting = wasSetting;
}

void TPlotGradientEditor::updatePreview()
{
    if (!m_gradient)
        return;
    TPlotGradient &preview = *m_preview->Gradient();
    preview.SetVisible(m_gradient->Visible());
    preview.SetDirection(m_gradient->Direction());
    preview.SetStartColor(m_gradient->StartColor());
    preview.SetMidColor(m_gradient->MidColor());
    preview.SetEndColor(m_gradient->EndColor());
    for (const auto &sample : m_directions->Charts()) {
        TPlotGradient &wall = *sample->BackWall()->Gradient();
        wall.SetStartColor(m_gradient->StartColor());
        wall.SetMidColor(m_gradient->MidColor());
        wall.SetEndColor(m_gradient->EndColor());
    }
}

void TPlotGradientEditor::enableVisible()
{
    const bool enable = m_hideColors || (m_gradient && m_gradient->Visible());
    for (QWidget *w : std::initializer_list<QWidget *>{m_direction, m_start, m_noMid, m_mid, m_end, m_swap, m_gallery})
        w->setEnabled(enable);
    if (enable)
        enableDirection();
}

void TPlotGradientEditor::enableDirection()
{
    if (!m_gradient)
        return;
    const TGradientDirection direction = m_gradient->Direction();
    const bool middle = m_hideColors || (m_gradient->Visible() && hasMiddle(direction));
    m_noMid->setEnabled(middle);
    m_mid->setEnabled(middle);
    const bool radial = direction == gdRadial;
    for (QWidget *w : std::initializer_list<QWidget *>{m_radialX, m_radialY, m_horizLabel, m_vertLabel,
                                                       m_radialXLabel, m_radialYLabel})
        w->setEnabled(radial);
}

void TPlotGradientEditor::selectDirectionSample()
{
    if (!m_gradient)
        return;
    const bool wasSetting = std::exchange(m_setting, true);
    const auto &charts = m_directions->Charts();
    const auto index = size_t(m_gradient->Direction());
    if (index < charts.size())
        m_directions->SetSelectedChart(charts[index].get());
    m_setting = wasSetting;
}

void TPlotGradientEditor::applyPreset(int number)
{
    if (!m_gradient || number < 0 || number >= PresetCount())
        return;
    const Preset &preset = kPresets[number];
    TCustomPlotGradient &g = *m_gradient;
    g.SetStartColor(preset.start);
    g.SetMidColor(preset.mid);
    g.SetEndColor(preset.end);
    g.SetDirection(preset.direction);
    g.SetBalance(preset.balance);
    refreshControls();
    enableDirection();
    updatePreview();
    selectDirectionSample();
}

void TPlotGradientEditor::reject()
{
    // Every change is undone, from the colour buttons, the presets and the direction samples alike;
    // Assign notifies only when a value differs.
    if (m_gradient)
        m_gradient->Assign(m_copy);
    QDialog::reject();
}

void TPlotGradientEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PlotProcs::PlotTranslateControl(this);
}

TButtonGradient::TButtonGradient(QWidget *parent)
    : TPlotButton(parent)
{
    connect(this, &QPushButton::clicked, this, &TButtonGradient::editGradient);
}

void TButtonGradient::LinkGradient(TCustomPlotGradient *gradient)
{
    m_gradient = gradient;
    m_source = nullptr;
    update();
}

void TButtonGradient::LinkGradientSource(std::function<TCustomPlotGradient *()> source)
{
    m_gradient = nullptr;
    m_source = std::move(source);
    update();
}

void TButtonGradient::DrawSymbol(TCanvas3D &canvas)
{
    if (!isEnabled())
        return;
    const TRect r = GetSwatchRect();
    if (m_gradient)
        m_gradient->Draw(canvas, r);
    canvas.Brush()->SetStyle(bsClear);
    TChartPen frame;
    frame.SetColor(m_gradient && m_gradient->Visible() ? clBlack : 0x808080);
    canvas.AssignVisiblePen(frame);
    canvas.RectangleRect(r);
}

void TButtonGradient::editGradient()
{
    if (!m_gradient && m_source)
        m_gradient = m_source();
    if (!m_gradient)
        return;
    if (EditPlotGradient(this, *m_gradient, HideColors)) {
        update();
        Q_EMIT OnClick();
    }
}

bool EditPlotGradient(QWidget *owner, TCustomPlotGradient &gradient, bool hideColors, bool hideVisible)
{
    auto editor = std::make_unique<TPlotGradientEditor>(PlotPenDlg::EditorOwnerForm(owner), hideColors, hideVisible);
    PlotPenDlg::PrepareEditorForm(*editor);
    editor->LinkGradient(&gradient);
    return editor->exec() == QDialog::Accepted;
}

TPlotGradientEditor *InsertGradientEditor(QWidget &host, TCustomPlotGradient *gradient)
{
    auto *editor = new TPlotGradientEditor(&host);
    editor->SetEmbedded();
    PlotPenDlg::EmbedForm(*editor, host);
    editor->LinkGradient(gradient);
    return editor;
}
