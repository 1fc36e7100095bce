// The SVG options form.
#include "TSVGOptions.h"

#include "PlotProcs.h"

#include <QCheckBox>
#include <QVBoxLayout>

TSVGOptions::TSVGOptions(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TSVGOptions"));
    setWindowTitle(QStringLiteral("SVG Options"));
    auto *layout = new QVBoxLayout(this);
    CBAntiAlias = new QCheckBox(QStringLiteral("&Text anti-alias"), this);
    CBAntiAlias->setObjectName(QStringLiteral("CBAntiAlias"));
    CBAntiAlias->setChecked(true);
    layout->addWidget(CBAntiAlias);
    layout->addStretch();
}

void TSVGOptions::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    PlotProcs::PlotTranslateControl(this);
}
