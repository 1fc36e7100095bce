// The table window of a pure substance.
#include "app/windows/TTabelleDlg.h"

#include "app/core/NumberText.h"
#include "app/core/PressureUnits.h"
#include "app/core/TableLayout.h"
#include "app/core/TableRows.h"
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
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

} // namespace

TTabelleDlg::TTabelleDlg(TForm1 &form, QWidget *parent)
    : QDialog(parent)
    , m_form(form)
    , m_printer(new TablePrinter(form.languageTables(), this))
{
    setObjectName(QStringLiteral("TabelleDlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("Dampfdrucktabelle"));

    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::StyledPanel);
    Label3 = new QLabel(Bevel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label3->setWordWrap(true);
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

    auto *frame = new QGridLayout(Bevel1);
    frame->addWidget(Label3, 0, 0, 1, 2);
    frame->addWidget(Label1, 1, 0);
    frame->addWidget(Label2, 1, 1);
    frame->addWidget(ComboBox1, 2, 0);
    frame->addWidget(ComboBox2, 2, 1);
    frame->addWidget(ListBox1, 3, 0, 1, 2);
    frame->addWidget(CheckBox1, 4, 0, 1, 2);
    frame->addWidget(CheckBox2, 5, 0, 1, 2);

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

    connect(BitBtn1, &QPushButton::clicked, this, &TTabelleDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn3, &QPushButton::clicked, this, &TTabelleDlg::BitBtn3Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TTabelleDlg::SpeedButton1Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TTabelleDlg::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &TTabelleDlg::CheckBox2Click);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TTabelleDlg::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TTabelleDlg::ComboBox2Change);
}

QStringList TTabelleDlg::rows() const
{
    QStringList texts;
    texts.reserve(ListBox1->count());
    for (int i = 0; i < ListBox1->count(); ++i)
        texts.append(ListBox1->item(i)->text());
    return texts;
}

void TTabelleDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TTabelleDlg::applyTexts()
{
    const LanguageTables &texts = m_form.languageTables();
    FormTextReader reader = texts.block(u"TabelleDlg");
    CheckBox1->setText(reader.next(CheckBox1->text()));
    reader.next(); // a line the window does not use
    m_M3 = reader.next();
    m_M4 = reader.next();
    m_M5 = reader.next();
    m_M6 = reader.next();
    CheckBox2->setText(texts.globalText(GlobalText::ScientificNotationCaption));
    BitBtn1->setText(texts.globalText(GlobalText::PrintCaption));
    BitBtn3->setText(texts.globalText(GlobalText::CopyCaption));
    BitBtn2->setText(texts.globalText(GlobalText::CloseCaption));
}

void TTabelleDlg::FormShow()
{
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

    m_substanceName = m_form.Label5->text();
    m_record = m_form.currentRecord();
    m_model = recordModel(m_record);
    m_range = recordRangeLimits(m_record);

    const LanguageTables &texts = m_form.languageTables();
    if (boilingMode) {
        setWindowTitle(texts.globalText(GlobalText::BoilingPointTableCaption));
        CheckBox2->setEnabled(false);
        BuildPressureRows();
    } else {
        setWindowTitle(texts.globalText(GlobalText::VapourPressureTableCaption));
        CheckBox2->setEnabled(true);
        BuildTemperatureRows();
    }
}

void TTabelleDlg::showRows(const QStringList &rows)
{
    ListBox1->addItems(rows);
}

void TTabelleDlg::reportFailedRow(const QString &quantityText, long double value, const QString &unit)
{
    // A row without a number ends the table: it is reported instead of printed as "nan".
    const LanguageTables &texts = m_form.languageTables();
    QString message = texts.globalText(GlobalText::CalculationImpossible);
    if (!quantityText.isEmpty()) {
        message += u'\r';
        message += withoutAccelerator(quantityText) + QStringLiteral(": ")
            + firstColumnText(value, CheckBox1->isChecked(), texts.languageLetter()) + u' ' + unit;
    }
    showErrorBox(texts, message);
}

bool TTabelleDlg::refuseRowLimit(const StepRange &range)
{
    if (!exceedsRowLimit(range, CheckBox1->isChecked()))
        return false;
    // The table stays empty; fewer steps or a larger unit build it again.
    const LanguageTables &texts = m_form.languageTables();
    showErrorBox(texts, texts.globalText(GlobalText::TooManyTableRows) + QString::number(kMaxTableRows));
    return true;
}

void TTabelleDlg::BuildTemperatureRows()
{
    const BusyCursor busy;
    const LanguageTables &texts = m_form.languageTables();
    Label1->setText(texts.globalText(GlobalText::TemperatureWord));
    Label2->setText(texts.globalText(GlobalText::VapourPressureWord));
    CheckBox1->setEnabled(true);
    Label3->setText(m_substanceName);
    ListBox1->clear();
    if (m_record.isEmpty())
        return;

    const QString temperatureUnit = ComboBox1->currentText();
    const QString pressureUnit = ComboBox2->currentText();
    const std::optional<StepRange> range = wholeStepRange(kelvinToTemperatureUnit(temperatureUnit, m_range.TminK),
                                                          kelvinToTemperatureUnit(temperatureUnit, m_range.TmaxK));
    if (!range) {
        reportFailedRow(QString(), 0.0L, QString());
        return;
    }
    if (refuseRowLimit(*range))
        return;
    const RowFormat format{CheckBox1->isChecked(), CheckBox2->isChecked(), texts.languageLetter(),
                           systemDecimalSeparator()};
    const TableRows table = buildTemperatureRows(*range, temperatureUnit, pressureUnit, m_model.pressureBarAt, format);
    showRows(table.rows);
    if (table.failedAt)
        reportFailedRow(texts.globalText(GlobalText::TemperatureWord), *table.failedAt, temperatureUnit);
}

void TTabelleDlg::BuildPressureRows()
{
    const BusyCursor busy;
    const LanguageTables &texts = m_form.languageTables();
    Label1->setText(texts.globalText(GlobalText::PressureWord));
    Label2->setText(texts.globalText(GlobalText::BoilingPointWord));
    Label3->setText(m_form.Label5->text());
    ListBox1->clear();
    if (m_record.isEmpty())
        return;

    const QString temperatureUnit = ComboBox2->currentText();
    const PressureTablePlan plan = planPressureTable(ComboBox1->currentText(), m_range.pminBar, m_range.pmaxBar);
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
        const QString question = m_M3 + QString::number(range.last - range.first) + u'\r' + m_M4 + u'\r' + m_M5;
        if (showMessage(question, texts.globalText(GlobalText::NoteCaption), MbYesNo | MbIconQuestion) == IdNo)
            return;
    }
    const RowFormat format{CheckBox1->isChecked(), false, texts.languageLetter(), systemDecimalSeparator()};
    const TableRows table = buildPressureRows(range, plan.unit, temperatureUnit, m_model.temperatureKAt, format);
    showRows(table.rows);
    if (table.failedAt)
        reportFailedRow(texts.globalText(GlobalText::PressureWord), *table.failedAt, plan.unit);
}

