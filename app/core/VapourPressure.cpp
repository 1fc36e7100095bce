// Vapour pressure and boiling temperature of a substance from the equation of its record.
#include "app/core/VapourPressure.h"

#include "app/core/InterpolateLogPressure.h"
#include "app/core/KollarProszt.h"
#include "app/core/Power.h"
#include "app/core/PressureUnits.h"
#include "app/core/RecordFields.h"
#include "app/core/RootIteration.h"
#include "app/core/WaterSaturation.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kTorrPerBar = 750.062L; // as the "2000" records were fitted
// Above this fraction of Tc the Wagner forms return Pc; above this fraction of Pc their
// inverse returns Tc.
constexpr long double kWagnerTemperatureLimit = 0.999L;
constexpr long double kWagnerPressureLimit = 0.9999999L;

struct CodeText
{
    QStringView text;
    EquationCode code;
};

constexpr std::array<CodeText, 11> kCodeTexts{{
    {u"3", EquationCode::AntoineLnBar},
    {u"1.8", EquationCode::AntoineLog10KPa},
    {u"6", EquationCode::Log10Millibar},
    {u"2000", EquationCode::AntoineLog10TorrCelsius},
    {u"1", EquationCode::WagnerLnTau},
    {u"2", EquationCode::ImplicitLnBar},
    {u"4", EquationCode::ImplicitLog10KPa},
    {u"5", EquationCode::LnPascalT6},
    {u"101", EquationCode::Dippr101},
    {u"999", EquationCode::Water},
    {u"42", EquationCode::WagnerVdi},
}};

long double finiteOrNaN(long double x)
{
    return std::isfinite(x) ? x : kNaN;
}

// Wagner sum with powers formed from ln tau, as code "1" defines it. tau^3 and tau^6 are
// squares of exp(1.5 ln tau): the same powers for a third of the exponentials, which
// dominate the cost of the boiling-temperature iteration.
long double wagnerLnTauSum(const VapourPressureCoefficients &c, long double tau)
{
    const long double tau15 = std::exp(1.5L * std::log(tau));
    const long double tau3 = tau15 * tau15;
    return c.A * tau + c.B * tau15 + c.C * tau3 + c.D * tau3 * tau3;
}

// The same sum with a general power function, as code "42" defines it.
long double wagnerVdiSum(const VapourPressureCoefficients &c, long double oneMinusTr)
{
    // What the general power function does with these exponents, without testing them.
    const long double cube = integerPower(oneMinusTr, 3);
    return c.A * oneMinusTr + c.B * fractionalPower(oneMinusTr, 1.5L) + c.C * cube + c.D * cube * cube;
}

long double wagnerLimitedTemperature(const VapourPressureCoefficients &c, long double temperatureK)
{
    return temperatureK > kWagnerTemperatureLimit * c.Tc ? c.Tc : temperatureK;
}

// The implicit forms are solved for the logarithm of the pressure: an absolute tolerance of
// 1e-8 bar (or kPa) on the pressure itself left results below 1e-7 bar off by a factor of 3.
long double implicitPressure(const VapourPressureCoefficients &c, long double T)
{
    const long double start = estimateKollarProszt(c.Tb, T);
    if (c.code == EquationCode::ImplicitLnBar) {
        // u = ln(p / bar)
        const auto residual = [&](long double u) {
            return c.A - c.B / T + c.C * std::log(T) + c.D * std::exp(u) / (T * T) - u;
        };
        return std::exp(solveByForwardNewton(residual, std::log(start)));
    }
    // v = log10(P / kPa), P = 100 p
    const auto residual = [&](long double v) {
        return c.A + c.B / T + c.C * std::log10(T) + c.D * powerOfTen(v) / (T * T) - v;
    };
    return powerOfTen(solveByForwardNewton(residual, std::log10(100.0L * start))) / 100.0L;
}

