// What the diagram window shows.
#include "app/diagram/DiagramContent.h"

#include "app/core/DiagramPoints.h"
#include "app/data/LanguageTables.h"
#include "app/data/ProgramInfo.h"
#include "app/windows/CompositionGrid.h"
#include "app/windows/TFestFlueDlg.h"
#include "app/windows/TFlueFlueDlg.h"
#include "app/windows/TForm1.h"
#include "app/windows/TWaessrigDlg.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr int kSystemTitleSize = 8; // points; substances keep the content's 10
constexpr int kComponentsPerTitleLine = 3;

// The points go to the chart as doubles; boiling points put the temperatures on the left axis.
DiagramSeries toSeries(const QString &title, const DiagramCurve &curve, CalculationMode mode)
{
    DiagramSeries series{title, {}, {}};
    const bool vapourPressure = mode == CalculationMode::VapourPressure;
    for (std::size_t j = 0; j < curve.temperatures.size(); ++j) {
        const double temperature = double(curve.temperatures[j]);
        const double pressure = double(curve.pressures[j]);
        series.x.push_back(vapourPressure ? temperature : pressure);
        series.y.push_back(vapourPressure ? pressure : temperature);
    }
    return series;
}

// Captions, unit headings and axis titles by the mode.
void setTitles(DiagramContent &content, const LanguageTables &texts, const DiagramUnits &units)
{
    const auto word = [&texts](GlobalText text) { return withoutAccelerator(texts.globalText(text)); };
    const QString in = QStringLiteral(" in ");
    if (content.mode == CalculationMode::VapourPressure) {
        content.label1 = word(GlobalText::TemperatureWord);
        content.label2 = word(GlobalText::VapourPressureWord);
        content.caption = texts.globalText(GlobalText::VapourPressureDiagramCaption);
        content.bottomAxisTitle = word(GlobalText::TemperatureWord) + in + units.temperature;
        content.leftAxisTitle = word(GlobalText::VapourPressureWord) + in + units.pressure;
    } else {
        content.label1 = word(GlobalText::PressureWord);
        content.label2 = word(GlobalText::TemperatureWord);
        content.caption = texts.globalText(GlobalText::BoilingPointDiagramCaption);
        content.bottomAxisTitle = word(GlobalText::PressureWord) + in + units.pressure;
        content.leftAxisTitle = word(GlobalText::BoilingPointWord) + in + units.temperature;
    }
}

// Three components a line, each "name percentage Ma.%", joined by "; ". The list ends at the
// first row without a name or at the end of the grid.
QStringList compositionLines(const CompositionGrid &grid)
{
    QStringList lines;
    for (int row = 1; row < grid.RowCount() && grid.isUsed(row); row += kComponentsPerTitleLine) {
        QStringList components;
        for (int r = row; r < row + kComponentsPerTitleLine && r < grid.RowCount(); ++r) {
            if (grid.isUsed(r))
                components.append(grid.Cells(CompositionGrid::kNameColumn, r) + u' '
                                  + grid.Cells(CompositionGrid::kPercentColumn, r) + QStringLiteral(" Ma.%"));
        }
        lines.append(components.join(QStringLiteral("; ")));
    }
    return lines;
}

QString firstField(const QString &text)
{
    return text.section(u'\t', 0, 0);
}

void drawSubstances(DiagramContent &content, const DiagramHost &host, const QStringList &media,
                    const DiagramUnits &units, int count)
{
    const TForm1 &form = host.form();
    for (const QString &line : media) {
        if (!host.selectSubstance(line))
            continue;
        const RangeLimits &range = form.range();
        const DiagramCurve curve = substanceCurve(form.currentRecord(), range.TminK, range.TmaxK, count, units);
        content.series.push_back(toSeries(form.Label5->text(), curve, content.mode));
    }
    content.footLines = {host.texts().globalText(GlobalText::DiagramFoot1) + u' '
                         + host.texts().globalText(GlobalText::DiagramFoot2)};
}

