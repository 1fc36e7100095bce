// Vapour pressure estimated from the normal boiling point alone (Kollar and Proszt).
#pragma once

// An Antoine equation in Torr and degrees Celsius built from Tb so that p(Tb) = 760 Torr.
long double estimateKollarProszt(long double boilingPointK, long double temperatureK);

// Its inverse: the temperature at which the estimate gives pressureBar.
long double estimateKollarProsztTemperature(long double boilingPointK, long double pressureBar);