long double rawVapourPressure(const VapourPressureCoefficients &c, long double T)
{
    switch (c.code) {
    case EquationCode::AntoineLnBar:
        return std::exp(c.A - c.B / (c.C + T));
    case EquationCode::AntoineLog10KPa:
        return powerOfTen(c.A - c.B / (c.C + T)) / 100.0L;
    case EquationCode::Log10Millibar:
        return powerOfTen(c.A / T + c.B * std::log10(T) + c.C * T + c.D) / 1000.0L;
    case EquationCode::AntoineLog10TorrCelsius:
        return powerOfTen(c.A - c.B / (c.C + (T - 273.15L))) / kTorrPerBar;
    case EquationCode::WagnerLnTau: {
        const long double limited = wagnerLimitedTemperature(c, T);
        const long double tau = 1.0L - limited / c.Tc;
        if (tau == 0.0L)
            return c.Pc;
        return c.Pc * std::exp(c.Tc / limited * wagnerLnTauSum(c, tau));
    }
    case EquationCode::WagnerVdi: {
        const long double limited = wagnerLimitedTemperature(c, T);
        const long double Tr = limited / c.Tc;
        if (Tr == 1.0L)
            return c.Pc;
        return c.Pc * std::exp(wagnerVdiSum(c, 1.0L - Tr) / Tr);
    }
    case EquationCode::ImplicitLnBar:
    case EquationCode::ImplicitLog10KPa:
        return implicitPressure(c, T);
    case EquationCode::LnPascalT6:
        return std::exp(c.A + c.B / T + c.C * std::log(T) + c.D * integerPower(T, 6)) / 100000.0L;
    case EquationCode::Dippr101:
        return std::exp(c.A + c.B / T + c.C * std::log(T) + c.D * power(T, c.E)) / 100000.0L;
    case EquationCode::Water:
        return waterSaturationPressureBar(T);
    case EquationCode::Unknown:
        break;
    }
    return kNaN;
}

// Start of the iterations that climb from the normal boiling point: the log-pressure line
// through (Tb, 1 atm) and (Tc, Pc), never below Tb. Without usable critical data the line
// gives no number; Tb is then the start as well.
long double startFromBoilingPoint(const VapourPressureCoefficients &c, long double p)
{
    const long double start = interpolateLogPressure(p, c.Tb, kNormalPressureBar, c.Tc, c.Pc);
    return std::isfinite(start) && start >= c.Tb ? start : c.Tb;
}

