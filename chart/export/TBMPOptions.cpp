// The bitmap options form.
#include "TBMPOptions.h"

#include "ComboFit.h"
#include "PlotProcs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

TBMPOptions::TBMPOptions(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TBMPOptions"));
    auto *layout = new QFormLayout(this);
    CBMono = new QCheckBox(QStringLiteral("&Monochrome"), this);
    CBMono->setObjectName(QStringLiteral("CBMono"));
    CBColors = new QComboBox(this);
    CBColors->setObjectName(QStringLiteral("CBColors"));
    fitToItems(*CBColors);
    CBColors->addItems({QStringLiteral("Default"), QStringLiteral("2 (1 bit)"), QStringLiteral("16 (4 bit)"),
                        QStringLiteral("256 (8 bit)"), QStringLiteral("32768 (15 bit)"), QStringLiteral("65536 (16 bit)"),
                        QStringLiteral("16M (24 bit)"), QStringLiteral("16M (32 bit)")});
    CBColors->setCurrentIndex(0);
    auto *label = new QLabel(QStringLiteral("&Colors:"), this);
    label->setBuddy(CBColors);
    layout->addRow(CBMono);
    layout->addRow(label, CBColors);
    connect(CBMono, &QCheckBox::clicked, this, &TBMPOptions::CBMonoClick);
}

void TBMPOptions::showEvent(QShowEvent *event)
{
    // The depth stays the user's choice: each show (a tab or format switch) shows it again
    // rather than "Default".
    QWidget::showEvent(event);
    PlotProcs::PlotTranslateControl(this);
}

void TBMPOptions::CBMonoClick()
{
    CBColors->setEnabled(!CBMono->isChecked());
}
