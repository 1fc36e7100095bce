// The shape series editor.
#include "TChartShapeEditor.h"

#include "EditorWidgets.h"
#include "NumberFormat.h"
#include "PlotTranslate.h"
#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TChartShape.h"
#include "TCustomAxisPanel.h"
#include "TPlotButton.h"
#include "TPlotFontEditor.h"
#include "TPlotGradientEditor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace EditorWidgets;

namespace {

const char *const kShapeStyles[] = {"Rectangle", "Circle", "Vertical Line", "Horiz. Line", "Triangle",
                                    "Invert. Triangle", "Line", "Diamond", "Cube", "Cross", "Diagonal Cross",
                                    "Star", "Pyramid", "Invert. Pyramid"};

// The "Horiz. Alignment" buttons in their order, as alignments.
constexpr TAlignment kAlignments[] = {taLeftJustify, taCenter, taRightJustify};

QStringList texts(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list.append(QString::fromLatin1(item));
    return list;
}

} // namespace

TChartShapeEditor::TChartShapeEditor(QWidget *parent, QObject *tag)
    : SeriesFormatForm(parent, tag)
{
    setObjectName(QStringLiteral("ChartShapeEditor"));
    auto series = [this] { return TheSeries(); };
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabStyle = EditorWidgets::tabPage(PageControl1, "TabStyle", QStringLiteral("Style"));
    TabPosition = EditorWidgets::tabPage(PageControl1, "TabPosition", QStringLiteral("Position"));
    TabText = EditorWidgets::tabPage(PageControl1, "TabText", QStringLiteral("Text"));
    (new QVBoxLayout(this))->addWidget(PageControl1);

    QStringList styles;
    for (const char *style : kShapeStyles)
        styles.append(QString::fromLatin1(style));
    CBStyle = addCombo("CBStyle", styles, [this, series](int index) {
        series()->SetStyle(TChartShapeStyle(index));
        CBRound->setEnabled(index == chasRectangle);
    });
    CBStyle->setMaxVisibleItems(14);
    BShapeColor = addSeriesColorButton("BShapeColor");
    BShapePen = named(new TButtonPen(this), "BShapePen");
    BShapePen->setText(QStringLiteral("Bor&der..."));
    BShapeBrush = named(new QPushButton(QStringLiteral("&Pattern..."), this), "BShapeBrush");
    CBTransparent = addCheck(QStringLiteral("Tra&nsparent"), "CBTransparent",
                             [series](bool on) { series()->SetTransparent(on); });
    MemoText = named(new QPlainTextEdit(this), "MemoText");
    MemoText->setProperty(PlotTranslate::kUserTextsProperty, true);
    connect(MemoText, &QPlainTextEdit::textChanged, this, [this, series] {
        Write([&] { series()->SetText(MemoText->toPlainText().split(QLatin1Char('\n'))); });
    });
    RGAlign = addRadioGroup(QStringLiteral("&Horiz. Alignment"), "RGAlign", texts({"Left", "Center", "Right"}),
                            AlignButtons, [series](int id) { series()->SetAlignment(kAlignments[id]); });
    RGVertAlign = addRadioGroup(QStringLiteral("&Alignment"), "RGVertAlign", texts({"Top", "Center", "Bottom"}),
                                VertAlignButtons, [series](int id) { series()->SetVertAlign(TPlotVertAlign(id)); });
    CBRound = addCheck(QStringLiteral("&Round Rectangle"), "CBRound", [series](bool on) { series()->SetRoundRectangle(on); });
    BGradient = named(new TButtonGradient(this), "BShapeGradient");
    BGradient->setText(QStringLiteral("&Gradient..."));
    auto *style = new QGridLayout(TabStyle);
    style->addWidget(label(this, QStringLiteral("&Style:"), CBStyle, "LStyle"), 0, 0);
    style->addWidget(CBStyle, 0, 1);
    style->addWidget(BShapeColor, 1, 0);
    style->addWidget(BShapePen, 1, 1);
    style->addWidget(BShapeBrush, 2, 0);
    style->addWidget(BGradient, 2, 1);
    style->addWidget(CBTransparent, 3, 0);
    style->addWidget(CBRound, 3, 1);
    style->addWidget(label(this, QStringLiteral("Te&xt:"), MemoText, "LText"), 0, 2);
    style->addWidget(MemoText, 1, 2, 3, 2);
    style->addWidget(RGAlign, 4, 2);
    style->addWidget(RGVertAlign, 4, 3);
    adoptLayoutWidgets(TabStyle);

    // The corners: a half-typed or empty text changes nothing.
    EX0 = addNumberEdit("EX0", [series](double v) { series()->SetX0(v); });
    EY0 = addNumberEdit("EY0", [series](double v) { series()->SetY0(v); });
    EX1 = addNumberEdit("EX1", [series](double v) { series()->SetX1(v); });
    EY1 = addNumberEdit("EY1", [series](double v) { series()->SetY1(v); });
    CBXYStyle = addCombo("CBXYStyle", texts({"Pixels", "Axis", "Axis Origin"}),
                         [series](int index) { series()->SetXYStyle(TChartShapeXYStyle(index)); });
    auto *position = new QGridLayout(TabPosition);
    position->addWidget(label(this, QStringLiteral("&Left:"), EX0, "LX0"), 0, 0);
    position->addWidget(EX0, 0, 1);
    position->addWidget(label(this, QStringLiteral("&Top:"), EY0, "LY0"), 1, 0);
    position->addWidget(EY0, 1, 1);
    position->addWidget(label(this, QStringLiteral("&Right"), EX1, "LX1"), 2, 0);
    position->addWidget(EX1, 2, 1);
    position->addWidget(label(this, QStringLiteral("&Bottom:"), EY1, "LY1"), 3, 0);
    position->addWidget(EY1, 3, 1);
    position->addWidget(label(this, QStringLiteral("&Units:"), CBXYStyle, "LUnits"), 4, 0);
    position->addWidget(CBXYStyle, 4, 1);
    position->setRowStretch(5, 1);
    position->setColumnStretch(2, 1);
    adoptLayoutWidgets(TabPosition);

    FontEditor = InsertFontEditor(*TabText);
    auto *text = new QVBoxLayout(TabText);
    text->setContentsMargins(0, 0, 0, 0);
    text->addWidget(FontEditor);
    // The memo shows the text in the font as the Text tab left it.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (TheSeries())
            MemoText->setFont(TheSeries()->Font()->toQFont());
    });

    connect(BShapeBrush, &QPushButton::clicked, this, [this] {
        if (TheSeries())
            EditChartBrush(this, *TheSeries()->Brush());
    });
}

