// The metafile options form.
#include "TEMFOptions.h"

#include "PlotProcs.h"

#include <QCheckBox>
#include <QVBoxLayout>

TEMFOptions::TEMFOptions(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TEMFOptions"));
    auto *layout = new QVBoxLayout(this);
    CBEnhanced = new QCheckBox(QStringLiteral("&Enhanced"), this);
    CBEnhanced->setObjectName(QStringLiteral("CBEnhanced"));
    CBEnhanced->setChecked(true);
    layout->addWidget(CBEnhanced);
    layout->addStretch();
}

void TEMFOptions::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    PlotProcs::PlotTranslateControl(this);
}
