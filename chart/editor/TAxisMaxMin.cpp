// The axis limit dialog.
#include "TAxisMaxMin.h"

#include "EditorConvert.h"
#include "EditorWidgets.h"
#include "PlotException.h"
#include "NumberFormat.h"
#include "PlotProcs.h"
#include "platform/MessageService.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using EditorWidgets::named;

namespace {

// Room around a line edit's text: its frame and the text margins of the styles.
constexpr int kEditTextRoom = 12;

// The edit is at least as wide as its text, so that a long number ("4,95642485556585E-9") shows whole.
void fitToText(QLineEdit &edit)
{
    edit.setMinimumWidth(edit.fontMetrics().horizontalAdvance(edit.text()) + kEditTextRoom);
}

} // namespace

TAxisMaxMin::TAxisMaxMin(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AxisMaxMin"));
    setWindowTitle(QStringLiteral("Axis Maximum and Minimum"));
    auto *grid = new QGridLayout(this);
    EMaximum = named(new QLineEdit(this), "EMaximum");
    EMaximum->setToolTip(QStringLiteral("Enter Date"));
    EMinimum = named(new QLineEdit(this), "EMinimum");
    EMinimum->setToolTip(QStringLiteral("Enter Time"));
    LabelDate = EditorWidgets::label(this, QStringLiteral("&Date:"), EMaximum, "LabelDate");
    LabelTime = EditorWidgets::label(this, QStringLiteral("&Time:"), EMinimum, "LabelTime");
    grid->addWidget(LabelDate, 0, 0);
    grid->addWidget(EMaximum, 0, 1);
    grid->addWidget(LabelTime, 1, 0);
    grid->addWidget(EMinimum, 1, 1);
    auto *buttons = new QHBoxLayout;
    BOk = named(new QPushButton(QStringLiteral("OK"), this), "BOk");
    BOk->setDefault(true);
    BCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "BCancel");
    buttons->addStretch();
    buttons->addWidget(BOk);
    buttons->addWidget(BCancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    connect(BOk, &QPushButton::clicked, this, &TAxisMaxMin::okClicked);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TAxisMaxMin::showEvent(QShowEvent *event)
{
    if (!IsDateTime) {
        EMaximum->setToolTip(QString());
        EMinimum->setToolTip(QString());
        LabelDate->setText(QStringLiteral("Value:"));
        EMaximum->setText(PlotFormat::FloatToStr(MaxMin));
        LabelTime->hide();
        EMinimum->hide();
    } else {
        const bool timeOnly = MaxMin < 1;
        LabelDate->setVisible(!timeOnly);
        EMaximum->setVisible(!timeOnly);
        const double days = std::floor(MaxMin);
        if (!timeOnly)
            EMaximum->setText(EditorConvert::dateText(days));
        EMinimum->setText(EditorConvert::timeText(MaxMin - days));
    }
    PlotProcs::PlotTranslateControl(this);
    fitToText(*EMaximum);
    fitToText(*EMinimum);
    resize(size().expandedTo(minimumSizeHint()));
    QDialog::showEvent(event);
}

double TAxisMaxMin::readValue() const
{
    if (!IsDateTime)
        return EditorConvert::textToNumber(EMaximum->text());
    const double time = EditorConvert::textToTime(EMinimum->text());
    return EMaximum->isVisibleTo(this) ? EditorConvert::textToDate(EMaximum->text()) + time : time;
}

void TAxisMaxMin::okClicked()
{
    try {
        MaxMin = readValue();
    } catch (const PlotConvertError &e) {
        MessageService::instance().messageBox(EditorConvert::incorrectValueMessage(e.message()), windowTitle(),
                                              MbOk | MbIconError);
        return;
    }
    accept();
}
