// The axis increment dialog.
#include "TAxisIncrement.h"

#include "EditorConvert.h"
#include "platform/MessageService.h"
#include "NumberFormat.h"
#include "PlotConst.h"
#include "PlotException.h"
#include "PlotPenDlg.h"
#include "PlotProcs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr double kOneSecondDays = 1.0 / 86400.0;

const char *const kStepNames[] = {
    "One Microsecond", "One Millisecond", "One Second",     "Five Seconds",    "Ten Seconds",  "Fifteen Seconds",
    "Thirty Seconds",  "One Minute",      "Five Minutes",   "Ten Minutes",     "Fifteen Minutes", "Thirty Minutes",
    "One Hour",        "Two Hours",       "Six Hours",      "Twelve Hours",    "One Day",      "Two Days",
    "Three Days",      "One Week",        "Half Month",     "One Month",       "Two Months",   "Three Months",
    "Four Months",     "Six Months",      "One Year",
};
static_assert(std::size(kStepNames) == PlotProcs::kNoTimeStep);

// Whole days, then the time of the fraction; the value is above 1 or exactly a whole number.
QString daysAndTime(double increment)
{
    const double days = std::floor(increment);
    QString text = QLocale().toString(days, 'f', 0);
    const double rest = increment - days;
    if (rest > 0)
        text += QLatin1Char(' ') + EditorConvert::timeText(rest);
    return text;
}

} // namespace

TAxisIncrement::TAxisIncrement(QWidget *parent)
    : QDialog(parent)
    , m_group(new QGroupBox(QStringLiteral("Increment:"), this))
    , m_standard(new QRadioButton(QStringLiteral("&Standard:"), m_group))
    , m_custom(new QRadioButton(QStringLiteral("&Custom:"), m_group))
    , m_steps(new QComboBox(this))
    , m_label(new QLabel(QStringLiteral("&Increment:"), this))
    , m_edit(new QLineEdit(this))
    , m_exact(new QCheckBox(QStringLiteral("&Exact Date Time"), this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("AxisIncrement"));
    setWindowTitle(QStringLiteral("Axis Increment"));
    m_group->setObjectName(QStringLiteral("RadioGroup1"));
    m_standard->setObjectName(QStringLiteral("RBStandard"));
    m_custom->setObjectName(QStringLiteral("RBCustom"));
    m_steps->setObjectName(QStringLiteral("CBSteps"));
    m_steps->addItems(StepNames());
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setBuddy(m_edit);
    m_edit->setObjectName(QStringLiteral("ECustom"));
    m_exact->setObjectName(QStringLiteral("CBExact"));
    m_ok->setObjectName(QStringLiteral("BOk"));
    m_ok->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("BCancel"));

    auto *groupLayout = new QGridLayout(m_group);
    groupLayout->addWidget(m_standard, 0, 0);
    groupLayout->addWidget(m_steps, 0, 1);
    groupLayout->addWidget(m_custom, 1, 0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    auto *row = new QHBoxLayout;
    row->addWidget(m_label);
    row->addWidget(m_edit, 1);
    layout->addLayout(row);
    layout->addWidget(m_exact);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_standard, &QRadioButton::clicked, this, &TAxisIncrement::standardClicked);
    connect(m_custom, &QRadioButton::clicked, this, &TAxisIncrement::customClicked);
    connect(m_exact, &QCheckBox::clicked, this, &TAxisIncrement::exactClicked);
    connect(m_steps, &QComboBox::activated, this, [this](int index) { IStep = index; });
    connect(m_ok, &QPushButton::clicked, this, &TAxisIncrement::okClicked);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList TAxisIncrement::StepNames()
{
    QStringList names;
    for (const char *name : kStepNames)
        names << QString::fromLatin1(name);
    return names;
}

void TAxisIncrement::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QSignalBlocker blockSteps(m_steps);
    m_exact->setVisible(IsDateTime);
    m_exact->setChecked(IsExact);
    m_group->setVisible(IsDateTime);
    m_steps->setVisible(IsDateTime);
    if (IsDateTime) {
        m_edit->setToolTip(PlotConst::message(PlotConst::msgEnterDateTime));
        m_edit->setText(AxisIncrement::IncrementText(Increment));
        if (IsExact && IStep != PlotProcs::kNoTimeStep) {
            m_standard->setChecked(true);
            setStandard(true);
            m_steps->setCurrentIndex(IStep);
            m_edit->clear();
            m_steps->setFocus();
        } else {
            m_custom->setChecked(true);
            setStandard(false);
            m_steps->setCurrentIndex(-1);
            m_edit->setFocus();
        }
    } else {
        m_custom->setChecked(true);
        m_edit->setEnabled(true);
        m_edit->setToolTip(QString());
        m_edit->setText(PlotFormat::FloatToStr(Increment));
        m_edit->setFocus();
    }
    PlotProcs::PlotTranslateControl(this);
}

