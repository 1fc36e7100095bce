// The aqueous-solution dialog.
#include "app/windows/TWaessrigDlg.h"

#include "app/container/DataPasswords.h"
#include "app/core/NumberText.h"
#include "app/core/PressureUnits.h"
#include "app/core/RangeLimits.h"
#include "app/core/RecordFields.h"
#include "app/core/SystemRange.h"
#include "app/core/TemperatureUnits.h"
#include "app/core/WaterSaturation.h"
#include "app/data/DataFiles.h"
#include "app/data/LanguageTables.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/InputErrorBox.h"
#include "app/windows/SubstanceListBox.h"
#include "app/windows/TForm1.h"
#include "app/windows/TKonz_Bereiche_Dlg.h"
#include "app/windows/TTabelleWaessrigDlg.h"
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
#include <cmath>

namespace {

// Percentages that add up to 80 in decimal need not do so in binary.
constexpr long double kSumTolerance = 1e-9L;
constexpr long double kMostSolutesPercent = 80.0L;

} // namespace

TWaessrigDlg::TWaessrigDlg(TForm1 &form, QWidget *parent)
    : CompositionDialog(form, QStringLiteral("WaessrigDlg"), QStringLiteral("BitBtn4"), kComponentRows, parent)
{
    setWindowTitle(QStringLiteral("Wässrige Lösungen"));
    BitBtn4 = calculateButton();
    Label1->setText(QStringLiteral("Gelöster Feststoff:"));
    Label3->setText(QStringLiteral("Zusammensetzung:"));
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    BitBtn3 = addButton("BitBtn3", QStringLiteral("&Konz.bereiche"));
    BitBtn6 = addButton("BitBtn6", QStringLiteral("&Tabelle"));
    BitBtn7 = addButton("BitBtn7", QStringLiteral("&Diagramm"));
    BitBtn8 = addButton("BitBtn8", QStringLiteral("&Schließen"));
    BitBtn6->setEnabled(false);
    BitBtn7->setEnabled(false);

    QGridLayout *lists = listAndGridLayout();
    lists->addWidget(BitBtn3, 2, 2, Qt::AlignTop);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn6);
    buttons->addWidget(BitBtn7);
    buttons->addWidget(BitBtn8);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(Panel2);
    layout->addLayout(buttons);
    resize(720, 520);

    m_table = new TTabelleWaessrigDlg(form, *this, this);
    m_ranges = new TKonz_Bereiche_Dlg(form, *this, this);

    connect(ListBox1, &QWidget::customContextMenuRequested, this, &TWaessrigDlg::showSoluteInformation);
    connect(BitBtn3, &QPushButton::clicked, this, &TWaessrigDlg::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TWaessrigDlg::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TWaessrigDlg::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TWaessrigDlg::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TWaessrigDlg::openDiagram);
    connect(BitBtn8, &QPushButton::clicked, this, &QDialog::accept);
}

void TWaessrigDlg::FormShow()
{
    const LanguageTables &language = texts();
    FormTextReader reader = language.block(u"WaessrigDlg");
    setWindowTitle(reader.next(windowTitle()));
    BitBtn3->setText(reader.next(BitBtn3->text()));
    TextOnlyAt = reader.next();
    TextBadPercentage = reader.next();
    TextSumAbove80 = reader.next();
    TextOutsideRange = reader.next();
    TextRangeInfo = reader.next();
    Label1->setText(withoutAccelerator(language.globalText(GlobalText::DissolvedSolidCaption)) + u':');
    Label3->setText(withoutAccelerator(language.globalText(GlobalText::CompositionCaption)) + u':');
    applyPanelTexts();
    BitBtn6->setText(language.globalText(GlobalText::TableCaption));
    BitBtn7->setText(language.globalText(GlobalText::DiagramCaption));
    BitBtn8->setText(language.globalText(GlobalText::CloseCaption));

    AqTmin = 0;
    AqTmax = 5000;
    Label10->clear();
    loadSolutes();
    QStringList items;
    for (const AqueousSolute &solute : m_solutes)
        items << solute.itemText(language.languageLetter());
    showHeadingsAndList(items);
    updateRange();
}

void TWaessrigDlg::loadSolutes()
{
    m_solutes.clear();
    const QString password = QString::fromLatin1(DataPasswords::kAqueous);
    QStringList soluteLines;
    QStringList coefficientLines;
    // A missing or undecryptable file has been reported by the loader.
    if (!form().LoadCryptFile(kAqueousSolutesFile, password, &soluteLines)
        || !form().LoadCryptFile(kAqueousCoefficientsFile, password, &coefficientLines))
        return;
    AqueousData data = readAqueousData(soluteLines, coefficientLines, texts().languageLetter());
    if (data.fault != AqueousDataFault::None) {
        const QString &file
            = data.fault == AqueousDataFault::Solutes ? kAqueousSolutesFile : kAqueousCoefficientsFile;
        showDataFileError(texts(), DataFileError::Damaged, programFilePath(file));
        return;
    }
    m_solutes = std::move(data.solutes);
}