void drawLiquidMixture(DiagramContent &content, const DiagramHost &host, const DiagramUnits &units, int count)
{
    TFlueFlueDlg &mixture = host.liquidMixture();
    mixture.CalcMoleFractions();
    const DiagramCurve curve = temperatureCurve(
        [&mixture](long double temperatureK) { return mixture.CalcMixturePressure(temperatureK); }, mixture.MixTmin,
        mixture.MixTmax, count, units);
    content.series.push_back(toSeries(QString(), curve, content.mode));
    content.titleLines.append(compositionLines(*mixture.StringGrid1));
    // The chart draws a foot's first line lowest: the sentence's second half goes first.
    content.footLines = {host.texts().globalText(GlobalText::DiagramFoot4),
                         host.texts().globalText(GlobalText::DiagramFoot3)};
}

void drawSolidSolution(DiagramContent &content, const DiagramHost &host, const DiagramUnits &units, int count)
{
    TFestFlueDlg &solution = host.solidSolution();
    solution.CalcSolventMoleFraction();
    const DiagramCurve curve = temperatureCurve(
        [&solution](long double temperatureK) { return solution.CalcSolutionPressure(temperatureK); },
        solution.MixTmin, solution.MixTmax, count, units);
    content.series.push_back(toSeries(QString(), curve, content.mode));
    content.titleLines.append(firstField(solution.Label8->text()) + u' ' + solution.Edit3->text()
                              + QStringLiteral(" Ma.% ") + host.texts().globalText(GlobalText::DissolvedWord)
                              + QStringLiteral(" in ") + firstField(solution.Label6->text()));
    content.footLines = {host.texts().globalText(GlobalText::DiagramFoot3) + u' '
                         + host.texts().globalText(GlobalText::DiagramFoot4)};
}

void drawAqueousSolution(DiagramContent &content, const DiagramHost &host, const DiagramUnits &units, int count)
{
    TWaessrigDlg &solution = host.aqueousSolution();
    solution.CalcMolalities();
    const AqueousCurveModel model{
        [&solution](long double temperatureC) { solution.CalcSoluteCoefficients(temperatureC); },
        [&solution](long double waterPressureBar) { return solution.CalcSolutionPressure(waterPressureBar); }};
    content.series.push_back(toSeries(QString(), aqueousCurve(model, solution.AqTmin, solution.AqTmax, count, units),
                                      content.mode));
    // The dialog's own grid: the table window holds a copy only from its last showing.
    content.titleLines.append(compositionLines(*solution.StringGrid1));
    content.footLines = {host.texts().globalText(GlobalText::DiagramFoot1) + u' '
                         + host.texts().globalText(GlobalText::DiagramFoot2)};
}

} // namespace

DiagramUnits diagramUnits(CalculationMode mode, const QString &list1Unit, const QString &list2Unit)
{
    if (mode == CalculationMode::VapourPressure)
        return {list1Unit, list2Unit};
    return {list2Unit, list1Unit};
}

DiagramContent buildDiagram(const DiagramHost &host, const QStringList &media, const DiagramUnits &units, int count)
{
    count = std::clamp(count, kMinDiagramPoints, kMaxDiagramPoints);
    DiagramContent content;
    content.system = host.visibleSystem();
    content.mode = host.mode();
    setTitles(content, host.texts(), units);
    content.titleLines = {programTitle() + QStringLiteral(" - ") + host.texts().globalText(GlobalText::DiagramSubtitle)};
    if (content.system != DiagramSystem::Substances) {
        // One curve of a mixture or solution needs no legend, and its composition takes more lines.
        content.titleFontSize = kSystemTitleSize;
        content.legendVisible = false;
    }
    switch (content.system) {
    case DiagramSystem::Substances:
        drawSubstances(content, host, media, units, count);
        break;
    case DiagramSystem::LiquidMixture:
        drawLiquidMixture(content, host, units, count);
        break;
    case DiagramSystem::AqueousSolution:
        drawAqueousSolution(content, host, units, count);
        break;
    case DiagramSystem::SolidSolution:
        drawSolidSolution(content, host, units, count);
        break;
    }
    return content;
}
