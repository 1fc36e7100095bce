// The point marker editor.
#include "TSeriesPointerEditor.h"

#include "EditorSetter.h"
#include "EditorSwatch.h"
#include "EditorWidgets.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TCanvas3D.h"
#include "TCustomAxisPanel.h"
#include "TCustomSeries.h"
#include "TFormPlotSeries.h"
#include "TPlotGradientEditor.h"
#include "TSeriesPointer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace EditorWidgets;

namespace {

constexpr TColor kPlotDefaultColor = 0x20000000; // clPlotColor: "take the series colour"
constexpr int kMaxPointerSize = 1000;
constexpr QSize kStyleIconSize(16, 12);

const char *const kStyleNames[] = {"Square", "Circle", "Triangle", "Down Triangle", "Cross", "Diagonal Cross",
                                   "Star", "Diamond", "Small Dot", "Nothing", "Left Triangle", "Right Triangle"};

bool drawsWithPenOnly(TSeriesPointerStyle style)
{
    return style == psCross || style == psDiagCross || style == psStar || style == psSmallDot;
}

} // namespace

TSeriesPointerEditor::TSeriesPointerEditor(QWidget *parent, QObject *tag)
    : QWidget(parent)
    , m_tag(tag)
{
    setObjectName(QStringLiteral("SeriesPointerEditor"));
    CBVisible = named(new QCheckBox(QStringLiteral("&Visible"), this), "CBDrawPoint");
    CB3D = named(new QCheckBox(QStringLiteral("&3D"), this), "CB3DPoint");
    CBDark3D = named(new QCheckBox(QStringLiteral("Dar&k 3D"), this), "CBDark3D");
    CBInflateMargins = named(new QCheckBox(QStringLiteral("Inflate &Margins"), this), "CBInflateMargins");
    SEPointHorizSize = spinBox(this, "SEPointHorizSize", 1, kMaxPointerSize);
    LabelWidth = label(this, QStringLiteral("&Width:"), SEPointHorizSize, "LabelWidth");
    SEPointVertSize = spinBox(this, "SEPointVertSize", 1, kMaxPointerSize);
    LabelHeight = label(this, QStringLiteral("&Height:"), SEPointVertSize, "LabelHeight");
    CBStyle = named(new QComboBox(this), "CBStyle");
    for (const char *name : kStyleNames)
        CBStyle->addItem(QString::fromLatin1(name));
    CBStyle->setIconSize(kStyleIconSize);
    BPattern = named(new QPushButton(QStringLiteral("&Pattern..."), this), "BPointerPattern");
    CBDefault = named(new QCheckBox(QStringLiteral("&Default"), this), "CBDefaultColor");
    BBorder = named(new TButtonPen(this), "BPointerBorder");
    BBorder->setText(QStringLiteral("B&order..."));
    CBColorEach = named(new QCheckBox(QStringLiteral("&Color Each "), this), "CBColorEach");
    BGradient = named(new QPushButton(QStringLiteral("&Gradient..."), this), "BPointerGradient");
    PanelBottom = named(new QWidget(this), "PanelBottom");
    BClose = named(new QPushButton(QStringLiteral("Close"), PanelBottom), "BClose");
    auto *bottom = new QHBoxLayout(PanelBottom);
    bottom->addStretch(1);
    bottom->addWidget(BClose);
    PanelBottom->hide();

    auto *grid = new QGridLayout;
    grid->addWidget(CBVisible, 0, 0);
    grid->addWidget(CB3D, 1, 0);
    grid->addWidget(CBDark3D, 2, 0);
    grid->addWidget(CBInflateMargins, 3, 0);
    grid->addWidget(CBColorEach, 4, 0);
    grid->addWidget(label(this, QStringLiteral("&Style:"), CBStyle, "LabelStyle"), 0, 1);
    grid->addWidget(CBStyle, 0, 2);
    grid->addWidget(LabelWidth, 1, 1);
    grid->addWidget(SEPointHorizSize, 1, 2);
    grid->addWidget(LabelHeight, 2, 1);
    grid->addWidget(SEPointVertSize, 2, 2);
    grid->addWidget(BPattern, 3, 1);
    grid->addWidget(CBDefault, 3, 2);
    grid->addWidget(BBorder, 4, 1);
    grid->addWidget(BGradient, 4, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(PanelBottom);
    connectControls();
}

void TSeriesPointerEditor::HideSizeControls()
{
    m_sizesHidden = true;
    PlotPenDlg::ShowControls(false, {LabelWidth, SEPointHorizSize, LabelHeight, SEPointVertSize});
}

void TSeriesPointerEditor::connectControls()
{
    connect(CBVisible, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TSeriesPointer &p) { p.SetVisible(on); });
        applyVisible();
    });
    connect(CB3D, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TSeriesPointer &p) { p.SetDraw3D(on); });
        apply3DAvailability();
    });
    connect(CBDark3D, &QCheckBox::clicked, this, [this](bool on) { write([on](TSeriesPointer &p) { p.SetDark3D(on); }); });
    connect(CBInflateMargins, &QCheckBox::clicked, this,
            [this](bool on) { write([on](TSeriesPointer &p) { p.SetInflateMargins(on); }); });
    connect(SEPointHorizSize, &QSpinBox::valueChanged, this,
            [this](int value) { write([value](TSeriesPointer &p) { p.SetHorizSize(value); }); });
    connect(SEPointVertSize, &QSpinBox::valueChanged, this,
            [this](int value) { write([value](TSeriesPointer &p) { p.SetVertSize(value); }); });
    connect(CBStyle, &QComboBox::activated, this, [this](int index) {
        write([index](TSeriesPointer &p) { p.SetStyle(TSeriesPointerStyle(index)); });
        apply3DAvailability();
    });
    connect(BPattern, &QPushButton::clicked, this, [this] {
        if (m_pointer && EditChartBrush(this, *m_pointer->Brush()))
            applyDefaultState();
        fillStyleIcons();
    });
    connect(BBorder, &TButtonPen::OnClick, this, [this] {
        applyDefaultState();
        fillStyleIcons();
    });
    connect(CBDefault, &QCheckBox::clicked, this, [this](bool on) {
        write([on](TSeriesPointer &p) {
            if (on) {
                p.Brush()->SetColor(kPlotDefaultColor);
                p.Pen()->SetColor(kPlotDefaultColor);
            } else if (p.Pen()->Color() == kPlotDefaultColor) {
                p.Pen()->SetColor(clBlack);
            }
        });
        BBorder->update();
        fillStyleIcons();
    });
    connect(CBColorEach, &QCheckBox::clicked, this, [this](bool on) {
        if (m_series && !m_filling)
            editorSet([&] { m_series->SetColorEachPoint(on); }, [this] { fill(); });
    });
    connect(BGradient, &QPushButton::clicked, this, [this] {
        if (m_pointer && EditPlotGradient(this, *m_pointer->Gradient()))
            fillStyleIcons();
    });
    connect(BClose, &QPushButton::clicked, this, [this] { window()->close(); });
}

