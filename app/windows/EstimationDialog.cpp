// What the six estimation dialogs share.
#include "app/windows/EstimationDialog.h"

#include "app/core/EstimatedTemperature.h"
#include "app/core/PressureUnits.h"
#include "app/core/SingleValue.h"
#include "app/core/TemperatureUnits.h"
#include "app/data/LanguageTables.h"
#include "app/windows/InputErrorBox.h"
#include "app/windows/SingleValueView.h"
#include "app/windows/TForm1.h"
#include "app/windows/TeinstellungenDlg.h"
#include "app/windows/UnitComboBox.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

EstimationDialog::EstimationDialog(TForm1 &form, const QString &componentName, const QString &designCaption,
                                   CalculationMode mode, QWidget *parent)
    : QDialog(parent)
    , m_form(form)
    , m_resultQuantity(mode == CalculationMode::VapourPressure ? GlobalText::VapourPressureWord
                                                               : GlobalText::BoilingPointWord)
{
    setObjectName(componentName);
    setModal(true);
    setWindowTitle(designCaption);
    BitBtn1 = new QPushButton(QStringLiteral("B&erechnen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Schließen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn1, &QPushButton::clicked, this, &EstimationDialog::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel *EstimationDialog::makeLabel(const QString &name, const QString &designText)
{
    auto *label = new QLabel(designText, this);
    label->setObjectName(name);
    return label;
}

QLineEdit *EstimationDialog::makeEdit(const QString &name)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    // Enter in an edit presses BitBtn1, the dialog's default button.
    connect(edit, &QLineEdit::textChanged, this, &EstimationDialog::resetResult);
    return edit;
}

QComboBox *EstimationDialog::makeCombo(const QString &name)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(name);
    connect(combo, &QComboBox::currentIndexChanged, this, &EstimationDialog::resetResult);
    return combo;
}

QFrame *EstimationDialog::makePanel(const QString &name, QLabel *content)
{
    auto *panel = new QFrame(this);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    content->setParent(panel);
    content->setWordWrap(true);
    (new QVBoxLayout(panel))->addWidget(content);
    return panel;
}

QGridLayout *EstimationDialog::rowsGrid(std::initializer_list<Row> rows)
{
    auto *grid = new QGridLayout;
    int row = 0;
    for (const Row &r : rows) {
        grid->addWidget(r.caption, row, 0);
        grid->addWidget(r.edit, row, 1);
        if (r.unit)
            grid->addWidget(r.unit, row, 2);
        ++row;
    }
    return grid;
}

QGridLayout *EstimationDialog::pointsGrid(QLabel *heading1, QLabel *heading2, const PointsRow &first,
                                          const PointsRow &second, const Row &target)
{
    auto *grid = new QGridLayout;
    grid->addWidget(heading1, 0, 1);
    grid->addWidget(heading2, 0, 2);
    int row = 1;
    for (const PointsRow &r : {first, second}) {
        grid->addWidget(r.caption, row, 0);
        grid->addWidget(r.point1, row, 1);
        grid->addWidget(r.point2, row, 2);
        grid->addWidget(r.unit, row, 3);
        ++row;
    }
    grid->addWidget(target.caption, row, 0);
    grid->addWidget(target.edit, row, 1);
    grid->addWidget(target.unit, row, 3);
    grid->setColumnStretch(2, 1);
    return grid;
}

void EstimationDialog::arrange(std::initializer_list<QLabel *> heading, QGridLayout *inputs, QLabel *result,
                               QComboBox *resultUnit)
{
    m_result = result;
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    inputs->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    for (QLabel *label : heading) {
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addLayout(inputs);
    auto *resultRow = new QHBoxLayout;
    resultRow->addWidget(result, 1);
    resultRow->addWidget(resultUnit);
    layout->addLayout(resultRow);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);
}

const LanguageTables &EstimationDialog::texts() const
{
    return m_form.languageTables();
}

QString EstimationDialog::globalText(GlobalText text) const
{
    return texts().globalText(text);
}

QString EstimationDialog::normalBoilingPointCaption() const
{
    return globalText(GlobalText::BoilingPointWord) + u' ' + globalText(GlobalText::AtWord) + u' '
        + globalText(GlobalText::NormalPressureWord) + u':';
}

void EstimationDialog::applyBlockTexts(std::initializer_list<QLabel *> labels)
{
    FormTextReader reader = texts().block(objectName());
    setWindowTitle(reader.next(windowTitle()));
    for (QLabel *label : labels)
        label->setText(reader.next(label->text()));
    BitBtn1->setText(globalText(GlobalText::CalculateCaption));
    BitBtn2->setText(globalText(GlobalText::CloseCaption));
}

void EstimationDialog::prepareInputs(std::initializer_list<QLineEdit *> edits,
                                     std::initializer_list<QComboBox *> temperatureUnits,
                                     std::initializer_list<QComboBox *> pressureUnits)
{
    for (QLineEdit *edit : edits)
        edit->clear();
    const TeinstellungenDlg *settings = m_form.settingsDialog();
    for (QComboBox *combo : temperatureUnits)
        fillUnitComboBox(combo, temperatureUnitTexts(), settings->ComboBox1->currentIndex());
    for (QComboBox *combo : pressureUnits)
        fillUnitComboBox(combo, pressureUnitTexts(), settings->ComboBox2->currentIndex());
    resetResult();
}

void EstimationDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A window restored from the task bar gets a spontaneous show: that is no new show, and the
    // user's input stays.
    if (!event->spontaneous())
        FormShow();
}

