// The area series editor.
#include "TAreaSeriesEditor.h"

#include "EditorWidgets.h"
#include "PlotConst.h"
#include "SeriesGalleryTexts.h"
#include "TAreaSeries.h"
#include "TBrushDialog.h"
#include "TButtonPen.h"
#include "TFormPlotSeries.h"
#include "TPlotButton.h"
#include "TPlotGradientEditor.h"
#include "TSeriesPointerEditor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

using namespace EditorWidgets;

namespace {

constexpr int kOriginLimit = 30000;

class EmbeddedGradientEditor : public TPlotGradientEditor
{
public:
    using TPlotGradientEditor::TPlotGradientEditor;
    void reject() override {}
};

} // namespace

TAreaSeriesEditor::TAreaSeriesEditor(QWidget *parent, QObject *tag)
    : SeriesFormatForm(parent, tag)
{
    setObjectName(QStringLiteral("AreaSeriesEditor"));
    auto series = [this] { return TheSeries(); };
    RGMultiArea = addRadioGroup(QStringLiteral("&Multiple Areas:"), "RGMultiArea",
                                {QStringLiteral("None"), QStringLiteral("Stacked"), QStringLiteral("Stacked 100%")},
                                MultiAreaButtons, [series](int id) { series()->SetMultiArea(TMultiArea(id)); });
    CBColorEach = addCheck(QStringLiteral("Color &Each"), "CBColorEach", [this, series](bool on) {
        series()->SetColorEachPoint(on);
        BAreaColor->setEnabled(!on);
    });
    BAreaColor = addSeriesColorButton("BAreaColor");
    // The area's own colour, or the series colour while it has none.
    BAreaColor->GetColorQuery = [this] {
        const TAreaSeries *s = TheSeries();
        if (!s)
            return TColor(clBlack);
        return s->AreaColor() == clPlotColor ? s->Color() : s->AreaColor();
    };
    CBStairs = addCheck(QStringLiteral("&Stairs"), "CBStairs", [this, series](bool on) {
        series()->SetStairs(on);
        CBInvStairs->setEnabled(on);
    });
    CBInvStairs = addCheck(QStringLiteral("Inverted"), "CBInvStairs",
                           [series](bool on) { series()->SetInvertedStairs(on); });
    BAreaLinesPen = named(new TButtonPen(this), "BAreaLinesPen");
    BAreaLinesPen->setText(QStringLiteral("Area &Lines..."));
    BAreaLinePen = named(new TButtonPen(this), "BAreaLinePen");
    BAreaLinePen->setText(QStringLiteral("&Border..."));
    BAreaPattern = named(new QPushButton(QStringLiteral("&Pattern..."), this), "BAreaPattern");
    BTopPattern = named(new QPushButton(QStringLiteral("&Top..."), this), "BTopPattern");
    CBUseOrigin = addCheck(QStringLiteral("&Use Origin"), "CBUseOrigin", [this, series](bool on) {
        series()->SetUseYOrigin(on);
        SEOrigin->setEnabled(on);
    });
    SEOrigin = addSpin("SEOrigin", -kOriginLimit, kOriginLimit, 1, [series](int value) { series()->SetYOrigin(value); });
    SETransparency = addSpin("SETransparency", 0, 100, 5, [series](int value) { series()->SetTransparency(value); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(RGMultiArea, 0, 0, 3, 1);
    grid->addWidget(CBColorEach, 0, 1);
    grid->addWidget(BAreaColor, 1, 1);
    grid->addWidget(BAreaPattern, 2, 1);
    grid->addWidget(BTopPattern, 3, 1);
    grid->addWidget(BAreaLinePen, 0, 2);
    grid->addWidget(BAreaLinesPen, 1, 2);
    grid->addWidget(CBStairs, 2, 2);
    grid->addWidget(CBInvStairs, 3, 2);
    grid->addWidget(CBUseOrigin, 4, 0);
    grid->addWidget(label(this, QStringLiteral("&Origin:"), SEOrigin, "LOrigin"), 4, 1);
    grid->addWidget(SEOrigin, 4, 2);
    grid->addWidget(label(this, QStringLiteral("Tra&nsparency:"), SETransparency, "LTransparency"), 5, 1);
    grid->addWidget(SETransparency, 5, 2);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(3, 1);

    connect(BAreaPattern, &QPushButton::clicked, this, [this] {
        if (TheSeries())
            EditChartBrush(this, *TheSeries()->AreaChartBrush());
    });
    connect(BTopPattern, &QPushButton::clicked, this, [this] {
        if (TheSeries())
            EditChartBrush(this, *TheSeries()->Brush());
    });
}

TAreaSeries *TAreaSeriesEditor::TheSeries() const
{
    return qobject_cast<TAreaSeries *>(Tag());
}

void TAreaSeriesEditor::FirstShow()
{
    TAreaSeries *series = TheSeries();
    if (!series)
        return;
    InsertPointerEditorTab(this, series, PlotConst::message(PlotConst::msgGalleryPoint));
    InsertGradientEditorTab(this, series->Gradient(), SeriesGalleryTexts::text(SeriesGalleryTexts::msgGalleryGradient),
                            2);
}

void TAreaSeriesEditor::FillControls()
{
    TAreaSeries *series = TheSeries();
    if (!series)
        return;
    const QSignalBlocker b1(SEOrigin), b2(SETransparency);
    if (QAbstractButton *button = MultiAreaButtons->button(int(series->MultiArea())))
        button->setChecked(true);
    CBColorEach->setChecked(series->ColorEachPoint());
    BAreaColor->LinkProperty(series, QStringLiteral("AreaColor"));
    BAreaColor->setEnabled(!series->ColorEachPoint());
    CBStairs->setChecked(series->Stairs());
    CBInvStairs->setChecked(series->InvertedStairs());
    CBInvStairs->setEnabled(series->Stairs());
    BAreaLinesPen->LinkPen(series->AreaLinesPen());
    BAreaLinePen->LinkPen(series->LinePen());
    CBUseOrigin->setChecked(series->UseYOrigin());
    SEOrigin->setValue(int(std::nearbyint(series->YOrigin())));
    SEOrigin->setEnabled(series->UseYOrigin());
    SETransparency->setValue(series->Transparency());
}

QWidget *InsertGradientEditorTab(QWidget *caller, TCustomPlotGradient *gradient, const QString &caption, int pageIndex)
{
    return InsertEditorTab(
        caller,
        [](QWidget *owner, QObject *edited) -> QWidget * {
            auto *editor = new EmbeddedGradientEditor(owner);
            editor->setWindowFlags(Qt::Widget);
            editor->SetEmbedded();
            editor->LinkGradient(qobject_cast<TCustomPlotGradient *>(edited));
            return editor;
        },
        gradient, caption, pageIndex);
}
