// The solid-liquid dialog.
#include "app/windows/TFestFlueDlg.h"

#include "app/container/DataPasswords.h"
#include "app/core/RaoultMixture.h"
#include "app/core/RangeLimits.h"
#include "app/core/RecordFields.h"
#include "app/core/SingleValue.h"
#include "app/core/SystemBoiling.h"
#include "app/core/SystemRange.h"
#include "app/data/DataFiles.h"
#include "app/data/LanguageTables.h"
#include "app/data/SubstanceDatabase.h"
#include "app/windows/InputErrorBox.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TForm1.h"
#include "app/windows/TTabMischFestDlg.h"
#include "platform/MessageService.h"
#include "platform/ProgramFolder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Like the main window's current substance: bold and blue.
void emphasise(QLabel *label)
{
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setStyleSheet(QStringLiteral("color: #0000c0"));
}

} // namespace

TFestFlueDlg::TFestFlueDlg(TForm1 &form, QWidget *parent)
    : SystemDialog(form, QStringLiteral("FestFlueDlg"), QStringLiteral("BitBtn3"), parent)
{
    setWindowTitle(QStringLiteral("Mischung Fest / Flüssig"));
    BitBtn3 = calculateButton();
    Label1 = addLabel("Label1", QStringLiteral("Lösungsmittel:"));
    Label2 = addLabel("Label2", QStringLiteral("Gelöster Feststoff:"));
    Label5 = addLabel("Label5", QString());
    Label6 = addLabel("Label6", QString());
    Label7 = addLabel("Label7", QString());
    Label8 = addLabel("Label8", QString());
    Label3 = addLabel("Label3", QString());
    emphasise(Label6);
    emphasise(Label8);
    ListBox1 = new SubstanceListBox(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2 = new SubstanceListBox(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    SpeedButton3 = addToolButton("SpeedButton3", QStyle::SP_MessageBoxInformation);
    BitBtn4 = addButton("BitBtn4", QStringLiteral("&Tabelle"));
    BitBtn6 = addButton("BitBtn6", QStringLiteral("&Diagramm"));
    BitBtn7 = addButton("BitBtn7", QStringLiteral("&Schließen"));
    BitBtn6->setEnabled(false);

    auto *lists = new QGridLayout;
    lists->addWidget(Label1, 0, 0);
    lists->addWidget(Label2, 0, 1);
    lists->addWidget(ListBox1, 1, 0);
    lists->addWidget(ListBox2, 1, 1);
    auto *selection = new QGridLayout;
    selection->addWidget(Label5, 0, 0);
    selection->addWidget(Label6, 0, 1);
    selection->addWidget(Label7, 1, 0);
    selection->addWidget(Label8, 1, 1);
    selection->addWidget(Label3, 2, 0);
    selection->addWidget(Edit3, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton3);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn4);
    buttons->addWidget(BitBtn6);
    buttons->addWidget(BitBtn7);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(selection);
    layout->addWidget(Panel2);
    layout->addLayout(buttons);
    resize(720, 600);

    m_table = new TTabMischFestDlg(form, *this, this);

    connect(ListBox1, &SubstanceListBox::Click, this, &TFestFlueDlg::ListBox1Click);
    connect(ListBox2, &SubstanceListBox::Click, this, &TFestFlueDlg::ListBox2Click);
    connect(Edit3, &QLineEdit::textChanged, this, &TFestFlueDlg::Edit3Change);
    connect(SpeedButton3, &QToolButton::clicked, this, &TFestFlueDlg::SpeedButton3Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFestFlueDlg::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TFestFlueDlg::BitBtn4Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TFestFlueDlg::openDiagram);
    connect(BitBtn5, &QPushButton::clicked, this, &TFestFlueDlg::BitBtn5Click);
    connect(BitBtn7, &QPushButton::clicked, this, &QDialog::accept);
}

void TFestFlueDlg::FormShow()
{
    const LanguageTables &language = texts();
    FormTextReader reader = language.block(u"FestFlueDlg");
    setWindowTitle(reader.next(windowTitle()));
    for (QString &text : SolidTexts)
        text = reader.next();
    const QString solidCaption = withoutAccelerator(language.globalText(GlobalText::DissolvedSolidCaption));
    Label1->setText(withoutAccelerator(language.globalText(GlobalText::SolventCaption)) + u':');
    Label2->setText(solidCaption + u':');
    Label3->setText(language.globalText(GlobalText::FractionWord) + u' ' + solidCaption + QStringLiteral(" in Ma.%:"));
    applyPanelTexts();
    BitBtn4->setText(language.globalText(GlobalText::TableCaption));
    BitBtn6->setText(language.globalText(GlobalText::DiagramCaption));
    BitBtn7->setText(language.globalText(GlobalText::CloseCaption));

    ListBox1->clear();
    for (const QString &record : form().databaseList())
        ListBox1->addItem(listItemText(record, language.languageLetter()));
    Edit3->clear();
    Label5->setText(Label1->text());
    Label7->setText(Label2->text());
    loadSolids();
    ListBox2->clear();
    for (const SolidEntry &solid : m_solids)
        ListBox2->addItem(solid.itemText());
    ListBox1->setCurrentRow(0);
    ListBox2->setCurrentRow(0);
    Label6->setText(ListBox1->currentItem() ? ListBox1->currentItem()->text() : QString());
    Label8->setText(ListBox2->currentItem() ? ListBox2->currentItem()->text() : QString());
    updateRange();
    showResultCaption();
}

void TFestFlueDlg::loadSolids()
{
    QStringList lines;
    m_solids.clear();
    // A missing or undecryptable file has been reported by the loader.
    if (!form().LoadCryptFile(kSolidsFile, QString::fromLatin1(DataPasswords::kSolids), &lines))
        return;
    SolidsList list = readSolids(lines, texts().languageLetter());
    if (list.damaged) {
        showDataFileError(texts(), DataFileError::Damaged, programFilePath(kSolidsFile));
        return;
    }
    m_solids = std::move(list.solids);
}

void TFestFlueDlg::FormClose()
{
    m_solids.clear();
}

QString TFestFlueDlg::solventRecord() const
{
    const int row = ListBox1->currentRow();
    const QStringList &records = form().databaseList();
    return row >= 0 && row < records.size() ? records.at(row) : QString();
}

const SolidEntry *TFestFlueDlg::selectedSolid() const
{
    const int row = ListBox2->currentRow();
    return row >= 0 && row < int(m_solids.size()) ? &m_solids[std::size_t(row)] : nullptr;
}

bool TFestFlueDlg::canCalculate() const
{
    return !solventRecord().isEmpty() && selectedSolid() && m_rangeValid;
}

RangeLimits TFestFlueDlg::temperatureLimits() const
{
    RangeLimits limits;
    limits.TminK = MixTmin;
    limits.TmaxK = MixTmax;
    return limits;
}

void TFestFlueDlg::updateRange()
{
    const QString solvent = solventRecord();
    const SolidEntry *solid = selectedSolid();
    if (solvent.isEmpty() || !solid) {
        m_rangeValid = false;
        Label10->clear();
        updateButtons();
        return;
    }
    MixTmin = numericField(solvent, kFieldMinTemperatureK);
    MixTmax = std::min(numericField(solvent, kFieldMaxTemperatureK), solid->limitK);
    // A flag, not the label's text: the label only shows why nothing can be computed.
    // A range of no width (the solid's limit at the solvent's Tmin) is none to compute in.
    m_rangeValid = MixTmin < MixTmax;
    if (!m_rangeValid)
        Label10->setText(texts().globalText(GlobalText::RangesDoNotOverlap));
    else if (calculationMode() == CalculationMode::BoilingPoint)
        Label10->clear();
    else
        Label10->setText(temperatureRangeLabel(ComboBox1->currentText(), MixTmin, MixTmax));
    updateButtons();
}

void TFestFlueDlg::updateButtons()
{
    for (QPushButton *button : {BitBtn3, BitBtn4, BitBtn5, BitBtn6})
        button->setEnabled(canCalculate());
}

void TFestFlueDlg::CalcSolventMoleFraction()
{
    const QString solvent = solventRecord();
    const SolidEntry *solid = selectedSolid();
    m_solvent = readVapourPressureCoefficients(solvent);
    const long double massPercent = parseInputValue(Edit3->text()).value_or(0.0L);
    SolventMoleFraction = solid ? solventMoleFraction(numericField(solvent, kFieldMolarMass), massPercent, solid->molarMass)
                                : 1.0L;
}

long double TFestFlueDlg::CalcSolutionPressure(long double temperatureK) const
{
    return mixturePressureBar({{m_solvent, SolventMoleFraction}}, temperatureK);
}

long double TFestFlueDlg::CalcSolutionBoilingTemperature(long double pressureBar) const
{
    const PressureAtTemperature pressureAt = [this](long double T) { return CalcSolutionPressure(T); };
    return systemBoilingTemperatureInRangeK(pressureAt, MixTmin, MixTmax, pressureBar);
}

bool TFestFlueDlg::checkEdit3()
{
    if (Edit3->text().trimmed().isEmpty()) {
        showError(SolidTexts[2], Edit3);
        return false;
    }
    // 100 % or more leaves no solvent, and a negative share more than all of it.
    const std::optional<long double> percent = parseInputValue(Edit3->text());
    if (!percent || *percent < 0.0L || *percent >= 100.0L) {
        showError(texts().globalText(GlobalText::InvalidInput) + u'\r' + Label3->text(), Edit3);
        return false;
    }
    return true;
}

RangeLimits TFestFlueDlg::updatePressureRange()
{
    CalcSolventMoleFraction();
    MixPmin = CalcSolutionPressure(MixTmin);
    MixPmax = CalcSolutionPressure(MixTmax);
    showPressureRange(MixPmin, MixPmax);
    RangeLimits limits = temperatureLimits();
    limits.pminBar = MixPmin;
    limits.pmaxBar = MixPmax;
    return limits;
}

bool TFestFlueDlg::CheckComposition()
{
    return canCalculate() && checkEdit3();
}

void TFestFlueDlg::ListBox1Click()
{
    Label6->setText(ListBox1->currentItem() ? ListBox1->currentItem()->text() : QString());
    updateRange();
    showResultCaption();
}

void TFestFlueDlg::ListBox2Click()
{
    Label8->setText(ListBox2->currentItem() ? ListBox2->currentItem()->text() : QString());
    updateRange();
    showResultCaption();
}

void TFestFlueDlg::Edit3Change()
{
    if (calculationMode() == CalculationMode::BoilingPoint)
        Label10->setText(m_rangeValid ? QString() : texts().globalText(GlobalText::RangesDoNotOverlap));
    showResultCaption();
}

void TFestFlueDlg::SpeedButton3Click()
{
    const LanguageTables &language = texts();
    showMessage(QStringList{language.globalText(GlobalText::ModelNote1), language.globalText(GlobalText::ModelNote2),
                            SolidTexts[3], SolidTexts[0], SolidTexts[1]}
                    .join(u'\r'),
                QString(), MbOk | MbIconInformation);
}

void TFestFlueDlg::BitBtn3Click()
{
    calculate();
}

void TFestFlueDlg::BitBtn4Click()
{
    openTable(m_table);
}

void TFestFlueDlg::BitBtn5Click()
{
    if (canCalculate() && checkEdit3())
        updatePressureRange();
}