void TAxisIncrement::setStandard(bool standard)
{
    m_edit->setEnabled(!standard);
    m_label->setEnabled(!standard);
    m_exact->setEnabled(standard);
    m_steps->setEnabled(standard);
    IsExact = standard && m_exact->isChecked();
}

void TAxisIncrement::standardClicked()
{
    setStandard(true);
    const QSignalBlocker block(m_steps);
    m_steps->setCurrentIndex(IStep == PlotProcs::kNoTimeStep ? 0 : IStep);
    IStep = m_steps->currentIndex();
    m_steps->setFocus();
}

void TAxisIncrement::customClicked()
{
    setStandard(false);
    m_edit->setText(AxisIncrement::IncrementText(Increment));
    m_edit->setFocus();
}

void TAxisIncrement::exactClicked(bool checked)
{
    IsExact = checked;
    if (!checked) {
        m_custom->setChecked(true);
        customClicked();
    }
}

double TAxisIncrement::readIncrement() const
{
    const QString text = m_edit->text().trimmed();
    if (!IsDateTime)
        return EditorConvert::textToNumber(text);
    if (m_standard->isChecked())
        return PlotProcs::TimeStep(m_steps->currentIndex() < 0 ? 0 : m_steps->currentIndex());
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank >= 0)
        return EditorConvert::textToNumber(text.left(blank)) + EditorConvert::textToTime(text.mid(blank + 1));
    try {
        return EditorConvert::textToPlainNumber(text);
    } catch (const PlotConvertError &) {
    }
    try {
        return EditorConvert::textToTime(text);
    } catch (const PlotConvertError &) {
        return EditorConvert::textToNumber(text);
    }
}

void TAxisIncrement::okClicked()
{
    try {
        Increment = readIncrement();
        if (m_standard->isChecked())
            IStep = m_steps->currentIndex();
    } catch (const PlotConvertError &e) {
        MessageService::instance().messageBox(EditorConvert::incorrectValueMessage(e.message()), windowTitle(),
                                              MbOk | MbIconError);
        m_edit->setFocus();
        return;
    }
    accept();
}

namespace AxisIncrement {

QString IncrementText(double increment)
{
    if (increment < 0)
        return EditorConvert::timeText(kOneSecondDays);
    if (increment >= 1)
        return daysAndTime(increment);
    return EditorConvert::timeText(increment);
}

QString GetIncrementText(bool isDateTime, bool exactDateTime, const QString &numberFormat, double increment)
{
    if (!isDateTime) {
        const QString text = PlotFormat::FormatFloat(numberFormat, increment);
        bool ok = false;
        const double back = QLocale().toDouble(text, &ok);
        return ok && back == increment ? text : PlotFormat::FloatToStr(increment);
    }
    if (exactDateTime) {
        const int step = PlotProcs::FindTimeStepIndex(increment);
        if (step != PlotProcs::kNoTimeStep)
            return GetIncrementStepName(step);
    }
    if (increment > 1)
        return daysAndTime(increment);
    if (increment > 0)
        return EditorConvert::timeText(increment);
    return EditorConvert::timeText(kOneSecondDays);
}

QString GetIncrementStepName(int index)
{
    TAxisIncrement form;
    PlotProcs::PlotTranslateControl(&form);
    const auto *steps = form.findChild<QComboBox *>(QStringLiteral("CBSteps"));
    return index >= 0 && index < steps->count() ? steps->itemText(index) : QString();
}

bool EditIncrement(QWidget *owner, const QString &caption, bool isDateTime, bool &exactDateTime, double &increment)
{
    const auto form = PlotPenDlg::CreateEditorForm<TAxisIncrement>(owner);
    form->setWindowTitle(caption);
    form->IsDateTime = isDateTime;
    form->IsExact = exactDateTime;
    form->Increment = increment;
    form->IStep = PlotProcs::FindTimeStepIndex(increment);
    if (form->exec() != QDialog::Accepted)
        return false;
    exactDateTime = form->IsExact;
    increment = form->Increment;
    return true;
}

} // namespace AxisIncrement
