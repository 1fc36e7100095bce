// The measured points of a line of the measured-values file, and the vapour pressure between them.
#pragma once

#include "app/core/RangeLimits.h"
#include "app/core/VapourPressureModel.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

// Fields 12 and 13 hold the first point (temperature in °C, pressure in kPa), 14 and 15 the next...
inline constexpr int kFirstMeasuredPointField = 12;

struct MeasuredPoint
{
    QString temperatureText; // the field as stored, °C
    long double temperatureK = 0.0L;
    long double pressureBar = 0.0L; // the stored kPa, never a value read back from a display text
};

// The points up to the first empty temperature. A point is skipped when its temperature is no
// number or not above the one before, or its pressure is not a number above 0: no line could be
// drawn through it (a logarithm of 0, a zero step in 1/T).
QList<MeasuredPoint> measuredPoints(QStringView line);

// A row of the point list: the temperature as stored, a tab, the pressure in bar with three
// decimals in the language's decimal character; a pressure that would read 0,000 takes the
// exponent form, as formatResult writes it.
QString measuredPointText(const MeasuredPoint &point, QChar languageLetter, QChar systemDecimalSeparator);

// The first and the last measured temperature; no pressures.
RangeLimits measuredTemperatureRange(const QList<MeasuredPoint> &points);

// The pressure in bar at T on the straight line of log10 p over 1/T through the two neighbouring
// points: a point's own pressure at its own temperature. NaN without points or outside the
// measured range (within its tolerance, RangeLimits.h).
long double interpolateMeasuredPressureBar(const QList<MeasuredPoint> &points, long double temperatureK);

// The interpolation as a model of the single-value path; it has no boiling temperatures (NaN).
VapourPressureModel measuredPointsModel(const QList<MeasuredPoint> &points);
