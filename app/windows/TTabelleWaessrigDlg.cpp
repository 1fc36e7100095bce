// The table window of an aqueous solution.
#include "app/windows/TTabelleWaessrigDlg.h"

#include "app/core/TemperatureUnits.h"
#include "app/core/WaterSaturation.h"
#include "app/data/LanguageTables.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/TWaessrigDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kGridWidth = 300;
constexpr long double kCelsiusOffsetK = 273.15L;

} // namespace

TTabelleWaessrigDlg::TTabelleWaessrigDlg(TForm1 &form, TWaessrigDlg &solution, QWidget *parent)
    : ValueTableDialog(form, QStringLiteral("TabelleWaessrigDlg"), parent)
    , m_solution(solution)
{
    Label3 = new QLabel(Bevel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    StringGrid1 = new CompositionGrid(TWaessrigDlg::kComponentRows, Bevel1);
    StringGrid1->setColumnWidths(kGridWidth);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label4 = new QLabel(Bevel1);
    Label4->setObjectName(QStringLiteral("Label4"));
    systemArea()->addWidget(Label3);
    systemArea()->addWidget(StringGrid1);
    noteArea()->addWidget(Label4);
    resize(400, 640);
}

void TTabelleWaessrigDlg::applyTexts()
{
    FormTextReader reader = texts().block(u"TabelleWaessrigDlg");
    Label3->setText(reader.next() + u':');
    CheckBox1->setText(reader.next(CheckBox1->text()));
    reader.next(); // a line the window does not use
    m_notePrefix = reader.next();
    m_questions.size1 = reader.next();
    m_questions.size2 = reader.next();
    m_questions.size3 = reader.next();
    m_questions.print = reader.next();
    m_questions.blankBeforePageCount = true;
    m_temperatureHeading = reader.next();
    m_printHeading = reader.next();
}

ValueTableDialog::TableSystem TTabelleWaessrigDlg::prepareSystem()
{
    StringGrid1->copyFrom(*m_solution.StringGrid1);
    Label4->clear();
    TWaessrigDlg &solution = m_solution;
    solution.CalcMolalities();
    const auto pressureAt = [&solution](long double temperatureK) {
        solution.CalcSoluteCoefficients(temperatureK - kCelsiusOffsetK);
        return solution.CalcSolutionPressure(waterSaturationPressureBar(temperatureK));
    };
    TableSystem system;
    system.available = solution.StringGrid1->usedRows() > 0;
    system.limits.TminK = solution.AqTmin + kCelsiusOffsetK;
    system.limits.TmaxK = solution.AqTmax + kCelsiusOffsetK;
    system.limits.pminBar = pressureAt(system.limits.TminK);
    system.limits.pmaxBar = pressureAt(system.limits.TmaxK);
    system.model.pressureBarAt = pressureAt;
    system.model.temperatureKAt = [&solution](long double p) { return solution.CalcSolutionBoilingTemperature(p); };
    return system;
}

std::optional<StepRange> TTabelleWaessrigDlg::temperatureSteps(const QString &unit) const
{
    // The solutes' ranges are whole degrees Celsius: both ends are rows.
    if (unit == u"°C")
        return StepRange{m_solution.AqTmin, m_solution.AqTmax};
    return ValueTableDialog::temperatureSteps(unit);
}

void TTabelleWaessrigDlg::rowsBuilt()
{
    const QString value = normalBoilingText();
    if (value.isEmpty()) {
        Label4->clear();
        return;
    }
    const QString separator = mode() == CalculationMode::VapourPressure ? QStringLiteral(" ") : QStringLiteral(" in ");
    Label4->setText(m_notePrefix + separator + temperatureUnit() + QStringLiteral(": ") + value);
}

ValueTableDialog::PrintTexts TTabelleWaessrigDlg::printTexts() const
{
    const LanguageTables &language = texts();
    PrintTexts print;
    print.kind = TableHeaderKind::Mixture;
    print.s4 = m_printHeading + unitsText();
    print.s3 = StringGrid1->compositionLine();
    print.s2 = language.globalText(GlobalText::DisclaimerPart1) + u' ' + language.globalText(GlobalText::DisclaimerPart2);
    return print;
}

QString TTabelleWaessrigDlg::noticeText() const
{
    return texts().globalText(GlobalText::ModelNote1);
}
