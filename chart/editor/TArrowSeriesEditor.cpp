// The arrow series editor.
#include "TArrowSeriesEditor.h"

#include "EditorWidgets.h"
#include "PlotTranslate.h"
#include "TArrowSeries.h"
#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TPlotButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace EditorWidgets;

namespace {

constexpr int kMaxArrowSize = 1000;

QString percentText(int value)
{
    return QString::number(value) + QLatin1Char('%');
}

} // namespace

TArrowSeriesEditor::TArrowSeriesEditor(QWidget *parent, QObject *tag)
    : SeriesFormatForm(parent, tag)
{
    setObjectName(QStringLiteral("ArrowSeriesEditor"));
    auto series = [this] { return TheSeries(); };
    SEArrowWidth = addSpin("SEArrowWidth", 1, kMaxArrowSize, 1, [series](int value) { series()->SetArrowWidth(value); });
    SEArrowHeight = addSpin("SEArrowHeight", 1, kMaxArrowSize, 1, [series](int value) { series()->SetArrowHeight(value); });
    SBPercent = named(new QScrollBar(Qt::Horizontal, this), "SBPercent");
    SBPercent->setRange(0, 100);
    LPercent = named(new QLabel(this), "LPercent");
    LPercent->setProperty(PlotTranslate::kUserTextsProperty, true); // a number, no caption
    connect(SBPercent, &QScrollBar::valueChanged, this, [this, series](int value) {
        LPercent->setText(percentText(value));
        Write([&] { series()->SetArrowPercent(value); });
    });
    BArrowPen = named(new TButtonPen(this), "BArrowPen");
    BArrowPen->setText(QStringLiteral("&Border..."));
    BArrowBrush = named(new QPushButton(QStringLiteral("&Pattern..."), this), "BArrowBrush");
    CBColorEach = addCheck(QStringLiteral("Color &Each"), "CBColorEach", [this, series](bool on) {
        series()->SetColorEachPoint(on);
        // Each arrow then takes its point's colour.
        if (on)
            series()->Pointer()->Brush()->SetColor(clPlotColor);
        BArrowColor->setEnabled(!on);
    });
    BArrowColor = addSeriesColorButton("BArrowColor");

    auto *grid = new QGridLayout(this);
    grid->addWidget(label(this, QStringLiteral("&Width:"), SEArrowWidth, "LArrowWidth"), 0, 0);
    grid->addWidget(SEArrowWidth, 0, 1);
    grid->addWidget(label(this, QStringLiteral("&Height:"), SEArrowHeight, "LArrowHeight"), 1, 0);
    grid->addWidget(SEArrowHeight, 1, 1);
    grid->addWidget(label(this, QStringLiteral("&Size:"), SBPercent, "LSize"), 2, 0);
    grid->addWidget(SBPercent, 2, 1);
    grid->addWidget(LPercent, 2, 2);
    grid->addWidget(BArrowPen, 0, 3);
    grid->addWidget(BArrowBrush, 1, 3);
    grid->addWidget(CBColorEach, 2, 3);
    grid->addWidget(BArrowColor, 3, 3);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(4, 1);

    connect(BArrowBrush, &QPushButton::clicked, this, [this] {
        if (TheSeries())
            EditChartBrush(this, *TheSeries()->Pointer()->Brush());
    });
}

TArrowSeries *TArrowSeriesEditor::TheSeries() const
{
    return qobject_cast<TArrowSeries *>(Tag());
}

void TArrowSeriesEditor::FillControls()
{
    TArrowSeries *series = TheSeries();
    if (!series)
        return;
    const QSignalBlocker b1(SEArrowWidth), b2(SEArrowHeight), b3(SBPercent);
    SEArrowWidth->setValue(series->ArrowWidth());
    SEArrowHeight->setValue(series->ArrowHeight());
    SBPercent->setValue(series->ArrowPercent());
    LPercent->setText(percentText(series->ArrowPercent()));
    BArrowPen->LinkPen(series->Pointer()->Pen());
    CBColorEach->setChecked(series->ColorEachPoint());
    fillSeriesColorButton(BArrowColor, series);
}
