// The table window of an aqueous solution.
#include "app/windows/TTabelleWaessrigDlg.h"

#include "app/core/TemperatureUnits.h"
#include "app/core/WaterSaturation.h"
#include "app/data/LanguageTables.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/TWaessrigDlg.h"

#include <QCheckBox>
#include <QLabel>

TTabelleWaessrigDlg::TTabelleWaessrigDlg(TForm1 &form, TWaessrigDlg &solution, QWidget *parent)
    : CompositionTableDialog(form, QStringLiteral("TabelleWaessrigDlg"), TWaessrigDlg::kComponentRows, parent)
    , m_solution(solution)
{
}

void TTabelleWaessrigDlg::applyTexts()
{
    FormTextReader reader = texts().block(u"TabelleWaessrigDlg");
    Label3->setText(reader.next() + u':');
    CheckBox1->setText(reader.next(CheckBox1->text()));
    reader.next(); // a line the window does not use
    m_notePrefix = reader.next();
    readQuestions(reader, true);
    m_temperatureHeading = reader.next();
    m_printHeading = reader.next();
}

ValueTableDialog::TableSystem TTabelleWaessrigDlg::prepareSystem()
{
    copyComposition(*m_solution.StringGrid1);
    m_solution.CalcMolalities();
    const auto pressureAt = [this](long double temperatureK) {
        m_solution.CalcSoluteCoefficients(temperatureK - kCelsiusOffsetK);
        return m_solution.CalcSolutionPressure(waterSaturationPressureBar(temperatureK));
    };
    TableSystem system;
    system.available = m_solution.StringGrid1->usedRows() > 0;
    system.limits.TminK = m_solution.AqTmin + kCelsiusOffsetK;
    system.limits.TmaxK = m_solution.AqTmax + kCelsiusOffsetK;
    system.limits.pminBar = pressureAt(system.limits.TminK);
    system.limits.pmaxBar = pressureAt(system.limits.TmaxK);
    system.model.pressureBarAt = pressureAt;
    system.model.temperatureKAt = [this](long double p) { return m_solution.CalcSolutionBoilingTemperature(p); };
    return system;
}

std::optional<StepRange> TTabelleWaessrigDlg::temperatureSteps(const QString &unit) const
{
    // The solutes' ranges are whole degrees Celsius: both ends are rows.
    if (unit == u"°C")
        return StepRange{m_solution.AqTmin, m_solution.AqTmax};
    return ValueTableDialog::temperatureSteps(unit);
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
