// The legend symbol editor.
#include "TSymbolEditor.h"

#include "EditorSetter.h"
#include "EditorWidgets.h"
#include "PlotProcs.h"
#include "TButtonPen.h"
#include "TLegendSymbol.h"
#include "TPlotGradientEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace EditorWidgets;

TSymbolEditor::TSymbolEditor(QWidget *parent, TLegendSymbol *symbol)
    : QWidget(parent)
    , m_symbol(symbol)
{
    setObjectName(QStringLiteral("SymbolEditor"));
    setWindowTitle(QStringLiteral("Legend Symbol Editor"));
    UDColWi = spinBox(this, "UDColWi", 0, 100, 5);
    LabelWidth = label(this, QStringLiteral("&Width:"), UDColWi, "LabelWidth");
    CBColWUnits = named(new QComboBox(this), "CBColWUnits");
    CBColWUnits->addItems({QStringLiteral("Percent"), QStringLiteral("Pixels")});
    CBSymbolPos = named(new QComboBox(this), "CBSymbolPos");
    CBSymbolPos->addItems({QStringLiteral("Left"), QStringLiteral("Right")});
    CBContinuous = named(new QCheckBox(QStringLiteral("&Continuous"), this), "CBContinuous");
    CBVisible = named(new QCheckBox(QStringLiteral("&Visible"), this), "CBVisible");
    CBSymPen = named(new QCheckBox(QStringLiteral("&Default border"), this), "CBSymPen");
    BSymPen = named(new TButtonPen(this), "BSymPen");
    BSymPen->setText(QStringLiteral("&Border..."));
    CBSquared = named(new QCheckBox(QStringLiteral("&Squared"), this), "CBSquared");
    BSymGradient = named(new TButtonGradient(this), "BSymGradient");
    BSymGradient->setText(QStringLiteral("&Gradient..."));

    auto *grid = new QGridLayout(this);
    grid->addWidget(LabelWidth, 0, 0);
    grid->addWidget(UDColWi, 0, 1);
    grid->addWidget(label(this, QStringLiteral("Width &Units:"), CBColWUnits, "LabelUnits"), 1, 0);
    grid->addWidget(CBColWUnits, 1, 1);
    grid->addWidget(label(this, QStringLiteral("&Position:"), CBSymbolPos, "LabelPosition"), 2, 0);
    grid->addWidget(CBSymbolPos, 2, 1);
    grid->addWidget(CBContinuous, 0, 2);
    grid->addWidget(CBVisible, 1, 2);
    grid->addWidget(CBSquared, 2, 2);
    grid->addWidget(CBSymPen, 3, 0);
    grid->addWidget(BSymPen, 3, 1);
    grid->addWidget(BSymGradient, 3, 2);
    grid->setRowStretch(4, 1);

    const auto write = [this](const std::function<void(TLegendSymbol &)> &change) {
        if (m_symbol && !m_filling)
            editorSet([&] { change(*m_symbol); }, [this] { fill(); });
    };
    connect(UDColWi, &QSpinBox::valueChanged, this, [write](int v) { write([v](TLegendSymbol &s) { s.SetWidth(v); }); });
    connect(CBColWUnits, &QComboBox::activated, this, [write](int i) {
        write([i](TLegendSymbol &s) { s.SetWidthUnits(i == 1 ? lcsPixels : lcsPercent); });
    });
    connect(CBSymbolPos, &QComboBox::activated, this,
            [write](int i) { write([i](TLegendSymbol &s) { s.SetPosition(i == 1 ? spRight : spLeft); }); });
    connect(CBContinuous, &QCheckBox::clicked, this,
            [write](bool on) { write([on](TLegendSymbol &s) { s.SetContinuous(on); }); });
    connect(CBVisible, &QCheckBox::clicked, this, [write](bool on) { write([on](TLegendSymbol &s) { s.SetVisible(on); }); });
    connect(CBSymPen, &QCheckBox::clicked, this, [this, write](bool on) {
        write([on](TLegendSymbol &s) { s.SetDefaultPen(on); });
        BSymPen->setEnabled(!on);
    });
    connect(CBSquared, &QCheckBox::clicked, this, [this, write](bool on) {
        write([on](TLegendSymbol &s) { s.SetSquared(on); });
        enableWidth();
    });
}

void TSymbolEditor::SetSymbol(TLegendSymbol *symbol)
{
    m_symbol = symbol;
    if (isVisible())
        fill();
}

void TSymbolEditor::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fill();
    PlotProcs::PlotTranslateControl(this);
}

void TSymbolEditor::fill()
{
    if (!m_symbol)
        return;
    m_filling = true;
    const TLegendSymbol &s = *m_symbol;
    const QSignalBlocker block(UDColWi);
    UDColWi->setValue(s.Width());
    CBColWUnits->setCurrentIndex(s.WidthUnits() == lcsPixels ? 1 : 0);
    CBSymbolPos->setCurrentIndex(s.Position() == spRight ? 1 : 0);
    CBContinuous->setChecked(s.Continuous());
    CBSquared->setChecked(s.Squared());
    CBVisible->setChecked(s.Visible());
    CBSymPen->setChecked(s.DefaultPen());
    BSymPen->LinkPen(s.Pen());
    BSymPen->setEnabled(!s.DefaultPen());
    BSymGradient->LinkGradient(s.Gradient());
    enableWidth();
    m_filling = false;
}

void TSymbolEditor::enableWidth()
{
    const bool free = !CBSquared->isChecked();
    UDColWi->setEnabled(free);
    LabelWidth->setEnabled(free);
}