long double rawBoilingTemperature(const VapourPressureCoefficients &c, long double p)
{
    const RootDomain positive{0.0L};
    // ln tau is undefined above Tc: the iterate is kept below it.
    const RootDomain belowCritical{0.0L, c.Tc};
    switch (c.code) {
    case EquationCode::AntoineLnBar:
        return c.B / (c.A - std::log(p)) - c.C;
    case EquationCode::AntoineLog10KPa:
        return c.B / (c.A - std::log10(100.0L * p)) - c.C;
    case EquationCode::AntoineLog10TorrCelsius:
        return c.B / (c.A - std::log10(kTorrPerBar * p)) - c.C + 273.15L;
    case EquationCode::Log10Millibar: {
        const auto residual = [&](long double T) {
            return c.A / T + c.B * std::log10(T) + c.C * T + c.D - std::log10(1000.0L * p);
        };
        // Records without a melting point used to start from nowhere; the lower end of
        // the equation's range is the next known point on the curve.
        const long double Tlow = std::isfinite(c.Tm) && c.Tm > 0.0L ? c.Tm : c.Tmin;
        const long double pLow = vapourPressureBar(c, Tlow);
        return solveByForwardNewton(residual, interpolateLogPressure(p, Tlow, pLow, c.Tb, kNormalPressureBar), positive);
    }
    case EquationCode::WagnerLnTau: {
        if (p > kWagnerPressureLimit * c.Pc)
            return c.Tc;
        const long double lnRatio = std::log(p / c.Pc);
        const auto residual = [&](long double T) { return c.Tc / T * wagnerLnTauSum(c, 1.0L - T / c.Tc) - lnRatio; };
        return solveByForwardNewton(residual, c.Tb, belowCritical);
    }
    case EquationCode::ImplicitLnBar: {
        const auto residual = [&](long double T) {
            return c.A - c.B / T + c.C * std::log(T) + c.D * p / (T * T) - std::log(p);
        };
        return solveByForwardNewton(residual, startFromBoilingPoint(c, p), positive);
    }
    case EquationCode::ImplicitLog10KPa: {
        const auto residual = [&](long double T) {
            return c.A + c.B / T + c.C * std::log10(T) + 100.0L * c.D * p / (T * T) - std::log10(100.0L * p);
        };
        return solveByForwardNewton(residual, startFromBoilingPoint(c, p), positive);
    }
    case EquationCode::LnPascalT6: {
        const auto residual = [&](long double T) {
            return std::exp(c.A + c.B / T + c.C * std::log(T) + c.D * integerPower(T, 6)) - 100000.0L * p;
        };
        return solveByForwardNewton(residual, startFromBoilingPoint(c, p), positive);
    }
    case EquationCode::Dippr101: {
        const auto residual = [&](long double T) {
            return std::exp(c.A + c.B / T + c.C * std::log(T) + c.D * power(T, c.E)) - 100000.0L * p;
        };
        return solveByForwardNewton(residual, startFromBoilingPoint(c, p), positive);
    }
    case EquationCode::WagnerVdi: {
        if (p > kWagnerPressureLimit * c.Pc)
            return c.Tc;
        const long double lnRatio = std::log(p / c.Pc);
        const auto residual = [&](long double T) {
            const long double Tr = T / c.Tc;
            return wagnerVdiSum(c, 1.0L - Tr) / Tr - lnRatio;
        };
        return solveByForwardNewton(residual, startFromBoilingPoint(c, p), belowCritical);
    }
    case EquationCode::Water:
        return waterSaturationTemperatureK(p);
    case EquationCode::Unknown:
        break;
    }
    return kNaN;
}

bool isIterated(EquationCode code)
{
    switch (code) {
    case EquationCode::Log10Millibar:
    case EquationCode::WagnerLnTau:
    case EquationCode::WagnerVdi:
    case EquationCode::ImplicitLnBar:
    case EquationCode::ImplicitLog10KPa:
    case EquationCode::LnPascalT6:
    case EquationCode::Dippr101:
        return true;
    default:
        return false;
    }
}

// A pressure inside the pressures at Tmin and Tmax has its root inside [Tmin, Tmax], where the
// curve rises. An iteration that ends outside (a record without critical data starts from Tb
// and can run to a false root at 1700 K) is finished by bisection there.
long double rootInsideRange(const VapourPressureCoefficients &c, long double p, long double T)
{
    return keepRootInsideRange([&](long double x) { return vapourPressureBar(c, x); }, T, c.Tmin, c.Tmax, p);
}

// The record fields that each equation reads, as a bit per field number.
constexpr std::uint32_t fieldBit(int n)
{
    return std::uint32_t(1) << n;
}

constexpr std::uint32_t kAntoineFields = fieldBit(kFieldCoefficientA) | fieldBit(kFieldCoefficientA + 1)
    | fieldBit(kFieldCoefficientA + 2);
constexpr std::uint32_t kFourCoefficientFields = kAntoineFields | fieldBit(kFieldCoefficientA + 3);
constexpr std::uint32_t kCriticalFields = fieldBit(kFieldBoilingPointK) | fieldBit(kFieldCriticalTemperatureK)
    | fieldBit(kFieldCriticalPressureBar);

