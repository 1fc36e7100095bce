// Pressure and temperature unit conversions.
#include "app/core/PressureUnits.h"
#include "app/core/TemperatureUnits.h"

#include <QString>

#include <gtest/gtest.h>

TEST(PressureUnits, FactorsTurnOneUnitIntoBar)
{
    struct Case { const char16_t *unit; long double bar; };
    const Case cases[] = {
        {u"bar", 1.0L}, {u"mbar", 0.001L}, {u"Pa", 1e-5L}, {u"KPa", 0.01L}, {u"MPa", 10.0L},
        {u"ata", 0.980665L}, {u"atm", 1.01325L}, {u"at", 0.980665L}, {u"m H2O", 0.0980665L},
        {u"mm H2O", 0.0000980665L}, {u"Torr", 0.001333223684L}, {u"lbw./sq.ft.", 0.000478802653L},
        {u"psi", 0.068947581976L}, {u"ft.wtr.", 0.0298906692L}, {u"in.wtr.", 0.002490889L},
    };
    ASSERT_EQ(std::size(cases), kPressureUnits.size());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(QString::fromUtf16(c.unit).toStdString());
        EXPECT_EQ(kPressureUnits[i].text, QStringView(c.unit)) << "list order is the index windows exchange";
        EXPECT_NEAR(double(pressureUnitToBar(c.unit, 1.0L) / c.bar), 1.0, 1e-15);
        EXPECT_NEAR(double(barToPressureUnit(c.unit, c.bar)), 1.0, 1e-15);
        EXPECT_NEAR(double(barToPressureUnit(c.unit, pressureUnitToBar(c.unit, 123.456L))), 123.456, 1e-12);
    }
}

TEST(PressureUnits, OneBarIsTheReciprocalOfTheTorrFactor)
{
    EXPECT_NEAR(double(barToPressureUnit(u"Torr", 1.0L)), 750.0616827, 1e-6);
    EXPECT_EQ(barToPressureUnit(u"mm H2O", 1.0L), 1.0L / 0.0980665L * 1000.0L);
    EXPECT_EQ(pressureUnitToBar(u"at", 2.5L), pressureUnitToBar(u"ata", 2.5L));
}

TEST(PressureUnits, UnknownTextsConvertNothing)
{
    for (const char16_t *unit : {u"kPa", u"mmHg", u"", u"m WS"}) {
        SCOPED_TRACE(QString::fromUtf16(unit).toStdString());
        EXPECT_EQ(pressureUnitToBar(unit, 3.25L), 3.25L);
        EXPECT_EQ(barToPressureUnit(unit, 3.25L), 3.25L);
        EXPECT_EQ(pressureUnitIndex(unit), -1);
    }
}

TEST(PressureUnits, GroupsOfTheRangeLabels)
{
    EXPECT_EQ(pressureUnitGroup(u"mbar"), PressureUnitGroup::Bar);
    EXPECT_EQ(pressureUnitGroup(u"MPa"), PressureUnitGroup::Pascal);
    EXPECT_EQ(pressureUnitGroup(u"mm H2O"), PressureUnitGroup::WaterColumn);
    EXPECT_EQ(pressureUnitGroup(u"psi"), PressureUnitGroup::Single);
    EXPECT_EQ(pressureUnitGroup(u"kPa"), PressureUnitGroup::Single);
}

TEST(TemperatureUnits, ConvertsCelsiusFahrenheitAndLeavesOthersInKelvin)
{
    EXPECT_EQ(kTemperatureUnits[0], u"°C");
    EXPECT_NEAR(double(temperatureUnitToKelvin(u"°C", 100.0L)), 373.15, 1e-12);
    EXPECT_NEAR(double(temperatureUnitToKelvin(u"°F", 212.0L)), 373.15, 1e-12);
    EXPECT_NEAR(double(temperatureUnitToKelvin(u"°F", -40.0L)), 233.15, 1e-12);
    EXPECT_NEAR(double(kelvinToTemperatureUnit(u"°C", 273.15L)), 0.0, 1e-12);
    EXPECT_NEAR(double(kelvinToTemperatureUnit(u"°F", 233.15L)), -40.0, 1e-12);
    EXPECT_EQ(temperatureUnitToKelvin(u"K", 300.0L), 300.0L);
    EXPECT_EQ(kelvinToTemperatureUnit(u"C", 300.0L), 300.0L);
}