void TWaessrigDlg::FormClose()
{
    // The composition does not outlive the dialog; the heading is written again at the next show.
    StringGrid1->clearCells();
    m_solutes.clear();
}

const AqueousSolute *TWaessrigDlg::soluteOfRow(int row) const
{
    const QString key = StringGrid1->Cells(1, row);
    const auto found = std::find_if(m_solutes.begin(), m_solutes.end(),
                                    [&](const AqueousSolute &solute) { return solute.key == key; });
    return found == m_solutes.end() ? nullptr : &*found;
}

long double TWaessrigDlg::rowPercent(int row) const
{
    // An empty percentage counts as 0 %; the checks have refused unreadable ones before.
    return StringGrid1->percent(row).value_or(0.0L);
}

bool TWaessrigDlg::canCalculate() const
{
    return StringGrid1->usedRows() > 0 && m_rangeValid;
}

RangeLimits TWaessrigDlg::temperatureLimits() const
{
    RangeLimits limits;
    limits.TminK = AqTmin + kCelsiusOffsetK;
    limits.TmaxK = AqTmax + kCelsiusOffsetK;
    return limits;
}

long double TWaessrigDlg::fixedInputInBaseUnit() const
{
    return calculationMode() == CalculationMode::VapourPressure ? AqTmin + kCelsiusOffsetK : AqPmin;
}

long double TWaessrigDlg::modelPressureBar(long double temperatureK)
{
    CalcSoluteCoefficients(temperatureK - kCelsiusOffsetK);
    return CalcSolutionPressure(waterSaturationPressureBar(temperatureK));
}

void TWaessrigDlg::updateButtons()
{
    BitBtn4->setEnabled(canCalculate());
    BitBtn5->setEnabled(canCalculate());
    // A table or diagram of one temperature shows nothing.
    BitBtn6->setEnabled(canCalculate() && !m_singleTemperature);
    BitBtn7->setEnabled(BitBtn6->isEnabled());
}

void TWaessrigDlg::updateRange()
{
    const int used = StringGrid1->usedRows();
    AqTmin = 0;
    AqTmax = 5000;
    for (int row = 1; row <= used; ++row) {
        if (const AqueousSolute *solute = soluteOfRow(row)) {
            AqTmin = std::max(AqTmin, solute->lowerC);
            AqTmax = std::min(AqTmax, solute->upperC);
        }
    }
    m_rangeValid = AqTmin <= AqTmax;
    m_singleTemperature = used > 0 && AqTmin == AqTmax;
    // The input of a single-temperature system is the program's: the result belongs to it.
    Edit1->setReadOnly(m_singleTemperature);
    const LanguageTables &language = texts();
    const QString unit = ComboBox1->currentText();
    const bool vapourPressureMode = calculationMode() == CalculationMode::VapourPressure;
    if (used == 0) {
        Label10->clear();
    } else if (!m_rangeValid) {
        // Nothing can be computed until the set of solutes changes; the label says why.
        showMessage(language.globalText(GlobalText::RangesDoNotOverlap),
                    language.globalText(GlobalText::InformationCaption), MbOk | MbIconInformation);
        Label10->setText(language.globalText(GlobalText::RangesDoNotOverlap));
    } else if (m_singleTemperature && vapourPressureMode) {
        const long double inUnit = kelvinToTemperatureUnit(unit, AqTmin + kCelsiusOffsetK);
        QString text = QString::number(AqTmin);
        if (unit == u"K")
            text = swapDecimalSeparator(fixedText(inUnit, 2), u'.', u',', language.languageLetter()).trimmed();
        else if (unit != u"°C")
            text = QString::number(qint64(std::trunc(inUnit)));
        Edit1->setText(text);
        Label10->setText(TextOnlyAt + u' ' + text + u' ' + unit);
    } else if (m_singleTemperature) {
        // The pressure at that temperature follows from the pressure range.
        Edit1->clear();
        Label10->setText(TextOnlyAt + QStringLiteral("  "));
    } else if (vapourPressureMode) {
        Label10->setText(celsiusRangeLabel(unit, AqTmin, AqTmax));
    } else {
        Label10->clear();
    }
    updateButtons();
}

RangeLimits TWaessrigDlg::updatePressureRange()
{
    CalcMolalities();
    AqPmin = modelPressureBar(AqTmin + kCelsiusOffsetK);
    AqPmax = modelPressureBar(AqTmax + kCelsiusOffsetK);
    RangeLimits limits = temperatureLimits();
    limits.pminBar = AqPmin;
    limits.pmaxBar = AqPmax;
    if (AqPmin != AqPmax) {
        showPressureRange(AqPmin, AqPmax);
        return limits;
    }
    const QString unit = ComboBox1->currentText();
    const QString value
        = swapDecimalSeparator(fixedText(barToPressureUnit(unit, AqPmin), 2), u'.', u',', texts().languageLetter());
    Edit1->setText(value.trimmed());
    Label10->setText(TextOnlyAt + u' ' + value + u' ' + unit);
    return limits;
}

