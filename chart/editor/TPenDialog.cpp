// The pen dialog.
#include "TPenDialog.h"

#include "EditorSwatch.h"
#include "PlotColor.h"
#include "PlotConst.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "RangeSpinBox.h"
#include "TCanvas3D.h"
#include "TChartPen.h"
#include "TComboFlat.h"
#include "TPlotButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr int kStyleCount = 5; // solid .. dash dot dot, the pen style's ordinal
constexpr int kMaxWidth = 1000;

} // namespace

TPenDialog::TPenDialog(QWidget *parent)
    : QDialog(parent)
    , m_visible(new QCheckBox(QStringLiteral("&Visible"), this))
    , m_style(new TComboFlat(this))
    , m_width(new RangeSpinBox(this))
    , m_color(new TButtonColor(this))
    , m_endStyle(new QComboBox(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("PenDialog"));
    setWindowTitle(QStringLiteral("Border Editor"));
    m_visible->setObjectName(QStringLiteral("CBVisible"));
    m_style->setObjectName(QStringLiteral("CBStyle"));
    m_style->addItems({QStringLiteral("Solid"), QStringLiteral("Dash"), QStringLiteral("Dot"), QStringLiteral("Dash Dot"),
                       QStringLiteral("Dash Dot Dot")});
    m_style->setIconSize(QSize(32, 16));
    m_width->setObjectName(QStringLiteral("SEWidth"));
    m_width->setRange(1, kMaxWidth);
    auto *widthLabel = new QLabel(QStringLiteral("&Width:"), this);
    widthLabel->setObjectName(QStringLiteral("LWidth"));
    widthLabel->setBuddy(m_width);
    m_color->setObjectName(QStringLiteral("BColor"));
    m_color->setText(QStringLiteral("&Color..."));
    m_endStyle->setObjectName(QStringLiteral("CBEndStyle"));
    m_endStyle->addItems({QStringLiteral("Round"), QStringLiteral("Square"), QStringLiteral("Flat")});
    m_ok->setObjectName(QStringLiteral("BOk"));
    m_ok->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("BCancel"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_visible, 0, 0, 1, 2);
    grid->addWidget(m_style, 1, 0, 1, 2);
    grid->addWidget(widthLabel, 2, 0);
    grid->addWidget(m_width, 2, 1);
    grid->addWidget(m_color, 3, 0);
    grid->addWidget(m_endStyle, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(m_visible, &QCheckBox::clicked, this, [this](bool checked) {
        if (auto *chartPen = qobject_cast<TChartPen *>(m_pen.data()); chartPen && !m_filling) {
            chartPen->SetVisible(checked);
        }
    });
    connect(m_style, &QComboBox::activated, this, &TPenDialog::styleChosen);
    connect(m_width, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_pen && !m_filling) {
            m_pen->SetWidth(value);
        }
    });
    connect(m_endStyle, &QComboBox::activated, this, [this](int index) {
        if (auto *chartPen = qobject_cast<TChartPen *>(m_pen.data()); chartPen && index >= 0) {
            chartPen->SetEndStyle(TPenEndStyle(index));
        }
    });
    // The samples are drawn in the pen's colour.
    connect(m_color, &TButtonColor::OnClick, this, &TPenDialog::refreshStyleSamples);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TPenDialog::~TPenDialog() = default;

void TPenDialog::SetHideColor(bool hide)
{
    m_color->setVisible(!hide);
}

int TPenDialog::smallDotsIndex() const
{
    return m_style->count() > kStyleCount ? kStyleCount : -1;
}

void TPenDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_pen)
        fill();
    PlotProcs::PlotTranslateControl(this);
}

void TPenDialog::fill()
{
    m_filling = true;
    const QSignalBlocker blockWidth(m_width);
    auto *chartPen = qobject_cast<TChartPen *>(m_pen.data());
    m_copy = chartPen ? std::make_unique<TChartPen>() : std::make_unique<TPen>();
    m_copy->Assign(*m_pen);

    m_visible->setVisible(chartPen != nullptr);
    m_endStyle->setVisible(chartPen != nullptr);
    // Qt always draws small dots and end styles, so a chart pen always offers both.
    if (chartPen && smallDotsIndex() < 0)
        m_style->addItem(PlotConst::message(PlotConst::msgSmallDots));
    const int style = int(m_pen->Style());
    if (chartPen && chartPen->SmallDots()) {
        m_style->setCurrentIndex(smallDotsIndex());
        m_width->setEnabled(false);
    } else {
        m_style->setCurrentIndex(style < kStyleCount ? style : -1);
        m_width->setEnabled(true);
    }
    if (chartPen) {
        m_visible->setChecked(chartPen->Visible());
        m_endStyle->setCurrentIndex(int(chartPen->EndStyle()));
    }
    m_width->setValue(m_pen->Width());
    m_color->LinkProperty(m_pen, QStringLiteral("Color"));
    refreshStyleSamples();
    m_filling = false;
}

void TPenDialog::styleChosen(int index)
{
    if (!m_pen || index < 0)
        return;
    auto *chartPen = qobject_cast<TChartPen *>(m_pen.data());
    if (chartPen && index == smallDotsIndex()) {
        chartPen->SetSmallDots(true);
        m_width->setEnabled(false);
    } else {
        m_pen->SetStyle(TPenStyle(index));
        if (chartPen)
            chartPen->SetSmallDots(false);
        m_width->setEnabled(true);
    }
}

void TPenDialog::refreshStyleSamples()
{
    if (!m_pen)
        return;
    // A sample in the background's own colour would vanish: white then, or black on white.
    const QColor background = m_style->palette().color(QPalette::Base);
    TColor color = PlotColor::ColorToRGB(m_pen->Color());
    if (PlotColor::toQColor(color) == background)
        color = color == clWhite ? clBlack : clWhite;
    for (int i = 0; i < m_style->count(); ++i) {
        const bool smallDots = i == smallDotsIndex();
        const QImage sample = drawEditorSwatch(QSize(32, 16), background, [&](TCanvas3D &canvas) {
            TChartPen pen;
            pen.SetColor(color);
            pen.SetStyle(smallDots ? psSolid : TPenStyle(i));
            pen.SetSmallDots(smallDots);
            canvas.AssignVisiblePen(pen);
            canvas.Line(2, 8, 30, 8);
        });
        m_style->setItemIcon(i, QPixmap::fromImage(sample));
    }
}

bool TPenDialog::differsFromCopy() const
{
    if (!m_pen || !m_copy)
        return false;
    if (m_pen->Color() != m_copy->Color() || m_pen->Width() != m_copy->Width() || m_pen->Style() != m_copy->Style()
        || m_pen->Mode() != m_copy->Mode())
        return true;
    const auto *pen = qobject_cast<const TChartPen *>(m_pen.data());
    const auto *copy = qobject_cast<const TChartPen *>(m_copy.get());
    return pen && copy
        && (pen->Visible() != copy->Visible() || pen->SmallDots() != copy->SmallDots()
            || pen->EndStyle() != copy->EndStyle());
}

void TPenDialog::reject()
{
    // Not only after the Cancel button and not only when a handler noted a change: any edit,
    // however it was made, is undone on every way out but OK.
    if (differsFromCopy())
        m_pen->Assign(*m_copy);
    QDialog::reject();
}

bool EditChartPen(QWidget *owner, TPen &pen, bool hideColor)
{
    const auto dialog = PlotPenDlg::CreateEditorForm<TPenDialog>(owner);
    dialog->SetPen(&pen);
    dialog->SetHideColor(hideColor);
    return dialog->exec() == QDialog::Accepted;
}
