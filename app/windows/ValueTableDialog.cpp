// The frame of every value table window.
#include "app/windows/ValueTableDialog.h"

#include "app/core/NumberText.h"
#include "app/core/PressureUnits.h"
#include "app/core/TemperatureUnits.h"
#include "app/data/LanguageTables.h"
#include "app/print/TXPrint.h"
#include "app/print/TablePrinter.h"
#include "app/windows/InputErrorBox.h"
#include "app/windows/TForm1.h"
#include "app/windows/TeinstellungenDlg.h"
#include "app/windows/UnitComboBox.h"
#include "platform/BusyCursor.h"
#include "platform/MessageService.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

ValueTableDialog::ValueTableDialog(TForm1 &form, const QString &formName, QWidget *parent)
    : QDialog(parent)
    , m_form(form)
    , m_printer(new TablePrinter(form.languageTables(), this))
{
    setObjectName(formName);
    setModal(true);
    setWindowTitle(QStringLiteral("Dampfdrucktabelle"));

    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::StyledPanel);
    Label1 = new QLabel(Bevel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(Bevel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    ComboBox1 = new QComboBox(Bevel1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox2 = new QComboBox(Bevel1);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ListBox1 = new QListWidget(Bevel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(tableFont());
    ListBox1->setUniformItemSizes(true);
    CheckBox1 = new QCheckBox(QStringLiteral("Abstufung 1/10 Einheiten"), Bevel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(QStringLiteral("Wissenschaftliche Notation"), Bevel1);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));

    auto *frame = new QVBoxLayout(Bevel1);
    m_systemArea = new QVBoxLayout;
    frame->addLayout(m_systemArea);
    auto *columns = new QGridLayout;
    columns->addWidget(Label1, 0, 0);
    columns->addWidget(Label2, 0, 1);
    columns->addWidget(ComboBox1, 1, 0);
    columns->addWidget(ComboBox2, 1, 1);
    frame->addLayout(columns);
    frame->addWidget(ListBox1, 1);
    frame->addWidget(CheckBox1);
    frame->addWidget(CheckBox2);
    m_noteArea = new QVBoxLayout;
    frame->addLayout(m_noteArea);

    BitBtn1 = new QPushButton(QStringLiteral("&Drucken"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn3 = new QPushButton(QStringLiteral("&Kopieren"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn2 = new QPushButton(QStringLiteral("&Schließen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Bevel1, 1);
    layout->addLayout(buttons);
    resize(380, 520);

    connect(BitBtn1, &QPushButton::clicked, this, &ValueTableDialog::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn3, &QPushButton::clicked, this, &ValueTableDialog::BitBtn3Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &ValueTableDialog::SpeedButton1Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &ValueTableDialog::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &ValueTableDialog::CheckBox2Click);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &ValueTableDialog::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &ValueTableDialog::ComboBox2Change);
    // An empty table (no system, a declined size question, a refused row limit) has nothing to
    // print or copy: a print would give a page of headers only.
    const QAbstractItemModel *rowModel = ListBox1->model();
    connect(rowModel, &QAbstractItemModel::rowsInserted, this, &ValueTableDialog::updateTableCommands);
    connect(rowModel, &QAbstractItemModel::rowsRemoved, this, &ValueTableDialog::updateTableCommands);
    connect(rowModel, &QAbstractItemModel::modelReset, this, &ValueTableDialog::updateTableCommands);
    updateTableCommands();
}

ValueTableDialog::~ValueTableDialog()
{
    // QWidget's destructor empties the list after this part is gone; its model's signals must
    // not reach updateTableCommands then.
    ListBox1->model()->disconnect(this);
}

void ValueTableDialog::updateTableCommands()
{
    const bool rowsShown = ListBox1->count() > 0;
    BitBtn1->setEnabled(rowsShown);
    BitBtn3->setEnabled(rowsShown);
}

const LanguageTables &ValueTableDialog::texts() const
{
    return m_form.languageTables();
}

QStringList ValueTableDialog::rows() const
{
    QStringList texts;
    texts.reserve(ListBox1->count());
    for (int i = 0; i < ListBox1->count(); ++i)
        texts.append(ListBox1->item(i)->text());
    return texts;
}

void ValueTableDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Restoring a minimised window is no new show: the user's input stays.
    if (!event->spontaneous())
        FormShow();
}

void ValueTableDialog::FormShow()
{
    const LanguageTables &language = texts();
    CheckBox2->setText(language.globalText(GlobalText::ScientificNotationCaption));
    BitBtn1->setText(language.globalText(GlobalText::PrintCaption));
    BitBtn3->setText(language.globalText(GlobalText::CopyCaption));
    BitBtn2->setText(language.globalText(GlobalText::CloseCaption));
    applyTexts();

    const TeinstellungenDlg *settings = m_form.settingsDialog();
    const bool boilingMode = m_mode == CalculationMode::BoilingPoint;
    if (boilingMode) {
        fillUnitComboBox(ComboBox1, pressureUnitTexts(), settings->ComboBox2->currentIndex());
        fillUnitComboBox(ComboBox2, temperatureUnitTexts(), settings->ComboBox1->currentIndex());
    } else {
        fillUnitComboBox(ComboBox1, temperatureUnitTexts(), settings->ComboBox1->currentIndex());
        fillUnitComboBox(ComboBox2, pressureUnitTexts(), settings->ComboBox2->currentIndex());
    }
    {
        // The table is built once below, not once per box.
        const QSignalBlocker block1(CheckBox1);
        const QSignalBlocker block2(CheckBox2);
        CheckBox1->setChecked(false);
        CheckBox2->setChecked(false);
    }

    m_system = prepareSystem();
    if (boilingMode) {
        setWindowTitle(language.globalText(GlobalText::BoilingPointTableCaption));
        CheckBox2->setEnabled(false);
        BuildPressureRows();
    } else {
        setWindowTitle(language.globalText(GlobalText::VapourPressureTableCaption));
        CheckBox2->setEnabled(true);
        BuildTemperatureRows();
    }
}

std::optional<StepRange> ValueTableDialog::temperatureSteps(const QString &unit) const
{
    return wholeStepRange(kelvinToTemperatureUnit(unit, m_system.limits.TminK),
                          kelvinToTemperatureUnit(unit, m_system.limits.TmaxK));
}

QString ValueTableDialog::unitsText() const
{
    return QStringLiteral(" (") + ComboBox1->currentText() + QStringLiteral(" / ") + ComboBox2->currentText() + u')';
}

QString ValueTableDialog::temperatureUnit() const
{
    return m_mode == CalculationMode::VapourPressure ? ComboBox1->currentText() : ComboBox2->currentText();
}

QString ValueTableDialog::normalBoilingText() const
{
    if (!m_system.available)
        return {};
    const long double temperatureK = m_system.model.temperatureKAt(kNotePressureBar);
    return oneDecimalText(kelvinToTemperatureUnit(temperatureUnit(), temperatureK), 1, texts().languageLetter());
}

QString ValueTableDialog::boilingNote(const QString &prefix, bool inInBoth) const
{
    const QString value = normalBoilingText();
    if (value.isEmpty())
        return {};
    const bool in = inInBoth || m_mode == CalculationMode::BoilingPoint;
    return prefix + (in ? QStringLiteral(" in ") : QStringLiteral(" ")) + temperatureUnit() + QStringLiteral(": ") + value;
}

void ValueTableDialog::readQuestions(FormTextReader &reader, bool blankBeforePageCount)
{
    m_questions.size1 = reader.next();
    m_questions.size2 = reader.next();
    m_questions.size3 = reader.next();
    m_questions.print = reader.next();
    m_questions.blankBeforePageCount = blankBeforePageCount;
}

void ValueTableDialog::reportFailedRow(const QString &quantityText, long double value, const QString &unit)
{
    // A row without a number ends the table: it is reported instead of printed as "nan".
    const LanguageTables &language = texts();
    QString message = language.globalText(GlobalText::CalculationImpossible);
    if (!quantityText.isEmpty()) {
        message += u'\r';
        message += withoutAccelerator(quantityText) + QStringLiteral(": ")
            + firstColumnText(value, CheckBox1->isChecked(), language.languageLetter()) + u' ' + unit;
    }
    showErrorBox(language, message);
}

bool ValueTableDialog::refuseRowLimit(const StepRange &range)
{
    if (!exceedsRowLimit(range, CheckBox1->isChecked()))
        return false;
    // The table stays empty; fewer steps or a larger unit build it again.
    const LanguageTables &language = texts();
    showErrorBox(language, language.globalText(GlobalText::TooManyTableRows) + QString::number(kMaxTableRows));
    return true;
}

void ValueTableDialog::BuildTemperatureRows()
{
    const BusyCursor busy;
    const LanguageTables &language = texts();
    Label1->setText(language.globalText(GlobalText::TemperatureWord));
    Label2->setText(temperatureValueHeading());
    CheckBox1->setEnabled(true);
    ListBox1->clear();
    if (!m_system.available)
        return;

    const QString temperatureUnit = ComboBox1->currentText();
    const QString pressureUnit = ComboBox2->currentText();
    const std::optional<StepRange> range = temperatureSteps(temperatureUnit);
    if (!range) {
        reportFailedRow(QString(), 0.0L, QString());
        return;
    }
    if (refuseRowLimit(*range))
        return;
    const RowFormat format{CheckBox1->isChecked(), CheckBox2->isChecked(), language.languageLetter(),
                           systemDecimalSeparator()};
    const TableRows table
        = buildTemperatureRows(*range, temperatureUnit, pressureUnit, m_system.model.pressureBarAt, format);
    ListBox1->addItems(table.rows);
    if (table.failedAt)
        reportFailedRow(language.globalText(GlobalText::TemperatureWord), *table.failedAt, temperatureUnit);
    rowsBuilt();
}

void ValueTableDialog::BuildPressureRows()
{
    const BusyCursor busy;
    const LanguageTables &language = texts();
    Label1->setText(language.globalText(GlobalText::PressureWord));
    Label2->setText(language.globalText(GlobalText::BoilingPointWord));
    ListBox1->clear();
    if (!m_system.available)
        return;

    const QString temperatureUnit = ComboBox2->currentText();
    const PressureTablePlan plan
        = planPressureTable(ComboBox1->currentText(), m_system.limits.pminBar, m_system.limits.pmaxBar);
    if (plan.unitChanged) {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->setCurrentIndex(ComboBox1->findText(plan.unit));
    }
    if (!plan.range) {
        reportFailedRow(QString(), 0.0L, QString());
        return;
    }
    const StepRange range = *plan.range;
    if (range.isEmpty() || refuseRowLimit(range))
        return;
    if (needsSizeQuestion(range)) {
        const QString question = m_questions.size1 + QString::number(range.last - range.first) + u'\r'
            + m_questions.size2 + u'\r' + m_questions.size3;
        if (showMessage(question, language.globalText(GlobalText::NoteCaption), MbYesNo | MbIconQuestion) == IdNo)
            return;
    }
    const RowFormat format{CheckBox1->isChecked(), false, language.languageLetter(), systemDecimalSeparator()};
    const TableRows table = buildPressureRows(range, plan.unit, temperatureUnit, m_system.model.temperatureKAt, format);
    ListBox1->addItems(table.rows);
    if (table.failedAt)
        reportFailedRow(language.globalText(GlobalText::PressureWord), *table.failedAt, plan.unit);
    rowsBuilt();
}

void ValueTableDialog::rebuild()
{
    if (m_mode == CalculationMode::VapourPressure)
        BuildTemperatureRows();
    else
        BuildPressureRows();
}

void ValueTableDialog::CheckBox1Click()
{
    rebuild();
}

void ValueTableDialog::CheckBox2Click()
{
    rebuild();
}

void ValueTableDialog::ComboBox1Change()
{
    rebuild();
}

void ValueTableDialog::ComboBox2Change()
{
    if (m_mode != CalculationMode::VapourPressure || !keepsSelectionOnUnitChange()) {
        rebuild();
        return;
    }
    const int selected = ListBox1->currentRow();
    BuildTemperatureRows();
    if (selected >= 0 && selected < ListBox1->count())
        ListBox1->setCurrentRow(selected);
}

void ValueTableDialog::BitBtn1Click()
{
    const LanguageTables &language = texts();
    const PrintTexts print = printTexts();
    const QStringList tableRows = rows();
    if (needsPrintQuestion(tableRows.size())) {
        const int pages = m_printer->PageCount(tableRows, print.kind);
        const QString question = m_questions.print + (m_questions.blankBeforePageCount ? QStringLiteral(" ") : QString())
            + QString::number(pages) + u'\r' + m_questions.size3;
        if (showMessage(question, language.globalText(GlobalText::NoteCaption), MbYesNo | MbIconQuestion) == IdNo)
            return;
    }
    if (m_printer->PrintTable(tableRows, print.kind, print.s1, print.s2, print.s3, print.s4) == PrintOutcome::Failed)
        showPrintFailure(language, m_printer->outputFileName());
}

void ValueTableDialog::BitBtn3Click()
{
    QGuiApplication::clipboard()->setText(tableClipboardText(rows()));
}

void ValueTableDialog::SpeedButton1Click()
{
    showMessage(noticeText(), texts().globalText(GlobalText::InformationCaption), MbOk | MbIconInformation);
}
