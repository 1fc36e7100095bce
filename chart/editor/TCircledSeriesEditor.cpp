// The circled series editor.
#include "TCircledSeriesEditor.h"

#include "EditorWidgets.h"
#include "PlotPenDlg.h"
#include "TCircledSeries.h"
#include "TCustomAxisPanel.h"
#include "TPlotButton.h"
#include "TPlotGradientEditor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace EditorWidgets;

namespace {

constexpr int kMaxRadius = 2000;

} // namespace

TCircledSeriesEditor::TCircledSeriesEditor(QWidget *parent, QObject *tag)
    : SeriesFormatForm(parent, tag)
{
    setObjectName(QStringLiteral("CircledSeriesEditor"));
    auto series = [this] { return TheSeries(); };
    CBCircled = addCheck(QStringLiteral("&Circled"), "CBCircled", [series](bool on) { series()->SetCircled(on); });
    CB3D = addCheck(QStringLiteral("&3 Dimensions"), "CB3D", [series](bool on) {
        if (TCustomAxisPanel *chart = series()->ParentChart())
            chart->SetView3D(on);
    });
    SERotation = addSpin("SERotation", 0, 360, 5, [series](int value) { series()->SetRotationAngle(value); });
    SERotation->setWrapping(true);
    addRadius("SEXRadius", "CBAutoXR", QStringLiteral("&Auto"), SEXRadius, CBAutoXR,
              [series](int value) { series()->SetCustomXRadius(value); });
    addRadius("SEYRadius", "CBAutoYR", QStringLiteral("A&uto"), SEYRadius, CBAutoYR,
              [series](int value) { series()->SetCustomYRadius(value); });
    BBackColor = named(new TButtonColor(this), "BBackColor");
    BBackColor->setText(QStringLiteral("C&olor..."));
    CBTransparent = addCheck(QStringLiteral("&Transparent"), "CBTransparent", [this, series](bool on) {
        if (!on)
            return;
        series()->SetCircleBackColor(clPlotColor);
        series()->Gradient()->SetVisible(false);
        showTransparent(true);
    });
    BCircleGradient = named(new TButtonGradient(this), "BCircleGradient");
    BCircleGradient->setText(QStringLiteral("&Gradient..."));

    auto *grid = new QGridLayout(this);
    grid->addWidget(CBCircled, 0, 0);
    grid->addWidget(CB3D, 1, 0);
    grid->addWidget(label(this, QStringLiteral("&Rotation:"), SERotation, "LRotation"), 2, 0);
    grid->addWidget(SERotation, 2, 1);
    grid->addWidget(label(this, QStringLiteral("&Horizontal:"), SEXRadius, "LXRadius"), 3, 0);
    grid->addWidget(SEXRadius, 3, 1);
    grid->addWidget(CBAutoXR, 3, 2);
    grid->addWidget(label(this, QStringLiteral("&Vertical:"), SEYRadius, "LYRadius"), 4, 0);
    grid->addWidget(SEYRadius, 4, 1);
    grid->addWidget(CBAutoYR, 4, 2);
    grid->addWidget(BBackColor, 0, 3);
    grid->addWidget(CBTransparent, 1, 3);
    grid->addWidget(BCircleGradient, 2, 3);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(4, 1);

    // A colour or a shown gradient is a background: no longer transparent.
    connect(BBackColor, &TButtonColor::OnClick, this, [this] { showTransparent(false); });
    connect(BCircleGradient, &TButtonGradient::OnClick, this, [this] {
        if (TheSeries() && TheSeries()->Gradient()->Visible())
            showTransparent(false);
    });
}

void TCircledSeriesEditor::addRadius(const char *editName, const char *autoName, const QString &autoCaption,
                                     QSpinBox *&edit, QCheckBox *&autoBox, std::function<void(int)> set)
{
    // A radius of 0 is the automatic one, and "Auto" shows it; checking "Auto" sets it.
    edit = addSpin(editName, 0, kMaxRadius, 5, [this, set, &autoBox](int value) {
        set(value);
        autoBox->setChecked(value == 0);
    });
    autoBox = addCheck(autoCaption, autoName, [set, &edit](bool on) {
        if (!on)
            return;
        set(0);
        const QSignalBlocker blocker(edit);
        edit->setValue(0);
    });
}

TCircledSeries *TCircledSeriesEditor::TheSeries() const
{
    return qobject_cast<TCircledSeries *>(Tag());
}

void TCircledSeriesEditor::HideBackgroundControls()
{
    PlotPenDlg::ShowControls(false, {BBackColor, CBTransparent, BCircleGradient});
}

void TCircledSeriesEditor::FillControls()
{
    TCircledSeries *series = TheSeries();
    if (!series)
        return;
    const QSignalBlocker b1(SERotation), b2(SEXRadius), b3(SEYRadius);
    CBCircled->setChecked(series->Circled());
    CB3D->setChecked(series->ParentChart() && series->ParentChart()->View3D());
    SERotation->setValue(series->RotationAngle() < 0 ? series->RotationAngle() + 360 : series->RotationAngle());
    SEXRadius->setValue(series->CustomXRadius());
    CBAutoXR->setChecked(series->CustomXRadius() == 0);
    SEYRadius->setValue(series->CustomYRadius());
    CBAutoYR->setChecked(series->CustomYRadius() == 0);
    BBackColor->LinkProperty(series, QStringLiteral("CircleBackColor"));
    BCircleGradient->LinkGradient(series->Gradient());
    const TColor back = series->CircleBackColor();
    showTransparent(back == clPlotColor || back == clNone);
}

void TCircledSeriesEditor::showTransparent(bool transparent)
{
    const QSignalBlocker blocker(CBTransparent);
    CBTransparent->setChecked(transparent);
    CBTransparent->setEnabled(!transparent);
}
