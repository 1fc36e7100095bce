// The solutes of the aqueous-solution dialog (TENSO5.DAD, eleven header lines) and their
// coefficient groups (TENSO6.DAD, seven header lines), read once per load and checked.
#pragma once

#include "app/core/AqueousSolution.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

inline constexpr int kAqueousSolutesHeaderLines = 11;
inline constexpr int kAqueousCoefficientsHeaderLines = 7;

struct AqueousSolute
{
    QString germanName; // field 3
    QString englishName; // field 4
    QString key; // field 5: shown in the grid, names the coefficient group
    long double molarMassGPerMol = 0.0L; // field 6
    CoefficientSelection selection = CoefficientSelection::Single; // field 7: "B", "C", anything else
    QString massPercentMinText; // fields 8 and 9, shown as they stand
    QString massPercentMaxText;
    long double massPercentMin = 0.0L;
    long double massPercentMax = 0.0L;
    bool singleTemperature = false; // field 10 "*": valid at the temperature of field 12 only
    int lowerC = 0; // fields 10 and 11, or both field 12
    int upperC = 0;
    CoefficientGroup group;

    QString name(QChar languageLetter) const { return languageLetter == u'D' ? germanName : englishName; }
    // "name TAB key", the list item.
    QString itemText(QChar languageLetter) const { return name(languageLetter) + u'\t' + key; }
};

// Which file breaks the rules. Solutes: a field missing or unreadable, a molar mass not above 0,
// a key given twice. Coefficients: a key without its group, a group of the wrong size, a group
// without its solute or given twice, a line before the first key, a coefficient or a needed
// threshold that is not a number. Nothing of either file is used then.
enum class AqueousDataFault { None, Solutes, Coefficients };

struct AqueousData
{
    AqueousDataFault fault = AqueousDataFault::None;
    // In file order for German; by the shown name in the German collator's order otherwise.
    std::vector<AqueousSolute> solutes;
};

// Reads the decrypted lines of both files; a file no longer than its header lists nothing.
AqueousData readAqueousData(const QStringList &soluteFileLines, const QStringList &coefficientFileLines,
                            QChar languageLetter);
