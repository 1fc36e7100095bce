// The shared part of the series galleries.
#include "TGalleryDialog.h"

#include "EditorWidgets.h"
#include "PlotTranslate.h"
#include "TChartGalleryPanel.h"

#include <QCheckBox>
#include <QPushButton>

using EditorWidgets::named;

TGalleryDialog::TGalleryDialog(QWidget *parent)
    : QDialog(parent)
{
    ChartGalleryPanel1 = named(new TChartGalleryPanel(this), "ChartGalleryPanel1");
    // The sample titles are the library's gallery texts, in the current language already.
    ChartGalleryPanel1->setProperty(PlotTranslate::kUserTextsProperty, true);
    CB3D = named(new QCheckBox(QStringLiteral("&3D"), this), "CB3D");
    CBSmooth = named(new QCheckBox(QStringLiteral("&Smooth"), this), "CBSmooth");
    BOk = named(new QPushButton(QStringLiteral("OK"), this), "BOk");
    BCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "BCancel");
    BOk->setDefault(true);
    connect(BOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ChartGalleryPanel1, &TChartGalleryPanel::OnSelectedChart, this, &QDialog::accept);
    connect(CB3D, &QCheckBox::toggled, ChartGalleryPanel1, &TChartGalleryPanel::SetView3D);
}

bool TGalleryDialog::View3D() const
{
    return CB3D->isChecked();
}
