// Speed of the value tables: a 10 001-row tenth-step boiling table of the iterated equation
// "101" (DIPPR 101 for water), its vapour-pressure counterpart, printing it into a PDF; the
// boiling and vapour-pressure tables of a 14-component liquid mixture and the boiling table of
// water with three salts, 10 001 rows each.
#include "app/core/AqueousSolution.h"
#include "app/core/RaoultMixture.h"
#include "app/core/SystemBoiling.h"
#include "app/core/TableLayout.h"
#include "app/core/TableRows.h"
#include "app/core/VapourPressure.h"
#include "app/print/TXPrint.h"
#include "platform/PrinterService.h"

#include <QApplication>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// DIPPR 101 water, p in Pa: ln p = A + B/T + C ln T + D T^E.
QString dippr101Water()
{
    QStringList fields(24);
    fields[4] = QStringLiteral("Wasser");
    fields[12] = QStringLiteral("273,15");
    fields[13] = QStringLiteral("373,15");
    fields[14] = QStringLiteral("101");
    fields[15] = QStringLiteral("73,649");
    fields[16] = QStringLiteral("-7258,2");
    fields[17] = QStringLiteral("-7,3037");
    fields[18] = QStringLiteral("4,1653e-06");
    fields[19] = QStringLiteral("2");
    fields[20] = QStringLiteral("273,16");
    fields[21] = QStringLiteral("647,096");
    fields[22] = QStringLiteral("647,096");
    fields[23] = QStringLiteral("220,64");
    return fields.join(u'\t');
}

// 1 to 1001 mbar in tenths: 10 001 rows.
constexpr StepRange kMillibarRange{1, 1001};
const RowFormat kTenthSteps{true, false, u'D', u'.'};

TableRows boilingTable()
{
    const VapourPressureCoefficients c = readVapourPressureCoefficients(dippr101Water());
    return buildPressureRows(kMillibarRange, QStringLiteral("mbar"), QStringLiteral("°C"),
                             [&c](long double p) { return boilingTemperatureK(c, p); }, kTenthSteps);
}

// Builds a 10 001-row table per iteration; a table that stops early is an error, not a figure.
template <typename BuildTable>
void measureTable(benchmark::State &state, BuildTable buildTable)
{
    for (auto _ : state) {
        TableRows table = buildTable();
        benchmark::DoNotOptimize(table.rows.data());
        if (table.rows.size() != 10001 || table.failedAt)
            state.SkipWithError("the table is not complete");
    }
    state.SetItemsProcessed(state.iterations() * 10001);
}

void BM_BoilingTableTenthSteps101(benchmark::State &state)
{
    measureTable(state, boilingTable);
}
BENCHMARK(BM_BoilingTableTenthSteps101)->Unit(benchmark::kMillisecond);

void BM_VapourPressureTableTenthSteps101(benchmark::State &state)
{
    const VapourPressureCoefficients c = readVapourPressureCoefficients(dippr101Water());
    // 0 to 1000 °C would leave the equation's range; 1 to 1001 K in tenths is the same count.
    for (auto _ : state) {
        TableRows table = buildTemperatureRows({1, 1001}, QStringLiteral("K"), QStringLiteral("bar"),
                                               [&c](long double T) { return vapourPressureBar(c, T); },
                                               kTenthSteps);
        benchmark::DoNotOptimize(table.rows.data());
    }
    state.SetItemsProcessed(state.iterations() * 10001);
}
BENCHMARK(BM_VapourPressureTableTenthSteps101)->Unit(benchmark::kMillisecond);

// 14 Antoine liquids (log10 Torr, °C) between water and ethanol, in equal mass shares.
std::vector<MixtureComponent> fourteenComponents()
{
    std::vector<long double> percents;
    std::vector<long double> molarMasses;
    std::vector<VapourPressureCoefficients> equations;
    for (int i = 0; i < 14; ++i) {
        const long double share = i / 13.0L;
        VapourPressureCoefficients c;
        c.code = EquationCode::AntoineLog10TorrCelsius;
        c.A = 8.07131L + share * (8.20417L - 8.07131L);
        c.B = 1730.63L + share * (1642.89L - 1730.63L);
        c.C = 233.426L + share * (230.300L - 233.426L);
        equations.push_back(c);
        percents.push_back(100.0L / 14);
        molarMasses.push_back(18.015L + share * (46.07L - 18.015L));
    }
    const std::vector<long double> x = moleFractions(percents, molarMasses);
    std::vector<MixtureComponent> components;
    for (std::size_t i = 0; i < x.size(); ++i)
        components.push_back({equations[i], x[i]});
    return components;
}

