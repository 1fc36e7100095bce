// Checks one shipped substance record: layout, numbers, and the behaviour of its equation.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The "not known" marker of the German language column, allowed for melting and boiling points.
inline constexpr QStringView kNotKnown = u"k.A.";

struct NormalBoilingCheck
{
    bool known = false; // Tb is numeric
    bool inRange = false; // Tb lies between Tmin and Tmax
    // In range p(Tb)/1.01325 bar - 1. Beyond the range, how far the range end nearest Tb lies on the
    // wrong side of 1 atm (p(Tmax) above it when Tb > Tmax, p(Tmin) below it when Tb < Tmin), else 0.
    long double relativeDeviation = 0.0L;
    long double distanceK = 0.0L; // beyond the range: from Tb to the nearest range end
    long double extrapolatedAtm = 1.0L; // beyond the range: p(Tb) in atm from the Clausius-Clapeyron chord
};

// Problems with the layout and numbers of a record line; empty when it is sound.
QStringList recordLayoutProblems(QStringView line);

// Problems with the equation across the record's own range: pressure finite and positive at
// Tmin and Tmax, the inverse returning T within 1e-4 K, pressure rising over 20 points.
QStringList recordEquationProblems(QStringView line);

NormalBoilingCheck normalBoilingCheck(QStringView line);

// Highest pressure a record may reach in its range: 1.5 Pc where Pc is known, else 1000 bar.
long double pressureCeilingBar(long double criticalPressureBar);

// Upper bound of the chord extrapolation to Tb, in atm, for Tb this far from the range.
long double extrapolationBound(long double distanceK);

// Lowest chord extrapolation to Tb, in atm: the chord overestimates on both sides.
inline constexpr long double kExtrapolationFloorAtm = 0.5L;

// Problems with what the record implies beyond its own range: the pressure ceiling, and the
// Clausius-Clapeyron extrapolation to a Tb outside the range.
QStringList recordPlausibilityProblems(QStringView line);

// A record is valid to Tc when its range ends at most this far below Tc.
inline constexpr long double kCriticalReachK = 0.5L;

// For a record valid to Tc: p(min(Tc, Tmax)) / Pc - 1, the miss of its critical pressure.
std::optional<long double> criticalPressureMiss(QStringView line);

// Where the curation's note says that the correlations valid to Tc overrule the table's Pc, which
// the record carries all the same: the record's miss at Tc of the pressure the note says it ships
// there. None where the note says no such thing of this record's Tc and Pc.
std::optional<long double> overruledCriticalPressureMiss(QStringView line, const QString &note);

// A registry or depositor code ("ac1l1dfd"): one token mixing letters and digits, no separators.
bool isRegistryCode(QStringView name);

// One point a fitted record was fitted to: the kind ("Tb", "critical", "handbook", ...), T, p and
// the relative tolerance.
struct FitEvidence
{
    QString kind;
    long double kelvin = 0;
    long double bar = 0;
    long double tolerance = 0;
};

// Points the record misses beyond their tolerance. The boiling points of the compilations count as
// met where the record reaches 1 atm between them.
QStringList fitEvidenceProblems(QStringView line, const QList<FitEvidence> &evidence);