std::uint32_t fieldsUsedBy(EquationCode code)
{
    switch (code) {
    case EquationCode::AntoineLnBar:
    case EquationCode::AntoineLog10KPa:
    case EquationCode::AntoineLog10TorrCelsius:
        return kAntoineFields;
    case EquationCode::Log10Millibar:
        return kFourCoefficientFields | fieldBit(kFieldMeltingPointK) | fieldBit(kFieldBoilingPointK)
            | fieldBit(kFieldMinTemperatureK);
    case EquationCode::Dippr101:
        return kFourCoefficientFields | fieldBit(kFieldCoefficientA + 4) | kCriticalFields;
    case EquationCode::WagnerLnTau:
    case EquationCode::WagnerVdi:
    case EquationCode::ImplicitLnBar:
    case EquationCode::ImplicitLog10KPa:
    case EquationCode::LnPascalT6:
        return kFourCoefficientFields | kCriticalFields;
    case EquationCode::Water:
    case EquationCode::Unknown:
        break;
    }
    return 0;
}

// Which numbers of a record are read: all, or only those the pressure or the boiling temperature
// of the record's equation needs.
enum class FieldSelection { All, Pressure, BoilingTemperature };

// One walk over the line. Numbers that are not selected stay NaN: tables and diagrams read the
// record anew for every point, and number parsing is most of that cost.
VapourPressureCoefficients readCoefficients(QStringView recordLine, FieldSelection selection)
{
    std::array<QStringView, kFieldCriticalPressureBar + 1> fields{};
    int n = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i < recordLine.size() && n <= kFieldCriticalPressureBar; ++i) {
        if (recordLine[i] == kFieldDelimiter) {
            fields[std::size_t(n++)] = recordLine.sliced(start, i - start);
            start = i + 1;
        }
    }
    if (n <= kFieldCriticalPressureBar)
        fields[std::size_t(n)] = recordLine.sliced(start);

    VapourPressureCoefficients c;
    c.code = equationCodeFromText(fields[kFieldEquationCode]);
    std::uint32_t wanted = selection == FieldSelection::All ? ~std::uint32_t(0) : fieldsUsedBy(c.code);
    if (selection == FieldSelection::BoilingTemperature && isIterated(c.code))
        wanted |= fieldBit(kFieldMinTemperatureK) | fieldBit(kFieldMaxTemperatureK);
    const auto number = [&](int field) { return wanted & fieldBit(field) ? fieldNumber(fields[std::size_t(field)]) : kNaN; };
    c.Tm = number(kFieldMeltingPointK);
    c.Tb = number(kFieldBoilingPointK);
    c.A = number(kFieldCoefficientA);
    c.B = number(kFieldCoefficientA + 1);
    c.C = number(kFieldCoefficientA + 2);
    c.D = number(kFieldCoefficientA + 3);
    c.E = number(kFieldCoefficientA + 4);
    c.Tmin = number(kFieldMinTemperatureK);
    c.Tmax = number(kFieldMaxTemperatureK);
    c.Tc = number(kFieldCriticalTemperatureK);
    c.Pc = number(kFieldCriticalPressureBar);
    return c;
}

} // namespace

EquationCode equationCodeFromText(QStringView code)
{
    for (const CodeText &entry : kCodeTexts) {
        if (entry.text == code)
            return entry.code;
    }
    return EquationCode::Unknown;
}

VapourPressureCoefficients readVapourPressureCoefficients(QStringView recordLine)
{
    return readCoefficients(recordLine, FieldSelection::All);
}

long double vapourPressureBar(const VapourPressureCoefficients &c, long double temperatureK)
{
    return finiteOrNaN(rawVapourPressure(c, temperatureK));
}

long double boilingTemperatureK(const VapourPressureCoefficients &c, long double pressureBar)
{
    const long double T = finiteOrNaN(rawBoilingTemperature(c, pressureBar));
    return isIterated(c.code) ? rootInsideRange(c, pressureBar, T) : T;
}

long double calcRecordPressure(QStringView recordLine, long double temperatureK)
{
    return vapourPressureBar(readCoefficients(recordLine, FieldSelection::Pressure), temperatureK);
}

long double calcRecordBoilingTemperature(QStringView recordLine, long double pressureBar)
{
    return boilingTemperatureK(readCoefficients(recordLine, FieldSelection::BoilingTemperature), pressureBar);
}
