// Checks shared by the shipped data lists: reading a source, numbers as the program reads them,
// names that must be unique and lines that must stand in the program's German order.
#pragma once

#include "TestRecords.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// A readable source below the repository folder, as the build encrypts it.
QStringList sourceLines(const QString &relativePath);

// The field as a number the way the data-file readers take it: ',' as '.', the whole text read.
// NaN when the field is empty or not a number.
long double dataNumber(QStringView field);

// A plain integer written without sign, blanks or leading zeros, as the mass-% and temperature
// limits are.
bool isWholeNumber(QStringView field);

// One message per name (field n) that occurs on more than one line.
QStringList repeatedNames(const QStringList &lines, int field);

// One message per pair of neighbouring lines that the program's German collator would swap,
// comparing field n.
QStringList namesOutOfOrder(const QStringList &lines, int field);
