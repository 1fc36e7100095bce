// Speed of the value tables: a 10 001-row tenth-step boiling table of the iterated equation
// "101" (DIPPR 101 for water), its vapour-pressure counterpart, and printing it into a PDF.
#include "app/core/TableLayout.h"
#include "app/core/TableRows.h"
#include "app/core/VapourPressure.h"
#include "app/print/TXPrint.h"

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

void BM_BoilingTableTenthSteps101(benchmark::State &state)
{
    for (auto _ : state) {
        TableRows table = boilingTable();
        benchmark::DoNotOptimize(table.rows.data());
        if (table.rows.size() != 10001 || table.failedAt)
            state.SkipWithError("the table is not complete");
    }
    state.SetItemsProcessed(state.iterations() * 10001);
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

void BM_PrintTableToPdf(benchmark::State &state)
{
    const QStringList rows = boilingTable().rows;
    QTemporaryDir dir;
    const TableHeaderTexts header{QStringLiteral("Korvex Tensimo 3.0 - Tabellenausdruck"), {}, {},
                                  QStringLiteral("Alle Ergebnisse sind ohne Gewähr."),
                                  QStringLiteral("Wasser (mbar / °C)")};
    int pages = 0;
    for (auto _ : state) {
        TXPrint print;
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
