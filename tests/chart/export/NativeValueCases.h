// Extreme values in a native chart file: the demo chart's text form, the numeric properties its
// writer walks, and that text with one property line set to a given value. Shared by the values
// test and the values fuzz target.
#pragma once

#include <QByteArray>
#include <QList>

struct QMetaObject;

namespace NativeValueCases {

// A published number of one component block of the text form: the block's place among the
// "object" lines (0 is the chart) and the property's dotted name.
struct NumericProperty
{
    int block = 0;
    QByteArray name;
    const QMetaObject *owner = nullptr; // the class of the object that holds the property
};

// The six values every number is tried with: 0, -1, 65536, 10^8, 2^31 - 1, -2^31.
const QList<QByteArray> &extremeValues();

// The 3D demo chart (titles, walls, area and line series, a cursor tool) in text form, points included.
QByteArray demoChartText();
// Every stored, writable number of the demo chart and of the objects it holds, walked as the
// writer walks them: the chart, each series with its function, each tool.
QList<NumericProperty> demoNumericProperties();

// The text with the property's line in its block set to value; a line is added after the
// block's "object" line when the text has none.
QByteArray withValue(const QByteArray &text, const NumericProperty &property, const QByteArray &value);

// The lines of the text that set a single-line property ("Name = value"), by index.
QList<int> propertyLines(const QByteArray &text);
// The text with that line's value replaced.
QByteArray withLineValue(const QByteArray &text, int line, const QByteArray &value);

} // namespace NativeValueCases
