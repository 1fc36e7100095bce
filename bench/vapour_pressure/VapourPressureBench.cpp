// Cost of one vapour pressure and one boiling temperature per equation code, from the record
// line (read anew on every call, as tables and diagrams call it) and from parsed coefficients;
// of the estimations from little data (Riedel, two measured points); and of a diagram curve of
// the most points a curve may have.
#include "app/core/DiagramCurves.h"
#include "app/core/DiagramPoints.h"
#include "app/core/Riedel.h"
#include "app/core/TwoPointRelation.h"
#include "app/core/VapourPressure.h"

#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <array>

namespace {

struct BenchRecord
{
    const char *name;
    QString line;
    long double temperatureK;
    long double pressureBar;
};

QString makeLine(const char *code, const char *a, const char *b, const char *c, const char *d, const char *e,
                 const char *tc = "647.096", const char *pc = "220.64")
{
    QStringList fields(24);
    fields[0] = QStringLiteral("Wasser");
    fields[1] = QStringLiteral("water");
    fields[2] = QStringLiteral("H2O");
    fields[3] = QStringLiteral("18,015");
    fields[12] = QStringLiteral("273,15");
    fields[13] = QStringLiteral("373,15");
    fields[14] = QString::fromLatin1(code);
    fields[15] = QString::fromLatin1(a);
    fields[16] = QString::fromLatin1(b);
    fields[17] = QString::fromLatin1(c);
    fields[18] = QString::fromLatin1(d);
    fields[19] = QString::fromLatin1(e);
    fields[20] = QStringLiteral("273,16");
    fields[21] = QStringLiteral("647,096");
    fields[22] = QString::fromLatin1(tc);
    fields[23] = QString::fromLatin1(pc);
    return fields.join(u'\t');
}

// Water in every form, evaluated at 330 K and inverted at 0.3 bar.
const std::array<BenchRecord, 11> &records()
{
    static const std::array<BenchRecord, 11> all{{
        {"3", makeLine("3", "11.77919641", "3885.69754", "-42.98", "", ""), 330.0L, 0.3L},
        {"1.8", makeLine("1.8", "7.11564", "1687.537", "-42.98", "", ""), 330.0L, 0.3L},
        {"2000", makeLine("2000", "7.99073698", "1687.537", "230.17", "", ""), 330.0L, 0.3L},
        {"6", makeLine("6", "-3152.19", "-7.3037", "0", "29.985", ""), 330.0L, 0.3L},
        {"1", makeLine("1", "-7.76451", "1.45838", "-2.7758", "-1.23303", "", "647.35", "221.223"), 330.0L, 0.3L},
        {"42", makeLine("42", "-7.76451", "1.45838", "-2.7758", "-1.23303", "", "647.35", "221.223"), 330.0L, 0.3L},
        {"2", makeLine("2", "62.136", "7258.2", "-7.3037", "2000", ""), 330.0L, 0.3L},
        {"4", makeLine("4", "28.985", "-3152.19", "-7.3037", "8.686", ""), 330.0L, 0.3L},
        {"5", makeLine("5", "73.649", "-7258.2", "-7.3037", "1e-17", ""), 330.0L, 0.3L},
        {"101", makeLine("101", "73.649", "-7258.2", "-7.3037", "4.1653e-06", "2"), 330.0L, 0.3L},
        {"999", makeLine("999", "", "", "", "", ""), 330.0L, 0.3L},
    }};
    return all;
}

void pressureFromLine(benchmark::State &state)
{
    const BenchRecord &r = records()[std::size_t(state.range(0))];
    state.SetLabel(r.name);
    for (auto _ : state)
        benchmark::DoNotOptimize(calcRecordPressure(r.line, r.temperatureK));
}

void pressureFromCoefficients(benchmark::State &state)
{
    const BenchRecord &r = records()[std::size_t(state.range(0))];
    const VapourPressureCoefficients c = readVapourPressureCoefficients(r.line);
    state.SetLabel(r.name);
    for (auto _ : state)
        benchmark::DoNotOptimize(vapourPressureBar(c, r.temperatureK));
}

void boilingFromLine(benchmark::State &state)
{
    const BenchRecord &r = records()[std::size_t(state.range(0))];
    state.SetLabel(r.name);
    for (auto _ : state)
        benchmark::DoNotOptimize(calcRecordBoilingTemperature(r.line, r.pressureBar));
}

void boilingFromCoefficients(benchmark::State &state)
{
    const BenchRecord &r = records()[std::size_t(state.range(0))];
    const VapourPressureCoefficients c = readVapourPressureCoefficients(r.line);
    state.SetLabel(r.name);
    for (auto _ : state)
        benchmark::DoNotOptimize(boilingTemperatureK(c, r.pressureBar));
}

void readCoefficients(benchmark::State &state)
{
    const BenchRecord &r = records()[0];
    for (auto _ : state)
        benchmark::DoNotOptimize(readVapourPressureCoefficients(r.line));
}

// Water from Tb, Tc and Pc; the temperature iterates from the straight log p line.
void riedelPressure(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(riedelPressureBar(373.15L, 647.1L, 220.64L, 330.0L));
}

void riedelTemperature(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(riedelTemperatureK(373.15L, 647.1L, 220.64L, 0.3L));
}

// Water from (1 atm, 373.15 K) and (0.1 bar, 318.95 K): the constants and one value, as a click computes them.
void twoPointPressure(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(twoPointPressureBar(twoPointRelation(373.15L, 1.01325L, 318.95L, 0.1L), 330.0L));
}

void twoPointTemperature(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(twoPointTemperatureK(twoPointRelation(373.15L, 1.01325L, 318.95L, 0.1L), 0.3L));
}

// A curve over water's range (273.16 to 647.096 K), °C and mbar, as the diagram window builds it.
void diagramCurve(benchmark::State &state)
{
    const BenchRecord &r = records()[std::size_t(state.range(0))];
    const DiagramUnits units{QStringLiteral("°C"), QStringLiteral("mbar")};
    state.SetLabel(r.name);
    for (auto _ : state)
        benchmark::DoNotOptimize(substanceCurve(r.line, 273.16L, 647.096L, kMaxDiagramPoints, units));
    state.SetItemsProcessed(state.iterations() * kMaxDiagramPoints);
}

} // namespace

BENCHMARK(pressureFromLine)->DenseRange(0, 10);
BENCHMARK(pressureFromCoefficients)->DenseRange(0, 10);
BENCHMARK(boilingFromLine)->DenseRange(0, 10);
BENCHMARK(boilingFromCoefficients)->DenseRange(0, 10);
BENCHMARK(readCoefficients);
BENCHMARK(riedelPressure);
BENCHMARK(riedelTemperature);
BENCHMARK(twoPointPressure);
BENCHMARK(twoPointTemperature);
// Equation codes "3", "101" and "999".
BENCHMARK(diagramCurve)->Arg(0)->Arg(9)->Arg(10)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
