// Saturation pressure and temperature of water by IAPWS-IF97 region 4.
#pragma once

// Valid from 273.15 K to the critical point 647.096 K; no range check is made.
long double waterSaturationPressureBar(long double temperatureK);

// Inverse of the above, from 611.213 Pa to 220.64 bar; no range check is made.
long double waterSaturationTemperatureK(long double pressureBar);