std::vector<AqueousComponent> TWaessrigDlg::rowComponents() const
{
    std::vector<AqueousComponent> components;
    for (int row = 1; row <= StringGrid1->usedRows(); ++row) {
        if (const AqueousSolute *solute = soluteOfRow(row))
            components.push_back({solute->selection, solute->group, solute->molarMassGPerMol, rowPercent(row)});
    }
    return components;
}

void TWaessrigDlg::CalcMolalities()
{
    m_components = rowComponents();
    Molality = molalities(m_components);
    SoluteCoefficient.assign(m_components.size(), 0.0L);
}

void TWaessrigDlg::CalcSoluteCoefficients(long double temperatureC)
{
    SoluteCoefficient = soluteCoefficients(m_components, Molality, temperatureC);
}

long double TWaessrigDlg::CalcSolutionPressure(long double waterPressureBar) const
{
    return solutionPressureBar(waterPressureBar, Molality, SoluteCoefficient);
}

long double TWaessrigDlg::CalcSolutionBoilingTemperature(long double pressureBar) const
{
    return solutionBoilingTemperatureK(m_components, Molality, pressureBar);
}

bool TWaessrigDlg::checkPercentages()
{
    long double sum = 0.0L;
    for (int row = 1; row <= StringGrid1->usedRows(); ++row) {
        const std::optional<long double> percent = StringGrid1->percent(row);
        if (!percent) {
            showError(TextBadPercentage + QString::number(row), StringGrid1);
            return false;
        }
        sum += *percent;
    }
    if (sum > kMostSolutesPercent + kSumTolerance) {
        showError(TextSumAbove80, StringGrid1);
        return false;
    }
    return true;
}

bool TWaessrigDlg::checkConcentrations()
{
    const std::vector<long double> inMixture = molalities(rowComponents());
    std::size_t component = 0;
    bool inside = true;
    for (int row = 1; row <= StringGrid1->usedRows(); ++row) {
        const AqueousSolute *solute = soluteOfRow(row);
        if (!solute)
            continue;
        const long double percent = rowPercent(row);
        const long double molality = inMixture[component++];
        if (percent < solute->massPercentMin || percent > solute->massPercentMax) {
            showError(TextOutsideRange + u'\r' + solute->key + u'\r' + solute->massPercentMinText
                          + QStringLiteral(" - ") + solute->massPercentMaxText + QStringLiteral(" % !"),
                      StringGrid1);
            inside = false;
            continue;
        }
        // The molality no higher than the range gives the solute alone: beyond it the coefficients
        // give numbers they were not fitted for. A percentage inside its range fails here when the
        // other solutes leave too little water, and the message must say so, not name the range.
        const long double highest = molalityAlone(solute->molarMassGPerMol, solute->massPercentMax);
        if (molality <= highest)
            continue;
        const QChar language = texts().languageLetter();
        const auto molalityText = [&](long double m) {
            return swapDecimalSeparator(fixedText(m, 2).trimmed(), u'.', u',', language) + QStringLiteral(" mol/kg");
        };
        showError(texts().globalText(GlobalText::MolalityAboveRange) + u'\r' + solute->key + u'\r'
                      + molalityText(molality) + QStringLiteral(" > ") + molalityText(highest) + QStringLiteral(" !"),
                  StringGrid1);
        inside = false;
    }
    return inside;
}

bool TWaessrigDlg::CheckComposition()
{
    return canCalculate() && !m_singleTemperature && checkPercentages() && checkConcentrations();
}

void TWaessrigDlg::showSoluteInformation()
{
    const int index = ListBox1->currentRow();
    if (index < 0 || index >= int(m_solutes.size()))
        return;
    const AqueousSolute &solute = m_solutes[std::size_t(index)];
    const LanguageTables &language = texts();
    const QString temperatures = solute.singleTemperature
        ? QString::number(solute.lowerC)
        : QString::number(solute.lowerC) + u'-' + QString::number(solute.upperC);
    const QStringList lines{
        solute.name(language.languageLetter()), TextRangeInfo,
        language.globalText(GlobalText::ConcentrationWord) + QStringLiteral(" Ma% (") + solute.massPercentMinText + u'-'
            + solute.massPercentMaxText + u')',
        withoutAccelerator(language.globalText(GlobalText::TemperatureWord)) + QStringLiteral(" °C (") + temperatures
            + u')'};
    showMessage(lines.join(QStringLiteral("\r\n")), language.globalText(GlobalText::InformationCaption),
                MbOk | MbIconInformation);
}

void TWaessrigDlg::BitBtn3Click()
{
    m_ranges->exec();
}

void TWaessrigDlg::BitBtn4Click()
{
    calculate();
}

void TWaessrigDlg::BitBtn5Click()
{
    if (canCalculate() && checkInputComposition())
        updatePressureRange();
}

void TWaessrigDlg::BitBtn6Click()
{
    openTable(m_table);
}
