// The chart font editor.
#include "TPlotFontEditor.h"

#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "PlotBrushDlg.h"
#include "PlotColorDialog.h"
#include "PlotColor.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"
#include "TButtonPen.h"
#include "TPlotFont.h"
#include "TPlotGradientEditor.h"
#include "TPlotShadowEditor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace EditorWidgets;

FontColorSwatch::FontColorSwatch(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFixedSize(32, 24);
}

void FontColorSwatch::SetColor(TColor color)
{
    m_color = color;
    update();
}

void FontColorSwatch::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(PlotColor::toQColor(m_color));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FontColorSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

TPlotFontEditor::TPlotFontEditor(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PlotFontEditor"));
    setWindowTitle(QStringLiteral("PlotFont Editor"));
    SHText = named(new FontColorSwatch(this), "SHText");
    Button3 = named(new QPushButton(QStringLiteral("&Font..."), this), "Button3");
    UDInter = spinBox(this, "UDInter", -100, 100);
    BOutline = named(new TButtonPen(this), "BOutline");
    BOutline->setText(QStringLiteral("&Outline..."));
    BShadow = named(new QPushButton(QStringLiteral("&Shadow..."), this), "BShadow");
    CBOutGrad = named(new QCheckBox(QStringLiteral("O&utline gradient"), this), "CBOutGrad");
    BGradient = named(new TButtonGradient(this), "BGradient");
    BGradient->setText(QStringLiteral("&Gradient..."));

    auto *grid = new QGridLayout(this);
    grid->addWidget(SHText, 0, 0);
    grid->addWidget(Button3, 0, 1);
    grid->addWidget(label(this, QStringLiteral("&Inter-char spacing:"), UDInter, "LabelInter"), 1, 0);
    grid->addWidget(UDInter, 1, 1);
    grid->addWidget(BOutline, 2, 0);
    grid->addWidget(BShadow, 2, 1);
    grid->addWidget(CBOutGrad, 3, 0);
    grid->addWidget(BGradient, 3, 1);
    grid->setRowStretch(4, 1);

    SHText->onClick = [this] { editColor(); };
    connect(Button3, &QPushButton::clicked, this, [this] {
        if (m_font && PlotBrushDlg::EditFont(this, *m_font))
            SHText->SetColor(m_font->Color());
    });
    connect(UDInter, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_font && !m_filling)
            editorSet([&] { m_font->SetInterCharSize(value); }, [this] { RefreshControls(m_font); });
    });
    connect(BShadow, &QPushButton::clicked, this, [this] {
        if (m_font)
            EditShadow(this, *m_font->Shadow());
    });
    connect(CBOutGrad, &QCheckBox::clicked, this, [this](bool on) {
        if (m_font && !m_filling)
            m_font->Gradient()->SetOutline(on);
        BGradient->LinkGradient(m_font ? m_font->gradientIfAny() : nullptr);
    });
}

void TPlotFontEditor::RefreshControls(TPlotFont *font)
{
    m_font = font;
    if (!font)
        return;
    m_filling = true;
    const QSignalBlocker blockInter(UDInter);
    SHText->SetColor(font->Color());
    UDInter->setValue(font->InterCharSize());
    // Outline and gradient are made only when the user edits them.
    BOutline->LinkPenSource([font = m_font] { return font ? font->OutLine() : nullptr; }, font->outLineIfAny());
    CBOutGrad->setChecked(font->gradientIfAny() && font->gradientIfAny()->Outline());
    if (font->gradientIfAny())
        BGradient->LinkGradient(font->gradientIfAny());
    else
        BGradient->LinkGradientSource([font = m_font]() -> TCustomPlotGradient * { return font ? font->Gradient() : nullptr; });
    m_filling = false;
}

void TPlotFontEditor::editColor()
{
    if (!m_font)
        return;
    TColor color = m_font->Color();
    if (PlotColorDialog::EditColorDialog(this, color)) {
        m_font->SetColor(color);
        SHText->SetColor(color);
    }
}

void TPlotFontEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_font)
        RefreshControls(m_font);
    PlotProcs::PlotTranslateControl(this);
}

TPlotFontEditor *InsertFontEditor(QWidget &host)
{
    auto *editor = new TPlotFontEditor(&host);
    PlotPenDlg::EmbedForm(*editor, host);
    return editor;
}
