// The liquid-liquid mixture dialog.
#include "app/windows/TFlueFlueDlg.h"

#include "app/core/RangeLimits.h"
#include "app/core/RecordFields.h"
#include "app/core/SystemBoiling.h"
#include "app/core/SystemRange.h"
#include "app/data/LanguageTables.h"
#include "app/data/SubstanceDatabase.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TForm1.h"
#include "app/windows/TTabelleMischungDlg.h"
#include "platform/MessageService.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Percentages that add up to 100 in decimal need not do so in binary: 0.1 + 84.2 + 15.7.
constexpr long double kSumTolerance = 1e-9L;

} // namespace

bool TFlueFlueDlg::Percentages::addUp() const
{
    return badRows.empty() && std::fabs(sum - 100.0L) <= kSumTolerance;
}

TFlueFlueDlg::TFlueFlueDlg(TForm1 &form, QWidget *parent)
    : CompositionDialog(form, QStringLiteral("FlueFlueDlg"), QStringLiteral("BitBtn3"), kComponentRows, parent)
{
    setWindowTitle(QStringLiteral("Mischung Flüssig / Flüssig"));
    BitBtn3 = calculateButton();
    Label1->setText(QStringLiteral("Medienauswahl:"));
    Label3->setText(QStringLiteral("Mischung:"));
    SpeedButton3 = addToolButton("SpeedButton3", QStyle::SP_MessageBoxInformation);
    BitBtn4 = addButton("BitBtn4", QStringLiteral("&Tabelle"));
    BitBtn1 = addButton("BitBtn1", QStringLiteral("&Diagramm"));
    BitBtn2 = addButton("BitBtn2", QStringLiteral("&Schließen"));
    BitBtn4->setEnabled(false);
    BitBtn1->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton3);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn4);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(listAndGridLayout(), 1);
    layout->addWidget(Panel2);
    layout->addLayout(buttons);
    resize(720, 560);

    m_table = new TTabelleMischungDlg(form, *this, this);

    connect(SpeedButton3, &QToolButton::clicked, this, &TFlueFlueDlg::SpeedButton3Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TFlueFlueDlg::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TFlueFlueDlg::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFlueFlueDlg::openDiagram);
    connect(BitBtn5, &QPushButton::clicked, this, &TFlueFlueDlg::BitBtn5Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}

void TFlueFlueDlg::FormShow()
{
    const LanguageTables &language = texts();
    FormTextReader reader = language.block(u"FlueFlueDlg");
    setWindowTitle(reader.next(windowTitle()));
    TextBadPercentage = reader.next();
    TextSumNot100 = reader.next();
    TextRangeCheckFailed = reader.next();
    Label1->setText(withoutAccelerator(language.globalText(GlobalText::SubstanceSelectionCaption)) + u':');
    Label3->setText(withoutAccelerator(language.globalText(GlobalText::MixtureCaption)) + u':');
    applyPanelTexts();
    BitBtn4->setText(language.globalText(GlobalText::TableCaption));
    BitBtn1->setText(language.globalText(GlobalText::DiagramCaption));
    BitBtn2->setText(language.globalText(GlobalText::CloseCaption));

    MixTmin = 0.0L;
    MixTmax = 5000.0L;
    ComponentCount = 0;
    QStringList items;
    for (const QString &record : form().databaseList())
        items << listItemText(record, language.languageLetter());
    showHeadingsAndList(items);
    Label10->clear();
    updateRange();
}

void TFlueFlueDlg::FormClose()
{
    // The composition does not outlive the dialog; the heading is written again at the next show.
    StringGrid1->clearCells();
}

int TFlueFlueDlg::recordIndex(int row) const
{
    const QString item = StringGrid1->Cells(0, row) + u'\t' + StringGrid1->Cells(1, row);
    const QStringList &records = form().databaseList();
    for (int i = 0; i < records.size(); ++i) {
        if (listItemText(records.at(i), texts().languageLetter()) == item)
            return i;
    }
    return -1;
}

void TFlueFlueDlg::updateRange()
{
    TemperatureRange range;
    const int used = StringGrid1->usedRows();
    for (int row = 1; row <= used; ++row) {
        const int index = recordIndex(row);
        if (index < 0)
            continue;
        const QString &record = form().databaseList().at(index);
        range.narrow(numericField(record, kFieldMinTemperatureK), numericField(record, kFieldMaxTemperatureK));
    }
    MixTmin = range.TminK;
    MixTmax = range.TmaxK;
    m_rangeValid = used == 0 || range.isValid();
    const LanguageTables &language = texts();
    if (used == 0) {
        Label10->clear();
    } else if (!m_rangeValid) {
        // Nothing can be computed until the set of components changes; the label says why.
        showMessage(language.globalText(GlobalText::RangesDoNotOverlap),
                    language.globalText(GlobalText::InformationCaption), MbOk | MbIconInformation);
        Label10->setText(language.globalText(GlobalText::RangesDoNotOverlap));
    } else if (calculationMode() == CalculationMode::BoilingPoint) {
        Label10->clear();
    } else {
        Label10->setText(temperatureRangeLabel(ComboBox1->currentText(), MixTmin, MixTmax));
    }
    updateButtons();
}