constexpr long double kMixtureTminK = 274.0L;
constexpr long double kMixtureTmaxK = 370.0L;
// 10 to 1010 mbar in tenths: 10 001 rows.
constexpr StepRange kBoilingRange{10, 1010};

void BM_MixtureBoilingTableTenthSteps(benchmark::State &state)
{
    const std::vector<MixtureComponent> mixture = fourteenComponents();
    const PressureAtTemperature pressureAt = [&](long double T) { return mixturePressureBar(mixture, T); };
    const TemperatureAtPressure boilingAt = [&](long double p) {
        return systemBoilingTemperatureInRangeK(pressureAt, kMixtureTminK, kMixtureTmaxK, p);
    };
    measureTable(state, [&] {
        return buildPressureRows(kBoilingRange, QStringLiteral("mbar"), QStringLiteral("°C"), boilingAt, kTenthSteps);
    });
}
BENCHMARK(BM_MixtureBoilingTableTenthSteps)->Unit(benchmark::kMillisecond);

void BM_MixtureVapourPressureTableTenthSteps(benchmark::State &state)
{
    const std::vector<MixtureComponent> mixture = fourteenComponents();
    const PressureAtTemperature pressureAt = [&](long double T) { return mixturePressureBar(mixture, T); };
    // 0 to 1000 °C in tenths: 10 001 rows.
    measureTable(state, [&] {
        return buildTemperatureRows({0, 1000}, QStringLiteral("°C"), QStringLiteral("mbar"), pressureAt, kTenthSteps);
    });
}
BENCHMARK(BM_MixtureVapourPressureTableTenthSteps)->Unit(benchmark::kMillisecond);

AqueousComponent salt(long double molarMass, long double massPercent, std::array<long double, 6> c)
{
    CoefficientLine line;
    line.c = c;
    return {CoefficientSelection::Single, {line}, molarMass, massPercent};
}

void BM_AqueousBoilingTableTenthSteps(benchmark::State &state)
{
    // 10 % NaCl, 5 % KCl, 5 % CaCl2 with the shipped coefficients.
    const std::vector<AqueousComponent> solution{
        salt(58.440L, 10.0L, {-1.24201875e-02L, -2.58171435e-05L, -1.19354910e-03L, 1.26664173e-07L, 2.69434471e-06L,
                              4.38082998e-09L}),
        salt(74.548L, 5.0L, {-1.35146805e-02L, -5.92956510e-06L, -2.45212078e-04L, 5.06470834e-08L, -4.16973848e-06L,
                             2.28991870e-08L}),
        salt(110.978L, 5.0L, {-1.50396450e-02L, -5.53201192e-06L, -9.35415259e-03L, 2.07544406e-08L, 1.97658561e-05L,
                              6.33863903e-08L})};
    const std::vector<long double> m = molalities(solution);
    const TemperatureAtPressure boilingAt = [&](long double p) { return solutionBoilingTemperatureK(solution, m, p); };
    measureTable(state, [&] {
        return buildPressureRows(kBoilingRange, QStringLiteral("mbar"), QStringLiteral("°C"), boilingAt, kTenthSteps);
    });
}
BENCHMARK(BM_AqueousBoilingTableTenthSteps)->Unit(benchmark::kMillisecond);

void BM_PrintTableToPdf(benchmark::State &state)
{
    const QStringList rows = boilingTable().rows;
    QTemporaryDir dir;
    const TableHeaderTexts header{QStringLiteral("Korvex Tensimo 3.0 - Tabellenausdruck"), {}, {},
                                  QStringLiteral("Alle Ergebnisse sind ohne Gewähr."),
                                  QStringLiteral("Wasser (mbar / °C)")};
    int pages = 0;
    for (auto _ : state) {
        TXPrint print(PrinterService::instance());
        print.printer().setOutputFormat(QPrinter::PdfFormat);
        print.printer().setOutputFileName(dir.filePath(QStringLiteral("table.pdf")));
        print.SetScaling(TScaling::pscMetric10);
        print.MarginLeft = 200;
        print.MarginRight = 200;
        print.MarginTop = 150;
        print.MarginBottom = 150;
        if (!print.BeginDoc()) {
            state.SkipWithError("no PDF job");
            break;
        }
        pages = layOutTable(print, rows, TableHeaderKind::PureSubstance, header);
        print.EndDoc();
    }
    state.counters["pages"] = pages;
    state.SetItemsProcessed(state.iterations() * rows.size());
}
BENCHMARK(BM_PrintTableToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Fonts and the PDF printer need a GUI application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