void TSeriesPointerEditor::write(const std::function<void(TSeriesPointer &)> &change)
{
    if (m_filling || !m_pointer)
        return;
    editorSet([&] { change(*m_pointer); }, [this] { fill(); });
}

void TSeriesPointerEditor::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_pointer = qobject_cast<TSeriesPointer *>(m_tag.data());
    m_series = nullptr;
    if (!m_pointer) {
        if (auto *series = qobject_cast<TCustomSeries *>(m_tag.data())) {
            m_series = series;
            m_pointer = series->Pointer();
        }
    }
    CBColorEach->setVisible(bool(m_series));
    fill();
    if (m_pointer && !m_pointer->AllowChangeSize())
        HideSizeControls();
}

void TSeriesPointerEditor::fill()
{
    m_filling = true;
    if (m_pointer) {
        TSeriesPointer &p = *m_pointer;
        const QSignalBlocker b1(SEPointHorizSize), b2(SEPointVertSize);
        CBVisible->setChecked(p.Visible());
        CB3D->setChecked(p.Draw3D());
        SEPointHorizSize->setValue(p.HorizSize());
        SEPointVertSize->setValue(p.VertSize());
        CBStyle->setCurrentIndex(int(p.Style()));
        CBInflateMargins->setChecked(p.InflateMargins());
        CBDark3D->setChecked(p.Dark3D());
        CBColorEach->setChecked(m_series && m_series->ColorEachPoint());
        BBorder->LinkPen(p.Pen());
        applyVisible();
        applyDefaultState();
        fillStyleIcons();
    }
    m_filling = false;
}