void TTabelleDlg::rebuild()
{
    if (m_mode == CalculationMode::VapourPressure)
        BuildTemperatureRows();
    else
        BuildPressureRows();
}

void TTabelleDlg::CheckBox1Click()
{
    rebuild();
}

void TTabelleDlg::CheckBox2Click()
{
    rebuild();
}

void TTabelleDlg::ComboBox1Change()
{
    rebuild();
}

void TTabelleDlg::ComboBox2Change()
{
    if (m_mode != CalculationMode::VapourPressure) {
        BuildPressureRows();
        return;
    }
    const int selected = ListBox1->currentRow();
    BuildTemperatureRows();
    if (selected >= 0 && selected < ListBox1->count())
        ListBox1->setCurrentRow(selected);
}

void TTabelleDlg::BitBtn1Click()
{
    const LanguageTables &texts = m_form.languageTables();
    const QString heading = Label3->text() + QStringLiteral(" (") + ComboBox1->currentText() + QStringLiteral(" / ")
        + ComboBox2->currentText() + u')';
    const QString disclaimer
        = texts.globalText(GlobalText::DisclaimerPart1) + u' ' + texts.globalText(GlobalText::DisclaimerPart2);
    const int pages = printPageCount(ListBox1->count());
    if (pages > 1
        && showMessage(m_M6 + QString::number(pages) + u'\r' + m_M5, texts.globalText(GlobalText::NoteCaption),
                       MbYesNo | MbIconQuestion)
            == IdNo)
        return;
    if (m_printer->PrintTable(rows(), TableHeaderKind::PureSubstance, QString(), QString(), disclaimer, heading)
        == PrintOutcome::Failed)
        showPrintFailure(texts, m_printer->outputFileName());
}

void TTabelleDlg::BitBtn3Click()
{
    QGuiApplication::clipboard()->setText(tableClipboardText(rows()));
}

void TTabelleDlg::SpeedButton1Click()
{
    const LanguageTables &texts = m_form.languageTables();
    showMessage(texts.globalText(GlobalText::NoteCaption) + QStringLiteral(": ")
                    + texts.globalText(GlobalText::DisclaimerPart1) + u'\r'
                    + texts.globalText(GlobalText::DisclaimerPart2),
                texts.globalText(GlobalText::InformationCaption), MbOk | MbIconInformation);
}
