// The calculation panel shared by the mixture and solution dialogs.
#include "app/windows/SystemDialog.h"

#include "app/core/NumberText.h"
#include "app/core/PressureUnits.h"
#include "app/core/SingleValue.h"
#include "app/core/SystemRange.h"
#include "app/core/TemperatureUnits.h"
#include "app/data/LanguageTables.h"
#include "app/diagram/TKurveDlg.h"
#include "app/windows/InputErrorBox.h"
#include "app/windows/TForm1.h"
#include "app/windows/TeinstellungenDlg.h"
#include "app/windows/UnitComboBox.h"
#include "app/windows/ValueTableDialog.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

SystemDialog::SystemDialog(TForm1 &form, const QString &formName, const QString &calculateButtonName,
                           QWidget *parent)
    : QDialog(parent)
    , m_form(form)
{
    setObjectName(formName);
    setModal(true);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::StyledPanel);
    const auto label = [this](const char *name) {
        auto *created = new QLabel(Panel2);
        created->setObjectName(QString::fromLatin1(name));
        return created;
    };
    ComboBox2 = new QComboBox(Panel2);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems({QStringLiteral("Berechnung Tensimo"), QStringLiteral("Berechnung Siedepunkt")});
    Label14 = label("Label14");
    Edit1 = new QLineEdit(Panel2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ComboBox1 = new QComboBox(Panel2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    Label17 = label("Label17");
    Label17->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ComboBox3 = new QComboBox(Panel2);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    m_calculate = new QPushButton(QStringLiteral("B&erechnen"), Panel2);
    m_calculate->setObjectName(calculateButtonName);
    // Enter in an input presses the calculate button, the dialog's default, once.
    m_calculate->setDefault(true);
    BitBtn5 = new QPushButton(QStringLiteral("p min/max"), Panel2);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->hide();
    Label10 = label("Label10");
    Label10->setWordWrap(true);
    Label15 = label("Label15");
    Label16 = label("Label16");
    Label18 = label("Label18");
    Label19 = label("Label19");
    for (QLabel *hidden : {Label15, Label16, Label18, Label19})
        hidden->hide();

    auto *grid = new QGridLayout(Panel2);
    grid->addWidget(ComboBox2, 0, 0, 1, 3);
    grid->addWidget(Label14, 1, 0);
    grid->addWidget(Edit1, 1, 1);
    grid->addWidget(ComboBox1, 1, 2);
    grid->addWidget(Label17, 2, 0, 1, 2);
    grid->addWidget(ComboBox3, 2, 2);
    grid->addWidget(m_calculate, 3, 1);
    grid->addWidget(BitBtn5, 3, 2);
    grid->addWidget(Label10, 4, 0, 1, 3);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &SystemDialog::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &SystemDialog::ComboBox2Change);
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, &SystemDialog::ComboBox3Change);
    connect(Edit1, &QLineEdit::textChanged, this, &SystemDialog::Edit1Change);
}

const LanguageTables &SystemDialog::texts() const
{
    return m_form.languageTables();
}

const TeinstellungenDlg &SystemDialog::settings() const
{
    return *m_form.settingsDialog();
}

CalculationMode SystemDialog::calculationMode() const
{
    return ComboBox2->currentIndex() == int(CalculationMode::BoilingPoint) ? CalculationMode::BoilingPoint
                                                                            : CalculationMode::VapourPressure;
}

void SystemDialog::applyPanelTexts()
{
    const LanguageTables &language = texts();
    {
        const QSignalBlocker blocker(ComboBox2);
        const QString calculation = language.globalText(GlobalText::CalculationWord) + u' ';
        ComboBox2->setItemText(0, calculation + language.globalText(GlobalText::VapourPressureWord));
        ComboBox2->setItemText(1, calculation + language.globalText(GlobalText::BoilingPointWord));
        ComboBox2->setCurrentIndex(int(CalculationMode::VapourPressure));
    }
    fillUnits();
    Label17->setText(withoutAccelerator(language.globalText(GlobalText::VapourPressureWord)) + QStringLiteral(" ="));
    m_calculate->setText(language.globalText(GlobalText::CalculateCaption));
}

void SystemDialog::fillUnits()
{
    const LanguageTables &language = texts();
    const int temperatureIndex = settings().ComboBox1->currentIndex();
    const int pressureIndex = settings().ComboBox2->currentIndex();
    if (calculationMode() == CalculationMode::VapourPressure) {
        BitBtn5->hide();
        Label14->setText(withoutAccelerator(language.globalText(GlobalText::TemperatureWord)) + u':');
        fillUnitComboBox(ComboBox1, temperatureUnitTexts(), temperatureIndex);
        fillUnitComboBox(ComboBox3, pressureUnitTexts(), pressureIndex);
    } else {
        BitBtn5->show();
        Label14->setText(withoutAccelerator(language.globalText(GlobalText::PressureWord)) + u':');
        fillUnitComboBox(ComboBox1, pressureUnitTexts(), pressureIndex);
        fillUnitComboBox(ComboBox3, temperatureUnitTexts(), temperatureIndex);
    }
}

