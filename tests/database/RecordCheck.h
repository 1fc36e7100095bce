// Checks one shipped substance record: layout, numbers, and the behaviour of its equation.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The "not known" marker of the German language column, allowed for melting and boiling points.
inline constexpr QStringView kNotKnown = u"k.A.";

struct NormalBoilingCheck
{
    bool inRange = false; // Tb is numeric and lies between Tmin and Tmax
    long double relativeDeviation = 0.0L; // p(Tb)/1.01325 bar - 1
};

// Problems with the layout and numbers of a record line; empty when it is sound.
QStringList recordLayoutProblems(QStringView line);

// Problems with the equation across the record's own range: pressure finite and positive at
// Tmin and Tmax, the inverse returning T within 1e-4 K, pressure rising over 20 points.
QStringList recordEquationProblems(QStringView line);

NormalBoilingCheck normalBoilingCheck(QStringView line);
