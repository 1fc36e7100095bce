// The dissolved solids of the solid-liquid dialog (tenso4.dad): five header lines, then one
// solid per line.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

inline constexpr int kSolidsHeaderLines = 5;
// A solid without a known upper limit of its solution data.
inline constexpr long double kNoSolidLimitK = 100000.0L;

struct SolidEntry
{
    QString name; // field 2 in German, field 4 in every other language
    QString formula; // field 6
    long double molarMass = 0.0L; // field 9, kg/kmol
    long double limitK = kNoSolidLimitK; // field 10; empty means no limit

    // "name TAB formula", the list item and the line the dialog shows.
    QString itemText() const { return name + u'\t' + formula; }
};

struct SolidsList
{
    // A line that breaks the rules (a name, formula or molar mass missing or unreadable, a molar
    // mass not above 0, a limit that is not a number above 0): none of the file is used.
    bool damaged = false;
    std::vector<SolidEntry> solids; // in the German collator's order of their names
};

// Reads the decrypted lines; a file no longer than its header lists nothing.
SolidsList readSolids(const QStringList &fileLines, QChar languageLetter);