void EstimationDialog::resetResult()
{
    m_result->setText(globalText(m_resultQuantity) + QStringLiteral(" ="));
}

bool EstimationDialog::inputsReadable(const QList<Input> &emptyOrder, const QList<Input> &numberOrder) const
{
    for (const Input &input : emptyOrder) {
        if (input.edit->text().isEmpty()) {
            m_form.ShowInputError(input.caption->text(), input.edit);
            return false;
        }
    }
    for (const Input &input : numberOrder) {
        if (!parseInputValue(input.edit->text())) {
            m_form.ShowInputError(input.caption->text(), input.edit);
            return false;
        }
    }
    return true;
}

long double EstimationDialog::inputValue(const QLineEdit *edit)
{
    return parseInputValue(edit->text()).value_or(0.0L);
}

long double EstimationDialog::temperatureK(const QLineEdit *edit, const QComboBox *unit)
{
    return temperatureUnitToKelvin(unit->currentText(), inputValue(edit));
}

long double EstimationDialog::pressureBar(const QLineEdit *edit, const QComboBox *unit)
{
    return pressureUnitToBar(unit->currentText(), inputValue(edit));
}

bool EstimationDialog::positivePressure(const Input &input, long double pressureBar) const
{
    if (pressureBar > 0.0L)
        return true;
    m_form.ShowInputError(input.caption->text(), input.edit);
    return false;
}

void EstimationDialog::reportNoResult() const
{
    showSingleValueError(texts(), SingleValueError::NoNumber, nullptr, nullptr);
}

void EstimationDialog::showResult(const QString &text)
{
    if (text.isEmpty()) {
        reportNoResult();
        return;
    }
    m_result->setText(globalText(m_resultQuantity) + QStringLiteral(" = ") + text);
}

void EstimationDialog::showPressure(long double pressureBar, const QComboBox *unit)
{
    const QString text
        = singleValueText(CalculationMode::VapourPressure, pressureBar, unit->currentText(), m_form.resultFormat());
    showResult(text);
}

void EstimationDialog::showTemperature(long double temperatureK, const QComboBox *unit)
{
    showResult(estimatedTemperatureText(temperatureK, unit->currentText(), texts().languageLetter()));
}