TChartShape *TChartShapeEditor::TheSeries() const
{
    return qobject_cast<TChartShape *>(Tag());
}

void TChartShapeEditor::FillControls()
{
    TChartShape *series = TheSeries();
    if (!series)
        return;
    const QSignalBlocker blocker(MemoText);
    CBStyle->setCurrentIndex(int(series->Style()));
    fillSeriesColorButton(BShapeColor, series);
    BShapePen->LinkPen(series->Pen());
    CBTransparent->setChecked(series->Transparent());
    MemoText->setPlainText(series->Text().join(QLatin1Char('\n')));
    MemoText->setFont(series->Font()->toQFont());
    for (int i = 0; i < 3; ++i)
        if (kAlignments[i] == series->Alignment())
            AlignButtons->button(i)->setChecked(true);
    VertAlignButtons->button(int(series->VertAlign()))->setChecked(true);
    CBRound->setChecked(series->RoundRectangle());
    const bool flat = !series->ParentChart() || !series->ParentChart()->View3D();
    CBRound->setEnabled(series->Style() == chasRectangle && flat);
    BGradient->LinkGradient(series->Gradient());
    FontEditor->RefreshControls(series->Font());
    CBXYStyle->setCurrentIndex(int(series->XYStyle()));
    fillPosition();
}

void TChartShapeEditor::fillPosition()
{
    TChartShape *series = TheSeries();
    // The corners are those of a shape of exactly two points; any other count shows none.
    const bool two = series->Count() == 2;
    const std::pair<QLineEdit *, double> corners[] = {{EX0, series->X0()}, {EY0, series->Y0()},
                                                      {EX1, series->X1()}, {EY1, series->Y1()}};
    for (const auto &[edit, value] : corners)
        if (!edit->hasFocus())
            edit->setText(two ? PlotFormat::FloatToStr(value) : QString());
}