void TFlueFlueDlg::updateButtons()
{
    for (QPushButton *button : {BitBtn3, BitBtn4, BitBtn5, BitBtn1})
        button->setEnabled(canCalculate());
}

void TFlueFlueDlg::CalcMoleFractions()
{
    std::vector<long double> percents;
    std::vector<long double> molarMasses;
    std::vector<VapourPressureCoefficients> equations;
    RecordIndexes.clear();
    // Every named row counts, in grid order, so that the records stay with their percentages.
    for (int row = 1; row <= StringGrid1->usedRows(); ++row) {
        const int index = recordIndex(row);
        if (index < 0)
            continue;
        const QString &record = form().databaseList().at(index);
        // An empty percentage is 0 %; the checks have refused unreadable ones before.
        percents.push_back(StringGrid1->percent(row).value_or(0.0L));
        molarMasses.push_back(numericField(record, kFieldMolarMass));
        equations.push_back(readVapourPressureCoefficients(record));
        RecordIndexes.push_back(index);
    }
    MoleFractions = moleFractions(percents, molarMasses);
    ComponentCount = int(RecordIndexes.size());
    m_components.clear();
    for (int k = 0; k < ComponentCount; ++k)
        m_components.push_back({equations[std::size_t(k)], MoleFractions[std::size_t(k)]});
}

long double TFlueFlueDlg::CalcMixturePressure(long double temperatureK) const
{
    return mixturePressureBar(m_components, temperatureK);
}

long double TFlueFlueDlg::CalcMixtureBoilingTemperature(long double pressureBar) const
{
    const PressureAtTemperature pressureAt = [this](long double T) { return CalcMixturePressure(T); };
    return systemBoilingTemperatureInRangeK(pressureAt, MixTmin, MixTmax, pressureBar);
}

TFlueFlueDlg::Percentages TFlueFlueDlg::readPercentages() const
{
    Percentages percentages;
    for (int row = 1; row <= StringGrid1->usedRows(); ++row) {
        const std::optional<long double> percent = StringGrid1->percent(row);
        // Every number counts in the sum, also one refused below: 110 and -10 do add up, and
        // their rows are the only fault to report.
        if (percent)
            percentages.sum += *percent;
        // Negative shares or more than the whole would give mole fractions outside 0 to 1.
        if (!percent || *percent < 0.0L || *percent > 100.0L)
            percentages.badRows.push_back(row);
    }
    return percentages;
}

bool TFlueFlueDlg::checkPercentages(bool blankBeforeRow)
{
    const Percentages percentages = readPercentages();
    for (const int row : percentages.badRows) {
        showError(TextBadPercentage + (blankBeforeRow ? QStringLiteral(" ") : QString()) + QString::number(row)
                      + u'!',
                  StringGrid1);
    }
    if (std::fabs(percentages.sum - 100.0L) > kSumTolerance)
        showError(TextSumNot100, StringGrid1);
    return percentages.addUp();
}

bool TFlueFlueDlg::canCalculate() const
{
    return StringGrid1->usedRows() > 0 && m_rangeValid;
}

RangeLimits TFlueFlueDlg::temperatureLimits() const
{
    RangeLimits limits;
    limits.TminK = MixTmin;
    limits.TmaxK = MixTmax;
    return limits;
}

RangeLimits TFlueFlueDlg::updatePressureRange()
{
    CalcMoleFractions();
    MixPmin = CalcMixturePressure(MixTmin);
    MixPmax = CalcMixturePressure(MixTmax);
    showPressureRange(MixPmin, MixPmax);
    RangeLimits limits = temperatureLimits();
    limits.pminBar = MixPmin;
    limits.pmaxBar = MixPmax;
    return limits;
}

bool TFlueFlueDlg::CheckComposition()
{
    return canCalculate() && checkPercentages(true);
}

void TFlueFlueDlg::SpeedButton3Click()
{
    const LanguageTables &language = texts();
    showMessage(language.globalText(GlobalText::ModelNote1) + u'\r' + language.globalText(GlobalText::ModelNote2),
                QString(), MbOk | MbIconInformation);
}

void TFlueFlueDlg::BitBtn3Click()
{
    calculate();
}

void TFlueFlueDlg::BitBtn4Click()
{
    openTable(m_table);
}

void TFlueFlueDlg::BitBtn5Click()
{
    if (!canCalculate())
        return;
    if (!readPercentages().addUp()) {
        showError(TextRangeCheckFailed, StringGrid1);
        return;
    }
    updatePressureRange();
}
