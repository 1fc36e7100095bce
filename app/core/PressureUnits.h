// The fifteen pressure units of every unit list and their conversions to and from bar.
#pragma once

#include <QStringList>
#include <QStringView>

#include <array>

// A value in the unit times multiplier / divisor is bar; the way back divides by the same
// factor. Factors are kept as the program has always written them, so that "mm H2O"
// is x 0.0980665 / 1000 and not a rounded constant of its own.
struct PressureUnit
{
    QStringView text;
    long double multiplier;
    long double divisor;
};

// List order is the index that windows pass between each other.
inline constexpr std::array<PressureUnit, 15> kPressureUnits{{
    {u"bar", 1.0L, 1.0L},
    {u"mbar", 1.0L, 1000.0L},
    {u"Pa", 1.0L, 100000.0L},
    {u"KPa", 1.0L, 100.0L},
    {u"MPa", 10.0L, 1.0L},
    {u"ata", 0.980665L, 1.0L},
    {u"atm", 1.01325L, 1.0L},
    {u"at", 0.980665L, 1.0L},
    {u"m H2O", 0.0980665L, 1.0L},
    {u"mm H2O", 0.0980665L, 1000.0L},
    {u"Torr", 0.001333223684L, 1.0L},
    {u"lbw./sq.ft.", 0.000478802653L, 1.0L},
    {u"psi", 0.068947581976L, 1.0L},
    {u"ft.wtr.", 0.0298906692L, 1.0L},
    {u"in.wtr.", 0.002490889L, 1.0L},
}};

inline constexpr int kTorrUnitIndex = 10;

// 1 atm: the pressure at which a substance boils at its normal boiling point.
inline constexpr long double kNormalPressureBar = 1.01325L;

// Index into kPressureUnits, compared exactly ("kPa" is not "KPa"); -1 when absent.
int pressureUnitIndex(QStringView unit);

long double pressureUnitToBar(const PressureUnit &unit, long double value);
long double barToPressureUnit(const PressureUnit &unit, long double pressureBar);

// By unit text; a text not in the table converts nothing.
long double pressureUnitToBar(QStringView unit, long double value);
long double barToPressureUnit(QStringView unit, long double pressureBar);

// How a pressure range is labelled: "bar"/"mbar", the pascal units, the water columns,
// and every other unit on its own.
enum class PressureUnitGroup { Bar, Pascal, WaterColumn, Single };

PressureUnitGroup pressureUnitGroup(QStringView unit);

// The unit texts in list order, as every unit list of the program is filled.
QStringList pressureUnitTexts();