void SystemDialog::showResultCaption()
{
    const GlobalText caption = calculationMode() == CalculationMode::VapourPressure ? GlobalText::VapourPressureWord
                                                                                     : GlobalText::BoilingPointWord;
    Label17->setText(withoutAccelerator(texts().globalText(caption)) + QStringLiteral(" = "));
}

bool SystemDialog::showResult(long double resultInBaseUnit)
{
    const QString text = singleValueText(calculationMode(), resultInBaseUnit, ComboBox3->currentText(),
                                         m_form.resultFormat());
    showResultCaption();
    if (text.isEmpty()) {
        // A fault of the model is reported, never shown as "nan".
        showError(texts().globalText(GlobalText::CalculationImpossible), Edit1);
        return false;
    }
    Label17->setText(Label17->text() + text);
    return true;
}

std::optional<long double> SystemDialog::inputValue() const
{
    return parseInputValue(Edit1->text());
}

long double SystemDialog::inputInBaseUnit(long double value) const
{
    return ::inputInBaseUnit(calculationMode(), ComboBox1->currentText(), value);
}

void SystemDialog::showPressureRange(long double pminBar, long double pmaxBar)
{
    const RangeTexts range = pressureRangeText(ComboBox1->currentText(), pminBar, pmaxBar, texts().languageLetter());
    Label15->setText(range.minCaption);
    Label16->setText(range.maxCaption);
    Label18->setText(range.minValue);
    Label19->setText(range.maxValue);
    Label10->setText(pressureRangeLabel(range));
}

void SystemDialog::showError(const QString &message, QWidget *control) const
{
    showErrorBox(texts(), message, control);
}

QString SystemDialog::temperatureOutOfRangeMessage() const
{
    const QString message = texts().globalText(GlobalText::TemperatureOutOfRange);
    const QString range = Label10->text();
    return range.isEmpty() ? message : message + u'\r' + range;
}

QLabel *SystemDialog::addLabel(const char *name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton *SystemDialog::addButton(const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QToolButton *SystemDialog::addToolButton(const char *name, int standardIcon)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(style()->standardIcon(QStyle::StandardPixmap(standardIcon)));
    return button;
}

void SystemDialog::calculate()
{
    if (!canCalculate())
        return;
    const bool vapourPressureMode = calculationMode() == CalculationMode::VapourPressure;
    std::optional<long double> value;
    if (!inputFixed()) {
        // An input that computes nothing says why, as the main window does: a silent Berechnen
        // looks like a result that did not come.
        value = inputValue();
        if (!value) {
            m_form.ShowInputError(Label14->text(), Edit1);
            return;
        }
        if (vapourPressureMode && !withinTemperatureLimits(temperatureLimits(), inputInBaseUnit(*value))) {
            showError(temperatureOutOfRangeMessage(), Edit1);
            return;
        }
    }
    if (!checkInputComposition())
        return;
    if (vapourPressureMode) {
        prepareModel();
        showResult(modelPressureBar(inputFixed() ? fixedInputInBaseUnit() : inputInBaseUnit(*value)));
        return;
    }
    // The range of this composition, not of the one the range button saw last.
    const RangeLimits range = updatePressureRange();
    const long double pressureBar = inputFixed() ? fixedInputInBaseUnit() : inputInBaseUnit(*value);
    if (!withinPressureLimits(range, pressureBar)) {
        showError(texts().globalText(GlobalText::PressureOutOfRange), Edit1);
        return;
    }
    showResult(modelBoilingTemperatureK(pressureBar));
}

void SystemDialog::openTable(ValueTableDialog *table)
{
    if (!CheckComposition())
        return;
    table->setMode(calculationMode());
    table->exec();
}

void SystemDialog::openDiagram()
{
    if (!CheckComposition())
        return;
    m_form.diagramWindow()->exec();
}

void SystemDialog::ComboBox1Change()
{
    updateRange();
    showResultCaption();
}

void SystemDialog::ComboBox2Change()
{
    Label10->clear();
    fillUnits();
    updateRange();
    showResultCaption();
}

void SystemDialog::ComboBox3Change()
{
    showResultCaption();
}

void SystemDialog::Edit1Change()
{
    showResultCaption();
}

void SystemDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void SystemDialog::done(int result)
{
    FormClose();
    QDialog::done(result);
}
