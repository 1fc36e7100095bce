// The fifteen pressure units of every unit list and their conversions to and from bar.
#include "app/core/PressureUnits.h"

int pressureUnitIndex(QStringView unit)
{
    for (std::size_t i = 0; i < kPressureUnits.size(); ++i) {
        if (kPressureUnits[i].text == unit)
            return int(i);
    }
    return -1;
}

long double pressureUnitToBar(const PressureUnit &unit, long double value)
{
    return value * unit.multiplier / unit.divisor;
}

long double barToPressureUnit(const PressureUnit &unit, long double pressureBar)
{
    return pressureBar / unit.multiplier * unit.divisor;
}

long double pressureUnitToBar(QStringView unit, long double value)
{
    const int index = pressureUnitIndex(unit);
    return index < 0 ? value : pressureUnitToBar(kPressureUnits[std::size_t(index)], value);
}

long double barToPressureUnit(QStringView unit, long double pressureBar)
{
    const int index = pressureUnitIndex(unit);
    return index < 0 ? pressureBar : barToPressureUnit(kPressureUnits[std::size_t(index)], pressureBar);
}

PressureUnitGroup pressureUnitGroup(QStringView unit)
{
    if (unit == u"bar" || unit == u"mbar")
        return PressureUnitGroup::Bar;
    if (unit == u"Pa" || unit == u"KPa" || unit == u"MPa")
        return PressureUnitGroup::Pascal;
    if (unit == u"m H2O" || unit == u"mm H2O")
        return PressureUnitGroup::WaterColumn;
    return PressureUnitGroup::Single;
}

QStringList pressureUnitTexts()
{
    QStringList texts;
    for (const PressureUnit &unit : kPressureUnits)
        texts.append(unit.text.toString());
    return texts;
}