void TSeriesPointerEditor::applyVisible()
{
    const bool on = m_pointer && m_pointer->Visible();
    for (QWidget *control : QList<QWidget *>{CBStyle, SEPointHorizSize, SEPointVertSize, LabelWidth, LabelHeight,
                                             BPattern, BBorder, CBDefault, CBInflateMargins, BGradient})
        control->setEnabled(on);
    apply3DAvailability();
}

void TSeriesPointerEditor::apply3DAvailability()
{
    bool chart3D = false;
    if (m_series && m_series->ParentChart())
        chart3D = m_series->ParentChart()->View3D();
    else if (m_pointer)
        if (auto *panel = dynamic_cast<TCustomAxisPanel *>(m_pointer->ParentChart()))
            chart3D = panel->View3D();
    // No canvas here draws a solid circle, so only the flat-sided styles take "3D".
    const TSeriesPointerStyle style = m_pointer ? m_pointer->Style() : psRectangle;
    const bool solid = style == psRectangle || style == psTriangle || style == psDownTriangle;
    CB3D->setEnabled(m_pointer && m_pointer->Visible() && chart3D && solid);
    CBDark3D->setEnabled(CB3D->isEnabled() && CB3D->isChecked());
}

void TSeriesPointerEditor::applyDefaultState()
{
    if (!m_pointer)
        return;
    const QSignalBlocker blocker(CBDefault);
    CBDefault->setChecked(m_pointer->Brush()->Color() == kPlotDefaultColor &&
                          m_pointer->Pen()->Color() == kPlotDefaultColor);
}

void TSeriesPointerEditor::fillStyleIcons()
{
    if (!m_pointer)
        return;
    TColor color = m_pointer->Brush()->Color();
    if (color == kPlotDefaultColor && m_series)
        color = m_series->Color();
    const QColor background = CBStyle->palette().color(QPalette::Base);
    for (int row = 0; row < CBStyle->count(); ++row) {
        const auto style = TSeriesPointerStyle(row);
        // A copy draws the symbol, so painting never touches the edited pointer.
        TSeriesPointer sample;
        sample.Assign(*m_pointer);
        if (drawsWithPenOnly(style) && !sample.Pen()->Visible()) {
            sample.Pen()->SetVisible(true);
            sample.Pen()->SetStyle(psSolid);
            sample.Pen()->SetWidth(1);
            sample.Pen()->SetColor(color);
        }
        const QImage image = drawEditorSwatch(kStyleIconSize, background, [&](TCanvas3D &canvas) {
            sample.PrepareCanvas(canvas, color);
            sample.DrawPointer(canvas, false, 8, 6, 4, 4, color, style);
        });
        CBStyle->setItemIcon(row, QIcon(QPixmap::fromImage(image)));
    }
}

bool EditSeriesPointer(QWidget *owner, TSeriesPointer *pointer)
{
    const auto dialog = PlotPenDlg::CreateEditorForm<QDialog>(owner);
    dialog->setObjectName(QStringLiteral("SeriesPointerDialog"));
    dialog->setWindowTitle(QStringLiteral("Pointer"));
    auto *form = new TSeriesPointerEditor(dialog.get(), pointer);
    (new QVBoxLayout(dialog.get()))->addWidget(form);
    form->CBInflateMargins->hide();
    form->CBColorEach->hide();
    form->PanelBottom->show();
    QObject::connect(form->BClose, &QPushButton::clicked, dialog.get(), &QDialog::accept);
    PlotProcs::PlotTranslateControl(dialog.get());
    dialog->exec();
    return true;
}

QWidget *InsertPointerEditorTab(QWidget *caller, QObject *tag, const QString &caption)
{
    return InsertEditorTab(
        caller, [](QWidget *owner, QObject *edited) -> QWidget * { return new TSeriesPointerEditor(owner, edited); },
        tag, caption, 1);
}
