// Vapour pressure and boiling temperature of a substance from the equation of its record.
#pragma once

#include <QStringView>

// Fields of a substance record line read here, counted from 1.
inline constexpr int kFieldMolarMass = 12; // kg/kmol
inline constexpr int kFieldMeltingPointK = 13;
inline constexpr int kFieldBoilingPointK = 14;
inline constexpr int kFieldEquationCode = 15;
inline constexpr int kFieldCoefficientA = 16; // A to E are fields 16 to 20
inline constexpr int kFieldMinTemperatureK = 21; // Tmin and Tmax: the range of validity
inline constexpr int kFieldMaxTemperatureK = 22;
inline constexpr int kFieldCriticalTemperatureK = 23;
inline constexpr int kFieldCriticalPressureBar = 24;

// The equation forms a record may name; the text of the code field selects one exactly.
enum class EquationCode {
    Unknown,
    AntoineLnBar, // "3"
    AntoineLog10KPa, // "1.8"
    Log10Millibar, // "6"
    AntoineLog10TorrCelsius, // "2000"
    WagnerLnTau, // "1"
    ImplicitLnBar, // "2"
    ImplicitLog10KPa, // "4"
    LnPascalT6, // "5"
    Dippr101, // "101"
    Water, // "999"
    WagnerVdi, // "42"
};

EquationCode equationCodeFromText(QStringView code);

// Everything the equations read from a record, parsed once. A field that is empty or not a
// number is NaN, which makes NaN only the results that use it.
struct VapourPressureCoefficients
{
    EquationCode code = EquationCode::Unknown;
    long double A = 0.0L;
    long double B = 0.0L;
    long double C = 0.0L;
    long double D = 0.0L;
    long double E = 0.0L;
    long double Tm = 0.0L; // melting point, K
    long double Tb = 0.0L; // normal boiling point, K
    long double Tmin = 0.0L; // the equation's range, K
    long double Tmax = 0.0L;
    long double Tc = 0.0L; // critical temperature, K
    long double Pc = 0.0L; // critical pressure, bar
};

VapourPressureCoefficients readVapourPressureCoefficients(QStringView recordLine);

// Vapour pressure in bar at temperatureK. NaN for an unknown code and whenever the
// arithmetic does not give a finite number; callers test with std::isfinite.
long double vapourPressureBar(const VapourPressureCoefficients &c, long double temperatureK);

// Boiling temperature in K at pressureBar, NaN under the same conditions. A pressure between the
// pressures at Tmin and Tmax gives a temperature between them: an iteration that ends outside
// (at a false root far away) is finished by bisection inside the range.
long double boilingTemperatureK(const VapourPressureCoefficients &c, long double pressureBar);

// The same, reading the record line anew on every call.
long double calcRecordPressure(QStringView recordLine, long double temperatureK);
long double calcRecordBoilingTemperature(QStringView recordLine, long double pressureBar);
